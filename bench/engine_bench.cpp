// Prints how many guess rows the engine scores per second and how many whole games it plays
// per second through its ports (with ports that do nothing).
#include <chrono>
#include <cstdio>
#include <vector>

#include "engine/game.h"
#include "engine/scoring.h"

using namespace mirvalon;

namespace {

struct NullBoard : BoardView
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
struct NullDialogs : Dialogs
{
    void showMessage(int, int, const std::string&) override {}
    bool askQuestion(int) override { return false; }
    bool passwordDialog(int, std::string&, std::string&) override { return false; }
    std::optional<std::string> newRecordDialog(const GameState&) override { return {}; }
};
struct NullCommands : Commands
{
    void commandsChanged(const CommandTable&) override {}
};
struct StepClock : Clock
{
    int64_t timeOfDayMs() const override { return now; }
    int64_t calendarSeconds() const override { return seconds++; }
    void setGameTimer(bool) override {}
    int64_t now = 0;
    mutable int64_t seconds = 1;
};
struct NullStatus : StatusBar
{
    void setPanelText(int, const std::string&) override {}
    void setPanelWidths(const StatusWidths&) override {}
    void setRecordLabelsVisible(bool) override {}
    void setTotalTime(const std::string&) override {}
};
struct NullEvents : EventLoop
{
    void yieldToEvents() override {}
};
struct Records : RecordKeeper
{
    RecordsTable table = referenceRecords();
    const RecordEntry& entry(int i) const override { return table[i]; }
    bool writeRecord(const GameState&, const GameSettings&, bool) override { return true; }
    void shareRecord(int) override {}
};

double secondsSince(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

} // namespace

int main()
{
    // Rows scored per second.
    Random random;
    random.seed(12345);
    std::vector<Row> rows(4096);
    for (Row& r : rows)
        for (int i = 0; i < 8; ++i)
            r[i] = random.below(25) + 1;
    const int rowCount = 20'000'000;
    int checksum = 0;
    auto t0 = std::chrono::steady_clock::now();
    for (int i = 0; i < rowCount; ++i) {
        const RowScore s = scoreRow(rows[i & 4095], rows[(i * 7 + 1) & 4095], 8);
        checksum += s.hits * 9 + s.misses;
    }
    const double rowSeconds = secondsSince(t0);
    std::printf("rows evaluated:  %.1f million per second (8 positions, checksum %d)\n",
                rowCount / rowSeconds / 1e6, checksum);

    // Whole games per second: random guesses by double click until the game ends.
    NullBoard board;
    NullDialogs dialogs;
    NullCommands commands;
    StepClock clock;
    NullStatus status;
    NullEvents events;
    Records records;
    Game game{Ports{board, dialogs, commands, clock, status, events, records}};
    game.startUp();
    const int games = 20000;
    int rowsPlayed = 0;
    t0 = std::chrono::steady_clock::now();
    for (int g = 0; g < games; ++g) {
        game.startComputerGame();
        while (game.state().inProgress) {
            for (int p = 1; game.state().editCount < game.settings().positions; ++p) {
                game.doubleClickPalettePiece((random.below(19) + p) % 19 + 1);
                game.releaseButton();
            }
            game.confirmRow();
            ++rowsPlayed;
        }
    }
    const double gameSeconds = secondsSince(t0);
    std::printf("games simulated: %.0f per second (%d games, %.1f rows each, 7 positions, "
                "19 pieces)\n",
                games / gameSeconds, games, double(rowsPlayed) / games);
    return 0;
}
