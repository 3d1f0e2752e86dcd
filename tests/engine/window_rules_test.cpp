// SPDX-License-Identifier: GPL-3.0-or-later
// The rules the window only shows: the screen the game refuses, what the settings dialog and
// the new-record dialog leave open without a shared folder, the panels over the board and the
// password dialog's two texts.
#include <gtest/gtest.h>

#include <tuple>

#include "engine/saved_task.h"
#include "engine/screen_size.h"
#include "support/fake_ports.h"

namespace mirvalon::test {
namespace {

// The refusal's words are the language's own; a language of no file refuses in Slovak.
TEST(Screen, aScreenNarrowerThanTheBoardIsRefusedInThePlayersLanguage)
{
    EXPECT_EQ(narrowScreenRefusal(800, English), std::nullopt);
    const auto slovak = narrowScreenRefusal(799, Slovak);
    EXPECT_NE(slovak->find("obrazovky 800x600 bodov"), std::string::npos);
    EXPECT_NE(narrowScreenRefusal(640, Czech)->find("obrazovky 800x600 bodů"), std::string::npos);
    EXPECT_NE(narrowScreenRefusal(0, English)->find("screen is 800x600 pixels"), std::string::npos);
    EXPECT_EQ(narrowScreenRefusal(799, 3), slovak);
}

TEST(SettingsDialogForm, opensOnTheSettingsWithWhatTheGameLeavesOpen)
{
    // game: 0 none, 1 a computer game, 2 the second player's game
    using Case = std::tuple<bool, bool, int, bool, bool, bool>;
    const Case cases[] = {
        {true, true, 0, false, true, true},   {false, true, 0, false, false, false},
        {true, false, 0, false, true, false}, {true, true, 1, true, true, true},
        {true, true, 2, false, true, true},
    };
    for (const auto& [shared, syncAtStart, game, computerGame, offered, checked] : cases) {
        SCOPED_TRACE(testing::Message() << shared << syncAtStart << game);
        IdleRig rig;
        rig.game.activate(shared);
        rig.useSettings([syncAtStart = syncAtStart](GameSettings& s) {
            s.positions = 6;
            s.syncAtStart = syncAtStart;
        });
        if (game == 1)
            rig.game.startComputerGame();
        if (game == 2) {
            ASSERT_TRUE(rig.setHiddenRow({1, 2, 3, 4, 5, 6}));
        }
        const SetupForm form = rig.game.setupForm();
        EXPECT_EQ(std::tuple(form.choice.positions, form.computerGameRunning, form.syncOffered,
                             form.choice.syncAtStart),
                  std::tuple(6, computerGame, offered, checked));
    }
}

TEST(BoardPanels, oneAtATimeAndThePiecesUnderThemTakeNoInput)
{
    IdleRig rig;
    rig.game.startComputerGame();
    ASSERT_TRUE(rig.s().paletteTakesInput());
    using Step = std::tuple<BoardPanel, bool, bool, bool>;
    const Step steps[] = {
        {BoardPanel::Records, true, true, false},
        {BoardPanel::Information, true, false, true}, // the list makes room for the text
        {BoardPanel::Records, true, true, false},     // and the text for the list
        {BoardPanel::Records, false, false, false},
        {BoardPanel::Information, true, false, true},
        {BoardPanel::Information, false, false, false},
    };
    int n = 0;
    for (const auto& [toggled, opens, records, information] : steps) {
        SCOPED_TRACE(n++);
        const bool opened = rig.game.togglePanel(toggled);
        EXPECT_EQ(opened, opens);
        if (opened)
            (toggled == BoardPanel::Records ? rig.game.recordsPanelShown(true)
                                            : rig.game.informationPanelShown(true));
        const CommandTable& t = rig.commands.table;
        EXPECT_EQ(std::tuple(rig.s().recordsPanelShown, rig.s().informationPanelShown,
                             t.checked(Command::RecordsPanel),
                             t.checked(Command::InformationPanel)),
                  std::tuple(records, information, records, information));
        const bool free = !records && !information;
        EXPECT_EQ(std::tuple(rig.s().paletteTakesInput(), rig.s().copiesTakeInput(),
                             rig.game.paletteTakesKeys()),
                  std::tuple(free, free, free));
    }
    // Shown without its menu item (the reference text), a panel closes the other one too.
    rig.game.recordsPanelShown(true);
    rig.game.informationPanelShown(true);
    EXPECT_FALSE(rig.s().recordsPanelShown);
    rig.game.recordsPanelShown(true);
    EXPECT_FALSE(rig.s().informationPanelShown);
}

TEST(PasswordSetUp, bothTextsOrNeither)
{
    using Case = std::tuple<const char*, const char*, MissingText>;
    const Case cases[] = {
        {"", "", MissingText::None},
        {"tajne", "Bravo", MissingText::None},
        {"tajne", "", MissingText::AuthText},
        {"", "Bravo", MissingText::Password},
    };
    for (const auto& [password, authText, missing] : cases)
        EXPECT_EQ(missingPasswordText(password, authText), missing) << password << "/" << authText;
}

} // namespace
} // namespace mirvalon::test
