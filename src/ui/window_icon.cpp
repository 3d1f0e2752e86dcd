// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_icon.h"

#include <QDir>

namespace mirvalon {

QIcon windowIcon()
{
    QIcon icon;
    const QDir assets(QStringLiteral(":/assets"));
    for (const QString& name : assets.entryList({QStringLiteral("icon_*.png")}, QDir::Files))
        icon.addFile(assets.filePath(name));
    return icon;
}

} // namespace mirvalon
