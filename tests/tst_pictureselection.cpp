// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "app/mainwindow.h"
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

    void clickShowsPlanet_data();
    void clickShowsPlanet();
    void plutoShowsDashesWhereItHasNoValue();
    void textsAreWrittenAsStored_data();
    void textsAreWrittenAsStored();
    void earlierPlanetBlanksTheDiscoveryLines();
    void secondClickChangesNothing();
    void writesComeInOrder();
    void nameLabelGrowsAndShrinksFromItsCorner();
    void onlyTheLeftButtonSelects();

private:
    QLabel *label(const QString &name) const { return m_window->findChild<QLabel *>(name); }
    QLineEdit *box(int fact) const
    {
        return m_window->findChild<QLineEdit *>(u"txt"_s + QString::number(fact));
    }
    void click(const QString &picture);
    QStringList snapshot() const;

    MainWindow *m_window = nullptr;
};

void tst_PictureSelection::init()
{
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void tst_PictureSelection::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void tst_PictureSelection::click(const QString &picture)
{
    auto *target = m_window->findChild<QWidget *>(picture);
    QVERIFY2(target, qPrintable(picture));
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(20, 20));
}

QStringList tst_PictureSelection::snapshot() const
{
    QStringList texts{ label(u"lblName"_s)->text(), label(u"dis"_s)->text(),
                       label(u"dat"_s)->text() };
    for (int fact = 1; fact <= 22; ++fact)
        texts << box(fact)->text();
    return texts;
}

void tst_PictureSelection::clickShowsPlanet_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("discoverer");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("mass");
    QTest::addColumn<QString>("pressure");
    QTest::newRow("first picture shows Mercury")
        << u"img1"_s << u"Mercury"_s << QString() << QString() << u"3.303e+23"_s << u"-"_s;
    QTest::newRow("second picture shows Venus")
        << u"img2"_s << u"Venus"_s << QString() << QString() << u"4.869e+24"_s << u"92"_s;
    QTest::newRow("third picture shows Earth")
        << u"img3"_s << u"Earth"_s << QString() << QString() << u"5.976e+24"_s << u"1.013"_s;
    QTest::newRow("fourth picture, img44, shows Mars")
        << u"img44"_s << u"Mars"_s << QString() << QString() << u"6.421e+23"_s << u"0.007"_s;
    QTest::newRow("fifth picture shows Jupiter")
        << u"img5"_s << u"Jupiter"_s << QString() << QString() << u"1.900e+27"_s << u"0.7"_s;
    QTest::newRow("sixth picture shows Saturn")
        << u"img6"_s << u"Saturn"_s << QString() << QString() << u"5.688e+26"_s << u"1.4"_s;
    QTest::newRow("seventh picture shows Uranus")
        << u"img7"_s << u"Uranus"_s << u"Discovered by William Herschel"_s
        << u"Date of discovery 1781"_s << u"8.686e+25"_s << u"1.2"_s;
    QTest::newRow("eighth picture shows Neptune")
        << u"img8"_s << u"Neptune"_s << u"Discovered by Johann Gottfried Galle"_s
        << u"Date of discovery September 23, 1846"_s << u"1.024e+26"_s << u"1-3"_s;
    QTest::newRow("ninth picture shows Pluto")
        << u"img9"_s << u"Pluto"_s << u"Discovered by Clyde W. Tombaugh"_s
        << u"Date of discovery February 18, 1930"_s << u"1.27e+22"_s << u"-"_s;
}

void tst_PictureSelection::clickShowsPlanet()
{
    QFETCH(QString, picture);
    QFETCH(QString, name);
    QFETCH(QString, discoverer);
    QFETCH(QString, date);
    QFETCH(QString, mass);
    QFETCH(QString, pressure);
    click(picture);
    QCOMPARE(label(u"lblName"_s)->text(), name);
    QCOMPARE(label(u"dis"_s)->text(), discoverer);
    QCOMPARE(label(u"dat"_s)->text(), date);
    QCOMPARE(box(1)->text(), mass);
    QCOMPARE(box(22)->text(), pressure);
    for (int fact = 1; fact <= 22; ++fact)
        QVERIFY2(!box(fact)->text().isEmpty(), qPrintable(QString::number(fact)));
}

void tst_PictureSelection::plutoShowsDashesWhereItHasNoValue()
{
    click(u"img9"_s);
    for (int fact = 1; fact <= 22; ++fact) {
        const bool missing = fact == 8 || (fact >= 19 && fact <= 22);
        QCOMPARE(box(fact)->text() == u"-"_s, missing);
    }
}

void tst_PictureSelection::textsAreWrittenAsStored_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<int>("fact");
    QTest::addColumn<QString>("expected");
    QTest::newRow("Venus mass keeps its leading point and trailing blank")
        << u"img2"_s << 2 << u".81476 "_s;
    QTest::newRow("Neptune temperature range is not a number")
        << u"img8"_s << 20 << u"-193 to -153\u00b0C"_s;
    QTest::newRow("Earth inclination keeps its zeros") << u"img3"_s << 14 << u"0.000"_s;
    QTest::newRow("Mars distance keeps its separators") << u"img44"_s << 6 << u"227,940,000"_s;
}

void tst_PictureSelection::textsAreWrittenAsStored()
{
    QFETCH(QString, picture);
    QFETCH(int, fact);
    QFETCH(QString, expected);
    click(picture);
    QCOMPARE(box(fact)->text(), expected);
}

void tst_PictureSelection::earlierPlanetBlanksTheDiscoveryLines()
{
    click(u"img7"_s);
    QVERIFY(!label(u"dis"_s)->text().isEmpty());
    click(u"img1"_s);
    QCOMPARE(label(u"dis"_s)->text(), QString());
    QCOMPARE(label(u"dat"_s)->text(), QString());
    QCOMPARE(label(u"lblName"_s)->text(), u"Mercury"_s);
}

void tst_PictureSelection::secondClickChangesNothing()
{
    click(u"img8"_s);
    const QStringList first = snapshot();
    const QRect nameBox = label(u"lblName"_s)->geometry();
    click(u"img8"_s);
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
    click(u"img9"_s);
    QList<int> expected;
    for (int fact = 1; fact <= 22; ++fact)
        expected << fact;
    QCOMPARE(order, expected);
}

void tst_PictureSelection::nameLabelGrowsAndShrinksFromItsCorner()
{
    QLabel *name = label(u"lblName"_s);
    const QPoint corner(148, 96);
    QCOMPARE(name->pos(), corner);
    click(u"img5"_s);
    const int jupiterWidth = name->width();
    QCOMPARE(name->pos(), corner);
    QCOMPARE(jupiterWidth, name->fontMetrics().horizontalAdvance(u"Jupiter"_s));
    click(u"img44"_s);
    QCOMPARE(name->pos(), corner);
    QVERIFY2(name->width() < jupiterWidth, "Mars is shorter than Jupiter");
    QCOMPARE(name->height(), name->fontMetrics().height());

    QLabel *discoverer = label(u"dis"_s);
    click(u"img8"_s);
    QCOMPARE(discoverer->pos(), QPoint(128, 128));
    QCOMPARE(discoverer->width(),
             discoverer->fontMetrics().horizontalAdvance(u"Discovered by Johann Gottfried Galle"_s));
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
