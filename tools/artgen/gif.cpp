// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "encoders.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <memory>

namespace artgen {

namespace {

struct MapDeleter
{
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};

int appendBytes(GifFileType *file, const GifByteType *data, int length)
{
    auto *out = static_cast<Bytes *>(file->UserData);
    out->insert(out->end(), data, data + length);
    return length;
}

} // namespace

IndexedImage quantize(const Image &image, int colours)
{
    // The library takes one plane per channel, not interleaved pixels, and keeps only the
    // top five bits of each value: half a step added makes that a rounding, not a cut.
    const std::size_t count = std::size_t(image.width) * std::size_t(image.height);
    std::vector<GifByteType> red(count), green(count), blue(count);
    const auto rounded = [](std::uint8_t v) { return GifByteType(std::min(255, v + 4)); };
    for (std::size_t i = 0; i < count; ++i) {
        red[i] = rounded(image.rgb[3 * i]);
        green[i] = rounded(image.rgb[3 * i + 1]);
        blue[i] = rounded(image.rgb[3 * i + 2]);
    }
    IndexedImage out;
    out.indices.resize(count);
    std::vector<GifColorType> map(std::size_t(colours), GifColorType { 0, 0, 0 });
    int size = colours;
    if (count == 0
        || GifQuantizeBuffer(unsigned(image.width), unsigned(image.height), &size, red.data(),
               green.data(), blue.data(), out.indices.data(), map.data())
            != GIF_OK)
        return {};
    // Each box's colour from the library is the mean of those five-bit values, a colour up
    // to a step off, which shows as bands in the dark sky and as wrong tints in the icon.
    // Each entry becomes instead the mean of the pixels that use it, at full precision.
    // Entries no pixel uses stay black.
    std::vector<std::array<std::uint64_t, 4>> sums(map.size(), { 0, 0, 0, 0 });
    for (std::size_t i = 0; i < count; ++i) {
        std::array<std::uint64_t, 4> &sum = sums[out.indices[i]];
        for (std::size_t c = 0; c < 3; ++c)
            sum[c] += image.rgb[3 * i + c];
        sum[3] += 1;
    }
    for (const std::array<std::uint64_t, 4> &sum : sums) {
        const std::uint64_t n = sum[3];
        if (n == 0)
            out.palette.push_back({ 0, 0, 0 });
        else
            out.palette.push_back({ std::uint8_t((sum[0] + n / 2) / n),
                std::uint8_t((sum[1] + n / 2) / n), std::uint8_t((sum[2] + n / 2) / n) });
    }
    return out;
}

Bytes encodeGif87a(const Image &image)
{
    const IndexedImage indexed = quantize(image, 256);
    if (indexed.palette.empty())
        return {};
    std::vector<GifColorType> colours;
    for (const Colour8 &c : indexed.palette)
        colours.push_back({ c[0], c[1], c[2] });
    const std::unique_ptr<ColorMapObject, MapDeleter> map(
        GifMakeMapObject(int(colours.size()), colours.data()));
    if (!map)
        return {};

    Bytes out;
    int error = 0;
    GifFileType *file = EGifOpen(&out, appendBytes, &error);
    if (!file)
        return {};
    // No extension blocks are written, so the older version is all a reader needs.
    EGifSetGifVersion(file, false);
    // 8 bits of colour resolution; the background is entry 0.
    bool ok = EGifPutScreenDesc(file, image.width, image.height, 8, 0, map.get()) == GIF_OK
        && EGifPutImageDesc(file, 0, 0, image.width, image.height, false, nullptr) == GIF_OK;
    // The library takes each row through a pointer to writable pixels, so it gets a copy.
    std::vector<GifPixelType> row(std::size_t(image.width));
    for (int y = 0; ok && y < image.height; ++y) {
        const auto *first = indexed.indices.data() + std::size_t(y) * std::size_t(image.width);
        row.assign(first, first + image.width);
        ok = EGifPutLine(file, row.data(), image.width) == GIF_OK;
    }
    // Closing writes the trailer and frees the file whether or not the writing went well.
    ok = EGifCloseFile(file, &error) == GIF_OK && ok;
    return ok ? out : Bytes {};
}

} // namespace artgen
