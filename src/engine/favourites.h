// SPDX-License-Identifier: GPL-3.0-or-later
// The four favourite game set-ups: which slot matches the game on the board, storing and
// releasing a slot, and what starting a slot sets. The window's panels and menu items call
// these; the slots are kept in the settings and saved with the configuration.
#pragma once

#include <string>

#include "game.h"
#include "game_settings.h"

namespace mirvalon {

constexpr int kFavouriteSlots = 4;

// Slot 1..4 of the first slot whose game type, game number, piece colours and row marking are
// the current game's, or 0. Whether the slot is in use is not looked at: an empty slot never
// matches, its game type being 0.
int findFavourite(const GameSettings& settings);

// Slot k (1..4) takes the current game; the slot becomes the active favourite.
void storeFavourite(GameSettings& settings, int k);
// Slot k (1..4) is emptied; the marker goes when it stood under this slot.
void releaseFavourite(GameSettings& settings, int k);
// Every slot emptied, no favourite active.
void clearFavourites(GameSettings& settings);
bool anyFavourite(const GameSettings& settings);
// Slot k is in use and names a numbered game (the configuration does not check the number).
bool favouritePlayable(const GameSettings& settings, int k);

// The settings of slot k's game: its game type, the variant of its number (`variantKey`, from
// the records table), its look and its view options; slot k becomes the active favourite.
void applyFavourite(GameSettings& settings, int k, const std::string& variantKey);

// What a press on favourite panel k does: a left press on a used slot starts its game,
// whatever keys are held; a right press, or a left press with Ctrl or Alt, then stores or
// releases the slot.
struct FavouritePress
{
    bool start = false;
    bool toggle = false;
};
FavouritePress favouritePress(bool slotInUse, MouseButton button, Modifiers modifiers);

} // namespace mirvalon
