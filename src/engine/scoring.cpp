// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring.h"

namespace mirvalon {

RowScore scoreRow(const Row& hidden, const Row& guess, int positions)
{
    RowScore score;
    // How many copies of each piece the hidden row still has for the guess's misses: its
    // pieces that were not hit. Counting them once makes a row cost a few steps per position
    // instead of one comparison per pair of positions.
    std::array<uint8_t, kMaxPieces + 1> unanswered{}; // a row holds at most 8 copies
    for (int i = 0; i < positions; ++i) {
        const bool hit = guess[i] == hidden[i];
        score.hitAt[i] = hit;
        score.hits += hit;
        unanswered[hidden[i]] += !hit;
    }
    // Every hidden piece answers at most one guess piece; an empty slot answers nothing. The
    // three conditions are joined with & so that no branch depends on the rows: guesses are
    // too varied for the processor to predict one.
    for (int i = 0; i < positions; ++i) {
        const int piece = guess[i];
        const bool miss = !score.hitAt[i] & (piece != 0) & (unanswered[piece] > 0);
        score.misses += miss;
        unanswered[piece] -= miss;
    }
    return score;
}

Row pegsFor(const RowScore& score)
{
    Row pegs{};
    for (int i = 0; i < score.hits + score.misses; ++i)
        pegs[i] = i < score.hits ? 1 : -1;
    return pegs;
}

int penaltyFor(Penalty kind, int row)
{
    // Each band below row 10 and below row 5 adds the step once more.
    int base = 100;
    int step = 100;
    switch (kind) {
    case Penalty::Confirm:
        break;
    case Penalty::Cancel:
        base = step = 20;
        break;
    case Penalty::TakeBack:
        base = 2;
        step = 1;
        break;
    }
    int amount = base;
    if (row < 10)
        amount += step;
    if (row < 5)
        amount += step;
    return amount;
}

} // namespace mirvalon
