// SPDX-License-Identifier: GPL-3.0-or-later
// Hand-written fakes of the engine's ports: they record what the engine asked for and answer
// from scripts, so whole games can be played without a window.
#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "engine/game.h"
#include "engine/null_ports.h"

namespace mirvalon::test {

class FakeBoard : public NullBoard
{
public:
    void openEditRow() override { openRow = state->openRow; }
    void drawConfirmedRow(int row, int hits, int misses) override
    {
        drawnRows.push_back({row, hits, misses});
    }
    // The positions of the hidden row the board shows.
    void revealHiddenPieces() override
    {
        revealed.clear();
        for (int i = 1; i <= kMaxPositions; ++i)
            if (state->revealedHits[i - 1])
                revealed.push_back(i);
    }
    void clearBoard() override
    {
        drawnRows.clear();
        revealed.clear();
        ++clears;
    }
    void showEnvironment(int env) override { environment = env; }
    void closePanels() override { ++panelCloses; }
    void endDrag() override
    {
        ++dragsEnded;
        if (onEndDrag)
            onEndDrag();
    }

    struct DrawnRow
    {
        int row, hits, misses;
        bool operator==(const DrawnRow&) const = default;
    };
    std::vector<DrawnRow> drawnRows;
    std::vector<int> revealed;
    int openRow = -1;
    int environment = -2;
    int clears = 0, panelCloses = 0, dragsEnded = 0;
    std::function<void()> onEndDrag;
    const GameState* state = nullptr; // the game the board shows
};

// Answers questions and dialogs from queues and records everything asked.
class ScriptedDialogs : public Dialogs
{
public:
    void showMessage(int index, int number, const std::string& text) override
    {
        messages.push_back(index);
        messageNumbers.push_back(number);
        messageTexts.push_back(text);
        if (whileMessageShown)
            whileMessageShown(index);
    }
    bool askQuestion(int index) override
    {
        questions.push_back(index);
        if (index == 2 || answers.empty())
            return false; // an OK-only box never says Yes
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    bool passwordDialog(PasswordMode mode, std::string& password, std::string& authText) override
    {
        passwordModes.push_back(static_cast<int>(mode));
        shownAuthTexts.push_back(authText);
        if (whilePasswordAsked)
            whilePasswordAsked();
        if (passwordAnswers.empty())
            return false;
        const auto answer = passwordAnswers.front();
        passwordAnswers.pop_front();
        if (!answer)
            return false;
        password = answer->first;
        if (mode == PasswordMode::SetUp)
            authText = answer->second;
        return true;
    }
    std::optional<std::string> newRecordDialog(const GameState&, bool&) override
    {
        ++recordDialogs;
        return recordName;
    }

    std::deque<bool> answers;
    // Runs while a message box is open, with its index: what the player sees behind it.
    std::function<void(int)> whileMessageShown;
    // Runs while the password dialog is open, as the window's timers would.
    std::function<void()> whilePasswordAsked;
    // OK with (password, authorisation text), or nothing for Cancel.
    std::deque<std::optional<std::pair<std::string, std::string>>> passwordAnswers;
    std::optional<std::string> recordName;
    std::vector<int> messages, messageNumbers, questions, passwordModes;
    std::vector<std::string> messageTexts, shownAuthTexts;
    int recordDialogs = 0;
};

class FakeCommands : public Commands
{
public:
    void commandsChanged(const CommandTable& t) override
    {
        table = t;
        ++updates;
    }
    CommandTable table;
    int updates = 0;
};

class FakeStatusBar : public StatusBar
{
public:
    void setPanelText(StatusPanel panel, const std::string& text) override
    {
        texts.at(static_cast<int>(panel)) = text;
    }
    void showGroup(StatusGroup group, bool shown) override
    {
        groupsShown.at(static_cast<int>(group)) = shown;
    }
    void setRecordLabelsVisible(bool v) override { recordLabels = v; }
    void setTotalTime(const std::string& t) override { totalTime = t; }
    std::array<std::string, kStatusPanels> texts{};
    std::array<bool, 3> groupsShown{}; // info, time, score
    bool recordLabels = false;
    std::string totalTime;
};

// The generator with the next numbers chosen: each scripted number is what the next draw
// below(n) gives (it must be below n); after them it draws as the game's own does.
class ScriptedRandom : public Random
{
public:
    int32_t next() override
    {
        if (script.empty())
            return Random::next();
        const int32_t n = script.front();
        script.pop_front();
        return n;
    }
    std::deque<int32_t> script;
};

class CountingEvents : public EventLoop
{
public:
    void yieldToEvents() override
    {
        ++yields;
        if (onYield)
            onYield();
    }
    int yields = 0;
    std::function<void()> onYield;
};

// The records table in memory; writing a record changes the entry as the store would.
class MemoryRecords : public ReferenceRecords
{
public:
    bool writeRecord(const GameState& s, const GameSettings&, bool) override
    {
        ++writes;
        if (!writable)
            return false;
        RecordEntry& e = table.at(s.gameNumber - 1);
        e.rows = static_cast<uint16_t>(s.currentRow);
        e.points = static_cast<uint16_t>(s.score);
        e.time = s.clockText;
        e.holder = s.holderName;
        return true;
    }
    bool deleteRecord(int index) override
    {
        deleted.push_back(index);
        if (!writable)
            return false;
        table.at(index).points = table.at(index).rows = 0;
        return true;
    }
    bool deleteAllRecords() override
    {
        deleted.push_back(-1);
        if (!writable)
            return false;
        for (RecordEntry& e : table)
            e.points = e.rows = 0;
        return true;
    }
    bool writable = true;
    int writes = 0;
    std::vector<int> deleted; // table indexes, -1 for all
};

// The value a setting holds in `s`, a switch as 0 or 1.
int32_t settingValue(const GameSettings& s, Setting which);

// Records every setting the game shows, with the value it holds then.
class FakeSettings : public SettingsView
{
public:
    void settingShown(Setting which, const GameSettings& settings) override;
    std::vector<std::pair<Setting, int32_t>> shown;
};

// A game with all its fakes, ready to play.
struct Rig
{
    FakeBoard board;
    ScriptedDialogs dialogs;
    FakeCommands commands;
    ManualClock clock;
    FakeStatusBar status;
    CountingEvents events;
    MemoryRecords records;
    FakeSettings settings;
    ScriptedRandom random;
    Game game{Ports{board, dialogs, commands, clock, status, events, records, settings, random}};

    Rig() { board.state = &game.state(); }
    // A game given `rules` as a configuration read at start would give them.
    explicit Rig(const GameSettings& rules) : Rig() { game.useSettings(rules); }

    const GameState& s() const { return game.state(); }
    bool enabled(Command c) const { return commands.table.enabled(c); }
    bool checked(Command c) const { return commands.table.checked(c); }
    // Whether each of `list` is enabled, to compare with one expected list.
    std::vector<bool> enabledOf(std::initializer_list<Command> list) const
    {
        std::vector<bool> on;
        for (Command c : list)
            on.push_back(enabled(c));
        return on;
    }
    // Double-clicks `pieces` into the edited (or hidden) row, as a player would.
    void place(const std::vector<int>& pieces)
    {
        for (int piece : pieces) {
            game.doubleClickPalettePiece(piece);
            game.releaseButton();
        }
    }
    // Fills the edited row that way and confirms it.
    void playRow(const std::vector<int>& pieces)
    {
        place(pieces);
        game.confirmRow();
    }
    // Starts a computer game whose hidden row the generator draws as `pieces`.
    void startWithHidden(const std::vector<int>& pieces)
    {
        for (int piece : pieces)
            random.script.push_back(piece - 1);
        game.startComputerGame();
    }
    // Starts the second player's game with `pieces` as its hidden row, confirmed with
    // (password, authorisation text) or Cancel; whether the game began.
    bool setHiddenRow(const std::vector<int>& pieces,
                      const std::optional<std::pair<std::string, std::string>>& texts = {})
    {
        game.startSecondPlayerGame();
        place(pieces);
        dialogs.passwordAnswers = {texts};
        return game.confirmHiddenRow();
    }
    // The window's clock timer firing `ms` after the clock's last reading.
    void tickAfter(int64_t ms)
    {
        clock.advance(ms);
        game.clockTick();
    }
    // Changes the settings as a configuration read at start would.
    void useSettings(const std::function<void(GameSettings&)>& change)
    {
        GameSettings s = game.settings();
        change(s);
        game.useSettings(s);
    }
};

// A rig whose game has started up: idle, with the settings a new player has or `rules`.
struct IdleRig : Rig
{
    IdleRig() { game.startUp(); }
    explicit IdleRig(const GameSettings& rules) : Rig(rules) { game.startUp(); }
};

// A computer game of the new player's rules (game 104) whose hidden row is 1..7.
struct PlayingRig : IdleRig
{
    PlayingRig() { startWithHidden({1, 2, 3, 4, 5, 6, 7}); }
};

} // namespace mirvalon::test
