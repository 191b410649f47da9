// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include "raster.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// File writers with every header field chosen here, so that the bytes depend on
// nothing but the pixels. None of them reads anything back.
namespace artgen {

using Bytes = std::vector<std::uint8_t>;
using Colour8 = std::array<std::uint8_t, 3>;

// Uncompressed bottom-up Windows bitmap, 24 bits per pixel.
Bytes encodeBmp24(const Image &image);

struct IndexedImage
{
    std::vector<Colour8> palette;
    std::vector<std::uint8_t> indices;
};

// giflib's median cut, which sorts the colours by five bits a channel; each palette entry is
// the mean of the pixels given its index. The palette has `colours` entries (a power of two,
// at most 256), black where unused. Both are empty when the image is empty or the library
// fails.
IndexedImage quantize(const Image &image, int colours);

// GIF87a with the image's own 256-entry global colour table and no extension blocks.
Bytes encodeGif87a(const Image &image);

struct JpegSettings
{
    int quality = 92;
    int densityDpi = 96;
    // Written as a COM segment right after the JFIF header when not empty.
    std::string comment;
};

// Baseline JFIF 1.02, 8 bits, three components with no chroma subsampling.
Bytes encodeJpeg(const Image &image, const JpegSettings &settings);

// The best quality whose file, plus a COM segment padding it out, is exactly `size`
// bytes long. Returns an empty array when even the lowest quality is too large.
Bytes encodeJpegOfSize(const Image &image, const JpegSettings &settings, std::size_t size);

// One image of an icon file: palette indices top row first, and the transparency mask.
struct IconImage
{
    int size = 0;
    int bitsPerPixel = 0;
    std::vector<Colour8> palette;
    std::vector<std::uint8_t> indices;
    std::vector<bool> transparent;
};

Bytes encodeIco(const std::vector<IconImage> &images);

// Non-interlaced RGBA PNG with a fixed resolution chunk and no text or time chunks.
Bytes encodePng(const RgbaImage &image);

} // namespace artgen
