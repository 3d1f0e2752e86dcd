// SPDX-License-Identifier: GPL-3.0-or-later
// After the game: which hidden rows the confirmed rows and their answers still allow, counted
// exactly for every rule class (up to 25^8 rows), listed, and drawn at random.
#pragma once

#include <cstdint>
#include <memory>
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
// The answers split into two kinds of constraint: hits depend on places, while hits + misses of
// a row depend only on how many of each piece the hidden row holds (the sum over pieces of the
// smaller count in hidden and guess). So the counter takes the pieces seen in some row one by
// one (those of the latest rows first) and decides the places each takes in the hidden row,
// keeping the places taken so far and each row's hits and hits + misses so far; equal states
// are counted once (memoised), and places where no later piece gives a hit only by how many are
// taken. A state is dropped as soon as some row can no longer reach its answer: its hits on the
// places left, or its hits + misses by any copies of the later pieces (judged exactly, on the
// copies alone). The pieces that appear in no row are interchangeable: the places left at the
// end are counted as the ways to fill them with those.
class PossibleRows
{
public:
    PossibleRows(const GameRules& rules, std::span<const PlayedRow> rows);
    PossibleRows(PossibleRows&&) noexcept;
    PossibleRows& operator=(PossibleRows&&) noexcept;
    ~PossibleRows();

    uint64_t count() const { return m_total; }
    // Up to `limit` distinct possible hidden rows.
    std::vector<Row> list(size_t limit) const;
    // `n` possible hidden rows, each drawn uniformly and independently; none when count() is 0.
    std::vector<Row> draw(size_t n, std::mt19937_64& random) const;

private:
    class Counter;

    GameRules m_rules;
    std::vector<int> m_unseen; // the pieces that appear in no row
    // The counts of the states met, kept for listing and drawing.
    std::unique_ptr<Counter> m_counter;
    uint64_t m_total = 0;
};

inline uint64_t countPossible(const GameRules& rules, std::span<const PlayedRow> rows)
{
    return PossibleRows(rules, rows).count();
}

} // namespace mirvalon
