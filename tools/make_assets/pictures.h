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
constexpr int kIconSize = 64;

QImage paintLogo();
QImage paintIcon();
QImage paintWoodTexture();
QImage paintMarbleTexture();
QImage paintLakeLandscape();
QImage paintMistyEvening();

} // namespace mirvalon::assets
