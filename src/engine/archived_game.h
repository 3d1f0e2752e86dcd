// A record game as the archive keeps it: enough to lay the finished game out on the board.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game_state.h"

namespace mirvalon {

struct ArchivedGame
{
    int number = 0;
    int level = 0;
    int rows = 0;          // rows the record game used
    std::string time;      // as the records table shows it, e.g. " 0:03:01"
    int points = 0;
    std::string holder;
    std::string key;
    int environment = -1;
    bool jokes = false;
    // Faces of pieces 1..25 (index 0 unused); negative: the piece was blocked.
    std::array<int32_t, kMaxPieces + 1> faces{};
    Row hiddenRow{};
    std::array<Row, kRows> guessRows{};
    std::array<Row, kRows> pegs{};
    int previousRecord = 0; // the record this game beat
};

} // namespace mirvalon
