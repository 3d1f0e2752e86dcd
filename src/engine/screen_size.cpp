// SPDX-License-Identifier: GPL-3.0-or-later
#include "screen_size.h"

#include "game_settings.h"

namespace mirvalon {

std::optional<std::string> narrowScreenRefusal(int screenWidth, int language)
{
    if (screenWidth >= kMinScreenWidth)
        return std::nullopt;
    static const char* const kRefusal[3] = {
        "Ľutujem, ale hra je spustiteľná v minimálnom rozlíšení obrazovky 800x600 bodov.",
        "Lituji, ale hra je spustitelná v minimálním rozlíšení obrazovky 800x600 bodů.",
        "I am sorry, minimum resolution of screen is 800x600 pixels."};
    return kRefusal[languageOrSlovak(language)];
}

} // namespace mirvalon
