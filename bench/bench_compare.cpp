// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "catalogue/catalogue.h"
#include "compare/barchart.h"
#include "compare/comparewindow.h"
#include "runtime/runtime.h"

#include <QApplication>
#include <QTableWidget>
#include <QTest>

#include <memory>

// The Compare Planets window from nothing to its first complete paint, beside its floor: a
// bare QTableWidget window holding the same 198 texts under the same headers, built and
// painted the same way in the same run. And the repaint after another fact is chosen.
class bench_Compare : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        runtime::initialise(*static_cast<QApplication *>(QCoreApplication::instance()));
        // Whichever window came first would pay alone for what both share: the style's
        // caches, the glyphs of the texts and the headers.
        QVERIFY(buildAndPaint(true));
        QVERIFY(buildAndPaint(false));
    }

    void firstPaint_data()
    {
        QTest::addColumn<bool>("floor");
        QTest::newRow("floor: a QTableWidget with the 198 texts") << true;
        QTest::newRow("the Compare Planets window") << false;
    }

    void firstPaint()
    {
        QFETCH(bool, floor);
        QBENCHMARK {
            QVERIFY(buildAndPaint(floor));
        }
    }

    void anotherFact_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("second");
        QTest::newRow("masses and mean temperatures alternately") << 1 << 20;
        QTest::newRow("rotation in days and pressures alternately") << 9 << 22;
    }

    // From the new current row to the chart painted again, as the arrow keys do it.
    void anotherFact()
    {
        QFETCH(int, first);
        QFETCH(int, second);
        CompareWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *chart = window.findChild<BarChart *>();
        bool flip = false;
        QBENCHMARK {
            window.chooseFact(flip ? first : second);
            flip = !flip;
            chart->repaint();
        }
    }

private:
    // Builds the window, shows it and paints it whole; false if it never came up.
    static bool buildAndPaint(bool floor)
    {
        const std::unique_ptr<QWidget> window
            = floor ? floorWindow() : std::make_unique<CompareWindow>();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            return false;
        window->repaint();
        return true;
    }

    static std::unique_ptr<QWidget> floorWindow()
    {
        auto table = std::make_unique<QTableWidget>(catalogue::factCount, catalogue::planetCount);
        for (int record = 1; record <= catalogue::planetCount; ++record) {
            table->setHorizontalHeaderItem(
                record - 1, new QTableWidgetItem(catalogue::planet(record).name.toString()));
            for (int fact = 1; fact <= catalogue::factCount; ++fact) {
                table->setItem(fact - 1, record - 1,
                    new QTableWidgetItem(catalogue::planet(record).facts[fact - 1].toString()));
            }
        }
        for (int fact = 1; fact <= catalogue::factCount; ++fact) {
            table->setVerticalHeaderItem(
                fact - 1, new QTableWidgetItem(catalogue::factCaption(fact).toString()));
        }
        table->resize(1000, 660);
        return table;
    }
};

QTEST_MAIN(bench_Compare)
#include "bench_compare.moc"
