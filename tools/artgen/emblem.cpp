// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "artwork.h"

#include "noise.h"
#include "sphere.h"

namespace artgen {

namespace {

using detmath::clamp01;
using detmath::smoothstep;

constexpr int emblemWidth = 180;
constexpr int emblemHeight = 217;

// Approximate signed distance to an axis-aligned ellipse, in pixels.
double ellipseDistance(double x, double y, double cx, double cy, double rx, double ry)
{
    const double u = (x - cx) / rx, v = (y - cy) / ry;
    const double k = std::sqrt(u * u + v * v);
    const double gu = u / rx, gv = v / ry;
    const double g = std::sqrt(gu * gu + gv * gv) + 1e-9;
    return (k * k - 1) / (2 * g);
}

double smoothUnion(double a, double b, double k)
{
    const double h = clamp01(0.5 + 0.5 * (b - a) / k);
    return detmath::mix(b, a, h) - k * h * (1 - h);
}

// The figure: head, neck and shoulders, as one smooth signed distance.
double figureDistance(double x, double y)
{
    const double head = ellipseDistance(x, y, 84, 100, 27, 33);
    const double neckHalf = 12 - 3 * clamp01((y - 128) / 20);
    const double neck = std::max(std::fabs(x - 84) - neckHalf, std::max(120 - y, y - 160));
    const double shoulders = ellipseDistance(x, y, 84, 232, 92, 80);
    return smoothUnion(smoothUnion(head, neck, 4), shoulders, 10);
}

struct Orbit
{
    double cx = 84, cy = 104, rx = 74, ry = 17;
    double c = detmath::cos(-0.3), s = detmath::sin(-0.3);

    // Local coordinates: u along the long axis, v positive towards the viewer (down the picture).
    void local(double x, double y, double &u, double &v) const
    {
        const double dx = x - cx, dy = y - cy;
        u = c * dx + s * dy;
        v = -s * dx + c * dy;
    }
    double strokeDistance(double x, double y) const
    {
        double u = 0, v = 0;
        local(x, y, u, v);
        return std::fabs(ellipseDistance(u, v, 0, 0, rx, ry));
    }
    void pointAt(double angle, double &x, double &y) const
    {
        const double u = rx * detmath::cos(angle), v = ry * detmath::sin(angle);
        x = cx + c * u - s * v;
        y = cy + s * u + c * v;
    }
};

class Emblem
{
public:
    Emblem()
        : m_nebula(201)
        , m_bands(202)
    {
        m_orbit.pointAt(0.75, m_moonX, m_moonY);
    }

    Rgb sample(double x, double y, Rgb sky) const
    {
        // Background: deep blue to violet with a faint nebula.
        const double t = y / emblemHeight;
        Rgb c = mix(fromSrgb8(14, 24, 58), fromSrgb8(52, 30, 78), t);
        const double cloud = clamp01(0.5 + m_nebula.fbm(Vec3 { x / 60, y / 60, 0.5 }, 6));
        c = mix(c, fromSrgb8(70, 96, 150), cloud * cloud * 0.55);
        c = c + sky;

        c = drawOrbit(c, x, y, false);
        c = drawPlanet(c, x, y);

        const double d = figureDistance(x, y);
        if (d < 0.5) {
            // Rim light from the planet at the upper right.
            const double gx = figureDistance(x + 0.5, y) - figureDistance(x - 0.5, y);
            const double gy = figureDistance(x, y + 0.5) - figureDistance(x, y - 0.5);
            const double gl = std::sqrt(gx * gx + gy * gy) + 1e-9;
            const double facing = clamp01((gx * 0.7 - gy * 0.7) / gl);
            const double rim = facing * (1 - smoothstep(0, 3.5, -d));
            Rgb body = mix(fromSrgb8(16, 18, 34), fromSrgb8(28, 30, 52), clamp01((y - 60) / 160));
            body = mix(body, fromSrgb8(150, 220, 240), rim * 0.85);
            c = mix(c, body, clamp01(0.5 - d));
        }

        c = drawOrbit(c, x, y, true);
        return c;
    }

private:
    Rgb drawOrbit(Rgb c, double x, double y, bool front) const
    {
        double u = 0, v = 0;
        m_orbit.local(x, y, u, v);
        if ((v > 0) != front)
            return c;
        const double d = m_orbit.strokeDistance(x, y);
        const double stroke = 1 - smoothstep(0.4, 1.3, d);
        const Rgb line = front ? fromSrgb8(170, 236, 250) : fromSrgb8(90, 140, 170);
        c = mix(c, line, stroke);

        if (front) {
            const double mx = x - m_moonX, my = y - m_moonY;
            const double r = std::sqrt(mx * mx + my * my);
            const double shade = clamp01(0.4 + 0.6 * (-mx * 0.6 - my * 0.8) / 4.5);
            c = mix(
                c, fromSrgb8(200, 210, 225) * (0.25 + 0.75 * shade), 1 - smoothstep(4.0, 5.0, r));
        }
        return c;
    }

    Rgb drawPlanet(Rgb c, double x, double y) const
    {
        const double cx = 136, cy = 46, r = 21;
        const double ringC = detmath::cos(0.35), ringS = detmath::sin(0.35);
        const double dx = x - cx, dy = y - cy;
        const double u = ringC * dx + ringS * dy, v = -ringS * dx + ringC * dy;
        const double rho = std::sqrt((u / 40) * (u / 40) + (v / 10) * (v / 10));
        const double ring = smoothstep(0.62, 0.66, rho) * (1 - smoothstep(0.96, 1.0, rho))
            * (1 - 0.6 * bump01((rho - 0.83) / 0.03));
        const Rgb ringColour = fromSrgb8(236, 210, 150) * (0.75 + 0.25 * (u / 40));

        if (ring > 0 && v < 0)
            c = mix(c, ringColour, ring);
        const double dist = std::sqrt(dx * dx + dy * dy);
        if (dist < r + 1) {
            const double nx = dx / r, ny = dy / r;
            const double nz = std::sqrt(std::max(0.0, 1 - nx * nx - ny * ny));
            const double light = clamp01(-0.55 * nx - 0.35 * ny + 0.76 * nz);
            const double band = m_bands.fbm(Vec3 { 0.3, ny * 3.5, 0.2 }, 3);
            const Rgb albedo
                = mix(fromSrgb8(230, 160, 90), fromSrgb8(250, 215, 150), clamp01(0.5 + 1.5 * band));
            c = mix(c, albedo * (0.05 + 0.95 * light), clamp01(r + 0.5 - dist));
        }
        if (ring > 0 && v >= 0)
            c = mix(c, ringColour, ring);
        return c;
    }

    static double bump01(double x)
    {
        if (x <= -1 || x >= 1)
            return 0;
        const double a = 1 - x * x;
        return a * a;
    }

    Noise m_nebula;
    Noise m_bands;
    Orbit m_orbit;
    double m_moonX = 0;
    double m_moonY = 0;
};

} // namespace

Image renderEmblem()
{
    const Emblem emblem;
    const std::vector<Rgb> sky = renderSky(emblemWidth, emblemHeight, 301, 1.0 / 90.0);
    Image image(emblemWidth, emblemHeight);
    Rng grain(302);
    constexpr int n = 4;
    for (int py = 0; py < emblemHeight; ++py) {
        for (int px = 0; px < emblemWidth; ++px) {
            const Rgb background = sky[std::size_t(py) * emblemWidth + std::size_t(px)];
            Rgb sum;
            for (int sy = 0; sy < n; ++sy)
                for (int sx = 0; sx < n; ++sx)
                    sum = sum + emblem.sample(px + (sx + 0.5) / n, py + (sy + 0.5) / n, background);
            Rgb c = sum * (1.0 / (n * n));
            // A fine grain, like a print's, so the picture is not flat colour.
            const double g = grain.uniform(-1, 1) * 0.015;
            c = c + Rgb { g, g, g };
            image.set(px, py, c);
        }
    }
    return image;
}

} // namespace artgen
