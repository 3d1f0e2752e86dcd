// SPDX-License-Identifier: GPL-3.0-or-later
// The 192 numbered games: number, level and key of the variant that the rule settings make up.
#pragma once

#include <string>

#include "game_settings.h"

namespace mirvalon {

constexpr int kGameCount = 192;

struct VariantInfo
{
    int number = 1;         // 1..192
    int level = 1;          // 1..13
    std::string key;        // "719_aknB", or "EASY" / "GOLD"
    std::string numberText; // decimal, or "EASY" / "GOLD"
};

// 0, 1, 2 for 11, 19, 25 pieces; -1 for any other count.
int pieceIndex(int pieceCount);

VariantInfo computeVariant(const GameSettings& settings);

// The key of game n (1..192) as the built-in reference table names it ("511_AknB" ...).
std::string referenceKey(int gameNumber);

// Applies the positions, pieces and four options named by an eight-character key.
// Characters that name nothing leave their field as it was.
void applyVariantKey(GameSettings& settings, const std::string& key);

// 0 for game 1, 2 for game 192, 1 otherwise; game 192 is played with grey pieces only.
void followGameForm(GameSettings& settings);

} // namespace mirvalon
