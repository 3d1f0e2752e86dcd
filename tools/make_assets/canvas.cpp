// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"

#include "noise.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

namespace mirvalon::assets {

Rgb mix(const Rgb& a, const Rgb& b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb scaled(const Rgb& c, double factor)
{
    return {c.r * factor, c.g * factor, c.b * factor};
}

static int channel(double v)
{
    return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
}

QRgb toQRgb(const Rgb& c)
{
    return qRgb(channel(c.r), channel(c.g), channel(c.b));
}

Rgb fromQRgb(QRgb c)
{
    return {double(qRed(c)), double(qGreen(c)), double(qBlue(c))};
}

QImage paintPixels(int width, int height, int scale,
                   const std::function<Rgb(double x, double y)>& shade)
{
    QImage image(width * scale, height * scale, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = toQRgb(shade((x + 0.5) / scale, (y + 0.5) / scale));
    }
    return image;
}

// One running-sum box pass along a line of n values; the edges are repeated outwards.
static void boxLine(const std::vector<double>& in, std::vector<double>& out, int n, int radius)
{
    const double norm = 1.0 / (2 * radius + 1);
    double sum = 0.0;
    for (int i = -radius; i <= radius; ++i)
        sum += in[std::clamp(i, 0, n - 1)];
    for (int i = 0; i < n; ++i) {
        out[i] = sum * norm;
        sum += in[std::min(i + radius + 1, n - 1)] - in[std::max(i - radius, 0)];
    }
}

void softBlur(QImage& image, int radius)
{
    if (radius <= 0)
        return;
    const int w = image.width();
    const int h = image.height();
    for (int c = 0; c < 3; ++c) {
        const int shift = 16 - 8 * c;
        std::vector<double> plane(static_cast<size_t>(w) * h);
        for (int y = 0; y < h; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < w; ++x)
                plane[static_cast<size_t>(y) * w + x] = (line[x] >> shift) & 0xFF;
        }
        std::vector<double> a(std::max(w, h));
        std::vector<double> b(std::max(w, h));
        for (int pass = 0; pass < 3; ++pass) {
            for (int y = 0; y < h; ++y) {
                std::copy_n(plane.begin() + static_cast<long>(y) * w, w, a.begin());
                boxLine(a, b, w, radius);
                std::copy_n(b.begin(), w, plane.begin() + static_cast<long>(y) * w);
            }
            for (int x = 0; x < w; ++x) {
                for (int y = 0; y < h; ++y)
                    a[y] = plane[static_cast<size_t>(y) * w + x];
                boxLine(a, b, h, radius);
                for (int y = 0; y < h; ++y)
                    plane[static_cast<size_t>(y) * w + x] = b[y];
            }
        }
        for (int y = 0; y < h; ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < w; ++x) {
                const QRgb mask = ~(0xFFu << shift);
                const auto v = static_cast<QRgb>(channel(plane[static_cast<size_t>(y) * w + x]));
                line[x] = (line[x] & mask) | (v << shift);
            }
        }
    }
}

void addGrain(QImage& image, Rng& rng, double amount)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double d = (rng.uniform() + rng.uniform() - 1.0) * amount;
            const Rgb c = fromQRgb(line[x]);
            line[x] = toQRgb({c.r + d, c.g + d, c.b + d});
        }
    }
}

void vignette(QImage& image, double strength)
{
    const double cx = image.width() / 2.0;
    const double cy = image.height() / 2.0;
    const double reach = std::hypot(cx, cy);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / reach;
            line[x] = toQRgb(scaled(fromQRgb(line[x]), 1.0 - strength * d * d));
        }
    }
}

void drawPiece(QPainter& painter, const QRectF& rect, const QColor& face, double bevel)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    const QRectF inner = rect.adjusted(bevel, bevel, -bevel, -bevel);
    const QColor light = QColor::fromRgbF(face.redF() * 0.45 + 0.55, face.greenF() * 0.45 + 0.55,
                                          face.blueF() * 0.45 + 0.55);
    const QColor dark = face.darker(175);

    QLinearGradient shine(inner.topLeft(), inner.bottomLeft());
    shine.setColorAt(0.0, face.lighter(118));
    shine.setColorAt(1.0, face.darker(108));
    painter.setBrush(shine);
    painter.drawRect(rect);

    painter.setBrush(light);
    painter.drawPolygon(QPolygonF({rect.topLeft(), rect.topRight(), inner.topRight(),
                                   inner.topLeft(), inner.bottomLeft(), rect.bottomLeft()}));
    painter.setBrush(dark);
    painter.drawPolygon(QPolygonF({rect.bottomRight(), rect.bottomLeft(), inner.bottomLeft(),
                                   inner.bottomRight(), inner.topRight(), rect.topRight()}));
    painter.setBrush(shine);
    painter.drawRect(inner);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 110), 1.0));
    painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

} // namespace mirvalon::assets
