// SPDX-License-Identifier: GPL-3.0-or-later
#include "favourite_panels.h"

#include <QMouseEvent>

#include "bevel_box.h"
#include "mouse_input.h"

namespace mirvalon {

namespace {

const QColor kPressedColour(190, 200, 212);
constexpr int kMarkerWidth = 9;
constexpr int kMarkerHeight = 3;

} // namespace

FavouritePanels::FavouritePanels(const std::array<BevelBox*, 4>& panels, QWidget* parent)
    : m_panels(panels), m_marker(new BevelBox(parent))
{
    for (int k = 1; k <= 4; ++k) {
        BevelBox* panel = m_panels[k - 1];
        m_raised[k - 1] = panel->geometry();
        m_hints[k - 1] = panel->toolTip();
        panel->onPress = [this, k](QMouseEvent* e) {
            if (!onPress)
                return;
            onPress(k, buttonOf(e), modifiersOf(e));
        };
    }
    m_marker->setObjectName(QStringLiteral("pnlCiarka"));
    m_marker->setLook(Bevel::Lowered, Bevel::None, 1);
    m_marker->setColour(QColor(0, 0, 128));
    m_marker->hide();
}

void FavouritePanels::show(int active, const std::array<bool, 4>& filled)
{
    for (int k = 1; k <= 4; ++k)
        showSlot(k, filled[k - 1]);
    if (active < 1 || active > 4) {
        m_marker->hide();
        return;
    }
    const QRect slot = m_raised[active - 1];
    m_marker->setGeometry(slot.left() + 2, slot.bottom() + 2, kMarkerWidth, kMarkerHeight);
    m_marker->show();
    m_marker->raise();
}

void FavouritePanels::show(const CommandTable& table)
{
    std::array<bool, 4> filled{};
    int active = 0;
    for (int k = 0; k < 4; ++k) {
        filled[k] = table.checked(kStoreFavourite[k]);
        if (table.checked(kPlayFavourite[k]))
            active = k + 1;
    }
    show(active, filled);
}

void FavouritePanels::setHint(int k, const QString& hint)
{
    if (k < 1 || k > 4)
        return;
    m_hints[k - 1] = hint;
    showSlot(k, m_filled[k - 1]);
}

void FavouritePanels::showSlot(int k, bool filled)
{
    BevelBox* panel = m_panels[k - 1];
    m_filled[k - 1] = filled;
    const QRect raised = m_raised[k - 1];
    if (filled) {
        panel->setLook(Bevel::Lowered, Bevel::None, 1);
        panel->setColour(kPressedColour);
        panel->setGeometry(raised.adjusted(0, 1, 0, 0)); // one pixel lower and shorter
        panel->setToolTip(QString());
    } else {
        panel->setLook(Bevel::Raised, Bevel::None, 1);
        panel->setColour(panel->parentWidget()->palette().color(QPalette::Button));
        panel->setGeometry(raised);
        panel->setToolTip(m_hints[k - 1]);
    }
}

} // namespace mirvalon
