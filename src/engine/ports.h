// SPDX-License-Identifier: GPL-3.0-or-later
// What the engine asks of the window. The engine never draws and never asks the user itself:
// it calls these ports by the names the game gives the operations. The window implements
// them with widgets; tests implement them with fakes that record the calls.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "commands.h"
#include "game_settings.h"
#include "game_state.h"
#include "messages.h"
#include "random.h"
#include "records_table.h"

namespace mirvalon {

// The board and the palette. Each call names what changed; the view reads the rest from the
// game state it is shown.
class BoardView
{
public:
    virtual ~BoardView() = default;
    virtual void applyPieceLook() = 0;  // faces and colours of the pieces
    virtual void refreshPieces() = 0;   // palette, copies and slot contents
    virtual void showResultSlots() = 0; // open (face colour) or covered (grey): resultCovered
    virtual void openEditRow() = 0;     // the edited row moves to openRow; 0 hides it
    virtual void drawConfirmedRow(int row, int hits, int misses) = 0;
    virtual void revealHiddenPieces() = 0;             // the hidden pieces in revealedHits
    virtual void clearBoard() = 0;                     // removes all confirmed rows
    virtual void refreshRowLabels() = 0;               // row numbers follow rowMark
    virtual void showEnvironment(int environment) = 0; // -1 none, 0..3
    virtual void closePanels() = 0;                    // records and information panels
    virtual void endDrag() = 0;                        // drop a dragged piece where it is
};

class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // Information message 0..19 (names in Message::); `number` fills %i, `text` fills %s.
    virtual void showMessage(int index, int number = 0, const std::string& text = {}) = 0;
    // Question 0..5 (names in Question::); true exactly when the user chose Yes.
    virtual bool askQuestion(int index) = 0;
    // The password dialog in one of its three modes. Returns true on OK; `password` and
    // `authText` carry the fields in and out.
    virtual bool passwordDialog(PasswordMode mode, std::string& password,
                                std::string& authText) = 0;
    // The new-record dialog; the holder's name on OK, nothing on Cancel. `shareNewRecords`
    // carries the dialog's synchronisation box in and out, whichever button closed it.
    virtual std::optional<std::string> newRecordDialog(const GameState& state,
                                                       bool& shareNewRecords) = 0;
};

class Commands
{
public:
    virtual ~Commands() = default;
    virtual void commandsChanged(const CommandTable& table) = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual int64_t timeOfDayMs() const = 0;     // 0 .. 86'399'999
    virtual int64_t calendarSeconds() const = 0; // seeds the generator
    virtual void setGameTimer(bool running) = 0; // the one-second game timer
};

// The 14 panels of the status bar, left to right.
enum class StatusPanel {
    GameNumberLabel, // " Číslo hry:"
    GameNumber,      // 1..192, "EASY", "GOLD"
    Level,           // 1..13
    Spacing,
    CorrectPosition,   // "A" or empty
    Repetition,        // "K" or empty
    RandomArrangement, // "N" or empty
    Blocking,          // "B" or empty
    TimeLabel,         // "Čas"
    Time,              // the game clock
    ScoreLabel,        // "Skóre"
    Score,             // points, "! Čas !" without the clock, "Tréning" in a training game
    RecordLabel,       // "Rekord"
    Record             // the record's points, "----" for a game from a file
};
constexpr int kStatusPanels = 14;

// The three groups of panels the view menu shows and hides as a whole.
enum class StatusGroup {
    Info, // panels 0..7
    Time, // panels 8..9
    Score // panels 10..13
};

class StatusBar
{
public:
    virtual ~StatusBar() = default;
    virtual void setPanelText(StatusPanel panel, const std::string& text) = 0;
    // A hidden group takes no room; the bar lays the remaining panels out.
    virtual void showGroup(StatusGroup group, bool shown) = 0;
    virtual void setRecordLabelsVisible(bool visible) = 0; // "Rekord" / "neprekonaný!"
    virtual void setTotalTime(const std::string& text) = 0;
};

// What a setting shows outside the command table's check marks and the board: the total-time
// panel, the tool tips, and the information panel in a newly chosen language.
class SettingsView
{
public:
    virtual ~SettingsView() = default;
    virtual void settingShown(Setting which, const GameSettings& settings) = 0;
};

class EventLoop
{
public:
    virtual ~EventLoop() = default;
    // Lets pending window messages run; the long loops call it once per row.
    virtual void yieldToEvents() = 0;
};

// The records store as the game sees it.
class RecordKeeper
{
public:
    virtual ~RecordKeeper() = default;
    virtual const RecordEntry& entry(int index) const = 0;
    // Writes the finished game as the record of its number, then its archive slot.
    virtual bool writeRecord(const GameState& state, const GameSettings& settings,
                             bool blockingAidShown) = 0;
    // Hands a new record to the synchronisation, when that is switched on.
    virtual void shareRecord(int gameNumber) = 0;
    // Deletes the record of table index 0..191, or all of them; false when the file refused.
    virtual bool deleteRecord(int index) = 0;
    virtual bool deleteAllRecords() = 0;
};

struct Ports
{
    BoardView& board;
    Dialogs& dialogs;
    Commands& commands;
    Clock& clock;
    StatusBar& status;
    EventLoop& events;
    RecordKeeper& records;
    SettingsView& settings;
    // Draws hidden rows, random games, the training driver's rows and random labels; the
    // clock's calendar seconds seed it for each hidden row and each set of labels.
    Random& random;
};

} // namespace mirvalon
