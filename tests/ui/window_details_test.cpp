// SPDX-License-Identifier: GPL-3.0-or-later
// What a careful player notices: the board and the window share one face colour, a struck-out
// row number is struck through its digits only, message boxes show their caption whole with no
// icons on their buttons, and the dialogs carry a close button only.
#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QStyle>
#include <QTest>
#include <gtest/gtest.h>

#include "ui/message_boxes.h"
#include "ui/tfrm_heslo.h"
#include "ui/tfrm_rekord.h"
#include "ui/tfrm_rozbor.h"
#include "window_rig.h"

namespace mirvalon::test {
namespace {

TEST(WindowDetails, openSlotsAndGreyPiecesHaveTheWindowsFace)
{
    WindowRig rig(GameSettings{.pieceColours = GreyPieces});
    Tfrm_Logic& w = *rig.window;
    const QColor face = w.palette().color(QPalette::Window);
    EXPECT_EQ(w.resultSlot(1)->colour(), face); // open at start-up
    EXPECT_EQ(w.palettePiece(1)->colour(), face);
    EXPECT_EQ(qobject_cast<BevelBox*>(w.control("pnlPrac"))->colour(), face);
    QTest::keyClick(&w, Qt::Key_F2);
    EXPECT_EQ(w.editSlot(1)->colour(), face);
}

TEST(WindowDetails, aStruckOutRowNumberIsStruckThroughItsDigitsOnly)
{
    WindowRig rig(GameSettings{.gameType = Training, .rowMarking = true});
    Tfrm_Logic& w = *rig.window;
    QTest::keyClick(&w, Qt::Key_F2);
    ASSERT_GT(rig.s().currentRow, 1); // the program played the first rows
    QLabel* one = w.rowLabel(1);
    WindowRig::send(one, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton);
    ASSERT_EQ(rig.s().rowMark[0], 1);
    EXPECT_EQ(one->text(), "1");
    EXPECT_TRUE(one->font().strikeOut());
    EXPECT_EQ(w.rowLabel(12)->text(), "12");
    EXPECT_EQ(one->alignment() & Qt::AlignRight, Qt::AlignRight); // digits stay in place
}

TEST(WindowDetails, messageBoxesShowTheirCaptionWholeAndNoIconOnAButton)
{
    struct Case
    {
        QString caption, text;
        QMessageBox::Icon icon;
    };
    const Case cases[] = {
        {"Mirvalon", "OK", QMessageBox::NoIcon},
        {"  Nový rekord hry!", "x", QMessageBox::Warning},
        {"  Upozornenie!", "Želáte si Mirvalon ukončiť?  ", QMessageBox::Question},
    };
    for (const Case& c : cases) {
        QMessageBox box(c.icon, c.caption, c.text, QMessageBox::Ok | QMessageBox::Cancel);
        // Some styles put icons on standard buttons; the box takes them off whatever the style.
        box.button(QMessageBox::Ok)->setIcon(box.style()->standardIcon(QStyle::SP_DialogOkButton));
        fitMessageBox(box);
        box.show();
        QApplication::processEvents();
        EXPECT_GE(box.width(), captionWidth(c.caption)) << c.caption.toStdString();
        EXPECT_GT(captionWidth(c.caption), QFontMetrics(box.font()).horizontalAdvance(c.caption));
        for (QAbstractButton* b : box.buttons())
            EXPECT_TRUE(b->icon().isNull()) << b->text().toStdString();
        box.hide();
    }
}

TEST(WindowDetails, dialogsAreFixedWithACloseButtonOnly)
{
    WindowRig rig;
    const QList<QDialog*> dialogs = {rig.window->passwordDialog(), rig.window->newRecordDialog(),
                                     rig.window->reviewDialog()};
    for (QDialog* d : dialogs) {
        ASSERT_NE(d, nullptr);
        const std::string name = d->objectName().toStdString();
        const Qt::WindowFlags buttons = Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint |
                                        Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
        EXPECT_EQ(d->windowFlags() & buttons, Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint)
            << name;
        EXPECT_EQ(d->minimumSize(), d->maximumSize()) << name;
    }
}

} // namespace
} // namespace mirvalon::test
