// SPDX-License-Identifier: GPL-3.0-or-later
#include "application_look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QProxyStyle>
#include <QWidget>

namespace mirvalon {

namespace {

// Tool tips appear after a pause of one second.
class HintPauseStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override
    {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay)
            return 1000;
        return QProxyStyle::styleHint(hint, option, widget, data);
    }
};

} // namespace

void prepareApplicationLook()
{
    if (dynamic_cast<HintPauseStyle*>(QApplication::style()))
        return;
    // The designed "MS Sans Serif" 8 pt: Liberation Sans at 11 pixels, or the default sans.
    QFont f = QApplication::font();
    if (QFontDatabase::families().contains(QStringLiteral("Liberation Sans")))
        f.setFamily(QStringLiteral("Liberation Sans"));
    f.setPixelSize(11);
    QApplication::setFont(f);
    QApplication::setStyle(new HintPauseStyle(QApplication::style()->name()));
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette); // the same palette again changes nothing
}

} // namespace mirvalon
