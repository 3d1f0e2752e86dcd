// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <unordered_map>

#include "engine/computer_choice.h"
#include "engine/scoring.h"
#include "support/won_game.h"

namespace mirvalon {
namespace {

Row randomRow(const GameRules& rules, std::mt19937_64& random)
{
    return test::drawnRow(rules.positions, rules.pieceCount, rules.eachPieceOnce,
                          [&random](int n) { return int(random() % n); });
}

// Calls `visit` with every hidden row the rules allow.
template <class Visit> void everyRow(const GameRules& rules, Visit visit)
{
    Row r{};
    for (int i = 0; i < rules.positions; ++i)
        r[i] = 1;
    for (;;) {
        bool allowed = true;
        for (int i = 0; i < rules.positions && rules.eachPieceOnce; ++i)
            for (int k = 0; k < i; ++k)
                allowed = allowed && r[k] != r[i];
        if (allowed)
            visit(r);
        int i = rules.positions - 1;
        while (i >= 0 && ++r[i] > rules.pieceCount)
            r[i--] = 1;
        if (i < 0)
            return;
    }
}

// Plays three random rows; every answer sequence some hidden row gives them, to their first
// one, two and three rows, is a position whose count must be what trying every row finds.
void compareWithEveryRow(const GameRules& rules, std::mt19937_64& random, int& positions)
{
    std::vector<PlayedRow> rows(3);
    for (PlayedRow& r : rows)
        r.pieces = randomRow(rules, random);
    // Key: a leading 1, then one base-81 digit per row, its answer as hits * 9 + misses.
    std::unordered_map<uint64_t, uint64_t> byAnswers;
    everyRow(rules, [&](const Row& hidden) {
        uint64_t key = 1;
        for (const PlayedRow& r : rows) {
            const RowScore answer = scoreRow(hidden, r.pieces, rules.positions);
            key = key * 81 + answer.hits * 9 + answer.misses;
            ++byAnswers[key];
        }
    });
    for (const auto& [key, expected] : byAnswers) {
        std::vector<PlayedRow> asked;
        for (uint64_t k = key; k > 1; k /= 81)
            asked.insert(asked.begin(), PlayedRow{{}, int(k % 81 / 9), int(k % 9)});
        for (size_t t = 0; t < asked.size(); ++t)
            asked[t].pieces = rows[t].pieces;
        ASSERT_EQ(countPossible(rules, asked), expected)
            << rules.positions << "x" << rules.pieceCount << " once " << rules.eachPieceOnce
            << " rows " << asked.size();
        ++positions;
        // The same rows with one more miss in the last answer, unless some hidden row gives
        // that: nothing possible, or exactly what the brute force found.
        asked.back().misses += 1;
        const auto found = byAnswers.find(key + 1);
        ASSERT_EQ(countPossible(rules, asked), found == byAnswers.end() ? 0 : found->second);
        ++positions;
    }
}

TEST(Analysis, countsMatchEveryHiddenRowTriedInTurn)
{
    const GameRules cases[] = {
        {5, 11, true}, {5, 11, false}, {5, 19, true}, {5, 19, false},
        {5, 25, true}, {5, 25, false}, {6, 11, true}, {6, 11, false},
    };
    std::mt19937_64 random(30);
    int positions = 0;
    for (const GameRules& rules : cases)
        compareWithEveryRow(rules, random, positions);
    EXPECT_GE(positions, 10000);
}

TEST(Analysis, rowsThatCouldHaveBeenHidden)
{
    const Row hidden = Row{1, 2, 3, 4, 5};
    const Row none = Row{6, 7, 8, 9, 10};
    const Row twoHits = Row{1, 2, 6, 7, 8};
    using Case = std::tuple<GameRules, std::vector<Row>, Row, bool>;
    const Case cases[] = {
        {{5, 11, true}, {}, Row{1, 2, 3, 4, 5}, true},
        {{5, 11, true}, {}, Row{1, 1, 2, 3, 4}, false}, // a piece twice where each is once
        {{5, 11, false}, {}, Row{1, 1, 1, 1, 1}, true},
        {{5, 11, false}, {}, Row{1, 1, 1, 1, 12}, false}, // not in the palette
        {{5, 11, true}, {none}, Row{1, 2, 3, 4, 6}, false},
        {{5, 11, true}, {none}, Row{1, 2, 3, 4, 11}, true},
        {{5, 11, true}, {twoHits}, Row{1, 2, 9, 10, 11}, true},
        {{5, 11, true}, {twoHits}, Row{2, 1, 9, 10, 11}, false}, // two misses, not two hits
        {{5, 11, true}, {twoHits}, Row{1, 6, 9, 10, 11}, false},
        {{5, 11, false}, {twoHits}, Row{1, 2, 1, 1, 1}, true},
        {{5, 11, false}, {twoHits, none}, Row{1, 2, 2, 1, 7}, false},
    };
    for (const auto& [rules, played, candidate, possible] : cases) {
        std::vector<PlayedRow> rows;
        for (const Row& r : played)
            rows.push_back(playRow(hidden, r, 5));
        EXPECT_EQ(couldBeHidden(rules, rows, candidate), possible)
            << "candidate " << candidate[0] << candidate[1] << candidate[2] << candidate[3]
            << candidate[4] << " after " << rows.size() << " rows";
    }
}

// Over every rule class: rows listed, drawn and chosen by the computer fit all answers so far.
TEST(Analysis, listedDrawnAndComputerRowsArePossible)
{
    std::mt19937_64 random(3030);
    for (int positions = 5; positions <= 8; ++positions)
        for (int pieces : {11, 19, 25})
            for (bool once : {true, false}) {
                const GameRules rules{positions, pieces, once};
                const Row hidden = randomRow(rules, random);
                std::vector<PlayedRow> rows;
                for (int played = 0; played < 6; ++played) {
                    const PossibleRows possible(rules, rows);
                    const std::vector<Row> listed = possible.list(40);
                    EXPECT_EQ(listed.size(), std::min<uint64_t>(40, possible.count()));
                    std::vector<Row> drawn = possible.draw(40, random);
                    const ComputerRow computer = computerRow(rules, possible, played);
                    drawn.push_back(computer.row);
                    for (const std::vector<Row>& some : {listed, drawn})
                        for (const Row& r : some)
                            ASSERT_TRUE(couldBeHidden(rules, rows, r))
                                << positions << "x" << pieces << " once " << once << " after "
                                << played << " rows";
                    rows.push_back(playRow(hidden, computer.row, positions));
                }
                // A whole game by the computer: possible rows only, up to the win or row 15.
                const std::vector<PlayedRow> game = computerGame(rules, hidden, 7);
                for (size_t t = 0; t < game.size(); ++t)
                    EXPECT_TRUE(couldBeHidden(rules, std::span(game).first(t), game[t].pieces));
                EXPECT_TRUE(game.back().hits == positions || game.size() == size_t(kRows));
            }
}

// The computer plays the possible row whose answers tell all the others apart: each of the
// first three answers two of the others alike, the last answers each in its own way.
TEST(Analysis, theComputerPlaysTheRowThatTellsThePossibleRowsApart)
{
    const std::vector<Row> possible = {Row{1, 3, 8, 7, 5}, Row{4, 9, 8, 11, 5}, Row{11, 1, 7, 6, 8},
                                       Row{1, 4, 11, 7, 2}};
    const ComputerRow chosen = computerRow(GameRules{5, 11, true}, possible, 1);
    EXPECT_EQ(std::pair(chosen.row, chosen.expectedLeft), std::pair(possible[3], 1.0));
}

} // namespace
} // namespace mirvalon
