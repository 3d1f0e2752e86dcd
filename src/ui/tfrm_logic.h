// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the board, the palette, the buttons, the status bar, the two clocks and
// the menus. It owns the game, the settings and the records for the whole run and builds the
// parts behind every port the game and the files side talk to.
#pragma once

#include <QMainWindow>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "board.h"
#include "client_area.h"
#include "engine/game.h"
#include "persistence/archive_store.h"
#include "persistence/file_system.h"
#include "persistence/folders.h"
#include "persistence/records_store.h"
#include "persistence/text_table.h"
#include "start_options.h"
#include "status_strip.h"

class QAction;

namespace mirvalon {

class BoardAccessibility;
class BoardPanels;
class DialogLauncher;
class FavouritePanels;
class GameTimer;
class MessageBoxes;
class PaletteFocus;
class SynchroController;
class Tfrm_About;
class Tfrm_Heslo;
class Tfrm_Rekord;
class Tfrm_Setup;
class Tfrm_Rozbor;
class Tfrm_Synchro;
class TotalTimeClock;
class WindowSettings;
class WindowTexts;

// The main window. It builds its parts in the designed order (the board with piece input,
// the status strip, the message boxes, the menus, the panels over the board, the settings
// side, the dialogs), binds every command once to its button, menu item and handler, and
// forwards the player's input to the game, which decides.
class Tfrm_Logic : public QMainWindow, private Commands, private EventLoop, private SettingsView
{
    Q_OBJECT
public:
    explicit Tfrm_Logic(const StartOptions& options);
    ~Tfrm_Logic() override;

    Game& game() { return *m_game; }
    const Game& game() const { return *m_game; }
    RecordsStore& records() { return *m_records; }
    TextTable& texts() { return m_texts; }

    // Controls by their designed names ("btnNovaP", "pnlK_7", "mm2NovaP", ...).
    QWidget* control(const QString& name) const;
    QAction* menuItem(const QString& name) const;
    BevelBox* palettePiece(int piece) const { return m_board->palettePiece(piece); }
    BevelBox* copyPiece(int position) const { return m_board->copyPiece(position); }
    BevelBox* editSlot(int position) const { return m_board->editSlot(position); }
    BevelBox* resultSlot(int position) const { return m_board->resultSlot(position); }
    BevelBox* hiddenPiece(int position) const { return m_board->hiddenPiece(position); }
    BevelBox* rowPiece(int row, int position) const { return m_board->rowPiece(row, position); }
    BevelBox* rowPeg(int row, int position) const { return m_board->rowPeg(row, position); }
    QLabel* rowLabel(int row) const { return m_board->rowLabel(row); }
    QLabel* statusPanel(int panel) const { return m_statusStrip->panel(panel); }
    RecordsPanel* recordsPanel() const { return m_area.recordsPanel; }
    InformationPanel* informationPanel() const { return m_area.infoPanel; }
    BoardAccessibility* accessibility() const { return m_accessibility; }
    // Built when first needed.
    Tfrm_Heslo* passwordDialog();
    Tfrm_Rekord* newRecordDialog();
    Tfrm_About* aboutBox() const;
    Tfrm_Synchro* synchroDialog() const;
    SynchroController& synchronisation();
    Tfrm_Setup* settingsDialog() const;
    Tfrm_Rozbor* reviewDialog() const;

    // The hint of favourite panel k (1..4) in the current language; hidden while it is used.
    void setFavouriteHint(int k, const QString& hint);

    // The exit command: the game asks when the exit warning is on; then the settings are
    // saved when automatic saving is on, and the application ends. False when the player
    // stays.
    bool exitCommand();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void showDamageNotes();
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

    // Builders, in the order the window is made: the client area, the status bar and the menus
    // (tfrm_logic_layout.cpp), the parts that follow the game, the commands' bindings.
    void createControls();
    void createStatusBar();
    void createMenus();
    void createParts();
    void createReaderParts();
    void bindCommands();

    // Commands (tfrm_logic_commands.cpp)
    void commandsChanged(const CommandTable& table) override;
    // EventLoop
    void yieldToEvents() override;
    // SettingsView
    void settingShown(Setting which, const GameSettings& settings) override;

    // The menus and pictures follow rules the game changed itself; the focus goes back to the
    // new game.
    void afterRulesChanged();
    void focusNewGame();
    void openSettings();

    StartOptions m_options;
    PosixFileSystem m_fs;
    std::unique_ptr<Folders> m_folders;
    TextTable m_texts = TextTable::builtIn();
    std::unique_ptr<MessageBoxes> m_messageBoxes;
    Dialogs* m_dialogs = nullptr; // the message boxes unless a test hands its own in
    Random m_random;
    std::unique_ptr<ArchiveStore> m_archive;
    std::unique_ptr<RecordsStore> m_records;
    std::unique_ptr<StatusStrip> m_statusStrip;
    std::unique_ptr<GameTimer> m_timer;
    std::unique_ptr<Game> m_game;
    std::unique_ptr<WindowTexts> m_windowTexts;
    std::unique_ptr<BoardPanels> m_panels;
    std::unique_ptr<WindowSettings> m_settings;
    std::unique_ptr<DialogLauncher> m_launcher;
    std::unique_ptr<FavouritePanels> m_favourites;

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
    // The table the controls show now: a command that has just become usable can take the focus.
    CommandTable m_applied;
    ClientArea m_area;
    Board* m_board = nullptr;
    PaletteFocus* m_paletteFocus = nullptr;
    BoardAccessibility* m_accessibility = nullptr;
    Tfrm_Heslo* m_heslo = nullptr;
    Tfrm_Rekord* m_rekord = nullptr;
    TotalTimeClock* m_totalTimeClock = nullptr;
    QString m_windowCaption;

    // Damaged files found before the window was first active wait for it (file, kept copy).
    std::vector<std::pair<std::string, std::string>> m_damageNotes;
    bool m_activated = false;
    bool m_deliveredCopied = false; // the delivered files wait for the first frame
};

} // namespace mirvalon
