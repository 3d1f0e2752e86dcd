// SPDX-License-Identifier: GPL-3.0-or-later
// Moving the keyboard focus over the palette: the pieces stand in rows of five, piece 1 at the
// top left, and the focus never leaves the pieces 1..N of the game.
#pragma once

namespace mirvalon {

enum class FocusMove { Left, Right, Up, Down };

// The piece the focus moves to from `piece` (1..pieceCount); the same piece at an edge.
int movePaletteFocus(int piece, FocusMove move, int pieceCount);

} // namespace mirvalon
