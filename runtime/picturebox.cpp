// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/picturebox.h"

#include <QMouseEvent>
#include <QPainter>

namespace runtime {

PictureBox::PictureBox(QWidget *parent) : QFrame(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

void PictureBox::setPixmap(const QPixmap &pixmap)
{
    m_pixmap = pixmap;
    update();
}

void PictureBox::click()
{
    emit clicked();
}

void PictureBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (m_pixmap.isNull())
        return;
    QPainter painter(this);
    // Smooth scaling from the picture's own pixels keeps it clean at any screen scale.
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(contentsRect(), m_pixmap);
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
    if (wasPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace runtime
