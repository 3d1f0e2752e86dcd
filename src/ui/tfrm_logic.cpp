// Start-up in its fixed order, activation, shutdown, and the ports through which the game
// and the files side reach the window: commands, clock, status bar, event loop, settings.
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
#include "persistence/cp1250.h"
#include "information_panel.h"
#include "records_panel.h"
#include "tfrm_heslo.h"
#include "tfrm_rekord.h"

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

Tfrm_Logic::Tfrm_Logic(const StartOptions& options)
    : m_options(options), m_dialogs(options.dialogs ? options.dialogs : this)
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
    createBoardControls();
    m_heslo = new Tfrm_Heslo(this);
    m_rekord = new Tfrm_Rekord(this);
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
        move(screen.left() + (screen.width() - 788) / 2, screen.top() + (screen.height() - 568) / 2);
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
    m_records = std::make_unique<RecordsStore>(m_fs, *m_dialogs, *m_archive,
                                               m_folders->dataFolder());
    m_game = std::make_unique<Game>(Ports{*this, *m_dialogs, *this, *this, *this, *this,
                                          *m_records});
    SettingsView& view = *this;
    LanguageTargets& targets = *this;
    PlainMessages& plain = *this;
    m_settingsStore = std::make_unique<SettingsStore>(m_game->settings(), m_fs, *m_dialogs, view,
                                                      m_folders->dataFolder());
    m_languages = std::make_unique<LanguageLoader>(m_fs, m_folders->programFolder(),
                                                   m_game->settings(), m_texts, targets, plain);
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

    connectCommands();
    m_game->setUntimedStatusText(m_texts.untimedStatusText);
    m_game->startUp();

    if (screenWidth < 800) {
        static const char* const refusal[3] = {
            "Ľutujem, ale hra je spustiteľná v minimálnom rozlíšení obrazovky 800x600 bodov.",
            "Lituji, ale hra je spustitelná v minimálním rozlíšení obrazovky 800x600 bodů.",
            "I am sorry, minimum resolution of screen is 800x600 pixels."};
        const int language = m_game->settings().language;
        QTimer::singleShot(0, this, [this, language] {
            showPlainMessage(refusal[language >= 0 && language <= 2 ? language : 0]);
            exitCommand();
        });
    }
}

Tfrm_Logic::~Tfrm_Logic()
{
    // The game is gone before the widgets it reports to.
    m_languages.reset();
    m_settingsStore.reset();
    m_game.reset();
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
        GameSettings& s = m_game->settings();
        if (s.language == 1 || s.language == 2) {
            const int language = s.language;
            const QString item = language == 1 ? "mm2Ces" : "mm2Ang";
            if (m_languages->loadLanguage(language) && !menuItem(item)->isChecked())
                m_settingsStore->applySetting(5, language);
        }
        if (!m_folders->sharedFolderReady()) {
            s.syncAtStart = false;
            s.syncNewRecords = false;
            menuItem("mm1SynchroStart")->setChecked(false);
            menuItem("mm1SynchroStart")->setEnabled(false);
            menuItem("mm1Synchro")->setEnabled(false);
        }
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
        if (!m_dialogs->askQuestion(5)) {
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
    if (m_game->settings().exitWarning && !m_exitConfirmed && !m_dialogs->askQuestion(5))
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

void Tfrm_Logic::saveSettingsCommand()
{
    m_settingsStore->saveSettings(false);
}

// ---- Commands ----

void Tfrm_Logic::commandsChanged(const CommandTable& table)
{
    // The confirm button of the hidden row takes the focus as soon as the row is full.
    QWidget* potvrd = control("btnPotvrd");
    const bool focusPotvrd = table.enabled(Command::ConfirmHiddenRow) &&
                             table.visible(Command::ConfirmHiddenRow) && !potvrd->isEnabled();
    for (const auto& [command, controls] : m_commandControls) {
        const CommandState& st = table[command];
        auto [widget, action] = controls;
        if (widget) {
            widget->setEnabled(st.enabled);
            widget->setVisible(st.visible);
        }
        if (action) {
            action->setEnabled(st.enabled);
            if (action->isCheckable())
                action->setChecked(st.checked);
        }
    }
    // The game-type panels look pressed for the chosen type; F4 always names the other one.
    const bool classic = table.checked(Command::GameTypeClassic);
    auto* p1 = static_cast<BevelBox*>(control("pnlHra_1"));
    auto* p2 = static_cast<BevelBox*>(control("pnlHra_2"));
    p1->setLook(classic ? Bevel::Lowered : Bevel::Raised, Bevel::None, 1);
    p2->setLook(classic ? Bevel::Raised : Bevel::Lowered, Bevel::None, 1);
    p1->setVisible(true);
    p2->setVisible(true);
    menuItem("mm2Klasika")->setShortcut(classic ? QKeySequence() : QKeySequence(Qt::Key_F4));
    menuItem("mm2Trening")->setShortcut(classic ? QKeySequence(Qt::Key_F4) : QKeySequence());
    if (focusPotvrd)
        potvrd->setFocus();
    updatePaletteEnabled();
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

// ---- Status bar ----

void Tfrm_Logic::setPanelText(int panel, const std::string& text)
{
    if (panel >= 0 && panel < kStatusPanels)
        m_status[panel]->setText(QString::fromStdString(text));
}

void Tfrm_Logic::setPanelWidths(const StatusWidths& widths)
{
    int x = 0;
    for (int i = 0; i < kStatusPanels; ++i) {
        m_status[i]->setGeometry(x, 0, widths[i], 22);
        m_status[i]->setVisible(widths[i] > 0);
        x += widths[i];
    }
}

void Tfrm_Logic::setRecordLabelsVisible(bool visible)
{
    m_lblRekord->setVisible(visible);
    m_lblNeprekon->setVisible(visible);
}

void Tfrm_Logic::setTotalTime(const std::string& text)
{
    m_totalTime->setText(QString::fromStdString(text));
}

void Tfrm_Logic::yieldToEvents()
{
    QCoreApplication::processEvents();
}

// ---- Settings view ----

void Tfrm_Logic::showPositions(int index)
{
    for (int i = 0; i < 4; ++i)
        menuItem(QStringLiteral("mm2Pozic%1").arg(5 + i))->setChecked(i == index);
}

void Tfrm_Logic::showPieceCount(int index)
{
    const int counts[3] = {11, 19, 25};
    for (int i = 0; i < 3; ++i)
        menuItem(QStringLiteral("mm2Kocky%1").arg(counts[i]))->setChecked(i == index);
}

void Tfrm_Logic::showLanguage(int language)
{
    const char* items[3] = {"mm2Slo", "mm2Ces", "mm2Ang"};
    for (int i = 0; i < 3; ++i)
        menuItem(items[i])->setChecked(i == language);
}

void Tfrm_Logic::showOption(SettingOption option, bool on)
{
    switch (option) {
    case SettingOption::AutoSave:
        menuItem("mm1AutoUloz")->setChecked(on);
        break;
    case SettingOption::TotalTime:
        menuItem("mm1KCas")->setChecked(on);
        break;
    case SettingOption::ExitWarning:
        menuItem("mm1UpozExit")->setChecked(on);
        break;
    case SettingOption::SyncAtStart:
        menuItem("mm1SynchroStart")->setChecked(on);
        break;
    }
}

void Tfrm_Logic::showTotalTimePanel(bool visible)
{
    if (visible && m_game)
        m_totalTime->setText(QString::fromStdString(m_game->totalTimeText()));
    m_totalTime->setVisible(visible);
}

void Tfrm_Logic::showHints(bool on)
{
    hintSwitch()->on = on;
}

void Tfrm_Logic::showFavourites(int active, const std::array<bool, 4>& filled)
{
    for (int k = 1; k <= 4; ++k) {
        QAction* item = menuItem(QStringLiteral("mm2Hra%1").arg(k));
        item->setChecked(k == active);
        item->setEnabled(false); // favourites come with their own commands
        Q_UNUSED(filled);
    }
}

void Tfrm_Logic::reopenInformationPanel()
{
    if (m_infoShown) {
        hideInformationPanel();
        toggleInformationPanel();
    }
}

} // namespace mirvalon
