// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/picturebox.h"

#include "runtime/runtime.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace runtime {

QImage decodePicture(const QString &file, const QSize &size)
{
    QImageReader reader(file);
    reader.setScaledSize(size);
    QImage image = reader.read();
    // A decoder that cannot scale leaves it to the reader, which scales smoothly; this is
    // only a guard for one that would give another size.
    if (!image.isNull() && image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

void PictureBox::setPicture(const QString &file)
{
    // Only the header is read here; the picture itself is decoded when it is drawn.
    const bool embedded = QImageReader(file).canRead();
    Q_ASSERT(embedded);
    if (!embedded) {
        fatal(QStringLiteral("The picture %1 is not in the program").arg(file));
        return;
    }
    m_picture = file;
    m_shown = {};
    update();
}

void PictureBox::click()
{
    emit clicked();
}

QPixmap PictureBox::shownPicture(const QSize &size)
{
    if (size.isEmpty())
        return {};
    if (m_shown.size() != size)
        m_shown = QPixmap::fromImage(decodePicture(m_picture, size));
    return m_shown;
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // The border and the picture are placed on whole device pixels. At a fractional scale the
    // box's edges fall inside device pixels, and each Qt version rounds a one-pixel line there
    // its own way (two device pixels, or one beside a row of the window's background). Boxes
    // side by side share each rounded edge, so none overlaps or leaves a gap.
    const QRectF exact = painter.deviceTransform().mapRect(QRectF(rect()));
    const QRect device(QPoint(qRound(exact.left()), qRound(exact.top())),
        QPoint(qRound(exact.right()) - 1, qRound(exact.bottom()) - 1));
    painter.setWorldTransform(painter.deviceTransform().inverted());
    const int line = std::max(1, qRound(devicePixelRatioF()));
    const QRect inside = device.adjusted(line, line, -line, -line);
    const QColor border = palette().color(QPalette::WindowText);
    painter.fillRect(device.left(), device.top(), device.width(), line, border);
    painter.fillRect(device.left(), inside.bottom() + 1, device.width(), line, border);
    painter.fillRect(device.left(), inside.top(), line, inside.height(), border);
    painter.fillRect(inside.right() + 1, inside.top(), line, inside.height(), border);

    if (!m_picture.isEmpty())
        painter.drawPixmap(inside.topLeft(), shownPicture(inside.size()));
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

// A click is a press and a release of the left button on the same picture.
void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    const bool wasPressed = m_pressed;
    m_pressed = false;
    event->accept();
    if (wasPressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace runtime
