// SPDX-License-Identifier: GPL-3.0-or-later
// The settings side of the main window: the configuration file, the language files with Qt's
// own texts, the hints switch, and how the window shows a changed setting (check marks,
// pictures, panels) and follows settings the game changed itself.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "persistence/language_loader.h"
#include "persistence/settings_store.h"
#include "persistence/view_ports.h"

namespace mirvalon {

class Board;
class BoardPanels;
class Game;
class QtTranslations;
class StatusStrip;
class TotalTimeClock;

class WindowSettings : private SettingsView
{
public:
    struct Parts
    {
        Game& game;
        Board& board;
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
    ~WindowSettings() override;

    SettingsStore& store() { return m_store; }
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
    void chooseEnvironment(int environment); // from the menu
    void nextEnvironment();                  // a click on the picture
    void setOption(Setting which, bool on);
    // The menus and pictures follow rules the game changed itself (a numbered game, a replay,
    // a random game).
    void followGame();

private:
    void showPositions(int index) override;
    void showPieceCount(int index) override;
    void showEnvironment(int environment) override;
    void showLanguage(int language) override;
    void showOption(SettingOption option, bool on) override;
    void showTotalTimePanel(bool visible) override;
    void showHints(bool on) override;
    void showFavourites(int active, const std::array<bool, 4>& filled) override;
    void reopenInformationPanel() override;

    Game& m_game;
    Board& m_board;
    StatusStrip& m_statusStrip;
    TotalTimeClock& m_totalTimeClock;
    BoardPanels& m_panels;
    std::unique_ptr<QtTranslations> m_qtTranslations;
    SettingsStore m_store;
    LanguageLoader m_languages;
};

} // namespace mirvalon
