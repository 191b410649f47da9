// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include "raster.h"

#include <cstdint>
#include <functional>

// A ray caster for one lit planet, optionally ringed, on a starry sky. It knows
// geometry and light; what the surface looks like comes from the caller.
namespace artgen {

// What the surface shows at a point q of the unit sphere in body coordinates (y is north).
struct SurfaceSample
{
    Rgb albedo;
    double gloss = 0; // strength of a mirror-like sun glint, for oceans
};

struct RingLook
{
    double inner = 0; // radii in planet radii
    double outer = 0;
    // Opacity and colour at a radius between inner and outer.
    std::function<double(double)> opacity;
    std::function<Rgb(double)> colour;
};

struct PlanetScene
{
    int width = 0;
    int height = 0;
    double centreX = 0; // pixels
    double centreY = 0;
    double radius = 0;
    double flattening = 0; // 1 - polar radius / equatorial radius
    // Pole tipped towards the viewer, pole rotated in the picture plane, and turn about the pole.
    double tiltDegrees = 0;
    double rollDegrees = 0;
    double spinDegrees = 0;
    Vec3 light { -0.55, 0.35, 0.76 };

    std::function<SurfaceSample(Vec3)> surface;
    // Optional relief for shading only: the silhouette stays smooth.
    std::function<double(Vec3)> relief;
    double reliefStrength = 0;

    // 0 gives Lambert shading (gas and cloud), 1 the flat look of dusty airless ground.
    double lunarLook = 0;
    double limbDarkening = 0; // exponent on the cosine of the viewing angle
    double terminatorWrap = 0; // how far light bends round the terminator

    Rgb atmosphere;
    double atmosphereWidth = 0; // in planet radii, for the glow outside the disc
    double atmosphereStrength = 0;

    RingLook ring;

    std::uint64_t starSeed = 1;
    int samplesPerAxis = 4;
};

Image renderPlanet(const PlanetScene &scene);

// Dark sky with a sprinkle of stars, shared by the pictures and the emblem.
std::vector<Rgb> renderSky(int width, int height, std::uint64_t seed, double starsPerPixel);

// Body orientation from the scene's three angles: apply() maps view space to body space.
Mat3 bodyOrientation(double tiltDegrees, double rollDegrees, double spinDegrees);

// Point on the unit sphere at a latitude and longitude in degrees; longitude 0 faces the
// viewer when the body is not turned.
Vec3 atLatLon(double latitudeDegrees, double longitudeDegrees);

} // namespace artgen
