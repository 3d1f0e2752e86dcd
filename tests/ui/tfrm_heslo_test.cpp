// SPDX-License-Identifier: GPL-3.0-or-later
// The password dialog in its three modes.
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "ui/tfrm_heslo.h"

namespace mirvalon {
namespace {

TEST(PasswordDialog, eachModeShowsItsFields)
{
    struct Case
    {
        int mode;
        bool auth, password, cancel;
    };
    const Case cases[] = {
        {0, true, true, true},
        {1, false, true, true},
        {2, true, false, false},
    };
    Tfrm_Heslo dialog;
    for (const Case& c : cases) {
        dialog.prepare(static_cast<PasswordMode>(c.mode));
        dialog.show();
        SCOPED_TRACE(c.mode);
        EXPECT_EQ(dialog.authField()->isVisible(), c.auth);
        EXPECT_EQ(dialog.passwordField()->isVisible(), c.password);
        EXPECT_EQ(dialog.cancelButton()->isVisible(), c.cancel);
        EXPECT_EQ(dialog.authField()->isReadOnly(), c.mode == 2);
        dialog.hide();
    }
}

// Which text is missing is the engine's rule (missingPasswordText); the dialog stays open
// on it, focuses the empty field and flashes it grey.
TEST(PasswordDialog, setUpStaysOpenOnTheMissingText)
{
    Tfrm_Heslo dialog;
    QString password, auth;
    QTimer::singleShot(0, &dialog, [&] {
        for (QLineEdit* filled : {dialog.authField(), dialog.passwordField()}) {
            QLineEdit* empty =
                filled == dialog.authField() ? dialog.passwordField() : dialog.authField();
            filled->setText("text");
            empty->clear();
            QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(dialog.focusWidget(), empty);
            EXPECT_TRUE(empty->styleSheet().contains("background-color"));
        }
        QTest::keyClicks(dialog.authField(), "tajne");
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
    });
    EXPECT_TRUE(dialog.run(PasswordMode::SetUp, password, auth, nullptr));
    EXPECT_EQ(password, "text");
    EXPECT_EQ(auth, "tajne");
}

TEST(PasswordDialog, askAndShowModes)
{
    Tfrm_Heslo dialog;
    QString password = "old", auth = "Dobrá práca";
    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_TRUE(dialog.passwordField()->text().isEmpty()); // asked with an empty field
        QTest::keyClicks(dialog.passwordField(), "Tajne");
        EXPECT_EQ(dialog.passwordField()->displayText(), "*****");
        QTest::keyClick(dialog.passwordField(), Qt::Key_Return);
    });
    EXPECT_TRUE(dialog.run(PasswordMode::Ask, password, auth, nullptr));
    EXPECT_EQ(password, "Tajne");

    QTimer::singleShot(0, &dialog, [&] {
        EXPECT_EQ(dialog.authField()->text(), QString::fromUtf8("Dobrá práca"));
        EXPECT_EQ(dialog.focusWidget(), dialog.okButton());
        dialog.okButton()->click();
    });
    EXPECT_TRUE(dialog.run(PasswordMode::ShowAuthText, password, auth, nullptr));
}

TEST(PasswordDialog, refusesCharactersTheFileCannotHold)
{
    Tfrm_Heslo dialog;
    dialog.setTextFilter([](const QString& t) { return !t.contains(QChar(0x263A)); });
    dialog.prepare(PasswordMode::SetUp);
    dialog.show();
    QTest::keyClicks(dialog.passwordField(), "ab");
    QKeyEvent smiley(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(0x263A)));
    QApplication::sendEvent(dialog.passwordField(), &smiley);
    QTest::keyClicks(dialog.passwordField(), "c");
    EXPECT_EQ(dialog.passwordField()->text(), "abc");
    const QString twentyOne(21, 'x');
    dialog.passwordField()->clear();
    QTest::keyClicks(dialog.passwordField(), twentyOne);
    EXPECT_EQ(dialog.passwordField()->text(), QString(20, 'x'));
}

} // namespace
} // namespace mirvalon
