// SPDX-License-Identifier: GPL-3.0-or-later
// After the game: which hidden rows the confirmed rows and their answers still allow, counted
// exactly for every rule class (up to 25^8 rows), listed, and drawn at random.
#pragma once

#include <cstdint>
#include <random>
#include <span>
#include <vector>

#include "game_settings.h"
#include "game_state.h"

namespace mirvalon {

struct GameRules
{
    int positions = 7;   // 5..8
    int pieceCount = 19; // 11, 19, 25
    bool eachPieceOnce = true;
};

GameRules rulesOf(const GameSettings& settings);

// A confirmed row with the answer the game gave it.
struct PlayedRow
{
    Row pieces{};
    int hits = 0;
    int misses = 0;
};

// The row as the game would answer it against `hidden`.
PlayedRow playRow(const Row& hidden, const Row& guess, int positions);

// The confirmed rows of a game on the board, in order, with the answers their pegs show.
std::vector<PlayedRow> playedRows(const GameState& state, int positions);

// Whether `candidate` could be the hidden row: a row the rules allow that gives every row in
// `rows` the answer it got.
bool couldBeHidden(const GameRules& rules, std::span<const PlayedRow> rows, const Row& candidate);

// The hidden rows consistent with the rules and all `rows`. Built once per position; the
// count is exact.
//
// Pieces that appear in no row are interchangeable, so they are counted together as "unseen".
// The answers split into two kinds of constraint: hits + misses of a row depend only on how many
// of each piece the hidden row holds (the sum over pieces of the smaller count in hidden and
// guess), while hits depend on places. A piece's count matters to the first kind only up to the
// most copies any row has of it. So the counter enumerates, for each seen piece, "none",
// "exactly n" or "at least the most any row has" (pruned by every row's hits + misses), and for
// each such choice counts by a memoised walk over the places the rows with exactly the right
// hits, unseen places weighted by how many unseen pieces may go there.
class PossibleRows
{
public:
    PossibleRows(const GameRules& rules, std::span<const PlayedRow> rows);

    uint64_t count() const { return m_total; }
    // Up to `limit` distinct possible hidden rows.
    std::vector<Row> list(size_t limit) const;
    // `n` possible hidden rows, each drawn uniformly and independently; none when count() is 0.
    std::vector<Row> draw(size_t n, std::mt19937_64& random) const;

    // The seen pieces a hidden row holds, with their copies: exactly `copies`, or at least that
    // many when `orMore`.
    struct Group
    {
        std::array<int8_t, kMaxPositions> piece{};
        std::array<int8_t, kMaxPositions> copies{};
        std::array<bool, kMaxPositions> orMore{};
        int kinds = 0;
        uint64_t weight = 0; // hidden rows of this group
    };

private:
    void collectGroups(int index, int placesLeft, std::array<int, kRows>& together, Group& group);

    GameRules m_rules;
    std::vector<PlayedRow> m_rows;
    std::vector<int> m_seen;   // pieces that appear in some row, in order of first appearance
    std::vector<int> m_unseen; // the others
    std::vector<std::array<int8_t, kMaxPieces>> m_inRow; // m_inRow[t][i]: copies of m_seen[i]
    std::vector<std::array<int, kMaxPieces + 1>> m_rest; // copies among m_seen[i..] in row t
    std::array<int, kMaxPieces> m_most{};                // most copies of m_seen[i] in a row
    std::vector<Group> m_groups;
    uint64_t m_total = 0;
};

inline uint64_t countPossible(const GameRules& rules, std::span<const PlayedRow> rows)
{
    return PossibleRows(rules, rows).count();
}

} // namespace mirvalon
