// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes in the game's language: button captions with their accelerators.
#include <QApplication>
#include <QKeySequence>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

#include "engine/messages.h"
#include "ui/dialog_buttons.h"
#include "ui/message_boxes.h"

namespace mirvalon {
namespace {

// Acts on the next message box as soon as it is up (the box runs its own event loop).
void whenBoxShown(std::function<void(QMessageBox*)> act)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(w);
            if (box && box->isVisible()) {
                poll->stop();
                poll->deleteLater();
                act(box);
                return;
            }
        }
    });
    poll->start(10);
}

// The game's questions and messages: the buttons of the language of the texts, the default
// of the question, and the accelerator of each button.
TEST(DialogButtons, questionsAndMessagesOfTheGameInEachLanguage)
{
    struct Case
    {
        int language;
        std::vector<const char*> buttons; // Yes, No, Cancel
        int pressed;
        bool yes;
    };
    const Case cases[] = {
        {0, {"&Áno", "&Nie", "&Zrušiť"}, 1, false},
        {1, {"&Ano", "&Ne", "&Storno"}, 0, true},
        {2, {"&Yes", "&No", "&Cancel"}, 2, false},
    };
    const TextTable texts = TextTable::builtIn();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        GameSettings settings{.loadedLanguage = c.language};
        MessageBoxes boxes(nullptr, texts, nullptr, nullptr);
        boxes.setSettings(&settings);
        QStringList seen;
        QString defaultButton;
        whenBoxShown([&](QMessageBox* box) {
            QAbstractButton* pressed = nullptr;
            for (QAbstractButton* b : box->buttons()) {
                seen << b->text();
                // Alt and the underlined letter press the button.
                EXPECT_EQ(b->shortcut(), QKeySequence::mnemonic(b->text()));
                if (b->text() == QString::fromUtf8(c.buttons[c.pressed]))
                    pressed = b;
            }
            defaultButton = box->defaultButton()->text();
            if (pressed)
                pressed->click();
            else
                box->reject();
        });
        EXPECT_EQ(boxes.askQuestion(Question::EndRunningGame), c.yes);
        EXPECT_EQ(seen.size(), 3);
        for (const char* b : c.buttons)
            EXPECT_TRUE(seen.contains(QString::fromUtf8(b))) << b;
        EXPECT_EQ(defaultButton, QString::fromUtf8(c.buttons[1])); // No by default
        QString ok;
        whenBoxShown([&](QMessageBox* box) {
            ok = box->buttons().value(0)->text();
            box->accept();
        });
        boxes.showMessage(Message::SettingsSaved, 0, {});
        EXPECT_EQ(ok, QStringLiteral("&OK"));
    }
    // An unknown language speaks Slovak.
    EXPECT_EQ(dialogButtonText(DialogButton::Cancel, 5), QString::fromUtf8("&Zrušiť"));
}

} // namespace
} // namespace mirvalon
