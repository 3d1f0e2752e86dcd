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

// The first record of game `number` (7 unless said), won on `row` with `points`: no old rows
// or points (as a new state has), time and holder blank.
GameState finishedGame(int number = 7, int row = 4, int points = 845, bool shared = true)
{
    return {.currentRow = row,
            .score = points,
            .gameNumber = number,
            .level = 3,
            .sharedFolderReady = shared,
            .clockText = "0:01:05",
            .oldTime = "        ",
            .oldHolder = "          "};
}

TEST(NewRecordDialog, valuesArePaddedToTheirColumns)
{
    Tfrm_Rekord dialog;
    dialog.fill(finishedGame(), false);
    const std::pair<QLabel*, const char*> cases[] = {
        {dialog.newValue(0), "  7"},      {dialog.oldValue(0), "  7"},
        {dialog.newValue(1), " 3"},       {dialog.newValue(2), " 4"},
        {dialog.oldValue(2), ""},         {dialog.newValue(3), " 0:01:05"},
        {dialog.newValue(4), " 845"},     {dialog.oldValue(4), ""},
        {dialog.oldValue(3), "        "}, {dialog.oldValue(5), "          "},
    };
    for (const auto& [label, text] : cases)
        EXPECT_EQ(label->text(), QString::fromUtf8(text));
    EXPECT_EQ(dialog.intro()->text(), "V hre číslo 7 bol dosiahnutý nový rekord 845 bodov!");
    // A value that reaches a column's limit takes no blank.
    dialog.fill(finishedGame(100, 10, 1000), false);
    EXPECT_EQ(dialog.newValue(0)->text(), "100");
    EXPECT_EQ(dialog.newValue(2)->text(), "10");
    EXPECT_EQ(dialog.newValue(4)->text(), "1000");
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
    const auto name = dialog.run(finishedGame(), false, nullptr);
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(*name, "Zuzana Nov"); // ten characters at most
    EXPECT_TRUE(shared);

    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_EQ(dialog.nameField()->text(), "Zuzana Nov"); // the last name is kept
        dialog.shareBox()->click();
        dialog.cancelButton()->click();
    });
    EXPECT_FALSE(dialog.run(finishedGame(), true, nullptr).has_value());
    EXPECT_FALSE(shared); // the share choice stays even after Storno

    dialog.fill(finishedGame(7, 4, 845, false), false); // no shared folder
    EXPECT_FALSE(dialog.shareBox()->isEnabled());
}

} // namespace
} // namespace mirvalon
