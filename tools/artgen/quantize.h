// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include "encoders.h"

namespace artgen {

struct IndexedImage
{
    std::vector<Colour8> palette;
    std::vector<std::uint8_t> indices;
};

// Median cut over the image's own colours. Every choice (which box to split, along
// which axis, where) has a fixed tie-break, so equal input gives an equal palette.
// The palette is sorted dark to light and always has maxColours entries.
IndexedImage quantizeMedianCut(const Image &image, int maxColours);

// Index of the palette entry nearest to c; the lowest index wins a tie.
std::uint8_t nearestIndex(const std::vector<Colour8> &palette, Colour8 c);

} // namespace artgen
