// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "artwork.h"

namespace artgen {

namespace {

using detmath::clamp01;
using detmath::smoothstep;

struct IconSample
{
    Rgb colour;
    double alpha = 0;
};

// The motif in unit coordinates (0..1, y down): a banded planet with a tilted ring,
// outlined so that the shapes still part at 16 pixels.
IconSample iconAt(double x, double y, double outline, bool monochrome)
{
    const double cx = 0.5, cy = 0.5, r = 0.28;
    const double ringAngle = -0.38;
    const double ca = detmath::cos(ringAngle), sa = detmath::sin(ringAngle);
    const double dx = x - cx, dy = y - cy;
    const double u = ca * dx + sa * dy, v = -sa * dx + ca * dy;
    const double rx = 0.48, ry = 0.15;
    const double rho = std::sqrt((u / rx) * (u / rx) + (v / ry) * (v / ry));
    // Ring band in elliptical radius, with its outline as a slightly wider band.
    const double ringIn = 0.68, ringOut = 0.97;
    const double scale = 1.0 / ry; // elliptical radius per unit distance, at worst
    const double ringEdge = std::min(rho - ringIn, ringOut - rho) / scale;
    const double dist = std::sqrt(dx * dx + dy * dy);
    const double planetEdge = r - dist;

    const Rgb outlineColour = fromSrgb8(18, 22, 52);
    IconSample s;
    auto paintRing = [&]() {
        if (ringEdge > -outline) {
            const double t = clamp01(0.5 + 0.5 * u / rx);
            const Rgb gold = monochrome ? Rgb { 1, 1, 1 }
                                        : mix(fromSrgb8(255, 226, 128), fromSrgb8(206, 150, 48), t);
            s.colour = ringEdge > 0 ? gold : outlineColour;
            s.alpha = 1;
        }
    };
    if (v < 0)
        paintRing();
    if (planetEdge > -outline) {
        if (planetEdge > 0) {
            const double nx = dx / r, ny = dy / r;
            const double nz = std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny));
            const double light = clamp01(-0.55 * nx - 0.55 * ny + 0.63 * nz);
            // Bands follow the ring's tilt, as an equator does.
            const double lat = v / r;
            const double band = smoothstep(0.15, 0.3, std::fabs(lat - 0.05))
                * (1 - smoothstep(0.55, 0.7, std::fabs(lat)));
            const Rgb albedo = mix(fromSrgb8(90, 200, 240), fromSrgb8(40, 110, 210), band);
            s.colour = albedo * (0.15 + 0.85 * light);
            // In black and white the night side becomes a solid crescent.
            if (monochrome)
                s.colour = light > 0.3 ? Rgb { 1, 1, 1 } : Rgb {};
        } else {
            s.colour = outlineColour;
        }
        s.alpha = 1;
    }
    if (v >= 0)
        paintRing();
    return s;
}

} // namespace

RgbaImage renderIcon(int size, bool monochrome)
{
    RgbaImage image(size, size);
    // About one pixel of outline at the small sizes, thickening slowly at large ones.
    // Black and white needs it thicker: a thin line vanishes when coverage is thresholded.
    const double outline = std::max(monochrome ? 1.6 : 1.0, size / 40.0) / size;
    constexpr int n = 8;
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            Rgb sum;
            double alpha = 0;
            for (int sy = 0; sy < n; ++sy) {
                for (int sx = 0; sx < n; ++sx) {
                    const IconSample s = iconAt((px + (sx + 0.5) / n) / size,
                        (py + (sy + 0.5) / n) / size, outline, monochrome);
                    sum = sum + s.colour * s.alpha;
                    alpha += s.alpha;
                }
            }
            std::uint8_t *p = image.pixel(px, py);
            if (alpha > 0) {
                const Rgb c = sum * (1.0 / alpha);
                p[0] = encodeChannel(c.r);
                p[1] = encodeChannel(c.g);
                p[2] = encodeChannel(c.b);
            }
            p[3] = std::uint8_t(int(alpha / (n * n) * 255.0 + 0.5));
        }
    }
    return image;
}

} // namespace artgen
