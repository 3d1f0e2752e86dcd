// SPDX-License-Identifier: GPL-3.0-or-later
// The look back at a game that has ended (won, lost, given up, or a record game on view): each
// row's possible hidden rows before and after its answer, whether it could itself have been
// the hidden row, what the computer's row would have left, and the rows the player took
// against the computer's own average for these rules.
#pragma once

#include "computer_choice.h"

namespace mirvalon {

struct GameReview
{
    std::vector<RowAnalysis> rows;
    bool solved = false;     // the last row is the hidden row
    double computerRows = 0; // the computer's average rows to find a hidden row of these rules
};

// A game that has ended with rows on the board: the review has something to say.
bool gameReviewable(const GameState& state);

// The computer's average rows to find the hidden row, for rules of `positions`, `pieceCount`
// and `eachPieceOnce`, as its own games over many random hidden rows gave it.
double computerAverageRows(const GameRules& rules);

// Nothing to say (no rows) unless gameReviewable().
GameReview reviewGame(const GameSettings& settings, const GameState& state);

} // namespace mirvalon
