// SPDX-License-Identifier: GPL-3.0-or-later
#include "palette_focus.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

#include "bevel_box.h"
#include "board.h"
#include "engine/game.h"
#include "engine/palette_keys.h"

namespace mirvalon {

PaletteFocus::PaletteFocus(QWidget* palette, Board& board, Game& game)
    : QObject(palette), m_palette(palette), m_board(board), m_game(game)
{
    palette->setFocusPolicy(Qt::TabFocus);
    palette->installEventFilter(this);
}

bool PaletteFocus::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_palette)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn: {
        // The mark is for the player who came by the keyboard; the focus that lands here
        // when a disabled button gives it up shows nothing until a key is used.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            m_keyboard = true;
        showMark();
        return false;
    }
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            m_keyboard = false;
        showMark();
        return false;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            // Tab passes on; when nothing else takes the focus it stays here, now marked.
            m_keyboard = true;
            showMark();
            return false;
        }
        return keyPressed(key->key());
    }
    default:
        return false;
    }
}

bool PaletteFocus::keyPressed(int key)
{
    const int pieces = m_game.settings().pieceCount;
    switch (key) {
    case Qt::Key_Left:
        m_piece = movePaletteFocus(m_piece, FocusMove::Left, pieces);
        break;
    case Qt::Key_Right:
        m_piece = movePaletteFocus(m_piece, FocusMove::Right, pieces);
        break;
    case Qt::Key_Up:
        m_piece = movePaletteFocus(m_piece, FocusMove::Up, pieces);
        break;
    case Qt::Key_Down:
        m_piece = movePaletteFocus(m_piece, FocusMove::Down, pieces);
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
    m_keyboard = true;
    showMark();
    return true;
}

void PaletteFocus::showMark()
{
    // A palette of fewer pieces than before keeps the focus on one of its own.
    if (m_piece > m_game.settings().pieceCount)
        m_piece = 1;
    const bool focused = m_keyboard && m_palette->hasFocus();
    for (int k = 1; k <= kMaxPieces; ++k)
        m_board.palettePiece(k)->setFocusMark(focused && k == m_piece);
}

} // namespace mirvalon
