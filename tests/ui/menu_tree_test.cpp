// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar's items: names, captions, keys and check boxes, and their places, which the
// language files count on.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

#include "ui/menu_tree.h"

namespace mirvalon {
namespace {

TEST(MenuTree, itemsKeepTheirCaptionsKeysAndCheckBoxes)
{
    QMenuBar bar;
    std::map<QString, QAction*> actions;
    buildMenuBar(&bar, actions);
    struct Case
    {
        const char* name;
        const char* caption;
        QKeySequence key;
        bool checkable;
    };
    // clang-format off
    const Case cases[] = {
        {"mm2Pozic5",   "5 pozícií",    {},                                 true},
        {"mm2Pozic8",   "8 pozícií",    {},                                 true},
        {"mm2Kocky11",  "11 kociek",    {},                                 true},
        {"mm2Kocky25",  "25 kociek",    {},                                 true},
        {"mm2Cas",      "Čas",          QKeySequence(Qt::CTRL | Qt::Key_T), true},
        {"mm2Hra4",     "Hra č. 4",     QKeySequence(Qt::CTRL | Qt::Key_4), true},
        {"mm1AutoUloz", "Automatické uloženie nastavenia", {},              true},
        {"mm2NovaN",    "Náhodná hra",  QKeySequence(Qt::CTRL | Qt::Key_F2), false},
        {"mm1Koniec",   "Koniec",       QKeySequence(Qt::Key_Escape),       false},
    };
    // clang-format on
    for (const Case& c : cases) {
        ASSERT_TRUE(actions.count(QString::fromLatin1(c.name))) << c.name;
        const QAction* a = actions.at(QString::fromLatin1(c.name));
        EXPECT_EQ(a->objectName(), QString::fromLatin1(c.name));
        EXPECT_EQ(a->text().toStdString(), c.caption) << c.name;
        EXPECT_EQ(a->shortcut(), c.key) << c.name;
        EXPECT_EQ(a->isCheckable(), c.checkable) << c.name;
    }
    // Positions and pieces, in their order: the language files name them by place.
    const auto names = [&](const char* submenu) {
        QStringList out;
        for (const QAction* a : actions.at(QString::fromLatin1(submenu))->menu()->actions())
            out << a->objectName();
        return out;
    };
    EXPECT_EQ(names("mm1Pozicie"),
              (QStringList{"mm2Pozic5", "mm2Pozic6", "mm2Pozic7", "mm2Pozic8"}));
    EXPECT_EQ(names("mm1Kocky"), (QStringList{"mm2Kocky11", "mm2Kocky19", "mm2Kocky25"}));
}

} // namespace
} // namespace mirvalon
