// The main window: the board, the palette, the buttons, the status bar, the two clocks and
// the menus. It owns the game, the settings and the records for the whole run and is the
// window behind every port the game and the files side talk to.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <map>
#include <memory>

#include "engine/game.h"
#include "persistence/archive_store.h"
#include "persistence/file_system.h"
#include "persistence/folders.h"
#include "persistence/language_loader.h"
#include "persistence/records_store.h"
#include "persistence/settings_store.h"
#include "persistence/text_table.h"
#include "persistence/view_ports.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTimer;

namespace mirvalon {

class BevelBox;
class InformationPanel;
class RecordsPanel;
class Tfrm_Heslo;
class Tfrm_Rekord;

// Where the window finds its folders; tests pass temporary ones.
struct StartOptions
{
    std::string programFolder;
    std::string userBase;   // the per-user data base ($XDG_DATA_HOME)
    std::string sharedBase; // the all-users base
    Dialogs* dialogs = nullptr; // the message boxes; the window's own when none is given
    int screenWidth = -1;       // the primary screen's width when -1
};

class Tfrm_Logic : public QMainWindow,
                   private BoardView,
                   private Commands,
                   private Clock,
                   private StatusBar,
                   private EventLoop,
                   private Dialogs,
                   private SettingsView,
                   private LanguageTargets,
                   private PlainMessages
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
    BevelBox* palettePiece(int piece) const { return m_palette[piece]; }
    BevelBox* copyPiece(int position) const { return m_copies[position - 1]; }
    BevelBox* editSlot(int position) const { return m_editSlots[position - 1]; }
    BevelBox* resultSlot(int position) const { return m_resultSlots[position - 1]; }
    BevelBox* hiddenPiece(int position) const { return m_rowZero[position - 1]; }
    BevelBox* rowPiece(int row, int position) const;
    BevelBox* rowPeg(int row, int position) const;
    QLabel* rowLabel(int row) const { return m_rowLabels[row - 1]; }
    QLabel* statusPanel(int panel) const { return m_status[panel]; }
    RecordsPanel* recordsPanel() const { return m_recordsPanel; }
    InformationPanel* informationPanel() const { return m_infoPanel; }
    Tfrm_Heslo* passwordDialog() const { return m_heslo; }
    Tfrm_Rekord* newRecordDialog() const { return m_rekord; }

    // The exit command: asks when the exit warning is on, saves the settings when automatic
    // saving is on, and ends the application.
    void exitCommand();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    // Start-up and layout.
    void createControls();
    void createStatusBar();
    void createMenus();
    void createBoardControls();
    void connectCommands();
    void applyFonts();

    // BoardView
    void applyPieceLook() override;
    void refreshPieces() override;
    void showResultSlots(bool covered) override;
    void openEditRow(int row) override;
    void drawConfirmedRow(int row, int hits, int misses) override;
    void revealHiddenPiece(int position) override;
    void clearBoard() override;
    void refreshRowLabels() override;
    void showEnvironment(int environment) override;
    void closePanels() override;
    void endDrag() override;
    // Commands
    void commandsChanged(const CommandTable& table) override;
    // Clock
    int64_t timeOfDayMs() const override;
    int64_t calendarSeconds() const override;
    void setGameTimer(bool running) override;
    // StatusBar
    void setPanelText(int panel, const std::string& text) override;
    void setPanelWidths(const StatusWidths& widths) override;
    void setRecordLabelsVisible(bool visible) override;
    void setTotalTime(const std::string& text) override;
    // EventLoop
    void yieldToEvents() override;
    // Dialogs
    void showMessage(int index, int number, const std::string& text) override;
    bool askQuestion(int index) override;
    bool passwordDialog(int mode, std::string& password, std::string& authText) override;
    std::optional<std::string> newRecordDialog(const GameState& state) override;
    // SettingsView
    void showPositions(int index) override;
    void showPieceCount(int index) override;
    void showLanguage(int language) override;
    void showOption(SettingOption option, bool on) override;
    void showTotalTimePanel(bool visible) override;
    void showHints(bool on) override;
    void showFavourites(int active, const std::array<bool, 4>& filled) override;
    void reopenInformationPanel() override;
    // LanguageTargets
    void setMenuItem(const std::vector<int>& path, const std::string& caption,
                     const std::optional<std::string>& shortcut) override;
    void setContextMenuItem(int index, const std::string& caption,
                            const std::optional<std::string>& shortcut) override;
    void setMainControl(MainControl control, const std::string& caption,
                        const std::optional<std::string>& hint) override;
    void setMainLabel(MainLabel label, const std::string& caption,
                      const std::optional<std::string>& hint) override;
    void setStatusPanel(int panel, const std::string& text) override;
    void setPanelCaption(PanelCaption panel, const std::string& text) override;
    void setListColumn(int column, const std::string& title) override;
    void setUntimedStatusText(const std::string& text) override;
    void setDialogText(int kind, int group, int index, int item, const std::string& text,
                       const std::optional<std::string>& hint) override;
    // PlainMessages
    void showPlainMessage(const std::string& text) override;

    // Piece input: the mouse on the 33 movable pieces.
    void wirePiece(BevelBox* box, int piece, int copyOf);
    void piecePressed(BevelBox* box, QMouseEvent* e);
    void pieceMoved(BevelBox* box, QMouseEvent* e);
    void pieceReleased(BevelBox* box, QMouseEvent* e);
    void pieceDoubleClicked(BevelBox* box, QMouseEvent* e);
    void dropCurrentPiece();
    int slotOfBox(const BevelBox* box) const; // 1-based slot of the active row, 0 none
    QPoint slotPlace(int position) const;
    QPoint homePlace(int piece) const;
    void showPieceFace(BevelBox* box, int piece) const;

    // Commands of the window.
    void changePositions(int positions);
    void changePieceCount(int pieces);
    void changeGameType(int type);
    void changeEnvironment(int environment);
    void nextEnvironment();
    void toggleStatusGroup(Command view);
    void toggleOption(int which, bool on);
    void changeLanguage(int language);
    void toggleRecordsPanel();
    void toggleInformationPanel();
    void hideRecordsPanel();
    void hideInformationPanel();
    void activateSelectedGame(int index);
    void showArchive();
    void deleteSelectedRecord();
    void deleteAllRecords();
    void enableByRow(int index);
    void updatePaletteEnabled();
    void saveSettingsCommand();
    void randomGame();
    // The menus and pictures follow rules the game changed itself (a numbered game, a replay).
    void showRulesInMenus();

    StartOptions m_options;
    PosixFileSystem m_fs;
    std::unique_ptr<Folders> m_folders;
    Dialogs* m_dialogs; // the window itself unless a test hands one in
    TextTable m_texts = TextTable::builtIn();
    std::unique_ptr<ArchiveStore> m_archive;
    std::unique_ptr<RecordsStore> m_records;
    std::unique_ptr<Game> m_game;
    std::unique_ptr<SettingsStore> m_settingsStore;
    std::unique_ptr<LanguageLoader> m_languages;

    // Regions and controls by name.
    std::map<QString, QWidget*> m_controls;
    std::map<QString, QAction*> m_actions;
    std::map<Command, std::pair<QWidget*, QAction*>> m_commandControls;
    std::array<BevelBox*, kMaxPieces + 1> m_palette{}; // index = piece number; 0 the stand-in
    std::array<BevelBox*, kMaxPositions> m_copies{};
    std::array<BevelBox*, kMaxPositions> m_editSlots{};
    std::array<BevelBox*, kMaxPositions> m_resultSlots{};
    std::array<BevelBox*, kMaxPositions> m_rowZero{};
    std::array<std::array<BevelBox*, kMaxPositions>, kRows> m_rowPieces{};
    std::array<std::array<BevelBox*, kMaxPositions>, kRows> m_rowPegs{};
    std::array<QLabel*, kRows> m_rowLabels{};
    std::array<QLabel*, kStatusPanels> m_status{};
    std::array<QLabel*, 4> m_pictures{};
    QLabel* m_totalTime = nullptr;
    QLabel* m_lblRekord = nullptr;
    QLabel* m_lblNeprekon = nullptr;
    RecordsPanel* m_recordsPanel = nullptr;
    InformationPanel* m_infoPanel = nullptr;
    Tfrm_Heslo* m_heslo = nullptr;
    Tfrm_Rekord* m_rekord = nullptr;
    QTimer* m_timeCas = nullptr;
    QTimer* m_timeKCas = nullptr;
    QString m_windowCaption;
    std::array<QString, 2> m_gameTypeHints;

    // Drag state.
    BevelBox* m_currentPiece = nullptr;
    QPoint m_origin;
    QPoint m_grab;
    int m_sourceSlot = 0;
    bool m_recordsShown = false;
    bool m_infoShown = false;
    bool m_exitConfirmed = false;
    bool m_activated = false;
};

} // namespace mirvalon
