// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog opened from the main window: F8, the button and the menu item open it;
// Cancel changes nothing; OK asks before ending a running game and applies everything.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <map>

#include "engine/messages.h"
#include "ui/tfrm_setup.h"
#include "window_rig.h"

namespace mirvalon::test {
namespace {

enum class Opener { F8, Button, MenuItem };

// Clicks the named controls of the dialog in order, beside their boxes as a player does.
std::function<void(Tfrm_Setup&)> clicks(std::vector<const char*> names)
{
    return [names](Tfrm_Setup& d) {
        for (const char* name : names) {
            auto* button = d.findChild<QAbstractButton*>(QString::fromLatin1(name));
            ASSERT_NE(button, nullptr) << name;
            QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
        }
    };
}

// Opens the dialog as the player would, lets `act` click in it and closes it with OK or
// Cancel. True when the dialog was open.
bool withSettings(WindowRig& rig, const std::function<void(Tfrm_Setup&)>& act, bool ok,
                  Opener opener = Opener::F8)
{
    bool opened = false;
    Tfrm_Setup* dialog = rig.window->settingsDialog();
    QTimer::singleShot(0, dialog, [&] {
        opened = dialog->isVisible();
        if (act)
            act(*dialog);
        QTest::mouseClick(ok ? dialog->okButton() : dialog->cancelButton(), Qt::LeftButton);
    });
    switch (opener) {
    case Opener::F8:
        // Shortcuts reach only the active window; a closed dialog hands it back.
        rig.window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
        QTest::keyClick(rig.window.get(), Qt::Key_F8);
        break;
    case Opener::Button:
        QTest::mouseClick(rig.window->control("btnNastavit"), Qt::LeftButton);
        break;
    case Opener::MenuItem:
        rig.window->menuItem("mm1Nastav")->trigger();
        break;
    }
    return opened;
}

std::map<QString, bool> checkMarks(WindowRig& rig)
{
    std::map<QString, bool> marks;
    for (QAction* action : rig.window->findChildren<QAction*>())
        if (action->isCheckable())
            marks[action->objectName()] = action->isChecked();
    return marks;
}

TEST(SettingsWindow, everyOpenerOpensTheDialogAndCancelChangesNothing)
{
    WindowRig rig;
    const GameSettings before = rig.game().settings();
    const auto marks = checkMarks(rig);
    for (Opener opener : {Opener::F8, Opener::Button, Opener::MenuItem}) {
        SCOPED_TRACE(static_cast<int>(opener));
        EXPECT_TRUE(withSettings(
            rig, clicks({"rgPozicie0", "rgFarbyK2", "cbxUpozExit", "rgJazyk2"}), false, opener));
        EXPECT_EQ(rig.game().settings(), before);
        EXPECT_EQ(checkMarks(rig), marks);
        EXPECT_FALSE(exists(rig.dataFile("Mirvalon.lcf")));
        EXPECT_TRUE(rig.dialogs.questions.empty());
    }
}

// Whether to ask is the engine's rule; Yes ends the game and the board waits for the new rules,
// in the language chosen with them.
TEST(SettingsWindow, aRunningComputerGameEndsWhenThePlayerAgrees)
{
    WindowRig rig;
    rig.game().startComputerGame();
    ASSERT_TRUE(rig.s().inProgress);
    rig.dialogs.answers = {true};
    EXPECT_TRUE(withSettings(rig, clicks({"rgPozicie0", "rgJazyk2"}), true, Opener::Button));
    EXPECT_EQ(rig.window->menuItem("mm1Nastav")->text(), "Settings...");
    EXPECT_FALSE(rig.s().inProgress);
    EXPECT_EQ(rig.window->statusPanel(1)->text(), "98"); // the game of five places
    EXPECT_EQ(rig.window->focusWidget(), rig.window->control("btnNovaP"));
}

// Standard after GOLD keeps the hardest rules, and Mix is answered by message 8; while it is
// open the board already shows the new rules whole: eight result places,
// no row of the earlier five-place game beside them, the palette of 25 pieces.
TEST(SettingsWindow, goldWithMixIsAnsweredOverABoardRebuiltForTheNewRules)
{
    WindowRig rig(GameSettings{.positions = 5, .pieceCount = 11});
    Tfrm_Logic& w = *rig.window;
    QTest::keyClick(&w, Qt::Key_F2);
    for (int piece = 1; piece <= 5; ++piece)
        WindowRig::doubleClick(w.palettePiece(piece));
    QTest::keyClick(&w, Qt::Key_Space);
    ASSERT_EQ(rig.s().currentRow, 2);
    QTest::keyClick(&w, Qt::Key_F10);
    ASSERT_FALSE(rig.s().inProgress);
    ASSERT_TRUE(w.rowPiece(1, 5)->isVisible()); // the given-up game stays on view

    bool seen = false;
    rig.dialogs.whileMessageShown = [&](int index) {
        if (index != Message::GoldNeedsGrey)
            return;
        seen = true;
        for (int position = 1; position <= 8; ++position)
            EXPECT_TRUE(w.resultSlot(position)->isVisible()) << position;
        for (int position = 1; position <= 5; ++position)
            EXPECT_FALSE(w.rowPiece(1, position)->isVisible()) << position;
        EXPECT_TRUE(w.palettePiece(25)->isVisible());
        EXPECT_FALSE(w.palettePiece(2)->caption().isEmpty()); // grey, numbered pieces already
    };
    withSettings(rig, clicks({"rgForma2", "rgForma1", "rgFarbyK2"}), true, Opener::Button);
    EXPECT_TRUE(seen); // what the rules store with it is the settings' test
    EXPECT_EQ(w.statusPanel(1)->text(), "GOLD");
}

// Wherever the session has been, F8 opens the dialog centred on the window: its frame's
// centre 8 pixels below the window's centre, whole within the window. The first opening
// finds the dialog without a frame of its own yet (a language file made it unshown); it
// lands where every later opening does.
TEST(SettingsWindow, opensCentredOnTheWindowAfterEveryKindOfStep)
{
    WindowRig rig;
    Tfrm_Logic& w = *rig.window;
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"start-up", [] {}},
        {"English from the menu", [&] { w.menuItem("mm2Ang")->trigger(); }},
        {"records list", [&] { w.menuItem("mm1NajSkore")->trigger(); }},
        {"information panel", [&] { w.menuItem("mm1Inform")->trigger(); }},
        {"status panels", [&] { w.menuItem("mm2Info")->trigger(); }},
        {"Czech from the menu", [&] { w.menuItem("mm2Ces")->trigger(); }},
        {"Slovak in the dialog",
         [&] { withSettings(rig, clicks({"rgJazyk0"}), true, Opener::MenuItem); }},
        {"panels closed", [&] { w.menuItem("mm1Inform")->trigger(); }},
        {"English from the menu again", [&] { w.menuItem("mm2Ang")->trigger(); }},
    };
    for (const auto& [name, act] : steps) {
        SCOPED_TRACE(name);
        act();
        QRect dialog;
        const bool opened = withSettings(
            rig, [&](Tfrm_Setup& d) { dialog = d.frameGeometry(); }, false, Opener::Button);
        ASSERT_TRUE(opened);
        const QRect main = w.frameGeometry();
        EXPECT_EQ(dialog.left(), main.left() + main.width() / 2 - dialog.width() / 2);
        EXPECT_EQ(dialog.top(), main.top() + main.height() / 2 - dialog.height() / 2 + 8);
    }
}

} // namespace
} // namespace mirvalon::test
