// SPDX-License-Identifier: GPL-3.0-or-later
#include <functional>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

#include "support/won_game.h"

namespace mirvalon {
namespace {

using test::WonGame;
using test::wonGame;

GameSettings rulesOf(const WonGame& w)
{
    GameSettings rules;
    applyVariantKey(rules, w.entry.key);
    return rules;
}

// Puts `guess` in row `row` with the pegs the rules give it, so only the damage meant shows.
void setRow(WonGame& w, int row, const Row& guess)
{
    w.game.rows[row - 1] = guess;
    w.game.pegs[row - 1] = pegsFor(scoreRow(w.game.hiddenRow, guess, rulesOf(w).positions));
}

// A new hidden row, still solved on the record's last row.
void setHidden(WonGame& w, const Row& hidden)
{
    w.game.hiddenRow = hidden;
    for (int r = 1; r < w.entry.rows; ++r)
        setRow(w, r, w.game.rows[r - 1]);
    setRow(w, w.entry.rows, hidden);
}

TEST(RecordCheck, eachDamageGivesItsFault)
{
    using Case = std::tuple<const char*, WonGame, std::function<void(WonGame&)>, RecordFault>;
    // clang-format off
    const Case cases[] = {
        {"rows 0", wonGame(12), [](WonGame& w) { w.entry.rows = 0; }, RecordFault::Bounds},
        {"rows 16", wonGame(98, 15, 3000), [](WonGame& w) { w.entry.rows = 16; }, RecordFault::Bounds},
        {"number 193", wonGame(192), [](WonGame& w) { w.entry.number = 193; }, RecordFault::Bounds},
        {"key of another game", wonGame(100), [](WonGame& w) { w.entry.key = referenceKey(101); },
         RecordFault::Variant},
        {"level one too high", wonGame(100), [](WonGame& w) { ++w.entry.level; }, RecordFault::Variant},
        {"level the rules give game 177", wonGame(177),
         [](WonGame& w) {
             w.entry.level = static_cast<uint16_t>(computeVariant(rulesOf(w)).level);
         },
         RecordFault::None},
        {"time xx:yy:zz", wonGame(12), [](WonGame& w) { w.entry.time = "xx:yy:zz"; }, RecordFault::Time},
        {"time blank", wonGame(12), [](WonGame& w) { w.entry.time = "        "; }, RecordFault::Time},
        {"no points", wonGame(12), [](WonGame& w) { w.entry.points = 0; }, RecordFault::Bounds},
        {"a single point", wonGame(12), [](WonGame& w) { w.entry.points = 1; }, RecordFault::None},
        {"one point above the most", wonGame(12, 10, 235), [](WonGame& w) { ++w.entry.points; },
         RecordFault::Points},
        {"points of a longer clock", wonGame(12, 10, 235),
         [](WonGame& w) { w.entry.time = " 0:03:57"; }, RecordFault::Points},
        {"environment 4", wonGame(12), [](WonGame& w) { w.game.environment = 4; }, RecordFault::Look},
        {"no environment", wonGame(12), [](WonGame& w) { w.game.environment = -1; }, RecordFault::None},
        {"previous record equal", wonGame(12),
         [](WonGame& w) { w.game.previousRecord = w.entry.points; }, RecordFault::Look},
        {"previous record just below", wonGame(12),
         [](WonGame& w) { w.game.previousRecord = w.entry.points - 1; }, RecordFault::None},
        {"blocked piece without blocking", wonGame(13), [](WonGame& w) { w.game.faces[4] = -4; },
         RecordFault::Faces},
        {"blocked piece with blocking", wonGame(1), [](WonGame& w) { w.game.faces[4] = -4; },
         RecordFault::None},
        {"two equal labels", wonGame(1), [](WonGame& w) { w.game.faces[11] = 3; }, RecordFault::Faces},
        {"label copied onto a blocked piece", wonGame(1),
         [](WonGame& w) {
             w.game.faces[3] = -3;
             w.game.faces[7] = 3;
         },
         RecordFault::Faces},
        {"face 0 in play", wonGame(1), [](WonGame& w) { w.game.faces[11] = 0; }, RecordFault::Faces},
        {"face one above a colour", wonGame(1),
         [](WonGame& w) { w.game.faces[3] = kColourFace + 1; }, RecordFault::Faces},
        {"colours repeat", wonGame(1),
         [](WonGame& w) { w.game.faces[2] = w.game.faces[4] = kColourFace; }, RecordFault::None},
        {"label repeated past the pieces in play", wonGame(1),
         [](WonGame& w) { w.game.faces[12] = 1; }, RecordFault::None},
        {"face out of range past the pieces in play", wonGame(1),
         [](WonGame& w) { w.game.faces[25] = -1001; }, RecordFault::Faces},
        {"piece 0 in a guess", wonGame(100), [](WonGame& w) { w.game.rows[1][2] = 0; }, RecordFault::Pieces},
        {"piece N+1 in a guess", wonGame(100), [](WonGame& w) { w.game.rows[0][0] = 12; }, RecordFault::Pieces},
        {"piece N+1 in the hidden row", wonGame(12), [](WonGame& w) { w.game.hiddenRow[7] = 26; },
         RecordFault::Pieces},
        {"piece beyond the width of a guess", wonGame(1), [](WonGame& w) { w.game.rows[2][5] = 1; },
         RecordFault::Pieces},
        {"piece beyond the width of the hidden row", wonGame(1),
         [](WonGame& w) { w.game.hiddenRow[5] = 1; }, RecordFault::None},
        {"piece in a row after the last", wonGame(100), [](WonGame& w) { w.game.rows[5][0] = 1; },
         RecordFault::Pieces},
        {"piece repeated in an each-once hidden row", wonGame(104, 7),
         [](WonGame& w) {
             Row hidden = w.game.hiddenRow;
             hidden[3] = hidden[0];
             setHidden(w, hidden);
         },
         RecordFault::Pieces},
        {"piece repeated in a repeating hidden row", wonGame(49, 8, 149, 0, "Tester", 7),
         [](WonGame& w) {
             Row hidden = w.game.hiddenRow;
             hidden[3] = hidden[0] = test::pieceNotIn(w.game.hiddenRow);
             setHidden(w, hidden);
         },
         RecordFault::None},
        {"hit peg flipped on row 1", wonGame(97, 1, 5), [](WonGame& w) { w.game.pegs[0][3] = -1; },
         RecordFault::Pegs},
        {"peg moved past the width", wonGame(1),
         [](WonGame& w) { std::swap(w.game.pegs[4][4], w.game.pegs[4][5]); }, RecordFault::Pegs},
        {"peg lost", wonGame(192, 14, 2334), [](WonGame& w) { w.game.pegs[13][7] = 0; }, RecordFault::Pegs},
        {"miss before a hit", wonGame(100),
         [](WonGame& w) {
             Row guess = w.game.hiddenRow;
             std::swap(guess[0], guess[1]);
             setRow(w, 1, guess);
             std::swap(w.game.pegs[0][0], w.game.pegs[0][5]);
         },
         RecordFault::Pegs},
        {"peg in a row after the last", wonGame(100), [](WonGame& w) { w.game.pegs[5][0] = -1; },
         RecordFault::Pegs},
        {"last row not solved", wonGame(104, 7),
         [](WonGame& w) {
             Row guess = w.game.hiddenRow;
             guess[6] = test::pieceNotIn(w.game.hiddenRow);
             setRow(w, 7, guess);
         },
         RecordFault::NotWon},
        {"earlier row solved", wonGame(98, 15, 3000),
         [](WonGame& w) { setRow(w, 14, w.game.hiddenRow); }, RecordFault::NotWon},
    };
    // clang-format on
    // Every game starts out as the rules produced it.
    for (const auto& [what, won, damage, fault] : cases) {
        WonGame w = won;
        ASSERT_EQ(checkRecordGame(w.entry, w.game), RecordFault::None) << what;
        damage(w);
        EXPECT_EQ(checkRecordGame(w.entry, w.game), fault) << what;
        EXPECT_EQ(recordHoldsUp(w.entry, w.game), fault == RecordFault::None) << what;
    }
}

TEST(RecordCheck, clockTextAndMostPoints)
{
    using Clock = std::tuple<const char*, std::optional<int>>;
    const Clock clocks[] = {
        {" 0:03:01", 181},          {"10:00:00", 36000},         {" 0:00:00", 0},
        {"23:59:59", 86399},        {" 1:59:59", 7199},          {" 0:60:00", std::nullopt},
        {" 0:00:60", std::nullopt}, {"        ", std::nullopt},  {"", std::nullopt},
        {"0:03:01", std::nullopt},  {" 0:03:01 ", std::nullopt}, {" 0-03:01", std::nullopt},
        {"x0:03:01", std::nullopt}, {" 0:3:01 ", std::nullopt},  {"  :03:01", std::nullopt},
    };
    for (const auto& [text, seconds] : clocks)
        EXPECT_EQ(clockSeconds(text), seconds) << '"' << text << '"';

    using Most = std::tuple<int, int, int>;
    const Most most[] = {
        {4, 21, 10000 - 1200 - 10},      {1, 0, 9700}, {1, 1, 9700},
        {5, 3, 10000 - 1400 - 1},        {9, 0, 7800}, {10, 0, 7700},
        {15, 7200, 10000 - 2800 - 3600},
    };
    for (const auto& [rows, seconds, points] : most)
        EXPECT_EQ(mostPointsFor(rows, seconds), points) << rows << " rows";
}

} // namespace
} // namespace mirvalon
