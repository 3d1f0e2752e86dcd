// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard play on the palette: the focus moves over the pieces, and the keys place, take back
// and block pieces by the same rules as the mouse.
#include "palette_keys.h"

#include "game.h"

namespace mirvalon {

namespace {
constexpr int kPaletteColumns = 5;
} // namespace

namespace {

// One step from `piece`; 0 past an edge of the palette.
int step(int piece, FocusMove move, int pieceCount)
{
    const int column = (piece - 1) % kPaletteColumns;
    int next = 0;
    switch (move) {
    case FocusMove::Left:
        next = column > 0 ? piece - 1 : 0;
        break;
    case FocusMove::Right:
        next = column < kPaletteColumns - 1 ? piece + 1 : 0;
        break;
    case FocusMove::Up:
        next = piece - kPaletteColumns;
        break;
    case FocusMove::Down:
        next = piece + kPaletteColumns;
        break;
    }
    return next >= 1 && next <= pieceCount ? next : 0;
}

} // namespace

int movePaletteFocus(int piece, FocusMove move, int pieceCount, const PieceAtRest& atRest)
{
    if (piece < 1 || piece > pieceCount)
        return 1;
    for (int next = step(piece, move, pieceCount); next != 0; next = step(next, move, pieceCount))
        if (!atRest || atRest(next))
            return next;
    return piece;
}

int settlePaletteFocus(int piece, int pieceCount, const PieceAtRest& atRest)
{
    if (piece < 1 || piece > pieceCount)
        piece = 1;
    for (int distance = 0; distance < pieceCount; ++distance)
        for (int candidate : {piece + distance, piece - distance})
            if (candidate >= 1 && candidate <= pieceCount && atRest(candidate))
                return candidate;
    return piece;
}

bool Game::paletteTakesKeys() const
{
    const GameState& s = m_state;
    return s.paletteTakesInput() && !s.trainingAutoPlay;
}

bool Game::pieceAtRestInPalette(int piece) const
{
    return piece >= 1 && piece <= m_settings.pieceCount && m_state.paletteShown[piece] &&
           !(m_settings.eachPieceOnce && pieceInActiveRow(piece));
}

bool Game::keyPlacePiece(int piece)
{
    Publisher publisher(*this, Publisher::Pieces);
    const GameState& s = m_state;
    if (s.autoRow || s.dragging || !s.paletteEnabled || piece < 1 ||
        piece > m_settings.pieceCount || !s.paletteShown[piece])
        return false;
    if (m_settings.gameType == Training)
        m_state.offered.restoreAll = true; // as a press on the piece does
    return placeFromPalette(piece);
}

bool Game::keyTakeBack()
{
    Publisher publisher(*this, Publisher::Pieces);
    const GameState& s = m_state;
    const bool enabled = m_settings.eachPieceOnce ? s.paletteEnabled : s.copiesEnabled;
    if (s.autoRow || s.dragging || !enabled)
        return false;
    // Enter fills the row from the left, so the last piece placed is the rightmost one.
    for (int position = m_settings.positions; position >= 1; --position) {
        if (activePiece(position) != 0) {
            takeBackFromSlot(position, true);
            m_ports.board.refreshPieces();
            return true;
        }
    }
    return false;
}

bool Game::keyToggleBlock(int piece)
{
    Publisher publisher(*this, Publisher::Pieces);
    if (m_state.autoRow || !m_state.paletteEnabled)
        return false;
    if (m_settings.gameType == Training)
        m_state.offered.restoreAll = true;
    return blockGesture(piece);
}

} // namespace mirvalon
