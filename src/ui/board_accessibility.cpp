// SPDX-License-Identifier: GPL-3.0-or-later
#include "board_accessibility.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QHash>
#include <QLabel>
#include <QPointer>
#include <QWidget>
#include <optional>

#include "bevel_box.h"
#include "board.h"
#include "engine/game.h"
#include "palette_focus.h"

namespace mirvalon {

namespace {

QList<BoardAccessibility*>& contexts()
{
    static QList<BoardAccessibility*> list;
    return list;
}

QRect globalRect(const QWidget* w)
{
    if (!w || !w->isVisibleTo(w->window()))
        return {};
    return {w->mapToGlobal(QPoint(0, 0)), w->size()};
}

// The children a widget's reader sees by default, less the boxes the board paints.
QList<QWidget*> readChildren(const QWidget* parent, const BoardAccessibility* context)
{
    QList<QWidget*> list;
    for (QObject* o : parent->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isWindow() && !(context && context->isPaintedBox(w)))
            list.append(w);
    }
    return list;
}

// A child that no widget stands behind: a place of a row, a piece of the palette, the notes.
// Its owner registers it with the accessibility cache and deletes it with itself.
class VirtualChild : public QAccessibleInterface
{
public:
    VirtualChild(BoardAccessibility* context, QWidget* owner) : m_context(context), m_owner(owner)
    {
    }
    bool isValid() const override { return m_context && m_context->attached() && m_owner; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override
    {
        return m_owner ? m_owner->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_owner.data());
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QPointer<BoardAccessibility> m_context;
    QPointer<QWidget> m_owner;
};

// Virtual children made on first use and kept by key until their owner goes.
class ChildCache
{
public:
    ~ChildCache()
    {
        // At the very end of the program the cache itself deletes what is left.
        if (QCoreApplication::instance())
            for (QAccessible::Id id : std::as_const(m_ids))
                QAccessible::deleteAccessibleInterface(id);
    }
    template <typename Make> QAccessibleInterface* get(int key, Make make)
    {
        auto it = m_ids.constFind(key);
        if (it != m_ids.constEnd())
            if (QAccessibleInterface* iface = QAccessible::accessibleInterface(*it))
                return iface;
        QAccessibleInterface* iface = make();
        m_ids.insert(key, QAccessible::registerAccessibleInterface(iface));
        return iface;
    }

private:
    QHash<int, QAccessible::Id> m_ids;
};

class PressAction : public QAccessibleActionInterface
{
public:
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

class RowCell : public VirtualChild, public QAccessibleTableCellInterface, public PressAction
{
public:
    RowCell(BoardAccessibility* context, int row, int column)
        : VirtualChild(context, context->rowsWidget()), m_row(row), m_column(column)
    {
    }
    bool isValid() const override
    {
        return VirtualChild::isValid() && m_column < m_context->columnCount();
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? m_context->cellText(m_row, m_column)
                                                   : QString();
    }
    QRect rect() const override
    {
        return isValid() ? m_context->cellRect(m_row, m_column) : QRect();
    }
    QAccessible::Role role() const override
    {
        return m_column == 0 ? QAccessible::RowHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override
    {
        if (!isValid()) {
            QAccessible::State s;
            s.invalid = true;
            return s;
        }
        return m_context->cellState(m_row, m_column);
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    // QAccessibleTableCellInterface
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_column; }
    int rowIndex() const override { return m_row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    // QAccessibleActionInterface
    QStringList actionNames() const override
    {
        return isValid() && m_context->cellHasAction(m_row, m_column) ? QStringList{pressAction()}
                                                                      : QStringList{};
    }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid())
            m_context->pressCell(m_row, m_column);
    }

private:
    int m_row;
    int m_column;
};

class PieceItem : public VirtualChild, public PressAction
{
public:
    PieceItem(BoardAccessibility* context, int piece)
        : VirtualChild(context, context->paletteWidget()), m_piece(piece)
    {
    }
    bool isValid() const override
    {
        return VirtualChild::isValid() && m_piece <= m_context->pieceCount();
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? m_context->pieceText(m_piece) : QString();
    }
    QRect rect() const override { return isValid() ? m_context->pieceRect(m_piece) : QRect(); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        if (!isValid()) {
            QAccessible::State s;
            s.invalid = true;
            return s;
        }
        return m_context->pieceState(m_piece);
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid())
            m_context->pressPiece(m_piece);
    }

private:
    int m_piece;
};

// The notes: a status line whose name is the last thing said, changed with each note.
class Notes : public VirtualChild
{
public:
    explicit Notes(BoardAccessibility* context) : VirtualChild(context, context->client()) {}
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return {};
        const QString said = m_context->announcement();
        return said.isEmpty() ? m_context->texts().text(Spoken::Announcements) : said;
    }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invalid = !isValid();
        return s;
    }
};

// A widget of the window read in the board's words while the game is there, and as a plain
// widget once the game has gone.
class BoardPart : public QAccessibleWidget
{
public:
    BoardPart(QWidget* w, QAccessible::Role role, BoardAccessibility* context,
              std::optional<Spoken> name = {})
        : QAccessibleWidget(w, role), m_context(context), m_name(name)
    {
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && m_name && live())
            return m_context->texts().text(*m_name);
        return QAccessibleWidget::text(t);
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y))
                return c;
        return nullptr;
    }

protected:
    BoardAccessibility* live() const
    {
        return m_context && m_context->attached() ? m_context.data() : nullptr;
    }
    QPointer<BoardAccessibility> m_context;

private:
    std::optional<Spoken> m_name;
};

class ClientReader : public BoardPart
{
public:
    ClientReader(QWidget* w, BoardAccessibility* context)
        : BoardPart(w, QAccessible::Client, context)
    {
    }
    int childCount() const override
    {
        return readChildren(widget(), live()).size() + (live() ? 1 : 0);
    }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> list = readChildren(widget(), live());
        if (index >= 0 && index < list.size())
            return QAccessible::queryAccessibleInterface(list.at(index));
        if (live() && index == list.size())
            return notes();
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        if (live() && child == notes())
            return readChildren(widget(), live()).size();
        return readChildren(widget(), live()).indexOf(qobject_cast<QWidget*>(child->object()));
    }
    QAccessibleInterface* notes() const
    {
        return m_children.get(0, [this] { return new Notes(m_context); });
    }

private:
    mutable ChildCache m_children;
};

class RowsTable : public BoardPart, public QAccessibleTableInterface
{
public:
    RowsTable(QWidget* w, BoardAccessibility* context)
        : BoardPart(w, QAccessible::Table, context, Spoken::Board)
    {
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    int childCount() const override { return live() ? rowCount() * columnCount() : 0; }
    QAccessibleInterface* child(int index) const override
    {
        const int columns = columnCount();
        if (index < 0 || index >= childCount() || columns == 0)
            return nullptr;
        return cellAt(index / columns, index % columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        auto* cell =
            child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
        if (!cell || child->parent() != this)
            return -1;
        return cell->rowIndex() * columnCount() + cell->columnIndex();
    }

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (!live() || row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
            return nullptr;
        BoardAccessibility* context = m_context;
        return m_cells.get(row * 16 + column,
                           [context, row, column] { return new RowCell(context, row, column); });
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override
    {
        return live() ? m_context->columnTitle(column) : QString();
    }
    QString rowDescription(int row) const override
    {
        return live() ? m_context->cellText(row, 0) : QString();
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return live() ? m_context->columnCount() : 0; }
    int rowCount() const override { return live() ? m_context->rowCount() : 0; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    mutable ChildCache m_cells;
};

class PaletteList : public BoardPart
{
public:
    PaletteList(QWidget* w, BoardAccessibility* context)
        : BoardPart(w, QAccessible::List, context, Spoken::Palette)
    {
    }
    int childCount() const override { return live() ? m_context->pieceCount() : 0; }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        BoardAccessibility* context = m_context;
        const int piece = index + 1;
        return m_items.get(piece, [context, piece] { return new PieceItem(context, piece); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (this->child(i) == child)
                return i;
        return -1;
    }
    QAccessibleInterface* focusChild() const override
    {
        if (!live() || !widget()->hasFocus())
            return nullptr;
        return child(m_context->focusedPiece() - 1);
    }

private:
    mutable ChildCache m_items;
};

QAccessibleInterface* readerFactory(const QString&, QObject* object)
{
    for (BoardAccessibility* c : std::as_const(contexts())) {
        if (object == c->client())
            return new ClientReader(c->client(), c);
        if (object == c->rowsWidget())
            return new RowsTable(c->rowsWidget(), c);
        if (object == c->paletteWidget())
            return new PaletteList(c->paletteWidget(), c);
    }
    return nullptr;
}

} // namespace

void installBoardAccessibility()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(readerFactory);
    installed = true;
}

BoardAccessibility::BoardAccessibility(const Parts& parts)
    : QObject(parts.client), m_parts(parts), m_game(&parts.game)
{
    installBoardAccessibility();
    contexts().append(this);
}

BoardAccessibility::~BoardAccessibility()
{
    contexts().removeAll(this);
}

void BoardAccessibility::detach()
{
    m_game = nullptr;
}

int BoardAccessibility::rowCount() const
{
    return kRows + 1;
}

int BoardAccessibility::columnCount() const
{
    return m_game ? m_game->settings().positions + 2 : 0;
}

int BoardAccessibility::pieceCount() const
{
    return m_game ? m_game->settings().pieceCount : 0;
}

int BoardAccessibility::focusedPiece() const
{
    return m_parts.focus.focusedPiece();
}

int BoardAccessibility::editedRow() const
{
    const GameState& s = m_game->state();
    return s.inProgress && !m_game->activeRowIsHidden() ? s.openRow : 0;
}

bool BoardAccessibility::rowConfirmedOnBoard(int row) const
{
    // A confirmed row keeps its pieces there; the row being edited has none there yet.
    return row >= 1 && row <= kRows && m_game->state().rows[row - 1][0] != 0;
}

QString BoardAccessibility::columnTitle(int column) const
{
    if (!m_game || column < 0 || column >= columnCount())
        return {};
    if (column == 0)
        return m_texts.text(Spoken::Row).arg(QString()).trimmed();
    if (column == columnCount() - 1)
        return m_texts.text(Spoken::Answer);
    return m_texts.text(Spoken::Place).arg(column);
}

QString BoardAccessibility::placeText(int row, int position) const
{
    const GameState& s = m_game->state();
    auto name = [&](int piece) {
        return piece ? m_texts.piece(piece, s.faces[piece]) : m_texts.text(Spoken::Empty);
    };
    if (row == 0) {
        if (m_game->activeRowIsHidden())
            return name(s.hiddenRow[position - 1]);
        if (m_parts.board.hiddenPiece(position)->isVisibleTo(m_parts.client))
            return name(s.hiddenRow[position - 1]);
        return m_texts.text(Spoken::Covered);
    }
    if (rowConfirmedOnBoard(row))
        return name(s.rows[row - 1][position - 1]);
    if (row == editedRow())
        return name(s.editRow[position - 1]);
    return m_texts.text(Spoken::Empty);
}

QString BoardAccessibility::cellText(int row, int column) const
{
    if (!m_game || row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return {};
    const GameState& s = m_game->state();
    if (column == 0) {
        if (row == 0)
            return m_texts.text(Spoken::HiddenRow);
        QString text = m_texts.text(Spoken::Row).arg(row);
        if (s.rowMark[row - 1] == 1)
            text += QStringLiteral(", ") + m_texts.text(Spoken::StruckOut);
        if (row == editedRow() && !rowConfirmedOnBoard(row))
            text += QStringLiteral(", ") + m_texts.text(Spoken::Current);
        return text;
    }
    if (column == columnCount() - 1) {
        if (!rowConfirmedOnBoard(row))
            return m_texts.text(Spoken::NoAnswer);
        int hits = 0;
        int misses = 0;
        for (int peg : s.pegs[row - 1]) {
            hits += peg == 1;
            misses += peg == -1;
        }
        return m_texts.answer(hits, misses);
    }
    return placeText(row, column);
}

QAccessible::State BoardAccessibility::cellState(int row, int column) const
{
    QAccessible::State st;
    if (!m_game)
        return st;
    const GameState& s = m_game->state();
    const bool active = m_game->activeRowIsHidden() ? row == 0 : row >= 1 && row == editedRow();
    st.selected = active;
    st.readOnly = true;
    if (column == 0 && row >= 1) {
        st.checkable = true;
        st.checked = s.rowMark[row - 1] == 1;
    }
    return st;
}

QRect BoardAccessibility::cellRect(int row, int column) const
{
    if (!m_game)
        return {};
    const int positions = m_game->settings().positions;
    if (column >= 1 && column <= positions) {
        if (row == 0)
            return globalRect(m_parts.board.resultSlot(column));
        if (row == editedRow())
            return globalRect(m_parts.board.editSlot(column));
        return globalRect(m_parts.board.rowPiece(row, column));
    }
    if (row >= 1 && column == 0)
        return globalRect(m_parts.board.rowLabel(row));
    if (row >= 1 && column == positions + 1) {
        const QRect first = globalRect(m_parts.board.rowPeg(row, 1));
        return first.isEmpty() ? first
                               : first.united(globalRect(m_parts.board.rowPeg(row, positions)));
    }
    return {};
}

bool BoardAccessibility::cellHasAction(int row, int column) const
{
    if (!m_game)
        return false;
    const GameState& s = m_game->state();
    if (column == 0)
        return row >= 1 && s.rowMark[row - 1] != -1; // a reached row's number strikes it out
    const bool active = m_game->activeRowIsHidden() ? row == 0 : row >= 1 && row == editedRow();
    return active && column <= m_game->settings().positions &&
           m_game->activePiece(column) != 0; // a placed piece goes back to the palette
}

bool BoardAccessibility::pressCell(int row, int column)
{
    if (!cellHasAction(row, column))
        return false;
    if (column == 0) {
        m_game->toggleRowMark(row);
        return true;
    }
    // As a double click takes the piece back, and the release that follows it.
    const bool taken = m_game->doubleClickSlotPiece(column);
    m_game->releaseButton();
    m_parts.focus.refresh();
    return taken;
}

QString BoardAccessibility::pieceText(int piece) const
{
    if (!m_game || piece < 1 || piece > pieceCount())
        return {};
    const GameState& s = m_game->state();
    QString text = m_texts.piece(piece, s.faces[piece]);
    if (s.blocked[piece])
        text += QStringLiteral(", ") + m_texts.text(Spoken::Blocked);
    return text;
}

QAccessible::State BoardAccessibility::pieceState(int piece) const
{
    QAccessible::State st;
    if (!m_game)
        return st;
    const GameState& s = m_game->state();
    const bool takes = m_game->paletteTakesKeys();
    st.focusable = takes;
    st.focused = takes && m_parts.palette->hasFocus() && focusedPiece() == piece;
    st.disabled = !takes || s.blocked[piece] || !m_game->pieceAtRestInPalette(piece);
    return st;
}

QRect BoardAccessibility::pieceRect(int piece) const
{
    return m_game ? globalRect(m_parts.board.palettePiece(piece)) : QRect();
}

bool BoardAccessibility::pressPiece(int piece)
{
    if (!m_game || !m_game->paletteTakesKeys())
        return false;
    const bool placed = m_game->keyPlacePiece(piece);
    m_parts.focus.refresh();
    return placed;
}

bool BoardAccessibility::isPaintedBox(const QObject* object) const
{
    // The board's boxes by their designed names: pieces, copies, slots, pegs, row numbers.
    static const char* const prefixes[] = {"pnlK_",    "pnlKP_", "editSlot", "resultSlot",
                                           "rowPiece", "rowPeg", "lblC_"};
    const QString name = object->objectName();
    for (const char* prefix : prefixes)
        if (name.startsWith(QLatin1String(prefix)))
            return true;
    return false;
}

void BoardAccessibility::announce(const QString& text)
{
    m_announcement = text;
    if (!QAccessible::isActive())
        return; // nobody listens: the note waits to be read
    auto* client =
        dynamic_cast<ClientReader*>(QAccessible::queryAccessibleInterface(m_parts.client));
    if (!client)
        return;
    QAccessibleEvent event(client->notes(), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void BoardAccessibility::rowConfirmed(int row, int hits, int misses)
{
    if (!m_game || m_game->state().replayBuilding)
        return;
    announce(m_texts.text(Spoken::RowAnswer).arg(row).arg(m_texts.answer(hits, misses)));
}

void BoardAccessibility::sayStatus()
{
    if (!m_game)
        return;
    const GameState& s = m_game->state();
    announce(m_texts.text(Spoken::Status)
                 .arg(QString::fromStdString(s.clockText))
                 .arg(s.score)
                 .arg(s.currentRow));
}

void BoardAccessibility::paletteFocusMoved(int piece)
{
    if (!m_game || !QAccessible::isActive() || !m_parts.palette->hasFocus())
        return;
    QAccessibleEvent event(m_parts.palette, QAccessible::Focus);
    event.setChild(piece - 1);
    QAccessible::updateAccessibility(&event);
}

} // namespace mirvalon
