// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "catalogue/catalogue.h"
#include "catalogue/factvalue.h"

#include <QTest>

using catalogue::FactValue;
using Values = QList<FactValue>;
Q_DECLARE_METATYPE(Values)

namespace {

FactValue n(double value)
{
    return { FactValue::Kind::Number, value, value };
}
FactValue range(double low, double high)
{
    return { FactValue::Kind::Range, low, high };
}
const FactValue none {};

} // namespace

// Every text of the catalogue, written here as it stands, trailing blanks and all, with what
// its value reads as: the chart's lengths and the order of its bars come from these.
class tst_FactValue : public QObject
{
    Q_OBJECT

private slots:
    void everyCatalogueTextReadsAsMeant_data();
    void everyCatalogueTextReadsAsMeant();
};

void tst_FactValue::everyCatalogueTextReadsAsMeant_data()
{
    QTest::addColumn<int>("fact");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<Values>("values");
    // clang-format off
    QTest::newRow("masses in kg, with exponents") << 1
        << QStringList{"3.303e+23", "4.869e+24", "5.976e+24", "6.421e+23", "1.900e+27", "5.688e+26", "8.686e+25", "1.024e+26", "1.27e+22"}
        << Values{n(3.303e23), n(4.869e24), n(5.976e24), n(6.421e23), n(1.9e27), n(5.688e26), n(8.686e25), n(1.024e26), n(1.27e22)};
    QTest::newRow("masses against Earth's, one with a leading point and a trailing blank") << 2
        << QStringList{"5.5271e-02", ".81476 ", "1.0000e+00", "1.0745e-01", "3.1794e+02", "9.5181e+01", "1.4535e+01", "1.7135e+01", "2.125e-03"}
        << Values{n(5.5271e-2), n(0.81476), n(1), n(1.0745e-1), n(3.1794e2), n(9.5181e1), n(1.4535e1), n(1.7135e1), n(2.125e-3)};
    QTest::newRow("radii in km, with thousands separators") << 3
        << QStringList{"2,439.7", "6,051.8", "6,378.14", "3,397.2", "71,492", "60,268", "25,559", "24,746", "1,137"}
        << Values{n(2439.7), n(6051.8), n(6378.14), n(3397.2), n(71492), n(60268), n(25559), n(24746), n(1137)};
    QTest::newRow("radii against Earth's") << 4
        << QStringList{"3.8252e-01", ".94886", "1.0000e+00", "5.3264e-01", "1.1209e+01", "9.4494e+00", "4.0074", "3.8799e+00", "0.1783"}
        << Values{n(3.8252e-1), n(0.94886), n(1), n(5.3264e-1), n(1.1209e1), n(9.4494), n(4.0074), n(3.8799), n(0.1783)};
    QTest::newRow("densities") << 5
        << QStringList{"5.42", "5.25", "5.515", "3.94", "1.33", "0.69", "1.29", "1.64", "2.05"}
        << Values{n(5.42), n(5.25), n(5.515), n(3.94), n(1.33), n(0.69), n(1.29), n(1.64), n(2.05)};
    QTest::newRow("distances in km, up to three separators") << 6
        << QStringList{"57,910,000", "108,200,000", "149,600,000", "227,940,000", "778,330,000", "1,429,400,000", "2,870,990,000", "4,504,300,000", "5,913,520,000"}
        << Values{n(57910000), n(108200000), n(149600000), n(227940000), n(778330000), n(1429400000), n(2870990000), n(4504300000), n(5913520000)};
    QTest::newRow("distances against Earth's") << 7
        << QStringList{"0.3871", "0.7233", "1.0000", "1.5237", "5.2028", "9.5388", "19.1914", "30.0611", "39.5294"}
        << Values{n(0.3871), n(0.7233), n(1), n(1.5237), n(5.2028), n(9.5388), n(19.1914), n(30.0611), n(39.5294)};
    QTest::newRow("rotation in hours, negative when retrograde") << 8
        << QStringList{"-", "-", "23.9345", "24.6229", "-", "10.233", "-17.9", "16.11", "-"}
        << Values{none, none, n(23.9345), n(24.6229), none, n(10.233), n(-17.9), n(16.11), none};
    QTest::newRow("rotation in days, negative when retrograde") << 9
        << QStringList{"58.6462", "-243.0187", "0.99727", "1.025957", "0.41354", "-", "-", "-", "-6.3872"}
        << Values{n(58.6462), n(-243.0187), n(0.99727), n(1.025957), n(0.41354), none, none, none, n(-6.3872)};
    QTest::newRow("orbital periods") << 10
        << QStringList{"87.969", "224.701", "365.256", "686.98", "4332.71", "10752.17", "30663.65", "60148.35", "90717.1"}
        << Values{n(87.969), n(224.701), n(365.256), n(686.98), n(4332.71), n(10752.17), n(30663.65), n(60148.35), n(90717.1)};
    QTest::newRow("orbital velocities") << 11
        << QStringList{"47.88", "35.02", "29.79", "24.13", "13.07", "9.67", "6.81", "5.45", "4.74"}
        << Values{n(47.88), n(35.02), n(29.79), n(24.13), n(13.07), n(9.67), n(6.81), n(5.45), n(4.74)};
    QTest::newRow("eccentricities") << 12
        << QStringList{"0.2056", "0.0068", "0.0167", "0.0934", "0.0483", "0.0560", "0.0461", "0.0097", "0.2482"}
        << Values{n(0.2056), n(0.0068), n(0.0167), n(0.0934), n(0.0483), n(0.056), n(0.0461), n(0.0097), n(0.2482)};
    QTest::newRow("axial tilts, one of them zero") << 13
        << QStringList{"0.00", "177.36", "23.45", "25.19", "3.13", "25.33", "97.86", "29.56", "122.52"}
        << Values{n(0), n(177.36), n(23.45), n(25.19), n(3.13), n(25.33), n(97.86), n(29.56), n(122.52)};
    QTest::newRow("inclinations, Earth's zero") << 14
        << QStringList{"7.004", "3.394", "0.000", "1.850", "1.308", "2.488", "0.774", "1.774", "17.148"}
        << Values{n(7.004), n(3.394), n(0), n(1.85), n(1.308), n(2.488), n(0.774), n(1.774), n(17.148)};
    QTest::newRow("surface gravities") << 15
        << QStringList{"2.78", "8.87", "9.78", "3.72", "22.88", "9.05", "7.77", "11.0", "0.4"}
        << Values{n(2.78), n(8.87), n(9.78), n(3.72), n(22.88), n(9.05), n(7.77), n(11), n(0.4)};
    QTest::newRow("escape velocities") << 16
        << QStringList{"4.25", "10.36", "11.18", "5.02", "59.56", "35.49", "21.30", "23.50", "1.22"}
        << Values{n(4.25), n(10.36), n(11.18), n(5.02), n(59.56), n(35.49), n(21.3), n(23.5), n(1.22)};
    QTest::newRow("albedos") << 17
        << QStringList{"0.10", "0.65", "0.37", "0.15", "0.52", "0.47", "0.51", "0.41", "0.3"}
        << Values{n(0.1), n(0.65), n(0.37), n(0.15), n(0.52), n(0.47), n(0.51), n(0.41), n(0.3)};
    QTest::newRow("magnitudes, two with a trailing blank") << 18
        << QStringList{"-1.9 ", "-4.4 ", "-", "-2.01", "-2.70", "0.67", "5.52", "7.84", "15.12"}
        << Values{n(-1.9), n(-4.4), none, n(-2.01), n(-2.7), n(0.67), n(5.52), n(7.84), n(15.12)};
    QTest::newRow("minimum temperatures in degrees Celsius") << 19
        << QStringList{"-173°C", "-", "-", "-140°C", "-", "-", "-", "-", "-"}
        << Values{n(-173), none, none, n(-140), none, none, none, none, none};
    QTest::newRow("mean temperatures, Neptune's a range") << 20
        << QStringList{"179°C", "482°C", "15°C", "-63°C", "-121°C", "-125°C", "-193°C", "-193 to -153°C", "-"}
        << Values{n(179), n(482), n(15), n(-63), n(-121), n(-125), n(-193), range(-193, -153), none};
    QTest::newRow("maximum temperatures") << 21
        << QStringList{"427°C", "-", "-", "20°C", "-", "-", "-", "-", "-"}
        << Values{n(427), none, none, n(20), none, none, none, none, none};
    QTest::newRow("pressures, Neptune's a range written with a hyphen") << 22
        << QStringList{"-", "92", "1.013", "0.007", "0.7", "1.4", "1.2", "1-3", "-"}
        << Values{none, n(92), n(1.013), n(0.007), n(0.7), n(1.4), n(1.2), range(1, 3), none};
    // clang-format on
}

void tst_FactValue::everyCatalogueTextReadsAsMeant()
{
    QFETCH(int, fact);
    QFETCH(QStringList, texts);
    QFETCH(Values, values);
    for (int record = 1; record <= catalogue::planetCount; ++record) {
        const QString text = texts[record - 1];
        const QString where = text + QStringLiteral(" of record ") + QString::number(record);
        QCOMPARE(catalogue::planet(record).facts[fact - 1], text);
        const std::optional<FactValue> value = catalogue::readFact(text);
        QVERIFY2(value, qPrintable(where));
        QVERIFY2(*value == values[record - 1], qPrintable(where));
    }
}

QTEST_APPLESS_MAIN(tst_FactValue)
#include "tst_factvalue.moc"
