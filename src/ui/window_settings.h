// SPDX-License-Identifier: GPL-3.0-or-later
// The settings side of the main window: the configuration file, the language files with Qt's
// own texts, the hints switch, and what a setting shows besides the check marks and the
// board's picture (the total-time panel, the tool tips, the information panel).
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "engine/ports.h"
#include "persistence/language_loader.h"
#include "persistence/settings_store.h"
#include "persistence/view_ports.h"

namespace mirvalon {

class BoardPanels;
class Game;
class QtTranslations;
class StatusStrip;
class TotalTimeClock;

class WindowSettings
{
public:
    struct Parts
    {
        Game& game;
        StatusStrip& statusStrip;
        TotalTimeClock& totalTimeClock;
        BoardPanels& panels;
        FileSystem& fs;
        Dialogs& dialogs;
        PlainMessages& plainMessages;
        TextTable& texts;
        LanguageTargets& targets;
        std::string programFolder;
        std::string dataFolder;
    };
    explicit WindowSettings(const Parts& parts);
    ~WindowSettings();

    // The configuration at start, and the defaults when it was missing or damaged.
    void loadSettings();
    void saveSettings(bool applicationEnding);
    // What the game's settings show besides the command table and the board.
    void show(Setting which, const GameSettings& settings);
    // Run after a language file loaded, with the language it holds.
    std::function<void(int)> onLanguageLoaded;

    // Tool tips of the whole application on or off.
    static void setHintsShown(bool on);

    // Every text of the game follows a language file that loaded, and so do Qt's own dialogs:
    // the menu, the settings dialog and the window's activation all load languages here.
    bool loadLanguage(int language);
    // The saved language is loaded at every activation of the window; the first switches to it.
    void loadSavedLanguage();
    void changeLanguage(int language);

private:
    Game& m_game;
    StatusStrip& m_statusStrip;
    TotalTimeClock& m_totalTimeClock;
    BoardPanels& m_panels;
    std::unique_ptr<QtTranslations> m_qtTranslations;
    SettingsStore m_store;
    LanguageLoader m_languages;
};

} // namespace mirvalon
