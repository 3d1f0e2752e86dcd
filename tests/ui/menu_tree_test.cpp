// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar's items keep the places the language files count on.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <gtest/gtest.h>

#include "ui/menu_tree.h"

namespace mirvalon {
namespace {

TEST(MenuTree, positionsAndPiecesKeepTheirPlaces)
{
    QMenuBar bar;
    std::map<QString, QAction*> actions;
    buildMenuBar(&bar, actions);
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
