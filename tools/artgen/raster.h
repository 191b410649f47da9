// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include "detmath.h"

#include <cstdint>
#include <vector>

// Small value types shared by the renderers and the file writers.
namespace artgen {

struct Vec3
{
    double x = 0, y = 0, z = 0;

    Vec3 operator+(Vec3 o) const { return { x + o.x, y + o.y, z + o.z }; }
    Vec3 operator-(Vec3 o) const { return { x - o.x, y - o.y, z - o.z }; }
    Vec3 operator*(double s) const { return { x * s, y * s, z * s }; }
    double dot(Vec3 o) const { return x * o.x + y * o.y + z * o.z; }
    Vec3 cross(Vec3 o) const { return { y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x }; }
    double length() const { return std::sqrt(dot(*this)); }
    Vec3 normalized() const
    {
        const double l = length();
        return l > 0 ? *this * (1.0 / l) : *this;
    }
};

// Rows are the images of the basis vectors: apply() maps view space to body space.
struct Mat3
{
    Vec3 r0 { 1, 0, 0 }, r1 { 0, 1, 0 }, r2 { 0, 0, 1 };

    Vec3 apply(Vec3 v) const { return { r0.dot(v), r1.dot(v), r2.dot(v) }; }
    Mat3 transposed() const
    {
        return { { r0.x, r1.x, r2.x }, { r0.y, r1.y, r2.y }, { r0.z, r1.z, r2.z } };
    }
    Mat3 operator*(const Mat3 &o) const
    {
        const Mat3 t = o.transposed();
        return { { r0.dot(t.r0), r0.dot(t.r1), r0.dot(t.r2) },
            { r1.dot(t.r0), r1.dot(t.r1), r1.dot(t.r2) },
            { r2.dot(t.r0), r2.dot(t.r1), r2.dot(t.r2) } };
    }

    static Mat3 rotationX(double a)
    {
        const double c = detmath::cos(a), s = detmath::sin(a);
        return { { 1, 0, 0 }, { 0, c, -s }, { 0, s, c } };
    }
    static Mat3 rotationY(double a)
    {
        const double c = detmath::cos(a), s = detmath::sin(a);
        return { { c, 0, s }, { 0, 1, 0 }, { -s, 0, c } };
    }
    static Mat3 rotationZ(double a)
    {
        const double c = detmath::cos(a), s = detmath::sin(a);
        return { { c, -s, 0 }, { s, c, 0 }, { 0, 0, 1 } };
    }
};

// Linear-light colour; components are usually in [0, 1] but may overshoot before output.
struct Rgb
{
    double r = 0, g = 0, b = 0;

    Rgb operator+(Rgb o) const { return { r + o.r, g + o.g, b + o.b }; }
    Rgb operator-(Rgb o) const { return { r - o.r, g - o.g, b - o.b }; }
    Rgb operator*(double s) const { return { r * s, g * s, b * s }; }
    Rgb operator*(Rgb o) const { return { r * o.r, g * o.g, b * o.b }; }
};

inline Rgb mix(Rgb a, Rgb b, double t)
{
    return a + (b - a) * t;
}

// The pictures use a gamma of 2: encoding is then a square root, which is exact in
// IEEE arithmetic, so no library power function is needed.
inline Rgb fromSrgb8(int r, int g, int b)
{
    const double fr = r / 255.0, fg = g / 255.0, fb = b / 255.0;
    return { fr * fr, fg * fg, fb * fb };
}

inline std::uint8_t encodeChannel(double linear)
{
    const double v = std::sqrt(detmath::clamp01(linear)) * 255.0 + 0.5;
    return std::uint8_t(v >= 255 ? 255 : int(v));
}

// 8-bit RGB pixels, top row first.
struct Image
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    Image() = default;
    Image(int w, int h)
        : width(w)
        , height(h)
        , rgb(std::size_t(w) * std::size_t(h) * 3, 0)
    { }

    std::uint8_t *pixel(int x, int y)
    {
        return &rgb[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3];
    }
    const std::uint8_t *pixel(int x, int y) const
    {
        return &rgb[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3];
    }
    void set(int x, int y, Rgb c)
    {
        std::uint8_t *p = pixel(x, y);
        p[0] = encodeChannel(c.r);
        p[1] = encodeChannel(c.g);
        p[2] = encodeChannel(c.b);
    }
};

// 8-bit RGBA pixels, not premultiplied, top row first.
struct RgbaImage
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;

    RgbaImage() = default;
    RgbaImage(int w, int h)
        : width(w)
        , height(h)
        , rgba(std::size_t(w) * std::size_t(h) * 4, 0)
    { }

    std::uint8_t *pixel(int x, int y)
    {
        return &rgba[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 4];
    }
    const std::uint8_t *pixel(int x, int y) const
    {
        return &rgba[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 4];
    }
};

} // namespace artgen
