// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's builders: the client area with its presses, the status bar and the menus.
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QShortcut>

#include "bevel_box.h"
#include "board_panels.h"
#include "click_label.h"
#include "environment_picture.h"
#include "menu_tree.h"
#include "status_strip.h"
#include "tfrm_logic.h"
#include "window_settings.h"

namespace mirvalon {

void Tfrm_Logic::createControls()
{
    m_area = buildClientArea(*this, m_controls);
    m_area.scorePanel->onPress = [this](QMouseEvent* e) {
        if (e->button() == Qt::LeftButton)
            exitCommand();
    };
    // A click on a picture moves to the next one, the right button shows the best scores.
    for (EnvironmentPicture* picture : m_area.pictures)
        picture->onPress = [this](QMouseEvent* e) {
            if (e->button() == Qt::RightButton)
                m_panels->toggleRecordsPanel();
            else
                m_game->nextEnvironment();
        };
    m_area.logo->onPress = [this](QMouseEvent* e) {
        if (e->button() == Qt::LeftButton)
            showMinimized();
    };
}

void Tfrm_Logic::createStatusBar()
{
    m_statusStrip = std::make_unique<StatusStrip>(this);
    m_statusStrip->setBoardLabels(m_area.lblRekord, m_area.lblNeprekon, m_area.totalTime);
    setStatusBar(m_statusStrip->bar());
}

void Tfrm_Logic::createMenus()
{
    buildMenuBar(menuBar(), m_actions);
    // "Minimalizovať" is not shown (the command table hides it), nor is the separator above
    // it; its key works while the item is enabled.
    QAction* minimal = menuItem("mm1Minimal");
    const QList<QAction*> fileItems = menuItem("mm0Subor")->menu()->actions();
    fileItems.at(fileItems.indexOf(minimal) - 1)->setVisible(false);
    // A hidden action counts as disabled and its own key is dead, so the key is a shortcut
    // of the window that follows the game's table instead.
    auto* f12 = new QShortcut(QKeySequence(Qt::Key_F12), this);
    connect(f12, &QShortcut::activated, this, [this, minimal] {
        if (m_game->commands().enabled(Command::Minimise))
            minimal->trigger();
    });
}

} // namespace mirvalon
