// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/picturebox.h"

#include <QApplication>
#include <QImageReader>
#include <QPainter>
#include <QTest>

using namespace Qt::StringLiterals;

// A picture named by its file: decoded at the size it is drawn in device pixels, so that
// it fills its box exactly and sharply at any screen scale. CTest runs this at 1x, 1.5x and
// 2x (QT_SCALE_FACTOR).
class tst_PictureBox : public QObject
{
    Q_OBJECT

private slots:
    void namedPictureFillsItsBox_data();
    void namedPictureFillsItsBox();
    void namedPictureKeepsItsOwnSize();
    void missingPictureLeavesTheBoxEmpty();
};

void tst_PictureBox::namedPictureFillsItsBox_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<bool>("sizedFirst");

    // clang-format off
    QTest::newRow("JPEG squeezed into a planet's box") << u":/pictures/mercury.jpg"_s << QSize(97, 57) << true;
    QTest::newRow("BMP") << u":/pictures/mars.bmp"_s << QSize(97, 57) << true;
    QTest::newRow("GIF") << u":/pictures/pluto.gif"_s << QSize(97, 57) << true;
    QTest::newRow("JPEG scaled in its DCT") << u":/pictures/author.jpg"_s << QSize(80, 96) << true;
    QTest::newRow("JPEG enlarged") << u":/pictures/uranus.jpg"_s << QSize(301, 203) << true;
    QTest::newRow("named before the box has its size") << u":/pictures/earth.jpg"_s << QSize(97, 57) << false;
    // clang-format on
}

void tst_PictureBox::namedPictureFillsItsBox()
{
    QFETCH(QString, file);
    QFETCH(QSize, box);
    QFETCH(bool, sizedFirst);

    runtime::PictureBox picture;
    if (sizedFirst) {
        picture.resize(box);
        picture.setPicture(file);
    } else {
        picture.setPicture(file);
        picture.resize(box);
    }
    const qreal ratio = picture.devicePixelRatioF();
    QImage drawn = picture.grab().toImage().convertToFormat(QImage::Format_RGB32);
    drawn.setDevicePixelRatio(1); // compared pixel for pixel
    QCOMPARE(drawn.size(), (QSizeF(box) * ratio).toSize());

    // A plain one-pixel border all round, in device pixels: the outermost row and column.
    const QRgb border = drawn.pixel(0, 0);
    for (int x = 0; x < drawn.width(); ++x) {
        QCOMPARE(drawn.pixel(x, 0), border);
        QCOMPARE(drawn.pixel(x, drawn.height() - 1), border);
    }
    for (int y = 0; y < drawn.height(); ++y) {
        QCOMPARE(drawn.pixel(0, y), border);
        QCOMPARE(drawn.pixel(drawn.width() - 1, y), border);
    }

    // Inside, the picture decoded at the drawn size in device pixels and drawn as it is.
    // The outermost device pixels, which a fractional ratio blends with the border, are left
    // out; at 1.5x the picture still has to be sharp.
    const QRect inside(1, 1, box.width() - 2, box.height() - 2);
    QPixmap decoded = QPixmap::fromImage(
        runtime::decodePicture(file, (QSizeF(inside.size()) * ratio).toSize()));
    QCOMPARE(decoded.size(), (QSizeF(inside.size()) * ratio).toSize());
    decoded.setDevicePixelRatio(ratio);
    QImage expected(drawn.size(), QImage::Format_RGB32);
    expected.setDevicePixelRatio(ratio);
    expected.fill(picture.palette().color(QPalette::Window));
    QPainter painter(&expected);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(inside, decoded);
    painter.end();
    expected.setDevicePixelRatio(1);
    const QRect compared = QRect(QPoint(0, 0), drawn.size()).adjusted(3, 3, -3, -3);
    QCOMPARE(drawn.copy(compared), expected.copy(compared));
}

void tst_PictureBox::namedPictureKeepsItsOwnSize()
{
    runtime::PictureBox picture;
    picture.resize(97, 57);
    picture.setPicture(u":/pictures/saturn.jpg"_s);
    QCOMPARE(picture.picture(), u":/pictures/saturn.jpg"_s);
    QCOMPARE(picture.pixmap().size(), QImageReader(u":/pictures/saturn.jpg"_s).size());
    // Given decoded, the picture replaces the named one.
    QPixmap red(4, 4);
    red.fill(Qt::red);
    picture.setPixmap(red);
    QVERIFY(picture.picture().isEmpty());
    QCOMPARE(picture.grab().toImage().pixelColor(QPoint(40, 30) * picture.devicePixelRatioF()),
        QColor(Qt::red));
}

void tst_PictureBox::missingPictureLeavesTheBoxEmpty()
{
    runtime::PictureBox picture;
    picture.resize(97, 57);
    picture.setPicture(u":/pictures/none.jpg"_s);
    const QImage drawn = picture.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint middle = QPoint(48, 28) * picture.devicePixelRatioF();
    QCOMPARE(drawn.pixel(middle), picture.palette().color(QPalette::Window).rgb());
    QVERIFY(picture.pixmap().isNull());
}

QTEST_MAIN(tst_PictureBox)
#include "tst_picturebox.moc"
