// SPDX-License-Identifier: GPL-3.0-or-later
// A record game as the archive keeps it: enough to lay the finished game out on the board.
// Its number, rows, time and points are those of its record, which it must match.
#pragma once

#include <array>
#include <cstdint>

#include "game_state.h"

namespace mirvalon {

struct ArchivedGame
{
    int32_t environment = -1;
    bool jokes = false;
    std::array<int32_t, kMaxPieces + 1> faces{}; // index = piece number; negative: blocked
    Row hiddenRow{};
    std::array<Row, kRows> rows{};
    std::array<Row, kRows> pegs{};
    int32_t previousRecord = 0; // the record this game beat

    // The colour scheme the faces were drawn in: 1 colours, 2 mix, 0 numbers.
    int32_t pieceColours() const
    {
        const auto colour = [](int32_t f) { return f == kColourFace || f == -kColourFace; };
        return colour(faces[1]) ? 1 : colour(faces[2]) ? 2 : 0;
    }
    bool operator==(const ArchivedGame&) const = default;
};

} // namespace mirvalon
