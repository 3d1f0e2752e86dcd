// SPDX-License-Identifier: GPL-3.0-or-later
// What the player can do now: the enabled and visible state of every command, computed from
// the game's state and the settings alone. The game hands the result to the window at each
// publish and asks it before an aid or a step runs, so a command works exactly when its
// control takes clicks.
#pragma once

#include "commands.h"
#include "game_settings.h"
#include "game_state.h"

namespace mirvalon {

// Writes the enabled and visible bits of every command into `table`; the check marks stay
// as they are.
void offers(const GameState& state, const GameSettings& settings, CommandTable& table);
// Writes only the commands that a piece placed, moved, taken back or blocked can change: the
// row's own (confirm, cancel, quick start, the hits, unblocking, restoring, the time view).
// The rest of `table` stays as offers() wrote it for the same game.
void rowOffers(const GameState& state, const GameSettings& settings, CommandTable& table);

// A command the player can use now: enabled, and its control on the board.
bool usable(const CommandTable& table, Command command);

} // namespace mirvalon
