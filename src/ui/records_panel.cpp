// SPDX-License-Identifier: GPL-3.0-or-later
#include "records_panel.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QTreeWidget>

namespace mirvalon {

namespace {
struct Column
{
    const char* title;
    int width;
    Qt::Alignment align;
};
const Column kColumns[7] = {
    {"Číslo", 46, Qt::AlignLeft},  {"Ob.", 36, Qt::AlignHCenter},   {"Ria.", 41, Qt::AlignHCenter},
    {"Čas", 59, Qt::AlignHCenter}, {"Skóre", 47, Qt::AlignHCenter}, {"Meno", 88, Qt::AlignLeft},
    {"A", 19, Qt::AlignHCenter},
};
} // namespace

RecordsPanel::RecordsPanel(QWidget* parent)
    : OverlayPanel(parent, QStringLiteral("pnlHSkore"), QStringLiteral("lblHSkore"),
                   QStringLiteral("NAJLEPŠIE SKÓRE")),
      m_pmnSkore(new QMenu(this))
{
    for (int c = 0; c < 7; ++c)
        m_titles[c] = QString::fromUtf8(kColumns[c].title);
    struct Item
    {
        const char* name;
        const char* caption;
        QKeySequence key;
        bool separatorBefore;
    };
    const Item items[] = {
        {"pm1NajSkore", "Najlepšie skóre", QKeySequence(Qt::CTRL | Qt::Key_K), false},
        {"pm1Aktivovat", "Aktivovať hru", QKeySequence(Qt::Key_Enter), true},
        {"pm1Archiv", "Archív", QKeySequence(Qt::Key_A), false},
        {"pm1Vymazat", "Vymazať rekord", QKeySequence(Qt::Key_Delete), true},
        {"pm1VymazatAll", "Vymazať všetky rekordy", QKeySequence(Qt::CTRL | Qt::Key_Delete), false},
        {"pm1Synchro", "Synchronizovať...", QKeySequence(), true},
    };
    for (const Item& item : items) {
        if (item.separatorBefore)
            m_pmnSkore->addSeparator();
        QAction* a = m_pmnSkore->addAction(QString::fromUtf8(item.caption));
        a->setObjectName(QString::fromLatin1(item.name));
        // The keys are shown in the menu; the list handles them itself.
        a->setShortcut(item.key);
        a->setShortcutContext(Qt::WidgetShortcut);
    }
    action("pm1NajSkore")->setCheckable(true); // checked while the list is shown
}

QAction* RecordsPanel::action(const char* name) const
{
    return m_pmnSkore->findChild<QAction*>(QString::fromLatin1(name));
}

QTreeWidget* RecordsPanel::list() const
{
    if (m_liveHSkore)
        return m_liveHSkore;
    // Built when first needed: most runs never open the list, and the window opens sooner.
    auto* self = const_cast<RecordsPanel*>(this);
    m_liveHSkore = new QTreeWidget(self);
    m_liveHSkore->setObjectName(QStringLiteral("liveHSkore"));
    m_liveHSkore->setGeometry(contentArea());
    m_liveHSkore->setRootIsDecorated(false);
    m_liveHSkore->setUniformRowHeights(true);
    m_liveHSkore->setSelectionMode(QAbstractItemView::SingleSelection);
    m_liveHSkore->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_liveHSkore->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_liveHSkore->setAllColumnsShowFocus(true);
    m_liveHSkore->setColumnCount(7);
    m_liveHSkore->header()->setStretchLastSection(false);
    m_liveHSkore->header()->setSectionsMovable(false);
    m_liveHSkore->header()->setMinimumSectionSize(10);
    // Grid lines between the cells, and a selection that keeps its text readable.
    m_liveHSkore->setStyleSheet(QStringLiteral(
        "QTreeView::item { border-right: 1px solid #d0d0d0; border-bottom: 1px solid #d0d0d0; }"
        "QTreeView::item:selected { background: rgb(0, 0, 128); color: white; }"));
    m_liveHSkore->setHeaderLabels(QStringList(m_titles.begin(), m_titles.end()));
    for (int i = 0; i < 7; ++i) {
        m_liveHSkore->setColumnWidth(i, kColumns[i].width);
        m_liveHSkore->headerItem()->setTextAlignment(i, kColumns[i].align | Qt::AlignVCenter);
    }
    m_liveHSkore->installEventFilter(self);
    m_liveHSkore->viewport()->installEventFilter(self);
    connect(m_liveHSkore, &QTreeWidget::currentItemChanged, self,
            [self] { emit self->rowChanged(self->selectedIndex()); });
    connect(m_liveHSkore, &QTreeWidget::itemDoubleClicked, self,
            [self] { emit self->activateRequested(self->selectedIndex()); });
    m_liveHSkore->show();
    return m_liveHSkore;
}

void RecordsPanel::setColumnTitle(int column, const QString& text)
{
    if (column < 0 || column >= 7)
        return;
    m_titles[column] = text;
    if (m_liveHSkore)
        m_liveHSkore->headerItem()->setText(column, text);
}

void RecordsPanel::fillRow(int index, const RecordEntry& e)
{
    QTreeWidgetItem* item = m_liveHSkore->topLevelItem(index);
    if (!item)
        return;
    QString number = QString::number(e.number);
    if (index == 0)
        number = QStringLiteral("EASY");
    else if (index == kGameCount - 1)
        number = QStringLiteral("GOLD");
    const QString texts[7] = {
        number,
        QString::number(e.level),
        e.rows ? QString::number(e.rows) : QString(),
        QString::fromStdString(e.time),
        e.points ? QString::number(e.points) : QString(),
        QString::fromStdString(e.holder),
        e.archived ? QStringLiteral("A") : QString(),
    };
    for (int c = 0; c < 7; ++c) {
        item->setText(c, texts[c]);
        item->setTextAlignment(c, kColumns[c].align | Qt::AlignVCenter);
    }
}

void RecordsPanel::refreshRow(int index, const RecordEntry& entry)
{
    if (m_liveHSkore) // else the list is filled when it is first shown
        fillRow(index, entry);
}

void RecordsPanel::showRecords(const RecordsTable& table, int currentGame)
{
    QTreeWidget* tree = list();
    tree->clear();
    for (int i = 0; i < kGameCount; ++i)
        new QTreeWidgetItem(tree);
    for (int i = 0; i < kGameCount; ++i)
        fillRow(i, table[i]);
    const int index = qBound(1, currentGame, kGameCount) - 1;
    selectRow(index);
    // The current game's row stands roughly in the middle; near the top the list stays put.
    const int rowHeight = qMax(1, m_liveHSkore->sizeHintForRow(0));
    const int fitting = m_liveHSkore->viewport()->height() / rowHeight;
    const int v = qBound(26, fitting / 2 + currentGame, kGameCount);
    m_liveHSkore->scrollToItem(m_liveHSkore->topLevelItem(v - 1), QAbstractItemView::EnsureVisible);
}

void RecordsPanel::selectRow(int index)
{
    QTreeWidgetItem* item = list()->topLevelItem(index);
    if (!item)
        return;
    m_liveHSkore->setCurrentItem(item);
    item->setSelected(true);
}

int RecordsPanel::selectedIndex() const
{
    QTreeWidgetItem* item = m_liveHSkore ? m_liveHSkore->currentItem() : nullptr;
    return item ? m_liveHSkore->indexOfTopLevelItem(item) : -1;
}

bool RecordsPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_liveHSkore)
        return QFrame::eventFilter(watched, event);
    if (watched == m_liveHSkore && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods =
            key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        const int index = selectedIndex();
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (mods == Qt::NoModifier) {
            if (enter) {
                emit activateRequested(index);
                return true;
            }
            if (key->key() == Qt::Key_Delete) {
                emit deleteKeyPressed(index);
                return true;
            }
            if (key->key() == Qt::Key_A) {
                emit archiveKeyPressed(index);
                return true;
            }
        } else if (mods & Qt::AltModifier) {
            return false; // Alt combinations do nothing here
        } else if ((mods & Qt::ShiftModifier) && key->key() == Qt::Key_A) {
            emit archiveKeyPressed(index);
            return true;
        } else if ((mods & Qt::ControlModifier) && key->key() == Qt::Key_Delete) {
            emit deleteAllKeyPressed();
            return true;
        }
    }
    if (watched == m_liveHSkore->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::RightButton) {
            if (QTreeWidgetItem* item = m_liveHSkore->itemAt(mouse->position().toPoint()))
                m_liveHSkore->setCurrentItem(item);
            emit rowChanged(selectedIndex());
            emit contextMenuRequested(
                m_liveHSkore->viewport()->mapTo(m_liveHSkore, mouse->position().toPoint()));
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace mirvalon
