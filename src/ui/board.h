// SPDX-License-Identifier: GPL-3.0-or-later
// The board of the main window and its piece input: result area, edited row, confirmed rows
// with their pegs, row numbers, the palette with its copies and the environment pictures. It
// draws what the game state says and hands every mouse gesture on a piece to the game.
#pragma once

#include <QObject>
#include <QRect>
#include <array>
#include <functional>
#include <map>

#include "engine/game.h"

class QLabel;
class QMouseEvent;
class QWidget;

namespace mirvalon {

class BevelBox;

class Board : public QObject, public BoardView
{
    Q_OBJECT
public:
    // Creates the run-time boxes on `client`, above everything created before; each box is
    // entered in `controls` by its designed name.
    Board(QWidget* client, std::map<QString, QWidget*>& controls);

    void setGame(Game* game) { m_game = game; }
    // The four environment pictures over the board (imgText1 .. imgFoto2).
    void setPictures(const std::array<QLabel*, 4>& pictures) { m_pictures = pictures; }
    // The panels laid over the board stay above the pieces.
    void setPanels(QWidget* records, QWidget* information);
    // Run by closePanels: the window hides whichever panel is shown.
    std::function<void()> onClosePanels;
    // A row was drawn with its answer, as it is confirmed or laid out again.
    std::function<void(int row, int hits, int misses)> onRowDrawn;

    BevelBox* palettePiece(int piece) const { return m_palette[piece]; }
    BevelBox* copyPiece(int position) const { return m_copies[position - 1]; }
    BevelBox* editSlot(int position) const { return m_editSlots[position - 1]; }
    BevelBox* resultSlot(int position) const { return m_resultSlots[position - 1]; }
    BevelBox* hiddenPiece(int position) const { return m_rowZero[position - 1]; }
    BevelBox* rowPiece(int row, int position) const;
    BevelBox* rowPeg(int row, int position) const;
    QLabel* rowLabel(int row) const { return m_rowLabels[row - 1]; }

    // BoardView
    void applyPieceLook() override;
    void refreshPieces() override;
    void showResultSlots() override;
    void openEditRow() override;
    void drawConfirmedRow(int row, int hits, int misses) override;
    void revealHiddenPieces() override;
    void clearBoard() override;
    void refreshRowLabels() override;
    void showEnvironment(int environment) override;
    void closePanels() override;
    void endDrag() override;

private:
    void createControls(std::map<QString, QWidget*>& controls);
    // Piece input: the mouse on the 33 movable pieces.
    void wirePiece(BevelBox* box);
    void piecePressed(BevelBox* box, QMouseEvent* e);
    void pieceMoved(BevelBox* box, QMouseEvent* e);
    void pieceReleased(BevelBox* box, QMouseEvent* e);
    void pieceDoubleClicked(BevelBox* box, QMouseEvent* e);
    void dropCurrentPiece();
    int pieceOfBox(const BevelBox* box) const; // palette piece 1..25, 0 none
    int slotOfBox(const BevelBox* box) const;  // 1-based slot of the active row, 0 none
    QPoint slotPlace(int position) const;
    static QPoint homePlace(int piece);
    void showPieceFace(BevelBox* box, int piece) const;

    QWidget* m_client;
    Game* m_game = nullptr;
    QWidget* m_recordsPanel = nullptr;
    QWidget* m_infoPanel = nullptr;
    std::array<BevelBox*, kMaxPieces + 1> m_palette{}; // index = piece number; 0 the stand-in
    std::array<BevelBox*, kMaxPositions> m_copies{};
    std::array<BevelBox*, kMaxPositions> m_editSlots{};
    std::array<BevelBox*, kMaxPositions> m_resultSlots{};
    std::array<BevelBox*, kMaxPositions> m_rowZero{};
    std::array<std::array<BevelBox*, kMaxPositions>, kRows> m_rowPieces{};
    std::array<std::array<BevelBox*, kMaxPositions>, kRows> m_rowPegs{};
    std::array<QLabel*, kRows> m_rowLabels{};
    std::array<QLabel*, 4> m_pictures{};

    // Drag state.
    BevelBox* m_currentPiece = nullptr;
    QPoint m_origin;
    QPoint m_grab;
    int m_sourceSlot = 0;
};

} // namespace mirvalon
