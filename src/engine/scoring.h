// SPDX-License-Identifier: GPL-3.0-or-later
// Scoring a guess row against the hidden row, and the penalties by row band.
#pragma once

#include "game_state.h"

namespace mirvalon {

struct RowScore
{
    int hits = 0;
    int misses = 0;
    std::array<bool, kMaxPositions> hitAt{}; // position i (0-based) was a hit
};

// Hits first; then every hidden piece answers at most one further guess piece. Both rows hold
// pieces 0..kMaxPieces (0 an empty slot), as every row does that the game holds or has checked.
RowScore scoreRow(const Row& hidden, const Row& guess, int positions);

// The pegs beside a scored row: hits first, then misses, then nothing.
Row pegsFor(const RowScore& score);

enum class Penalty { Confirm, Cancel, TakeBack };

// Points taken on `row`: confirming costs 300 / 200 / 100 in rows 1-4 / 5-9 / 10-15,
// cancelling 60 / 40 / 20, taking a piece back 4 / 3 / 2.
int penaltyFor(Penalty kind, int row);

} // namespace mirvalon
