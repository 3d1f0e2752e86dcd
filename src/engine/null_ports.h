// SPDX-License-Identifier: GPL-3.0-or-later
// Ports that show nothing and answer as they are told, for playing games without a window:
// the engine benchmark, the generator of the delivered record games, and the tests' recording
// fakes, which build on them. The game itself never includes this file.
#pragma once

#include "ports.h"

namespace mirvalon {

class NullBoard : public BoardView
{
public:
    void applyPieceLook() override {}
    void refreshPieces() override {}
    void showResultSlots() override {}
    void openEditRow() override {}
    void drawConfirmedRow(int, int, int) override {}
    void revealHiddenPieces() override {}
    void clearBoard() override {}
    void refreshRowLabels() override {}
    void showEnvironment(int) override {}
    void closePanels() override {}
    void endDrag() override {}
};

// Answers every question with `answer` (an OK-only box never says Yes), refuses the password
// dialog and names `holder` in every new-record dialog.
class NullDialogs : public Dialogs
{
public:
    void showMessage(int, int, const std::string&) override {}
    bool askQuestion(int index) override { return index != 2 && answer; }
    bool passwordDialog(PasswordMode, std::string&, std::string&) override { return false; }
    std::optional<std::string> newRecordDialog(const GameState&, bool&) override { return holder; }

    bool answer = false;
    std::optional<std::string> holder;
};

class NullCommands : public Commands
{
public:
    void commandsChanged(const CommandTable&) override {}
};

// A clock that moves only when it is told to; `seconds` seeds the hidden rows.
class ManualClock : public Clock
{
public:
    int64_t timeOfDayMs() const override { return now; }
    int64_t calendarSeconds() const override { return seconds; }
    void setGameTimer(bool running) override { timerOn = running; }
    void advance(int64_t ms) { now = (now + ms) % kMsPerDay; }

    int64_t now = 12 * 3600 * 1000LL;
    int64_t seconds = 1'700'000'000;
    bool timerOn = false;
};

class NullStatusBar : public StatusBar
{
public:
    void setPanelText(StatusPanel, const std::string&) override {}
    void showGroup(StatusGroup, bool) override {}
    void setRecordLabelsVisible(bool) override {}
    void setTotalTime(const std::string&) override {}
};

class NullEvents : public EventLoop
{
public:
    void yieldToEvents() override {}
};

// The built-in records; writing reports success and deleting refuses, changing nothing.
class ReferenceRecords : public RecordKeeper
{
public:
    const RecordEntry& entry(int index) const override { return table.at(index); }
    bool writeRecord(const GameState&, const GameSettings&, bool) override { return true; }
    void shareRecord(int) override {}
    bool deleteRecord(int) override { return false; }
    bool deleteAllRecords() override { return false; }

    RecordsTable table = referenceRecords();
};

class NullSettings : public SettingsView
{
public:
    void settingShown(Setting, const GameSettings&) override {}
};

} // namespace mirvalon
