// SPDX-License-Identifier: GPL-3.0-or-later
// Prints how many guess rows the engine scores per second and how many whole games it plays
// per second through its ports (with ports that do nothing).
// Usage: engine_bench [games [rows]] (20000 games and 20 million rows by default; smaller
// counts suit a run under callgrind, whose instruction totals do not depend on the load).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/game.h"
#include "engine/null_ports.h"
#include "engine/scoring.h"

using namespace mirvalon;

namespace {

double secondsSince(std::chrono::steady_clock::time_point t0)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
}

} // namespace

int main(int argc, char** argv)
{
    const int games = argc > 1 ? std::atoi(argv[1]) : 20000;
    const int rowCount = argc > 2 ? std::atoi(argv[2]) : 20'000'000;
    if (games < 1 || rowCount < 1) {
        std::fprintf(stderr, "usage: engine_bench [games [rows]], both at least 1\n");
        return 2;
    }
    // Rows scored per second.
    Random random;
    random.seed(12345);
    std::vector<Row> rows(4096);
    for (Row& r : rows)
        for (int i = 0; i < 8; ++i)
            r[i] = random.below(25) + 1;
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
    NullSettings settingsPort;
    NullDialogs dialogs;
    NullCommands commands;
    ManualClock clock;
    NullStatusBar status;
    NullEvents events;
    ReferenceRecords records;
    Random dice;
    Game game{Ports{board, dialogs, commands, clock, status, events, records, settingsPort, dice}};
    game.startUp();
    int rowsPlayed = 0;
    t0 = std::chrono::steady_clock::now();
    for (int g = 0; g < games; ++g) {
        clock.seconds = g + 1; // a new hidden row for every game
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
