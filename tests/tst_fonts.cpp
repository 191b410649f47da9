// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/fonts.h"

#include <QLabel>
#include <QRawFont>
#include <QResource>
#include <QTest>

using namespace Qt::StringLiterals;

// Each design font is drawn with the bundled face that stands in for it, although the test's
// font configuration (tests/fonts.conf) offers faces of the very same family names.
class tst_Fonts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { runtime::installFonts(); }
    void designFontsDrawWithTheBundledFaces_data();
    void designFontsDrawWithTheBundledFaces();
};

void tst_Fonts::designFontsDrawWithTheBundledFaces_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QString>("file");

    // clang-format off
    QTest::newRow("the window font") << u"MS Sans Serif"_s << false << false << u":/fonts/PTSans-Regular.ttf"_s;
    QTest::newRow("the window font in bold") << u"MS Sans Serif"_s << true << false << u":/fonts/PTSans-Bold.ttf"_s;
    QTest::newRow("bold Arial") << u"Arial"_s << true << false << u":/fonts/LiberationSans-Bold.ttf"_s;
    QTest::newRow("bold italic Arial") << u"Arial"_s << true << true << u":/fonts/LiberationSans-BoldItalic.ttf"_s;
    QTest::newRow("italic Arial Black") << u"Arial Black"_s << false << true << u":/fonts/VeraBI.ttf"_s;
    QTest::newRow("bold italic Arial Black") << u"Arial Black"_s << true << true << u":/fonts/VeraBI.ttf"_s;
    // clang-format on
}

void tst_Fonts::designFontsDrawWithTheBundledFaces()
{
    QFETCH(QString, family);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(QString, file);

    QWidget window;
    auto *label = new QLabel(&window);
    QFont font(family, 10);
    font.setBold(bold);
    font.setItalic(italic);
    label->setFont(font);
    const QRawFont drawn = QRawFont::fromFont(label->font());
    const QRawFont bundled(QResource(file).uncompressedData(), 10);
    QVERIFY(bundled.isValid());
    // A face's header table holds its checksum and dates: it tells one file from another.
    QVERIFY2(drawn.fontTable("head") == bundled.fontTable("head"),
        qPrintable(drawn.familyName() + u' ' + drawn.styleName()));
}

QTEST_MAIN(tst_Fonts)
#include "tst_fonts.moc"
