// SPDX-License-Identifier: GPL-3.0-or-later
// The look back at a finished game: offered only once a game has ended, one line per row of the
// board, in the game's language.
#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "ui/tfrm_rozbor.h"
#include "window_rig.h"

namespace mirvalon::test {
namespace {

TEST(ReviewWindow, opensAfterTheGameWithARowForEachRowInEachLanguage)
{
    WindowRig rig;
    Tfrm_Logic& w = *rig.window;
    QAction* review = w.menuItem("mm1Rozbor");
    w.menuItem("mm2NovaP")->trigger();
    w.menuItem("mm1RStart")->trigger(); // the computer plays the first rows
    w.menuItem("mm1Vzdat")->trigger();
    ASSERT_TRUE(review->isEnabled());
    int rows = 0;
    while (rows < kRows && rig.s().rowKind[rows] != -1)
        ++rows;
    ASSERT_GT(rows, 0);

    struct Case
    {
        const char* languageItem;
        const char* firstColumn;
        const char* notFound;
    };
    const Case cases[] = {{"mm2Ang", "Row", "Your rows: %1 (hidden row not found)"},
                          {"mm2Ces", "Řádek", "Vaše řádky: %1 (hledaný řádek nenalezen)"},
                          {"mm2Slo", "Riadok", "Vaše riadky: %1 (hľadaný riadok nenájdený)"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.languageItem);
        w.menuItem(c.languageItem)->trigger();
        bool shown = false;
        QTimer::singleShot(0, &w, [&] {
            Tfrm_Rozbor* box = w.reviewDialog();
            shown = box->isVisible();
            EXPECT_EQ(box->list()->topLevelItemCount(), rows);
            EXPECT_EQ(box->list()->headerItem()->text(0), QString::fromUtf8(c.firstColumn));
            EXPECT_TRUE(
                box->totalLabel()->text().startsWith(QString::fromUtf8(c.notFound).arg(rows)))
                << box->totalLabel()->text().toStdString();
            box->closeButton()->click();
        });
        review->trigger();
        EXPECT_TRUE(shown);
    }
}

} // namespace
} // namespace mirvalon::test
