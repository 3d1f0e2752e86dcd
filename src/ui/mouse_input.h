// SPDX-License-Identifier: GPL-3.0-or-later
// A mouse press in the game's terms: which button, and which keys were held.
#pragma once

#include <QMouseEvent>

#include "engine/game.h"

namespace mirvalon {

inline MouseButton buttonOf(const QMouseEvent* e)
{
    switch (e->button()) {
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return MouseButton::Left;
    }
}

inline Modifiers modifiersOf(const QMouseEvent* e)
{
    const Qt::KeyboardModifiers m = e->modifiers();
    return {bool(m & Qt::ShiftModifier), bool(m & Qt::ControlModifier), bool(m & Qt::AltModifier)};
}

} // namespace mirvalon
