// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs the main window opens on the player's command: settings, about, synchronisation,
// open and save a game, save the board as a picture, print it, and the documents the desktop
// shows. Each runs over the window; the game decides what follows.
#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "engine/setup_choice.h"
#include "persistence/documents.h"
#include "start_options.h"

class QWidget;

namespace mirvalon {

class DesktopOpener;
class FileSystem;
class Folders;
class Game;
class MessageBoxes;
class OutputCommands;
class PrintLibrary;
class QtOutputDialogs;
class RecordsStore;
class SavedGames;
class SettingsCommand;
class SynchroController;
class Tfrm_About;
class Tfrm_Rozbor;
class Tfrm_Setup;
class Tfrm_Synchro;
class WindowSettings;

class DialogLauncher
{
public:
    struct Parts
    {
        QWidget& window;
        Game& game;
        Dialogs& dialogs;
        MessageBoxes& messageBoxes;
        FileSystem& fs;
        const Folders& folders;
        RecordsStore& records;
        WindowSettings& windowSettings;
    };
    // The dialogs are made over `parts.window`; `options` may stand in for the print, file and
    // desktop dialogs.
    DialogLauncher(const Parts& parts, const StartOptions& options);
    ~DialogLauncher();

    // Each made on first use.
    Tfrm_About* aboutBox();
    Tfrm_Setup* settingsDialog();
    Tfrm_Synchro* synchroDialog();
    Tfrm_Rozbor* reviewDialog();
    SynchroController& synchronisation() { return *m_syncRunner; }
    OutputCommands& output() { return *m_output; }
    // The caption while the game names a saved file.
    const QString& fileCaption() const;
    // The lines of the about box that the language file does not carry.
    void setLanguage(int language);

    // Nothing when the player cancelled; otherwise what the game made of the choice.
    std::optional<SetupResult> openSettings();
    void showAboutBox();
    // The look back at the game that has ended, over the board.
    void showReview();
    // The manual and the reference text of the language in use, from the program folder; the
    // viewer runs on its own, so the game goes on at once.
    void openDocument(Document document);
    void synchronise();
    // True when a task from the file was laid out on the board.
    bool openGame(const QString& baseCaption);
    void saveGame();
    void savePicture();
    void printBoard();

private:
    QWidget& m_window;
    Game& m_game;
    Dialogs& m_dialogs;
    MessageBoxes& m_messageBoxes;
    FileSystem& m_fs;
    const Folders& m_folders;
    RecordsStore& m_records;
    WindowSettings& m_windowSettings;
    Tfrm_About* m_about = nullptr;
    Tfrm_Rozbor* m_review = nullptr;
    Tfrm_Setup* m_setup = nullptr;
    Tfrm_Synchro* m_synchro = nullptr;
    std::unique_ptr<PrintLibrary> m_printing; // loaded on the first print
    std::unique_ptr<QtOutputDialogs> m_outputDialogs;
    std::unique_ptr<OutputCommands> m_output;
    std::unique_ptr<DesktopOpener> m_desktopOpener;
    DocumentOpener* m_opener; // the desktop's unless a test hands its own in
    std::unique_ptr<SavedGames> m_savedGames;
    std::unique_ptr<SettingsCommand> m_settingsCommand;
    std::unique_ptr<SynchroController> m_syncRunner;
};

} // namespace mirvalon
