// SPDX-License-Identifier: GPL-3.0-or-later
// Seeded random numbers and smooth noise for painting the game's pictures. Everything is
// computed from integer hashes, so a seed gives the same picture on every machine.
#pragma once

#include <cstdint>

namespace mirvalon::assets {

// A small splitmix64 generator: fixed seeds, no dependence on the standard library's
// distributions (which differ between library versions).
class Rng
{
public:
    explicit Rng(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next();
    // Uniform in [0, 1).
    double uniform();
    double uniform(double low, double high) { return low + (high - low) * uniform(); }

private:
    std::uint64_t m_state;
};

// Value noise on an integer lattice with quintic smoothing, and fractal sums of it.
class Noise
{
public:
    explicit Noise(std::uint32_t seed) : m_seed(seed) {}
    // Smooth noise in [0, 1].
    double value(double x, double y) const;
    // Sum of octaves, normalised back to [0, 1].
    double fbm(double x, double y, int octaves, double lacunarity = 2.0, double gain = 0.5) const;
    // Lattice value in [0, 1) for one integer point: uncorrelated grain.
    double lattice(int x, int y) const;

private:
    std::uint32_t m_seed;
};

double clamp01(double v);
double smoothstep(double edge0, double edge1, double v);
double mix(double a, double b, double t);

} // namespace mirvalon::assets
