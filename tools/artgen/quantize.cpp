// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "quantize.h"

#include <algorithm>

namespace artgen {

namespace {

struct Entry
{
    std::uint32_t key; // 0xRRGGBB
    std::uint32_t count;

    int channel(int axis) const { return int((key >> (16 - 8 * axis)) & 0xFF); }
};

struct Box
{
    std::size_t begin;
    std::size_t end;
    std::uint64_t pixels = 0;
    int axis = 0;
    int range = 0;
};

void measure(const std::vector<Entry> &entries, Box &box)
{
    int lo[3] = { 255, 255, 255 }, hi[3] = { 0, 0, 0 };
    box.pixels = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
        for (int a = 0; a < 3; ++a) {
            lo[a] = std::min(lo[a], entries[i].channel(a));
            hi[a] = std::max(hi[a], entries[i].channel(a));
        }
        box.pixels += entries[i].count;
    }
    box.axis = 0;
    box.range = hi[0] - lo[0];
    // Green first on a tie: the eye separates green steps best.
    for (int a : { 1, 0, 2 }) {
        if (hi[a] - lo[a] > box.range || (hi[a] - lo[a] == box.range && a == 1)) {
            box.axis = a;
            box.range = hi[a] - lo[a];
        }
    }
}

} // namespace

std::uint8_t nearestIndex(const std::vector<Colour8> &palette, Colour8 c)
{
    int best = 0;
    int bestDistance = 1 << 30;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const int dr = int(palette[i][0]) - c[0];
        const int dg = int(palette[i][1]) - c[1];
        const int db = int(palette[i][2]) - c[2];
        // Weighted towards green and red, roughly as the eye weighs them.
        const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = int(i);
        }
    }
    return std::uint8_t(best);
}

IndexedImage quantizeMedianCut(const Image &image, int maxColours)
{
    std::vector<std::uint32_t> keys;
    keys.reserve(image.rgb.size() / 3);
    for (std::size_t i = 0; i + 2 < image.rgb.size(); i += 3)
        keys.push_back(std::uint32_t(image.rgb[i]) << 16 | std::uint32_t(image.rgb[i + 1]) << 8
            | image.rgb[i + 2]);
    std::sort(keys.begin(), keys.end());
    std::vector<Entry> entries;
    for (std::uint32_t k : keys) {
        if (!entries.empty() && entries.back().key == k)
            ++entries.back().count;
        else
            entries.push_back({ k, 1 });
    }

    std::vector<Box> boxes { Box { 0, entries.size() } };
    measure(entries, boxes[0]);
    while (int(boxes.size()) < maxColours) {
        // Split the box that spreads the most pixels over the widest range.
        std::size_t pick = boxes.size();
        std::uint64_t bestScore = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2)
                continue;
            const std::uint64_t score = boxes[i].pixels * std::uint64_t(boxes[i].range + 1);
            if (pick == boxes.size() || score > bestScore) {
                pick = i;
                bestScore = score;
            }
        }
        if (pick == boxes.size())
            break;
        Box &box = boxes[pick];
        const int axis = box.axis;
        std::sort(entries.begin() + std::ptrdiff_t(box.begin),
            entries.begin() + std::ptrdiff_t(box.end), [axis](const Entry &a, const Entry &b) {
                const int ca = a.channel(axis), cb = b.channel(axis);
                return ca != cb ? ca < cb : a.key < b.key;
            });
        std::uint64_t seen = 0;
        std::size_t cut = box.begin + 1;
        for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
            seen += entries[i].count;
            cut = i + 1;
            if (2 * seen >= box.pixels)
                break;
        }
        Box upper { cut, box.end };
        box.end = cut;
        measure(entries, box);
        measure(entries, upper);
        boxes.push_back(upper);
    }

    IndexedImage out;
    for (const Box &box : boxes) {
        std::uint64_t sum[3] = { 0, 0, 0 };
        for (std::size_t i = box.begin; i < box.end; ++i)
            for (int a = 0; a < 3; ++a)
                sum[a] += std::uint64_t(entries[i].channel(a)) * entries[i].count;
        Colour8 c {};
        for (int a = 0; a < 3; ++a)
            c[std::size_t(a)] = std::uint8_t((sum[a] + box.pixels / 2) / box.pixels);
        out.palette.push_back(c);
    }
    std::sort(out.palette.begin(), out.palette.end(), [](const Colour8 &a, const Colour8 &b) {
        const int la = 3 * a[0] + 6 * a[1] + a[2], lb = 3 * b[0] + 6 * b[1] + b[2];
        return la != lb ? la < lb : a < b;
    });
    while (int(out.palette.size()) < maxColours)
        out.palette.push_back({ 0, 0, 0 });

    out.indices.reserve(keys.size());
    for (std::size_t i = 0; i + 2 < image.rgb.size(); i += 3)
        out.indices.push_back(
            nearestIndex(out.palette, { image.rgb[i], image.rgb[i + 1], image.rgb[i + 2] }));
    return out;
}

} // namespace artgen
