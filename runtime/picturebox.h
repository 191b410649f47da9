// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include <QFrame>
#include <QPixmap>

namespace runtime {

// A picture control: its stored picture is drawn stretched to fill exactly the inside of
// its border, each direction scaled on its own, and a mouse click on it is reported.
// It never takes the keyboard focus.
class PictureBox : public QFrame
{
    Q_OBJECT
    Q_PROPERTY(QPixmap pixmap READ pixmap WRITE setPixmap)

public:
    explicit PictureBox(QWidget *parent = nullptr);

    QPixmap pixmap() const { return m_pixmap; }
    void setPixmap(const QPixmap &pixmap);

    // Does what a click with the mouse does; used by assistive technology.
    void click();

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_pixmap;
    bool m_pressed = false;
};

} // namespace runtime
