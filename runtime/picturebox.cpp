// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/picturebox.h"

#include "runtime/background.h"

#include <QGuiApplication>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>

#include <memory>

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
    m_decoding = {};
    update();
}

void PictureBox::setPicture(const QString &file)
{
    m_pixmap = {};
    m_picture = file;
    m_shown = {};
    m_decoding = {};
    if (isVisible())
        decodeAhead();
    update();
}

void PictureBox::decodeAhead()
{
    if (m_picture.isEmpty() || m_decoding.valid())
        return;
    // A window not on a screen yet has its pixel ratio guessed from the application's; the
    // paint checks the guess.
    startDecoding(drawnSize(isVisible() ? devicePixelRatioF() : qGuiApp->devicePixelRatio()));
}

void PictureBox::click()
{
    emit clicked();
}

QSize PictureBox::drawnSize(qreal pixelRatio) const
{
    return (QSizeF(contentsRect().size()) * pixelRatio).toSize();
}

void PictureBox::startDecoding(const QSize &size)
{
    if (m_picture.isEmpty() || size.isEmpty())
        return;
    auto promise = std::make_shared<std::promise<QImage>>();
    m_decoding = promise->get_future().share();
    m_decodingSize = size;
    runInBackground(
        [promise, file = m_picture, size] { promise->set_value(decodePicture(file, size)); });
}

QPixmap PictureBox::shownPicture()
{
    const qreal pixelRatio = devicePixelRatioF();
    const QSize size = drawnSize(pixelRatio);
    if (size.isEmpty())
        return {};
    if (m_shown.size() != size) {
        if (!m_decoding.valid() || m_decodingSize != size)
            startDecoding(size);
        m_shown = QPixmap::fromImage(m_decoding.get());
        m_shown.setDevicePixelRatio(pixelRatio);
        m_decoding = {};
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
