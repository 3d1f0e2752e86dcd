// SPDX-License-Identifier: GPL-3.0-or-later
// A won record game built by the rules, with its record: the starting point that the record
// checks damage one way at a time.
#pragma once

#include <algorithm>
#include <cstdio>
#include <string>

#include "engine/archived_game.h"
#include "engine/game_state.h"
#include "engine/random.h"
#include "engine/record_check.h"
#include "engine/records_table.h"
#include "engine/scoring.h"

namespace mirvalon::test {

struct WonGame
{
    RecordEntry entry;
    ArchivedGame game;
};

// A row of `positions` of `pieces`, each drawn by `below(n)` (0 to n - 1), drawn again where
// each piece is once and it repeats one.
template <class Below> Row drawnRow(int positions, int pieces, bool eachOnce, Below below)
{
    Row row{};
    for (int i = 0; i < positions; ++i) {
        do
            row[i] = below(pieces) + 1;
        while (eachOnce && std::find(row.begin(), row.begin() + i, row[i]) != row.begin() + i);
    }
    return row;
}

// The first piece that `row` does not hold.
inline int pieceNotIn(const Row& row)
{
    int piece = 1;
    while (std::find(row.begin(), row.end(), piece) != row.end())
        ++piece;
    return piece;
}

// A record of game `number` won on row `rows` after `seconds`, with `points` (0: the most that
// rows and time allow), and the game that produced it: guesses that miss the hidden row in at
// least one place, then the hidden row itself; grey faces numbered as the pieces are.
inline WonGame wonGame(int number, int rows = 5, int seconds = 83, int points = 0,
                       const std::string& holder = "Tester", unsigned seed = 1)
{
    WonGame won;
    RecordEntry& e = won.entry;
    e.number = static_cast<uint16_t>(number);
    e.level = referenceRecords()[number - 1].level;
    e.key = referenceKey(number);
    e.rows = static_cast<uint16_t>(rows);
    e.points = static_cast<uint16_t>(points > 0 ? points : mostPointsFor(rows, seconds));
    char time[16];
    std::snprintf(time, sizeof time, "%2d:%02d:%02d", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    e.time = time;
    e.holder = holder;
    e.holder.resize(kHolderChars, ' ');
    e.archived = true;

    GameSettings rules;
    applyVariantKey(rules, e.key);
    Random random;
    random.seed(seed);
    ArchivedGame& g = won.game;
    g.environment = 0;
    g.previousRecord = 0;
    for (int k = 1; k <= kMaxPieces; ++k)
        g.faces[k] = k;
    const auto draw = [&] {
        return drawnRow(rules.positions, rules.pieceCount, rules.eachPieceOnce,
                        [&random](int n) { return random.below(n); });
    };
    g.hiddenRow = draw();
    for (int r = 0; r < rows; ++r) {
        Row guess = g.hiddenRow;
        while (r + 1 < rows && guess == g.hiddenRow)
            guess = draw();
        g.rows[r] = guess;
        g.pegs[r] = pegsFor(scoreRow(g.hiddenRow, guess, rules.positions));
    }
    return won;
}

// The finished game as the records store is handed it when `holder` wins `won`.
inline GameState wonState(const WonGame& won, const std::string& holder)
{
    return {.hiddenRow = won.game.hiddenRow,
            .rows = won.game.rows,
            .pegs = won.game.pegs,
            .currentRow = won.entry.rows,
            .score = won.entry.points,
            .gameNumber = won.entry.number,
            .level = won.entry.level,
            .holderName = holder,
            .clockText = won.entry.time.substr(1),
            .faces = won.game.faces};
}

} // namespace mirvalon::test
