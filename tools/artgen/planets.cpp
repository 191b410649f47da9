// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "artwork.h"

#include "noise.h"
#include "sphere.h"

#include <vector>

namespace artgen {

namespace {

using detmath::clamp01;
using detmath::smoothstep;

double bump(double x)
{
    if (x <= -1 || x >= 1)
        return 0;
    const double a = 1 - x * x;
    return a * a;
}

// East and north unit vectors of the tangent plane at c.
void tangentFrame(Vec3 c, Vec3 &east, Vec3 &north)
{
    east = Vec3 { 0, 1, 0 }.cross(c).normalized();
    north = c.cross(east);
}

struct Crater
{
    Vec3 centre;
    double radius; // chord length on the unit sphere
    bool fresh;
    double rayPhase;
};

// A seeded field of craters of many sizes, small ones much more common.
class CraterField
{
public:
    CraterField(std::uint64_t seed, int count, double smallest, double largest, double freshShare)
        : m_rays(seed + 101)
    {
        Rng rng(seed);
        for (int i = 0; i < count; ++i) {
            Crater c;
            c.centre = rng.onSphere();
            const double u = rng.uniform();
            c.radius = smallest + (largest - smallest) * u * u * u * u;
            c.fresh = rng.uniform() < freshShare;
            c.rayPhase = rng.uniform(0, 50);
            m_craters.push_back(c);
        }
    }

    double height(Vec3 q) const
    {
        double h = 0;
        for (const Crater &c : m_craters) {
            const Vec3 d = q - c.centre;
            const double d2 = d.dot(d);
            const double reach = 1.6 * c.radius;
            if (d2 > reach * reach)
                continue;
            const double t = std::sqrt(d2) / c.radius;
            double profile = (t < 1 ? t * t - 1 : 0) + 0.45 * bump((t - 1) / 0.45);
            if (c.radius > 0.09)
                profile += 0.5 * bump(t / 0.18);
            h += profile * c.radius * 0.55;
        }
        return h;
    }

    // Brightness change: darker floors, bright young craters with rays.
    double albedoShift(Vec3 q) const
    {
        double a = 0;
        for (const Crater &c : m_craters) {
            const Vec3 d = q - c.centre;
            const double d2 = d.dot(d);
            const double reach = (c.fresh ? 6.0 : 1.3) * c.radius;
            if (d2 > reach * reach)
                continue;
            const double dist = std::sqrt(d2);
            const double t = dist / c.radius;
            if (t < 1)
                a -= 0.06;
            if (c.fresh) {
                a += 0.35 * bump(t / 1.6);
                // Rays depend only on the direction from the centre, so they stream outwards.
                const Vec3 dir = d * (1.0 / (dist + 1e-9));
                const double streak = m_rays.at(dir * 6.0 + Vec3 { c.rayPhase, 0, 0 });
                a += 0.45 * clamp01(streak * 2.2 - 0.35) * bump(t / 6.0);
            }
        }
        return a;
    }

private:
    std::vector<Crater> m_craters;
    Noise m_rays;
};

Vec3 scaled(Vec3 q, double sx, double sy, double sz)
{
    return { q.x * sx, q.y * sy, q.z * sz };
}

} // namespace

Image renderMercury()
{
    static const CraterField craters(11, 260, 0.018, 0.2, 0.1);
    static const Noise mottle(12);
    PlanetScene scene;
    scene.width = 170;
    scene.height = 170;
    scene.centreX = 85;
    scene.centreY = 85;
    scene.radius = 72;
    scene.tiltDegrees = 5;
    scene.light = { -0.6, 0.3, 0.74 };
    scene.lunarLook = 0.8;
    scene.surface = [](Vec3 q) {
        const double m = 0.5 + 0.5 * mottle.fbm(q * 2.5, 6);
        double shade = 0.62 + 0.3 * (m - 0.5) + craters.albedoShift(q);
        shade = clamp01(shade);
        SurfaceSample s;
        s.albedo = fromSrgb8(int(255 * shade), int(250 * shade), int(243 * shade)) * 0.85;
        return s;
    };
    scene.relief = [](Vec3 q) { return craters.height(q); };
    scene.reliefStrength = 1.2;
    scene.starSeed = 21;
    return renderPlanet(scene);
}

Image renderVenus()
{
    static const Noise clouds(31);
    PlanetScene scene;
    scene.width = 148;
    scene.height = 159;
    scene.centreX = 74;
    scene.centreY = 79.5;
    scene.radius = 65;
    scene.tiltDegrees = 3;
    scene.light = { -0.62, 0.28, 0.73 };
    scene.terminatorWrap = 0.12;
    scene.limbDarkening = 0.25;
    scene.surface = [](Vec3 q) {
        const Vec3 warp { clouds.fbm(q * 1.5, 4), clouds.fbm(q * 1.5 + Vec3 { 5, 1, 3 }, 4), 0 };
        // Stretched along latitude: the cloud deck streams in broad east-west bands.
        const double band = clouds.fbm(scaled(q, 1.8, 5.5, 1.8) + warp * 0.8, 5);
        const double chevron = smoothstep(0.1, 0.7, 1 - std::fabs(q.y * 3 - q.x * 0.8)) * 0.15;
        const double t = clamp01(0.5 + 0.9 * band - chevron);
        SurfaceSample s;
        s.albedo = mix(fromSrgb8(212, 186, 122), fromSrgb8(252, 240, 196), t);
        return s;
    };
    scene.atmosphere = fromSrgb8(255, 246, 215);
    scene.atmosphereWidth = 0.04;
    scene.atmosphereStrength = 0.35;
    scene.starSeed = 22;
    return renderPlanet(scene);
}

Image renderEarth()
{
    static const Noise land(41);
    static const Noise cloud(42);
    static const Noise detail(43);
    PlanetScene scene;
    scene.width = 170;
    scene.height = 170;
    scene.centreX = 85;
    scene.centreY = 85;
    scene.radius = 72;
    scene.tiltDegrees = 18;
    scene.rollDegrees = -8;
    scene.spinDegrees = 0;
    scene.light = { -0.58, 0.32, 0.75 };
    scene.terminatorWrap = 0.05;
    scene.surface = [](Vec3 q) {
        const double continent
            = land.fbm(q * 1.3 + Vec3 { 0.3, 0, 0 }, 7, 0.55) + 0.1 * detail.fbm(q * 8, 3);
        const double coast = continent - 0.04;
        const double lat = std::fabs(q.y);
        SurfaceSample s;
        if (coast < 0) {
            const double depth = clamp01(-coast * 6);
            s.albedo = mix(fromSrgb8(38, 98, 160), fromSrgb8(10, 34, 98), depth);
            s.gloss = 0.55;
        } else {
            const double dry = clamp01(1 - std::fabs(lat - 0.38) * 5 + detail.fbm(q * 4, 4) * 1.5);
            const Rgb green = mix(
                fromSrgb8(52, 98, 42), fromSrgb8(92, 120, 58), clamp01(detail.fbm(q * 6, 3) + 0.5));
            const Rgb desert = fromSrgb8(196, 166, 112);
            s.albedo = mix(green, desert, dry);
            s.albedo = mix(s.albedo, fromSrgb8(120, 100, 80), clamp01((coast - 0.25) * 4));
        }
        const double ice = smoothstep(0.86, 0.9, lat + 0.03 * detail.fbm(q * 5, 3));
        s.albedo = mix(s.albedo, fromSrgb8(238, 243, 250), ice);
        s.gloss *= 1 - ice;

        const Vec3 swirl { cloud.fbm(q * 2, 4), cloud.fbm(q * 2 + Vec3 { 7, 3, 1 }, 4),
            cloud.fbm(q * 2 + Vec3 { 2, 9, 4 }, 4) };
        double cover = cloud.fbm(scaled(q, 2.6, 4.0, 2.6) + swirl * 1.4, 6);
        // Clouds gather near the equator and at mid latitudes, and thin out over the subtropics.
        cover += 0.12 * bump(q.y / 0.12) + 0.1 * bump((lat - 0.75) / 0.2)
            - 0.08 * bump((lat - 0.42) / 0.15);
        const double amount = smoothstep(0.02, 0.32, cover) * 0.92;
        s.albedo = mix(s.albedo, fromSrgb8(246, 247, 250), amount);
        s.gloss *= 1 - amount;
        return s;
    };
    scene.atmosphere = fromSrgb8(110, 165, 255);
    scene.atmosphereWidth = 0.06;
    scene.atmosphereStrength = 0.55;
    scene.starSeed = 23;
    return renderPlanet(scene);
}

Image renderMars()
{
    static const Noise albedo(51);
    static const Noise detail(52);
    static const CraterField craters(53, 90, 0.015, 0.09, 0.0);
    PlanetScene scene;
    scene.width = 198;
    scene.height = 150;
    scene.centreX = 99;
    scene.centreY = 75;
    scene.radius = 64;
    scene.tiltDegrees = 22;
    scene.rollDegrees = 10;
    scene.light = { -0.55, 0.38, 0.74 };
    scene.lunarLook = 0.35;
    scene.terminatorWrap = 0.03;
    scene.surface = [](Vec3 q) {
        const Vec3 warp { albedo.fbm(q * 2, 3), albedo.fbm(q * 2 + Vec3 { 4, 4, 4 }, 3), 0 };
        const double markings = albedo.fbm(q * 1.6 + warp * 0.6, 6, 0.55);
        const double dark = smoothstep(0.05, 0.3, markings) * (q.y < 0.55 ? 1 : 0.3);
        const double bright = smoothstep(-0.05, -0.35, markings);
        Rgb c = fromSrgb8(188, 92, 50);
        c = mix(c, fromSrgb8(216, 138, 82), bright * 0.8);
        c = mix(c, fromSrgb8(96, 52, 36), dark * 0.85);
        c = c * (0.92 + 0.16 * detail.fbm(q * 9, 3));
        const double cap = smoothstep(0.84, 0.88, q.y + 0.03 * detail.fbm(q * 6, 3));
        SurfaceSample s;
        s.albedo = mix(c, fromSrgb8(246, 240, 234), cap);
        return s;
    };
    scene.relief = [](Vec3 q) { return craters.height(q); };
    scene.reliefStrength = 0.5;
    scene.atmosphere = fromSrgb8(230, 190, 170);
    scene.atmosphereWidth = 0.03;
    scene.atmosphereStrength = 0.18;
    scene.starSeed = 24;
    return renderPlanet(scene);
}

Image renderJupiter()
{
    static const Noise streaks(61);
    static const Noise swirl(62);
    PlanetScene scene;
    scene.width = 150;
    scene.height = 150;
    scene.centreX = 75;
    scene.centreY = 75;
    scene.radius = 66;
    scene.flattening = 0.065;
    scene.tiltDegrees = 3;
    scene.light = { -0.5, 0.25, 0.83 };
    scene.limbDarkening = 0.45;
    scene.terminatorWrap = 0.05;
    scene.surface = [](Vec3 q) {
        const Vec3 spot = atLatLon(-22, -18);
        Vec3 east, north;
        tangentFrame(spot, east, north);
        const double u = q.dot(east) / 0.24, v = q.dot(north) / 0.13;
        const double r2 = u * u + v * v;
        const bool facing = q.dot(spot) > 0;

        // Latitude, disturbed by turbulence streaming along the bands.
        double lat
            = q.y + 0.025 * streaks.fbm(scaled(q, 3, 14, 3), 5) + 0.012 * swirl.fbm(q * 9, 3);
        if (facing && r2 < 4) {
            // Flow bends round the spot.
            lat += 0.05 * v * bump(std::sqrt(r2) / 2.0) * 0.6;
        }
        struct Band
        {
            double from, to;
            Rgb colour;
        };
        const Rgb zone = fromSrgb8(236, 226, 204);
        static const Band bands[] = {
            { 0.78, 1.01, fromSrgb8(170, 155, 138) },
            { 0.62, 0.78, fromSrgb8(196, 178, 150) },
            { 0.50, 0.58, fromSrgb8(170, 128, 96) },
            { 0.13, 0.32, fromSrgb8(150, 96, 66) },
            { -0.08, 0.11, fromSrgb8(240, 224, 194) },
            { -0.32, -0.12, fromSrgb8(162, 112, 80) },
            { -0.54, -0.45, fromSrgb8(178, 136, 104) },
            { -0.76, -0.62, fromSrgb8(196, 178, 150) },
            { -1.01, -0.76, fromSrgb8(170, 155, 138) },
        };
        Rgb c = zone;
        for (const Band &b : bands) {
            const double w = smoothstep(b.from - 0.025, b.from + 0.02, lat)
                * (1 - smoothstep(b.to - 0.02, b.to + 0.025, lat));
            c = mix(c, b.colour, w);
        }
        c = c * (0.93 + 0.12 * streaks.fbm(scaled(q, 6, 24, 6), 4));

        if (facing) {
            const double r = std::sqrt(r2);
            const double inner = swirl.fbm(Vec3 { u * 2, v * 2, r * 3 }, 3);
            const Rgb red
                = mix(fromSrgb8(196, 92, 62), fromSrgb8(222, 140, 98), clamp01(0.5 + inner));
            c = mix(c, fromSrgb8(246, 236, 220), bump((r - 1.15) / 0.3) * 0.7);
            c = mix(c, red, 1 - smoothstep(0.85, 1.05, r));
        }
        SurfaceSample s;
        s.albedo = c;
        return s;
    };
    scene.starSeed = 25;
    return renderPlanet(scene);
}

Image renderSaturn()
{
    static const Noise streaks(71);
    static const Noise ringlets(72);
    PlanetScene scene;
    scene.width = 170;
    scene.height = 129;
    scene.centreX = 85;
    scene.centreY = 64.5;
    scene.radius = 34;
    scene.flattening = 0.098;
    scene.tiltDegrees = 24;
    scene.rollDegrees = -12;
    scene.light = { -0.45, 0.45, 0.77 };
    scene.limbDarkening = 0.4;
    scene.terminatorWrap = 0.04;
    scene.surface = [](Vec3 q) {
        const double lat = q.y + 0.015 * streaks.fbm(scaled(q, 3, 14, 3), 4);
        const double bands = streaks.fbm(Vec3 { 0.3, lat * 9, 0.7 }, 3);
        Rgb c = mix(fromSrgb8(224, 200, 150), fromSrgb8(196, 164, 112), clamp01(0.5 + 1.6 * bands));
        c = mix(c, fromSrgb8(240, 224, 180), bump(lat / 0.15) * 0.6);
        c = mix(c, fromSrgb8(160, 160, 146), smoothstep(0.7, 0.9, lat));
        SurfaceSample s;
        s.albedo = c;
        return s;
    };
    scene.ring.inner = 1.24;
    scene.ring.outer = 2.27;
    scene.ring.opacity = [](double r) {
        const double fine = 0.85 + 0.15 * ringlets.at(Vec3 { r * 40, 0.5, 0.5 });
        if (r < 1.53)
            return 0.18 * fine;
        if (r < 1.95)
            return 0.9 * fine;
        if (r < 2.03)
            return 0.06;
        if (r > 2.205 && r < 2.22)
            return 0.1;
        return 0.65 * fine;
    };
    scene.ring.colour = [](double r) {
        if (r < 1.53)
            return fromSrgb8(150, 140, 126);
        if (r < 1.95)
            return mix(fromSrgb8(214, 196, 160), fromSrgb8(238, 224, 190), (r - 1.53) / 0.42);
        return fromSrgb8(200, 186, 158);
    };
    scene.starSeed = 26;
    return renderPlanet(scene);
}

Image renderUranus()
{
    static const Noise haze(81);
    PlanetScene scene;
    scene.width = 150;
    scene.height = 150;
    scene.centreX = 75;
    scene.centreY = 75;
    scene.radius = 60;
    scene.flattening = 0.023;
    scene.tiltDegrees = 55;
    scene.rollDegrees = 75;
    scene.light = { -0.5, 0.3, 0.81 };
    scene.limbDarkening = 0.35;
    scene.terminatorWrap = 0.1;
    scene.surface = [](Vec3 q) {
        const double bands = haze.fbm(Vec3 { 0.2, q.y * 5, 0.4 }, 3);
        Rgb c = mix(fromSrgb8(168, 218, 226), fromSrgb8(190, 232, 236), clamp01(0.5 + bands));
        c = mix(c, fromSrgb8(206, 240, 242), smoothstep(0.55, 0.9, q.y) * 0.6);
        SurfaceSample s;
        s.albedo = c;
        return s;
    };
    scene.ring.inner = 1.6;
    scene.ring.outer = 2.0;
    scene.ring.opacity = [](double r) {
        // A few thin dark rings, the outermost the widest.
        const double edges[] = { 1.64, 1.72, 1.78, 1.95 };
        const double widths[] = { 0.006, 0.006, 0.008, 0.02 };
        double a = 0;
        for (int i = 0; i < 4; ++i)
            a += std::fabs(r - edges[i]) < widths[i] ? 0.35 : 0;
        return a;
    };
    scene.ring.colour = [](double) { return fromSrgb8(150, 170, 175); };
    scene.atmosphere = fromSrgb8(190, 240, 245);
    scene.atmosphereWidth = 0.035;
    scene.atmosphereStrength = 0.3;
    scene.starSeed = 27;
    return renderPlanet(scene);
}

Image renderNeptune()
{
    static const Noise streaks(91);
    static const Noise cirrus(92);
    PlanetScene scene;
    scene.width = 150;
    scene.height = 150;
    scene.centreX = 75;
    scene.centreY = 75;
    scene.radius = 64;
    scene.flattening = 0.017;
    scene.tiltDegrees = 20;
    scene.light = { -0.52, 0.3, 0.8 };
    scene.limbDarkening = 0.35;
    scene.terminatorWrap = 0.08;
    scene.surface = [](Vec3 q) {
        const double lat = q.y + 0.02 * streaks.fbm(scaled(q, 3, 12, 3), 4);
        const double bands = streaks.fbm(Vec3 { 0.6, lat * 7, 0.2 }, 3);
        Rgb c = mix(fromSrgb8(54, 88, 196), fromSrgb8(36, 62, 160), clamp01(0.5 + 1.5 * bands));
        c = mix(c, fromSrgb8(30, 48, 130), smoothstep(0.55, 0.9, -lat) * 0.5);

        const Vec3 spot = atLatLon(-22, -12);
        Vec3 east, north;
        tangentFrame(spot, east, north);
        if (q.dot(spot) > 0) {
            const double u = q.dot(east) / 0.22, v = q.dot(north) / 0.12;
            const double r = std::sqrt(u * u + v * v);
            c = mix(c, fromSrgb8(18, 26, 84), 1 - smoothstep(0.8, 1.05, r));
            // Bright companion clouds hug the spot's southern edge.
            const double companion = bump((v + 1.25) / 0.35) * bump(u / 1.3);
            c = mix(c, fromSrgb8(226, 234, 255), clamp01(companion * 1.4));
        }
        const double streak = cirrus.turbulence(scaled(q, 3, 16, 3), 4);
        const double white = smoothstep(0.42, 0.6, streak) * bump((q.y + 0.05) / 0.5);
        c = mix(c, fromSrgb8(210, 224, 255), white * 0.7);
        SurfaceSample s;
        s.albedo = c;
        return s;
    };
    scene.atmosphere = fromSrgb8(120, 160, 255);
    scene.atmosphereWidth = 0.05;
    scene.atmosphereStrength = 0.4;
    scene.starSeed = 28;
    return renderPlanet(scene);
}

Image renderPluto()
{
    static const Noise mottle(101);
    static const Noise edge(102);
    static const CraterField craters(103, 70, 0.015, 0.08, 0.0);
    PlanetScene scene;
    scene.width = 150;
    scene.height = 112;
    scene.centreX = 75;
    scene.centreY = 56;
    scene.radius = 50;
    scene.tiltDegrees = 25;
    scene.light = { -0.5, 0.35, 0.79 };
    scene.lunarLook = 0.5;
    scene.surface = [](Vec3 q) {
        Rgb c = mix(fromSrgb8(186, 152, 118), fromSrgb8(214, 186, 150),
            clamp01(0.5 + mottle.fbm(q * 3, 5)));
        c = mix(c, fromSrgb8(184, 174, 162), smoothstep(0.6, 0.85, q.y) * 0.7);

        // The dark reddish belt west of the heart.
        const Vec3 belt = atLatLon(-8, -62);
        Vec3 be, bn;
        tangentFrame(belt, be, bn);
        if (q.dot(belt) > 0) {
            const double u = q.dot(be) / 0.62, v = q.dot(bn) / 0.26;
            const double d = u * u + v * v + 0.35 * edge.fbm(q * 4, 4);
            c = mix(c, fromSrgb8(98, 52, 38), 1 - smoothstep(0.75, 1.0, d));
        }

        // The bright heart-shaped plain, its tip pointing down and a little east.
        const Vec3 heart = atLatLon(18, 12);
        Vec3 he, hn;
        tangentFrame(heart, he, hn);
        if (q.dot(heart) > 0) {
            const double x0 = q.dot(he) / 0.3, y0 = q.dot(hn) / 0.3;
            const double ca = 0.96, sa = -0.26;
            const double x = ca * x0 - sa * y0;
            const double y = sa * x0 + ca * y0 + 0.1;
            const double a = x * x + y * y - 1;
            const double f = a * a * a - x * x * y * y * y + 0.12 * edge.fbm(q * 7, 4);
            const double inside = 1 - smoothstep(-0.04, 0.04, f);
            const Rgb plain = x < -0.05 ? fromSrgb8(246, 238, 226) : fromSrgb8(234, 222, 204);
            c = mix(c, plain, inside);
        }
        SurfaceSample s;
        s.albedo = c;
        return s;
    };
    scene.relief = [](Vec3 q) { return craters.height(q); };
    scene.reliefStrength = 0.6;
    scene.starSeed = 29;
    return renderPlanet(scene);
}

} // namespace artgen
