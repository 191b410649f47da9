// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "encoders.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>

namespace artgen {

Bytes encodePng(const RgbaImage &image)
{
    QImage qimage(image.width, image.height, QImage::Format_RGBA8888);
    for (int y = 0; y < image.height; ++y) {
        const std::uint8_t *src = image.pixel(0, y);
        std::copy(src, src + std::size_t(image.width) * 4, qimage.scanLine(y));
    }
    // 96 dots per inch, stated so that the pHYs chunk never depends on a default.
    qimage.setDotsPerMeterX(3780);
    qimage.setDotsPerMeterY(3780);

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    // Qt maps quality 0 to the strongest zlib level.
    writer.setQuality(0);
    if (!writer.write(qimage))
        return {};
    const QByteArray &data = buffer.data();
    return Bytes(data.begin(), data.end());
}

} // namespace artgen
