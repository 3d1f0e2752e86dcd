// SPDX-License-Identifier: GPL-3.0-or-later
// The two photographs behind the board: a lake under a summer sky, and misty hills at dusk.
// Painted from layers of noise and then softened, so they read as photographs, not drawings.
#include "canvas.h"
#include "noise.h"
#include "pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace mirvalon::assets {

namespace {

constexpr double kLakeHorizon = 236.0;

// Both photos get the same camera look: a slight softness, darker corners and film grain.
void finishPhoto(QImage& image, int scale, double vignetteStrength, uint32_t grainSeed)
{
    softBlur(image, scale);
    vignette(image, vignetteStrength);
    Rng grain(grainSeed);
    addGrain(image, grain, 3.0);
}

// Sky, far mountains and wooded hills down to the far shore of the lake.
class LakeBackdrop
{
public:
    LakeBackdrop() : m_cloud(0x30101u), m_far(0x30102u), m_mid(0x30103u), m_leaf(0x30104u) {}

    double farRidge(double x) const { return 196.0 - 120.0 * m_far.fbm(x / 125.0, 1.3, 5); }
    double midRidge(double x) const { return 238.0 - 70.0 * m_mid.fbm(x / 80.0, 4.1, 5); }

    Rgb at(double x, double y) const
    {
        const Rgb horizonSky{204, 220, 234};
        if (y >= midRidge(x)) {
            // Wooded hills: dark green crowns, lighter where the low sun from the left falls.
            const double crowns = m_leaf.fbm(x / 3.5, y / 3.0, 3);
            const double slope = m_mid.fbm(x / 30.0, y / 30.0, 3);
            Rgb c = mix(Rgb{44, 74, 52}, Rgb{96, 128, 78},
                        smoothstep(0.35, 0.75, crowns * 0.6 + slope * 0.4));
            return mix(c, horizonSky, 0.18 + 0.25 * smoothstep(kLakeHorizon - 30, kLakeHorizon, y));
        }
        if (y >= farRidge(x)) {
            // Distant mountains, blue with haze, misty at their feet.
            const double rock = m_far.fbm(x / 18.0, y / 12.0, 4);
            Rgb c = mix(Rgb{112, 132, 168}, Rgb{150, 166, 194}, rock);
            const double feet = smoothstep(farRidge(x), kLakeHorizon, y);
            return mix(c, horizonSky, 0.25 + 0.55 * feet);
        }
        const double t = std::pow(clamp01(y / kLakeHorizon), 0.85);
        Rgb sky = mix(Rgb{58, 108, 182}, horizonSky, t);
        const double sun = std::exp(-std::hypot(x - 292.0, y - 46.0) / 90.0);
        sky = mix(sky, Rgb{250, 248, 236}, sun * 0.45);
        // Fair-weather clouds, thinning towards the horizon.
        const double n = m_cloud.fbm(x / 105.0, y / 32.0, 6);
        const double cover = smoothstep(0.52, 0.7, n) * (1.0 - smoothstep(120.0, 200.0, y));
        const Rgb cloud =
            mix(Rgb{252, 252, 250}, Rgb{186, 196, 214}, smoothstep(0.62, 0.85, n) * 0.6);
        return mix(sky, cloud, cover * 0.92);
    }

private:
    Noise m_cloud;
    Noise m_far;
    Noise m_mid;
    Noise m_leaf;
};

void paintConifer(QPainter& painter, double x, double base, double height, const QColor& colour)
{
    // Tiers of branches from a thin trunk, widest at the bottom.
    painter.setBrush(colour);
    const int tiers = 5;
    for (int i = 0; i < tiers; ++i) {
        const double top = base - height + i * height / (tiers + 1.5);
        const double bottom = top + height * 0.42;
        const double half = height * (0.12 + 0.05 * i);
        QPainterPath tier;
        tier.moveTo(x, top);
        tier.quadTo(x + half * 0.5, bottom - height * 0.1, x + half, bottom);
        tier.lineTo(x - half, bottom);
        tier.quadTo(x - half * 0.5, bottom - height * 0.1, x, top);
        painter.drawPath(tier);
    }
    painter.fillRect(QRectF(x - 1.5, base - height * 0.1, 3, height * 0.1), colour.darker(130));
}

} // namespace

QImage paintLakeLandscape(int scale)
{
    const LakeBackdrop backdrop;
    const Noise ripple(0x30105u);
    const Noise shoreLine(0x30106u);
    const Noise grass(0x30107u);

    auto shore = [&](double x) {
        return 330.0 + 60.0 * (shoreLine.fbm(x / 120.0, 7.7, 4) - 0.5) + 34.0 * (x / kBoardWidth);
    };

    QImage image = paintPixels(kBoardWidth, kBoardHeight, scale, [&](double x, double y) {
        if (y < kLakeHorizon)
            return backdrop.at(x, y);
        const double edge = shore(x);
        if (y < edge) {
            // The lake mirrors the backdrop, broken by ripples that grow towards the viewer.
            const double depth = (y - kLakeHorizon) / (edge - kLakeHorizon + 1.0);
            const double wave = ripple.fbm(x / 60.0, y / 2.5, 4) - 0.5;
            const double dx = wave * 10.0 * (0.3 + depth);
            const double mirrored = std::max(0.0, 2.0 * kLakeHorizon - y + wave * 3.0);
            Rgb c = scaled(backdrop.at(std::clamp(x + dx, 0.0, kBoardWidth - 1.0), mirrored), 0.88);
            c = mix(c, Rgb{42, 78, 104}, 0.18 + 0.3 * depth);
            const double glint = smoothstep(0.62, 0.75, ripple.fbm(x / 24.0, y / 1.6, 3));
            return mix(c, Rgb{236, 242, 246}, glint * 0.35 * (1.0 - depth));
        }
        // The near shore: a strip of sand, then meadow darkening towards the bottom.
        const double below = y - edge;
        if (below < 3.0)
            return mix(Rgb{176, 164, 128}, Rgb{120, 136, 86}, below / 3.0);
        const double blades = grass.fbm(x / 1.3, y / 7.0, 3);
        const double patches = grass.fbm(x / 50.0 + 9.0, y / 25.0, 4);
        Rgb c = mix(Rgb{132, 170, 76}, Rgb{58, 96, 40}, smoothstep(edge, kBoardHeight, y));
        c = mix(c, Rgb{104, 140, 54}, patches * 0.5);
        return scaled(c, 0.85 + 0.3 * blades);
    });

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.setPen(Qt::NoPen);
    Rng rng(0x30108u);
    // Meadow flowers, smaller and denser towards the shore.
    for (int i = 0; i < 260; ++i) {
        const double x = rng.uniform(0, kBoardWidth);
        const double y = rng.uniform(shore(x) + 10.0, kBoardHeight);
        const double size = 0.6 + 1.6 * (y - 330.0) / 94.0;
        const bool yellow = rng.uniform() < 0.6;
        painter.setBrush(yellow ? QColor(246, 222, 92, 210) : QColor(250, 250, 244, 200));
        painter.drawEllipse(QPointF(x, y), size, size * 0.8);
    }
    // A group of spruces on the right, in front of the water.
    const std::array<std::array<double, 3>, 4> spruces = {
        {{300, 392, 118}, {330, 404, 150}, {272, 386, 84}, {352, 396, 104}}};
    for (const auto& s : spruces)
        paintConifer(painter, s[0], s[1], s[2], QColor(30, 58, 40));
    painter.end();

    finishPhoto(image, scale, 0.22, 0x30109u);
    return image;
}

QImage paintMistyEvening(int scale)
{
    constexpr int kLayers = 5;
    constexpr double kHorizon = 262.0;
    const Noise ridges(0x30201u);
    const Noise mist(0x30202u);
    const Noise trees(0x30203u);

    // Ridge line of every layer per column of pixels, far to near.
    const int columns = kBoardWidth * scale;
    std::vector<std::array<double, kLayers + 1>> ridge(columns);
    Rng rng(0x30204u);
    std::vector<std::array<double, 3>> firs; // x, top of the tip, width
    for (double x = -10; x < kBoardWidth + 10; x += rng.uniform(5.0, 14.0))
        firs.push_back({x, rng.uniform(18.0, 54.0), rng.uniform(0.28, 0.42)});
    for (int column = 0; column < columns; ++column) {
        const double x = double(column) / scale;
        for (int i = 0; i < kLayers; ++i) {
            const double base = 226.0 + 40.0 * i;
            const double amp = 80.0 - 8.0 * i;
            ridge[column][i] =
                base - amp * ridges.fbm(x / (160.0 - 22.0 * i) + 19.0 * i, 3.3 * i, 5);
        }
        // The near treeline: a row of fir tips over a gently rolling ground.
        double top = 412.0 - 16.0 * trees.fbm(x / 90.0, 0.5, 3);
        for (const auto& f : firs)
            top = std::min(top, 412.0 - f[1] + std::abs(x - f[0]) / f[2]);
        ridge[column][kLayers] = top;
    }

    const Rgb farHill{190, 136, 150};
    const Rgb nearHill{44, 36, 66};
    QImage image = paintPixels(kBoardWidth, kBoardHeight, scale, [&](double x, double y) {
        const int column = std::clamp(static_cast<int>(x * scale), 0, columns - 1);
        if (y >= ridge[column][kLayers])
            return mix(Rgb{18, 16, 30}, Rgb{60, 44, 70}, 0.2 * mist.fbm(x / 40.0, y / 10.0, 3));
        for (int i = kLayers - 1; i >= 0; --i) {
            if (y < ridge[column][i])
                continue;
            const double k = double(i) / (kLayers - 1);
            Rgb c = mix(farHill, nearHill, std::pow(k, 0.8));
            // Fog settles in the valley below each ridge.
            const Rgb fog = mix(Rgb{240, 184, 154}, Rgb{168, 130, 156}, k);
            const double settled = smoothstep(0.0, 70.0 - 6.0 * i, y - ridge[column][i]);
            c = mix(c, fog, settled * (0.7 - 0.08 * i));
            // Drifting bands of mist.
            const double band = mist.fbm(x / 150.0 + i * 7.0, y / 16.0, 4);
            return mix(c, Rgb{246, 204, 180}, smoothstep(0.55, 0.78, band) * 0.35);
        }
        // Dusk sky: violet overhead, rose, then gold at the horizon.
        const double t = clamp01(y / kHorizon);
        Rgb sky = t < 0.55 ? mix(Rgb{36, 38, 86}, Rgb{150, 92, 132}, t / 0.55)
                           : mix(Rgb{150, 92, 132}, Rgb{250, 184, 122}, (t - 0.55) / 0.45);
        const double d = std::hypot(x - 236.0, y - 218.0);
        sky = mix(sky, Rgb{255, 214, 150}, std::exp(-d / 46.0) * 0.7);
        if (d < 15.0)
            sky = mix(sky, Rgb{255, 240, 200}, smoothstep(15.0, 12.0, d));
        const double streak = mist.fbm(x / 130.0, y / 9.0 + 30.0, 5);
        return mix(sky, Rgb{236, 150, 140}, smoothstep(0.55, 0.75, streak) * 0.4 * t);
    });

    // A few birds heading home.
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    painter.setPen(QPen(QColor(40, 30, 50, 200), 1.2, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    const std::array<std::array<double, 3>, 5> birds = {
        {{96, 92, 6}, {112, 100, 5}, {84, 104, 4.5}, {126, 84, 4}, {140, 96, 3.5}}};
    for (const auto& b : birds) {
        QPainterPath wing;
        wing.moveTo(b[0] - b[2], b[1] - b[2] * 0.4);
        wing.quadTo(b[0] - b[2] * 0.4, b[1] - b[2] * 0.6, b[0], b[1]);
        wing.quadTo(b[0] + b[2] * 0.4, b[1] - b[2] * 0.6, b[0] + b[2], b[1] - b[2] * 0.4);
        painter.drawPath(wing);
    }
    painter.end();

    finishPhoto(image, scale, 0.3, 0x30205u);
    return image;
}

} // namespace mirvalon::assets
