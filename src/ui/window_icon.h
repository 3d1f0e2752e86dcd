// SPDX-License-Identifier: GPL-3.0-or-later
// The game's icon for its windows, made of every size the asset generator paints.
#pragma once

#include <QIcon>

namespace mirvalon {

// Each size painted on its own, so a window or task bar that asks for 16 or 48 pixels gets the
// picture drawn for that size rather than a scaled one.
QIcon windowIcon();

} // namespace mirvalon
