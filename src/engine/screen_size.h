// SPDX-License-Identifier: GPL-3.0-or-later
// The smallest screen the game runs on. The window is as wide as the designed board and does
// not shrink, so on a narrower screen the game says so and ends.
#pragma once

#include <optional>
#include <string>

namespace mirvalon {

constexpr int kMinScreenWidth = 800;

// What the player is told on a screen `screenWidth` pixels wide, in `language` (Slovak for one
// that names none); nothing on a screen wide enough.
std::optional<std::string> narrowScreenRefusal(int screenWidth, int language);

} // namespace mirvalon
