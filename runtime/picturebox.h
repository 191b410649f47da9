// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include <QFrame>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace runtime {

// Decodes the picture in `file` at `size` device pixels, stretched in each direction on its
// own; formats whose decoder can scale while decoding (JPEG, in its DCT) do so.
QImage decodePicture(const QString &file, const QSize &size);

// A picture control: the embedded picture its window description names is drawn stretched
// to fill exactly the inside of its border, each direction scaled on its own, and a mouse
// click on it is reported. It never takes the keyboard focus.
//
// The picture is decoded when it is first drawn, at the size it is drawn in the device pixels
// of the screen, so that it is sharp at any scale and costs nothing before it shows.
class PictureBox : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QString picture READ picture WRITE setPicture)

public:
    using QFrame::QFrame;

    QString picture() const { return m_picture; }
    // A picture that is not embedded in the program is a broken build: it is asserted, and
    // reported through fatal() in every build.
    void setPicture(const QString &file);

    // Does what a click with the mouse does; used by assistive technology.
    void click();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // The picture decoded at `size` device pixels, kept until the size changes.
    QPixmap shownPicture(const QSize &size);

    QString m_picture;
    QPixmap m_shown;
    bool m_pressed = false;
};

} // namespace runtime
