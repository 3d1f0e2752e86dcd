// SPDX-License-Identifier: GPL-3.0-or-later
// Saved games and favourites on the main window: the dialogs' choices, the caption, the
// messages of refused files, and the favourite panels' look and marker.
#include <QAction>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "window_rig.h"

namespace mirvalon::test {
namespace {

const QString kCaption = QStringLiteral("  Mirvalon  1.7");

// Where the marker under the active favourite's panel stands; -1 while none is marked.
int markerLeft(WindowRig& rig)
{
    const QWidget* marker = rig.window->findChild<QWidget*>(QStringLiteral("pnlCiarka"));
    return marker->isHidden() ? -1 : marker->x();
}

void choose(WindowRig& rig, const std::string& path)
{
    rig.chooseFile = [path](SavedGameDialog) { return QString::fromStdString(path); };
}

TEST(SavedGamesWindow, aNewUserOpensTheSampleGamesAndIsToldOfBadFiles)
{
    WindowRig rig;
    // The window copies the delivered record games and the sample games once its first frame
    // is out.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return exists(rig.dataFile("Data/majstrovstva_sveta.mvg")); }));
    EXPECT_TRUE(exists(rig.dataFile("Mirvalon.lar")));
    choose(rig, rig.dataFile("Data/majstrovstva_sveta.mvg"));
    rig.window->menuItem("mm1Otvorit")->trigger();
    EXPECT_TRUE(rig.dialogs.messages.empty());
    // What the file holds is the saved games' test; the window names it and shows its game.
    EXPECT_EQ(rig.window->windowTitle(), kCaption + "         -  majstrovstva_sveta");
    EXPECT_EQ(rig.s().password, "Everest");
    EXPECT_EQ(rig.window->statusPanel(13)->text(), "----");

    // A damaged file: question 0 first, then the caption names it and the password is gone
    // before it is refused.
    const std::string damaged = rig.user.path() + "/poskodena.MVG";
    writeBytes(damaged, std::string(300, 'x'));
    choose(rig, damaged);
    rig.dialogs.answers = {true};
    rig.window->menuItem("mm1Otvorit")->trigger();
    EXPECT_EQ(rig.dialogs.questions.back(), Question::EndRunningGame);
    EXPECT_EQ(rig.dialogs.messages, std::vector<int>{Message::GameNotOpened});
    EXPECT_EQ(rig.window->windowTitle(), kCaption + "         -  poskodena");
    EXPECT_TRUE(rig.s().password.empty());
    EXPECT_FALSE(rig.s().inProgress);

    // Another extension is refused before anything changes; a new game restores the caption.
    choose(rig, rig.user.path() + "/hra.txt");
    rig.window->menuItem("mm1Otvorit")->trigger();
    EXPECT_EQ(rig.dialogs.messages.size(), 2u);
    EXPECT_EQ(rig.window->windowTitle(), kCaption + "         -  poskodena");
    rig.window->menuItem("mm2NovaP")->trigger();
    EXPECT_EQ(rig.window->windowTitle(), kCaption);
}

TEST(SavedGamesWindow, aSecondPlayersTaskIsSavedAndOpenedElsewhere)
{
    TempDir elsewhere; // a folder the task is handed over in, outside both players' folders
    std::string saved;
    {
        WindowRig rig;
        rig.game().startSecondPlayerGame();
        for (int piece : {3, 1, 4, 15, 9, 2, 6})
            WindowRig::doubleClick(rig.window->palettePiece(piece));
        rig.dialogs.passwordAnswers = {std::pair<std::string, std::string>{"Tajne", "Bravo!"}};
        ASSERT_TRUE(rig.game().confirmHiddenRow());
        ASSERT_TRUE(rig.window->menuItem("mm1Ulozit")->isEnabled());

        rig.window->menuItem("mm1Ulozit")->trigger();      // cancelled: nothing to tell
        choose(rig, rig.user.path() + "/chyba/uloha.mvg"); // no such folder
        rig.window->menuItem("mm1Ulozit")->trigger();
        EXPECT_EQ(rig.dialogs.messages, std::vector<int>{Message::GameNotSaved});

        saved = elsewhere.file("uloha.mvg");
        choose(rig, saved);
        rig.window->menuItem("mm1Ulozit")->trigger();
        EXPECT_EQ(rig.dialogs.messages.size(), 1u);
    }
    WindowRig rig;
    choose(rig, saved);
    rig.window->menuItem("mm1Otvorit")->trigger();
    EXPECT_TRUE(rig.dialogs.messages.empty());
    EXPECT_EQ(rig.s().hiddenRow, (Row{3, 1, 4, 15, 9, 2, 6, 0}));
    EXPECT_EQ(rig.s().password, "Tajne");
    EXPECT_TRUE(rig.dialogs.passwordModes.empty());
}

TEST(SavedGamesWindow, favouritePanelsShowTheirSlotsAndTheMarker)
{
    WindowRig rig;
    auto* panel = static_cast<BevelBox*>(rig.window->control("pnl2"));
    const QRect raised = panel->geometry();
    EXPECT_EQ(markerLeft(rig), -1);

    WindowRig::rightClick(panel);
    EXPECT_EQ(panel->geometry(), raised.adjusted(0, 1, 0, 0)); // pressed in
    EXPECT_TRUE(panel->toolTip().isEmpty());
    EXPECT_EQ(markerLeft(rig), 735);
    EXPECT_TRUE(rig.window->menuItem("mm1Oblubene")->isEnabled());

    // Another game drops the marker; "Hra č. 2" brings the game back.
    rig.window->menuItem("mm2Pozic5")->trigger();
    EXPECT_EQ(markerLeft(rig), -1);
    rig.window->menuItem("mm2Hra2")->trigger();
    EXPECT_EQ(markerLeft(rig), 735);
    EXPECT_TRUE(rig.window->control("btnNovaP")->hasFocus());

    // Ctrl with the left button starts the slot and releases it.
    WindowRig::send(panel, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(panel->geometry(), raised);
    EXPECT_EQ(panel->toolTip(), QStringLiteral("Uložiť obľúbenú hru č. 2"));
    EXPECT_EQ(markerLeft(rig), -1);
}

} // namespace
} // namespace mirvalon::test
