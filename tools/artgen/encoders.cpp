// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "encoders.h"

namespace artgen {

namespace {

void put16(Bytes &out, unsigned v)
{
    out.push_back(std::uint8_t(v & 0xFF));
    out.push_back(std::uint8_t((v >> 8) & 0xFF));
}

void put32(Bytes &out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void putBitmapInfoHeader(Bytes &out, int width, int height, int bitsPerPixel,
    std::uint32_t imageSize, std::uint32_t pixelsPerMetre)
{
    put32(out, 40);
    put32(out, std::uint32_t(width));
    put32(out, std::uint32_t(height));
    put16(out, 1);
    put16(out, unsigned(bitsPerPixel));
    put32(out, 0); // no compression
    put32(out, imageSize);
    put32(out, pixelsPerMetre);
    put32(out, pixelsPerMetre);
    put32(out, 0); // colours used: all that the bit depth allows
    put32(out, 0);
}

} // namespace

Bytes encodeBmp24(const Image &image)
{
    const std::uint32_t rowBytes = (std::uint32_t(image.width) * 3 + 3) & ~3u;
    const std::uint32_t imageSize = rowBytes * std::uint32_t(image.height);
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    put32(out, 14 + 40 + imageSize);
    put32(out, 0);
    put32(out, 14 + 40);
    putBitmapInfoHeader(out, image.width, image.height, 24, imageSize, 3780);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const std::uint8_t *p = image.pixel(x, y);
            out.push_back(p[2]);
            out.push_back(p[1]);
            out.push_back(p[0]);
        }
        for (std::uint32_t pad = std::uint32_t(image.width) * 3; pad < rowBytes; ++pad)
            out.push_back(0);
    }
    return out;
}

Bytes encodeIco(const std::vector<IconImage> &images)
{
    std::vector<Bytes> bodies;
    for (const IconImage &icon : images) {
        const int n = icon.size;
        const std::size_t pixels = std::size_t(n) * std::size_t(n);
        if (n <= 0 || icon.indices.size() != pixels || icon.transparent.size() != pixels)
            return {};
        const std::uint32_t xorRow
            = ((std::uint32_t(n) * std::uint32_t(icon.bitsPerPixel) + 31) / 32) * 4;
        const std::uint32_t andRow = ((std::uint32_t(n) + 31) / 32) * 4;
        Bytes body;
        // The stored height covers the colour bitmap and the mask stacked on each other.
        putBitmapInfoHeader(
            body, n, 2 * n, icon.bitsPerPixel, (xorRow + andRow) * std::uint32_t(n), 0);
        for (std::size_t i = 0; i < (std::size_t(1) << icon.bitsPerPixel); ++i) {
            const Colour8 c = i < icon.palette.size() ? icon.palette[i] : Colour8 { 0, 0, 0 };
            body.push_back(c[2]);
            body.push_back(c[1]);
            body.push_back(c[0]);
            body.push_back(0);
        }
        for (int y = n - 1; y >= 0; --y) {
            Bytes row(xorRow, 0);
            for (int x = 0; x < n; ++x) {
                const std::size_t i = std::size_t(y) * std::size_t(n) + std::size_t(x);
                // Transparent pixels are black in the colour bitmap so that the mask alone decides.
                const unsigned v = icon.transparent[i] ? 0 : icon.indices[i];
                const int bit = x * icon.bitsPerPixel;
                row[std::size_t(bit / 8)] |= std::uint8_t(v << (8 - icon.bitsPerPixel - bit % 8));
            }
            body.insert(body.end(), row.begin(), row.end());
        }
        for (int y = n - 1; y >= 0; --y) {
            Bytes row(andRow, 0);
            for (int x = 0; x < n; ++x)
                if (icon.transparent[std::size_t(y) * std::size_t(n) + std::size_t(x)])
                    row[std::size_t(x / 8)] |= std::uint8_t(0x80 >> (x % 8));
            body.insert(body.end(), row.begin(), row.end());
        }
        bodies.push_back(std::move(body));
    }

    Bytes out;
    put16(out, 0);
    put16(out, 1); // icon, not cursor
    put16(out, unsigned(images.size()));
    std::uint32_t offset = 6 + 16 * std::uint32_t(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.push_back(std::uint8_t(images[i].size));
        out.push_back(std::uint8_t(images[i].size));
        out.push_back(std::uint8_t(1u << images[i].bitsPerPixel));
        out.push_back(0);
        put16(out, 1);
        put16(out, unsigned(images[i].bitsPerPixel));
        put32(out, std::uint32_t(bodies[i].size()));
        put32(out, offset);
        offset += std::uint32_t(bodies[i].size());
    }
    for (const Bytes &body : bodies)
        out.insert(out.end(), body.begin(), body.end());
    return out;
}

} // namespace artgen
