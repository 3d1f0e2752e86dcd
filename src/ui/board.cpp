// SPDX-License-Identifier: GPL-3.0-or-later
// The board drawn from the game state (palette, slots, confirmed rows, pegs, row numbers,
// the hidden row) and piece input: dragging, dropping and double-clicking pieces.
#include "board.h"

#include <QLabel>
#include <QMouseEvent>
#include <vector>

#include "application_look.h"
#include "bevel_box.h"
#include "click_label.h"
#include "mouse_input.h"
#include "stacking.h"

namespace mirvalon {

namespace {

const QColor kCoveredColour(184, 184, 184);

// clang-format off
const QColor kColourTable[kMaxPieces + 1] = {
    {},
    {0, 0, 0},       {0, 255, 0},     {128, 0, 128},   {0, 0, 255},     {255, 128, 128},
    {255, 0, 255},   {192, 192, 192}, {255, 0, 0},     {0, 128, 0},     {255, 255, 0},
    {0, 255, 204},   {153, 0, 0},     {255, 204, 153}, {102, 102, 102}, {0, 0, 128},
    {168, 159, 131}, {0, 153, 255},   {128, 128, 0},   {0, 128, 128},   {0, 255, 255},
    {204, 204, 51},  {255, 128, 0},   {20, 188, 132},  {204, 51, 102},  {102, 51, 0},
};
// clang-format on

constexpr int kPieceWidth = 40;
constexpr int kPieceHeight = 22;
const QRect kPaletteArea(542, 332, 230, 148); // pnlKocky

int rowTop(int row)
{
    return 480 - 28 * row;
}

int positionLeft(int position)
{
    return 62 + 44 * (position - 1);
}

} // namespace

Board::Board(QWidget* client, std::map<QString, QWidget*>& controls)
    : QObject(client), m_client(client)
{
    createControls(controls);
}

void Board::setPanels(QWidget* records, QWidget* information)
{
    m_recordsPanel = records;
    m_infoPanel = information;
}

QPoint Board::homePlace(int piece)
{
    return {549 + 44 * ((piece - 1) % 5), 339 + 28 * ((piece - 1) / 5)};
}

QPoint Board::slotPlace(int position) const
{
    return {positionLeft(position),
            m_game->activeRowIsHidden() ? 13 : rowTop(m_game->state().openRow)};
}

void Board::showPieceFace(BevelBox* box, int piece) const
{
    const int face = piece >= 1 && piece <= kMaxPieces ? m_game->state().faces[piece] : 0;
    if (face >= kColourFace || face <= -kColourFace) {
        box->setCaption(QString());
        box->setColour(kColourTable[piece]);
    } else {
        box->setCaption(face ? QString::number(face < 0 ? -face : face) : QString());
        box->setColour(faceColour());
    }
}

BevelBox* Board::rowPiece(int row, int position) const
{
    return m_rowPieces[row - 1][position - 1];
}

BevelBox* Board::rowPeg(int row, int position) const
{
    return m_rowPegs[row - 1][position - 1];
}

int Board::slotOfBox(const BevelBox* box) const
{
    for (int i = 1; i <= kMaxPositions; ++i)
        if (box == m_copies[i - 1])
            return i;
    if (!m_game->settings().eachPieceOnce)
        return 0;
    for (int k = 1; k <= kMaxPieces; ++k)
        if (box == m_palette[k])
            for (int i = 1; i <= m_game->settings().positions; ++i)
                if (m_game->activePiece(i) == k)
                    return i;
    return 0;
}

void Board::applyPieceLook()
{
    for (int k = 1; k <= kMaxPieces; ++k)
        showPieceFace(m_palette[k], k);
}

void Board::refreshPieces()
{
    if (!m_game)
        return;
    const GameState& s = m_game->state();
    const GameSettings& set = m_game->settings();
    const int p = set.positions;
    const bool repeat = !set.eachPieceOnce;
    // The boxes in the order they stand from the bottom up; set at the end.
    std::vector<QWidget*> stack;

    for (int i = 1; i <= kMaxPositions; ++i) {
        BevelBox* result = m_resultSlots[i - 1];
        result->move(positionLeft(i), 13);
        result->setColour(s.resultCovered ? kCoveredColour : faceColour());
        result->setVisible(i <= p);
        stack.push_back(result);
        BevelBox* edit = m_editSlots[i - 1];
        if (s.openRow >= 1)
            edit->move(positionLeft(i), rowTop(s.openRow));
        edit->setColour(faceColour());
        edit->setVisible(i <= p && s.openRow >= 1);
        stack.push_back(edit);
        BevelBox* hidden = m_rowZero[i - 1];
        hidden->move(positionLeft(i), 13);
        showPieceFace(hidden, s.hiddenRow[i - 1]);
        hidden->setVisible(i <= p && s.revealedHits[i - 1]);
        stack.push_back(hidden);
    }
    for (int k = 1; k <= kMaxPieces; ++k) {
        BevelBox* box = m_palette[k];
        if (box == m_currentPiece && s.dragging)
            continue; // the piece being dragged follows the mouse
        if (k > set.pieceCount || !s.paletteShown[k]) {
            box->hide();
            continue;
        }
        int slot = 0;
        if (!repeat)
            for (int i = 1; i <= p && !slot; ++i)
                if (m_game->activePiece(i) == k)
                    slot = i;
        if (s.blocked[k] && !slot) {
            box->setLook(Bevel::None, Bevel::None, 1);
            box->setGeometry(QRect(homePlace(k) + QPoint(10, 5), QSize(20, 12)));
            box->setCursor(Qt::ArrowCursor);
        } else {
            box->setLook(Bevel::Raised, Bevel::None, 3);
            box->setGeometry(
                QRect(slot ? slotPlace(slot) : homePlace(k), QSize(kPieceWidth, kPieceHeight)));
            box->setCursor(Qt::PointingHandCursor);
        }
        box->setEnabled(s.paletteTakesInput());
        box->setGreyWhenDisabled(!slot);
        box->show();
        stack.push_back(box);
    }
    for (int i = 1; i <= kMaxPositions; ++i) {
        BevelBox* copy = m_copies[i - 1];
        if (copy == m_currentPiece && s.dragging)
            continue;
        const int piece = i <= p ? m_game->activePiece(i) : 0;
        const bool rowShown = m_game->activeRowIsHidden() || s.openRow >= 1;
        if (!repeat || piece == 0 || !rowShown) {
            copy->hide();
            continue;
        }
        showPieceFace(copy, piece);
        copy->move(slotPlace(i));
        copy->setEnabled(s.copiesTakeInput());
        copy->setGreyWhenDisabled(false);
        copy->show();
        stack.push_back(copy);
    }
    if (!(s.dragging && m_currentPiece))
        m_palette[0]->hide();
    if (s.recordsPanelShown)
        stack.push_back(m_recordsPanel);
    if (s.informationPanelShown)
        stack.push_back(m_infoPanel);
    stackOnTop(stack);
}

void Board::showResultSlots()
{
    refreshPieces();
}

void Board::openEditRow()
{
    refreshPieces();
}

void Board::revealHiddenPieces()
{
    refreshPieces();
}

void Board::drawConfirmedRow(int row, int hits, int misses)
{
    if (row < 1 || row > kRows)
        return;
    const GameState& s = m_game->state();
    const int p = m_game->settings().positions;
    QWidget* client = m_client;
    for (int i = 1; i <= kMaxPositions; ++i) {
        BevelBox*& piece = m_rowPieces[row - 1][i - 1];
        BevelBox*& peg = m_rowPegs[row - 1][i - 1];
        if (!piece) {
            piece = new BevelBox(client);
            piece->setObjectName(QStringLiteral("rowPiece%1_%2").arg(row).arg(i));
            piece->setLook(Bevel::Raised, Bevel::None, 3);
            piece->setBold(true);
            piece->resize(kPieceWidth, kPieceHeight);
            peg = new BevelBox(client);
            peg->setObjectName(QStringLiteral("rowPeg%1_%2").arg(row).arg(i));
            peg->setLook(Bevel::Raised, Bevel::Lowered, 1);
            peg->resize(9, 22);
        }
        piece->move(positionLeft(i), rowTop(row));
        showPieceFace(piece, s.rows[row - 1][i - 1]);
        piece->setVisible(i <= p);
        piece->raise();
        peg->move(434 + 12 * (i - 1), rowTop(row));
        peg->setColour(i <= hits ? Qt::black : Qt::white);
        peg->setVisible(i <= p && i <= hits + misses);
        peg->raise();
    }
    refreshPieces();
    if (onRowDrawn)
        onRowDrawn(row, hits, misses);
}

void Board::clearBoard()
{
    for (auto& row : m_rowPieces)
        for (BevelBox* b : row)
            if (b)
                b->hide();
    for (auto& row : m_rowPegs)
        for (BevelBox* b : row)
            if (b)
                b->hide();
    refreshPieces();
}

void Board::refreshRowLabels()
{
    const GameState& s = m_game->state();
    for (int r = 1; r <= kRows; ++r) {
        QLabel* l = m_rowLabels[r - 1];
        const int mark = s.rowMark[r - 1];
        QFont f = l->font();
        f.setStrikeOut(mark == 1);
        l->setFont(f);
        setTextColour(l, mark == -1 ? QColor(192, 192, 192) : QColor(100, 100, 100));
    }
}

void Board::showEnvironment(int environment)
{
    for (int i = 0; i < 4; ++i)
        if (m_pictures[i])
            m_pictures[i]->setVisible(i == environment);
}

void Board::closePanels()
{
    if (onClosePanels)
        onClosePanels();
}

void Board::endDrag()
{
    if (m_currentPiece && m_game->isDragging())
        dropCurrentPiece();
}

// ---- Piece input ----

void Board::wirePiece(BevelBox* box)
{
    box->onPress = [this, box](QMouseEvent* e) { piecePressed(box, e); };
    box->onMove = [this, box](QMouseEvent* e) { pieceMoved(box, e); };
    box->onRelease = [this, box](QMouseEvent* e) { pieceReleased(box, e); };
    box->onDoubleClick = [this, box](QMouseEvent* e) { pieceDoubleClicked(box, e); };
}

void Board::piecePressed(BevelBox* box, QMouseEvent* e)
{
    const int slot = slotOfBox(box);
    const int piece = pieceOfBox(box);
    const bool started = slot ? m_game->pressSlotPiece(slot, buttonOf(e), modifiersOf(e))
                              : m_game->pressPalettePiece(piece, buttonOf(e), modifiersOf(e));
    if (!started)
        return;
    m_currentPiece = box;
    m_origin = box->pos();
    m_grab = e->position().toPoint();
    m_sourceSlot = slot;
    if (!slot && !m_game->settings().eachPieceOnce) {
        // The palette keeps looking full while a copy of its piece is dragged.
        BevelBox* standIn = m_palette[0];
        standIn->setGeometry(box->geometry());
        standIn->setColour(box->colour());
        standIn->setCaption(box->caption());
        standIn->show();
    }
    box->raise();
}

void Board::pieceMoved(BevelBox* box, QMouseEvent* e)
{
    if (box != m_currentPiece || !m_game->isDragging())
        return;
    box->move(box->pos() + e->position().toPoint() - m_grab);
}

void Board::pieceReleased(BevelBox* box, QMouseEvent*)
{
    if (m_game->releaseButton())
        return; // the release that ends a double click
    if (box == m_currentPiece && m_game->isDragging())
        dropCurrentPiece();
}

void Board::dropCurrentPiece()
{
    BevelBox* box = m_currentPiece;
    const QRect r = box->geometry();
    const QPoint centre(r.left() + r.width() / 2, r.top() + r.height() / 2);
    const auto strictlyInside = [&](const QRect& area) {
        return area.left() < centre.x() && centre.x() < area.left() + area.width() &&
               area.top() < centre.y() && centre.y() < area.top() + area.height();
    };
    int target = 0;
    for (int i = 1; i <= m_game->settings().positions && !target; ++i)
        if (strictlyInside(QRect(slotPlace(i), QSize(kPieceWidth, kPieceHeight))) &&
            m_game->activePiece(i) == 0)
            target = i;
    const bool onPalette = strictlyInside(kPaletteArea);
    const int piece = pieceOfBox(box);
    m_palette[0]->hide();
    if (m_sourceSlot)
        m_game->dropSlotPiece(m_sourceSlot, target, onPalette);
    else
        m_game->dropPalettePiece(piece, target);
    m_currentPiece = nullptr;
    box->move(m_origin); // where it stands now, the state says
    refreshPieces();
}

void Board::pieceDoubleClicked(BevelBox* box, QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const int slot = slotOfBox(box);
    if (slot) {
        m_game->doubleClickSlotPiece(slot);
        return;
    }
    if (const int piece = pieceOfBox(box))
        m_game->doubleClickPalettePiece(piece);
}

int Board::pieceOfBox(const BevelBox* box) const
{
    for (int k = 1; k <= kMaxPieces; ++k)
        if (box == m_palette[k])
            return k;
    return 0;
}

void Board::createControls(std::map<QString, QWidget*>& controls)
{
    QWidget* client = m_client;
    auto box = [&](const QString& name, Bevel outer, Bevel inner, int width) {
        auto* b = new BevelBox(client);
        b->setObjectName(name);
        b->setLook(outer, inner, width);
        b->resize(40, 22);
        b->hide();
        controls[name] = b;
        return b;
    };
    for (int r = 1; r <= kRows; ++r) {
        // Right-aligned without leading blanks, so a struck-out number is struck through its
        // digits only and never reads as a negative number.
        auto* l = new ClickLabel(QString::number(r), client);
        l->setObjectName(QStringLiteral("lblC_%1").arg(r));
        QFont f = l->font();
        f.setBold(true);
        f.setPointSize(12);
        l->setFont(f);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setGeometry(8 + 2, 52 + 400 - 28 * (r - 1), 19 + 11 - 2, 20);
        l->onPress = [this, r](QMouseEvent* e) {
            if (e->button() == Qt::LeftButton)
                m_game->toggleRowMark(r);
        };
        m_rowLabels[r - 1] = l;
        controls[l->objectName()] = l;
    }
    for (int i = 1; i <= kMaxPositions; ++i) {
        m_resultSlots[i - 1] =
            box(QStringLiteral("resultSlot%1").arg(i), Bevel::Raised, Bevel::Lowered, 1);
        m_editSlots[i - 1] =
            box(QStringLiteral("editSlot%1").arg(i), Bevel::Raised, Bevel::Lowered, 1);
    }
    for (int i = 1; i <= kMaxPositions; ++i) {
        BevelBox* hidden =
            box(QStringLiteral("rowPiece0_%1").arg(i), Bevel::Raised, Bevel::None, 3);
        hidden->setBold(true);
        m_rowZero[i - 1] = hidden;
    }
    for (int k = 0; k <= kMaxPieces; ++k) {
        BevelBox* piece = box(QStringLiteral("pnlK_%1").arg(k), Bevel::Raised, Bevel::None, 3);
        piece->setBold(true);
        piece->setCursor(Qt::PointingHandCursor);
        m_palette[k] = piece;
        if (k > 0)
            wirePiece(piece);
    }
    m_palette[0]->setEnabled(false);
    for (int i = 1; i <= kMaxPositions; ++i) {
        BevelBox* copy = box(QStringLiteral("pnlKP_%1").arg(i), Bevel::Raised, Bevel::None, 3);
        copy->setBold(true);
        copy->setCursor(Qt::PointingHandCursor);
        m_copies[i - 1] = copy;
        wirePiece(copy);
    }
}

} // namespace mirvalon
