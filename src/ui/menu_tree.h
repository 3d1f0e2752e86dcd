// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar: every item in the designed order (separators count in the
// language files' indexes), with its caption, shortcut and check box.
#pragma once

#include <QString>
#include <map>

class QAction;
class QMenuBar;

namespace mirvalon {

// Fills `bar` and enters every item and submenu in `actions` by its designed name.
void buildMenuBar(QMenuBar* bar, std::map<QString, QAction*>& actions);

} // namespace mirvalon
