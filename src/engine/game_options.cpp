// SPDX-License-Identifier: GPL-3.0-or-later
// Menu commands that change the rules or the view while the board is idle or between games:
// the game type, positions and pieces, the status-bar groups, the panels over the board and
// the records list (selection, deletion), and the activation of the window.
#include "game.h"

namespace mirvalon {

bool Game::chooseGameType(int type)
{
    Publisher publisher(*this); // a refused choice puts the check marks back
    if (m_settings.gameType == type || m_state.inProgress)
        return false;
    m_settings.gameType = type;
    markFavourite();
    return true;
}

bool Game::changePositions(int positions)
{
    return changeRule(m_settings.positions, positions, Setting::Positions);
}

bool Game::changePieceCount(int pieces)
{
    return changeRule(m_settings.pieceCount, pieces, Setting::PieceCount);
}

// A rule changed from the menu ends a running game only when the player agrees; either way
// the menu shows the rule that holds afterwards.
bool Game::changeRule(int32_t& rule, int value, Setting which)
{
    Publisher publisher(*this);
    const bool change = rule != value && mayEndRunningGame();
    if (change)
        rule = value;
    m_ports.settings.applySetting(which, which == Setting::Positions
                                             ? m_settings.positions - 5
                                             : pieceIndex(m_settings.pieceCount));
    if (change)
        rulesChanged();
    return change;
}

SetupResult Game::applySetup(const SetupChoice& choice, const SetupOpening& opening,
                             SetupTarget& target)
{
    Publisher publisher(*this);
    const SetupResult result = confirmSetup(choice, opening, m_state.inProgress, m_settings,
                                            m_ports.settings, target, m_ports.dialogs);
    if (result == SetupResult::GameChanged) {
        rulesChanged();
    } else if (result == SetupResult::Applied) {
        showStatusGroups();
        refreshStatusBar();
    }
    // Message 8 is shown over a board already rebuilt for the new rules, never over one half
    // way between the old game and the new.
    if (result != SetupResult::NothingApplied && goldWithMix(choice)) {
        publishNow();
        m_ports.dialogs.showMessage(Message::GoldNeedsGrey);
    }
    return result;
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
    m_ports.settings.applySetting(Setting::SyncAtStart, 0);
}

void Game::showLanguageMark(int language)
{
    Publisher publisher(*this);
    m_languageMark = language;
}

void Game::recordsPanelShown(bool shown)
{
    Publisher publisher(*this);
    m_state.recordsPanelShown = shown;
    if (!shown)
        m_state.offered.archive = false; // no row is chosen while the list is away
}

void Game::informationPanelShown(bool shown)
{
    Publisher publisher(*this);
    m_state.informationPanelShown = shown;
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
