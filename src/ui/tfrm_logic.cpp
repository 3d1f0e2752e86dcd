// Start-up in its fixed order, activation, shutdown, and the ports through which the game
// and the files side reach the window: commands, clock, event loop, settings.
#include "tfrm_logic.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <ctime>

#include "bevel_box.h"
#include "board.h"
#include "information_panel.h"
#include "message_boxes.h"
#include "persistence/cp1250.h"
#include "records_panel.h"
#include "settings_command.h"
#include "status_strip.h"
#include "tfrm_heslo.h"
#include "tfrm_rekord.h"
#include "tfrm_setup.h"
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

// Tool tips appear after a pause of one second.
class HintPauseStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay)
            return 1000;
        return QProxyStyle::styleHint(hint, option, widget, data);
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
    setObjectName(QStringLiteral("Tfrm_Logic"));
    setWindowTitle(QStringLiteral("  Mirvalon  1.7"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    applyFonts();
    createControls();
    createStatusBar();
    createMenus();
    m_board = new Board(centralWidget(), m_controls);
    m_board->setPictures(m_pictures);
    m_board->setPanels(m_recordsPanel, m_infoPanel);
    m_board->onClosePanels = [this] { closePanels(); };
    m_setup = new Tfrm_Setup(this);
    m_heslo = new Tfrm_Heslo(this);
    m_rekord = new Tfrm_Rekord(this);
    m_messageBoxes = std::make_unique<MessageBoxes>(this, m_texts, m_heslo, m_rekord);
    m_dialogs = options.dialogs ? options.dialogs : m_messageBoxes.get();
    const auto storable = [](const QString& t) { return fitsCp1250(t.toStdString()); };
    m_heslo->setTextFilter(storable);
    m_rekord->setTextFilter(storable);

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
    if (!dynamic_cast<HintPauseStyle*>(QApplication::style()))
        QApplication::setStyle(new HintPauseStyle(QApplication::style()->name()));

    m_archive = std::make_unique<ArchiveStore>(m_fs, *m_dialogs, m_folders->dataFolder(),
                                               m_folders->programFolder());
    m_records =
        std::make_unique<RecordsStore>(m_fs, *m_dialogs, *m_archive, m_folders->dataFolder());
    m_game = std::make_unique<Game>(
        Ports{*m_board, *m_dialogs, *this, *this, *m_statusStrip, *this, *m_records, *this});
    m_board->setGame(m_game.get());
    m_messageBoxes->setSettings(&m_game->settings(), m_folders->sharedFolderReady());
    SettingsView& view = *this;
    m_windowTexts = std::make_unique<WindowTexts>(*this);
    LanguageTargets& targets = *m_windowTexts;
    PlainMessages& plain = *m_messageBoxes;
    m_settingsStore = std::make_unique<SettingsStore>(m_game->settings(), m_fs, *m_dialogs, view,
                                                      m_folders->dataFolder());
    m_languages = std::make_unique<LanguageLoader>(m_fs, m_folders->programFolder(),
                                                   m_game->settings(), m_texts, targets, plain);
    SettingsApplier& applier = *this;
    m_settingsCommand = std::make_unique<SettingsCommand>(*m_setup, *m_game, applier, *m_languages,
                                                          [this](bool on) { showHints(on); });
    m_setup->setRecordPoints([this](int number) { return m_records->entry(number - 1).points; });
    if (!m_settingsStore->loadSettings())
        m_settingsStore->resetSettings();
    m_records->loadRecords();

    m_timeCas = new QTimer(this);
    m_timeCas->setInterval(1000);
    // A coarse timer may drift by tens of milliseconds a tick; the clock should tick evenly.
    m_timeCas->setTimerType(Qt::PreciseTimer);
    connect(m_timeCas, &QTimer::timeout, this, [this] { m_game->clockTick(); });
    m_timeKCas = new QTimer(this);
    m_timeKCas->setInterval(1000);
    m_timeKCas->setTimerType(Qt::PreciseTimer);
    connect(m_timeKCas, &QTimer::timeout, this, [this] { m_game->totalTimeTick(); });
    m_timeKCas->start();

    bindCommands();
    connectRecordsList();
    m_game->setUntimedStatusText(m_texts.untimedStatusText);
    m_game->startUp();

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
        if ((language == 1 || language == 2) && m_languages->loadLanguage(language) &&
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
    m_timeKCas->stop();
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
}

void Tfrm_Logic::showHints(bool on)
{
    hintSwitch()->on = on;
}

void Tfrm_Logic::showFavourites(int, const std::array<bool, 4>&)
{
    m_game->publish();
}

void Tfrm_Logic::reopenInformationPanel()
{
    if (m_game->state().informationPanelShown) {
        hideInformationPanel();
        toggleInformationPanel();
    }
}

} // namespace mirvalon
