// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "sphere.h"

#include "noise.h"

namespace artgen {

namespace {

constexpr double degrees = detmath::pi / 180.0;

// Scales body coordinates so that the flattened planet becomes the unit sphere.
Vec3 unflatten(Vec3 b, double flattening)
{
    return { b.x, b.y / (1.0 - flattening), b.z };
}

// Parameters t of the ray origin + t * direction (body space) that meet the flattened
// planet, nearest first; false when the ray misses it.
bool hitPlanet(Vec3 origin, Vec3 direction, double flattening, double &tNear, double &tFar)
{
    const Vec3 o = unflatten(origin, flattening);
    const Vec3 d = unflatten(direction, flattening);
    const double a = d.dot(d);
    const double b = o.dot(d);
    const double c = o.dot(o) - 1.0;
    const double disc = b * b - a * c;
    if (disc <= 0)
        return false;
    const double root = std::sqrt(disc);
    tNear = (-b - root) / a;
    tFar = (-b + root) / a;
    return true;
}

struct Shader
{
    const PlanetScene &scene;
    Mat3 toBody;
    Mat3 toView;
    Vec3 light;
    Vec3 ringNormal;

    explicit Shader(const PlanetScene &s)
        : scene(s)
        , toBody(bodyOrientation(s.tiltDegrees, s.rollDegrees, s.spinDegrees))
        , toView(toBody.transposed())
        , light(s.light.normalized())
        , ringNormal(toView.apply({ 0, 1, 0 }))
    { }

    bool hasRing() const { return scene.ring.outer > 0; }

    // Opacity of the ring where the view-space point p lies in its plane, 0 off the ring.
    double ringOpacityAt(Vec3 p, double &radius) const
    {
        const Vec3 b = toBody.apply(p);
        radius = std::sqrt(b.x * b.x + b.z * b.z);
        if (radius < scene.ring.inner || radius > scene.ring.outer)
            return 0;
        return scene.ring.opacity(radius);
    }

    double ringShadowOn(Vec3 p) const
    {
        if (!hasRing())
            return 1;
        const double facing = ringNormal.dot(light);
        if (std::fabs(facing) < 1e-9)
            return 1;
        const double t = -ringNormal.dot(p) / facing;
        if (t <= 0)
            return 1;
        double radius = 0;
        return 1.0 - 0.85 * ringOpacityAt(p + light * t, radius);
    }

    bool planetShadowOn(Vec3 p) const
    {
        double t0 = 0, t1 = 0;
        if (!hitPlanet(toBody.apply(p), toBody.apply(light), scene.flattening, t0, t1))
            return false;
        return t1 > 0;
    }

    Rgb shadeSurface(Vec3 p) const
    {
        const Vec3 b = toBody.apply(p);
        const Vec3 q = unflatten(b, scene.flattening).normalized();
        const double f2 = (1.0 - scene.flattening) * (1.0 - scene.flattening);
        Vec3 nBody = Vec3 { b.x, b.y / f2, b.z }.normalized();
        const Vec3 nGeometric = toView.apply(nBody);

        if (scene.relief) {
            // Finite differences of the relief along two tangents tilt the normal.
            const Vec3 helper = std::fabs(q.y) < 0.9 ? Vec3 { 0, 1, 0 } : Vec3 { 1, 0, 0 };
            const Vec3 t1 = helper.cross(q).normalized();
            const Vec3 t2 = q.cross(t1);
            constexpr double step = 0.002;
            const double h0 = scene.relief(q);
            const double h1 = scene.relief((q + t1 * step).normalized());
            const double h2 = scene.relief((q + t2 * step).normalized());
            const Vec3 gradient = t1 * ((h1 - h0) / step) + t2 * ((h2 - h0) / step);
            nBody = (nBody - gradient * scene.reliefStrength).normalized();
        }
        const Vec3 n = toView.apply(nBody);

        const SurfaceSample surface = scene.surface(q);
        const double mu = nGeometric.z > 0 ? nGeometric.z : 0;
        const double geometricLight = nGeometric.dot(light);
        const double wrap = scene.terminatorWrap;
        double lambert = (n.dot(light) + wrap) / (1.0 + wrap);
        lambert = lambert > 0 ? lambert : 0;
        // Tilted normals must not light ground beyond the terminator.
        lambert *= detmath::smoothstep(-wrap - 0.02, 0.06, geometricLight);
        const double mu0 = lambert;
        const double lunar = mu0 > 0 ? 2.0 * mu0 / (mu0 + mu + 1e-6) * (0.5 + 0.5 * mu0) : 0;
        double brightness = detmath::mix(lambert, lunar, scene.lunarLook);
        if (scene.limbDarkening > 0)
            brightness *= detmath::pow(mu + 1e-6, scene.limbDarkening);

        double shadow = ringShadowOn(p);
        Rgb c = surface.albedo * (brightness * shadow) + surface.albedo * 0.012;

        if (surface.gloss > 0 && geometricLight > 0) {
            const Vec3 reflected = n * (2.0 * n.dot(light)) - light;
            const double r = reflected.z > 0 ? reflected.z : 0;
            const double glint = detmath::pow(r, 40.0) * surface.gloss * shadow;
            c = c + Rgb { glint, glint * 0.95, glint * 0.85 };
        }
        if (scene.atmosphereStrength > 0) {
            const double edge = 1.0 - mu;
            const double lit = detmath::smoothstep(-0.25, 0.35, geometricLight);
            c = c + scene.atmosphere * (scene.atmosphereStrength * edge * edge * edge * lit);
        }
        return c;
    }

    Rgb shadeRing(Vec3 p, double radius) const
    {
        const Rgb base = scene.ring.colour(radius);
        const double lit = planetShadowOn(p) ? 0.06 : 1.0;
        const double angle = std::fabs(ringNormal.dot(light));
        return base * (lit * (0.35 + 0.65 * std::sqrt(angle)));
    }

    Rgb glowOutside(double x, double y) const
    {
        if (scene.atmosphereStrength <= 0)
            return {};
        // Distance outside the limb, measured across the flattened outline.
        const Vec3 b = toBody.apply({ x, y, 0 });
        const Vec3 u = unflatten(b, scene.flattening);
        const double r = std::sqrt(u.x * u.x + u.y * u.y + u.z * u.z);
        const double beyond = (r - 1.0) / scene.atmosphereWidth;
        if (beyond <= 0 || beyond >= 1)
            return {};
        const Vec3 limbNormal = Vec3 { x, y, 0 }.normalized();
        const double lit = detmath::smoothstep(-0.25, 0.35, limbNormal.dot(light));
        const double fall = (1.0 - beyond) * (1.0 - beyond);
        return scene.atmosphere * (scene.atmosphereStrength * fall * lit);
    }

    Rgb shade(double x, double y, Rgb sky) const
    {
        double tNear = 0, tFar = 0;
        const Vec3 origin = toBody.apply({ x, y, 0 });
        const Vec3 direction = toBody.apply({ 0, 0, 1 });
        // Rays run from the viewer towards -z; the nearest surface has the largest z.
        const bool onPlanet = hitPlanet(origin, direction, scene.flattening, tNear, tFar);
        const double planetZ = tFar;
        Rgb behind = onPlanet ? shadeSurface({ x, y, planetZ }) : sky + glowOutside(x, y);

        if (hasRing() && std::fabs(ringNormal.z) > 1e-9) {
            const double ringZ = -(ringNormal.x * x + ringNormal.y * y) / ringNormal.z;
            const Vec3 p { x, y, ringZ };
            double radius = 0;
            const double opacity = ringOpacityAt(p, radius);
            if (opacity > 0 && (!onPlanet || ringZ > planetZ))
                behind = mix(behind, shadeRing(p, radius), opacity);
        }
        return behind;
    }
};

} // namespace

Mat3 bodyOrientation(double tiltDegrees, double rollDegrees, double spinDegrees)
{
    const Mat3 bodyToView = Mat3::rotationZ(rollDegrees * degrees)
        * Mat3::rotationX(tiltDegrees * degrees) * Mat3::rotationY(spinDegrees * degrees);
    return bodyToView.transposed();
}

Vec3 atLatLon(double latitudeDegrees, double longitudeDegrees)
{
    const double lat = latitudeDegrees * degrees, lon = longitudeDegrees * degrees;
    return { detmath::cos(lat) * detmath::sin(lon), detmath::sin(lat),
        detmath::cos(lat) * detmath::cos(lon) };
}

std::vector<Rgb> renderSky(int width, int height, std::uint64_t seed, double starsPerPixel)
{
    std::vector<Rgb> sky(std::size_t(width) * std::size_t(height));
    for (int y = 0; y < height; ++y) {
        const double t = double(y) / double(height);
        const Rgb base = mix(fromSrgb8(4, 5, 14), fromSrgb8(9, 8, 20), t);
        for (int x = 0; x < width; ++x)
            sky[std::size_t(y) * std::size_t(width) + std::size_t(x)] = base;
    }
    Rng rng(seed);
    const int count = int(double(width) * double(height) * starsPerPixel);
    for (int i = 0; i < count; ++i) {
        const int x = int(rng.uniform() * width);
        const int y = int(rng.uniform() * height);
        const double u = rng.uniform();
        const double brightness = 0.04 + 0.5 * u * u * u;
        const double tint = rng.uniform(-1, 1);
        const Rgb star { brightness * (1.0 + 0.15 * tint), brightness,
            brightness * (1.0 - 0.15 * tint) };
        Rgb &p = sky[std::size_t(y) * std::size_t(width) + std::size_t(x)];
        p = p + star;
        if (brightness > 0.3) {
            // The brightest stars bleed into their four neighbours.
            const int dx[4] = { 1, -1, 0, 0 }, dy[4] = { 0, 0, 1, -1 };
            for (int k = 0; k < 4; ++k) {
                const int nx = x + dx[k], ny = y + dy[k];
                if (nx >= 0 && ny >= 0 && nx < width && ny < height) {
                    Rgb &n = sky[std::size_t(ny) * std::size_t(width) + std::size_t(nx)];
                    n = n + star * 0.25;
                }
            }
        }
    }
    return sky;
}

Image renderPlanet(const PlanetScene &scene)
{
    const Shader shader(scene);
    const std::vector<Rgb> sky = renderSky(scene.width, scene.height, scene.starSeed, 1.0 / 260.0);
    Image image(scene.width, scene.height);
    const int n = scene.samplesPerAxis;
    for (int py = 0; py < scene.height; ++py) {
        for (int px = 0; px < scene.width; ++px) {
            const Rgb background
                = sky[std::size_t(py) * std::size_t(scene.width) + std::size_t(px)];
            Rgb sum;
            for (int sy = 0; sy < n; ++sy) {
                for (int sx = 0; sx < n; ++sx) {
                    const double x = (px + (sx + 0.5) / n - scene.centreX) / scene.radius;
                    const double y = -(py + (sy + 0.5) / n - scene.centreY) / scene.radius;
                    sum = sum + shader.shade(x, y, background);
                }
            }
            image.set(px, py, sum * (1.0 / double(n * n)));
        }
    }
    return image;
}

} // namespace artgen
