// SPDX-License-Identifier: GPL-3.0-or-later
// The two surfaces behind the board: light planks of wood and a cool marble slab. Both stay
// low in contrast so that pieces laid on them read at a glance.
#include "canvas.h"
#include "noise.h"
#include "pictures.h"

#include <cmath>

namespace mirvalon::assets {

QImage paintWoodTexture(int scale)
{
    constexpr int kPlanks = 3;
    constexpr double kPlankWidth = double(kBoardWidth) / kPlanks;
    const Noise figure(0x20101u);
    const Noise fibre(0x20102u);
    const Noise tone(0x20103u);
    const Rgb early{222, 184, 134}; // light spring wood
    const Rgb late{184, 138, 90};   // darker ring of late summer

    QImage image = paintPixels(kBoardWidth, kBoardHeight, scale, [&](double x, double y) {
        const int plank = static_cast<int>(x / kPlankWidth);
        const double px = x - plank * kPlankWidth;
        const double offset = plank * 311.0; // each plank shows another part of the tree
        // Rings run along the plank; the slow noise bends them into the figure of the grain.
        const double bend = figure.fbm(px / 80.0 + offset, (y + offset) / 420.0, 4);
        const double rings = px / 9.5 + bend * 6.5 + 0.12 * std::sin((y + offset) / 61.0);
        const double ring = rings - std::floor(rings);
        const double band =
            std::pow(smoothstep(0.0, 0.75, ring) * (1.0 - smoothstep(0.85, 1.0, ring)), 1.6);
        Rgb c = mix(early, late, band * 0.55);
        // Fine fibres: narrow across, long along the plank.
        const double f = fibre.fbm(x / 1.4 + offset, y / 38.0, 3);
        c = scaled(c, 0.95 + 0.1 * f);
        // Each plank a slightly different tone, and a soft shade over its length.
        const double t = tone.value(plank * 3.7, y / 180.0);
        c = scaled(c, 0.94 + 0.08 * t + 0.02 * plank);
        // The joint between planks: a thin dark line with a light edge after it.
        if (px < 1.0 && plank > 0)
            c = scaled(c, 0.62);
        else if (px < 2.0 && plank > 0)
            c = scaled(c, 1.05);
        return c;
    });
    softBlur(image, scale);
    Rng grain(0x20104u);
    addGrain(image, grain, 4.0);
    return image;
}

QImage paintMarbleTexture(int scale)
{
    const Noise warp(0x20201u);
    const Noise veinsFine(0x20202u);
    const Noise cloud(0x20203u);
    const Rgb stone{226, 226, 222};
    const Rgb shade{198, 202, 208};
    const Rgb vein{128, 134, 146};

    QImage image = paintPixels(kBoardWidth, kBoardHeight, scale, [&](double x, double y) {
        // Soft clouds in the body of the stone.
        const double body = cloud.fbm(x / 110.0, y / 110.0, 5);
        Rgb c = mix(stone, shade, smoothstep(0.3, 0.75, body));
        // Main veins: a diagonal wave bent strongly by turbulence.
        const double turbulence = warp.fbm(x / 150.0, y / 150.0, 5);
        const double main = std::abs(std::sin((x * 0.6 + y) / 66.0 + turbulence * 5.5));
        c = mix(c, vein, std::pow(1.0 - main, 9.0) * 0.35 + std::pow(1.0 - main, 40.0) * 0.3);
        // Faint secondary veins across the main ones.
        const double second = veinsFine.fbm(x / 75.0, y / 75.0, 4);
        const double thin = std::abs(std::sin((x - 0.8 * y) / 44.0 + second * 6.0));
        c = mix(c, vein, std::pow(1.0 - thin, 26.0) * 0.22);
        // A warm tint here and there, as real marble has.
        const double warm = cloud.value(x / 150.0 + 40.0, y / 150.0);
        return mix(c, Rgb{232, 222, 206}, smoothstep(0.55, 0.9, warm) * 0.5);
    });
    softBlur(image, scale);
    Rng grain(0x20204u);
    addGrain(image, grain, 2.5);
    return image;
}

} // namespace mirvalon::assets
