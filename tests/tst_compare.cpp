// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "app/menucommands.h"
#include "compare/barchart.h"
#include "compare/comparewindow.h"
#include "runtime/textcolour.h"
#include "testsupport.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {

// The window's chart and table, and the chart as a screen reader reads it.
struct Compare : Shown<CompareWindow>
{
    BarChart *chart() const { return child<BarChart>(u"chtFacts"_s); }
    QTableView *table() const { return child<QTableView>(u"tblFacts"_s); }
    QCheckBox *logarithmic() const { return child<QCheckBox>(u"chkLogarithmic"_s); }
    QStringList spoken(QAccessible::Text what) const
    {
        QAccessibleInterface *chart = QAccessible::queryAccessibleInterface(this->chart());
        QStringList texts;
        for (int i = 0; i < chart->childCount(); ++i)
            texts << chart->child(i)->text(what);
        return texts;
    }
};

// The longest run of pixels along a line of the rows that stands out at 3:1 or more from the
// background: a bar's length, or a range's edge, where text makes only short runs.
int longestRun(const QImage &image, int top, int bottom, const QColor &background)
{
    int longest = 0;
    for (int y = top; y < bottom; ++y) {
        int run = 0;
        for (int x = 0; x < image.width(); ++x) {
            run = runtime::contrastRatio(image.pixelColor(x, y), background) >= 3.0 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

} // namespace

class tst_Compare : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initialiseRuntimeForTests(); }
    void cleanup() { delete frmCompare.window(); }

    void scaleFollowsTheValues_data();
    void scaleFollowsTheValues();
    void barsStandInTheChosenOrder_data();
    void barsStandInTheChosenOrder();
    void barsStandOutAndMissingValuesHaveNone_data();
    void barsStandOutAndMissingValuesHaveNone();
    void copiedCellsPasteAsATable_data();
    void copiedCellsPasteAsATable();
    void tableIsReadAsATable();
    void keyboardReachesEverythingAndTheChartFollows();
    void factBoxesOpenTheWindowWithTheirFact_data();
    void factBoxesOpenTheWindowWithTheirFact();
};

void tst_Compare::scaleFollowsTheValues_data()
{
    QTest::addColumn<int>("fact");
    QTest::addColumn<bool>("logarithmic");
    QTest::addColumn<bool>("switchable");
    QTest::newRow("masses span five powers of ten") << 1 << true << true;
    QTest::newRow("radii span less than a hundredfold") << 3 << false << true;
    QTest::newRow("distances span just over a hundredfold") << 7 << true << true;
    QTest::newRow("rotation in days has retrograde values") << 9 << false << true;
    QTest::newRow("orbital periods") << 10 << true << true;
    QTest::newRow("a zero tilt cannot be drawn logarithmic") << 13 << false << false;
    QTest::newRow("magnitudes below zero") << 18 << false << false;
    QTest::newRow("pressures with a range") << 22 << true << true;
}

void tst_Compare::scaleFollowsTheValues()
{
    QFETCH(int, fact);
    QFETCH(bool, logarithmic);
    QFETCH(bool, switchable);
    Compare window;
    QVERIFY(window.exposed());
    window.chooseFact(fact);
    const QString caption = catalogue::factCaption(fact).toString();
    const QString scale = logarithmic ? u"logarithmic scale"_s : u"linear scale"_s;
    QCOMPARE(QAccessible::queryAccessibleInterface(window.chart())->text(QAccessible::Name),
        caption + u", "_s + scale);
    QCOMPARE(window.logarithmic()->isChecked(), logarithmic);
    QCOMPARE(window.logarithmic()->isEnabled(), switchable);
    if (switchable) {
        QTest::mouseClick(window.logarithmic(), Qt::LeftButton);
        QCOMPARE(window.chart()->isLogarithmic(), !logarithmic);
    }
}

void tst_Compare::barsStandInTheChosenOrder_data()
{
    QTest::addColumn<int>("fact");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("descriptions");
    const QString retro = u"retrograde rotation"_s;
    QTest::newRow("catalogue order keeps a trailing blank")
        << 2 << 0
        << QStringList { u"Mercury: 5.5271e-02"_s, u"Venus: .81476 "_s, u"Earth: 1.0000e+00"_s,
               u"Mars: 1.0745e-01"_s, u"Jupiter: 3.1794e+02"_s, u"Saturn: 9.5181e+01"_s,
               u"Uranus: 1.4535e+01"_s, u"Neptune: 1.7135e+01"_s, u"Pluto: 2.125e-03"_s }
        << QStringList(9);
    QTest::newRow("retrograde periods by their length, largest first, no value last")
        << 9 << 2
        << QStringList { u"Venus: -243.0187"_s, u"Mercury: 58.6462"_s, u"Pluto: -6.3872"_s,
               u"Mars: 1.025957"_s, u"Earth: 0.99727"_s, u"Jupiter: 0.41354"_s,
               u"Saturn: no value"_s, u"Uranus: no value"_s, u"Neptune: no value"_s }
        << QStringList { retro, {}, retro, {}, {}, {}, {}, {}, {} };
    QTest::newRow("temperatures smallest first, a range by its middle")
        << 20 << 1
        << QStringList { u"Uranus: -193°C"_s, u"Neptune: -193 to -153°C"_s, u"Saturn: -125°C"_s,
               u"Jupiter: -121°C"_s, u"Mars: -63°C"_s, u"Earth: 15°C"_s, u"Mercury: 179°C"_s,
               u"Venus: 482°C"_s, u"Pluto: no value"_s }
        << QStringList { {}, u"range"_s, {}, {}, {}, {}, {}, {}, {} };
}

void tst_Compare::barsStandInTheChosenOrder()
{
    QFETCH(int, fact);
    QFETCH(int, order);
    QFETCH(QStringList, names);
    QFETCH(QStringList, descriptions);
    Compare window;
    QVERIFY(window.exposed());
    window.chooseFact(fact);
    window.child<QComboBox>(u"cboOrder"_s)->setCurrentIndex(order);
    QCOMPARE(window.spoken(QAccessible::Name), names);
    QCOMPARE(window.spoken(QAccessible::Description), descriptions);
    // The table keeps the catalogue's order whatever the chart's.
    QCOMPARE(window.table()->model()->headerData(0, Qt::Horizontal).toString(), u"Mercury"_s);
}

void tst_Compare::barsStandOutAndMissingValuesHaveNone_data()
{
    QTest::addColumn<QPalette>("palette");
    QPalette faint = colourScheme(u"light"_s);
    faint.setColor(QPalette::Highlight, QColor(255, 250, 205));
    for (const QString &scheme : { u"light"_s, u"dark"_s, u"high contrast"_s })
        QTest::newRow(qPrintable(scheme)) << colourScheme(scheme);
    QTest::newRow("a highlight too faint to stand out") << faint;
}

// Pressures: seven bars, one of them a range, and two planets without a value.
void tst_Compare::barsStandOutAndMissingValuesHaveNone()
{
    QFETCH(QPalette, palette);
    Compare window;
    window.setPalette(palette);
    QVERIFY(window.exposed());
    window.chooseFact(22);
    const QImage image = window.chart()->grab().toImage();
    const QColor background = palette.color(QPalette::Base);
    const double scale = image.devicePixelRatio();
    const int minimum = int(40 * scale);
    for (int position = 0; position < 9; ++position) {
        const QRect row = window.chart()->barRow(position);
        const int run
            = longestRun(image, int(row.top() * scale), int(row.bottom() * scale), background);
        const QString name = window.chart()->barName(position);
        QVERIFY2(name.endsWith(u"no value"_s) ? run < minimum : run >= minimum, qPrintable(name));
    }
}

void tst_Compare::copiedCellsPasteAsATable_data()
{
    QTest::addColumn<QList<QPoint>>("cells"); // (column, row)
    QTest::addColumn<QString>("copied");
    QTest::newRow("a block, a trailing blank kept")
        << QList<QPoint> { { 1, 0 }, { 2, 0 }, { 1, 1 }, { 2, 1 } }
        << u"\tVenus\tEarth\nMass (kg)\t4.869e+24\t5.976e+24\n"
           u"Mass (Earth = 1)\t.81476 \t1.0000e+00\n"_s;
    QTest::newRow("a cell without a value")
        << QList<QPoint> { { 8, 7 } } << u"\tPluto\nRotational period (hours)\t-\n"_s;
    QTest::newRow("cells apart leave the others empty")
        << QList<QPoint> { { 0, 0 }, { 7, 19 } }
        << u"\tMercury\tNeptune\nMass (kg)\t3.303e+23\t\n"
           u"Mean surface temperature\t\t-193 to -153°C\n"_s;
}

void tst_Compare::copiedCellsPasteAsATable()
{
    QFETCH(QList<QPoint>, cells);
    QFETCH(QString, copied);
    Compare window;
    QVERIFY(window.exposed());
    QItemSelectionModel *selection = window.table()->selectionModel();
    selection->clear();
    for (const QPoint &cell : cells)
        selection->select(
            window.table()->model()->index(cell.y(), cell.x()), QItemSelectionModel::Select);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(window.table(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    // The context menu's Copy does the same.
    QGuiApplication::clipboard()->clear();
    window.table()->actions().first()->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
}

// Cells, their row and column headers, and a missing value, as a screen reader is told them;
// the row headers are the main window's captions, exactly.
void tst_Compare::tableIsReadAsATable()
{
    Compare window;
    Shown<MainWindow> main;
    QVERIFY(window.exposed());
    QAccessibleInterface *view = QAccessible::queryAccessibleInterface(window.table());
    QAccessibleTableInterface *table = view->tableInterface();
    QVERIFY(table);
    QStringList rowHeaders;
    QStringList columnHeaders;
    for (int i = 0; i < view->childCount(); ++i) {
        QAccessibleInterface *child = view->child(i);
        if (child->role() == QAccessible::RowHeader)
            rowHeaders << child->text(QAccessible::Name);
        else if (child->role() == QAccessible::ColumnHeader)
            columnHeaders << child->text(QAccessible::Name);
    }
    QStringList captions;
    for (int label = 2; label <= 23; ++label)
        captions << main.child<QLabel>(u"Label"_s + QString::number(label))->text();
    QCOMPARE(rowHeaders, captions);
    QCOMPARE(columnHeaders.join(u' '),
        u"Mercury Venus Earth Mars Jupiter Saturn Uranus Neptune Pluto"_s);
    QAccessibleInterface *missing = table->cellAt(7, 0); // Mercury's rotation in hours
    QCOMPARE(missing->text(QAccessible::Name), u"-"_s);
    QCOMPARE(missing->text(QAccessible::Description), u"no value"_s);
    QCOMPARE(window.table()->model()->index(7, 0).data(Qt::ToolTipRole).toString(), u"no value"_s);
    QCOMPARE(table->cellAt(1, 1)->text(QAccessible::Name), u".81476 "_s);
}

void tst_Compare::keyboardReachesEverythingAndTheChartFollows()
{
    RuntimeRecorder recorder;
    Compare window;
    QVERIFY(window.exposed());
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), window.table());
    for (int i = 0; i < 9; ++i)
        QTest::keyClick(window.table(), Qt::Key_Down);
    QCOMPARE(window.chart()->fact(), 9);
    QCOMPARE(window.child<QLabel>(u"lblFact"_s)->text(), u"Orbital period (days)"_s);
    QCOMPARE(recorder.announcements.size(), 9); // one a fact
    QCOMPARE(recorder.announcements.last(), u"Orbital period (days), logarithmic scale"_s);
    // Tab leaves the table at once, and comes back to it past every control.
    const QStringList order { u"cboOrder"_s, u"chkLogarithmic"_s, u"chtFacts"_s, u"tblFacts"_s };
    for (const QString &next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
    window.chart()->setFocus();
    QTest::keyClick(window.chart(), Qt::Key_End);
    QAccessibleInterface *focused
        = QAccessible::queryAccessibleInterface(window.chart())->focusChild();
    QVERIFY(focused);
    QCOMPARE(focused->text(QAccessible::Name), u"Pluto: 90717.1"_s);
}

void tst_Compare::factBoxesOpenTheWindowWithTheirFact_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("viaMenu");
    QTest::addColumn<int>("fact");
    QTest::newRow("Ctrl+T in the fifth box") << u"txt5"_s << false << 5;
    QTest::newRow("Ctrl+T with no box focused") << QString() << false << 1;
    QTest::newRow("the last box's context menu") << u"txt22"_s << true << 22;
}

void tst_Compare::factBoxesOpenTheWindowWithTheirFact()
{
    QFETCH(QString, box);
    QFETCH(bool, viaMenu);
    QFETCH(int, fact);
    RuntimeRecorder recorder;
    Shown<MainWindow> main;
    QVERIFY(main.exposed());
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    compareAllPlanets(2); // already open: the same window comes to the front
    CompareWindow *first = frmCompare.window();
    QVERIFY(first);
    main.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&main));
    if (box.isEmpty())
        main.focusWidget()->clearFocus();
    else
        main.child(box)->setFocus();
    if (viaMenu) {
        auto *target = main.child<QLineEdit>(box);
        emit target->customContextMenuRequested(QPoint(2, 2));
        auto *menu = target->findChild<QMenu *>();
        QVERIFY(menu);
        QStringList entries;
        for (QAction *action : menu->actions())
            entries << action->text().remove(u'&').section(u'\t', 0, 0);
        QVERIFY2(entries.contains(u"Copy"_s) && entries.contains(u"Select All"_s),
            qPrintable(entries.join(u", "_s)));
        QCOMPARE(entries.last(), u"Compare All Planets"_s);
        menu->actions().last()->trigger();
        menu->close();
    } else {
        QTest::keyClick(&main, Qt::Key_T, Qt::ControlModifier);
    }
    QCOMPARE(frmCompare.window(), first);
    QCOMPARE(frmCompare.window()->findChild<BarChart *>()->fact(), fact - 1);
    QCOMPARE(frmCompare.window()->windowTitle(), u"Compare Planets"_s);
    QVERIFY(!frmCompare.window()->parentWidget());
    // Esc closes it, and the program's end closes it with the other windows.
    frmCompare.window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frmCompare.window()));
    QTest::keyClick(frmCompare.window(), Qt::Key_Escape);
    QTRY_VERIFY(!frmCompare.window());
    compareAllPlanets(3);
    exit_Click();
    QVERIFY(!frmCompare.window() || !frmCompare.window()->isVisible());
}

QTEST_MAIN(tst_Compare)
#include "tst_compare.moc"
