// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "app/mainwindow.h"
#include "runtime/runtime.h"

#include <QApplication>
#include <QTest>

// One planet click: the 25 writes and the relayout they cause, and with the repaint of the
// whole window that follows on screen.
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
        QTest::addColumn<bool>("paint");
        QTest::newRow("Mercury and Neptune alternately") << 1 << 8 << false;
        QTest::newRow("same planet twice") << 5 << 5 << false;
        QTest::newRow("Mercury and Neptune, with the repaint") << 1 << 8 << true;
    }

    void click()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(bool, paint);
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        bool flip = false;
        QBENCHMARK {
            window.showPlanet(flip ? first : second);
            flip = !flip;
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            if (paint)
                window.repaint();
        }
    }
};

QTEST_MAIN(bench_PlanetClick)
#include "bench_planetclick.moc"
