// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "testsupport.h"

#include <QFontInfo>
#include <QLabel>
#include <QLocale>
#include <QTest>

#include <optional>

using namespace Qt::StringLiterals;

// The weights the window shows for a weight on Earth, and the window's own order and layout.
// How the input box reads what the user types or pastes is tst_weightinput's.
class tst_WeightConversion : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initialiseRuntimeForTests(); }
    void init();
    void cleanup();

    void weightShowsResults_data();
    void weightShowsResults();
    void tabOrderRunsThroughTheBoxes();
    void labelsFitBesideTheirBoxes();

private:
    std::optional<RuntimeRecorder> m_runtime;
};

// Every test starts with the full stop as decimal separator and a recorder in place of the
// message box, so a box never blocks and every box shown is seen.
void tst_WeightConversion::init()
{
    QLocale::setDefault(QLocale::c());
    m_runtime.emplace();
}

void tst_WeightConversion::cleanup()
{
    m_runtime.reset();
    QLocale::setDefault(QLocale::c());
}

void tst_WeightConversion::weightShowsResults_data()
{
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QStringList>("expected");

    // Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune and Pluto, as the design gives
    // them for 70 kg.
    const QStringList seventy = { u"25.9"_s, u"63.63"_s, u"25.9"_s, u"203"_s, u"73.5"_s, u"60.34"_s,
        u"79.8"_s, u"4.41"_s };
    QTest::newRow("seventy kilograms") << u"70"_s << seventy;
    QTest::newRow("the largest weight whose Jupiter product fits")
        << u"6e307"_s
        << QStringList { u"2.22E+307"_s, u"5.454E+307"_s, u"2.22E+307"_s, u"1.74E+308"_s,
               u"6.3E+307"_s, u"5.172E+307"_s, u"6.84E+307"_s, u"3.78E+306"_s };
    QTest::newRow("seventy with a long fraction of zeros, the longest text the box takes")
        << u"70."_s + QString(32764, u'0') << seventy;
    QTest::newRow("seventy after a long run of leading zeros")
        << QString(32765, u'0') + u"70"_s << seventy;
}

void tst_WeightConversion::weightShowsResults()
{
    QFETCH(QString, weight);
    QFETCH(QStringList, expected);

    ShownWeightWindow window;
    QVERIFY(window.exposed());
    paste(window.input(), weight);

    QCOMPARE(window.input()->text(), weight);
    QCOMPARE(window.results(), expected);
    QVERIFY(m_runtime->boxes.isEmpty());
}

// The focus starts in the input box and Tab runs down the result boxes back to it.
void tst_WeightConversion::tabOrderRunsThroughTheBoxes()
{
    ShownWeightWindow window;
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QCOMPARE(QApplication::focusWidget(), window.input());
    for (int number = 2; number <= 10; ++number) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), window.box(number == 10 ? 1 : number));
    }
}

// The body labels fit themselves to their captions in the bundled fonts; a caption that
// came out wider than planned would run under its box.
void tst_WeightConversion::labelsFitBesideTheirBoxes()
{
    ShownWeightWindow window;
    QVERIFY(window.exposed());

    const auto labels = window.findChildren<QLabel *>();
    const auto boxes = window.findChildren<QLineEdit *>();
    QCOMPARE(labels.size(), 18);
    QCOMPARE(boxes.size(), 9);
    for (const QLabel *label : labels) {
        const QString name = label->objectName();
        QVERIFY2(window.rect().contains(label->geometry()), qPrintable(name));
        for (const QLineEdit *edit : boxes) {
            QVERIFY2(!label->geometry().intersects(edit->geometry()),
                qPrintable(name + u" overlaps "_s + edit->objectName()));
        }
    }

    const QFont prompt = window.child<QLabel>(u"Label1"_s)->font();
    QCOMPARE(QFontInfo(prompt).pixelSize(), 15);
    QVERIFY(prompt.bold() && prompt.italic());
    const QFont body = window.child<QLabel>(u"Label5"_s)->font();
    QCOMPARE(QFontInfo(body).pixelSize(), 13);
    QVERIFY(!body.bold() && body.italic());
}

QTEST_MAIN(tst_WeightConversion)
#include "tst_weightconversion.moc"
