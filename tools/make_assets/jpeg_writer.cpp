// SPDX-License-Identifier: GPL-3.0-or-later
#include "jpeg_writer.h"

#include <QSaveFile>

#include "ui/jpeg_image.h"

namespace mirvalon::assets {

bool writeJpeg(const QImage& image, const QString& path, int quality, QString* error)
{
    // The game's own encoder, so the window's pictures and the saved board pictures share one
    // set of libjpeg settings.
    const QByteArray bytes = encodeJpeg(image, quality);
    if (bytes.isEmpty()) {
        *error = QStringLiteral("cannot encode %1").arg(path);
        return false;
    }
    QSaveFile file(path);
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
    if (!written)
        *error = QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return written;
}

} // namespace mirvalon::assets
