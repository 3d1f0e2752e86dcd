// SPDX-License-Identifier: GPL-3.0-or-later
// Numbered games chosen from the records list, and archived record games laid out on the
// board so that the player can study how a record was reached.
#include "game.h"

namespace mirvalon {

void Game::activateNumberedGame(int number)
{
    Publisher publisher(*this);
    if (number < 1 || number > kGameCount)
        return;
    m_state.offered.archive = false;
    applyVariantKey(m_settings, m_ports.records.entry(number - 1).key);
    m_state.loadedFromFile = false;
    rulesChanged();
}

void Game::showArchivedGame(const ArchivedGame& a, int number)
{
    Publisher publisher(*this);
    if (number < 1 || number > kGameCount)
        return;
    const RecordEntry& record = m_ports.records.entry(number - 1);
    const int rows = record.rows <= kRows ? record.rows : kRows;
    GameState& s = m_state;
    m_state.offered.archive = false;
    s.offered.restoreAll = false;
    applyVariantKey(m_settings, record.key);
    m_state.loadedFromFile = false;
    followGameForm(m_settings);
    resetToIdle();
    s.replayBuilding = true;
    s.showingArchived = true;

    // The look of the pieces follows from the stored faces.
    m_settings.pieceColours = a.pieceColours();
    m_settings.environment = a.environment;
    m_settings.jokes = a.jokes;
    m_ports.board.showEnvironment(a.environment);
    for (int k = 1; k <= kMaxPieces; ++k) {
        int face = a.faces[k];
        if (face < 0) {
            face = -face;
            if (k <= m_settings.pieceCount) {
                s.blocked[k] = true;
                ++s.blockedCount;
            }
        }
        s.faces[k] = face;
    }
    m_ports.board.applyPieceLook();
    setPaletteShownForCount(false);

    s.hiddenRow = a.hiddenRow;
    for (int i = 0; i < m_settings.positions; ++i)
        s.revealedHits[i] = true;
    m_ports.board.revealHiddenPieces();
    for (int r = 1; r <= rows; ++r) {
        s.rows[r - 1] = a.rows[r - 1];
        s.pegs[r - 1] = a.pegs[r - 1];
        int hits = 0;
        int misses = 0;
        for (int k = 0; k < kMaxPositions; ++k) {
            hits += s.pegs[r - 1][k] == 1;
            misses += s.pegs[r - 1][k] == -1;
        }
        s.rowKind[r - 1] = 0;
        s.rowMark[r - 1] = 0;
        m_ports.board.drawConfirmedRow(r, hits, misses);
    }
    s.currentRow = rows > 0 ? rows : 1;
    m_ports.board.refreshRowLabels();
    m_ports.board.refreshPieces();

    m_ports.status.setPanelText(StatusPanel::Time, record.time);
    m_ports.status.setPanelText(StatusPanel::Score, std::to_string(record.points));
    m_ports.status.setPanelText(StatusPanel::Record, std::to_string(a.previousRecord));
    if (m_settings.gameType == Training)
        m_settings.gameType = Classic;
    s.replayBuilding = false;
}

} // namespace mirvalon
