// SPDX-License-Identifier: GPL-3.0-or-later
// The main window played with real mouse events: pieces dragged and double-clicked into row 1,
// refused drops, taking back, Space to confirm, pegs, messages and the enabled commands.
#include <QAction>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "window_rig.h"

namespace mirvalon::test {
namespace {

// What the configuration file holds; a file of the wrong size reads as no settings at all.
GameSettings savedSettings(WindowRig& rig)
{
    const SettingsImage saved = decodeSettings(readBytes(rig.dataFile("Mirvalon.lcf")), {});
    return saved.badWords.empty() ? saved.settings : GameSettings{};
}

TEST(MainWindow, aWholeGamePlayedWithTheMouse)
{
    WindowRig rig;
    Tfrm_Logic& w = *rig.window;
    // Idle: pieces of the current count shown (that they take no input is the engine's rule).
    EXPECT_TRUE(w.palettePiece(19)->isVisible());
    EXPECT_FALSE(w.palettePiece(20)->isVisible());
    EXPECT_FALSE(w.control("btnOk")->isEnabled());
    rig.nextHiddenRow({1, 2, 3, 4, 5, 6, 7});
    QTest::keyClick(&w, Qt::Key_F2);
    ASSERT_TRUE(rig.s().inProgress);
    EXPECT_TRUE(w.palettePiece(1)->isEnabled());
    // The game type cannot change during a game (the offers' rule): its item says so.
    EXPECT_FALSE(w.menuItem("mm2Klasika")->isEnabled());

    // A drop whose centre lies on a slot's edge is refused; strictly inside is taken.
    QPoint edge = WindowRig::slotCentre(1, 1);
    edge.setX(62); // the slot's left edge
    WindowRig::drag(w.palettePiece(1), edge);
    EXPECT_EQ(rig.s().editCount, 0);
    EXPECT_EQ(w.palettePiece(1)->pos(), QPoint(549, 339)); // back at home
    WindowRig::drag(w.palettePiece(1), WindowRig::slotCentre(1, 1) + QPoint(19, 10));
    EXPECT_EQ(rig.s().editRow[0], 1);
    EXPECT_EQ(w.palettePiece(1)->pos(), QPoint(62, 452)); // each piece once: it moved there

    // Double clicks fill the next free slots.
    for (int piece : {2, 3, 4, 9, 6})
        WindowRig::doubleClick(w.palettePiece(piece));
    EXPECT_EQ(rig.s().editRow, (Row{1, 2, 3, 4, 9, 6, 0, 0}));
    // Dragged back to the palette, piece 9 frees its slot (what it costs is the engine's).
    WindowRig::drag(w.palettePiece(9), QPoint(700, 470));
    EXPECT_EQ(rig.s().editRow[4], 0);
    EXPECT_EQ(w.palettePiece(9)->pos(), QPoint(681, 367));
    WindowRig::drag(w.palettePiece(5), WindowRig::slotCentre(1, 5));
    WindowRig::doubleClick(w.palettePiece(7));
    EXPECT_TRUE(w.control("btnOk")->isEnabled());
    EXPECT_TRUE(w.menuItem("mm1OK")->isEnabled());

    // Swap two pieces so that row 1 scores 5 hits and 2 misses, then confirm with Space.
    WindowRig::drag(w.palettePiece(7), QPoint(700, 470));
    WindowRig::drag(w.palettePiece(6), WindowRig::slotCentre(1, 7));
    WindowRig::doubleClick(w.palettePiece(7));
    EXPECT_EQ(rig.s().editRow, (Row{1, 2, 3, 4, 5, 7, 6, 0}));
    QTest::keyClick(&w, Qt::Key_Space);
    EXPECT_EQ(rig.s().currentRow, 2);
    for (int k = 1; k <= 7; ++k) {
        EXPECT_TRUE(w.rowPeg(1, k)->isVisible()) << k;
        EXPECT_EQ(w.rowPeg(1, k)->colour(), QColor(k <= 5 ? Qt::black : Qt::white)) << k;
        EXPECT_EQ(w.rowPeg(1, k)->pos(), QPoint(434 + 12 * (k - 1), 452));
    }
    EXPECT_EQ(w.rowPiece(1, 6)->colour(), w.palettePiece(7)->colour());
    EXPECT_EQ(w.editSlot(1)->pos(), QPoint(62, 424));      // row 2 is open now
    EXPECT_EQ(w.palettePiece(1)->pos(), QPoint(549, 339)); // the palette is full again

    // Row 2 wins (its messages are the engine's): the palette closes, the hidden row shows.
    for (int piece = 1; piece <= 7; ++piece)
        WindowRig::doubleClick(w.palettePiece(piece));
    QTest::keyClick(&w, Qt::Key_Space);
    EXPECT_TRUE(rig.s().solved);
    EXPECT_FALSE(w.palettePiece(8)->isEnabled());
    EXPECT_TRUE(w.hiddenPiece(1)->isVisible());
}

TEST(MainWindow, blockingAndRepeatedPiecesThroughTheMouse)
{
    WindowRig rig(GameSettings{.eachPieceOnce = false});
    Tfrm_Logic& w = *rig.window;
    QTest::keyClick(&w, Qt::Key_F2);
    // With repetition a copy stands in the slot and the palette piece stays home.
    WindowRig::drag(w.palettePiece(7), WindowRig::slotCentre(1, 3));
    EXPECT_EQ(rig.s().editRow[2], 7);
    EXPECT_EQ(w.palettePiece(7)->pos(), QPoint(593, 367));
    EXPECT_TRUE(w.copyPiece(3)->isVisible());
    EXPECT_EQ(w.copyPiece(3)->pos(), QPoint(150, 452));
    EXPECT_FALSE(w.palettePiece(0)->isVisible()); // the stand-in is gone after the drop
    WindowRig::doubleClick(w.palettePiece(7));
    EXPECT_EQ(rig.s().editRow[0], 7);
    // A right click blocks a palette piece: small, at its blocked place (that it cannot be
    // dragged is the engine's rule).
    WindowRig::rightClick(w.palettePiece(12));
    EXPECT_TRUE(rig.s().blocked[12]);
    EXPECT_EQ(w.palettePiece(12)->geometry(), QRect(603, 400, 20, 12));
    EXPECT_TRUE(w.control("btnBloky")->isEnabled());
    QTest::mouseClick(w.control("btnBloky"), Qt::LeftButton);
    EXPECT_FALSE(rig.s().blocked[12]);
    EXPECT_EQ(w.palettePiece(12)->geometry(), QRect(593, 395, 40, 22));
}

// Reading the file at the next start is the test of every window started with settings.
TEST(MainWindow, theSaveItemWritesTheSettingsInUse)
{
    WindowRig rig;
    rig.window->menuItem("mm2Pozic5")->trigger();
    rig.window->menuItem("mm1UlozNastavenie")->trigger();
    EXPECT_EQ(rig.dialogs.messages, std::vector<int>{11});
    EXPECT_EQ(savedSettings(rig), rig.game().settings());
}

TEST(MainWindow, exitAsksOnlyWithTheWarningAndSavesWhenAutomatic)
{
    WindowRig rig;
    Tfrm_Logic& w = *rig.window;
    w.menuItem("mm1UpozExit")->trigger();
    w.close(); // answered No: the game goes on
    EXPECT_EQ(rig.dialogs.questions, std::vector<int>{5});
    EXPECT_TRUE(w.isVisible());
    // A click on the bare surface of the evaluation column is the same exit.
    const QPoint onColumn(426 + 54, 52 + 100);
    QWidget* surface = w.centralWidget()->childAt(onColumn);
    ASSERT_EQ(surface, w.control("pnlHodnotenie"));
    QTest::mouseClick(surface, Qt::LeftButton, {}, surface->mapFrom(w.centralWidget(), onColumn));
    EXPECT_EQ(rig.dialogs.questions, (std::vector<int>{5, 5}));
    EXPECT_FALSE(rig.s().closing);
    // F12 belongs to an item not shown in the menu; it minimises without asking.
    QTest::keyClick(&w, Qt::Key_F12);
    EXPECT_TRUE(w.isMinimized());
    EXPECT_EQ(rig.dialogs.questions.size(), 2u);
    w.showNormal();
    rig.dialogs.answers = {true};
    w.close(); // asked once, then saved quietly
    EXPECT_EQ(rig.dialogs.questions, (std::vector<int>{5, 5, 5}));
    EXPECT_TRUE(rig.s().closing);
    EXPECT_TRUE(rig.dialogs.messages.empty());
    EXPECT_TRUE(savedSettings(rig).exitWarning);
}

TEST(MainWindow, secondPlayersPasswordThroughTheWindow)
{
    WindowRig rig;
    Tfrm_Logic& w = *rig.window;
    QTest::keyClick(&w, Qt::Key_F3);
    for (int piece = 1; piece <= 7; ++piece)
        WindowRig::doubleClick(w.palettePiece(piece));
    EXPECT_EQ(w.palettePiece(3)->pos(), QPoint(150, 13)); // in the hidden row
    EXPECT_EQ(w.focusWidget(), w.control("btnPotvrd"));   // enabled: the full row is confirmed next
    rig.dialogs.passwordAnswers = {std::pair<std::string, std::string>{"heslo", "Bravo"}};
    qobject_cast<QPushButton*>(w.control("btnPotvrd"))->click();
    EXPECT_EQ(rig.s().password, "heslo");
    EXPECT_FALSE(w.control("btnPotvrd")->isVisible());
    EXPECT_EQ(w.resultSlot(1)->colour(), QColor(184, 184, 184)); // covered
    EXPECT_EQ(w.palettePiece(3)->pos(), QPoint(637, 339));       // back in the palette
}

} // namespace
} // namespace mirvalon::test
