// SPDX-License-Identifier: GPL-3.0-or-later
// The game's icon for its windows, made of the small sizes the asset generator paints, and the
// desktop entry they belong to.
#pragma once

#include <QIcon>

class QWidget;

namespace mirvalon {

// Each size painted on its own, so a window or task bar that asks for 16 or 48 pixels gets the
// picture drawn for that size rather than a scaled one. The large sizes are left to the desktop,
// which finds them in the icon theme through the desktop entry: a window's own icon is
// decoded at every start, and the 256-pixel one would cost more than the rest of the icon.
constexpr int kLargestWindowIcon = 48;
QIcon windowIcon();

// The name and desktop entry by which the desktop knows the game's windows: docks and task
// switchers show the entry's name and icon for them.
void setApplicationIdentity();

// The windows' own icon, set just after `window` has shown its first picture.
void setWindowIconAfterFirstFrame(QWidget& window);

} // namespace mirvalon
