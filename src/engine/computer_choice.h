// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's own row for a position, and the look back at a finished game: for each row,
// how many hidden rows were possible before and after it, whether it could itself have been the
// hidden row, and what the computer's row would have left in its place.
#pragma once

#include "analysis.h"

namespace mirvalon {

struct ComputerRow
{
    Row row{};               // a possible hidden row; all zero when nothing is possible
    double expectedLeft = 0; // hidden rows it is expected to leave, averaged over the answers
};

// The possible row after which the fewest rows are expected still to be played: over its
// answers, the hidden rows each leaves, weighed by roughly how many rows finding one of those
// takes, and none when it is itself the hidden row. Judged on all of them when few remain,
// otherwise on a uniform sample; `seed` makes the choice repeatable.
ComputerRow computerRow(const GameRules& rules, const PossibleRows& possible, uint64_t seed);
ComputerRow computerRow(const GameRules& rules, std::span<const PlayedRow> rows, uint64_t seed);
// The same over the possible hidden rows listed.
ComputerRow computerRow(const GameRules& rules, std::span<const Row> possible, uint64_t seed);

// A whole game played by the computer against `hidden`: its rows until one has every piece in
// place or the 15 rows are used. Row r is chosen with seed + r, so a game can be played again.
std::vector<PlayedRow> computerGame(const GameRules& rules, const Row& hidden, uint64_t seed);

struct RowAnalysis
{
    uint64_t before = 0; // possible hidden rows when the row was played
    uint64_t after = 0;  // possible hidden rows once it was answered
    bool couldBeHidden = false;
    Row computerRow{};
    uint64_t computerLeft = 0; // possible hidden rows after the computer's row and its answer
};

// One entry per row of `rows`, which were answered against `hidden`.
std::vector<RowAnalysis> analyseGame(const GameRules& rules, std::span<const PlayedRow> rows,
                                     const Row& hidden, uint64_t seed = 1);

} // namespace mirvalon
