// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns of the painted board: the rows as a table of places with each
// row's answer, the palette as a list whose pieces can be pressed into the row, and spoken
// notes for what a sighted player sees change (a row's answer, the time and score on request).
// Nothing here changes what the window paints.
#pragma once

#include <QAccessible>
#include <QObject>
#include <QRect>

#include "spoken_texts.h"

class QWidget;

namespace mirvalon {

class Board;
class Game;
class PaletteFocus;

class BoardAccessibility : public QObject
{
    Q_OBJECT
public:
    struct Parts
    {
        QWidget* client;  // the client area: its painted boxes give way to the two below
        QWidget* rows;    // pnlPrac, read as the table of rows
        QWidget* palette; // pnlKocky, read as the list of pieces
        Board& board;
        Game& game;
        PaletteFocus& focus;
    };
    explicit BoardAccessibility(const Parts& parts);
    ~BoardAccessibility() override;

    SpokenTexts& texts() { return m_texts; }
    // The game goes before the widgets: from here on the board is read as plain widgets.
    void detach();

    // The table: row 0 is the hidden row, rows 1..15 the rows of the board; column 0 names the
    // row, columns 1..positions are its places, the last one its answer.
    int rowCount() const;
    int columnCount() const;
    QString cellText(int row, int column) const;
    QAccessible::State cellState(int row, int column) const;
    QRect cellRect(int row, int column) const;
    bool cellHasAction(int row, int column) const;
    bool pressCell(int row, int column);
    QString columnTitle(int column) const;

    // The palette's pieces 1..pieceCount; the keys' drawn focus rests on one of them.
    int pieceCount() const;
    int focusedPiece() const;
    QString pieceText(int piece) const;
    QAccessible::State pieceState(int piece) const;
    QRect pieceRect(int piece) const;
    bool pressPiece(int piece);

    // A box the board paints, read through the table or the list instead.
    bool isPaintedBox(const QObject* object) const;
    QWidget* client() const { return m_parts.client; }
    QWidget* rowsWidget() const { return m_parts.rows; }
    QWidget* paletteWidget() const { return m_parts.palette; }
    bool attached() const { return m_game != nullptr; }

    // The last note spoken, and the notes: a confirmed row's answer, the time and score.
    QString announcement() const { return m_announcement; }
    void rowConfirmed(int row, int hits, int misses);
    void sayStatus();
    // The palette's drawn focus moved to `piece`.
    void paletteFocusMoved(int piece);

private:
    void announce(const QString& text);
    QString placeText(int row, int position) const;
    int editedRow() const; // 0 while no row of the board is being edited
    bool rowConfirmedOnBoard(int row) const;

    Parts m_parts;
    Game* m_game;
    SpokenTexts m_texts;
    QString m_announcement;
};

// Lets the window's painted parts answer for themselves; installed once per application.
void installBoardAccessibility();

} // namespace mirvalon
