// SPDX-License-Identifier: GPL-3.0-or-later
// Writes a picture as a baseline JFIF file through libjpeg, replacing the target only
// when the whole file was written.
#pragma once

#include <QImage>
#include <QString>

namespace mirvalon::assets {

// Returns false and fills error when encoding or writing fails; the old file then stays.
bool writeJpeg(const QImage& image, const QString& path, int quality, QString* error);

} // namespace mirvalon::assets
