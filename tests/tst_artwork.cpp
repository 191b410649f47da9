// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers

// The embedded pictures and the icon, read back through the resource system: each
// must carry its stored format in its own header bytes and decode at run time, which
// also proves that the JPEG, GIF and ICO image plugins are there.

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

unsigned le16(const QByteArray &d, qsizetype at)
{
    return quint8(d.at(at)) | quint8(d.at(at + 1)) << 8;
}

quint32 le32(const QByteArray &d, qsizetype at)
{
    return le16(d, at) | quint32(le16(d, at + 2)) << 16;
}

unsigned be16(const QByteArray &d, qsizetype at)
{
    return quint8(d.at(at)) << 8 | quint8(d.at(at + 1));
}

struct Segment
{
    quint8 marker;
    qsizetype payload; // offset of the bytes after the length field
    unsigned length; // payload length, without the length field itself
};

// The marker segments of a JPEG file up to its first scan, in file order.
std::optional<QList<Segment>> jpegSegments(const QByteArray &d)
{
    QList<Segment> segments;
    qsizetype at = 2;
    while (at + 4 <= d.size()) {
        if (quint8(d.at(at)) != 0xFF)
            return std::nullopt;
        const quint8 marker = quint8(d.at(at + 1));
        const unsigned length = be16(d, at + 2);
        if (length < 2 || at + 2 + qsizetype(length) > d.size())
            return std::nullopt;
        segments.append({ marker, at + 4, length - 2 });
        if (marker == 0xDA)
            return segments;
        at += 2 + qsizetype(length);
    }
    return std::nullopt;
}

QByteArray readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

class tst_Artwork : public QObject
{
    Q_OBJECT

private slots:
    void picturesHaveTheirStoredFormat_data();
    void picturesHaveTheirStoredFormat();
    void everyEmbeddedPictureDecodes_data();
    void everyEmbeddedPictureDecodes();
    void aboutPictureIsBaselineJfifWithoutSubsampling();
    void iconHoldsThreeImages_data();
    void iconHoldsThreeImages();
};

void tst_Artwork::picturesHaveTheirStoredFormat_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("Mercury is a 170 by 170 JPEG")
        << u":/pictures/mercury.jpg"_s << "jpeg"_ba << 170 << 170;
    QTest::newRow("Venus is a 148 by 159 JPEG")
        << u":/pictures/venus.jpg"_s << "jpeg"_ba << 148 << 159;
    QTest::newRow("Earth is a 170 by 170 JPEG")
        << u":/pictures/earth.jpg"_s << "jpeg"_ba << 170 << 170;
    QTest::newRow("Mars is a 198 by 150 bitmap")
        << u":/pictures/mars.bmp"_s << "bmp"_ba << 198 << 150;
    QTest::newRow("Jupiter is a 150 by 150 GIF87a")
        << u":/pictures/jupiter.gif"_s << "gif"_ba << 150 << 150;
    QTest::newRow("Saturn is a 170 by 129 JPEG")
        << u":/pictures/saturn.jpg"_s << "jpeg"_ba << 170 << 129;
    QTest::newRow("Uranus is a 150 by 150 JPEG")
        << u":/pictures/uranus.jpg"_s << "jpeg"_ba << 150 << 150;
    QTest::newRow("Neptune is a 150 by 150 GIF87a")
        << u":/pictures/neptune.gif"_s << "gif"_ba << 150 << 150;
    QTest::newRow("Pluto is a 150 by 112 GIF87a")
        << u":/pictures/pluto.gif"_s << "gif"_ba << 150 << 112;
    QTest::newRow("the About picture is a 180 by 217 JPEG")
        << u":/pictures/author.jpg"_s << "jpeg"_ba << 180 << 217;
}

void tst_Artwork::picturesHaveTheirStoredFormat()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, format);
    QFETCH(int, width);
    QFETCH(int, height);

    const QByteArray d = readResource(path);
    QVERIFY2(d.size() > 32, qPrintable(path));

    if (format == "jpeg") {
        QVERIFY(d.startsWith("\xFF\xD8\xFF"));
        const auto segments = jpegSegments(d);
        QVERIFY(segments);
        const auto frame = std::find_if(segments->cbegin(), segments->cend(), [](const Segment &s) {
            return s.marker >= 0xC0 && s.marker <= 0xCF && s.marker != 0xC4 && s.marker != 0xC8
                && s.marker != 0xCC;
        });
        QVERIFY(frame != segments->cend());
        QCOMPARE(frame->marker, quint8(0xC0)); // baseline
        QCOMPARE(quint8(d.at(frame->payload)), quint8(8));
        QCOMPARE(int(be16(d, frame->payload + 1)), height);
        QCOMPARE(int(be16(d, frame->payload + 3)), width);
        QCOMPARE(quint8(d.at(frame->payload + 5)), quint8(3));
    } else if (format == "bmp") {
        QVERIFY(d.startsWith("BM"));
        QCOMPARE(le32(d, 2), quint32(d.size()));
        QCOMPARE(le32(d, 14), 40u);
        QCOMPARE(int(le32(d, 18)), width);
        QCOMPARE(int(le32(d, 22)), height);
        QCOMPARE(le16(d, 28), 24u);
        QCOMPARE(le32(d, 30), 0u); // uncompressed
    } else {
        QVERIFY(d.startsWith("GIF87a"));
        QCOMPARE(int(le16(d, 6)), width);
        QCOMPARE(int(le16(d, 8)), height);
        QCOMPARE(d.back(), ';');
    }
}

void tst_Artwork::everyEmbeddedPictureDecodes_data()
{
    QTest::addColumn<QString>("path");
    QStringList paths;
    for (const QString &root : { u":/pictures"_s, u":/icons"_s }) {
        QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            paths.append(it.next());
    }
    paths.sort();
    // The tag leaves out the ":/", which would read as a test function's name on the command line.
    for (const QString &path : paths)
        QTest::addRow("%s decodes", qPrintable(path.mid(2))) << path;
}

void tst_Artwork::everyEmbeddedPictureDecodes()
{
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
    // Read without a hint, so the format comes from the bytes, not from the name.
    QImageReader reader(&file);
    const QString suffix = QFileInfo(path).suffix();
    const QByteArray namedFormat = suffix == u"jpg"_s ? "jpeg"_ba : suffix.toLatin1();
    QCOMPARE(reader.format(), namedFormat);
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
}

void tst_Artwork::aboutPictureIsBaselineJfifWithoutSubsampling()
{
    const QByteArray d = readResource(u":/pictures/author.jpg"_s);
    QCOMPARE(d.size(), 41707);
    const auto segments = jpegSegments(d);
    QVERIFY(segments);

    const Segment &app0 = segments->at(0);
    QCOMPARE(app0.marker, quint8(0xE0));
    QCOMPARE(d.mid(app0.payload, 5), "JFIF\0"_ba);
    QCOMPARE(quint8(d.at(app0.payload + 5)), quint8(1));
    QCOMPARE(quint8(d.at(app0.payload + 6)), quint8(2));
    QCOMPARE(quint8(d.at(app0.payload + 7)), quint8(1)); // dots per inch
    QCOMPARE(be16(d, app0.payload + 8), 150u);
    QCOMPARE(be16(d, app0.payload + 10), 150u);

    int frames = 0;
    for (const Segment &s : *segments) {
        // Progressive, lossless or arithmetic frames would not be baseline.
        QVERIFY2(s.marker < 0xC1 || s.marker > 0xCF || s.marker == 0xC4 || s.marker == 0xCC,
            qPrintable(QString::number(s.marker, 16)));
        if (s.marker != 0xC0)
            continue;
        ++frames;
        QCOMPARE(s.length, 6u + 3 * 3);
        QCOMPARE(quint8(d.at(s.payload + 5)), quint8(3));
        for (int c = 0; c < 3; ++c)
            QCOMPARE(quint8(d.at(s.payload + 6 + 3 * c + 1)), quint8(0x11));
    }
    QCOMPARE(frames, 1);
}

void tst_Artwork::iconHoldsThreeImages_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("colours");
    QTest::addColumn<int>("bitsPerPixel");
    QTest::newRow("first image: 32 pixels in 2 colours") << 0 << 32 << 2 << 1;
    QTest::newRow("second image: 32 pixels in 16 colours") << 1 << 32 << 16 << 4;
    QTest::newRow("third image: 16 pixels in 16 colours") << 2 << 16 << 16 << 4;
}

void tst_Artwork::iconHoldsThreeImages()
{
    QFETCH(int, entry);
    QFETCH(int, size);
    QFETCH(int, colours);
    QFETCH(int, bitsPerPixel);

    const QByteArray d = readResource(u":/icons/sivane.ico"_s);
    QVERIFY(d.size() > 6 + 3 * 16);
    QCOMPARE(le16(d, 0), 0u);
    QCOMPARE(le16(d, 2), 1u); // icon, not cursor
    QCOMPARE(le16(d, 4), 3u);

    const qsizetype dir = 6 + 16 * entry;
    QCOMPARE(int(quint8(d.at(dir))), size);
    QCOMPARE(int(quint8(d.at(dir + 1))), size);
    QCOMPARE(int(quint8(d.at(dir + 2))), colours);
    QCOMPARE(int(le16(d, dir + 6)), bitsPerPixel);
    const quint32 bytes = le32(d, dir + 8);
    const quint32 offset = le32(d, dir + 12);
    QVERIFY(offset + bytes <= quint32(d.size()));

    // The bitmap is stored with its AND mask below it, hence twice the height.
    QCOMPARE(le32(d, offset), 40u);
    QCOMPARE(int(le32(d, offset + 4)), size);
    QCOMPARE(int(le32(d, offset + 8)), 2 * size);
    QCOMPARE(int(le16(d, offset + 14)), bitsPerPixel);
    const quint32 colourRow = (quint32(size * bitsPerPixel) + 31) / 32 * 4;
    const quint32 maskRow = (quint32(size) + 31) / 32 * 4;
    QCOMPARE(bytes, 40 + 4 * quint32(colours) + (colourRow + maskRow) * quint32(size));

    QImageReader reader(u":/icons/sivane.ico"_s);
    QCOMPARE(reader.format(), "ico"_ba);
    QCOMPARE(reader.imageCount(), 3);
    QVERIFY(reader.jumpToImage(entry));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), QSize(size, size));
    // The mask must leave the corners see-through and the middle solid.
    QVERIFY(image.hasAlphaChannel());
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
}

QTEST_MAIN(tst_Artwork)
#include "tst_artwork.moc"
