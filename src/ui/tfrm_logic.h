// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the board, the palette, the buttons, the status bar, the two clocks and
// the menus. It owns the game, the settings and the records for the whole run and is the
// window behind every port the game and the files side talk to.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <memory>

#include "engine/game.h"
#include "persistence/archive_store.h"
#include "persistence/documents.h"
#include "persistence/file_system.h"
#include "persistence/folders.h"
#include "persistence/language_loader.h"
#include "persistence/records_store.h"
#include "persistence/settings_store.h"
#include "persistence/text_table.h"
#include "persistence/view_ports.h"
#include "saved_game_dialog.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace mirvalon {

class BevelBox;
class Board;
class FavouritePanels;
class SavedGames;
class EnvironmentPicture;
class InformationPanel;
class MessageBoxes;
class OutputCommands;
class OutputDialogs;
class PaletteFocus;
class RecordsPanel;
class QtTranslations;
class Tfrm_About;
class SettingsCommand;
class Tfrm_Setup;
class Tfrm_Heslo;
class Tfrm_Rekord;
class Tfrm_Synchro;
class SynchroController;
class StatusStrip;
class TotalTimeClock;
class WindowTexts;

// Where the window finds its folders; tests pass temporary ones.
struct StartOptions
{
    std::string programFolder;
    std::string userBase;       // the per-user data base ($XDG_DATA_HOME)
    std::string sharedBase;     // the all-users base
    Dialogs* dialogs = nullptr; // the message boxes; the window's own when none is given
    OutputDialogs* outputDialogs = nullptr; // print and save-picture dialogs; likewise
    DocumentOpener* opener = nullptr;       // the shell's "open"; the desktop's when none is given
    int screenWidth = -1;                   // the primary screen's width when -1
    // Answers the open and save dialogs of saved games instead of the player (tests).
    std::function<QString(SavedGameDialog)> chooseSavedGame;
};

// The main window. It builds its parts in the designed order (the board with piece input,
// the status strip, the message boxes, the menus), binds every command once to its button,
// menu item and handler, and forwards the player's input to the game, which decides.
class Tfrm_Logic : public QMainWindow,
                   private Commands,
                   private Clock,
                   private EventLoop,
                   private SettingsApplier,
                   private SettingsView
{
    Q_OBJECT
public:
    explicit Tfrm_Logic(const StartOptions& options);
    ~Tfrm_Logic() override;

    Game& game() { return *m_game; }
    const Game& game() const { return *m_game; }
    RecordsStore& records() { return *m_records; }
    TextTable& texts() { return m_texts; }
    const Folders& folders() const { return *m_folders; }

    // Controls by their designed names ("btnNovaP", "pnlK_7", "mm2NovaP", ...).
    QWidget* control(const QString& name) const;
    QAction* menuItem(const QString& name) const;
    BevelBox* palettePiece(int piece) const;
    BevelBox* copyPiece(int position) const;
    BevelBox* editSlot(int position) const;
    BevelBox* resultSlot(int position) const;
    BevelBox* hiddenPiece(int position) const;
    BevelBox* rowPiece(int row, int position) const;
    BevelBox* rowPeg(int row, int position) const;
    QLabel* rowLabel(int row) const;
    QLabel* statusPanel(int panel) const;
    RecordsPanel* recordsPanel() const { return m_recordsPanel; }
    InformationPanel* informationPanel() const { return m_infoPanel; }
    PaletteFocus* paletteFocus() const { return m_paletteFocus; }
    Tfrm_Heslo* passwordDialog() const { return m_heslo; }
    Tfrm_Rekord* newRecordDialog() const { return m_rekord; }
    Tfrm_About* aboutBox() const { return m_about; }

    // The hint of favourite panel k (1..4) in the current language; hidden while it is used.
    void setFavouriteHint(int k, const QString& hint);
    int favouriteMarkerLeft() const; // -1 while no favourite is marked
    Tfrm_Synchro* synchroDialog() const { return m_synchro; }
    SynchroController& synchronisation() { return *m_syncRunner; }
    Tfrm_Setup* settingsDialog() const { return m_setup; }

    // The exit command: asks when the exit warning is on, saves the settings when automatic
    // saving is on, and ends the application.
    void exitCommand();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // One row of the command table: the command, its button or panel on the window, its main
    // menu item and its item in the records list's context menu (designed names, nullptr when
    // it has none), and the handler that all of them run.
    struct CommandBinding
    {
        Command command;
        const char* button;
        const char* item;
        const char* contextItem;
        void (*handler)(Tfrm_Logic&);
    };
    static const std::vector<CommandBinding>& commandTable();

    // Start-up and layout (tfrm_logic_layout.cpp, tfrm_logic_menus.cpp).
    void createControls();
    void createStatusBar();
    void createMenus();
    void bindCommands();
    void connectRecordsList();

    // Commands
    void commandsChanged(const CommandTable& table) override;
    // Clock
    int64_t timeOfDayMs() const override;
    int64_t calendarSeconds() const override;
    void setGameTimer(bool running) override;
    // EventLoop
    void yieldToEvents() override;
    // SettingsApplier
    void applySetting(Setting which, int32_t value) override;
    // SettingsView: the check marks follow the settings through the command table.
    void showPositions(int index) override;
    void showPieceCount(int index) override;
    void showEnvironment(int environment) override;
    void showLanguage(int language) override;
    void showOption(SettingOption option, bool on) override;
    void showTotalTimePanel(bool visible) override;
    void showHints(bool on) override;
    void showFavourites(int active, const std::array<bool, 4>& filled) override;
    void reopenInformationPanel() override;
    // Handlers of the window's commands (tfrm_logic_commands.cpp).
    void afterRulesChanged();
    void changeLanguage(int language);
    void toggleOption(Setting which, bool on);
    void chooseEnvironment(int environment); // from the menu
    void nextEnvironment();                  // a click on the picture
    void saveSettingsCommand();
    bool loadLanguage(int language);
    void openDocument(Document document);
    void showAboutBox();
    void randomGame();
    void openSettings();
    // The panels over the board and the records list (tfrm_logic_panels.cpp).
    void closePanels();
    void toggleRecordsPanel();
    void toggleInformationPanel();
    // The information text of the language into the panel's box; when it is missing, the
    // panel closes and message 6 names the file. `name` is the file's name either way.
    bool loadInformationText(std::string& name);
    void printInformation();
    void hideRecordsPanel();
    void hideInformationPanel();
    void focusNewGame();
    void activateSelectedGame(int index);
    void showArchive();
    void deleteSelectedRecord();
    void deleteAllRecords();

    StartOptions m_options;
    PosixFileSystem m_fs;
    std::unique_ptr<Folders> m_folders;
    TextTable m_texts = TextTable::builtIn();
    std::unique_ptr<MessageBoxes> m_messageBoxes;
    Dialogs* m_dialogs = nullptr; // the message boxes unless a test hands its own in
    std::unique_ptr<ArchiveStore> m_archive;
    std::unique_ptr<RecordsStore> m_records;
    std::unique_ptr<StatusStrip> m_statusStrip;
    std::unique_ptr<Game> m_game;
    std::unique_ptr<SettingsStore> m_settingsStore;
    std::unique_ptr<WindowTexts> m_windowTexts;
    std::unique_ptr<LanguageLoader> m_languages;
    std::unique_ptr<OutputDialogs> m_outputDialogs;
    std::unique_ptr<OutputCommands> m_output;
    std::unique_ptr<QtTranslations> m_qtTranslations;
    std::unique_ptr<DocumentOpener> m_desktopOpener;
    DocumentOpener* m_opener = nullptr; // the desktop's unless a test hands its own in
    std::unique_ptr<SynchroController> m_syncRunner;
    std::unique_ptr<SettingsCommand> m_settingsCommand;

    // Regions and controls by name.
    std::map<QString, QWidget*> m_controls;
    std::map<QString, QAction*> m_actions;
    // The controls bound to each command, as the command table applies them.
    struct BoundControls
    {
        QWidget* button = nullptr;
        QAction* item = nullptr;
        QAction* contextItem = nullptr;
    };
    std::map<Command, BoundControls> m_bound;
    Board* m_board = nullptr;
    std::array<EnvironmentPicture*, 4> m_pictures{};
    QLabel* m_totalTime = nullptr;
    QLabel* m_lblRekord = nullptr;
    QLabel* m_lblNeprekon = nullptr;
    RecordsPanel* m_recordsPanel = nullptr;
    InformationPanel* m_infoPanel = nullptr;
    Tfrm_About* m_about = nullptr;
    PaletteFocus* m_paletteFocus = nullptr;
    Tfrm_Setup* m_setup = nullptr;
    Tfrm_Heslo* m_heslo = nullptr;
    Tfrm_Rekord* m_rekord = nullptr;
    Tfrm_Synchro* m_synchro = nullptr;
    QTimer* m_timeCas = nullptr;
    TotalTimeClock* m_totalTimeClock = nullptr;
    QString m_windowCaption;
    std::unique_ptr<FavouritePanels> m_favourites;
    std::unique_ptr<SavedGames> m_savedGames;

    bool m_exitConfirmed = false;
};

} // namespace mirvalon
