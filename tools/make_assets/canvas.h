// SPDX-License-Identifier: GPL-3.0-or-later
// Painting helpers shared by the pictures: colours in floating point, per-pixel filling,
// soft blur, film grain, vignette, and the bevelled game piece of the logo and the icon.
#pragma once

#include <QColor>
#include <QImage>
#include <QRectF>
#include <functional>

class QPainter;

namespace mirvalon::assets {

class Rng;

struct Rgb
{
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
};

Rgb mix(const Rgb& a, const Rgb& b, double t);
Rgb scaled(const Rgb& c, double factor);
QRgb toQRgb(const Rgb& c);
Rgb fromQRgb(QRgb c);

// Fills every pixel of an opaque picture of width x height design pixels, painted `scale`
// pixels to a design pixel, from a function of the pixel's centre in design coordinates: a
// larger scale paints the same picture, sharper, for high-resolution screens.
QImage paintPixels(int width, int height, int scale,
                   const std::function<Rgb(double x, double y)>& shade);

// Three box passes per direction, close to a Gaussian of the given radius in pixels.
void softBlur(QImage& image, int radius);
// Adds fine luminance noise, as a photograph or a rough surface has.
void addGrain(QImage& image, Rng& rng, double amount);
// Darkens the corners a little, as a lens does.
void vignette(QImage& image, double strength);

// A game piece: a face with a raised bevel, light from the top left.
void drawPiece(QPainter& painter, const QRectF& rect, const QColor& face, double bevel);

} // namespace mirvalon::assets
