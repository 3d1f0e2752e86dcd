// SPDX-License-Identifier: GPL-3.0-or-later
#include "built_in_pictures.h"

#include <cstring>

namespace mirvalon {

namespace {

constexpr qsizetype kHead = 16;

quint32 word(const unsigned char* at)
{
    return quint32(at[0]) | quint32(at[1]) << 8 | quint32(at[2]) << 16 | quint32(at[3]) << 24;
}

QImage imageOf(unsigned char* begin, unsigned char* end)
{
    if (end - begin < kHead)
        return QImage();
    const int width = static_cast<int>(word(begin));
    const int height = static_cast<int>(word(begin + 4));
    const qsizetype bytesPerLine = word(begin + 8);
    // The build wrote both; a mismatch would mean a torn or foreign file was included.
    if (width <= 0 || height <= 0 || bytesPerLine < qsizetype(width) * 3 ||
        end - begin != kHead + bytesPerLine * height)
        return QImage();
    return QImage(begin + kHead, width, height, bytesPerLine, QImage::Format_RGB888);
}

} // namespace

QImage builtInPicture(const char* name, qreal devicePixelRatio)
{
    for (int i = 0; i < pictures::kBuiltInCount; ++i) {
        const pictures::Bytes& p = pictures::kBuiltIn[i];
        if (std::strcmp(p.name, name) != 0)
            continue;
        const int size = devicePixelRatio > 1.0 ? 1 : 0;
        QImage image = imageOf(p.begin[size], p.end[size]);
        image.setDevicePixelRatio(size + 1);
        return image;
    }
    return QImage();
}

} // namespace mirvalon
