// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps a group of sibling widgets stacked above the others in a given order without
// repainting them when they already stand so.
#pragma once

#include <vector>

class QWidget;

namespace mirvalon {

// Puts `widgets`, children of one parent, above all their other siblings in this order, the
// last one on top. Raising a widget repaints it even when the order stays, so nothing is
// touched when the group already stands in this order on top.
void stackOnTop(const std::vector<QWidget*>& widgets);

} // namespace mirvalon
