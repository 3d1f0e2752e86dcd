// SPDX-License-Identifier: GPL-3.0-or-later
// A label that reports mouse presses (row numbers, the logo, the environment pictures).
#pragma once

#include <QLabel>
#include <QMouseEvent>
#include <functional>

namespace mirvalon {

class ClickLabel : public QLabel
{
public:
    using QLabel::QLabel;
    std::function<void(QMouseEvent*)> onPress;

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        if (onPress)
            onPress(e);
        else
            QLabel::mousePressEvent(e);
    }
};

} // namespace mirvalon
