// SPDX-License-Identifier: GPL-3.0-or-later
// Texts from language files, records and players are shown as they stand, never as markup, and
// a message box stays within the screen whatever it is given.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QTextDocument>
#include <gtest/gtest.h>

#include "ui/plain_text.h"
#include "window_rig.h"

namespace mirvalon::test {
namespace {

TEST(PlainText, everyLabelOfTheWindowAndItsDialogsShowsPlainText)
{
    WindowRig rig;
    // Holder names from the shared folder, captions from files: the dialogs are made when
    // first needed, each with its labels plain.
    rig.window->newRecordDialog();
    rig.window->passwordDialog();
    rig.window->reviewDialog();
    int labels = 0;
    for (const QLabel* label : rig.window->findChildren<QLabel*>()) {
        ++labels;
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
    }
    EXPECT_GT(labels, 40);
}

TEST(PlainText, hintsShowTheirMarkupAsText)
{
    for (const char* hint : {"<img src=/etc/passwd>", "<h1>Veľký</h1> & <b>", "a\nb"}) {
        const QString shown = plainToolTip(QString::fromUtf8(hint));
        QTextDocument document;
        document.setHtml(shown);
        EXPECT_EQ(document.toPlainText(), QString::fromUtf8(hint)) << hint;
    }
    EXPECT_EQ(plainToolTip(QString()), QString());
}

TEST(PlainText, aMessageBoxNeverGrowsWiderThanTheScreen)
{
    const int screen = QGuiApplication::primaryScreen()->availableGeometry().width();
    const QString texts[] = {
        "Upozornenie!\n\nSúbor '" + QString(600, 'x') + ".rtf' sa nenachádza!",
        QString(3000, QChar(0x0160)),
        "<b>" + QString(200, 'w') + "</b>",
    };
    for (const QString& text : texts) {
        QMessageBox box(QMessageBox::NoIcon, "Mirvalon", QString(), QMessageBox::Ok);
        setPlainBoxText(box, text);
        box.show();
        QApplication::processEvents();
        EXPECT_LE(box.frameGeometry().width(), screen) << text.left(20).toStdString();
        EXPECT_EQ(box.textFormat(), Qt::PlainText);
        // Nothing of the text is lost to the breaks.
        EXPECT_EQ(box.text().remove(QChar(0x200B)), text);
        box.close();
    }
}

} // namespace
} // namespace mirvalon::test
