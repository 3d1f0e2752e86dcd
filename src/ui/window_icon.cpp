// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_icon.h"

#include <QDir>
#include <QGuiApplication>

namespace mirvalon {

QIcon windowIcon()
{
    QIcon icon;
    const QDir assets(QStringLiteral(":/assets"));
    for (const QString& name : assets.entryList({QStringLiteral("icon_*.png")}, QDir::Files))
        icon.addFile(assets.filePath(name));
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
