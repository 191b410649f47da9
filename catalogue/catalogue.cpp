// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "catalogue/catalogue.h"

#include <cstddef>

namespace catalogue {
namespace {

// The texts are data, not numbers: digits, separators, trailing blanks and "-" for a
// missing value are all meant to be shown as they stand.
// clang-format off
constexpr std::array<Planet, planetCount> planets{{
    {u"Mercury", u"", u"",
     {u"3.303e+23", u"5.5271e-02", u"2,439.7", u"3.8252e-01",
      u"5.42", u"57,910,000", u"0.3871", u"-",
      u"58.6462", u"87.969", u"47.88", u"0.2056",
      u"0.00", u"7.004", u"2.78", u"4.25",
      u"0.10", u"-1.9 ", u"-173°C", u"179°C",
      u"427°C", u"-"}},
    {u"Venus", u"", u"",
     {u"4.869e+24", u".81476 ", u"6,051.8", u".94886",
      u"5.25", u"108,200,000", u"0.7233", u"-",
      u"-243.0187", u"224.701", u"35.02", u"0.0068",
      u"177.36", u"3.394", u"8.87", u"10.36",
      u"0.65", u"-4.4 ", u"-", u"482°C",
      u"-", u"92"}},
    {u"Earth", u"", u"",
     {u"5.976e+24", u"1.0000e+00", u"6,378.14", u"1.0000e+00",
      u"5.515", u"149,600,000", u"1.0000", u"23.9345",
      u"0.99727", u"365.256", u"29.79", u"0.0167",
      u"23.45", u"0.000", u"9.78", u"11.18",
      u"0.37", u"-", u"-", u"15°C",
      u"-", u"1.013"}},
    {u"Mars", u"", u"",
     {u"6.421e+23", u"1.0745e-01", u"3,397.2", u"5.3264e-01",
      u"3.94", u"227,940,000", u"1.5237", u"24.6229",
      u"1.025957", u"686.98", u"24.13", u"0.0934",
      u"25.19", u"1.850", u"3.72", u"5.02",
      u"0.15", u"-2.01", u"-140°C", u"-63°C",
      u"20°C", u"0.007"}},
    {u"Jupiter", u"", u"",
     {u"1.900e+27", u"3.1794e+02", u"71,492", u"1.1209e+01",
      u"1.33", u"778,330,000", u"5.2028", u"-",
      u"0.41354", u"4332.71", u"13.07", u"0.0483",
      u"3.13", u"1.308", u"22.88", u"59.56",
      u"0.52", u"-2.70", u"-", u"-121°C",
      u"-", u"0.7"}},
    {u"Saturn", u"", u"",
     {u"5.688e+26", u"9.5181e+01", u"60,268", u"9.4494e+00",
      u"0.69", u"1,429,400,000", u"9.5388", u"10.233",
      u"-", u"10752.17", u"9.67", u"0.0560",
      u"25.33", u"2.488", u"9.05", u"35.49",
      u"0.47", u"0.67", u"-", u"-125°C",
      u"-", u"1.4"}},
    {u"Uranus", u"Discovered by William Herschel", u"Date of discovery 1781",
     {u"8.686e+25", u"1.4535e+01", u"25,559", u"4.0074",
      u"1.29", u"2,870,990,000", u"19.1914", u"-17.9",
      u"-", u"30663.65", u"6.81", u"0.0461",
      u"97.86", u"0.774", u"7.77", u"21.30",
      u"0.51", u"5.52", u"-", u"-193°C",
      u"-", u"1.2"}},
    {u"Neptune", u"Discovered by Johann Gottfried Galle", u"Date of discovery September 23, 1846",
     {u"1.024e+26", u"1.7135e+01", u"24,746", u"3.8799e+00",
      u"1.64", u"4,504,300,000", u"30.0611", u"16.11",
      u"-", u"60148.35", u"5.45", u"0.0097",
      u"29.56", u"1.774", u"11.0", u"23.50",
      u"0.41", u"7.84", u"-", u"-193 to -153°C",
      u"-", u"1-3"}},
    {u"Pluto", u"Discovered by Clyde W. Tombaugh", u"Date of discovery February 18, 1930",
     {u"1.27e+22", u"2.125e-03", u"1,137", u"0.1783",
      u"2.05", u"5,913,520,000", u"39.5294", u"-",
      u"-6.3872", u"90717.1", u"4.74", u"0.2482",
      u"122.52", u"17.148", u"0.4", u"1.22",
      u"0.3", u"15.12", u"-", u"-",
      u"-", u"-"}},
}};

constexpr std::array<QStringView, factCount> captions{
    u"Mass (kg)", u"Mass (Earth = 1)", u"Equatorial radius (km)",
    u"Equatorial radius (Earth = 1)", u"Mean density (gm/cm^3)",
    u"Mean distance from the Sun (km)", u"Mean distance from the Sun (Earth = 1)",
    u"Rotational period (hours)", u"Rotational period (days)", u"Orbital period (days)",
    u"Mean orbital velocity (km/sec)", u"Orbital eccentricity", u"Tilt of axis (degrees)",
    u"Orbital inclination (degrees)", u"Equatorial surface gravity (m/sec^2)",
    u"Equatorial escape velocity (km/sec)", u"Visual geometric albedo", u"Magnitude (Vo)",
    u"Minimum surface temperature", u"Mean surface temperature",
    u"Maximum surface temperature", u"Atmospheric pressure (bars)"};
// clang-format on

} // namespace

const Planet &planet(int record)
{
    return planets.at(static_cast<std::size_t>(record - 1));
}

QStringView factCaption(int fact)
{
    return captions.at(static_cast<std::size_t>(fact - 1));
}

} // namespace catalogue
