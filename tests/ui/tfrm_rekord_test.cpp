// SPDX-License-Identifier: GPL-3.0-or-later
// The new-record dialog: padding of the values, the name rules and the share box.
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "ui/tfrm_rekord.h"

namespace mirvalon {
namespace {

GameState finishedGame()
{
    GameState s;
    s.gameNumber = 7;
    s.level = 3;
    s.currentRow = 4;
    s.clockText = "0:01:05";
    s.score = 845;
    s.oldRows = 0;
    s.oldPoints = 0;
    s.oldTime = "        ";
    s.oldHolder = "          ";
    return s;
}

TEST(NewRecordDialog, valuesArePaddedAndCentredOnTheirColumns)
{
    Tfrm_Rekord dialog;
    dialog.fill(finishedGame(), false, true);
    struct Case
    {
        QLabel* label;
        const char* text;
        int centre;
    };
    const Case cases[] = {
        {dialog.newValue(0), "  7", 44},       {dialog.oldValue(0), "  7", 44},
        {dialog.newValue(1), " 3", 107},       {dialog.newValue(2), " 4", 165},
        {dialog.oldValue(2), "", 165},         {dialog.newValue(3), " 0:01:05", 215},
        {dialog.newValue(4), " 845", 270},     {dialog.oldValue(4), "", 270},
        {dialog.oldValue(3), "        ", 215}, {dialog.oldValue(5), "          ", 337},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.label->text(), QString::fromUtf8(c.text));
        EXPECT_LE(std::abs(c.label->x() + c.label->width() / 2 - c.centre), 1) << c.text;
    }
    EXPECT_EQ(dialog.intro()->text(),
              QString::fromUtf8("V hre číslo 7 bol dosiahnutý nový rekord 845 bodov!"));
    EXPECT_LE(std::abs(dialog.intro()->x() + dialog.intro()->width() / 2 - 204), 1);
}

TEST(NewRecordDialog, nameIsTakenOnOkAndDroppedOnStorno)
{
    Tfrm_Rekord dialog;
    dialog.setTextFilter([](const QString& t) { return !t.contains(QChar(0x263A)); });
    bool shared = false;
    dialog.setSyncChanged([&](bool on) { shared = on; });
    QTimer::singleShot(0, &dialog, [&] {
        QKeyEvent smiley(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(0x263A)));
        QApplication::sendEvent(dialog.nameField(), &smiley); // refused: no such letter in files
        QTest::keyClicks(dialog.nameField(), "Zuzana Novakova");
        dialog.shareBox()->click();
        dialog.okButton()->click();
    });
    const auto name = dialog.run(finishedGame(), false, true, nullptr);
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(*name, "Zuzana Nov"); // ten characters at most
    EXPECT_TRUE(shared);

    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_EQ(dialog.nameField()->text(), "Zuzana Nov"); // the last name is kept
        dialog.shareBox()->click();
        dialog.cancelButton()->click();
    });
    EXPECT_FALSE(dialog.run(finishedGame(), true, true, nullptr).has_value());
    EXPECT_FALSE(shared); // the share choice stays even after Storno

    dialog.fill(finishedGame(), true, false);
    EXPECT_FALSE(dialog.shareBox()->isChecked());
    EXPECT_FALSE(dialog.shareBox()->isEnabled());
}

} // namespace
} // namespace mirvalon
