// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_command.h"

#include "tfrm_setup.h"
#include "window_settings.h"

namespace mirvalon {

SettingsCommand::SettingsCommand(Tfrm_Setup& dialog, Game& game, WindowSettings& windowSettings)
    : m_dialog(dialog), m_game(game), m_windowSettings(windowSettings)
{
}

std::optional<SetupResult> SettingsCommand::run()
{
    m_dialog.fillSettingsDialog(m_game.setupForm());
    if (m_dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return m_game.applySetup(m_dialog.choice(), m_dialog.opening(), *this);
}

bool SettingsCommand::loadLanguage(int language)
{
    return m_windowSettings.loadLanguage(language);
}

} // namespace mirvalon
