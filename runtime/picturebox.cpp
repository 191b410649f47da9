// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/picturebox.h"

#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

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

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

QPixmap PictureBox::pixmap() const
{
    if (m_pixmap.isNull() && !m_picture.isEmpty())
        return QPixmap(m_picture);
    return m_pixmap;
}

void PictureBox::setPixmap(const QPixmap &pixmap)
{
    m_pixmap = pixmap;
    m_picture.clear();
    m_shown = {};
    update();
}

void PictureBox::setPicture(const QString &file)
{
    m_pixmap = {};
    m_picture = file;
    m_shown = {};
    update();
}

void PictureBox::click()
{
    emit clicked();
}

QPixmap PictureBox::shownPicture()
{
    const qreal pixelRatio = devicePixelRatioF();
    const QSize size = (QSizeF(contentsRect().size()) * pixelRatio).toSize();
    if (size.isEmpty())
        return {};
    if (m_shown.size() != size) {
        m_shown = QPixmap::fromImage(decodePicture(m_picture, size));
        m_shown.setDevicePixelRatio(pixelRatio);
    }
    return m_shown;
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    const QPixmap shown = m_picture.isEmpty() ? m_pixmap : shownPicture();
    if (shown.isNull())
        return;
    QPainter painter(this);
    // Smooth scaling from the picture's own pixels keeps it clean at any screen scale; a
    // picture decoded at the drawn size is copied as it is.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(contentsRect(), shown);
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
