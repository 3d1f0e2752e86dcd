// SPDX-License-Identifier: GPL-3.0-or-later
// Deduction aids (blocking, entering revealed hits, striking out rows, restoring all) and
// the training driver that plays the first rows of a training game for the player.
#include <algorithm>
#include <vector>

#include "game.h"

namespace mirvalon {

void Game::unblockAll()
{
    Publisher publisher(*this);
    closePanels();
    if (!offered(Command::UnblockAll))
        return;
    returnAllUnblocked();
    if (m_state.blockableRows)
        m_state.offered.blockUnused = m_state.offered.blockUnusedMenu = true;
}

void Game::blockCertainlyUnused()
{
    Publisher publisher(*this);
    closePanels();
    if (!(offered(Command::BlockUnused) || offered(Command::BlockUnusedMenu)) ||
        !m_state.inProgress)
        return;
    GameState& s = m_state;
    s.blockingRun = true;
    std::array<bool, kMaxPieces + 1> marked{};
    const int p = m_settings.positions;
    for (int r = 1; r <= kRows && s.rowKind[r - 1] != -1; ++r) {
        const int kind = s.rowKind[r - 1];
        if (kind != 1 && kind != 2)
            continue;
        // A proving row is struck out (in a training game with row marking).
        if (s.rowMark[r - 1] == 1)
            --s.markedRows;
        s.rowMark[r - 1] = 0;
        toggleRowMarkQuietly(r);
        for (int i = 1; i <= p; ++i) {
            const int piece = s.rows[r - 1][i - 1];
            if (kind == 1 || !s.isHit(i, piece))
                marked[piece] = true;
        }
    }
    for (int piece = 1; piece <= m_settings.pieceCount; ++piece) {
        if (!marked[piece])
            continue;
        if (m_settings.gameType == Training)
            s.offered.restoreAll = true;
        blockGesture(piece);
    }
    s.blockingRun = false;
    s.offered.blockUnused = s.offered.blockUnusedMenu = false;
    m_ports.board.refreshRowLabels();
}

void Game::enterAllHits()
{
    Publisher publisher(*this);
    closePanels();
    if (!(offered(Command::EnterHits) || offered(Command::EnterHitsMenu)) || !m_state.inProgress)
        return;
    GameState& s = m_state;
    s.offered.cancelRow = true;
    s.offered.enterHits = false;
    int placed = 0;
    for (int i = 1; i <= m_settings.positions; ++i) {
        if (!s.revealedHits[i - 1] || s.editRow[i - 1] != 0)
            continue;
        const int piece = s.hiddenRow[i - 1];
        if (m_settings.eachPieceOnce && pieceInActiveRow(piece))
            continue;
        s.editRow[i - 1] = piece;
        ++placed;
        if (m_settings.eachPieceOnce && s.blocked[piece]) {
            s.blocked[piece] = false;
            --s.blockedCount;
        }
    }
    // The count is brought up to date in one step, as piece input would.
    if (placed > 0)
        updatePlacedCount(placed);
    m_ports.board.refreshPieces();
}

void Game::toggleRowMarkQuietly(int n)
{
    GameState& s = m_state;
    if (!s.inProgress || m_settings.gameType != Training || !m_settings.rowMarking)
        return;
    if (n < 1 || n > kRows || s.rowMark[n - 1] == -1 || n == s.currentRow)
        return;
    if (s.rowMark[n - 1] == 1) {
        s.rowMark[n - 1] = 0;
        --s.markedRows;
    } else {
        s.rowMark[n - 1] = 1;
        ++s.markedRows;
    }
    s.offered.restoreAll = true;
}

void Game::toggleRowMark(int n)
{
    Publisher publisher(*this);
    closePanels();
    toggleRowMarkQuietly(n);
    m_ports.board.refreshRowLabels();
}

void Game::clearRowMarks()
{
    Publisher publisher(*this);
    closePanels();
    if (!offered(Command::ClearRowMarks))
        return;
    for (int r = 1; r < m_state.currentRow; ++r)
        m_state.rowMark[r - 1] = 0;
    m_state.markedRows = 0;
    if (m_settings.gameType == Training)
        m_state.offered.restoreAll = true;
    m_ports.board.refreshRowLabels();
}

void Game::restoreAll()
{
    Publisher publisher(*this);
    if (!offered(Command::RestoreAll))
        return;
    closePanels();
    // Each step is what its button would do, so only the buttons on offer take part, as each
    // step before it left them.
    if (offered(Command::ClearRowMarks))
        clearRowMarks();
    if (offered(Command::UnblockAll))
        unblockAll();
    if (offered(Command::CancelRow))
        cancelRow();
    if (offered(Command::EnterHits))
        enterAllHits();
    if (offered(Command::BlockUnused))
        blockCertainlyUnused();
    m_state.offered.restoreAll = false;
}

void Game::runTrainingDriver()
{
    GameState& s = m_state;
    const int p = m_settings.positions;
    const int n = m_settings.pieceCount;
    closePanels();
    s.score = kStartScore;
    stopClock();
    s.clockText = formatClock(0);
    m_ports.status.setPanelText(StatusPanel::Time, s.clockText);
    returnAllUnblocked();
    m_ports.status.setPanelText(StatusPanel::Score, m_trainingCaption);
    m_ports.status.setPanelText(StatusPanel::Record, m_trainingCaption);

    s.trainingAutoPlay = true;
    s.training = true;
    if (m_settings.blocking)
        s.offered.blockUnused = false;
    // The driver's rows; 1 to 4 rows are left to the player.
    int rowsToPlay = s.level < 11 ? 14 : 13;
    rowsToPlay = m_settings.correctPosition ? 14 : rowsToPlay - 1;
    if (p == 8 && n > 11 && !m_settings.eachPieceOnce)
        --rowsToPlay;

    std::vector<int> shownHits; // hit positions already revealed by the driver, at most P - 2
    const int serial = m_gameSerial;
    for (int row = 1; row <= rowsToPlay; ++row) {
        publishNow();
        m_ports.events.yieldToEvents();
        if (s.closing || serial != m_gameSerial || !s.inProgress)
            return;
        s.autoRow = true;
        std::vector<int> chosen;
        int hits = 0;
        for (int i = 1; i <= p; ++i) {
            for (;;) {
                const int c = m_random.below(n) + 1;
                if (m_settings.eachPieceOnce &&
                    std::find(chosen.begin(), chosen.end(), c) != chosen.end())
                    continue;
                if (s.isHit(i, c)) {
                    // Never more than P - 2 hits in a row, so the driver never solves it.
                    if (hits + 1 == p - 1)
                        continue;
                    if (m_settings.correctPosition &&
                        std::find(shownHits.begin(), shownHits.end(), i) == shownHits.end()) {
                        if (static_cast<int>(shownHits.size()) >= p - 2)
                            continue;
                        shownHits.push_back(i);
                    }
                    ++hits;
                }
                chosen.push_back(c);
                placeFromPalette(c);
                break;
            }
        }
        if (row == rowsToPlay)
            s.trainingAutoPlay = false;
        confirmRow();
        s.autoRow = false;
    }
    if (!m_settings.eachPieceOnce) {
        setPaletteShownForCount(true);
        m_ports.board.refreshPieces();
    }
    if (s.blockableRows)
        s.offered.blockUnused = s.offered.blockUnusedMenu = true;
    if (m_settings.rowMarking)
        s.offered.rowMarksShown = true;
}

} // namespace mirvalon
