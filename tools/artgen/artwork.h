// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include "raster.h"

// The program's pictures, each drawn at its stored size.
namespace artgen {

Image renderMercury();
Image renderVenus();
Image renderEarth();
Image renderMars();
Image renderJupiter();
Image renderSaturn();
Image renderUranus();
Image renderNeptune();
Image renderPluto();

// The About picture: an emblem, not a portrait of anyone.
Image renderEmblem();

// The program icon at `size` pixels square, in full colour or in black and white.
RgbaImage renderIcon(int size, bool monochrome = false);

} // namespace artgen
