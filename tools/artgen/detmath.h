// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include <cmath>

// Elementary functions built from +, -, *, / and sqrt only. The C library picks
// different code paths for sin, exp and friends depending on the processor, and
// their last bits differ; these give the same bits on every x86-64 machine as long
// as the file is compiled without floating-point contraction.
namespace detmath {

constexpr double pi = 3.14159265358979323846;
constexpr double ln2 = 0.69314718055994530942;

inline double sin(double x)
{
    const double twoPi = 2.0 * pi;
    double r = x - std::floor(x / twoPi + 0.5) * twoPi;
    if (r > pi / 2)
        r = pi - r;
    else if (r < -pi / 2)
        r = -pi - r;
    const double r2 = r * r;
    double term = r;
    double sum = r;
    for (int n = 1; n <= 11; ++n) {
        term = -term * r2 / double((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

inline double cos(double x)
{
    return sin(x + pi / 2);
}

inline double atan(double x)
{
    if (x < 0)
        return -atan(-x);
    if (x > 1)
        return pi / 2 - atan(1.0 / x);
    // Two half-angle steps bring the argument below tan(pi/16), where the series converges fast.
    for (int i = 0; i < 2; ++i)
        x = x / (1.0 + std::sqrt(1.0 + x * x));
    const double x2 = x * x;
    double term = x;
    double sum = x;
    for (int n = 1; n <= 15; ++n) {
        term = -term * x2;
        sum += term / double(2 * n + 1);
    }
    return 4.0 * sum;
}

inline double atan2(double y, double x)
{
    if (x > 0)
        return atan(y / x);
    if (x < 0)
        return y >= 0 ? atan(y / x) + pi : atan(y / x) - pi;
    if (y > 0)
        return pi / 2;
    if (y < 0)
        return -pi / 2;
    return 0;
}

inline double asin(double x)
{
    const double c = 1.0 - x * x;
    return atan2(x, c > 0 ? std::sqrt(c) : 0.0);
}

inline double exp(double x)
{
    if (x < -700)
        return 0;
    if (x > 700)
        x = 700;
    const double k = std::floor(x / ln2 + 0.5);
    const double r = x - k * ln2;
    double term = 1;
    double sum = 1;
    for (int n = 1; n <= 18; ++n) {
        term = term * r / double(n);
        sum += term;
    }
    return std::ldexp(sum, int(k));
}

inline double log(double x)
{
    if (x <= 0)
        return -745;
    int e = 0;
    double m = std::frexp(x, &e);
    if (m < 0.70710678118654752440) {
        m *= 2;
        --e;
    }
    const double s = (m - 1) / (m + 1);
    const double s2 = s * s;
    double power = s;
    double sum = s;
    for (int n = 1; n <= 15; ++n) {
        power *= s2;
        sum += power / double(2 * n + 1);
    }
    return 2 * sum + e * ln2;
}

inline double pow(double base, double exponent)
{
    if (base <= 0)
        return 0;
    return exp(exponent * log(base));
}

inline double clamp01(double x)
{
    return x < 0 ? 0 : (x > 1 ? 1 : x);
}

inline double smoothstep(double edge0, double edge1, double x)
{
    const double t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

inline double mix(double a, double b, double t)
{
    return a + (b - a) * t;
}

} // namespace detmath
