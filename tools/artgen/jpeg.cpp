// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "encoders.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace artgen {

Bytes encodeJpeg(const Image &image, const JpegSettings &settings)
{
    jpeg_compress_struct cinfo {};
    jpeg_error_mgr jerr {};
    // The library's own error handler reports and exits, which is the right end for a generator.
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);

    cinfo.image_width = JDIMENSION(image.width);
    cinfo.image_height = JDIMENSION(image.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, settings.quality, TRUE);
    // The integer transform gives the same coefficients with or without SIMD;
    // the floating-point one does not.
    cinfo.dct_method = JDCT_ISLOW;
    cinfo.optimize_coding = FALSE;
    cinfo.write_JFIF_header = TRUE;
    cinfo.JFIF_major_version = 1;
    cinfo.JFIF_minor_version = 2;
    cinfo.density_unit = 1; // dots per inch
    cinfo.X_density = UINT16(settings.densityDpi);
    cinfo.Y_density = UINT16(settings.densityDpi);
    cinfo.write_Adobe_marker = FALSE;
    for (int i = 0; i < cinfo.num_components; ++i) {
        cinfo.comp_info[i].h_samp_factor = 1;
        cinfo.comp_info[i].v_samp_factor = 1;
    }

    jpeg_start_compress(&cinfo, TRUE);
    if (!settings.comment.empty())
        jpeg_write_marker(&cinfo, JPEG_COM,
            reinterpret_cast<const JOCTET *>(settings.comment.data()),
            unsigned(settings.comment.size()));
    std::vector<JSAMPLE> row(std::size_t(image.width) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        const std::uint8_t *src = image.pixel(0, int(cinfo.next_scanline));
        std::copy(src, src + row.size(), row.begin());
        JSAMPROW rows[1] = { row.data() };
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

Bytes encodeJpegOfSize(const Image &image, const JpegSettings &settings, std::size_t size)
{
    // A COM segment costs its marker and length (4 bytes) on top of the text.
    constexpr std::size_t segmentOverhead = 4;
    constexpr std::size_t maxText = 65533;
    for (int quality = 100; quality >= 10; --quality) {
        JpegSettings trial = settings;
        trial.quality = quality;
        trial.comment.clear();
        const std::size_t bare = encodeJpeg(image, trial).size();
        if (bare + segmentOverhead + settings.comment.size() > size)
            continue;
        const std::size_t textSize = size - bare - segmentOverhead;
        if (textSize > maxText)
            return {};
        // Padding with spaces keeps the comment readable text.
        trial.comment = settings.comment + std::string(textSize - settings.comment.size(), ' ');
        Bytes out = encodeJpeg(image, trial);
        return out.size() == size ? out : Bytes {};
    }
    return {};
}

} // namespace artgen
