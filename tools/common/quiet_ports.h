// SPDX-License-Identifier: GPL-3.0-or-later
// Ports that show nothing, for programs that play games without a window (the benchmark and
// the generator of the delivered record games). The clock only moves when it is told to.
#pragma once

#include "engine/game.h"

namespace mirvalon::tools {

struct QuietBoard : BoardView
{
    void applyPieceLook() override {}
    void refreshPieces() override {}
    void showResultSlots(bool) override {}
    void openEditRow(int) override {}
    void drawConfirmedRow(int, int, int) override {}
    void revealHiddenPiece(int) override {}
    void clearBoard() override {}
    void refreshRowLabels() override {}
    void showEnvironment(int) override {}
    void closePanels() override {}
    void endDrag() override {}
};

// Answers every question with `answer` and every record dialog with `holder`.
struct QuietDialogs : Dialogs
{
    void showMessage(int, int, const std::string&) override {}
    bool askQuestion(int index) override { return index != 2 && answer; }
    bool passwordDialog(PasswordMode, std::string&, std::string&) override { return false; }
    std::optional<std::string> newRecordDialog(const GameState&) override { return holder; }
    bool answer = false;
    std::optional<std::string> holder;
};

struct QuietCommands : Commands
{
    void commandsChanged(const CommandTable&) override {}
};

struct SteppedClock : Clock
{
    int64_t timeOfDayMs() const override { return now; }
    int64_t calendarSeconds() const override { return seconds; }
    void setGameTimer(bool) override {}
    int64_t now = 10 * 3600 * 1000LL;
    int64_t seconds = 1;
};

struct QuietStatus : StatusBar
{
    void setPanelText(StatusPanel, const std::string&) override {}
    void showGroup(StatusGroup, bool) override {}
    void setRecordLabelsVisible(bool) override {}
    void setTotalTime(const std::string&) override {}
};

struct QuietEvents : EventLoop
{
    void yieldToEvents() override {}
};

struct ReferenceRecords : RecordKeeper
{
    RecordsTable table = referenceRecords();
    const RecordEntry& entry(int i) const override { return table[i]; }
    bool writeRecord(const GameState&, const GameSettings&, bool) override { return true; }
    void shareRecord(int) override {}
    bool deleteRecord(int) override { return false; }
    bool deleteAllRecords() override { return false; }
};

struct QuietSettings : SettingsApplier
{
    void applySetting(Setting, int32_t) override {}
};

} // namespace mirvalon::tools
