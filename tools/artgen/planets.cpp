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
            c.radius = smallest + (largest - smallest) * u * u * u * u * u;
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
            const double reach = 1.7 * c.radius;
            if (d2 > reach * reach)
                continue;
            const double t = std::sqrt(d2) / c.radius;
            // A bowl whose wall steepens up to a sharp raised rim, then ejecta sloping away.
            constexpr double depth = 0.22, rim = 0.07;
            double profile = 0;
            if (t < 1) {
                const double t2 = t * t;
                profile = -depth * (1 - t2) + rim * t2 * t2;
            } else {
                profile = rim * bump((t - 1) / 0.7);
            }
            if (c.radius > 0.08 && t < 0.25)
                profile += 0.08 * bump(t / 0.25);
            h += profile * c.radius;
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
    static const CraterField craters(11, 520, 0.012, 0.24, 0.08);
    static const Noise mottle(12);
    PlanetScene scene;
    scene.width = 170;
    scene.height = 170;
    scene.centreX = 85;
    scene.centreY = 85;
    scene.radius = 72;
    scene.tiltDegrees = 5;
    scene.light = { -0.6, 0.3, 0.74 };
    scene.lunarLook = 0.85;
    scene.surface = [](Vec3 q) {
        const double broad = mottle.fbm(q * 1.8, 5, 0.55);
        const double fine = mottle.fbm(q * 7 + Vec3 { 3, 3, 3 }, 4);
        // Smooth darker plains between the cratered highlands.
        const double plains = smoothstep(0.05, 0.25, broad);
        double shade
            = 0.5 + 0.12 * fine - 0.1 * plains + craters.albedoShift(q) * (1 - 0.5 * plains);
        shade = clamp01(shade);
        SurfaceSample s;
        s.albedo = fromSrgb8(int(255 * shade), int(249 * shade), int(240 * shade));
        return s;
    };
    scene.relief = [](Vec3 q) { return craters.height(q); };
    scene.reliefStrength = 1.0;
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
    scene.light = { -0.58, 0.32, 0.75 };
    scene.terminatorWrap = 0.05;
    scene.surface = [](Vec3 q) {
        const double continent
            = land.fbm(q * 1.3 + Vec3 { 0.3, 0, 0 }, 7, 0.55) + 0.1 * detail.fbm(q * 8, 3);
        const double coast = continent - 0.03;
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
            - 0.1 * bump((lat - 0.42) / 0.15);
        const double amount = smoothstep(0.04, 0.32, cover) * 0.92;
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
    PlanetScene scene;
    scene.width = 198;
    scene.height = 150;
    scene.centreX = 99;
    scene.centreY = 75;
    scene.radius = 64;
    scene.tiltDegrees = 20;
    scene.rollDegrees = 10;
    scene.light = { -0.55, 0.38, 0.74 };
    scene.lunarLook = 0.35;
    scene.terminatorWrap = 0.03;
    scene.surface = [](Vec3 q) {
        const Vec3 warp { albedo.fbm(q * 2, 3), albedo.fbm(q * 2 + Vec3 { 4, 4, 4 }, 3), 0 };
        const double markings = albedo.fbm(q * 1.4 + warp * 0.7, 6, 0.55);
        // Dark plains lie mostly south of the equator; the north is brighter desert.
        const double southern = 0.6 + 0.4 * smoothstep(0.5, -0.2, q.y);
        const double dark = smoothstep(-0.06, 0.1, markings) * southern;
        const double bright = smoothstep(-0.14, -0.34, markings);
        Rgb c = fromSrgb8(190, 96, 54);
        c = mix(c, fromSrgb8(222, 146, 88), bright * 0.8);
        c = mix(c, fromSrgb8(82, 46, 34), dark * 0.85);
        c = c * (0.9 + 0.2 * detail.fbm(q * 10, 3));
        const double cap = smoothstep(0.91, 0.935, q.y + 0.025 * detail.fbm(q * 6, 3));
        SurfaceSample s;
        s.albedo = mix(c, fromSrgb8(244, 238, 230), cap);
        return s;
    };
    scene.atmosphere = fromSrgb8(230, 196, 180);
    scene.atmosphereWidth = 0.03;
    scene.atmosphereStrength = 0.2;
    scene.starSeed = 24;
    return renderPlanet(scene);
}

Image renderJupiter()
{
    static const Noise streaks(61);
    static const Noise swirl(62);
    static const Noise festoons(63);
    PlanetScene scene;
    scene.width = 150;
    scene.height = 150;
    scene.centreX = 75;
    scene.centreY = 75;
    scene.radius = 67;
    scene.flattening = 0.065;
    scene.tiltDegrees = 3;
    scene.light = { -0.5, 0.25, 0.83 };
    scene.limbDarkening = 0.45;
    scene.terminatorWrap = 0.05;
    scene.surface = [](Vec3 q) {
        const Vec3 spot = atLatLon(-22, -15);
        Vec3 east, north;
        tangentFrame(spot, east, north);
        const double u = q.dot(east) / 0.25, v = q.dot(north) / 0.14;
        const double r = std::sqrt(u * u + v * v);
        const bool facing = q.dot(spot) > 0;

        // Latitude, disturbed by turbulence that streams along the bands.
        double lat = q.y + 0.03 * streaks.fbm(scaled(q, 2.5, 10, 2.5), 5)
            + 0.02 * swirl.turbulence(scaled(q, 6, 12, 6), 4);
        if (facing && r < 2.2) {
            // The flow parts round the spot.
            lat += 0.04 * (v > 0 ? 1 : -1) * bump(r / 2.2);
        }
        struct Band
        {
            double from, to;
            Rgb colour;
        };
        static const Band bands[] = {
            { 0.80, 1.01, fromSrgb8(150, 140, 128) },
            { 0.64, 0.80, fromSrgb8(184, 168, 146) },
            { 0.50, 0.58, fromSrgb8(168, 128, 98) },
            { 0.12, 0.31, fromSrgb8(146, 94, 66) },
            { -0.09, 0.10, fromSrgb8(226, 204, 168) },
            { -0.31, -0.12, fromSrgb8(172, 124, 90) },
            { -0.52, -0.44, fromSrgb8(178, 140, 108) },
            { -0.80, -0.62, fromSrgb8(184, 168, 146) },
            { -1.01, -0.80, fromSrgb8(150, 140, 128) },
        };
        Rgb c = fromSrgb8(234, 222, 198);
        for (const Band &b : bands) {
            const double w = smoothstep(b.from - 0.03, b.from + 0.02, lat)
                * (1 - smoothstep(b.to - 0.02, b.to + 0.03, lat));
            c = mix(c, b.colour, w);
        }
        // Fine streaks along the bands, and blue-grey festoons trailing from the north equatorial
        // belt.
        c = c * (0.9 + 0.18 * streaks.fbm(scaled(q, 7, 30, 7), 4));
        const double festoon = smoothstep(0.25, 0.45, festoons.fbm(scaled(q, 10, 22, 10), 3))
            * bump((lat - 0.1) / 0.045);
        c = mix(c, fromSrgb8(108, 104, 112), festoon * 0.7);
        // A string of white ovals in the south temperate belt.
        for (double lon : { -60.0, 5.0, 48.0 }) {
            const Vec3 o = atLatLon(-40, lon);
            const Vec3 d = q - o;
            const double e = std::sqrt(d.x * d.x / 1.0 + d.y * d.y * 3.0 + d.z * d.z) / 0.05;
            c = mix(c, fromSrgb8(240, 234, 222),
                (1 - smoothstep(0.7, 1.0, e)) * (q.dot(o) > 0 ? 0.85 : 0));
        }

        if (facing && r < 2) {
            // Twisted coordinates give the spot its spiral texture.
            const double twist = 1.8 * (1 - r);
            const double ct = detmath::cos(twist), st = detmath::sin(twist);
            const double tu = ct * u - st * v, tv = st * u + ct * v;
            const double inner = swirl.fbm(Vec3 { tu * 2.2, tv * 2.2, 0.5 }, 4);
            const Rgb red = mix(fromSrgb8(190, 86, 56), fromSrgb8(228, 150, 104),
                clamp01(0.45 + 1.2 * inner + 0.4 * r));
            c = mix(c, fromSrgb8(240, 228, 208), bump((r - 1.15) / 0.35) * 0.8);
            c = mix(c, red, 1 - smoothstep(0.88, 1.04, r));
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
    scene.radius = 35;
    scene.flattening = 0.098;
    scene.tiltDegrees = 24;
    scene.rollDegrees = -12;
    scene.light = { -0.45, 0.45, 0.77 };
    scene.limbDarkening = 0.4;
    scene.terminatorWrap = 0.04;
    scene.surface = [](Vec3 q) {
        const double lat = q.y + 0.015 * streaks.fbm(scaled(q, 3, 14, 3), 4);
        const double bands = streaks.fbm(Vec3 { 0.3, lat * 9, 0.7 }, 3);
        Rgb c = mix(fromSrgb8(226, 202, 152), fromSrgb8(194, 160, 108), clamp01(0.5 + 1.6 * bands));
        c = mix(c, fromSrgb8(240, 224, 180), bump(lat / 0.15) * 0.6);
        c = mix(c, fromSrgb8(156, 160, 150), smoothstep(0.7, 0.9, lat));
        SurfaceSample s;
        s.albedo = c;
        return s;
    };
    scene.ring.inner = 1.24;
    scene.ring.outer = 2.27;
    scene.ring.opacity = [](double r) {
        const double fine = 0.85 + 0.15 * ringlets.at(Vec3 { r * 40, 0.5, 0.5 });
        if (r < 1.53)
            return 0.2 * fine;
        if (r < 1.95)
            return 0.92 * fine;
        if (r < 2.03)
            return 0.06;
        if (r > 2.205 && r < 2.22)
            return 0.1;
        return 0.7 * fine;
    };
    scene.ring.colour = [](double r) {
        if (r < 1.53)
            return fromSrgb8(150, 140, 126);
        if (r < 1.95)
            return mix(fromSrgb8(214, 196, 160), fromSrgb8(240, 226, 192), (r - 1.53) / 0.42);
        return fromSrgb8(202, 188, 160);
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
    scene.radius = 62;
    scene.flattening = 0.023;
    // The planet rolls on its side: the pole faces nearly towards us.
    scene.tiltDegrees = 55;
    scene.rollDegrees = 70;
    scene.light = { -0.5, 0.3, 0.81 };
    scene.limbDarkening = 0.35;
    scene.terminatorWrap = 0.1;
    scene.surface = [](Vec3 q) {
        const double bands = haze.fbm(Vec3 { 0.2, q.y * 5, 0.4 }, 3);
        Rgb c = mix(fromSrgb8(160, 214, 224), fromSrgb8(188, 232, 236), clamp01(0.5 + bands));
        c = mix(c, fromSrgb8(208, 242, 244), smoothstep(0.55, 0.9, q.y) * 0.6);
        SurfaceSample s;
        s.albedo = c;
        return s;
    };
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
    scene.tiltDegrees = 12;
    scene.light = { -0.52, 0.3, 0.8 };
    scene.limbDarkening = 0.35;
    scene.terminatorWrap = 0.08;
    scene.surface = [](Vec3 q) {
        const double lat = q.y + 0.02 * streaks.fbm(scaled(q, 3, 12, 3), 4);
        const double bands = streaks.fbm(Vec3 { 0.6, lat * 7, 0.2 }, 3);
        Rgb c = mix(fromSrgb8(56, 92, 200), fromSrgb8(36, 62, 160), clamp01(0.5 + 1.5 * bands));
        c = mix(c, fromSrgb8(30, 48, 130), smoothstep(0.6, 0.95, -lat) * 0.5);

        const Vec3 spot = atLatLon(-20, -15);
        Vec3 east, north;
        tangentFrame(spot, east, north);
        if (q.dot(spot) > 0) {
            const double u = q.dot(east) / 0.25, v = q.dot(north) / 0.13;
            const double r = std::sqrt(u * u + v * v);
            c = mix(c, fromSrgb8(16, 24, 80), 1 - smoothstep(0.8, 1.05, r));
            // Bright companion clouds hug the spot's southern edge.
            const double companion = bump((v + 1.3) / 0.4) * bump(u / 1.4);
            c = mix(c, fromSrgb8(226, 234, 255), clamp01(companion * 1.5));
        }
        const double streak = cirrus.turbulence(scaled(q, 3, 16, 3), 4);
        const double white = smoothstep(0.4, 0.58, streak)
            * (bump((q.y + 0.05) / 0.55) + bump((q.y - 0.55) / 0.12));
        c = mix(c, fromSrgb8(210, 224, 255), clamp01(white) * 0.75);
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

namespace {

// How much of the bright heart-shaped plain covers q: 1 inside, 0 outside. `across`
// receives the position from the western (-1) to the eastern (+1) edge.
double plutoHeart(Vec3 q, const Noise &edge, double *across = nullptr)
{
    static const Vec3 centre = atLatLon(12, 16);
    Vec3 east, north;
    tangentFrame(centre, east, north);
    if (q.dot(centre) <= 0)
        return 0;
    const double x0 = q.dot(east) / 0.37, y0 = q.dot(north) / 0.37;
    // Turned so that the tip points down and a little west.
    const double ca = 0.97, sa = 0.24;
    const double x = ca * x0 - sa * y0;
    const double y = sa * x0 + ca * y0 + 0.15;
    if (across)
        *across = x;
    const double a = x * x + y * y - 1;
    const double f = a * a * a - x * x * y * y * y + 0.1 * edge.fbm(q * 7, 4);
    return 1 - smoothstep(-0.04, 0.04, f);
}

} // namespace

Image renderPluto()
{
    static const Noise mottle(101);
    static const Noise edge(102);
    static const CraterField craters(103, 80, 0.015, 0.07, 0.0);
    PlanetScene scene;
    scene.width = 150;
    scene.height = 112;
    scene.centreX = 75;
    scene.centreY = 56;
    scene.radius = 51;
    scene.tiltDegrees = 22;
    scene.light = { -0.5, 0.35, 0.79 };
    scene.lunarLook = 0.5;
    scene.surface = [](Vec3 q) {
        Rgb c = mix(fromSrgb8(180, 144, 110), fromSrgb8(216, 188, 152),
            clamp01(0.5 + 1.2 * mottle.fbm(q * 3, 5)));
        c = mix(c, fromSrgb8(186, 176, 166), smoothstep(0.6, 0.85, q.y) * 0.7);

        // The dark reddish belt along the equator, west of the heart.
        const Vec3 belt = atLatLon(-10, -56);
        Vec3 be, bn;
        tangentFrame(belt, be, bn);
        if (q.dot(belt) > 0) {
            const double u = q.dot(be) / 0.8, v = q.dot(bn) / 0.26 + 0.4 * u * u;
            const double d = u * u + v * v + 0.7 * edge.fbm(q * 3 + Vec3 { 2, 2, 2 }, 6);
            c = mix(c, fromSrgb8(96, 50, 36), 1 - smoothstep(0.7, 0.95, d));
        }
        // Smaller dark patches continue the belt east of the heart.
        const double spots = smoothstep(0.25, 0.4, edge.fbm(q * 5 + Vec3 { 9, 1, 4 }, 4))
            * bump((q.y + 0.12) / 0.2);
        c = mix(c, fromSrgb8(110, 62, 44), spots * 0.8);

        double across = 0;
        const double heart = plutoHeart(q, edge, &across);
        // The western lobe is the smoother, brighter ice.
        const Rgb plain = mix(
            fromSrgb8(248, 242, 232), fromSrgb8(230, 216, 196), smoothstep(-0.3, 0.2, across));
        c = mix(c, plain, heart);
        SurfaceSample s;
        s.albedo = c;
        return s;
    };
    // The icy plain has no craters.
    scene.relief = [](Vec3 q) { return craters.height(q) * (1 - plutoHeart(q, edge)); };
    scene.reliefStrength = 0.5;
    scene.starSeed = 29;
    return renderPlanet(scene);
}

} // namespace artgen
