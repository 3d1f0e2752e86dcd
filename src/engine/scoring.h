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

// Hits first; then every hidden piece answers at most one further guess piece.
RowScore scoreRow(const Row& hidden, const Row& guess, int positions);

// The base amount plus the same again below row 10 and once more below row 5.
int penaltyFor(int base, int row);

constexpr int kConfirmBase = 100;
constexpr int kCancelBase = 20;
constexpr int kTakeBackBase = 2;

} // namespace mirvalon
