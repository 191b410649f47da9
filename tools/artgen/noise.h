// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include "raster.h"

#include <array>
#include <cstdint>

// Seeded randomness of our own, so that the pictures never depend on a library's
// generator or on the order in which a standard distribution consumes numbers.
namespace artgen {

class Rng
{
public:
    explicit Rng(std::uint64_t seed)
        : m_state(seed)
    { }

    // SplitMix64.
    std::uint64_t next()
    {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double uniform() { return double(next() >> 11) * (1.0 / 9007199254740992.0); }
    double uniform(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    // A uniformly distributed point on the unit sphere.
    Vec3 onSphere()
    {
        const double y = uniform(-1, 1);
        const double a = uniform(0, 2 * detmath::pi);
        const double r = std::sqrt(1 - y * y);
        return { r * detmath::cos(a), y, r * detmath::sin(a) };
    }

private:
    std::uint64_t m_state;
};

// Gradient noise over 3-D space; sampling it on the unit sphere gives seamless planet textures.
class Noise
{
public:
    explicit Noise(std::uint64_t seed);

    // Roughly in [-1, 1].
    double at(Vec3 p) const;
    // Fractal sum of octaves, each at twice the frequency and `gain` times the amplitude.
    double fbm(Vec3 p, int octaves, double gain = 0.5) const;
    // Absolute-valued octaves: sharp ridges, used for streaky cloud structure.
    double turbulence(Vec3 p, int octaves) const;

private:
    int hash(int x, int y, int z) const;
    double gradient(int h, double x, double y, double z) const;

    std::array<std::uint8_t, 512> m_perm {};
};

} // namespace artgen
