// SPDX-License-Identifier: GPL-3.0-or-later
#include "palette_focus.h"

#include <QKeyEvent>
#include <QWidget>

#include "bevel_box.h"
#include "board.h"
#include "engine/game.h"
#include "engine/palette_keys.h"

namespace mirvalon {

PaletteFocus::PaletteFocus(QWidget* palette, Board& board, Game& game,
                           std::function<void()> focusElsewhere)
    : QObject(palette), m_palette(palette), m_board(board), m_game(game),
      m_focusElsewhere(std::move(focusElsewhere))
{
    palette->setFocusPolicy(Qt::NoFocus);
    palette->installEventFilter(this);
}

void PaletteFocus::refresh()
{
    const bool acts = m_game.paletteTakesKeys();
    m_palette->setFocusPolicy(acts ? Qt::TabFocus : Qt::NoFocus);
    if (!acts && m_palette->hasFocus() && m_focusElsewhere)
        m_focusElsewhere();
    showMark();
}

bool PaletteFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_palette)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        showMark();
        return false;
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        return keyPressed(key->key());
    }
    default:
        return false;
    }
}

bool PaletteFocus::keyPressed(int key)
{
    const int pieces = m_game.settings().pieceCount;
    const PieceAtRest atRest = [this](int piece) { return m_game.pieceAtRestInPalette(piece); };
    switch (key) {
    case Qt::Key_Left:
        m_piece = movePaletteFocus(m_piece, FocusMove::Left, pieces, atRest);
        break;
    case Qt::Key_Right:
        m_piece = movePaletteFocus(m_piece, FocusMove::Right, pieces, atRest);
        break;
    case Qt::Key_Up:
        m_piece = movePaletteFocus(m_piece, FocusMove::Up, pieces, atRest);
        break;
    case Qt::Key_Down:
        m_piece = movePaletteFocus(m_piece, FocusMove::Down, pieces, atRest);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_game.keyPlacePiece(m_piece);
        break;
    case Qt::Key_Backspace:
        m_game.keyTakeBack();
        break;
    case Qt::Key_B:
        m_game.keyToggleBlock(m_piece);
        break;
    default:
        return false;
    }
    showMark();
    return true;
}

void PaletteFocus::showMark()
{
    // The focus stays on a piece the keys act on: one that left the palette (placed, or the
    // palette grew smaller) hands it to the nearest piece still there.
    m_piece = settlePaletteFocus(m_piece, m_game.settings().pieceCount,
                                 [this](int piece) { return m_game.pieceAtRestInPalette(piece); });
    const bool focused = m_palette->hasFocus();
    for (int k = 1; k <= kMaxPieces; ++k)
        m_board.palettePiece(k)->setFocusMark(focused && k == m_piece);
    if (focused && onFocusShown)
        onFocusShown(m_piece);
}

} // namespace mirvalon
