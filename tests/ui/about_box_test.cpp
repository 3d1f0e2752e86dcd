// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: its geometry, its lines and their looks, the texts of the language file, and
// the link that opens the manual.
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

const QColor kMaroon(128, 0, 0);

QColor textColour(const QLabel* l)
{
    return l->palette().color(QPalette::WindowText);
}

TEST(AboutBox, geometryCaptionAndButton)
{
    Tfrm_About box;
    box.show();
    EXPECT_EQ(box.size(), QSize(183, 357));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    EXPECT_EQ(box.windowTitle(), QStringLiteral("  O programe Mirvalon"));
    EXPECT_TRUE(box.okButton()->isDefault());
    EXPECT_EQ(box.nameLabel()->text(), QStringLiteral("Mirvalon"));
    EXPECT_TRUE(box.nameLabel()->font().bold());
    EXPECT_EQ(box.versionLabel()->text(), QStringLiteral("Verzia  1.7"));
    EXPECT_EQ(box.buildLabel()->text(), QStringLiteral("build  1.7.1.5"));
    EXPECT_EQ(textColour(box.buildLabel()), QColor(128, 128, 128));
    // Everything inside the box, the panels one under the other, OK below them.
    EXPECT_LE(box.frame()->geometry().bottom(), box.markPanel()->y());
    EXPECT_LE(box.markPanel()->geometry().bottom(), box.okButton()->y());
    EXPECT_TRUE(box.rect().contains(box.okButton()->geometry()));
}

TEST(AboutBox, linesOfTheLicencePanelInEachLanguage)
{
    Tfrm_About box;
    box.show();
    for (int language = 0; language < 3; ++language) {
        SCOPED_TRACE(language);
        box.setLanguage(language);
        for (int i = 0; i < Tfrm_About::kMarkLines; ++i) {
            const QLabel* line = box.markLine(i);
            SCOPED_TRACE(i + 1);
            const bool maroon = i == 0 || i == 2 || i == 5;
            EXPECT_EQ(textColour(line) == kMaroon, maroon);
            EXPECT_EQ(line->font().bold(), i == 2 || i == 5);
            EXPECT_FALSE(line->text().isEmpty());
        }
        EXPECT_EQ(box.markLine(2)->text(), QStringLiteral("GPL-3.0-or-later"));
        for (QLabel* l : {box.copyLine(0), box.copyLine(1), box.linkLabel(), box.nameLabel(),
                          box.versionLabel(), box.buildLabel()}) {
            EXPECT_FALSE(l->text().isEmpty()) << l->objectName().toStdString();
        }
        // The link names the manual of the language; no web address is made up.
        EXPECT_TRUE(
            box.linkLabel()->text().contains(language == 2 ? "Mirv_EN.pdf" : "Mirv_SK.pdf"));
        EXPECT_FALSE(box.linkLabel()->text().contains("http"));
    }
}

TEST(AboutBox, languageFileTextsStayWhenOurLinesChangeLanguage)
{
    Tfrm_About box;
    box.setCaptionText(QStringLiteral("  About Mirvalon"));
    box.setVersionText(QStringLiteral("Version  1.7"));
    box.setLanguage(2);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("  About Mirvalon"));
    EXPECT_EQ(box.versionLabel()->text(), QStringLiteral("Version  1.7"));
    EXPECT_EQ(box.copyLine(1)->text(), QStringLiteral("the Mirvalon authors"));
}

TEST(AboutBox, theLinkLooksLikeOneAndOpensTheManual)
{
    Tfrm_About box;
    box.show();
    const QLabel* link = box.linkLabel();
    EXPECT_EQ(textColour(link), QColor(0, 0, 128));
    EXPECT_TRUE(link->font().underline());
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
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
