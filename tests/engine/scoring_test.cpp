// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "engine/scoring.h"

namespace mirvalon {
namespace {

TEST(Scoring, hitsAndMissesWithAndWithoutRepetition)
{
    using Case = std::tuple<Row, Row, int, int, int>;
    const Case cases[] = {
        {Row{1, 1, 2, 3, 4}, Row{1, 2, 1, 1, 5}, 5, 1, 2},
        {Row{1, 2, 3, 4, 5}, Row{5, 4, 3, 2, 1}, 5, 1, 4},
        {Row{1, 2, 3, 4, 5}, Row{1, 2, 3, 4, 5}, 5, 5, 0},
        {Row{1, 2, 3, 4, 5}, Row{6, 7, 8, 9, 10}, 5, 0, 0},
        {Row{7, 7, 7, 7, 7, 7, 7, 7}, Row{7, 1, 7, 1, 7, 1, 7, 1}, 8, 4, 0},
        {Row{1, 2, 2, 3, 3}, Row{2, 2, 3, 3, 1}, 5, 2, 3},
        {Row{2, 2, 1, 1, 1}, Row{1, 1, 2, 2, 2}, 5, 0, 4},
        {Row{1, 2, 3, 4, 5, 6}, Row{2, 1, 4, 3, 6, 5}, 6, 0, 6},
        {Row{3, 3, 3, 4, 4, 4, 5}, Row{4, 4, 4, 3, 3, 3, 3}, 7, 0, 6},
    };
    for (const auto& [hidden, guess, positions, hits, misses] : cases) {
        const RowScore s = scoreRow(hidden, guess, positions);
        // As many places flagged as hits.
        const auto flagged = std::count(s.hitAt.begin(), s.hitAt.end(), true);
        EXPECT_EQ(std::tuple(s.hits, s.misses, flagged), std::tuple(hits, misses, hits));
    }
}

} // namespace
} // namespace mirvalon
