// SPDX-License-Identifier: GPL-3.0-or-later
// The best-score panel laid over the board: the 192 numbered games with their records in a
// list, from which a game is activated, its record game replayed or its record deleted.
#pragma once

#include <array>

#include "engine/records_table.h"
#include "overlay_panel.h"

class QAction;
class QMenu;
class QTreeWidget;

namespace mirvalon {

class RecordsPanel : public OverlayPanel
{
    Q_OBJECT
public:
    explicit RecordsPanel(QWidget* parent);

    // Rebuilds the list and selects the row of the current game, roughly in the middle.
    void showRecords(const RecordsTable& table, int currentGame);
    // Updates one row in place (after a deletion).
    void refreshRow(int index, const RecordEntry& entry);
    int selectedIndex() const;
    void selectRow(int index);

    // The list, built on first use.
    QTreeWidget* list() const;
    QMenu* contextMenu() const { return m_pmnSkore; }
    // The context menu's items, by their names (pm1NajSkore, pm1Aktivovat, pm1Archiv,
    // pm1Vymazat, pm1VymazatAll, pm1Synchro).
    QAction* action(const char* name) const;

    void setColumnTitle(int column, const QString& text);

signals:
    void rowChanged(int index);        // selection moved, or right button pressed on the list
    void activateRequested(int index); // double click or Enter
    void deleteKeyPressed(int index);
    void archiveKeyPressed(int index);
    void deleteAllKeyPressed();
    void contextMenuRequested(const QPoint& listPos);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fillRow(int index, const RecordEntry& entry);

    mutable QTreeWidget* m_liveHSkore = nullptr;
    std::array<QString, 7> m_titles;
    QMenu* m_pmnSkore;
};

} // namespace mirvalon
