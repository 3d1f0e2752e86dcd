// SPDX-License-Identifier: GPL-3.0-or-later
// The four small favourite panels "1".."4" beside the logo and the marker pnlCiarka under the
// slot of the current game. A filled slot's panel is shown pressed, in its own colour, one
// pixel lower and shorter, without its hint.
#pragma once

#include <QRect>
#include <QString>
#include <array>
#include <functional>

#include "engine/game.h"

class QWidget;

namespace mirvalon {

class BevelBox;

class FavouritePanels
{
public:
    // `panels` are pnl1..pnl4 as laid out (raised); the marker is made under them.
    FavouritePanels(const std::array<BevelBox*, 4>& panels, QWidget* parent);

    // The look of every panel and the marker under slot `active` (0: no marker).
    void show(int active, const std::array<bool, 4>& filled);
    // As the command table says: a checked StoreFavourite is a used slot, a checked
    // PlayFavourite the active one.
    void show(const CommandTable& table);
    // The hint of panel k (1..4) in the current language; shown while its slot is empty.
    void setHint(int k, const QString& hint);

    // A press on panel k (1..4) with its button and keys.
    std::function<void(int k, MouseButton button, Modifiers keys)> onPress;

private:
    void showSlot(int k, bool filled);

    std::array<BevelBox*, 4> m_panels;
    std::array<QRect, 4> m_raised;
    std::array<QString, 4> m_hints;
    std::array<bool, 4> m_filled{};
    BevelBox* m_marker;
};

} // namespace mirvalon
