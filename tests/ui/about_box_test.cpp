// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: its lines, the texts of the language file, and the link that opens the
// manual.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "ui/bevel_box.h"
#include "ui/tfrm_about.h"

namespace mirvalon {
namespace {

// Our own lines follow the language; the link names the manual of the language and no web
// address is made up.
TEST(AboutBox, ourLinesInEachLanguage)
{
    Tfrm_About box;
    box.show();
    for (int language = 0; language < 3; ++language) {
        SCOPED_TRACE(language);
        box.setLanguage(language);
        for (int i = 0; i < Tfrm_About::kMarkLines; ++i)
            EXPECT_FALSE(box.markLine(i)->text().isEmpty()) << i;
        EXPECT_FALSE(box.linkLabel()->text().contains("http"));
    }
    EXPECT_EQ(box.copyLine(1)->text(), QStringLiteral("the Mirvalon authors")); // English, last
    EXPECT_TRUE(box.rect().contains(box.okButton()->geometry()));
}

TEST(AboutBox, theLinkOpensTheManualOnALeftClick)
{
    Tfrm_About box;
    box.show();
    int opened = 0;
    box.onLinkClicked = [&] { ++opened; };
    QTest::mouseClick(box.linkLabel(), Qt::RightButton);
    EXPECT_EQ(opened, 0);
    QTest::mouseClick(box.linkLabel(), Qt::LeftButton);
    EXPECT_EQ(opened, 1);
}

TEST(AboutBox, okAndEscapeCloseTheBoxCentredOnItsOwner)
{
    QWidget owner;
    owner.setGeometry(100, 100, 800, 600);
    owner.show();
    for (bool escape : {false, true}) {
        Tfrm_About box(&owner);
        QPoint centre;
        QTimer::singleShot(0, &box, [&] {
            centre = box.frameGeometry().center();
            if (escape)
                QTest::keyClick(&box, Qt::Key_Escape);
            else
                box.okButton()->click();
        });
        box.run(&owner);
        EXPECT_FALSE(box.isVisible());
        EXPECT_LE((centre - owner.frameGeometry().center()).manhattanLength(), 40);
    }
}

} // namespace
} // namespace mirvalon
