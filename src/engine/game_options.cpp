// SPDX-License-Identifier: GPL-3.0-or-later
// Menu commands that change the rules or the view while the board is idle or between games:
// the game type, positions and pieces, the status-bar groups, the panels over the board and
// the records list (selection, deletion), and the activation of the window.
#include "game.h"

namespace mirvalon {

namespace {

// The switch a setting turns, or nullptr for a setting that is a choice of several.
bool* flagOf(GameSettings& s, Setting which)
{
    switch (which) {
    case Setting::AutoSave:
        return &s.autoSave;
    case Setting::TotalTime:
        return &s.showTotalTime;
    case Setting::ExitWarning:
        return &s.exitWarning;
    case Setting::SyncAtStart:
        return &s.syncAtStart;
    case Setting::Hints:
        return &s.showHints;
    default:
        return nullptr;
    }
}

} // namespace

bool Game::chooseGameType(int type)
{
    Publisher publisher(*this); // a refused choice puts the check marks back
    if (m_settings.gameType == type || m_state.inProgress)
        return false;
    m_settings.gameType = type;
    markFavourite();
    return true;
}

void Game::set(Setting which, int32_t value)
{
    Publisher publisher(*this);
    GameSettings& s = m_settings;
    const bool flag = value == 0 || value == 1;
    switch (which) {
    case Setting::Positions:
        if (value < 5 || value > 8)
            return;
        s.positions = value;
        break;
    case Setting::PieceCount:
        if (value != 11 && value != 19 && value != 25)
            return;
        s.pieceCount = value;
        break;
    case Setting::Environment:
        if (value < -1 || value > 3)
            return;
        s.environment = value;
        m_ports.board.showEnvironment(value);
        break;
    case Setting::Language:
        if (!knownLanguage(value))
            return;
        s.language = s.loadedLanguage = value;
        break;
    case Setting::AutoSave:
    case Setting::TotalTime:
    case Setting::ExitWarning:
    case Setting::SyncAtStart:
    case Setting::Hints:
        if (!flag)
            return;
        *flagOf(s, which) = value != 0;
        break;
    }
    followGameForm(s);
    m_ports.settings.settingShown(which, s);
}

void Game::toggle(Setting which)
{
    if (bool* on = flagOf(m_settings, which))
        set(which, *on ? 0 : 1);
}

void Game::useSettings(const GameSettings& settings)
{
    Publisher publisher(*this);
    m_settings = settings;
    followGameForm(m_settings);
    m_ports.board.showEnvironment(m_settings.environment);
    for (Setting shown : {Setting::Hints, Setting::TotalTime})
        m_ports.settings.settingShown(shown, m_settings);
}

void Game::chooseEnvironment(int environment)
{
    set(Setting::Environment, m_settings.environment == environment ? -1 : environment);
}

void Game::nextEnvironment()
{
    const int e = m_settings.environment; // -1 when none, and then the first is next
    set(Setting::Environment, e >= 3 ? 0 : e + 1);
}

int Game::languageToLoad() const
{
    const int language = m_settings.language;
    return language == Czech || language == English ? language : -1;
}

bool Game::changePositions(int positions)
{
    return changeRule(Setting::Positions, m_settings.positions, positions);
}

bool Game::changePieceCount(int pieces)
{
    return changeRule(Setting::PieceCount, m_settings.pieceCount, pieces);
}

// A rule changed from the menu ends a running game only when the player agrees; either way
// the menu shows the rule that holds afterwards.
bool Game::changeRule(Setting which, int32_t current, int value)
{
    Publisher publisher(*this);
    if (current == value || !mayEndRunningGame())
        return false;
    set(which, value);
    rulesChanged();
    return true;
}

// Every control reaches the settings in the dialog's order, those that show elsewhere too
// through set (which also makes the form follow the game).
SetupResult Game::applySetup(const SetupChoice& c, const SetupOpening& opening, SetupTarget& target)
{
    Publisher publisher(*this);
    const bool changed = setupChanged(c, opening);
    if (m_state.inProgress && changed && !m_ports.dialogs.askQuestion(Question::EndRunningGame))
        return SetupResult::NothingApplied;

    GameSettings& s = m_settings;
    s.gameForm = c.gameForm; // set() below sets it again from the game
    s.artificialIntelligence = c.artificialIntelligence;
    s.eachPieceOnce = c.eachPieceOnce;
    s.correctPosition = c.correctPosition;
    s.blocking = c.blocking;

    set(Setting::Hints, c.showHints);
    s.rowMarking = c.rowMarking;
    s.testRows = c.testRows;
    s.showTime = c.showTime;
    s.showScore = c.showScore;

    set(Setting::TotalTime, c.showTotalTime);
    set(Setting::AutoSave, c.autoSave);
    set(Setting::ExitWarning, c.exitWarning);
    set(Setting::SyncAtStart, c.syncAtStart);

    s.jokes = c.jokes;
    s.randomArrangement = c.randomArrangement;

    set(Setting::Positions, c.positions);
    set(Setting::PieceCount, c.pieceCount);
    set(Setting::Environment, c.environment);

    // A language that fails to load leaves the one in use; the rest still applies. Language 3
    // of a configuration file names no file and is kept.
    s.language = c.language;
    if (knownLanguage(c.language) && c.language != s.loadedLanguage) {
        if (target.loadLanguage(c.language))
            set(Setting::Language, c.language);
        else
            s.language = s.loadedLanguage;
    }

    // Game 192 is played with grey pieces only; the game answers a choice of "Mix" once the
    // board shows the new rules.
    s.pieceColours = setupInfo(c).number == kGameCount ? GreyPieces : c.pieceColours;
    if (changed) {
        rulesChanged();
    } else {
        showStatusGroups();
        refreshStatusBar();
    }
    // Message 8 is shown over a board already rebuilt for the new rules, never over one half
    // way between the old game and the new.
    if (goldWithMix(c)) {
        publishNow();
        m_ports.dialogs.showMessage(Message::GoldNeedsGrey);
    }
    return changed ? SetupResult::GameChanged : SetupResult::Applied;
}

SetupForm Game::setupForm() const
{
    SetupForm form;
    form.choice = choiceFromSettings(m_settings);
    form.computerGameRunning = m_state.inProgress && !m_state.secondPlayer;
    form.syncOffered = offered(Command::SyncAtStart);
    form.choice.syncAtStart = form.choice.syncAtStart && form.syncOffered;
    return form;
}

void Game::toggleStatusGroup(StatusGroup group)
{
    bool& shown = group == StatusGroup::Info   ? m_settings.showInfo
                  : group == StatusGroup::Time ? m_settings.showTime
                                               : m_settings.showScore;
    shown = !shown;
    showStatusGroup(group, shown);
}

void Game::activate(bool sharedFolderReady)
{
    Publisher publisher(*this);
    m_state.sharedFolderReady = sharedFolderReady;
    if (sharedFolderReady)
        return;
    m_settings.syncNewRecords = false;
    set(Setting::SyncAtStart, 0);
}

void Game::recordsPanelShown(bool shown)
{
    Publisher publisher(*this);
    m_state.recordsPanelShown = shown;
    if (shown)
        m_state.informationPanelShown = false;
    else
        m_state.offered.archive = false; // no row is chosen while the list is away
}

void Game::informationPanelShown(bool shown)
{
    Publisher publisher(*this);
    m_state.informationPanelShown = shown;
    if (shown && m_state.recordsPanelShown)
        recordsPanelShown(false);
}

bool Game::togglePanel(BoardPanel panel)
{
    Publisher publisher(*this);
    const bool records = panel == BoardPanel::Records;
    const bool shown = records ? m_state.recordsPanelShown : m_state.informationPanelShown;
    // The shown panel closes, or else the other one to make room for this one.
    if (records == shown)
        recordsPanelShown(false);
    else
        informationPanelShown(false);
    return !shown;
}

void Game::selectRecordRow(int index)
{
    if (index < 0 || index >= kGameCount)
        return;
    Publisher publisher(*this);
    const RecordEntry& e = m_ports.records.entry(index);
    m_state.offered.archive = e.archived;
    m_state.offered.deleteRecord = e.points != 0;
}

// A deletion that touches the game on the board asks question 0 first.
bool Game::endGameForDeletion(bool affected)
{
    return !affected || m_ports.dialogs.askQuestion(Question::EndRunningGame);
}

// The game whose record went away starts afresh, and the list closes over it.
void Game::afterDeletion(bool affected)
{
    if (!affected)
        return;
    resetToIdle();
    m_ports.board.closePanels();
}

bool Game::deleteRecord(int index)
{
    if (index < 0 || index >= kGameCount)
        return false;
    Publisher publisher(*this);
    const bool affected =
        (m_state.inProgress || m_state.secondPlayer) && index == m_state.gameNumber - 1;
    if (!endGameForDeletion(affected) || !m_ports.dialogs.askQuestion(Question::DeleteRecord))
        return false;
    const bool deleted = m_ports.records.deleteRecord(index);
    if (deleted) {
        selectRecordRow(index);
        refreshStatusBar();
    }
    afterDeletion(affected);
    return deleted;
}

bool Game::deleteAllRecords()
{
    Publisher publisher(*this);
    const bool affected = m_state.inProgress || m_state.secondPlayer;
    if (!endGameForDeletion(affected) || !m_ports.dialogs.askQuestion(Question::DeleteAllRecords))
        return false;
    const bool deleted = m_ports.records.deleteAllRecords();
    if (deleted)
        refreshStatusBar();
    afterDeletion(affected);
    return deleted;
}

Leaving Game::close()
{
    if (m_state.closing)
        return Leaving::Quit;
    if (m_settings.exitWarning && !m_ports.dialogs.askQuestion(Question::ExitApplication))
        return Leaving::Stay;
    m_state.closing = true;
    return m_settings.autoSave ? Leaving::SaveSettingsAndQuit : Leaving::Quit;
}

// Synchronisation may replace the records under a running game, or under the second player's
// hidden row being entered: either is ended first, when the player agrees.
bool Game::maySynchronise()
{
    if (!m_state.inProgress && !m_state.secondPlayer)
        return true;
    Publisher publisher(*this);
    if (!m_ports.dialogs.askQuestion(Question::EndRunningGame))
        return false;
    resetToIdle();
    return true;
}

} // namespace mirvalon
