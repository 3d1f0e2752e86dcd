// What the engine asks of the window. The engine never draws and never asks the user itself:
// it calls these ports by the names the game gives the operations. The window implements
// them with widgets; tests implement them with fakes that record the calls.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "commands.h"
#include "records_table.h"

namespace mirvalon {

struct GameSettings;
struct GameState;

// The board and the palette. Each call names what changed; the view reads the rest from the
// game state it is shown.
class BoardView
{
public:
    virtual ~BoardView() = default;
    virtual void applyPieceLook() = 0;                 // faces and colours of the pieces
    virtual void refreshPieces() = 0;                  // palette, copies and slot contents
    virtual void showResultSlots(bool covered) = 0;    // open (face colour) or covered (grey)
    virtual void openEditRow(int row) = 0;             // 0 hides the edited row
    virtual void drawConfirmedRow(int row, int hits, int misses) = 0;
    virtual void revealHiddenPiece(int position) = 0;  // 1..8
    virtual void clearBoard() = 0;                     // removes all confirmed rows
    virtual void refreshRowLabels() = 0;               // row numbers follow rowMark
    virtual void showEnvironment(int environment) = 0; // -1 none, 0..3
    virtual void closePanels() = 0;                    // records and information panels
    virtual void endDrag() = 0;                        // drop a dragged piece where it is
};

enum class Answer { Yes, No, Cancel, Ok };

class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // Information message 0..19; `number` fills %i, `text` fills %s.
    virtual void showMessage(int index, int number = 0, const std::string& text = {}) = 0;
    // Question 0..5; true exactly when the user chose Yes.
    virtual bool askQuestion(int index) = 0;
    // The password dialog in mode 0 (set up), 1 (ask) or 2 (show the authorisation text).
    // Returns true on OK; `password` and `authText` carry the fields in and out.
    virtual bool passwordDialog(int mode, std::string& password, std::string& authText) = 0;
    // The new-record dialog; the holder's name on OK, nothing on Cancel.
    virtual std::optional<std::string> newRecordDialog(const GameState& state) = 0;
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
    virtual int64_t timeOfDayMs() const = 0;    // 0 .. 86'399'999
    virtual int64_t calendarSeconds() const = 0; // seeds the generator
    virtual void setGameTimer(bool running) = 0; // the one-second game timer
};

constexpr int kStatusPanels = 14;
using StatusWidths = std::array<int, kStatusPanels>;

class StatusBar
{
public:
    virtual ~StatusBar() = default;
    virtual void setPanelText(int panel, const std::string& text) = 0;
    virtual void setPanelWidths(const StatusWidths& widths) = 0;
    virtual void setRecordLabelsVisible(bool visible) = 0; // "Rekord" / "neprekonaný!"
    virtual void setTotalTime(const std::string& text) = 0;
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
};

} // namespace mirvalon
