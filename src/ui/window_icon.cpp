// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_icon.h"

#include <QDir>
#include <QGuiApplication>

namespace mirvalon {

QIcon windowIcon()
{
    QIcon icon;
    const QDir assets(QStringLiteral(":/assets"));
    for (const QString& name : assets.entryList({QStringLiteral("icon_*.png")}, QDir::Files)) {
        // "icon_<size>.png": the size given, the picture is decoded only when it is asked for.
        const int size = name.section(QChar('_'), 1).section(QChar('.'), 0, 0).toInt();
        if (size > 0 && size <= kLargestWindowIcon)
            icon.addFile(assets.filePath(name), QSize(size, size));
    }
    return icon;
}

void setApplicationIdentity()
{
    // The name is also the class of the windows under X11, which the entry's StartupWMClass
    // names; Wayland takes the entry's id itself.
    QGuiApplication::setApplicationName(QStringLiteral("Mirvalon"));
    QGuiApplication::setDesktopFileName(QStringLiteral("sk.orvex.mirvalon"));
    QGuiApplication::setWindowIcon(windowIcon());
}

} // namespace mirvalon
