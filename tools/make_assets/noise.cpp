// SPDX-License-Identifier: GPL-3.0-or-later
#include "noise.h"

#include <algorithm>
#include <cmath>

namespace mirvalon::assets {

std::uint64_t Rng::next()
{
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double Rng::uniform()
{
    return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
}

double Noise::lattice(int x, int y) const
{
    std::uint32_t h = m_seed;
    h ^= static_cast<std::uint32_t>(x) * 0x27D4EB2Du;
    h = (h ^ (h >> 15)) * 0x85EBCA6Bu;
    h ^= static_cast<std::uint32_t>(y) * 0x165667B1u;
    h = (h ^ (h >> 13)) * 0xC2B2AE35u;
    h ^= h >> 16;
    return static_cast<double>(h) / 4294967296.0;
}

static double quintic(double t)
{
    return t * t * t * (t * (t * 6.0 - 15.0) + 10.0);
}

double Noise::value(double x, double y) const
{
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double tx = quintic(x - fx);
    const double ty = quintic(y - fy);
    const double top = mix(lattice(ix, iy), lattice(ix + 1, iy), tx);
    const double bottom = mix(lattice(ix, iy + 1), lattice(ix + 1, iy + 1), tx);
    return mix(top, bottom, ty);
}

double Noise::fbm(double x, double y, int octaves, double lacunarity, double gain) const
{
    double sum = 0.0;
    double amplitude = 1.0;
    double total = 0.0;
    for (int i = 0; i < octaves; ++i) {
        // Each octave is shifted so that lattice points of the octaves do not line up.
        sum += amplitude * value(x + 17.31 * i, y - 9.77 * i);
        total += amplitude;
        x *= lacunarity;
        y *= lacunarity;
        amplitude *= gain;
    }
    return sum / total;
}

double clamp01(double v)
{
    return std::clamp(v, 0.0, 1.0);
}

double smoothstep(double edge0, double edge1, double v)
{
    const double t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3.0 - 2.0 * t);
}

double mix(double a, double b, double t)
{
    return a + (b - a) * t;
}

} // namespace mirvalon::assets
