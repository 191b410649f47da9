// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "catalogue/catalogue.h"

#include <QTest>

#include <stdexcept>

using namespace Qt::StringLiterals;

class tst_Catalogue : public QObject
{
    Q_OBJECT

private slots:
    void recordsOutsideOneToNineAreRejected_data();
    void recordsOutsideOneToNineAreRejected();
    void trickyTextsAreKeptExactly_data();
    void trickyTextsAreKeptExactly();
    void discoveryLinesOnlyForTheLastThree();
    void everyRecordHasARotationPeriod();
    void captionsAreInFactOrder_data();
    void captionsAreInFactOrder();
};

void tst_Catalogue::recordsOutsideOneToNineAreRejected_data()
{
    QTest::addColumn<int>("record");
    QTest::newRow("zero") << 0;
    QTest::newRow("ten") << 10;
    QTest::newRow("negative") << -1;
}

void tst_Catalogue::recordsOutsideOneToNineAreRejected()
{
    QFETCH(int, record);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, catalogue::planet(record));
}

void tst_Catalogue::trickyTextsAreKeptExactly_data()
{
    QTest::addColumn<int>("record");
    QTest::addColumn<int>("fact");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Earth mass relative to Earth") << 3 << 2 << u"1.0000e+00"_s;
    QTest::newRow("Earth radius relative to Earth") << 3 << 4 << u"1.0000e+00"_s;
    QTest::newRow("Earth inclination keeps its zeros") << 3 << 14 << u"0.000"_s;
    QTest::newRow("Venus mass: leading point, trailing blank") << 2 << 2 << u".81476 "_s;
    QTest::newRow("Venus magnitude: trailing blank") << 2 << 18 << u"-4.4 "_s;
    QTest::newRow("Mercury magnitude: trailing blank") << 1 << 18 << u"-1.9 "_s;
    QTest::newRow("Mercury minimum temperature with degree sign") << 1 << 19 << u"-173\u00b0C"_s;
    QTest::newRow("Neptune mean temperature is a range") << 8 << 20 << u"-193 to -153\u00b0C"_s;
    QTest::newRow("Neptune pressure is a range") << 8 << 22 << u"1-3"_s;
    QTest::newRow("Saturn distance keeps its separators") << 6 << 6 << u"1,429,400,000"_s;
    QTest::newRow("Jupiter mass in exponent form") << 5 << 1 << u"1.900e+27"_s;
    QTest::newRow("Venus rotation is negative") << 2 << 9 << u"-243.0187"_s;
    QTest::newRow("Uranus rotation is negative") << 7 << 8 << u"-17.9"_s;
    QTest::newRow("Pluto rotation is negative") << 9 << 9 << u"-6.3872"_s;
    QTest::newRow("Pluto has no pressure") << 9 << 22 << u"-"_s;
    QTest::newRow("Earth has no magnitude") << 3 << 18 << u"-"_s;
}

void tst_Catalogue::trickyTextsAreKeptExactly()
{
    QFETCH(int, record);
    QFETCH(int, fact);
    QFETCH(QString, expected);
    QCOMPARE(catalogue::planet(record).facts[fact - 1].toString(), expected);
}

void tst_Catalogue::discoveryLinesOnlyForTheLastThree()
{
    for (int record = 1; record <= 6; ++record) {
        QVERIFY(catalogue::planet(record).discoverer.isEmpty());
        QVERIFY(catalogue::planet(record).discoveryDate.isEmpty());
    }
    QCOMPARE(catalogue::planet(7).discoverer.toString(), u"Discovered by William Herschel"_s);
    QCOMPARE(catalogue::planet(8).discoverer.toString(), u"Discovered by Johann Gottfried Galle"_s);
    QCOMPARE(catalogue::planet(9).discoverer.toString(), u"Discovered by Clyde W. Tombaugh"_s);
    QCOMPARE(catalogue::planet(7).discoveryDate.toString(), u"Date of discovery 1781"_s);
    QCOMPARE(catalogue::planet(8).discoveryDate.toString(),
             u"Date of discovery September 23, 1846"_s);
    QCOMPARE(catalogue::planet(9).discoveryDate.toString(),
             u"Date of discovery February 18, 1930"_s);
}

// Each record fills the rotation period in hours, in days, or both.
void tst_Catalogue::everyRecordHasARotationPeriod()
{
    for (int record = 1; record <= catalogue::planetCount; ++record) {
        const auto &facts = catalogue::planet(record).facts;
        QVERIFY2(facts[7] != u"-" || facts[8] != u"-", qPrintable(QString::number(record)));
        for (QStringView fact : facts)
            QVERIFY2(!fact.isEmpty(), "a missing value is \"-\", never empty");
    }
}

void tst_Catalogue::captionsAreInFactOrder_data()
{
    QTest::addColumn<int>("fact");
    QTest::addColumn<QString>("caption");
    QTest::newRow("first fact") << 1 << u"Mass (kg)"_s;
    QTest::newRow("last of the left column") << 11 << u"Mean orbital velocity (km/sec)"_s;
    QTest::newRow("first of the right column") << 12 << u"Orbital eccentricity"_s;
    QTest::newRow("caret kept") << 15 << u"Equatorial surface gravity (m/sec^2)"_s;
    QTest::newRow("last fact") << 22 << u"Atmospheric pressure (bars)"_s;
}

void tst_Catalogue::captionsAreInFactOrder()
{
    QFETCH(int, fact);
    QFETCH(QString, caption);
    QCOMPARE(catalogue::factCaption(fact).toString(), caption);
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, catalogue::factCaption(0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, catalogue::factCaption(23));
}

QTEST_APPLESS_MAIN(tst_Catalogue)
#include "tst_catalogue.moc"
