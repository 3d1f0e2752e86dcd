// SPDX-License-Identifier: GPL-3.0-or-later
// The floors the game's window is measured against, built with Qt alone so that a floor's
// own process pays nothing of the game: an empty bare window of the game's size and a "full
// bare" one with the game's amount of menus, status panels and controls.
#pragma once

#include <QMainWindow>
#include <memory>
#include <string>

namespace bench {

// "bare": an empty main window of the game's size; "full": the same with five menus of about
// 40 items, a 14-panel status bar and about 40 child widgets in the game's fonts.
std::unique_ptr<QMainWindow> makeFloorWindow(const std::string& mode);

// Starts a clock in the full-bare window as a game's clock would: its time and score panels
// change once a second. Other windows are left as they are.
void startFullBareClock(QMainWindow& window);

} // namespace bench
