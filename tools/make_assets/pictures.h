// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the main window, each painted from fixed seeds: the logo beside the board,
// two surface textures and two landscape photographs behind the board, and the window icon.
#pragma once

#include <QImage>

namespace mirvalon::assets {

constexpr int kLogoWidth = 230;
constexpr int kLogoHeight = 114;
// The environment pictures fill the inside of the board panel.
constexpr int kBoardWidth = 360;
constexpr int kBoardHeight = 424;
// The window icon is painted at each size a desktop asks for; icon.png is the 64-pixel one
// under the name the program has always carried.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int kClassicIconSize = 64;

// The five window pictures are painted `scale` pixels to a design pixel: 1 for ordinary
// screens, 2 for the "@2x" pictures of high-resolution ones. Each scale paints the same
// picture from the same seeds; nothing is enlarged from a smaller bitmap.
QImage paintLogo(int scale);
QImage paintWoodTexture(int scale);
QImage paintMarbleTexture(int scale);
QImage paintLakeLandscape(int scale);
QImage paintMistyEvening(int scale);
QImage paintIcon(int size);

} // namespace mirvalon::assets
