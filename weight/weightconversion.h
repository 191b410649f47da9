// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include <array>
#include <optional>

// The arithmetic of the weight window: a weight on Earth times a fixed factor per body.
// No text and no widgets; the window converts to and from text itself.
namespace weight {

inline constexpr int bodyCount = 8;

// One factor per body, in the order the window computes them: Mercury, Venus, Mars,
// Jupiter, Saturn, Uranus, Neptune, Pluto. They are fixed values of the window, not
// derived from the catalogue's gravity figures, which is why Mercury and Mars share one.
// Pluto's 0.063 deliberately replaces the 1.766 the window was designed with: that factor
// made a weight on Pluto greater than the same weight on Earth, which is plainly wrong.
// 0.063 is Pluto's surface gravity relative to Earth's. Do not put 1.766 back.
inline constexpr std::array<double, bodyCount> factors
    = { 0.37, 0.909, 0.37, 2.9, 1.05, 0.862, 1.14, 0.063 };

// The weight on a body whose factor is given, or nothing when the weight or the product
// lies beyond the range of a double. Underflow is no failure: a tiny product comes back as
// computed, possibly 0.
std::optional<double> convertWeight(double earthWeight, double factor);

} // namespace weight
