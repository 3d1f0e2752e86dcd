// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog's rules without widgets: the information box, the form presets, the
// colour rule, the enable states and what OK applies, in which order.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "engine/setup_choice.h"
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
    explicit Confirm(const GameSettings& s, bool running = false)
    {
        rig.game.useSettings(s);
        rig.game.startUp();
        if (running)
            rig.game.startComputerGame();
    }
    SetupResult operator()(const SetupChoice& c, const SetupOpening& o)
    {
        rig.settings.shown.clear();
        return rig.game.applySetup(c, o, target);
    }
    const GameSettings& settings() const { return rig.game.settings(); }
    test::Rig rig;
    RecordingTarget target;
};

TEST(SetupChoice, informationBoxFollowsTheRuleControls)
{
    struct Case
    {
        const char* name;
        int form; // -1: the rules below on a standard form
        int positions, pieces;
        bool correct, once, random, blocking;
        int number, level;
        const char* letters;
        GameMark mark;
    };
    const Case cases[] = {
        {"hardest", 2, 0, 0, false, false, false, false, 192, 13, "KN", GameMark::Gold},
        {"easiest", 0, 0, 0, false, false, false, false, 1, 1, "AB", GameMark::Easy},
        {"519 AknB", -1, 5, 19, true, true, false, true, 2, 2, "AB", GameMark::None},
        {"711 aknb", -1, 7, 11, false, true, false, false, 115, 7, "", GameMark::None},
        {"511 Aknb", -1, 5, 11, true, true, false, false, 13, 2, "A", GameMark::None},
        {"825 aKNB", -1, 8, 25, false, false, true, true, 180, 12, "KNB", GameMark::None},
        {"719 aknB", -1, 7, 19, false, true, false, true, 104, 8, "B", GameMark::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetupChoice choice;
        if (c.form >= 0) {
            chooseGameForm(choice, c.form);
        } else {
            choice.positions = c.positions;
            choice.pieceCount = c.pieces;
            choice.correctPosition = c.correct;
            choice.eachPieceOnce = c.once;
            choice.randomArrangement = c.random;
            choice.blocking = c.blocking;
        }
        const SetupInfo info = setupInfo(choice);
        EXPECT_EQ(info.number, c.number);
        EXPECT_EQ(info.level, c.level);
        std::string letters;
        if (info.letterA)
            letters += 'A';
        if (info.letterK)
            letters += 'K';
        if (info.letterN)
            letters += 'N';
        if (info.letterB)
            letters += 'B';
        EXPECT_EQ(letters, c.letters);
        EXPECT_EQ(info.mark, c.mark);
    }
}

TEST(SetupChoice, formsAndColoursOpenOrCloseTheirControls)
{
    // Clicks in order: 'F' a form, 'C' colours.
    using Clicks = std::vector<std::pair<char, int>>;
    struct Case
    {
        const char* name;
        Clicks clicks;
        bool computerGame;
        SetupEnables enables;
        bool random; // cbxNahodFlek afterwards
        int colours;
    };
    // enables: ruleControls, colours, randomArrangement, rowMarkingAndTime, environmentItems
    const Case cases[] = {
        {"easiest", {{'F', 0}}, false, {false, true, false, true, true}, false, 0},
        {"hardest", {{'F', 2}}, false, {false, false, false, true, true}, true, 0},
        {"standard after hardest",
         {{'F', 2}, {'F', 1}},
         false,
         {true, true, true, true, true},
         true,
         0},
        {"coloured pieces", {{'C', 1}}, false, {true, true, false, true, true}, false, 1},
        {"mix after coloured",
         {{'C', 1}, {'C', 2}},
         false,
         {true, true, true, true, true},
         false,
         2},
        {"easiest after coloured",
         {{'C', 1}, {'F', 0}},
         false,
         {false, true, false, true, true},
         false,
         1},
        {"computer game running", {}, true, {true, true, true, false, true}, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetupChoice choice;
        choice.randomArrangement = true;
        choice.pieceColours = 0;
        for (const auto& [kind, value] : c.clicks) {
            if (kind == 'F')
                chooseGameForm(choice, value);
            else
                chooseColours(choice, value);
        }
        EXPECT_EQ(setupEnables(choice, c.computerGame), c.enables);
        EXPECT_EQ(choice.randomArrangement, c.random);
        EXPECT_EQ(choice.pieceColours, c.colours);
    }

    SetupChoice none;
    none.environment = -1;
    EXPECT_FALSE(setupEnables(none, false).environmentItems);
}

TEST(SetupChoice, fillingShowsTheCurrentGameWithoutTouchingTheSettings)
{
    struct Case
    {
        const char* name;
        int positions, pieces;
        bool correct, once, random, blocking;
        int colours;
        int form, shownColours;
    };
    const Case cases[] = {
        {"game 1", 5, 11, true, true, false, true, 1, 0, 1},
        {"game 192", 8, 25, false, false, true, false, 0, 2, 0},
        {"random arrangement with coloured pieces", 7, 19, false, true, true, true, 1, 1, 0},
        {"mix with random arrangement", 7, 19, false, true, true, true, 2, 1, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GameSettings s;
        s.positions = c.positions;
        s.pieceCount = c.pieces;
        s.correctPosition = c.correct;
        s.eachPieceOnce = c.once;
        s.randomArrangement = c.random;
        s.blocking = c.blocking;
        s.pieceColours = c.colours;
        s.gameForm = 1;
        s.jokes = true;
        s.environment = -1;
        const GameSettings before = s;
        const SetupChoice choice = choiceFromSettings(s);
        EXPECT_EQ(s, before);
        EXPECT_EQ(choice.gameForm, c.form);
        EXPECT_EQ(choice.pieceColours, c.shownColours);
        EXPECT_TRUE(choice.jokes);
        EXPECT_EQ(choice.environment, -1);
        EXPECT_EQ(choice.positions, c.positions);
    }
}

TEST(SetupChoice, okAsksOnlyWhenARunningGameWouldChange)
{
    struct Case
    {
        const char* name;
        bool running;
        int positions;  // the new positions
        int colours;    // the new colours
        bool showScore; // the new score display
        bool answer;    // to question 0
        bool asked;
        SetupResult result;
    };
    const Case cases[] = {
        {"only the score, game running", true, 7, 1, false, false, false, SetupResult::Applied},
        {"positions, game running, No", true, 6, 1, true, false, true, SetupResult::NothingApplied},
        {"positions, game running, Yes", true, 6, 1, true, true, true, SetupResult::GameChanged},
        {"colours, game running, No", true, 7, 2, true, false, true, SetupResult::NothingApplied},
        {"positions, no game", false, 8, 1, true, false, false, SetupResult::GameChanged},
        {"nothing", true, 7, 1, true, false, false, SetupResult::Applied},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Confirm ok{GameSettings{}, c.running};
        const GameSettings& s = ok.settings();
        const GameSettings before = s;
        SetupChoice choice = choiceFromSettings(s);
        const SetupOpening opening = setupOpening(choice);
        choice.positions = c.positions;
        choice.pieceColours = c.colours;
        choice.showScore = c.showScore;
        ok.rig.dialogs.answers.push_back(c.answer);
        EXPECT_EQ(ok(choice, opening), c.result);
        EXPECT_EQ(ok.rig.dialogs.questions, c.asked ? std::vector<int>{0} : std::vector<int>{});
        if (c.result == SetupResult::NothingApplied) {
            EXPECT_EQ(s, before);
            EXPECT_TRUE(ok.rig.settings.shown.empty());
        } else {
            EXPECT_EQ(s.positions, c.positions);
            EXPECT_EQ(s.pieceColours, c.colours);
            EXPECT_EQ(s.showScore, c.showScore);
        }
    }
}

TEST(SetupChoice, okAppliesEveryControlInTheDialogsOrder)
{
    GameSettings s;
    s.rowMarking = false; // a classic game switched it off
    s.loadedLanguage = 0;
    SetupChoice c = choiceFromSettings(s);
    c.positions = 6;
    c.pieceCount = 25;
    c.environment = -1;
    c.language = 2;
    c.showTotalTime = true;
    c.autoSave = false;
    c.exitWarning = true;
    c.syncAtStart = true;
    c.rowMarking = true;
    c.showHints = false;
    c.testRows = true;
    c.showTime = false;
    c.artificialIntelligence = true;
    Confirm ok(s);
    ok(c, setupOpening(c));

    const std::vector<std::pair<Setting, int32_t>> order = {
        {Setting::Hints, 0},       {Setting::TotalTime, 1},    {Setting::AutoSave, 0},
        {Setting::ExitWarning, 1}, {Setting::SyncAtStart, 1},  {Setting::Positions, 6},
        {Setting::PieceCount, 25}, {Setting::Environment, -1}, {Setting::Language, 2}};
    EXPECT_EQ(ok.rig.settings.shown, order);
    EXPECT_EQ(ok.target.loaded, std::vector<int>{2});
    EXPECT_EQ(choiceFromSettings(ok.settings()), c); // and every control landed in its setting
    EXPECT_TRUE(ok.rig.dialogs.messages.empty());
}

TEST(SetupChoice, aLanguageThatFailsLeavesTheOneInUseAndTheRestApplies)
{
    GameSettings s;
    s.language = s.loadedLanguage = 1;
    SetupChoice c = choiceFromSettings(s);
    c.language = 2;
    c.positions = 5;
    c.exitWarning = true;
    Confirm ok(s);
    ok.target.languageLoads = false;
    ok(c, setupOpening(c));
    EXPECT_EQ(ok.target.loaded, std::vector<int>{2});
    EXPECT_EQ(ok.settings().language, 1);
    EXPECT_EQ(ok.settings().positions, 5);
    for (const auto& [which, value] : ok.rig.settings.shown)
        EXPECT_NE(which, Setting::Language);

    // The language already loaded is not loaded again.
    Confirm again(ok.settings());
    SetupChoice same = choiceFromSettings(again.settings());
    again(same, setupOpening(same));
    EXPECT_TRUE(again.target.loaded.empty());

    // Language 3 of a configuration file names no language file: it is kept, nothing loads.
    s.language = 3;
    Confirm none(s);
    SetupChoice three = choiceFromSettings(s);
    none(three, setupOpening(three));
    EXPECT_TRUE(none.target.loaded.empty());
    EXPECT_EQ(none.settings().language, 3);
}

// Every setting the dialog shows goes into it on filling and comes back from it on OK.
TEST(SetupChoice, fillingAndOkCarryEverySettingThereAndBack)
{
    GameSettings s;
    for (bool GameSettings::*flag :
         {&GameSettings::showTime, &GameSettings::showScore, &GameSettings::showHints,
          &GameSettings::rowMarking, &GameSettings::testRows, &GameSettings::showTotalTime,
          &GameSettings::autoSave, &GameSettings::exitWarning, &GameSettings::syncAtStart,
          &GameSettings::artificialIntelligence})
        s.*flag = !(s.*flag);
    s.positions = 6;
    s.pieceCount = 11;
    s.correctPosition = true;
    s.eachPieceOnce = false;
    s.blocking = false;
    s.pieceColours = MixedPieces;
    s.environment = 0;
    s.language = s.loadedLanguage = 1;
    const GameSettings before = s;
    GameSettings back; // what OK writes over, the defaults
    back.loadedLanguage = 1;
    Confirm ok(back);
    const SetupChoice c = choiceFromSettings(s);
    ok(c, setupOpening(c));
    EXPECT_EQ(ok.settings(), before);
}

// Message 8 answers "Mix" with the GOLD rules once the board is rebuilt for them, never over
// the board of the game before.
TEST(SetupChoice, goldRulesWithMixAreStoredGreyAndAnsweredOverTheNewBoard)
{
    struct Case
    {
        const char* name;
        int form, colours;
        bool message;
        int stored;
    };
    const Case cases[] = {
        {"gold with mix", 2, 2, true, 0},
        {"gold with grey", 2, 0, false, 0},
        {"standard with mix", 1, 2, false, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::Rig rig;
        rig.game.startUp();
        SetupChoice choice = choiceFromSettings(rig.game.settings());
        const SetupOpening opening = setupOpening(choice);
        chooseGameForm(choice, c.form);
        choice.pieceColours = c.colours; // the colours control as it was left
        const int clearsBefore = rig.board.clears;
        int clearsAtMessage = -1;
        rig.dialogs.whileMessageShown = [&](int) { clearsAtMessage = rig.board.clears; };
        RecordingTarget target;
        EXPECT_EQ(rig.game.applySetup(choice, opening, target), SetupResult::GameChanged);
        EXPECT_EQ(rig.dialogs.messages, c.message ? std::vector<int>{8} : std::vector<int>{});
        EXPECT_EQ(rig.game.settings().pieceColours, c.stored);
        EXPECT_EQ(goldWithMix(choice), c.message);
        if (c.message) {
            EXPECT_GT(clearsAtMessage, clearsBefore);
        }
    }
}

} // namespace
} // namespace mirvalon
