// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up in its fixed order, the parts that follow the game, activation and shutdown, and
// the ports the window answers itself: the event loop and the settings.
#include "tfrm_logic.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <optional>

#include "application_look.h"
#include "bevel_box.h"
#include "board_accessibility.h"
#include "board_panels.h"
#include "dialog_launcher.h"
#include "engine/screen_size.h"
#include "environment_picture.h"
#include "favourite_panels.h"
#include "game_timer.h"
#include "information_panel.h"
#include "message_boxes.h"
#include "palette_focus.h"
#include "persistence/cp1250.h"
#include "plain_text.h"
#include "records_panel.h"
#include "synchro_controller.h"
#include "tfrm_heslo.h"
#include "tfrm_rekord.h"
#include "total_time_clock.h"
#include "window_settings.h"
#include "window_texts.h"

namespace mirvalon {

Tfrm_Logic::Tfrm_Logic(const StartOptions& options) : m_options(options)
{
    // The program sets the look before this window exists; a window built alone sets it here.
    prepareApplicationLook();
    setObjectName(QStringLiteral("Tfrm_Logic"));
    setWindowTitle(QStringLiteral("  Mirvalon  1.7"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    createControls();
    createStatusBar();
    createMenus();
    m_favourites = std::make_unique<FavouritePanels>(m_area.favourites, centralWidget());
    m_favourites->onPress = [this](int k, MouseButton button, Modifiers keys) {
        if (m_game->pressFavourite(k, button, keys))
            afterRulesChanged();
    };
    m_board = new Board(centralWidget(), m_controls);
    const auto& pictures = m_area.pictures;
    m_board->setPictures({pictures[0], pictures[1], pictures[2], pictures[3]});
    m_board->setPanels(m_area.recordsPanel, m_area.infoPanel);
    m_board->onClosePanels = [this] { m_panels->closePanels(); };
    // The password and new-record dialogs are built when first needed: a start that shows the
    // window sooner.
    m_messageBoxes = std::make_unique<MessageBoxes>(
        this, m_texts, [this] { return passwordDialog(); }, [this] { return newRecordDialog(); });
    m_dialogs = options.dialogs ? options.dialogs : m_messageBoxes.get();
    // Captions come from language files, names from records and the shared folder.
    showPlainText(*this);

    // Folders: the data folder, then the shared one; the data folder is current from now on.
    m_folders = std::make_unique<Folders>(m_fs, options.programFolder, options.userBase,
                                          options.sharedBase);
    m_folders->setUp();

    const int screenWidth = options.screenWidth >= 0 ? options.screenWidth
                            : QGuiApplication::primaryScreen()
                                ? QGuiApplication::primaryScreen()->availableGeometry().width()
                                : 1024;
    setFixedSize(780, menuBar()->sizeHint().height() + 500 + 22);
    if (screenWidth > 800 && QGuiApplication::primaryScreen()) {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        move(screen.left() + (screen.width() - 788) / 2,
             screen.top() + (screen.height() - 568) / 2);
    } else if (screenWidth == 800) {
        move(13, 0);
    } else {
        move(333, 168);
    }
    m_windowCaption = windowTitle();

    m_archive = std::make_unique<ArchiveStore>(m_fs, *m_dialogs, m_folders->dataFolder(),
                                               m_folders->programFolder());
    m_records =
        std::make_unique<RecordsStore>(m_fs, *m_dialogs, *m_archive, m_folders->dataFolder());
    m_timer = std::make_unique<GameTimer>(
        this, [this] { m_game->clockTick(); }, options.timeOfDayMs);
    m_game = std::make_unique<Game>(Ports{*m_board, *m_dialogs, *this, *m_timer, *m_statusStrip,
                                          *this, *m_records, *this,
                                          options.random ? *options.random : m_random});
    m_board->setGame(m_game.get());
    m_paletteFocus =
        new PaletteFocus(m_area.palette, *m_board, *m_game, [this] { focusNewGame(); });
    createReaderParts();
    m_messageBoxes->setSettings(&m_game->settings());
    createParts();
    // Every setting, the records and the game's start-up each change the command table; the
    // window applies it once, when all of them are in.
    std::optional<Game::Publisher> startingUp(std::in_place, *m_game);
    m_settings->loadSettings();
    // A damaged records file or archive keeps what is good in it; the player learns where the
    // damaged one was kept once the window is up and speaks the player's language.
    const DamageNote note = [this](const std::string& file, const std::string& copy) {
        m_damageNotes.emplace_back(file, copy);
        if (m_activated)
            showDamageNotes();
    };
    m_records->setDamageNote(note);
    m_records->setDiskFullNote([this](const std::string& file) {
        m_messageBoxes->showPlainMessage(diskFullMessage(file, m_game->settings().language));
    });
    m_archive->setDamageNote(note);
    m_records->loadRecords();
    // Records are exchanged at start-up when the player asked for it.
    if (m_game->settings().syncAtStart)
        m_launcher->synchronisation().synchronise(0);

    bindCommands();
    m_game->setUntimedStatusText(m_texts.untimedStatusText);
    m_game->startUp();
    // The synchronisation commands follow the shared folder from the start, not only from
    // the window's first activation.
    m_game->activate(m_folders->sharedFolderReady());
    startingUp.reset();
    // The running time counts from here on; a panel shown by the settings starts from zero.
    m_game->totalTimeTick();
    m_totalTimeClock->setRunning(m_game->settings().showTotalTime);

    if (const auto refusal = narrowScreenRefusal(screenWidth, m_game->settings().language))
        QTimer::singleShot(0, this, [this, text = *refusal] {
            m_messageBoxes->showPlainMessage(text);
            exitCommand();
        });
}

// The parts that follow the game: the panels over the board, the settings side with the
// language files, and the dialogs, the synchronisation last among them.
void Tfrm_Logic::createParts()
{
    m_panels = std::make_unique<BoardPanels>(
        BoardPanels::Parts{*m_area.recordsPanel, *m_area.infoPanel, *m_board, *m_game, *m_records,
                           *m_archive, *m_dialogs, m_folders->programFolder()},
        [this] { focusNewGame(); }, [this] { afterRulesChanged(); });
    m_windowTexts = std::make_unique<WindowTexts>(*this);
    m_totalTimeClock = new TotalTimeClock(
        this, [this] { return m_game->totalTimeMs(); }, [this] { m_game->totalTimeTick(); });
    m_settings = std::make_unique<WindowSettings>(WindowSettings::Parts{
        *m_game, *m_statusStrip, *m_totalTimeClock, *m_panels, m_fs, *m_dialogs, *m_messageBoxes,
        m_texts, *m_windowTexts, m_folders->programFolder(), m_folders->dataFolder()});
    m_launcher = std::make_unique<DialogLauncher>(
        DialogLauncher::Parts{*this, *m_game, *m_dialogs, *m_messageBoxes, m_fs, *m_folders,
                              *m_records, *m_settings},
        m_options);
    m_settings->onLanguageLoaded = [this](int language) { m_launcher->setLanguage(language); };
    m_launcher->synchronisation().setRecordsChanged([this] {
        m_panels->refreshRecords();
        m_game->recordsReloaded();
    });
}

Tfrm_Logic::~Tfrm_Logic()
{
    // A shown window hands its focus on as it closes, and the palette asks the game about it:
    // it closes while the game is still there. The game is gone before the widgets it reports
    // to.
    hide();
    m_accessibility->detach();
    m_launcher.reset();
    m_settings.reset();
    m_windowTexts.reset();
    m_panels.reset();
    m_game.reset();
}

// What a screen reader hears of the board: its rows and palette, each confirmed row's answer,
// and the time and score when the player asks for them (F11).
void Tfrm_Logic::createReaderParts()
{
    m_accessibility = new BoardAccessibility(
        {centralWidget(), m_area.board, m_area.palette, *m_board, *m_game, *m_paletteFocus});
    m_board->onRowDrawn = [this](int row, int hits, int misses) {
        m_accessibility->rowConfirmed(row, hits, misses);
    };
    m_paletteFocus->onFocusShown = [this](int piece) { m_accessibility->paletteFocusMoved(piece); };
    auto* status = new QAction(this);
    status->setObjectName(QStringLiteral("actReadStatus"));
    status->setShortcut(Qt::Key_F11);
    connect(status, &QAction::triggered, m_accessibility, &BoardAccessibility::sayStatus);
    addAction(status);
}

Tfrm_About* Tfrm_Logic::aboutBox() const
{
    return m_launcher->aboutBox();
}

Tfrm_Synchro* Tfrm_Logic::synchroDialog() const
{
    return m_launcher->synchroDialog();
}

SynchroController& Tfrm_Logic::synchronisation()
{
    return m_launcher->synchronisation();
}

namespace {

bool storable(const QString& text)
{
    return fitsCp1250(text.toStdString());
}

} // namespace

Tfrm_Heslo* Tfrm_Logic::passwordDialog()
{
    if (!m_heslo) {
        m_heslo = new Tfrm_Heslo(this);
        m_heslo->setTextFilter(storable);
        showPlainText(*m_heslo);
    }
    return m_heslo;
}

Tfrm_Rekord* Tfrm_Logic::newRecordDialog()
{
    if (!m_rekord) {
        m_rekord = new Tfrm_Rekord(this);
        m_rekord->setTextFilter(storable);
        showPlainText(*m_rekord);
    }
    return m_rekord;
}

Tfrm_Rozbor* Tfrm_Logic::reviewDialog() const
{
    return m_launcher->reviewDialog();
}

Tfrm_Setup* Tfrm_Logic::settingsDialog() const
{
    return m_launcher->settingsDialog();
}

QWidget* Tfrm_Logic::control(const QString& name) const
{
    const auto it = m_controls.find(name);
    return it == m_controls.end() ? nullptr : it->second;
}

QAction* Tfrm_Logic::menuItem(const QString& name) const
{
    const auto it = m_actions.find(name);
    return it == m_actions.end() ? nullptr : it->second;
}

bool Tfrm_Logic::event(QEvent* e)
{
    // The first paint is under way: the delivered record games and the sample games are
    // copied once its frame is out.
    if (e->type() == QEvent::Paint && !m_deliveredCopied) {
        m_deliveredCopied = true;
        QTimer::singleShot(0, this, [this] {
            m_records->seedArchive();
            m_folders->copySampleGames();
        });
    }
    if (e->type() == QEvent::WindowActivate && m_settings) {
        Game::Publisher once(*m_game);
        m_settings->loadSavedLanguage();
        m_game->activate(m_folders->sharedFolderReady());
        m_activated = true;
        showDamageNotes();
    }
    return QMainWindow::event(e);
}

void Tfrm_Logic::showDamageNotes()
{
    if (m_damageNotes.empty())
        return;
    QTimer::singleShot(0, this, [this, notes = std::move(m_damageNotes)] {
        for (const auto& [file, copy] : notes)
            m_messageBoxes->showPlainMessage(
                damagedFileMessage(file, copy, m_game->settings().loadedLanguage));
    });
    m_damageNotes.clear();
}

void Tfrm_Logic::closeEvent(QCloseEvent* e)
{
    if (m_game->state().closing || exitCommand())
        e->accept();
    else
        e->ignore();
}

bool Tfrm_Logic::exitCommand()
{
    if (m_game->state().closing)
        return true;
    const Leaving leaving = m_game->close();
    if (leaving == Leaving::Stay)
        return false;
    hide();
    if (leaving == Leaving::SaveSettingsAndQuit)
        m_settings->saveSettings(true);
    m_timer->setGameTimer(false);
    m_totalTimeClock->setRunning(false);
    QCoreApplication::quit();
    return true;
}

// ---- Event loop ----

void Tfrm_Logic::yieldToEvents()
{
    QCoreApplication::processEvents();
}

// ---- Settings ----

void Tfrm_Logic::settingShown(Setting which, const GameSettings& settings)
{
    if (m_settings)
        m_settings->show(which, settings);
}

void Tfrm_Logic::setFavouriteHint(int k, const QString& hint)
{
    m_favourites->setHint(k, hint);
}

} // namespace mirvalon
