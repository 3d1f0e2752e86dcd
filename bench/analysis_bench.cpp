// SPDX-License-Identifier: GPL-3.0-or-later
// Plays random games of each of the 24 rule classes twice, once with the computer's own rows and
// once with a player who plays a random possible row, and prints per class the time to look
// back on a whole finished game (median and worst over both players' games) and the average
// rows to win of both players (a game not won counted as 15 rows, and counted in brackets).
// Usage: analysis_bench [games per class, default 1000; 10000 for the full count the worst time
// is judged on] [only the classes of 5..8 places, or one class as printed, e.g. 825_K]
// [timing: only the random player's games, played and looked back on, for the times alone]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "engine/computer_choice.h"
#include "median.h"

using namespace mirvalon;

namespace {

std::string loadAverage()
{
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

struct Played
{
    std::vector<PlayedRow> rows;
    bool won = false;
};

// Plays until the hidden row is found or the 15 rows are used; `next` gives each row.
template <class Next> Played play(const GameRules& rules, const Row& hidden, Next next)
{
    Played game;
    while (!game.won && int(game.rows.size()) < kRows) {
        game.rows.push_back(playRow(hidden, next(game.rows), rules.positions));
        game.won = game.rows.back().hits == rules.positions;
    }
    return game;
}

} // namespace

int main(int argc, char** argv)
{
    const int games = argc > 1 ? std::atoi(argv[1]) : 1000;
    const std::string only = argc > 2 ? argv[2] : "0";
    const bool timing = argc > 3 && std::string(argv[3]) == "timing";
    std::printf("games per class: %d, load average at start: %s\n", games, loadAverage().c_str());
    std::printf(
        "class   analysis median ms  worst ms   computer rows (lost)   random rows (lost)\n");
    std::mt19937_64 random(20261208);
    for (int positions = 5; positions <= 8; ++positions)
        for (int pieces : {11, 19, 25})
            for (bool once : {true, false}) {
                const GameRules rules{positions, pieces, once};
                char name[32];
                std::snprintf(name, sizeof name, "%d%02d_%c", positions, pieces, once ? 'k' : 'K');
                if (only != "0" && only != name && only != std::to_string(positions))
                    continue;
                std::vector<double> millis;
                long computerRows = 0, randomRows = 0;
                int computerLost = 0, randomLost = 0;
                for (int g = 0; g < games; ++g) {
                    const Row hidden = PossibleRows(rules, {}).draw(1, random).front();
                    const uint64_t seed = random();
                    std::vector<PlayedRow> ownRows;
                    if (!timing)
                        ownRows = computerGame(rules, hidden, seed);
                    const bool computerWon = !timing && ownRows.back().hits == positions;
                    const Played byComputer{std::move(ownRows), computerWon};
                    const Played byChance = play(rules, hidden, [&](const auto& rows) {
                        return PossibleRows(rules, rows).draw(1, random).front();
                    });
                    computerRows += long(byComputer.rows.size());
                    randomRows += long(byChance.rows.size());
                    computerLost += !timing && !byComputer.won;
                    randomLost += !byChance.won;
                    for (const Played* game : {&byComputer, &byChance}) {
                        if (game->rows.empty())
                            continue;
                        const auto t0 = std::chrono::steady_clock::now();
                        const auto analysis = analyseGame(rules, game->rows, hidden, seed);
                        const auto t1 = std::chrono::steady_clock::now();
                        if (analysis.back().after == 0)
                            std::printf("impossible: a played game left no hidden row\n");
                        millis.push_back(
                            std::chrono::duration<double, std::milli>(t1 - t0).count());
                    }
                }
                std::printf("%s   %18.2f %9.1f %15.2f (%d) %15.2f (%d)\n", name,
                            bench::median(millis), *std::max_element(millis.begin(), millis.end()),
                            double(computerRows) / games, computerLost, double(randomRows) / games,
                            randomLost);
                std::fflush(stdout);
            }
    std::printf("load average at end: %s\n", loadAverage().c_str());
    return 0;
}
