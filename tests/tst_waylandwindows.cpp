// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "about/aboutwindow.h"
#include "app/mainwindow.h"
#include "app/menucommands.h"
#include "app/start.h"
#include "compare/barchart.h"
#include "compare/comparewindow.h"
#include "runtime/runtime.h"
#include "testsupport.h"
#include "weight/weightwindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace Qt::StringLiterals;

// The four windows on a real Wayland compositor: each must be mapped by the compositor, and
// the user's clicks and keys must do there what they do everywhere. Run by smoke_wayland.sh
// under a headless compositor; it fails anywhere else rather than pass on another platform.
class tst_WaylandWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void pictureShowsItsPlanet_data();
    void pictureShowsItsPlanet();
    void ctrlWOpensTheWeightWindow();
    void ctrlHOpensTheAboutWindow();
    void ctrlTOpensTheComparison();
    void ctrlQSaysGoodbyeAndEnds();

private:
    void press(QWidget *window, Qt::Key key);

    MainWindow *m_main = nullptr;
};

void tst_WaylandWindows::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), u"wayland"_s);
    initialiseRuntimeForTests();
    m_main = new MainWindow;
    sivane::placeMainWindow(m_main);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
}

void tst_WaylandWindows::cleanupTestCase()
{
    delete frmChange.window();
    delete frmAbout.window();
    delete frmCompare.window();
    delete m_main;
    runtime::resetHooks();
}

// A headless compositor has no keyboard, so it gives no window the focus; the window that
// receives the key is made the active one, as a click on it would make it on a desktop.
void tst_WaylandWindows::press(QWidget *window, Qt::Key key)
{
    QApplication::setActiveWindow(window);
    QCOMPARE(QApplication::activeWindow(), window);
    QTest::keyClick(window, key, Qt::ControlModifier);
}

void tst_WaylandWindows::pictureShowsItsPlanet_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("mass");
    QTest::newRow("img3 shows Earth") << u"img3"_s << u"Earth"_s << u"5.976e+24"_s;
    QTest::newRow("img1 shows Mercury") << u"img1"_s << u"Mercury"_s << u"3.303e+23"_s;
}

void tst_WaylandWindows::pictureShowsItsPlanet()
{
    QFETCH(QString, picture);
    QFETCH(QString, name);
    QFETCH(QString, mass);
    QCOMPARE(clickPicture(m_main, picture), name);
    QCOMPARE(m_main->findChild<QLineEdit *>(u"txt1"_s)->text(), mass);
}

void tst_WaylandWindows::ctrlWOpensTheWeightWindow()
{
    press(m_main, Qt::Key_W);
    QWidget *weight = frmChange.window();
    QVERIFY2(weight, "Ctrl+W opened no weight window");
    QVERIFY(QTest::qWaitForWindowExposed(weight));
    auto *typed = weight->findChild<QLineEdit *>(u"Text1"_s);
    QVERIFY(typed);
    QApplication::setActiveWindow(weight);
    QTest::keyClicks(typed, u"70"_s);
    QCOMPARE(weight->findChild<QLineEdit *>(u"Text2"_s)->text(), u"25.9"_s);
}

void tst_WaylandWindows::ctrlHOpensTheAboutWindow()
{
    press(m_main, Qt::Key_H);
    QWidget *about = frmAbout.window();
    QVERIFY2(about, "Ctrl+H opened no About window");
    QVERIFY(QTest::qWaitForWindowExposed(about));
    QVERIFY(frmChange.window() && frmChange.window()->isVisible());
}

void tst_WaylandWindows::ctrlTOpensTheComparison()
{
    m_main->findChild<QLineEdit *>(u"txt3"_s)->setFocus();
    press(m_main, Qt::Key_T);
    CompareWindow *compare = frmCompare.window();
    QVERIFY2(compare, "Ctrl+T opened no Compare Planets window");
    QVERIFY(QTest::qWaitForWindowExposed(compare));
    auto *chart = compare->findChild<BarChart *>();
    QCOMPARE(chart->factCaption(), u"Equatorial radius (km)"_s);
    QApplication::setActiveWindow(compare);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(chart->factCaption(), u"Equatorial radius (Earth = 1)"_s);
}

void tst_WaylandWindows::ctrlQSaysGoodbyeAndEnds()
{
    RuntimeRecorder recorder(RuntimeRecorder::MessageBox::Real);
    const QList<int> &endCodes = recorder.exitCodes;

    // The real box is modal; a timer plays the user once the compositor shows it.
    QString prompt;
    QTimer user;
    user.setInterval(50);
    connect(&user, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !prompt.isEmpty() || !box->windowHandle() || !box->windowHandle()->isExposed())
            return;
        prompt = box->text();
        QApplication::setActiveWindow(box);
        QTest::keyClick(box, Qt::Key_Return);
    });
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, this, [] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
            box->done(0);
    });
    user.start();
    watchdog.start(10000);

    press(m_main, Qt::Key_Q);

    QVERIFY2(prompt.startsWith(u"Thank You For Your Visit."_s), qPrintable(prompt));
    QCOMPARE(endCodes, QList<int>({ 0 }));
    QVERIFY(!m_main->isVisible());
}

QTEST_MAIN(tst_WaylandWindows)
#include "tst_waylandwindows.moc"
