// SPDX-License-Identifier: GPL-3.0-or-later
// How far two pictures of one size differ, channel by channel: the largest difference finds a
// wrong pixel, the mean one a wrong picture (shifted, mirrored, channels swapped) through the
// small losses of JPEG and of type drawn at another scale.
#pragma once

#include <QImage>
#include <algorithm>
#include <cstdlib>

namespace mirvalon::test {

struct ChannelDifference
{
    int largest = 0;
    double mean = 0;
};

inline ChannelDifference channelDifference(const QImage& a, const QImage& b)
{
    const QImage p = a.convertToFormat(QImage::Format_RGB32);
    const QImage r = b.convertToFormat(QImage::Format_RGB32);
    ChannelDifference d;
    double sum = 0;
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const QRgb u = p.pixel(x, y);
            const QRgb v = r.pixel(x, y);
            for (const int step : {std::abs(qRed(u) - qRed(v)), std::abs(qGreen(u) - qGreen(v)),
                                   std::abs(qBlue(u) - qBlue(v))}) {
                d.largest = std::max(d.largest, step);
                sum += step;
            }
        }
    d.mean = p.isNull() ? 0 : sum / (3.0 * p.width() * p.height());
    return d;
}

} // namespace mirvalon::test
