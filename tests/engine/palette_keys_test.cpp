// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard play on the palette: where the focus moves, and Enter, Backspace and B by the
// rules of the mouse (free place, take-back penalty, blocking only where it is offered).
#include <gtest/gtest.h>

#include <tuple>

#include "engine/palette_keys.h"
#include "support/fake_ports.h"

namespace mirvalon {
namespace {

TEST(PaletteKeys, focusMovesOverThePiecesOfTheGameOnly)
{
    using Case = std::tuple<int, FocusMove, int, int>;
    const Case cases[] = {
        {1, FocusMove::Right, 11, 2},   {1, FocusMove::Left, 11, 1},
        {5, FocusMove::Right, 11, 5},   {6, FocusMove::Left, 11, 6},
        {1, FocusMove::Up, 11, 1},      {1, FocusMove::Down, 11, 6},
        {7, FocusMove::Down, 11, 7},    {6, FocusMove::Down, 11, 11},
        {11, FocusMove::Right, 11, 11}, {11, FocusMove::Down, 19, 16},
        {16, FocusMove::Down, 19, 16},  {20, FocusMove::Down, 25, 25},
        {25, FocusMove::Up, 25, 20},    {19, FocusMove::Right, 19, 19},
        {30, FocusMove::Left, 19, 1},
    };
    for (const auto& [from, move, pieces, to] : cases)
        EXPECT_EQ(movePaletteFocus(from, move, pieces), to)
            << from << " move " << int(move) << " of " << pieces;
}

// Pieces 2, 3 and 7 are in the row (each piece once): the focus passes over them and never
// rests on them.
TEST(PaletteKeys, focusPassesOverPiecesThatLeftThePalette)
{
    const PieceAtRest atRest = [](int piece) { return piece != 2 && piece != 3 && piece != 7; };
    using Case = std::tuple<int, FocusMove, int>;
    const Case moves[] = {
        {1, FocusMove::Right, 4}, {4, FocusMove::Left, 1},  {11, FocusMove::Up, 6},
        {8, FocusMove::Up, 8},    {6, FocusMove::Right, 8}, {1, FocusMove::Down, 6},
    };
    for (const auto& [from, move, to] : moves)
        EXPECT_EQ(movePaletteFocus(from, move, 11, atRest), to) << from << " move " << int(move);
    const int settled[][2] = {{1, 1}, {2, 1}, {3, 4}, {7, 8}, {11, 11}, {30, 1}};
    for (const auto& [from, to] : settled)
        EXPECT_EQ(settlePaletteFocus(from, 11, atRest), to) << from;
    EXPECT_EQ(settlePaletteFocus(5, 11, [](int) { return false; }), 5);
}

TEST(PaletteKeys, enterBackspaceAndBFollowTheRulesOfTheMouse)
{
    test::IdleRig rig({.positions = 5, .pieceCount = 11, .eachPieceOnce = true, .blocking = false});
    EXPECT_FALSE(rig.game.keyPlacePiece(1)); // idle: the palette is locked
    rig.startWithHidden({1, 2, 3, 4, 5});
    rig.game.pressPalettePiece(7, MouseButton::Left, {});
    EXPECT_FALSE(rig.game.keyPlacePiece(8)); // not while the mouse drags a piece
    rig.game.dropPalettePiece(7, 0);         // dropped beside the row: back home
    EXPECT_TRUE(rig.game.keyPlacePiece(7));
    EXPECT_FALSE(rig.game.keyPlacePiece(7)); // each piece once: it is in the row
    for (int piece : {8, 9, 10, 11})
        EXPECT_TRUE(rig.game.keyPlacePiece(piece));
    EXPECT_FALSE(rig.game.keyPlacePiece(1)); // the row is full
    EXPECT_EQ(std::tuple(rig.s().editRow[4], rig.enabled(Command::ConfirmRow)),
              std::tuple(11, true));

    const int before = rig.s().score;
    EXPECT_TRUE(rig.game.keyTakeBack()); // the last piece placed, for the penalty of row 1
    const GameState& s = rig.s();
    EXPECT_EQ(std::tuple(s.editRow[4], s.editRow[3], s.score, s.editCount,
                         rig.enabled(Command::ConfirmRow)),
              std::tuple(0, 10, before - 4, 4, false));
    EXPECT_TRUE(rig.game.keyPlacePiece(11));

    EXPECT_FALSE(rig.game.keyToggleBlock(6)); // blocking is not offered in this game
    rig.useSettings([](GameSettings& s) { s.blocking = true; });
    EXPECT_FALSE(rig.game.keyToggleBlock(8)); // in the row, not at rest in the palette
    EXPECT_TRUE(rig.game.keyToggleBlock(6) && rig.s().blocked[6]);
    EXPECT_TRUE(rig.game.keyTakeBack());
    EXPECT_FALSE(rig.game.keyPlacePiece(6)); // a blocked piece stays where it is
    EXPECT_TRUE(rig.game.keyToggleBlock(6));
    EXPECT_TRUE(rig.game.keyPlacePiece(6));
    EXPECT_EQ(rig.s().editRow[4], 6);
    ASSERT_TRUE(rig.game.pressPalettePiece(1, MouseButton::Left, {}));
    EXPECT_FALSE(rig.game.keyTakeBack()); // not while the mouse drags a piece
    rig.game.dropPalettePiece(1, 0);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(rig.game.keyTakeBack());
    EXPECT_FALSE(rig.game.keyTakeBack()); // nothing left to take back
}

// A finished game keeps its last row: no piece leaves it, nor a copy in a game of repeats.
TEST(PaletteKeys, aFinishedGameKeepsItsLastRow)
{
    test::IdleRig rig({.positions = 5, .pieceCount = 11, .eachPieceOnce = false});
    rig.startWithHidden({1, 1, 2, 3, 4});
    rig.playRow({1, 1, 2, 3, 4});
    ASSERT_TRUE(rig.s().solved);
    EXPECT_FALSE(rig.game.keyTakeBack() || rig.game.doubleClickSlotPiece(1));
}

} // namespace
} // namespace mirvalon
