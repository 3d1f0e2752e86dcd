// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard play on the palette: Tab gives the palette the focus, the arrow keys move a drawn
// focus over its pieces, Enter places the focused piece, Backspace takes the last piece back
// and B blocks or unblocks the focused piece. Space stays the window's shortcut for OK.
#pragma once

#include <QObject>

namespace mirvalon {

class Board;
class Game;

class PaletteFocus : public QObject
{
    Q_OBJECT
public:
    // `palette` is the palette's region panel, which takes the focus for its pieces.
    PaletteFocus(QWidget* palette, Board& board, Game& game);

    int focusedPiece() const { return m_piece; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(int key);
    void showMark();

    QWidget* m_palette;
    Board& m_board;
    Game& m_game;
    int m_piece = 1;
    bool m_keyboard = false; // the player reached the palette by the keyboard
};

} // namespace mirvalon
