// SPDX-License-Identifier: GPL-3.0-or-later
// The settings command of the main window: fills the settings dialog from the game's
// settings, shows it over the window and hands the player's choice to the game, loading a
// new language file on the way.
#pragma once

#include <functional>
#include <optional>

#include "engine/game.h"
#include "persistence/language_loader.h"

namespace mirvalon {

class Tfrm_Setup;

class SettingsCommand : private SetupTarget
{
public:
    SettingsCommand(Tfrm_Setup& dialog, Game& game, SettingsApplier& settings,
                    LanguageLoader& languages, std::function<void(bool)> showHints);

    // Nothing when the player cancelled; otherwise what the game made of the choice.
    std::optional<SetupResult> run(bool sharedFolderReady);

private:
    void showHints(bool on) override;
    bool loadLanguage(int language) override;

    Tfrm_Setup& m_dialog;
    Game& m_game;
    SettingsApplier& m_settings;
    LanguageLoader& m_languages;
    std::function<void(bool)> m_showHints;
};

} // namespace mirvalon
