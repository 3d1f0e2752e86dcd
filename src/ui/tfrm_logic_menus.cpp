// SPDX-License-Identifier: GPL-3.0-or-later
// The window's menu bar and the key of the hidden "Minimalizovať" item.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

#include "menu_tree.h"
#include "tfrm_logic.h"

namespace mirvalon {

void Tfrm_Logic::createMenus()
{
    buildMenuBar(menuBar(), m_actions);
    // "Minimalizovať" is not shown (the command table hides it), nor is the separator above
    // it; its key works while the item is enabled.
    QAction* minimal = menuItem("mm1Minimal");
    const QList<QAction*> fileItems = menuItem("mm0Subor")->menu()->actions();
    fileItems.at(fileItems.indexOf(minimal) - 1)->setVisible(false);
    // A hidden action counts as disabled and its own key is dead, so the key is a shortcut
    // of the window that follows the File menu instead.
    auto* f12 = new QShortcut(QKeySequence(Qt::Key_F12), this);
    connect(f12, &QShortcut::activated, this, [this, minimal] {
        if (menuItem("mm0Subor")->isEnabled())
            minimal->trigger();
    });
}

} // namespace mirvalon
