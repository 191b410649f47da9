// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "testsupport.h"
#include "weight/weightconversion.h"
#include "weight/weightwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

const QStringList resultBoxNames = { u"Text2"_s, u"Text3"_s, u"Text4"_s, u"Text5"_s, u"Text6"_s,
    u"Text7"_s, u"Text8"_s, u"Text9"_s };

QLineEdit *box(const QWidget &window, const QString &name)
{
    return window.findChild<QLineEdit *>(name);
}

QStringList results(const QWidget &window)
{
    QStringList texts;
    for (const QString &name : resultBoxNames)
        texts << box(window, name)->text();
    return texts;
}

const QStringList allEmpty(8, QString());
const QStringList allZero(8, u"0"_s);

} // namespace

class tst_WeightConversion : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void typedWeightShowsResults_data();
    void typedWeightShowsResults();
    void clearingShowsZero();
    void resultsUseTheUsersDecimalSeparator();
    void longPastedWeight_data();
    void longPastedWeight();
    void tooLargeWeightIsRefused_data();
    void tooLargeWeightIsRefused();
    void productRange_data();
    void productRange();

    void startsEmptyWithFocusInInput();
    void tabOrderRunsThroughTheBoxes();
    void labelsFitBesideTheirBoxes();

private:
    std::optional<RuntimeRecorder> m_runtime;
};

void tst_WeightConversion::initTestCase()
{
    initialiseRuntimeForTests();
}

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

void tst_WeightConversion::typedWeightShowsResults_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("seven kilograms") << u"7"_s
                                     << QStringList { u"2.59"_s, u"6.363"_s, u"2.59"_s, u"20.3"_s,
                                            u"7.35"_s, u"6.034"_s, u"7.98"_s, u"0.441"_s };
    QTest::newRow("seventy kilograms") << u"70"_s
                                       << QStringList { u"25.9"_s, u"63.63"_s, u"25.9"_s, u"203"_s,
                                              u"73.5"_s, u"60.34"_s, u"79.8"_s, u"4.41"_s };
    QTest::newRow("text after the number is ignored")
        << u"70kg"_s
        << QStringList { u"25.9"_s, u"63.63"_s, u"25.9"_s, u"203"_s, u"73.5"_s, u"60.34"_s,
               u"79.8"_s, u"4.41"_s };
    QTest::newRow("negative weight")
        << u"-70"_s
        << QStringList { u"-25.9"_s, u"-63.63"_s, u"-25.9"_s, u"-203"_s, u"-73.5"_s, u"-60.34"_s,
               u"-79.8"_s, u"-4.41"_s };
    QTest::newRow("a comma ends the number, so one kilogram shows the factors")
        << u"1,5"_s
        << QStringList { u"0.37"_s, u"0.909"_s, u"0.37"_s, u"2.9"_s, u"1.05"_s, u"0.862"_s,
               u"1.14"_s, u"0.063"_s };
    QTest::newRow("text that is no number gives zero") << u"abc"_s << allZero;
    QTest::newRow("a weight below the smallest double gives zero") << u"1e-400"_s << allZero;
    QTest::newRow("tiny weights are shown in exponent form")
        << u"1e-300"_s
        << QStringList { u"3.7E-301"_s, u"9.09E-301"_s, u"3.7E-301"_s, u"2.9E-300"_s,
               u"1.05E-300"_s, u"8.62E-301"_s, u"1.14E-300"_s, u"6.3E-302"_s };
    QTest::newRow("the largest weight whose Jupiter product fits")
        << u"6e307"_s
        << QStringList { u"2.22E+307"_s, u"5.454E+307"_s, u"2.22E+307"_s, u"1.74E+308"_s,
               u"6.3E+307"_s, u"5.172E+307"_s, u"6.84E+307"_s, u"3.78E+306"_s };
}

void tst_WeightConversion::typedWeightShowsResults()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);

    WeightWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClicks(box(window, u"Text1"_s), typed);

    QCOMPARE(results(window), expected);
    QCOMPARE(box(window, u"Text1"_s)->text(), typed);
    QVERIFY(m_runtime->boxes.isEmpty());
}

void tst_WeightConversion::clearingShowsZero()
{
    WeightWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QLineEdit *input = box(window, u"Text1"_s);
    QTest::keyClicks(input, u"70"_s);
    QTest::keyClick(input, Qt::Key_Backspace);
    QTest::keyClick(input, Qt::Key_Backspace);

    QCOMPARE(input->text(), QString());
    QCOMPARE(results(window), allZero);
}

void tst_WeightConversion::resultsUseTheUsersDecimalSeparator()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    WeightWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // The input keeps the full stop as its decimal point whatever the user's locale.
    QTest::keyClicks(box(window, u"Text1"_s), u"1.5"_s);

    QCOMPARE(results(window),
        (QStringList { u"0,555"_s, u"1,3635"_s, u"0,555"_s, u"4,35"_s, u"1,575"_s, u"1,293"_s,
            u"1,71"_s, u"0,0945"_s }));
}

void tst_WeightConversion::longPastedWeight_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QStringList>("expected");

    const QStringList seventy = { u"25.9"_s, u"63.63"_s, u"25.9"_s, u"203"_s, u"73.5"_s, u"60.34"_s,
        u"79.8"_s, u"4.41"_s };
    QTest::newRow("seventy with a long fraction of zeros")
        << u"70."_s + QString(32764, u'0') << seventy;
    QTest::newRow("seventy after a long run of leading zeros")
        << QString(32765, u'0') + u"70"_s << seventy;
}

void tst_WeightConversion::longPastedWeight()
{
    QFETCH(QString, pasted);
    QFETCH(QStringList, expected);
    QCOMPARE(pasted.size(), 32767);

    WeightWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QLineEdit *input = box(window, u"Text1"_s);
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);

    QCOMPARE(input->text().size(), pasted.size());
    QCOMPARE(results(window), expected);
    QVERIFY(m_runtime->boxes.isEmpty());
}

void tst_WeightConversion::tooLargeWeightIsRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("expected");

    // Typed key by key, so every box holds a result of a shorter weight before the last key.
    QTest::newRow("Jupiter's product overflows, the three before it are shown")
        << u"1e308"_s
        << QStringList { u"3.7E+307"_s, u"9.09E+307"_s, u"3.7E+307"_s, QString(), QString(),
               QString(), QString(), QString() };
    QTest::newRow("a negative product overflows like a positive one")
        << u"-1e308"_s
        << QStringList { u"-3.7E+307"_s, u"-9.09E+307"_s, u"-3.7E+307"_s, QString(), QString(),
               QString(), QString(), QString() };
    QTest::newRow("the weight itself lies beyond the largest double") << u"1e309"_s << allEmpty;
    QTest::newRow("a hexadecimal weight beyond 32 bits") << u"&H123456789"_s << allEmpty;
}

void tst_WeightConversion::tooLargeWeightIsRefused()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, expected);

    WeightWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QLineEdit *input = box(window, u"Text1"_s);
    QTest::keyClicks(input, typed);

    QCOMPARE(results(window), expected);
    QCOMPARE(input->text(), typed);
    QCOMPARE(m_runtime->boxes.size(), 1);
    QCOMPARE(m_runtime->boxes.first().title, u"Sivane"_s);
    QVERIFY2(m_runtime->boxes.first().prompt.contains(u"too large"_s),
        qPrintable(m_runtime->boxes.first().prompt));

    // Dropping the last character gives a weight that fits, and everything is computed again.
    QTest::keyClick(input, Qt::Key_Backspace);
    QCOMPARE(m_runtime->boxes.size(), 1);
    for (const QString &text : results(window))
        QVERIFY2(!text.isEmpty() && text != u"0"_s, qPrintable(text));
}

void tst_WeightConversion::productRange_data()
{
    QTest::addColumn<double>("earthWeight");
    QTest::addColumn<double>("factor");
    QTest::addColumn<bool>("converts");

    const double largest = std::numeric_limits<double>::max();
    const double infinity = std::numeric_limits<double>::infinity();
    QTest::newRow("the largest double times a factor below one") << largest << 0.37 << true;
    QTest::newRow("a product just beyond the largest double") << largest << 1.05 << false;
    QTest::newRow("a negative product beyond the range") << -largest << 2.9 << false;
    QTest::newRow("an infinite weight") << infinity << 0.37 << false;
    QTest::newRow("an invalid weight") << std::numeric_limits<double>::quiet_NaN() << 0.37 << false;
    QTest::newRow("a product below the smallest normal double")
        << std::numeric_limits<double>::min() << 0.37 << true;
}

void tst_WeightConversion::productRange()
{
    QFETCH(double, earthWeight);
    QFETCH(double, factor);
    QFETCH(bool, converts);

    const std::optional<double> product = weight::convertWeight(earthWeight, factor);
    QCOMPARE(product.has_value(), converts);
    if (product)
        QCOMPARE(*product, earthWeight * factor);
}

// The window's caption, size and labels are checked in tst_everywindow, and that it is
// empty again after it is closed and reopened in tst_menucommands.
void tst_WeightConversion::startsEmptyWithFocusInInput()
{
    WeightWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QCOMPARE(box(window, u"Text1"_s)->text(), QString());
    QCOMPARE(results(window), allEmpty);
    QCOMPARE(QApplication::focusWidget(), box(window, u"Text1"_s));
}

void tst_WeightConversion::tabOrderRunsThroughTheBoxes()
{
    WeightWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    const QStringList order
        = QStringList { u"Text1"_s } + resultBoxNames + QStringList { u"Text1"_s };
    for (qsizetype i = 0; i + 1 < order.size(); ++i) {
        QCOMPARE(QApplication::focusWidget()->objectName(), order[i]);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget()->objectName(), order.last());
}

// The body labels fit themselves to their captions in the bundled fonts; a caption that
// came out wider than planned would run under its box.
void tst_WeightConversion::labelsFitBesideTheirBoxes()
{
    WeightWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

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

    const QFont prompt = window.findChild<QLabel *>(u"Label1"_s)->font();
    QCOMPARE(QFontInfo(prompt).pixelSize(), 15);
    QVERIFY(prompt.bold() && prompt.italic());
    const QFont body = window.findChild<QLabel *>(u"Label5"_s)->font();
    QCOMPARE(QFontInfo(body).pixelSize(), 13);
    QVERIFY(!body.bold() && body.italic());
}

QTEST_MAIN(tst_WeightConversion)
#include "tst_weightconversion.moc"
