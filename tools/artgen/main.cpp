// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers

// sivane-artgen <output-dir>: draws the program's pictures and icons and writes them
// under <output-dir> with the same relative paths as under resources/. The same
// program always writes the same bytes.

#include "artwork.h"
#include "encoders.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace {

using namespace artgen;

constexpr std::size_t aboutPictureBytes = 41707;

IconImage twoColourIcon(const RgbaImage &art)
{
    IconImage icon;
    icon.size = art.width;
    icon.bitsPerPixel = 1;
    icon.palette = { Colour8 { 0, 0, 0 }, Colour8 { 255, 255, 255 } };
    for (int y = 0; y < art.height; ++y) {
        for (int x = 0; x < art.width; ++x) {
            const std::uint8_t *p = art.pixel(x, y);
            const int luma = 3 * p[0] + 6 * p[1] + p[2];
            icon.transparent.push_back(p[3] < 128);
            icon.indices.push_back(luma > 10 * 128 ? 1 : 0);
        }
    }
    return icon;
}

IconImage sixteenColourIcon(const RgbaImage &art)
{
    // The palette is cut from the opaque pixels only; the mask covers the rest.
    std::vector<std::uint8_t> opaque;
    for (int y = 0; y < art.height; ++y)
        for (int x = 0; x < art.width; ++x)
            if (art.pixel(x, y)[3] >= 128)
                opaque.insert(opaque.end(), art.pixel(x, y), art.pixel(x, y) + 3);
    Image strip(int(opaque.size() / 3), 1);
    strip.rgb = opaque;
    const IndexedImage indexed = quantize(strip, 16);
    IconImage icon;
    if (indexed.indices.size() != strip.rgb.size() / 3)
        return icon; // the icon writer refuses an image without pixels
    icon.size = art.width;
    icon.bitsPerPixel = 4;
    icon.palette = indexed.palette;
    std::size_t next = 0;
    for (int y = 0; y < art.height; ++y) {
        for (int x = 0; x < art.width; ++x) {
            const bool transparent = art.pixel(x, y)[3] < 128;
            icon.transparent.push_back(transparent);
            icon.indices.push_back(transparent ? 0 : indexed.indices[next++]);
        }
    }
    return icon;
}

bool writeFile(const std::filesystem::path &path, const Bytes &bytes)
{
    if (bytes.empty()) {
        std::fprintf(stderr, "sivane-artgen: could not encode %s\n", path.string().c_str());
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "sivane-artgen: could not write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

JpegSettings planetJpeg()
{
    JpegSettings settings;
    settings.quality = 92;
    settings.densityDpi = 96;
    return settings;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: sivane-artgen <output-dir>\n");
        return 2;
    }
    const std::filesystem::path root = argv[1];
    // Fail before drawing anything if there is nowhere to put the result.
    std::error_code error;
    std::filesystem::create_directories(root, error);
    if (!std::filesystem::is_directory(root, error)) {
        std::fprintf(stderr, "sivane-artgen: could not write into %s\n", root.string().c_str());
        return 1;
    }

    struct Output
    {
        const char *path;
        std::function<Bytes()> make;
    };
    const std::vector<Output> outputs = {
        { "pictures/mercury.jpg", [] { return encodeJpeg(renderMercury(), planetJpeg()); } },
        { "pictures/venus.jpg", [] { return encodeJpeg(renderVenus(), planetJpeg()); } },
        { "pictures/earth.jpg", [] { return encodeJpeg(renderEarth(), planetJpeg()); } },
        { "pictures/mars.bmp", [] { return encodeBmp24(renderMars()); } },
        { "pictures/jupiter.gif", [] { return encodeGif87a(renderJupiter()); } },
        { "pictures/saturn.jpg", [] { return encodeJpeg(renderSaturn(), planetJpeg()); } },
        { "pictures/uranus.jpg", [] { return encodeJpeg(renderUranus(), planetJpeg()); } },
        { "pictures/neptune.gif", [] { return encodeGif87a(renderNeptune()); } },
        { "pictures/pluto.gif", [] { return encodeGif87a(renderPluto()); } },
        { "pictures/author.jpg",
            [] {
                JpegSettings settings;
                settings.densityDpi = 150;
                settings.comment = "Sivane About picture, drawn by sivane-artgen.";
                // The stored picture has a fixed length; the comment pads it out.
                return encodeJpegOfSize(renderEmblem(), settings, aboutPictureBytes);
            } },
        { "icons/sivane.ico",
            [] {
                return encodeIco({ twoColourIcon(renderIcon(32, true)),
                    sixteenColourIcon(renderIcon(32)), sixteenColourIcon(renderIcon(16)) });
            } },
    };

    bool ok = true;
    for (const Output &output : outputs)
        ok = writeFile(root / output.path, output.make()) && ok;
    for (int size : { 16, 32, 48, 64, 128, 256 }) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        ok = writeFile(root / "icons/hicolor" / name / "apps/org.sivane.Sivane.png",
                 encodePng(renderIcon(size)))
            && ok;
    }
    return ok ? 0 : 1;
}
