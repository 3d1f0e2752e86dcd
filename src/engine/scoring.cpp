// SPDX-License-Identifier: GPL-3.0-or-later
#include "scoring.h"

namespace mirvalon {

RowScore scoreRow(const Row& hidden, const Row& guess, int positions)
{
    RowScore score;
    Row h = hidden;
    Row g = guess;
    for (int i = 0; i < positions; ++i) {
        if (g[i] == h[i]) {
            ++score.hits;
            score.hitAt[i] = true;
            h[i] = 0;
            g[i] = 0;
        }
    }
    for (int j = 0; j < positions; ++j) {
        // The piece is taken from the guess row itself, not from the working copy.
        if (guess[j] == 0 || score.hitAt[j])
            continue;
        for (int k = 0; k < positions; ++k) {
            if (h[k] == guess[j]) {
                h[k] = 0;
                ++score.misses;
                break;
            }
        }
    }
    return score;
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
