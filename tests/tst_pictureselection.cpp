// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "catalogue/catalogue.h"
#include "testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_PictureSelection : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initialiseRuntimeForTests(); }
    void init();
    void cleanup();

    void clickShowsItsRecord_data();
    void clickShowsItsRecord();
    void factShownBesideItsCaption_data();
    void factShownBesideItsCaption();
    void earlierPlanetBlanksTheDiscoveryLines();
    void secondClickChangesNothing();
    void writesComeInOrder();
    void onlyTheLeftButtonSelects();

private:
    QLabel *label(const QString &name) const { return m_window->findChild<QLabel *>(name); }
    QLineEdit *box(int fact) const
    {
        return m_window->findChild<QLineEdit *>(u"txt"_s + QString::number(fact));
    }
    QLineEdit *boxBeside(const QLabel *caption) const;
    QStringList snapshot() const;

    std::unique_ptr<Shown<MainWindow>> m_window;
};

// A fresh window per test: nothing one test's clicks show can leak into the next.
void tst_PictureSelection::init()
{
    m_window = std::make_unique<Shown<MainWindow>>();
    QVERIFY(m_window->exposed());
}

void tst_PictureSelection::cleanup()
{
    m_window.reset();
}

// The box the user reads a caption's value from: the nearest one to its right on its row.
// Found by position rather than by name, so a box moved to another row shows up as a wrong
// value beside the caption.
QLineEdit *tst_PictureSelection::boxBeside(const QLabel *caption) const
{
    QLineEdit *nearest = nullptr;
    for (QLineEdit *candidate : m_window->findChildren<QLineEdit *>()) {
        if (candidate->y() != caption->y() || candidate->x() <= caption->x())
            continue;
        if (!nearest || candidate->x() < nearest->x())
            nearest = candidate;
    }
    return nearest;
}

QStringList tst_PictureSelection::snapshot() const
{
    QStringList texts { label(u"lblName"_s)->text(), label(u"dis"_s)->text(),
        label(u"dat"_s)->text() };
    for (int fact = 1; fact <= 22; ++fact)
        texts << box(fact)->text();
    return texts;
}

void tst_PictureSelection::clickShowsItsRecord_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("discoverer");
    QTest::addColumn<QString>("date");
    // clang-format off
    QTest::newRow("first picture shows Mercury") << u"img1"_s << 1 << u"Mercury"_s << QString() << QString();
    QTest::newRow("second picture shows Venus") << u"img2"_s << 2 << u"Venus"_s << QString() << QString();
    QTest::newRow("third picture shows Earth") << u"img3"_s << 3 << u"Earth"_s << QString() << QString();
    QTest::newRow("fourth picture, img44, shows Mars") << u"img44"_s << 4 << u"Mars"_s << QString() << QString();
    QTest::newRow("fifth picture shows Jupiter") << u"img5"_s << 5 << u"Jupiter"_s << QString() << QString();
    QTest::newRow("sixth picture shows Saturn") << u"img6"_s << 6 << u"Saturn"_s << QString() << QString();
    QTest::newRow("seventh picture shows Uranus") << u"img7"_s << 7 << u"Uranus"_s
        << u"Discovered by William Herschel"_s << u"Date of discovery 1781"_s;
    QTest::newRow("eighth picture shows Neptune") << u"img8"_s << 8 << u"Neptune"_s
        << u"Discovered by Johann Gottfried Galle"_s << u"Date of discovery September 23, 1846"_s;
    QTest::newRow("ninth picture shows Pluto") << u"img9"_s << 9 << u"Pluto"_s
        << u"Discovered by Clyde W. Tombaugh"_s << u"Date of discovery February 18, 1930"_s;
    // clang-format on
}

// A click writes the name, the discovery lines and every one of the record's 22 facts, fact n
// into the box beside the caption of fact n (the label Label<n+1>). Which texts the facts hold
// is checked against the design by factShownBesideItsCaption.
void tst_PictureSelection::clickShowsItsRecord()
{
    QFETCH(QString, picture);
    QFETCH(int, record);
    QFETCH(QString, name);
    QFETCH(QString, discoverer);
    QFETCH(QString, date);
    const RuntimeRecorder recorder;
    QCOMPARE(clickPicture(m_window.get(), picture), name);
    QCOMPARE(recorder.announcements, QStringList { name });
    QCOMPARE(label(u"dis"_s)->text(), discoverer);
    QCOMPARE(label(u"dat"_s)->text(), date);
    const catalogue::Planet &planet = catalogue::planet(record);
    QCOMPARE(planet.name.toString(), name);
    for (int fact = 1; fact <= catalogue::factCount; ++fact) {
        const QLabel *caption = label(u"Label"_s + QString::number(fact + 1));
        QVERIFY(caption);
        const QLineEdit *shown = boxBeside(caption);
        QVERIFY2(shown, qPrintable(caption->text()));
        QVERIFY2(shown->text() == planet.facts[fact - 1],
            qPrintable(u"fact %1, %2: \"%3\" instead of \"%4\""_s.arg(fact).arg(
                caption->text(), shown->text(), planet.facts[fact - 1].toString())));
    }

    // The three labels fit themselves to their new texts, keeping their top-left corners.
    const struct
    {
        const char *name;
        QPoint corner;
    } headings[] = { { "lblName", { 148, 96 } }, { "dis", { 128, 128 } }, { "dat", { 128, 152 } } };
    for (const auto &heading : headings) {
        const QLabel *shown = label(QString::fromLatin1(heading.name));
        QCOMPARE(shown->pos(), heading.corner);
        if (!shown->text().isEmpty()) {
            QCOMPARE(shown->size(),
                QSize(shown->fontMetrics().horizontalAdvance(shown->text()),
                    shown->fontMetrics().height()));
        }
    }
}

void tst_PictureSelection::factShownBesideItsCaption_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("expected");
    // Texts copied from the design; the degree sign is U+00B0.
    // clang-format off
    QTest::newRow("Earth rotates in 23.9345 hours") << u"img3"_s << u"Rotational period (hours)"_s << u"23.9345"_s;
    QTest::newRow("Earth orbits in 365.256 days") << u"img3"_s << u"Orbital period (days)"_s << u"365.256"_s;
    QTest::newRow("Earth's mass relative to Earth") << u"img3"_s << u"Mass (Earth = 1)"_s << u"1.0000e+00"_s;
    QTest::newRow("Earth's inclination keeps its zeros") << u"img3"_s << u"Orbital inclination (degrees)"_s << u"0.000"_s;
    QTest::newRow("Earth has no magnitude") << u"img3"_s << u"Magnitude (Vo)"_s << u"-"_s;
    QTest::newRow("Venus mass: leading point, trailing blank") << u"img2"_s << u"Mass (Earth = 1)"_s << u".81476 "_s;
    QTest::newRow("Venus rotates backwards") << u"img2"_s << u"Rotational period (days)"_s << u"-243.0187"_s;
    QTest::newRow("Mercury magnitude: trailing blank") << u"img1"_s << u"Magnitude (Vo)"_s << u"-1.9 "_s;
    QTest::newRow("Mercury minimum temperature") << u"img1"_s << u"Minimum surface temperature"_s << u"-173\u00b0C"_s;
    QTest::newRow("Mars distance keeps its separators") << u"img44"_s << u"Mean distance from the Sun (km)"_s << u"227,940,000"_s;
    QTest::newRow("Mars maximum temperature") << u"img44"_s << u"Maximum surface temperature"_s << u"20\u00b0C"_s;
    QTest::newRow("Jupiter mass in exponent form") << u"img5"_s << u"Mass (kg)"_s << u"1.900e+27"_s;
    QTest::newRow("Jupiter escape velocity") << u"img5"_s << u"Equatorial escape velocity (km/sec)"_s << u"59.56"_s;
    QTest::newRow("Saturn radius") << u"img6"_s << u"Equatorial radius (km)"_s << u"60,268"_s;
    QTest::newRow("Saturn density below water's") << u"img6"_s << u"Mean density (gm/cm^3)"_s << u"0.69"_s;
    QTest::newRow("Uranus rotates backwards") << u"img7"_s << u"Rotational period (hours)"_s << u"-17.9"_s;
    QTest::newRow("Uranus axis tilt") << u"img7"_s << u"Tilt of axis (degrees)"_s << u"97.86"_s;
    QTest::newRow("Neptune mean temperature is a range") << u"img8"_s << u"Mean surface temperature"_s << u"-193 to -153\u00b0C"_s;
    QTest::newRow("Neptune pressure is a range") << u"img8"_s << u"Atmospheric pressure (bars)"_s << u"1-3"_s;
    QTest::newRow("Neptune surface gravity") << u"img8"_s << u"Equatorial surface gravity (m/sec^2)"_s << u"11.0"_s;
    QTest::newRow("Pluto has no rotation in hours") << u"img9"_s << u"Rotational period (hours)"_s << u"-"_s;
    QTest::newRow("Pluto rotates backwards") << u"img9"_s << u"Rotational period (days)"_s << u"-6.3872"_s;
    QTest::newRow("Pluto has no minimum temperature") << u"img9"_s << u"Minimum surface temperature"_s << u"-"_s;
    QTest::newRow("Pluto has no mean temperature") << u"img9"_s << u"Mean surface temperature"_s << u"-"_s;
    QTest::newRow("Pluto has no maximum temperature") << u"img9"_s << u"Maximum surface temperature"_s << u"-"_s;
    QTest::newRow("Pluto has no pressure") << u"img9"_s << u"Atmospheric pressure (bars)"_s << u"-"_s;
    QTest::newRow("Pluto orbit") << u"img9"_s << u"Mean distance from the Sun (Earth = 1)"_s << u"39.5294"_s;
    QTest::newRow("Pluto eccentricity") << u"img9"_s << u"Orbital eccentricity"_s << u"0.2482"_s;
    QTest::newRow("Pluto albedo") << u"img9"_s << u"Visual geometric albedo"_s << u"0.3"_s;
    QTest::newRow("Pluto orbital velocity") << u"img9"_s << u"Mean orbital velocity (km/sec)"_s << u"4.74"_s;
    QTest::newRow("Pluto radius relative to Earth") << u"img9"_s << u"Equatorial radius (Earth = 1)"_s << u"0.1783"_s;
    // clang-format on
}

// What the user reads beside a caption after a click, as the design gives it. This catches a
// typo in the catalogue, two facts of a record swapped, and two boxes swapped in the window.
void tst_PictureSelection::factShownBesideItsCaption()
{
    QFETCH(QString, picture);
    QFETCH(QString, caption);
    QFETCH(QString, expected);
    clickPicture(m_window.get(), picture);

    QLabel *captionLabel = nullptr;
    for (QLabel *candidate : m_window->findChildren<QLabel *>()) {
        if (candidate->text() == caption)
            captionLabel = candidate;
    }
    QVERIFY2(captionLabel, "no label shows this caption");
    const QLineEdit *shown = boxBeside(captionLabel);
    QVERIFY(shown);
    QCOMPARE(shown->text(), expected);
}

void tst_PictureSelection::earlierPlanetBlanksTheDiscoveryLines()
{
    clickPicture(m_window.get(), u"img7"_s);
    QVERIFY(!label(u"dis"_s)->text().isEmpty());
    QCOMPARE(clickPicture(m_window.get(), u"img1"_s), u"Mercury"_s);
    QCOMPARE(label(u"dis"_s)->text(), QString());
    QCOMPARE(label(u"dat"_s)->text(), QString());
}

void tst_PictureSelection::secondClickChangesNothing()
{
    clickPicture(m_window.get(), u"img8"_s);
    const QStringList first = snapshot();
    const QRect nameBox = label(u"lblName"_s)->geometry();
    clickPicture(m_window.get(), u"img8"_s);
    QCOMPARE(snapshot(), first);
    QCOMPARE(label(u"lblName"_s)->geometry(), nameBox);
}

// The name and discovery labels come first, then the boxes from txt1 to txt22.
void tst_PictureSelection::writesComeInOrder()
{
    QList<int> order;
    for (int fact = 1; fact <= 22; ++fact) {
        connect(box(fact), &QLineEdit::textChanged, this, [this, fact, &order] {
            order << fact;
            // While a box changes, the labels already show Pluto and the next box nothing yet.
            if (label(u"dat"_s)->text() != u"Date of discovery February 18, 1930"_s)
                order << -fact;
            if (fact < 22 && !box(fact + 1)->text().isEmpty())
                order << -fact;
        });
    }
    clickPicture(m_window.get(), u"img9"_s);
    QList<int> expected;
    for (int fact = 1; fact <= 22; ++fact)
        expected << fact;
    QCOMPARE(order, expected);
}

void tst_PictureSelection::onlyTheLeftButtonSelects()
{
    auto *target = m_window->findChild<QWidget *>(u"img3"_s);
    QTest::mouseClick(target, Qt::RightButton, {}, QPoint(10, 10));
    QCOMPARE(label(u"lblName"_s)->text(), QString());
    // A press that is released outside the picture is no click.
    QTest::mousePress(target, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(target, Qt::LeftButton, {}, QPoint(200, 10));
    QCOMPARE(label(u"lblName"_s)->text(), QString());
}

QTEST_MAIN(tst_PictureSelection)
#include "tst_pictureselection.moc"
