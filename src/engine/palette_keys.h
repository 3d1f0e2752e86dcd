// SPDX-License-Identifier: GPL-3.0-or-later
// Moving the keyboard focus over the palette: the pieces stand in rows of five, piece 1 at the
// top left, and the focus never leaves the pieces 1..N of the game.
#pragma once

#include <functional>

namespace mirvalon {

enum class FocusMove { Left, Right, Up, Down };

// Whether a piece stands in the palette now; none given: all pieces 1..pieceCount do.
using PieceAtRest = std::function<bool(int)>;

// The piece the focus moves to from `piece` (1..pieceCount), passing over pieces that are not
// at rest in the palette; the same piece at an edge or when none lies that way.
int movePaletteFocus(int piece, FocusMove move, int pieceCount, const PieceAtRest& atRest = {});

// Where the focus on `piece` rests: the piece itself while it stands in the palette, else the
// nearest piece that does (the next one first); `piece` kept when none does.
int settlePaletteFocus(int piece, int pieceCount, const PieceAtRest& atRest);

} // namespace mirvalon
