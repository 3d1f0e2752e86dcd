// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "engine/scoring.h"
#include "support/rows.h"

namespace mirvalon {
namespace {

using test::row;

TEST(Scoring, hitsAndMissesWithAndWithoutRepetition)
{
    struct Case
    {
        Row hidden, guess;
        int positions, hits, misses;
    };
    const Case cases[] = {
        {row({1, 1, 2, 3, 4}), row({1, 2, 1, 1, 5}), 5, 1, 2},
        {row({1, 2, 3, 4, 5}), row({5, 4, 3, 2, 1}), 5, 1, 4},
        {row({1, 2, 3, 4, 5}), row({1, 2, 3, 4, 5}), 5, 5, 0},
        {row({1, 2, 3, 4, 5}), row({6, 7, 8, 9, 10}), 5, 0, 0},
        {row({7, 7, 7, 7, 7, 7, 7, 7}), row({7, 1, 7, 1, 7, 1, 7, 1}), 8, 4, 0},
        {row({1, 2, 2, 3, 3}), row({2, 2, 3, 3, 1}), 5, 2, 3},
        {row({2, 2, 1, 1, 1}), row({1, 1, 2, 2, 2}), 5, 0, 4},
        {row({1, 2, 3, 4, 5, 6}), row({2, 1, 4, 3, 6, 5}), 6, 0, 6},
        {row({3, 3, 3, 4, 4, 4, 5}), row({4, 4, 4, 3, 3, 3, 3}), 7, 0, 6},
    };
    for (const Case& c : cases) {
        const RowScore s = scoreRow(c.hidden, c.guess, c.positions);
        EXPECT_EQ(s.hits, c.hits);
        EXPECT_EQ(s.misses, c.misses);
        int flagged = 0;
        for (bool b : s.hitAt)
            flagged += b;
        EXPECT_EQ(flagged, c.hits);
    }
}

TEST(Scoring, penaltiesByRowBand)
{
    struct Case
    {
        int row, confirm, cancel, takeBack;
    };
    const Case cases[] = {{1, 300, 60, 4}, {4, 300, 60, 4},  {5, 200, 40, 3},
                          {9, 200, 40, 3}, {10, 100, 20, 2}, {15, 100, 20, 2}};
    for (const Case& c : cases) {
        EXPECT_EQ(penaltyFor(Penalty::Confirm, c.row), c.confirm) << "row " << c.row;
        EXPECT_EQ(penaltyFor(Penalty::Cancel, c.row), c.cancel) << "row " << c.row;
        EXPECT_EQ(penaltyFor(Penalty::TakeBack, c.row), c.takeBack) << "row " << c.row;
    }
}

} // namespace
} // namespace mirvalon
