// SPDX-License-Identifier: GPL-3.0-or-later
// The engine side of piece input: what a press, a drop or a double click on a piece does to
// the active row, the palette and the commands that follow the number of placed pieces.
// The window decides which slot a dragged piece's centre lies in; the rules are here.
#include "game.h"
#include "scoring.h"

#include <algorithm>

namespace mirvalon {

bool Game::pieceInActiveRow(int piece) const
{
    const Row& row = activeRow();
    for (int i = 0; i < m_settings.positions; ++i)
        if (row[i] == piece)
            return true;
    return false;
}

void Game::layoutPalette()
{
    setPaletteShownForCount(!m_state.trainingAutoPlay);
    m_ports.board.refreshPieces();
}

void Game::setPaletteShownForCount(bool shown)
{
    // Pieces 1..n show, the rest of the 25 do not (index 0 is no piece).
    auto& palette = m_state.paletteShown;
    const int n = shown ? m_settings.pieceCount : 0;
    std::fill(palette.begin() + 1, palette.begin() + 1 + n, true);
    std::fill(palette.begin() + 1 + n, palette.end(), false);
}

void Game::preparePalette()
{
    if (m_settings.eachPieceOnce || m_state.currentRow == 1) {
        m_state.paletteEnabled = true;
        layoutPalette();
    }
    m_state.copiesEnabled = true;
    // Places beyond the width are emptied too: pieces left there by a wider game would
    // otherwise be kept with the confirmed row and in the archive.
    m_state.editRow.fill(0);
    if (!m_state.trainingAutoPlay)
        m_state.offered.cancelRow = false;
    m_state.editCount = 0;
}

void Game::returnAllUnblocked()
{
    m_state.blocked.fill(false);
    m_state.blockedCount = 0;
    m_ports.board.refreshPieces();
}

void Game::disablePalette()
{
    m_state.paletteEnabled = false;
    m_state.copiesEnabled = false;
    m_ports.board.refreshPieces();
}

void Game::updatePlacedCount(int delta)
{
    GameState& s = m_state;
    Offers& o = s.offered;
    if (s.editCount == 0)
        o.enterHits = false;
    s.editCount += delta;
    if (s.inProgress && !s.clockStarted) {
        s.clockStarted = true;
        startClock();
    }
    if (s.editCount < 1) {
        // An emptied first row may be quick-started again.
        o.cancelRow = false;
        if (s.currentRow == 1)
            o.quickStart = true;
        if (m_settings.correctPosition && s.hitsKnown)
            o.enterHits = true;
    } else {
        o.cancelRow = true;
        if (s.currentRow == 1)
            o.quickStart = false;
    }
}

void Game::placeInFirstFreeSlot(int piece)
{
    Row& row = activeRow();
    for (int i = 0; i < m_settings.positions; ++i) {
        if (row[i] == 0) {
            row[i] = piece;
            break;
        }
    }
    if (!m_state.trainingAutoPlay)
        m_state.paletteShown[piece] = true;
}

bool Game::placeFromPalette(int piece)
{
    if (piece < 1 || piece > m_settings.pieceCount || m_state.blocked[piece])
        return false;
    if (m_state.editCount >= m_settings.positions)
        return false;
    if (m_settings.eachPieceOnce && pieceInActiveRow(piece))
        return false;
    m_state.paletteShown[piece] = false;
    placeInFirstFreeSlot(piece);
    updatePlacedCount(+1);
    m_ports.board.refreshPieces();
    return true;
}

bool Game::blockGesture(int piece)
{
    if (!m_settings.blocking || !m_state.inProgress || m_state.dragging)
        return false;
    if (piece < 1 || piece > m_settings.pieceCount || !m_state.paletteShown[piece])
        return false;
    if (m_settings.eachPieceOnce && pieceInActiveRow(piece))
        return false; // in a slot, not at rest in the palette
    toggleBlock(piece);
    return true;
}

bool Game::toggleBlock(int piece)
{
    Publisher publisher(*this, Publisher::Pieces);
    GameState& s = m_state;
    if (!m_settings.blocking || !s.inProgress || s.dragging)
        return false;
    if (piece < 1 || piece > m_settings.pieceCount)
        return false;
    if (!s.blocked[piece]) {
        s.blocked[piece] = true;
        ++s.blockedCount;
    } else if (!s.blockingRun) {
        s.blocked[piece] = false;
        --s.blockedCount;
    }
    m_ports.board.refreshPieces();
    return true;
}

namespace {
bool isBlockClick(MouseButton button, Modifiers m)
{
    const int held = int(m.shift) + int(m.ctrl) + int(m.alt);
    return button == MouseButton::Right || (button == MouseButton::Left && held == 1);
}
} // namespace

bool Game::pressPalettePiece(int piece, MouseButton button, Modifiers modifiers)
{
    Publisher publisher(*this, Publisher::Pieces);
    GameState& s = m_state;
    if (s.autoRow || !s.paletteEnabled || piece < 1 || piece > m_settings.pieceCount ||
        !s.paletteShown[piece])
        return false;
    if (m_settings.eachPieceOnce && pieceInActiveRow(piece))
        return false; // this piece sits in a slot; it is pressed there
    if (m_settings.gameType == Training)
        s.offered.restoreAll = true;
    if (isBlockClick(button, modifiers)) {
        if (blockGesture(piece) || button != MouseButton::Left)
            return false;
    }
    if (button != MouseButton::Left || s.blocked[piece] || s.dragging)
        return false;
    s.dragging = true;
    return true;
}

bool Game::pressSlotPiece(int position, MouseButton button, Modifiers)
{
    Publisher publisher(*this, Publisher::Pieces);
    GameState& s = m_state;
    const int piece = activePiece(position);
    const bool enabled = m_settings.eachPieceOnce ? s.paletteEnabled : s.copiesEnabled;
    if (s.autoRow || piece == 0 || !enabled)
        return false;
    if (m_settings.gameType == Training)
        s.offered.restoreAll = true;
    if (button != MouseButton::Left || s.dragging)
        return false;
    s.dragging = true;
    return true;
}

bool Game::releaseButton()
{
    if (m_state.autoRow) {
        m_state.autoRow = false;
        return true;
    }
    return false;
}

bool Game::dropPalettePiece(int piece, int toPosition)
{
    Publisher publisher(*this, Publisher::Pieces);
    GameState& s = m_state;
    if (!s.dragging)
        return false;
    s.dragging = false;
    const bool placed = toPosition >= 1 && toPosition <= m_settings.positions &&
                        activeRow()[toPosition - 1] == 0 && piece >= 1 &&
                        piece <= m_settings.pieceCount &&
                        !(m_settings.eachPieceOnce && pieceInActiveRow(piece));
    if (placed) {
        activeRow()[toPosition - 1] = piece;
        updatePlacedCount(+1);
    }
    m_ports.board.refreshPieces();
    return placed;
}

void Game::takeBackFromSlot(int position, bool chargePenalty)
{
    activeRow()[position - 1] = 0;
    if (chargePenalty && m_state.inProgress) {
        takePenalty(Penalty::TakeBack);
        showScoreAfterPenalty(false);
    }
    updatePlacedCount(-1);
}

bool Game::dropSlotPiece(int fromPosition, int toPosition, bool onPalette)
{
    Publisher publisher(*this, Publisher::Pieces);
    GameState& s = m_state;
    if (!s.dragging)
        return false;
    s.dragging = false;
    const int piece = activePiece(fromPosition);
    bool moved = false;
    if (piece != 0) {
        if (toPosition >= 1 && toPosition <= m_settings.positions &&
            activeRow()[toPosition - 1] == 0) {
            activeRow()[fromPosition - 1] = 0;
            activeRow()[toPosition - 1] = piece;
            moved = true;
        } else if (toPosition == 0 && onPalette) {
            takeBackFromSlot(fromPosition, true);
            moved = true;
        }
    }
    m_ports.board.refreshPieces();
    return moved;
}

bool Game::doubleClickPalettePiece(int piece)
{
    Publisher publisher(*this, Publisher::Pieces);
    m_state.autoRow = true; // guard until the next button release
    if (!m_state.paletteEnabled || piece < 1 || piece > m_settings.pieceCount ||
        !m_state.paletteShown[piece])
        return false;
    return placeFromPalette(piece);
}

bool Game::doubleClickSlotPiece(int position)
{
    Publisher publisher(*this, Publisher::Pieces);
    m_state.autoRow = true;
    const bool enabled = m_settings.eachPieceOnce ? m_state.paletteEnabled : m_state.copiesEnabled;
    if (!enabled || activePiece(position) == 0)
        return false;
    takeBackFromSlot(position, true);
    m_ports.board.refreshPieces();
    return true;
}

} // namespace mirvalon
