// SPDX-License-Identifier: GPL-3.0-or-later
// The flow of one game: starting it, confirming, cancelling and scoring rows, giving up,
// the end of the game with its messages and the record, the reset to idle, the quick start.
#include "game.h"
#include "scoring.h"

namespace mirvalon {

void Game::closePanels()
{
    m_ports.board.closePanels();
    if (m_settings.gameType == Training)
        m_state.offered.restoreAll = true;
}

int Game::activePiece(int position) const
{
    if (position < 1 || position > m_settings.positions)
        return 0;
    return activeRow()[position - 1];
}

void Game::resetGame()
{
    GameState& s = m_state;
    ++m_gameSerial;
    s.currentRow = 1;
    s.editCount = 0;
    s.markedRows = 0;
    s.blockedCount = 0;
    s.blocked.fill(false);
    s.revealedHits.fill(false);
    s.clockStart = 0;
    s.lastElapsed = 0;
    s.elapsed = 0;
    s.trainingLimit = kMsPerDay / 12;
    s.passwordDialogMode = PasswordMode::SetUp;
    s.holderName.clear();

    s.recordPending = s.solved = s.inProgress = s.secondPlayer = false;
    s.hitsKnown = s.blockableRows = s.newBlockableRow = false;
    s.training = s.trainingAutoPlay = s.recordOutOfReach = false;
    s.clockStarted = false;
    s.showingArchived = false;
    if (!s.loadedFromFile)
        s.captionNamesFile = false;

    s.offered.enterHits = s.offered.rowMarksShown = false;
    s.untimed = false;

    m_ports.board.closePanels();
    m_ports.status.setRecordLabelsVisible(false);

    s.score = kStartScore;
    stopClock();
    s.clockText = formatClock(0);
    m_ports.status.setPanelText(StatusPanel::Time, s.clockText);
    m_ports.status.setPanelText(StatusPanel::Score,
                                m_settings.showTime ? std::to_string(s.score) : m_untimedText);
}

void Game::clearBoard()
{
    m_state.clockStarted = false;
    m_state.currentRow = 1;
    m_state.rowMark.fill(-1);
    m_state.revealedHits.fill(false);
    m_state.clearRows(); // what the board no longer shows is gone from the game too
    m_ports.board.clearBoard();
    m_ports.board.refreshRowLabels();
}

void Game::openRow(int row)
{
    m_state.openRow = row;
    if (row >= 1 && row <= kRows)
        m_state.rowMark[row - 1] = 0;
    preparePalette();
    m_ports.board.openEditRow();
    m_ports.board.refreshRowLabels();
    m_ports.board.refreshPieces();
}

void Game::coverResultSlots(bool covered)
{
    m_state.resultCovered = covered;
    m_ports.board.showResultSlots();
}

// The board between games and while the second player sets the hidden row: the result
// slots open, no row taking pieces.
void Game::leaveNoRowOpen()
{
    coverResultSlots(false);
    m_state.openRow = 0;
    m_ports.board.openEditRow();
}

void Game::startComputerGame()
{
    Publisher publisher(*this);
    closePanels();
    if (m_state.inProgress)
        return;
    beginNewGame();

    m_state.inProgress = true;
    m_state.offered.quickStart = true;

    returnAllUnblocked();
    applyPieceLook();
    drawHiddenRow();

    clearBoard(); // the rows too
    coverResultSlots(true);
    openRow(1);

    finishNewGameSetUp();
    if (m_settings.gameType == Classic) {
        m_settings.rowMarking = false;
    } else {
        m_state.offered.restoreAll = true;
        runTrainingDriver();
    }
}

// The first and last steps that both new-game commands share.
void Game::beginNewGame()
{
    resetGame();
}

void Game::finishNewGameSetUp()
{
    refreshStatusBar();
    m_state.offered.archive = false;
    m_state.training = false;
    m_state.blockableRows = false;
    markFavourite();
}

void Game::takePenalty(Penalty kind)
{
    m_state.score -= penaltyFor(kind, m_state.currentRow);
    if (m_state.score < 0)
        m_state.score = 0;
}

void Game::showScoreAfterPenalty(bool checkOutOfReach)
{
    if (m_state.training)
        return;
    if (!m_settings.showTime) {
        m_ports.status.setPanelText(StatusPanel::Score, m_untimedText);
        return;
    }
    m_ports.status.setPanelText(StatusPanel::Score, std::to_string(m_state.score));
    if (checkOutOfReach && m_state.score < m_state.recordPoints && !m_state.recordOutOfReach &&
        !m_state.loadedFromFile) {
        m_ports.status.setRecordLabelsVisible(true);
        m_state.recordOutOfReach = true;
    }
}

bool Game::confirmRow()
{
    Publisher publisher(*this, Publisher::ActiveRow);
    closePanels();
    const int p = m_settings.positions;
    if (!m_state.inProgress || m_state.editCount != p)
        return false;
    for (int i = 0; i < p; ++i)
        if (m_state.editRow[i] == 0)
            return false;

    takePenalty(Penalty::Confirm);
    showScoreAfterPenalty(true);
    evaluateRow(m_state.currentRow);
    newRecordIfPending();

    Offers& o = m_state.offered;
    if (!m_state.solved && !m_state.trainingAutoPlay && m_state.hitsKnown)
        o.enterHits = true;
    if (!m_state.inProgress && !m_state.secondPlayer)
        o.enterHits = false;
    if (m_state.inProgress && m_state.blockableRows && m_state.newBlockableRow &&
        m_settings.gameType == Training) {
        o.blockUnused = o.blockUnusedMenu = true;
        m_state.newBlockableRow = false;
    }
    return true;
}

void Game::evaluateRow(int r)
{
    GameState& s = m_state;
    const int p = m_settings.positions;
    s.rows[r - 1] = s.editRow;

    const RowScore score = scoreRow(s.hiddenRow, s.editRow, p);
    if (m_settings.correctPosition) {
        for (int i = 0; i < p; ++i) {
            if (!score.hitAt[i])
                continue;
            s.hitsKnown = true;
            s.revealedHits[i] = true;
        }
    }

    if (m_settings.correctPosition && score.hits > 0)
        m_ports.board.revealHiddenPieces();

    s.rowKind[r - 1] = 0;
    if (m_settings.blocking && score.misses == 0) {
        if (score.hits == 0 || m_settings.correctPosition) {
            s.rowKind[r - 1] = score.hits == 0 ? 1 : 2;
            s.blockableRows = true;
            s.newBlockableRow = true;
        }
    }

    s.pegs[r - 1] = pegsFor(score);
    m_ports.board.drawConfirmedRow(r, score.hits, score.misses);

    if (score.hits == p)
        s.solved = true;
    if (r != kRows && score.hits != p) {
        s.currentRow = r + 1;
        openRow(r + 1);
    } else {
        endGame();
    }
}

void Game::endGame()
{
    GameState& s = m_state;
    s.ending = true;
    s.untimed = false;
    stopClock();
    for (int i = 0; i < m_settings.positions; ++i)
        s.revealedHits[i] = true;
    m_ports.board.revealHiddenPieces();
    Offers& o = s.offered;
    o.cancelRow = o.enterHits = o.restoreAll = o.blockUnused = o.blockUnusedMenu = false;
    s.hitsKnown = false;
    disablePalette();
    publishNow();

    if (s.solved) {
        if (s.training)
            m_ports.dialogs.showMessage(Message::TrainingWon);
        else
            m_ports.dialogs.showMessage(Message::GameWon, s.currentRow);
        if (s.secondPlayer && !s.password.empty()) {
            s.passwordDialogMode = PasswordMode::ShowAuthText;
            std::string password = s.password;
            m_ports.dialogs.passwordDialog(PasswordMode::ShowAuthText, password, s.authText);
        }
        const RecordEntry& entry = m_ports.records.entry(s.gameNumber - 1);
        if (s.score > static_cast<int>(entry.points) && m_settings.showTime && !s.training &&
            !s.loadedFromFile) {
            if (s.secondPlayer)
                m_ports.dialogs.askQuestion(Question::NoRecordForSecondPlayer);
            else if (m_ports.dialogs.askQuestion(Question::WriteNewRecord))
                s.recordPending = true;
        }
    } else {
        m_ports.dialogs.showMessage(Message::GameLost);
    }

    s.inProgress = false;
    s.secondPlayer = false;
    s.loadedFromFile = false;
    s.ending = false;
}

void Game::newRecordIfPending()
{
    GameState& s = m_state;
    if (!s.recordPending)
        return;
    s.recordPending = false;
    const RecordEntry& old = m_ports.records.entry(s.gameNumber - 1);
    s.oldRows = old.rows;
    s.oldPoints = old.points;
    s.oldTime = old.time;
    s.oldHolder = old.holder;
    publishNow();
    const std::optional<std::string> name =
        m_ports.dialogs.newRecordDialog(s, m_settings.syncNewRecords);
    if (!name)
        return;
    s.holderName = *name;
    m_ports.status.setPanelText(StatusPanel::Record, std::to_string(s.score));
    s.recordPoints = s.score;
    if (m_ports.records.writeRecord(s, m_settings, m_settings.blocking) &&
        m_settings.syncNewRecords)
        m_ports.records.shareRecord(s.gameNumber);
}

bool Game::cancelRow()
{
    Publisher publisher(*this);
    closePanels();
    if (!offered(Command::CancelRow) || (!m_state.inProgress && !m_state.secondPlayer))
        return false;
    if (m_state.hitsKnown)
        m_state.offered.enterHits = true;
    preparePalette();
    if (!m_state.inProgress) {
        coverResultSlots(false);
        m_state.clearHiddenRow(m_settings.positions);
    }
    takePenalty(Penalty::Cancel);
    showScoreAfterPenalty(false);
    if (m_state.currentRow == 1)
        m_state.offered.quickStart = true;
    m_ports.board.refreshPieces();
    return true;
}

bool Game::giveUp()
{
    Publisher publisher(*this);
    closePanels();
    if (!m_state.inProgress)
        return false;
    if (m_state.secondPlayer && !m_state.password.empty()) {
        m_state.passwordDialogMode = PasswordMode::Ask;
        std::string typed;
        publishNow();
        if (!m_ports.dialogs.passwordDialog(PasswordMode::Ask, typed, m_state.authText))
            return false;
        // The clock runs on while the password is asked: the points may have run out.
        if (!m_state.inProgress)
            return false;
        if (typed != m_state.password) {
            m_ports.dialogs.showMessage(Message::WrongPassword);
            return false;
        }
    }
    endGame();
    return true;
}

void Game::resetToIdle()
{
    Publisher publisher(*this);
    clearBoard();
    leaveNoRowOpen();

    resetGame();
    applyPieceLook();
    if (!m_state.secondPlayer && !m_state.loadedFromFile)
        drawHiddenRow();
    preparePalette();
    disablePalette();
    returnAllUnblocked();

    refreshStatusBar();
    showStatusGroups();
    markFavourite();
    m_ports.board.refreshPieces();
}

void Game::quickStart()
{
    Publisher publisher(*this);
    // Meant for the first row of a running game; anywhere else it only closes the panels.
    if (!offered(Command::QuickStart))
        return;
    closePanels();
    if (!m_state.inProgress || m_state.currentRow != 1 || m_state.editCount != 0)
        return;
    returnAllUnblocked();
    const int p = m_settings.positions;
    const int n = m_settings.pieceCount;
    const int serial = m_gameSerial;
    int next = 1;
    for (int round = 0; round <= n / p; ++round) {
        publishNow();
        m_ports.events.yieldToEvents();
        if (m_state.closing || serial != m_gameSerial || !m_state.inProgress)
            return;
        m_state.autoRow = true;
        for (int placed = 0; placed < p && next <= n; ++placed)
            placeFromPalette(next++);
        m_state.autoRow = false;
        if (m_state.editCount == p)
            confirmRow();
        if (!m_state.inProgress)
            return;
    }
}

} // namespace mirvalon
