// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/fonts.h"

#include <QApplication>
#include <QDirIterator>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QRawFont>
#include <QResource>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray bundled(const QString &file)
{
    const QResource resource(file);
    return resource.uncompressedData();
}

} // namespace

// The runtime's own reading of the bundled faces, and which of them it registers when.
// Nothing here calls runtime::initialise: each test registers what it needs itself.
class tst_Fonts : public QObject
{
    Q_OBJECT

private slots:
    void facesReadAsQtReadsThem_data();
    void facesReadAsQtReadsThem();
    void onlyTheFacesAFontNeedsAreRegistered_data();
    void onlyTheFacesAFontNeedsAreRegistered();
    void widgetFontsTakeTheirStandInFamily();
    void circularSubstitutionsEnd();
};

void tst_Fonts::facesReadAsQtReadsThem_data()
{
    QTest::addColumn<QString>("file");
    int count = 0;
    for (QDirIterator it(u":/fonts"_s, QDir::Files); it.hasNext();) {
        const QString file = it.next();
        if (file.endsWith(u".ttf") || file.endsWith(u".otf")) {
            QTest::newRow(qPrintable(file)) << file;
            ++count;
        }
    }
    QVERIFY2(count > 0, "no bundled faces under :/fonts");
}

void tst_Fonts::facesReadAsQtReadsThem()
{
    QFETCH(QString, file);
    const QByteArray data = bundled(file);
    const runtime::FaceStyle style = runtime::readFaceStyle(data);
    const QRawFont raw(data, 12);
    QVERIFY(raw.isValid());
    QVERIFY2(style.families.contains(raw.familyName(), Qt::CaseInsensitive),
        qPrintable(style.families.join(u", ") + u" lacks "_s + raw.familyName()));
    // The four-style model: "Black Italic" is the italic of its own family, not a bold.
    QCOMPARE(style.bold, raw.styleName().contains(u"Bold"));
    QCOMPARE(style.italic, raw.style() != QFont::StyleNormal);
}

void tst_Fonts::onlyTheFacesAFontNeedsAreRegistered_data()
{
    QTest::addColumn<QString>("family");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<int>("registered");
    QTest::addColumn<QStringList>("styles"); // of the family afterwards

    // The rows run in order and the registrations add up.
    // clang-format off
    QTest::newRow("bold of a family: the bold face only")
        << u"PT Sans"_s << true << false << 1 << QStringList{ u"Bold"_s };
    QTest::newRow("regular of the same family: one more")
        << u"PT Sans"_s << false << false << 1 << QStringList{ u"Bold"_s, u"Regular"_s };
    QTest::newRow("again: nothing more")
        << u"PT Sans"_s << false << false << 0 << QStringList{ u"Bold"_s, u"Regular"_s };
    QTest::newRow("substituted name: the face standing in")
        << u"Arial"_s << true << true << 1 << QStringList{ u"Bold Italic"_s };
    QTest::newRow("style the family lacks: all its faces")
        << u"Bitstream Vera Sans"_s << false << false << 1 << QStringList{ u"Bold Oblique"_s };
    QTest::newRow("family not bundled") << u"No Such Family"_s << false << false << 0
                                        << QStringList{};
    // clang-format on
}

void tst_Fonts::onlyTheFacesAFontNeedsAreRegistered()
{
    QFETCH(QString, family);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(int, registered);
    QFETCH(QStringList, styles);
    QFont::insertSubstitution(u"Arial"_s, u"Liberation Sans"_s);

    QFont font(family);
    font.setBold(bold);
    font.setItalic(italic);
    QCOMPARE(runtime::loadFacesFor(font), registered);
    QStringList found = QFontDatabase::styles(QFont::substitute(family));
    found.sort();
    QCOMPARE(found, styles);
}

void tst_Fonts::widgetFontsTakeTheirStandInFamily()
{
    QFont::insertSubstitution(u"MS Sans Serif"_s, u"PT Sans"_s);
    QFont::insertSubstitution(u"Arial"_s, u"Liberation Sans"_s);
    QFont defaultFont(u"MS Sans Serif"_s);
    defaultFont.setPointSizeF(8.25);
    runtime::installFonts(*qApp, defaultFont);
    QCOMPARE(QApplication::font().family(), u"PT Sans"_s);
    QCOMPARE(QApplication::font().pointSizeF(), 8.25);

    QWidget window;
    window.setFont(QFont(u"MS Sans Serif"_s));
    auto *label = new QLabel(u"Planet Name :"_s, &window);
    QFont arial(u"Arial"_s);
    arial.setBold(true);
    label->setFont(arial);
    auto *plain = new QLabel(u"Mass (kg)"_s, &window);

    QCOMPARE(window.font().family(), u"PT Sans"_s);
    QCOMPARE(label->font().family(), u"Liberation Sans"_s);
    QVERIFY(label->font().bold());
    QCOMPARE(plain->font().family(), u"PT Sans"_s);
    // The faces are there before any text is measured in them.
    QCOMPARE(QFontInfo(label->font()).family(), u"Liberation Sans"_s);
    QCOMPARE(QFontInfo(label->font()).styleName(), u"Bold"_s);
    QCOMPARE(QFontInfo(plain->font()).family(), u"PT Sans"_s);
}

void tst_Fonts::circularSubstitutionsEnd()
{
    runtime::installFonts(*qApp, QApplication::font());
    QFont::insertSubstitution(u"Loop One"_s, u"Loop Two"_s);
    QFont::insertSubstitution(u"Loop Two"_s, u"Loop One"_s);
    QLabel label;
    label.setFont(QFont(u"Loop One"_s));
    QCOMPARE(label.font().family().toLower(), u"loop two"_s);
}

QTEST_MAIN(tst_Fonts)
#include "tst_fonts.moc"
