// SPDX-License-Identifier: GPL-3.0-or-later
// The settings command of the main window: fills the settings dialog from the game's
// settings, shows it over the window and hands the player's choice to the game, loading a
// new language file on the way.
#pragma once

#include <optional>

#include "engine/game.h"

namespace mirvalon {

class Tfrm_Setup;
class WindowSettings;

class SettingsCommand : private SetupTarget
{
public:
    // A language chosen in the dialog loads as one chosen from the menu does, Qt's own texts
    // with it.
    SettingsCommand(Tfrm_Setup& dialog, Game& game, WindowSettings& windowSettings);

    // Nothing when the player cancelled; otherwise what the game made of the choice.
    std::optional<SetupResult> run();

private:
    bool loadLanguage(int language) override;

    Tfrm_Setup& m_dialog;
    Game& m_game;
    WindowSettings& m_windowSettings;
};

} // namespace mirvalon
