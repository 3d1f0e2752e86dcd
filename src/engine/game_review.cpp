// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_review.h"

#include <algorithm>

#include "variant.h"

namespace mirvalon {

namespace {

// Average rows of the computer's own games (computerGame), 1000 random hidden rows per rules in
// analysis_bench, a game not won counted as 15 rows:
// [positions - 5][pieces 11, 19, 25][each piece once, repeated].
// clang-format off
constexpr double kComputerRows[4][3][2] = {
    {{6.02, 6.54}, {8.22, 8.78}, {9.90, 10.57}},
    {{6.67, 7.01}, {8.56, 9.12}, {9.95, 10.54}},
    {{7.49, 7.57}, {9.27, 9.68}, {10.45, 10.97}},
    {{8.50, 8.17}, {10.12, 10.29}, {11.24, 11.63}},
};
// clang-format on

} // namespace

bool gameReviewable(const GameState& state)
{
    // A game ends with its hidden row on the board; before the first row there is nothing to
    // look back on (a second player's row being set included).
    return !state.inProgress && state.rowKind[0] != -1;
}

double computerAverageRows(const GameRules& rules)
{
    const int p = std::clamp(rules.positions, 5, 8) - 5;
    const int pieces = std::max(0, pieceIndex(rules.pieceCount)); // 11, 19 or 25 in any game
    return kComputerRows[p][pieces][rules.eachPieceOnce ? 0 : 1];
}

GameReview reviewGame(const GameSettings& settings, const GameState& state)
{
    GameReview review;
    if (!gameReviewable(state))
        return review;
    const GameRules rules = rulesOf(settings);
    const std::vector<PlayedRow> rows = playedRows(state, settings.positions);
    // The game's number seeds the computer's choices, so one game always reads the same.
    review.rows =
        analyseGame(rules, rows, state.hiddenRow, static_cast<uint64_t>(state.gameNumber));
    review.solved = !rows.empty() && rows.back().hits == settings.positions;
    review.computerRows = computerAverageRows(rules);
    return review;
}

} // namespace mirvalon
