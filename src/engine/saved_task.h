// SPDX-License-Identifier: GPL-3.0-or-later
// The task of a second player's game as a saved-game file carries it: the numbered game, the
// look of the pieces, the hidden row and the texts that protect it. Guess rows are never kept.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game_settings.h"
#include "game_state.h"

namespace mirvalon {

constexpr int kMaxPasswordLength = 20; // characters, as the password dialog takes them
constexpr int kMaxAuthTextLength = 30;
constexpr int kMaxFace = 999;

// The second player protects a task with both texts or with neither: the one still to be
// filled before the password dialog's OK takes them.
enum class MissingText { None, AuthText, Password };
MissingText missingPasswordText(const std::string& password, const std::string& authText);

struct SavedTask
{
    int32_t gameNumber = 1;
    int32_t pieceColours = GreyPieces; // PieceColours
    int32_t positions = 5;
    int32_t pieceCount = 11;
    bool randomArrangement = false;
    bool showTime = true;
    std::string password; // UTF-8
    std::string authText; // UTF-8
    Row hiddenRow{};      // positions beyond `positions` stay 0
    // Faces of pieces 1..pieceCount (index 0 unused) with random arrangement; 0 where the file
    // keeps none (every second piece in the mix scheme, every piece without random arrangement).
    std::array<int32_t, kMaxPieces + 1> faces{};

    bool operator==(const SavedTask&) const = default;
};

// A task of numbered game `number` (1..192) with no row yet: positions, pieces and random
// arrangement as the game's key names them.
SavedTask taskForGame(int number);

// True for the pieces whose face the file keeps: every piece with random arrangement, only
// pieces 1, 3, 5, ... in the mix scheme (the others show a colour).
bool keepsFace(int piece, int pieceColours);

// The task of the game on the board, as "Uložiť ako..." writes it. A face that is no label
// (a colour) is kept as the piece's number; the authorisation text goes only with a password,
// so an earlier game's text never leaves in someone else's file.
SavedTask taskOfGame(const GameState& state, const GameSettings& settings);

// True when the task can be played as its game number says: positions, pieces and random
// arrangement those of the number, every hidden piece on the palette (and different from the
// others when each piece is used once), distinct faces 1..999, texts no longer than the
// password dialog takes, and no password without its authorisation text.
bool taskIsPlayable(const SavedTask& task);

} // namespace mirvalon
