// SPDX-License-Identifier: GPL-3.0-or-later
#include "stacking.h"

#include <QWidget>

namespace mirvalon {

namespace {

bool alreadyOnTop(const std::vector<QWidget*>& widgets)
{
    const QWidget* parent = widgets.front()->parentWidget();
    if (!parent)
        return true;
    const QObjectList& siblings = parent->children();
    auto wanted = widgets.rbegin();
    for (auto it = siblings.rbegin(); it != siblings.rend() && wanted != widgets.rend(); ++it) {
        const QObject* sibling = *it;
        if (!sibling->isWidgetType() || static_cast<const QWidget*>(sibling)->isWindow())
            continue;
        if (sibling != *wanted)
            return false;
        ++wanted;
    }
    return wanted == widgets.rend();
}

} // namespace

void stackOnTop(const std::vector<QWidget*>& widgets)
{
    if (widgets.empty() || alreadyOnTop(widgets))
        return;
    for (QWidget* w : widgets)
        w->raise();
}

} // namespace mirvalon
