// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog's rules without widgets: the information box, the form presets, the
// colour rule, the enable states and what OK applies, in which order.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>
#include <vector>

#include "engine/setup_choice.h"
#include "engine/variant.h"
#include "support/fake_ports.h"

namespace mirvalon {
namespace {

// Records the languages the dialog asks for.
class RecordingTarget : public SetupTarget
{
public:
    bool loadLanguage(int language) override
    {
        loaded.push_back(language);
        return languageLoads;
    }

    std::vector<int> loaded;
    bool languageLoads = true;
};

// OK of the dialog over a game whose settings were `s`, idle or with a computer game running;
// the rig's settings port records what the settings showed.
struct Confirm
{
    explicit Confirm(const GameSettings& s, bool running = false) : rig(s)
    {
        if (running)
            rig.game.startComputerGame();
    }
    SetupResult operator()(const SetupChoice& c, const SetupOpening& o)
    {
        rig.settings.shown.clear();
        return rig.game.applySetup(c, o, target);
    }
    const GameSettings& settings() const { return rig.game.settings(); }
    test::IdleRig rig;
    RecordingTarget target;
};

TEST(SetupChoice, informationBoxFollowsTheRuleControls)
{
    // key: the rules the controls show, or "" for a form clicked
    using Case = std::tuple<const char*, int, int, int, const char*, GameMark>;
    const Case cases[] = {
        {"", HardestForm, 192, 13, "KN", GameMark::Gold},
        {"", EasiestForm, 1, 1, "AB", GameMark::Easy},
        {"519_AknB", -1, 2, 2, "AB", GameMark::None},
        {"711_aknb", -1, 115, 7, "", GameMark::None},
        {"511_Aknb", -1, 13, 2, "A", GameMark::None},
        {"825_aKNB", -1, 180, 12, "KNB", GameMark::None},
    };
    for (const auto& [key, form, number, level, letters, mark] : cases) {
        SCOPED_TRACE(key);
        SetupChoice choice;
        if (form >= 0) {
            chooseGameForm(choice, form);
        } else {
            GameSettings rules;
            applyVariantKey(rules, key);
            choice = choiceFromSettings(rules);
        }
        const SetupInfo info = setupInfo(choice);
        const std::string shown = std::string(info.letterA ? "A" : "") + (info.letterK ? "K" : "") +
                                  (info.letterN ? "N" : "") + (info.letterB ? "B" : "");
        EXPECT_EQ(std::tuple(info.number, info.level, shown, info.mark),
                  std::tuple(number, level, std::string(letters), mark));
    }
}

TEST(SetupChoice, formsAndColoursOpenOrCloseTheirControls)
{
    // Clicks in order: 'F' a form, 'C' colours.
    using Clicks = std::vector<std::pair<char, int>>;
    // random: cbxNahodFlek afterwards
    using Case = std::tuple<const char*, Clicks, bool, SetupEnables, bool, int>;
    // enables: ruleControls, colours, randomArrangement, rowMarkingAndTime, environmentItems
    // clang-format off
    const Case cases[] = {
        {"easiest",                {{'F', 0}},           false, {false, true, false, true, true}, false, 0},
        {"hardest",                {{'F', 2}},           false, {false, false, false, true, true}, true, 0},
        {"standard after hardest", {{'F', 2}, {'F', 1}}, false, {true, true, true, true, true}, true, 0},
        {"coloured pieces",        {{'C', 1}},           false, {true, true, false, true, true}, false, 1},
        {"mix after coloured",     {{'C', 1}, {'C', 2}}, false, {true, true, true, true, true}, false, 2},
        {"easiest after coloured", {{'C', 1}, {'F', 0}}, false, {false, true, false, true, true}, false, 1},
        {"hardest after coloured", {{'C', 1}, {'F', 2}}, false, {false, false, false, true, true}, true, 0},
        {"computer game running",  {},                   true,  {true, true, true, false, true}, true, 0},
    };
    // clang-format on
    for (const auto& [name, clicks, computerGame, enables, random, colours] : cases) {
        SCOPED_TRACE(name);
        SetupChoice choice{.pieceColours = 0, .randomArrangement = true};
        for (const auto& [kind, value] : clicks)
            kind == 'F' ? chooseGameForm(choice, value) : chooseColours(choice, value);
        EXPECT_EQ(setupEnables(choice, computerGame), enables);
        EXPECT_EQ(choice.randomArrangement, random);
        EXPECT_EQ(choice.pieceColours, colours);
    }

    EXPECT_FALSE(setupEnables(SetupChoice{.environment = -1}, false).environmentItems);
}

TEST(SetupChoice, fillingShowsTheCurrentGamesFormAndColours)
{
    using Case = std::tuple<const char*, int, int, int>;
    const Case cases[] = {
        {"511_AknB", ColouredPieces, EasiestForm, ColouredPieces},
        {"825_aKNb", GreyPieces, HardestForm, GreyPieces},
        {"719_akNB", ColouredPieces, StandardForm, GreyPieces}, // random arrangement
        {"719_akNB", MixedPieces, StandardForm, MixedPieces},
    };
    for (const auto& [key, colours, form, shownColours] : cases) {
        SCOPED_TRACE(key);
        GameSettings s;
        applyVariantKey(s, key);
        s.pieceColours = colours;
        s.gameForm = StandardForm; // a stale form: the choice shows the rules' own
        const SetupChoice choice = choiceFromSettings(s);
        EXPECT_EQ(std::tuple(choice.gameForm, choice.pieceColours), std::tuple(form, shownColours));
    }
}

TEST(SetupChoice, okAsksOnlyWhenARunningGameWouldChange)
{
    // positions: the new positions
    // colours: the new colours
    // showScore: the new score display
    // answer: to question 0
    using Case = std::tuple<const char*, bool, int, int, bool, bool, bool, SetupResult>;
    // clang-format off
    const Case cases[] = {
        {"only the score, game running", true,  7, 1, false, false, false, SetupResult::Applied},
        {"positions, game running, No",  true,  6, 1, true,  false, true,  SetupResult::NothingApplied},
        {"positions, game running, Yes", true,  6, 1, true,  true,  true,  SetupResult::GameChanged},
        {"colours, game running, No",    true,  7, 2, true,  false, true,  SetupResult::NothingApplied},
        {"positions, no game",           false, 8, 1, true,  false, false, SetupResult::GameChanged},
        {"nothing",                      true,  7, 1, true,  false, false, SetupResult::Applied},
    };
    // clang-format on
    for (const auto& [name, running, positions, colours, showScore, answer, asked, result] :
         cases) {
        SCOPED_TRACE(name);
        Confirm ok{GameSettings{}, running};
        const GameSettings& s = ok.settings();
        const GameSettings before = s;
        SetupChoice choice = choiceFromSettings(s);
        const SetupOpening opening = setupOpening(choice);
        choice.positions = positions;
        choice.pieceColours = colours;
        choice.showScore = showScore;
        ok.rig.dialogs.answers.push_back(answer);
        EXPECT_EQ(ok(choice, opening), result);
        EXPECT_EQ(ok.rig.dialogs.questions, asked ? std::vector<int>{0} : std::vector<int>{});
        EXPECT_EQ(ok.rig.status.groupsShown[2], s.showScore);
        if (result == SetupResult::NothingApplied) {
            EXPECT_EQ(s, before);
            EXPECT_TRUE(ok.rig.settings.shown.empty());
        } else {
            EXPECT_EQ(std::tuple(s.positions, s.pieceColours, s.showScore),
                      std::tuple(positions, colours, showScore));
        }
    }
}

// Every setting the dialog shows goes into it on filling and comes back from it on OK; the
// game shows the settings it takes in the dialog's order.
TEST(SetupChoice, fillingAndOkCarryEverySettingThereAndBackInTheDialogsOrder)
{
    GameSettings s;
    for (bool GameSettings::*flag :
         {&GameSettings::showTime, &GameSettings::showScore, &GameSettings::showHints,
          &GameSettings::rowMarking, &GameSettings::testRows, &GameSettings::showTotalTime,
          &GameSettings::autoSave, &GameSettings::exitWarning, &GameSettings::syncAtStart,
          &GameSettings::artificialIntelligence, &GameSettings::jokes,
          &GameSettings::correctPosition, &GameSettings::eachPieceOnce, &GameSettings::blocking,
          &GameSettings::randomArrangement})
        s.*flag = !(s.*flag);
    s.positions = 6;
    s.pieceCount = 11;
    s.pieceColours = MixedPieces;
    s.environment = 0;
    s.language = s.loadedLanguage = 2;
    Confirm ok(GameSettings{}); // what OK writes over, the defaults
    const SetupChoice c = choiceFromSettings(s);
    ok(c, setupOpening(c));
    EXPECT_EQ(ok.settings(), s);
    const std::vector<std::pair<Setting, int32_t>> order = {
        {Setting::Hints, 0},       {Setting::TotalTime, 1},   {Setting::AutoSave, 0},
        {Setting::ExitWarning, 1}, {Setting::SyncAtStart, 1}, {Setting::Positions, 6},
        {Setting::PieceCount, 11}, {Setting::Environment, 0}, {Setting::Language, 2}};
    EXPECT_EQ(ok.rig.settings.shown, order);
    EXPECT_EQ(ok.target.loaded, std::vector<int>{2});
}

TEST(SetupChoice, aLanguageThatFailsLeavesTheOneInUseAndTheRestApplies)
{
    // configured (Czech loaded), chosen, whether its file loads, the files asked for, after
    using Case = std::tuple<int, int, bool, std::vector<int>, int>;
    const Case cases[] = {
        {1, 2, false, {2}, 1}, // fails: Czech stays, the rest applies
        {1, 1, true, {}, 1},   // already loaded: not loaded again
        {3, 3, true, {}, 3},   // a configuration's 3 names no language file: kept, nothing loads
        {3, 1, true, {}, 1},   // Czech chosen over it: already loaded, taken
    };
    for (const auto& [configured, chosen, loads, loaded, after] : cases) {
        SCOPED_TRACE(chosen);
        const GameSettings s{.language = configured, .loadedLanguage = 1};
        SetupChoice c = choiceFromSettings(s);
        c.language = chosen;
        c.positions = 5;
        Confirm ok(s);
        ok.target.languageLoads = loads;
        ok(c, setupOpening(c));
        EXPECT_EQ(ok.target.loaded, loaded);
        EXPECT_EQ(std::tuple(ok.settings().language, ok.settings().positions),
                  std::tuple(after, 5));
        for (const auto& [which, value] : ok.rig.settings.shown)
            EXPECT_NE(which, Setting::Language);
    }
}

// Message 8 answers "Mix" with the GOLD rules once the board is rebuilt for them, never over
// the board of the game before.
TEST(SetupChoice, goldRulesWithMixAreStoredGreyAndAnsweredOverTheNewBoard)
{
    using Case = std::tuple<const char*, int, int, bool, int>;
    const Case cases[] = {
        {"gold with mix", 2, 2, true, 0},
        {"gold with grey", 2, 0, false, 0},
        {"standard with mix", 1, 2, false, 2},
    };
    for (const auto& [name, form, colours, message, stored] : cases) {
        SCOPED_TRACE(name);
        Confirm ok(GameSettings{});
        test::Rig& rig = ok.rig;
        SetupChoice choice = choiceFromSettings(rig.game.settings());
        const SetupOpening opening = setupOpening(choice);
        chooseGameForm(choice, form);
        choice.pieceColours = colours; // the colours control as it was left
        const int clearsBefore = rig.board.clears;
        int clearsAtMessage = -1;
        bool eightPlacesMarked = false; // the window's table shows the new rules too
        rig.dialogs.whileMessageShown = [&](int) {
            clearsAtMessage = rig.board.clears;
            eightPlacesMarked = rig.checked(Command::Positions8);
        };
        EXPECT_EQ(ok(choice, opening), SetupResult::GameChanged);
        EXPECT_EQ(rig.dialogs.messages, message ? std::vector<int>{8} : std::vector<int>{});
        EXPECT_EQ(rig.game.settings().pieceColours, stored);
        EXPECT_EQ(goldWithMix(choice), message);
        if (message) {
            EXPECT_GT(clearsAtMessage, clearsBefore);
            EXPECT_TRUE(eightPlacesMarked);
        }
    }
}

} // namespace
} // namespace mirvalon
