// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "app/mainwindow.h"
#include "runtime/runtime.h"

#include <QApplication>
#include <QTest>

// One planet click: the 25 writes and the relayout and repaint they cause.
class bench_PlanetClick : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        runtime::initialise(*static_cast<QApplication *>(QCoreApplication::instance()));
    }

    void click_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("Mercury and Neptune alternately") << 1 << 8;
        QTest::newRow("same planet twice") << 5 << 5;
    }

    void click()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        bool flip = false;
        QBENCHMARK {
            window.showPlanet(flip ? first : second);
            flip = !flip;
            window.repaint();
        }
    }
};

QTEST_MAIN(bench_PlanetClick)
#include "bench_planetclick.moc"
