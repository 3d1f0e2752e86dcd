// SPDX-License-Identifier: GPL-3.0-or-later
// The game as the one owner of the settings: each setting's range, what it shows, the
// configuration taken whole at start, the pictures' menu and clicks, the saved language.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <tuple>

#include "support/fake_ports.h"

namespace mirvalon {
namespace {

using test::Rig;
using test::settingValue;

TEST(Settings, aValueInItsRangeIsStoredMarkedAndShownAndAnyOtherChangesNothing)
{
    // mark: checked after a taken value
    using Case = std::tuple<Setting, int32_t, bool, std::optional<Command>>;
    const Case cases[] = {
        {Setting::Positions, 4, false, std::nullopt},
        {Setting::Positions, 5, true, Command::Positions5},
        {Setting::Positions, 8, true, Command::Positions8},
        {Setting::Positions, 9, false, std::nullopt},
        {Setting::PieceCount, 11, true, Command::Pieces11},
        {Setting::PieceCount, 12, false, std::nullopt},
        {Setting::PieceCount, 25, true, Command::Pieces25},
        {Setting::PieceCount, 26, false, std::nullopt},
        {Setting::Environment, -2, false, std::nullopt},
        {Setting::Environment, -1, true, std::nullopt},
        {Setting::Environment, 0, true, Command::Texture1},
        {Setting::Environment, 3, true, Command::Photo2},
        {Setting::Environment, 4, false, std::nullopt},
        {Setting::Language, -1, false, std::nullopt},
        {Setting::Language, 1, true, Command::LanguageCzech},
        {Setting::Language, 2, true, Command::LanguageEnglish},
        {Setting::Language, 3, false, std::nullopt},
        {Setting::AutoSave, 0, true, std::nullopt},
        {Setting::AutoSave, 2, false, std::nullopt},
        {Setting::TotalTime, 1, true, Command::TotalTime},
        {Setting::TotalTime, -1, false, std::nullopt},
        {Setting::ExitWarning, 1, true, Command::ExitWarning},
        {Setting::SyncAtStart, 1, true, Command::SyncAtStart},
        {Setting::Hints, 0, true, std::nullopt},
        {Setting::Hints, 2, false, std::nullopt},
    };
    for (const auto& [which, value, taken, mark] : cases) {
        SCOPED_TRACE(testing::Message() << int(which) << " = " << value);
        test::IdleRig rig;
        rig.settings.shown.clear();
        const GameSettings before = rig.game.settings();
        const int tables = rig.commands.updates;
        rig.game.set(which, value);
        const GameSettings& s = rig.game.settings();
        if (!taken) {
            EXPECT_EQ(s, before);
            EXPECT_TRUE(rig.settings.shown.empty());
            continue;
        }
        // The texts in use follow the language.
        EXPECT_EQ(s.loadedLanguage, which == Setting::Language ? value : before.loadedLanguage);
        EXPECT_EQ(rig.settings.shown, (std::vector<std::pair<Setting, int32_t>>{{which, value}}));
        EXPECT_EQ(rig.commands.updates - tables, 1);
        EXPECT_TRUE(!mark || rig.checked(*mark));
        if (which == Setting::Environment) {
            EXPECT_EQ(rig.board.environment, value);
            for (Command picture :
                 {Command::Texture1, Command::Texture2, Command::Photo1, Command::Photo2})
                EXPECT_EQ(rig.checked(picture), mark == picture);
        }
        EXPECT_EQ(rig.checked(Command::AutoSave), which != Setting::AutoSave);
        // The setting holds the value; everything else stays as it was.
        for (Setting other : {Setting::Positions, Setting::PieceCount, Setting::Environment,
                              Setting::Language, Setting::AutoSave, Setting::TotalTime,
                              Setting::ExitWarning, Setting::SyncAtStart, Setting::Hints})
            EXPECT_EQ(settingValue(s, other), other == which ? value : settingValue(before, other))
                << int(other);
    }
}

TEST(Settings, theConfigurationIsTakenWholeAndShownOnce)
{
    GameSettings file;
    file.positions = 8;
    file.environment = -1;
    file.autoSave = false;
    file.showTotalTime = true;
    file.showHints = false;
    file.activeFavourite = 1;
    file.favourites[0].inUse = true;
    file.gameForm = EasiestForm; // a stale form follows the rules
    Rig rig(file);
    file.gameForm = StandardForm;
    EXPECT_EQ(rig.game.settings(), file);
    EXPECT_EQ(rig.board.environment, -1);
    EXPECT_EQ(rig.settings.shown, (std::vector<std::pair<Setting, int32_t>>{
                                      {Setting::Hints, 0}, {Setting::TotalTime, 1}}));
    EXPECT_EQ(rig.commands.updates, 1);
    const CommandTable& t = rig.commands.table;
    EXPECT_EQ((std::array{t.checked(Command::Positions8), t.checked(Command::Photo1),
                          t.checked(Command::AutoSave), t.checked(Command::TotalTime),
                          t.checked(Command::PlayFavourite1)}),
              (std::array{true, false, false, true, true}));
}

TEST(Settings, theGameFormFollowsTheRulesAfterASetting)
{
    // The EASY rules but for the positions: each piece once, blocking on and no random
    // arrangement are a new player's already.
    Rig rig({.positions = 6, .pieceCount = 11, .correctPosition = true});
    rig.game.set(Setting::Positions, 5);
    EXPECT_EQ(rig.game.settings().gameForm, EasiestForm);
}

TEST(Settings, picturesSwitchesAndTheSavedLanguage)
{
    // chosen: the picture chosen in the menu, or -2 for a click on the board
    using Case = std::tuple<int, int, int>;
    const Case pictures[] = {{1, 2, 1},  {2, 2, -1}, {0, -1, 0},
                             {-2, 2, 3}, {-2, 3, 0}, {-2, -1, 0}};
    for (const auto& [chosen, before, after] : pictures) {
        Rig rig({.environment = before});
        chosen == -2 ? rig.game.nextEnvironment() : rig.game.chooseEnvironment(chosen);
        EXPECT_EQ(std::tuple(rig.game.settings().environment, rig.board.environment),
                  std::tuple(after, after))
            << chosen << " over " << before;
    }

    Rig rig;
    for (Setting which :
         {Setting::AutoSave, Setting::TotalTime, Setting::ExitWarning, Setting::SyncAtStart}) {
        const int32_t before = settingValue(rig.game.settings(), which);
        rig.game.toggle(which); // on for a new player only AutoSave: both ways are flipped
        EXPECT_EQ(settingValue(rig.game.settings(), which), 1 - before) << int(which);
    }
    const GameSettings before = rig.game.settings();
    rig.game.toggle(Setting::Positions); // not a switch
    EXPECT_EQ(rig.game.settings(), before);

    // Slovak is built in; a language number of no file loads nothing.
    for (const auto& [language, load] : {std::pair{0, -1}, {1, 1}, {2, 2}, {3, -1}}) {
        rig.useSettings([language = language](GameSettings& s) { s.language = language; });
        EXPECT_EQ(rig.game.languageToLoad(), load) << language;
    }
}

// Leaving by the menu or the close box asks only with the exit warning on, and only once; the
// settings are saved on leaving only when the player keeps them automatically.
TEST(Settings, leavingAsksOnlyWithTheExitWarning)
{
    // warning, autoSave, the answer to the question
    using Case = std::tuple<bool, bool, std::deque<bool>, Leaving>;
    const Case cases[] = {
        {false, true, {}, Leaving::SaveSettingsAndQuit},
        {false, false, {}, Leaving::Quit},
        {true, true, {true}, Leaving::SaveSettingsAndQuit},
        {true, true, {false}, Leaving::Stay},
    };
    for (const auto& [warning, autoSave, answers, leaving] : cases) {
        SCOPED_TRACE(testing::Message() << warning << autoSave << answers.size());
        Rig rig({.autoSave = autoSave, .exitWarning = warning});
        rig.dialogs.answers = answers;
        EXPECT_EQ(rig.game.close(), leaving);
        EXPECT_EQ(rig.s().closing, leaving != Leaving::Stay);
        const std::vector<int> asked =
            warning ? std::vector<int>{Question::ExitApplication} : std::vector<int>{};
        EXPECT_EQ(rig.dialogs.questions, asked);
        if (leaving != Leaving::Stay) { // the close box after the menu's exit: nothing again
            EXPECT_EQ(rig.game.close(), Leaving::Quit);
            EXPECT_EQ(rig.dialogs.questions, asked);
        }
    }
}

} // namespace
} // namespace mirvalon
