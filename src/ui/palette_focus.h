// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard play on the palette: Tab gives the palette the focus, the arrow keys move a drawn
// focus over its pieces, Enter places the focused piece, Backspace takes the last piece back
// and B blocks or unblocks the focused piece. Space stays the window's shortcut for OK.
#pragma once

#include <QObject>
#include <functional>

namespace mirvalon {

class Board;
class Game;

class PaletteFocus : public QObject
{
    Q_OBJECT
public:
    // `palette` is the palette's region panel, which takes the focus for its pieces while
    // they can be placed; `focusElsewhere` takes the focus off it when they no longer can.
    PaletteFocus(QWidget* palette, Board& board, Game& game, std::function<void()> focusElsewhere);

    int focusedPiece() const { return m_piece; }
    // Follows the game: the focus leaves a palette that no longer takes pieces, and moves off
    // a piece that left the palette onto the nearest one still in it.
    void refresh();
    // The drawn focus was shown on `piece` while the palette has the keyboard focus.
    std::function<void(int piece)> onFocusShown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPressed(int key);
    void showMark();

    QWidget* m_palette;
    Board& m_board;
    Game& m_game;
    std::function<void()> m_focusElsewhere;
    int m_piece = 1;
};

} // namespace mirvalon
