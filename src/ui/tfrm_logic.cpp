// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up in its fixed order, activation, shutdown, and the ports through which the game
// and the files side reach the window: commands, clock, event loop, settings.
#include "tfrm_logic.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <ctime>

#include "application_look.h"
#include "bevel_box.h"
#include "board.h"
#include "desktop_opener.h"
#include "environment_picture.h"
#include "favourite_panels.h"
#include "information_panel.h"
#include "message_boxes.h"
#include "output_commands.h"
#include "output_dialogs.h"
#include "palette_focus.h"
#include "persistence/cp1250.h"
#include "plain_text.h"
#include "qt_translations.h"
#include "records_panel.h"
#include "saved_games.h"
#include "settings_command.h"
#include "status_strip.h"
#include "synchro_controller.h"
#include "tfrm_about.h"
#include "tfrm_heslo.h"
#include "tfrm_rekord.h"
#include "tfrm_setup.h"
#include "tfrm_synchro.h"
#include "total_time_clock.h"
#include "window_texts.h"

namespace mirvalon {

namespace {

// Swallows tool tips while the hints are switched off.
class HintSwitch : public QObject
{
public:
    using QObject::QObject;
    bool on = true;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!on && event->type() == QEvent::ToolTip)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

HintSwitch* hintSwitch()
{
    static HintSwitch* s = [] {
        auto* h = new HintSwitch(qApp);
        qApp->installEventFilter(h);
        return h;
    }();
    return s;
}

} // namespace

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
    m_favourites = std::make_unique<FavouritePanels>(
        std::array<BevelBox*, 4>{
            static_cast<BevelBox*>(control("pnl1")), static_cast<BevelBox*>(control("pnl2")),
            static_cast<BevelBox*>(control("pnl3")), static_cast<BevelBox*>(control("pnl4"))},
        centralWidget());
    m_favourites->onPress = [this](int k, MouseButton button, Modifiers keys) {
        if (m_game->pressFavourite(k, button, keys))
            afterRulesChanged();
    };
    m_board = new Board(centralWidget(), m_controls);
    m_board->setPictures({m_pictures[0], m_pictures[1], m_pictures[2], m_pictures[3]});
    m_board->setPanels(m_recordsPanel, m_infoPanel);
    m_board->onClosePanels = [this] { closePanels(); };
    m_about = new Tfrm_About(this);
    m_about->onLinkClicked = [this] { openDocument(Document::Manual); };
    m_setup = new Tfrm_Setup(this);
    // The dialog's manual button opens the same manual as "Kombinácie hier".
    m_setup->setManualAvailable(true);
    connect(m_setup, &Tfrm_Setup::manualRequested, this,
            [this] { openDocument(Document::Manual); });
    m_heslo = new Tfrm_Heslo(this);
    m_rekord = new Tfrm_Rekord(this);
    m_messageBoxes = std::make_unique<MessageBoxes>(this, m_texts, m_heslo, m_rekord);
    m_dialogs = options.dialogs ? options.dialogs : m_messageBoxes.get();
    m_outputDialogs = std::make_unique<QtOutputDialogs>(this);
    m_output = std::make_unique<OutputCommands>(
        *this, options.outputDialogs ? *options.outputDialogs : *m_outputDialogs, m_fs);
    m_desktopOpener = std::make_unique<DesktopOpener>();
    m_opener = options.opener ? options.opener : m_desktopOpener.get();
    // Qt's own dialogs speak the game's language from the start.
    m_qtTranslations = std::make_unique<QtTranslations>();
    m_qtTranslations->apply(0);
    const auto storable = [](const QString& t) { return fitsCp1250(t.toStdString()); };
    m_heslo->setTextFilter(storable);
    m_rekord->setTextFilter(storable);
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
    m_game = std::make_unique<Game>(
        Ports{*m_board, *m_dialogs, *this, *this, *m_statusStrip, *this, *m_records, *this});
    m_board->setGame(m_game.get());
    m_paletteFocus = new PaletteFocus(control("pnlKocky"), *m_board, *m_game);
    m_savedGames = std::make_unique<SavedGames>(
        *m_game, *m_dialogs, m_fs,
        options.chooseSavedGame ? options.chooseSavedGame : [this](SavedGameDialog kind) {
            return chooseSavedGame(this, kind, QString::fromStdString(m_folders->dataFolder()));
        });
    m_messageBoxes->setSettings(&m_game->settings(), m_folders->sharedFolderReady());
    SettingsView& view = *this;
    m_windowTexts = std::make_unique<WindowTexts>(*this);
    LanguageTargets& targets = *m_windowTexts;
    PlainMessages& plain = *m_messageBoxes;
    m_settingsStore = std::make_unique<SettingsStore>(m_game->settings(), m_fs, *m_dialogs, view,
                                                      m_folders->dataFolder());
    m_languages = std::make_unique<LanguageLoader>(m_fs, m_folders->programFolder(),
                                                   m_game->settings(), m_texts, targets, plain);
    m_totalTimeClock = new TotalTimeClock(
        this, [this] { return m_game->totalTimeMs(); }, [this] { m_game->totalTimeTick(); });
    SettingsApplier& applier = *this;
    m_settingsCommand = std::make_unique<SettingsCommand>(*m_setup, *m_game, applier, *m_languages,
                                                          [this](bool on) { showHints(on); });
    m_setup->setRecordPoints([this](int number) { return m_records->entry(number - 1).points; });
    if (!m_settingsStore->loadSettings())
        m_settingsStore->resetSettings();
    m_records->loadRecords();

    // Synchronisation: the dialog comes last among the dialogs; records are exchanged at
    // start-up when the player asked for it, and after each new record the player shares.
    m_syncRunner =
        std::make_unique<SynchroController>(m_fs, *m_records, *m_dialogs, m_folders->dataFolder(),
                                            options.sharedBase, m_folders->sharedFolderReady());
    m_synchro = new Tfrm_Synchro(*m_syncRunner, this);
    showPlainText(*m_synchro); // made after the window's own labels were set plain
    m_syncRunner->setRecordsChanged([this] {
        if (m_recordsPanel->isVisibleTo(this))
            m_recordsPanel->showRecords(m_records->table(), m_game->state().gameNumber);
    });
    m_records->setShareHandler([this](int gameNumber) { m_syncRunner->synchronise(gameNumber); });
    if (m_game->settings().syncAtStart)
        m_syncRunner->synchronise(0);

    m_timeCas = new QTimer(this);
    m_timeCas->setObjectName(QStringLiteral("timeCas"));
    m_timeCas->setInterval(1000);
    // A coarse timer may drift by tens of milliseconds a tick; the clock should tick evenly.
    m_timeCas->setTimerType(Qt::PreciseTimer);
    connect(m_timeCas, &QTimer::timeout, this, [this] { m_game->clockTick(); });

    bindCommands();
    connectRecordsList();
    m_game->setUntimedStatusText(m_texts.untimedStatusText);
    m_game->startUp();
    // The synchronisation commands follow the shared folder from the start, not only from
    // the window's first activation.
    m_game->activate(m_folders->sharedFolderReady());
    // The running time counts from here on; a panel shown by the settings starts from zero.
    m_game->totalTimeTick();
    m_totalTimeClock->setRunning(m_game->settings().showTotalTime);

    if (screenWidth < 800) {
        static const char* const refusal[3] = {
            "Ľutujem, ale hra je spustiteľná v minimálnom rozlíšení obrazovky 800x600 bodov.",
            "Lituji, ale hra je spustitelná v minimálním rozlíšení obrazovky 800x600 bodů.",
            "I am sorry, minimum resolution of screen is 800x600 pixels."};
        const int language = m_game->settings().language;
        QTimer::singleShot(0, this, [this, language] {
            m_messageBoxes->showPlainMessage(
                refusal[language >= 0 && language <= 2 ? language : 0]);
            exitCommand();
        });
    }
}

Tfrm_Logic::~Tfrm_Logic()
{
    // The game is gone before the widgets it reports to.
    m_languages.reset();
    m_qtTranslations.reset();
    m_windowTexts.reset();
    m_settingsStore.reset();
    m_game.reset();
}

BevelBox* Tfrm_Logic::palettePiece(int piece) const
{
    return m_board->palettePiece(piece);
}

BevelBox* Tfrm_Logic::copyPiece(int position) const
{
    return m_board->copyPiece(position);
}

BevelBox* Tfrm_Logic::editSlot(int position) const
{
    return m_board->editSlot(position);
}

BevelBox* Tfrm_Logic::resultSlot(int position) const
{
    return m_board->resultSlot(position);
}

BevelBox* Tfrm_Logic::hiddenPiece(int position) const
{
    return m_board->hiddenPiece(position);
}

BevelBox* Tfrm_Logic::rowPiece(int row, int position) const
{
    return m_board->rowPiece(row, position);
}

BevelBox* Tfrm_Logic::rowPeg(int row, int position) const
{
    return m_board->rowPeg(row, position);
}

QLabel* Tfrm_Logic::rowLabel(int row) const
{
    return m_board->rowLabel(row);
}

QLabel* Tfrm_Logic::statusPanel(int panel) const
{
    return m_statusStrip->panel(panel);
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
    if (e->type() == QEvent::WindowActivate && m_game) {
        // The saved language is loaded at every activation; the first one switches to it.
        const int language = m_game->settings().language;
        if ((language == 1 || language == 2) && loadLanguage(language) &&
            m_game->languageMark() != language)
            m_settingsStore->applySetting(Setting::Language, language);
        m_game->activate(m_folders->sharedFolderReady());
    }
    return QMainWindow::event(e);
}

void Tfrm_Logic::closeEvent(QCloseEvent* e)
{
    if (m_game->state().closing) {
        e->accept();
        return;
    }
    if (m_game->settings().exitWarning) {
        if (!m_dialogs->askQuestion(Question::ExitApplication)) {
            e->ignore();
            return;
        }
        m_exitConfirmed = true;
    }
    exitCommand();
    e->accept();
}

void Tfrm_Logic::exitCommand()
{
    if (m_game->settings().exitWarning && !m_exitConfirmed &&
        !m_dialogs->askQuestion(Question::ExitApplication))
        return;
    if (m_game->state().closing)
        return;
    hide();
    m_game->setClosing();
    if (m_game->settings().autoSave)
        m_settingsStore->saveSettings(true);
    m_timeCas->stop();
    m_totalTimeClock->setRunning(false);
    QCoreApplication::quit();
}

// ---- Commands ----

void Tfrm_Logic::commandsChanged(const CommandTable& table)
{
    // The confirm button of the hidden row takes the focus as soon as the row is full.
    QWidget* potvrd = control("btnPotvrd");
    const bool focusPotvrd = table.enabled(Command::ConfirmHiddenRow) &&
                             table.visible(Command::ConfirmHiddenRow) && !potvrd->isEnabled();
    for (const auto& [command, bound] : m_bound) {
        const CommandState& st = table[command];
        if (bound.button) {
            bound.button->setEnabled(st.enabled);
            bound.button->setVisible(st.visible);
        }
        for (QAction* action : {bound.item, bound.contextItem}) {
            if (!action)
                continue;
            action->setEnabled(st.enabled);
            action->setVisible(st.visible);
            if (action->isCheckable())
                action->setChecked(st.checked);
        }
    }
    // The game-type panels look pressed for the chosen type; F4 always names the other one.
    const bool classic = table.checked(Command::GameTypeClassic);
    static_cast<BevelBox*>(control("pnlHra_1"))
        ->setLook(classic ? Bevel::Lowered : Bevel::Raised, Bevel::None, 1);
    static_cast<BevelBox*>(control("pnlHra_2"))
        ->setLook(classic ? Bevel::Raised : Bevel::Lowered, Bevel::None, 1);
    menuItem("mm2Klasika")->setShortcut(classic ? QKeySequence() : QKeySequence(Qt::Key_F4));
    menuItem("mm2Trening")->setShortcut(classic ? QKeySequence(Qt::Key_F4) : QKeySequence());
    m_favourites->show(table);
    setWindowTitle(m_game->state().captionNamesFile ? m_savedGames->fileCaption()
                                                    : m_windowCaption);
    if (focusPotvrd)
        potvrd->setFocus();
    m_board->refreshPieces();
}

// ---- Clock ----

int64_t Tfrm_Logic::timeOfDayMs() const
{
    return QTime::currentTime().msecsSinceStartOfDay();
}

int64_t Tfrm_Logic::calendarSeconds() const
{
    return static_cast<int64_t>(std::time(nullptr));
}

void Tfrm_Logic::setGameTimer(bool running)
{
    if (!m_timeCas)
        return;
    if (running)
        m_timeCas->start();
    else
        m_timeCas->stop();
}

void Tfrm_Logic::yieldToEvents()
{
    QCoreApplication::processEvents();
}

// ---- Settings ----

void Tfrm_Logic::applySetting(Setting which, int32_t value)
{
    m_settingsStore->applySetting(which, value);
}

void Tfrm_Logic::showPositions(int)
{
    m_game->publish();
}

void Tfrm_Logic::showPieceCount(int)
{
    m_game->publish();
}

void Tfrm_Logic::showEnvironment(int environment)
{
    m_board->showEnvironment(environment);
    m_game->publish();
}

void Tfrm_Logic::showLanguage(int language)
{
    m_game->showLanguageMark(language);
}

void Tfrm_Logic::showOption(SettingOption, bool)
{
    m_game->publish();
}

void Tfrm_Logic::showTotalTimePanel(bool visible)
{
    m_statusStrip->showTotalTimePanel(visible, m_game ? m_game->totalTimeText() : "0:00:00");
    m_totalTimeClock->setRunning(visible);
}

void Tfrm_Logic::showHints(bool on)
{
    hintSwitch()->on = on;
}

void Tfrm_Logic::showFavourites(int, const std::array<bool, 4>&)
{
    m_game->publish();
}

void Tfrm_Logic::setFavouriteHint(int k, const QString& hint)
{
    m_favourites->setHint(k, hint);
}

int Tfrm_Logic::favouriteMarkerLeft() const
{
    return m_favourites->markerLeft();
}

void Tfrm_Logic::reopenInformationPanel()
{
    if (m_game->state().informationPanelShown) {
        hideInformationPanel();
        toggleInformationPanel();
    }
}

} // namespace mirvalon
