// SPDX-License-Identifier: GPL-3.0-or-later
// The best-score list against the records table, and the caption over it.
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <tuple>

#include "ui/fitted_label.h"
#include "ui/records_panel.h"

namespace mirvalon {
namespace {

RecordsTable handBuiltTable()
{
    RecordsTable t = referenceRecords();
    t[4] = {5, 4, 6, " 0:01:02", 8123, "Anna      ", "625_AknB", true};
    t[0].number = 77; // the first and last rows are named, whatever is stored
    return t;
}

TEST(RecordsPanel, rowsAndColumnsFollowTheTable)
{
    RecordsPanel panel(nullptr);
    const RecordsTable table = handBuiltTable();
    panel.showRecords(table, 5);
    QTreeWidget* list = panel.list();
    ASSERT_EQ(list->topLevelItemCount(), 192);
    ASSERT_EQ(list->columnCount(), 7);
    const auto texts = [&](int row) {
        QStringList shown;
        for (int col = 0; col < 7; ++col)
            shown << list->topLevelItem(row)->text(col);
        return shown;
    };
    const std::pair<int, QStringList> cases[] = {
        {0, {"EASY", "1", "4", " 0:00:21", "8779", "Quillbeck ", ""}},
        {1, {"2", "2", "", "        ", "", "          ", ""}},
        {4, {"5", "4", "6", " 0:01:02", "8123", "Anna      ", "A"}},
        {176, {"177", "11", "", "        ", "", "          ", ""}},
        {191, {"GOLD", "13", "14", " 0:38:54", "4950", "Quillbeck ", ""}},
    };
    for (const auto& [row, columns] : cases)
        EXPECT_EQ(texts(row), columns) << "row " << row;
    EXPECT_EQ(panel.selectedIndex(), 4);
    EXPECT_EQ(list->topLevelItem(0)->textAlignment(5) & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    EXPECT_EQ(list->topLevelItem(0)->textAlignment(1) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    RecordEntry cleared = table[4];
    clearRecord(cleared);
    panel.refreshRow(4, cleared);
    EXPECT_EQ(texts(4), (QStringList{"5", "4", "", "        ", "", "          ", ""}));
}

// The caption is measured only on view, yet the panel always opens with it whole and
// centred, whichever language came while it was hidden.
TEST(RecordsPanel, theCaptionIsWholeAndCentredWhenShown)
{
    QWidget board;
    board.resize(780, 500);
    RecordsPanel panel(&board);
    board.show();
    // A caption, and whether it comes while the panel is on view.
    const std::pair<const char*, bool> cases[] = {{"NAJLEPŠIE SKÓRE", false},
                                                  {"BEST SCORE", true},
                                                  {"I", false},
                                                  {"NEJLEPŠÍ SKÓRE AŽ DO KONCE ŘÁDKU", false},
                                                  {"NAJLEPŠIE", true}};
    for (const auto& [text, shownBefore] : cases) {
        SCOPED_TRACE(text);
        panel.setVisible(shownBefore);
        panel.setCaptionText(QString::fromUtf8(text));
        panel.show();
        const FittedLabel* caption = panel.caption();
        EXPECT_EQ(caption->text(), QString::fromUtf8(text));
        EXPECT_EQ(caption->size(), caption->sizeHint());
        EXPECT_EQ(caption->pos(), QPoint((panel.width() - caption->width()) / 2, 10));
    }
}

TEST(RecordsPanel, keysOfTheList)
{
    RecordsPanel panel(nullptr);
    panel.show();
    panel.showRecords(handBuiltTable(), 192);
    EXPECT_EQ(panel.selectedIndex(), 191);
    EXPECT_EQ(panel.list()->verticalScrollBar()->value(),
              panel.list()->verticalScrollBar()->maximum()); // the list ends at GOLD
    // A, Delete and Ctrl+Delete are the records window's test, through to what they do.
    QSignalSpy activate(&panel, &RecordsPanel::activateRequested);
    QSignalSpy archive(&panel, &RecordsPanel::archiveKeyPressed);
    QTest::keyClick(panel.list(), Qt::Key_Return);
    QTest::keyClick(panel.list(), Qt::Key_A, Qt::ShiftModifier);
    QTest::keyClick(panel.list(), Qt::Key_A, Qt::AltModifier | Qt::ShiftModifier); // Alt: nothing
    EXPECT_EQ(std::tuple(activate.count(), archive.count()), std::tuple(1, 1));
    EXPECT_EQ(activate.at(0).at(0).toInt(), 191);
}

} // namespace
} // namespace mirvalon
