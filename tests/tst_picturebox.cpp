// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/picturebox.h"
#include "testsupport.h"

#include <QApplication>
#include <QMap>
#include <QTest>

using namespace Qt::StringLiterals;

// A picture named by its file: decoded at the size it is drawn in device pixels, so that
// it fills its box exactly and sharply at any screen scale. CTest runs this at 1x, 1.25x, 1.5x
// and 2x (QT_SCALE_FACTOR).
class tst_PictureBox : public QObject
{
    Q_OBJECT

private slots:
    void namedPictureFillsItsBox_data();
    void namedPictureFillsItsBox();
    void missingPictureIsFatal();
};

void tst_PictureBox::namedPictureFillsItsBox_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("box");
    QTest::addColumn<bool>("sizedFirst");

    // clang-format off
    QTest::newRow("JPEG squeezed into a planet's box") << u":/pictures/mercury.jpg"_s << QSize(97, 57) << true;
    QTest::newRow("BMP squeezed into a planet's box") << u":/pictures/mars.bmp"_s << QSize(97, 57) << true;
    QTest::newRow("GIF squeezed into a planet's box") << u":/pictures/pluto.gif"_s << QSize(97, 57) << true;
    QTest::newRow("JPEG scaled in its DCT") << u":/pictures/author.jpg"_s << QSize(80, 96) << true;
    QTest::newRow("JPEG enlarged beyond its size") << u":/pictures/uranus.jpg"_s << QSize(301, 203) << true;
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

    // A plain border of a whole number of device pixels all round, the same on every side,
    // and inside it the picture decoded at exactly the inside's size in device pixels and
    // copied as it is: sharp, and never blended with the border, at any ratio.
    // The border's width in device pixels at each scale CTest runs.
    const QMap<qreal, int> borderWidths { { 1.0, 1 }, { 1.25, 1 }, { 1.5, 2 }, { 2.0, 2 } };
    QVERIFY2(borderWidths.contains(ratio), qPrintable(QString::number(ratio)));
    const int line = borderWidths[ratio];
    const QRgb border = picture.palette().color(QPalette::WindowText).rgb();
    const QRect inside = drawn.rect().adjusted(line, line, -line, -line);
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (!inside.contains(x, y) && drawn.pixel(x, y) != border)
                QFAIL(qPrintable(u"the border is missing at %1, %2"_s.arg(x).arg(y)));
        }
    }
    const QImage expected
        = runtime::decodePicture(file, inside.size()).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(drawn.copy(inside), expected);
}

// Every picture is embedded in the program, so a missing one is a broken build.
void tst_PictureBox::missingPictureIsFatal()
{
#ifndef QT_NO_DEBUG
    QSKIP("a debug build asserts instead");
#endif
    const RuntimeRecorder recorder;
    runtime::PictureBox picture;
    picture.setPicture(u":/pictures/none.jpg"_s);
    QCOMPARE(recorder.exitCodes, QList<int> { 1 });
    QCOMPARE(recorder.boxes.size(), 1);
    QVERIFY(recorder.boxes[0].prompt.contains(u":/pictures/none.jpg"_s));
}

QTEST_MAIN(tst_PictureBox)
#include "tst_picturebox.moc"
