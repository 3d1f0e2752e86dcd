// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop_opener.h"

#include <QDesktopServices>
#include <QUrl>

namespace mirvalon {

bool DesktopOpener::openFile(const std::string& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

} // namespace mirvalon
