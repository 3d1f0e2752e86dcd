// SPDX-License-Identifier: GPL-3.0-or-later
#include "game_review.h"

#include <algorithm>

namespace mirvalon {

namespace {

// Average rows of the computer's own games, per rules (analysis_bench --averages prints the
// table): [positions - 5][pieces 11, 19, 25][each piece once, repeated].
// clang-format off
constexpr double kComputerRows[4][3][2] = {
    {{6.0, 6.3}, {8.2, 8.4}, {10.3, 11.1}},
    {{6.7, 7.0}, {8.3, 8.7}, {9.8, 11.1}},
    {{7.2, 7.8}, {9.2, 9.9}, {10.2, 11.3}},
    {{8.3, 7.8}, {10.3, 10.1}, {11.2, 11.5}},
};
// clang-format on

int pieceClass(int pieceCount)
{
    return pieceCount <= 11 ? 0 : pieceCount <= 19 ? 1 : 2;
}

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
    return kComputerRows[p][pieceClass(rules.pieceCount)][rules.eachPieceOnce ? 0 : 1];
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
