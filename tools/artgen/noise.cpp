// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "noise.h"

namespace artgen {

Noise::Noise(std::uint64_t seed)
{
    std::array<std::uint8_t, 256> p {};
    for (int i = 0; i < 256; ++i)
        p[std::size_t(i)] = std::uint8_t(i);
    Rng rng(seed);
    for (int i = 255; i > 0; --i) {
        const int j = int(rng.next() % std::uint64_t(i + 1));
        std::swap(p[std::size_t(i)], p[std::size_t(j)]);
    }
    for (std::size_t i = 0; i < 512; ++i)
        m_perm[i] = p[i & 255];
}

int Noise::hash(int x, int y, int z) const
{
    return m_perm[std::size_t(
        m_perm[std::size_t(m_perm[std::size_t(x & 255)] + (y & 255))] + (z & 255))];
}

double Noise::gradient(int h, double x, double y, double z) const
{
    // The twelve edge directions of a cube, as in improved Perlin noise.
    switch (h % 12) {
    case 0:
        return x + y;
    case 1:
        return -x + y;
    case 2:
        return x - y;
    case 3:
        return -x - y;
    case 4:
        return x + z;
    case 5:
        return -x + z;
    case 6:
        return x - z;
    case 7:
        return -x - z;
    case 8:
        return y + z;
    case 9:
        return -y + z;
    case 10:
        return y - z;
    default:
        return -y - z;
    }
}

static double fade(double t)
{
    return t * t * t * (t * (t * 6 - 15) + 10);
}

double Noise::at(Vec3 p) const
{
    const double fx = std::floor(p.x), fy = std::floor(p.y), fz = std::floor(p.z);
    const int ix = int(fx), iy = int(fy), iz = int(fz);
    const double x = p.x - fx, y = p.y - fy, z = p.z - fz;
    const double u = fade(x), v = fade(y), w = fade(z);

    auto g = [&](int dx, int dy, int dz) {
        return gradient(hash(ix + dx, iy + dy, iz + dz), x - dx, y - dy, z - dz);
    };
    const double x00 = detmath::mix(g(0, 0, 0), g(1, 0, 0), u);
    const double x10 = detmath::mix(g(0, 1, 0), g(1, 1, 0), u);
    const double x01 = detmath::mix(g(0, 0, 1), g(1, 0, 1), u);
    const double x11 = detmath::mix(g(0, 1, 1), g(1, 1, 1), u);
    return detmath::mix(detmath::mix(x00, x10, v), detmath::mix(x01, x11, v), w);
}

double Noise::fbm(Vec3 p, int octaves, double gain) const
{
    double sum = 0, amplitude = 1, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += at(p) * amplitude;
        norm += amplitude;
        amplitude *= gain;
        // An odd offset keeps the lattice points of successive octaves from lining up.
        p = p * 2.0 + Vec3 { 17.31, -9.73, 5.19 };
    }
    return sum / norm;
}

double Noise::turbulence(Vec3 p, int octaves) const
{
    double sum = 0, amplitude = 1, norm = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += std::fabs(at(p)) * amplitude;
        norm += amplitude;
        amplitude *= 0.5;
        p = p * 2.0 + Vec3 { 17.31, -9.73, 5.19 };
    }
    return sum / norm;
}

} // namespace artgen
