// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "app/menucommands.h"
#include "runtime/runtime.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

const QString goodbye
    = u"Thank You For Your Visit. Contact Me About My Mistake. tessaro.valdine@example.org"_s;

// How the user chooses a command: by its shortcut key on the main window or from its menu.
enum class Via { Shortcut, Menu };

QWidget *formWindow(const QString &form)
{
    if (form == u"frmChange"_s)
        return frmChange.window();
    return frmAbout.window();
}

// Every window of a kind that exists, shown or not; a closed window is gone at once.
QWidgetList windowsOfKind(const char *className)
{
    QWidgetList found;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->inherits(className))
            found << w;
    }
    return found;
}

const char *classOf(const QString &form)
{
    return form == u"frmChange"_s ? "WeightWindow" : "AboutWindow";
}

} // namespace

class tst_MenuCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void commandShowsOneIndependentWindow_data();
    void commandShowsOneIndependentWindow();
    void closedWindowReopensInItsInitialState_data();
    void closedWindowReopensInItsInitialState();
    void allWindowsAcceptInputSideBySide();
    void exitSaysGoodbyeThenEnds_data();
    void exitSaysGoodbyeThenEnds();
    void goodbyeBoxIsDismissedAnyWay_data();
    void goodbyeBoxIsDismissedAnyWay();
    void programEndsWithItsLastWindow_data();
    void programEndsWithItsLastWindow();

private:
    void choose(const QString &action, Qt::Key key, Via via);
    void closeAndUnload(const QString &form);

    std::unique_ptr<Shown<MainWindow>> m_main;
};

void tst_MenuCommands::initTestCase()
{
    initialiseRuntimeForTests();
}

// The form objects are program-wide, so each test starts with both windows unloaded.
void tst_MenuCommands::init()
{
    QVERIFY(!frmChange.window());
    QVERIFY(!frmAbout.window());
    m_main = std::make_unique<Shown<MainWindow>>();
    QVERIFY(m_main->exposed());
}

void tst_MenuCommands::cleanup()
{
    delete frmChange.window();
    delete frmAbout.window();
    m_main.reset();
}

void tst_MenuCommands::choose(const QString &action, Qt::Key key, Via via)
{
    if (via == Via::Menu) {
        auto *item = m_main->findChild<QAction *>(action);
        QVERIFY2(item, qPrintable(action));
        item->trigger();
        return;
    }
    // A shortcut of the main window works while the main window is the active one.
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    QTest::keyClick(m_main.get(), key, Qt::ControlModifier);
}

void tst_MenuCommands::closeAndUnload(const QString &form)
{
    QPointer<QWidget> window = formWindow(form);
    QVERIFY(window);
    QVERIFY(window->close());
    QTRY_VERIFY(!window);
}

void tst_MenuCommands::commandShowsOneIndependentWindow_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Via>("via");
    QTest::addColumn<QString>("form");
    QTest::newRow("Ctrl+W shows the weight window")
        << u"change"_s << Qt::Key_W << Via::Shortcut << u"frmChange"_s;
    QTest::newRow("Tools > Change Weight shows the weight window")
        << u"change"_s << Qt::Key_W << Via::Menu << u"frmChange"_s;
    QTest::newRow("Ctrl+H shows the About window")
        << u"us"_s << Qt::Key_H << Via::Shortcut << u"frmAbout"_s;
    QTest::newRow("About > About Me shows the About window")
        << u"us"_s << Qt::Key_H << Via::Menu << u"frmAbout"_s;
}

void tst_MenuCommands::commandShowsOneIndependentWindow()
{
    QFETCH(QString, action);
    QFETCH(Qt::Key, key);
    QFETCH(Via, via);
    QFETCH(QString, form);

    choose(action, key, via);
    QPointer<QWidget> window = formWindow(form);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->objectName(), form);
    QVERIFY2(!window->parentWidget(), "the window has an owner");
    QVERIFY2(!window->windowHandle()->transientParent(), "the window is tied to another");
    QCOMPARE(window->windowModality(), Qt::NonModal);
    QTRY_COMPARE(QApplication::activeWindow(), window.data());

    choose(action, key, via);
    QCOMPARE(formWindow(form), window.data());
    QCOMPARE(windowsOfKind(classOf(form)).size(), 1);
    QVERIFY(window->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), window.data());
    QVERIFY(m_main->isVisible());
}

void tst_MenuCommands::closedWindowReopensInItsInitialState_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("typed"); // typed into the window's Text1 before it is closed
    QTest::newRow("weight window, emptied") << u"change"_s << u"frmChange"_s << u"70"_s;
    QTest::newRow("About window") << u"us"_s << u"frmAbout"_s << QString();
}

void tst_MenuCommands::closedWindowReopensInItsInitialState()
{
    QFETCH(QString, action);
    QFETCH(QString, form);
    QFETCH(QString, typed);
    choose(action, Qt::Key_unknown, Via::Menu);
    QPointer<QWidget> first = formWindow(form);
    QVERIFY(first);
    if (!typed.isEmpty()) {
        QTest::keyClicks(first->findChild<QLineEdit *>(u"Text1"_s), typed);
        QVERIFY(!first->findChild<QLineEdit *>(u"Text2"_s)->text().isEmpty());
    }

    closeAndUnload(form);
    choose(action, Qt::Key_unknown, Via::Menu);
    QWidget *reopened = formWindow(form);
    QVERIFY(reopened);
    QVERIFY(reopened->isVisible());
    QCOMPARE(windowsOfKind(classOf(form)).size(), 1);
    for (const QLineEdit *box : reopened->findChildren<QLineEdit *>())
        QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
}

void tst_MenuCommands::allWindowsAcceptInputSideBySide()
{
    choose(u"change"_s, Qt::Key_W, Via::Shortcut);
    choose(u"us"_s, Qt::Key_H, Via::Shortcut);
    QWidget *weight = frmChange.window();
    QWidget *about = frmAbout.window();
    QVERIFY(weight && about);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    weight->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(weight));
    QTest::keyClicks(weight->findChild<QLineEdit *>(u"Text1"_s), u"70"_s);
    const QString result = weight->findChild<QLineEdit *>(u"Text2"_s)->text();
    QVERIFY(!result.isEmpty());

    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    QTest::mouseClick(m_main->findChild<QWidget *>(u"img3"_s), Qt::LeftButton);
    QCOMPARE(m_main->findChild<QLabel *>(u"lblName"_s)->text(), u"Earth"_s);

    about->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(about));
    QVERIFY(weight->isVisible() && m_main->isVisible());
    QCOMPARE(weight->findChild<QLineEdit *>(u"Text2"_s)->text(), result);
}

void tst_MenuCommands::exitSaysGoodbyeThenEnds_data()
{
    QTest::addColumn<Via>("via");
    QTest::addColumn<bool>("othersOpen");
    QTest::newRow("Ctrl+Q with every window open") << Via::Shortcut << true;
    QTest::newRow("File > Exit with every window open") << Via::Menu << true;
    QTest::newRow("Ctrl+Q with the main window alone") << Via::Shortcut << false;
}

void tst_MenuCommands::exitSaysGoodbyeThenEnds()
{
    QFETCH(Via, via);
    QFETCH(bool, othersOpen);
    if (othersOpen) {
        choose(u"change"_s, Qt::Key_W, Via::Menu);
        choose(u"us"_s, Qt::Key_H, Via::Menu);
    }
    const auto visibleWindows = [] {
        int visible = 0;
        for (const QWidget *w : QApplication::topLevelWidgets())
            visible += w->isVisible() ? 1 : 0;
        return visible;
    };

    QStringList events;
    RuntimeRecorder recorder;
    recorder.onEvent = [&](const char *what) {
        events << u"%1 with %2 windows open"_s.arg(QLatin1String(what)).arg(visibleWindows());
    };
    choose(u"exit"_s, Qt::Key_Q, via);

    const int open = othersOpen ? 3 : 1;
    QCOMPARE(events,
        QStringList({ u"box with %1 windows open"_s.arg(open), u"end with 0 windows open"_s }));
    QCOMPARE(recorder.exitCodes, QList<int>({ 0 }));
    // What the box says is checked on the real box by goodbyeBoxIsDismissedAnyWay.
    QCOMPARE(recorder.boxes.size(), 1);

    // Once the program is ending no handler runs, so nothing opens again.
    choose(u"change"_s, Qt::Key_W, Via::Menu);
    choose(u"us"_s, Qt::Key_H, Via::Menu);
    QCOMPARE(visibleWindows(), 0);
    QCOMPARE(events.size(), 2);
}

void tst_MenuCommands::goodbyeBoxIsDismissedAnyWay_data()
{
    QTest::addColumn<int>("key"); // 0: the box's close button
    QTest::newRow("dismissed with Enter") << int(Qt::Key_Enter);
    QTest::newRow("dismissed with Return") << int(Qt::Key_Return);
    QTest::newRow("dismissed with Esc") << int(Qt::Key_Escape);
    QTest::newRow("dismissed with the close button") << 0;
}

void tst_MenuCommands::goodbyeBoxIsDismissedAnyWay()
{
    QFETCH(int, key);
    choose(u"us"_s, Qt::Key_H, Via::Menu);
    RuntimeRecorder recorder(RuntimeRecorder::MessageBox::Real);

    // The user dismisses the real box while exec() waits inside it.
    QString prompt, title;
    QStringList buttons;
    bool isDefault = false, iconless = false, appModal = false;
    const MessageBoxUser user([&](QMessageBox *box) {
        prompt = box->text();
        title = box->windowTitle();
        for (const QAbstractButton *button : box->buttons())
            buttons << button->text();
        isDefault = buttons.size() == 1 && box->defaultButton() == box->buttons().first();
        iconless = box->icon() == QMessageBox::NoIcon;
        appModal = box->windowModality() == Qt::ApplicationModal;
        if (key)
            QTest::keyClick(box, Qt::Key(key));
        else
            box->close();
    });

    choose(u"exit"_s, Qt::Key_Q, Via::Menu);

    QVERIFY2(user.seen(), "no goodbye box appeared");
    QVERIFY2(!user.stuck(), "the box stayed open");
    QCOMPARE(recorder.exitCodes, QList<int>({ 0 }));
    QCOMPARE(prompt, goodbye);
    QCOMPARE(title, u"Sivane"_s);
    QCOMPARE(buttons, QStringList({ u"OK"_s }));
    QVERIFY(isDefault);
    QVERIFY(iconless);
    QVERIFY(appModal);
    QVERIFY(!m_main->isVisible());
    QVERIFY(!frmAbout.window() || !frmAbout.window()->isVisible());
}

void tst_MenuCommands::programEndsWithItsLastWindow_data()
{
    QTest::addColumn<QStringList>("closeOrder");
    QTest::newRow("main window first, About window last")
        << QStringList { u"MAIN"_s, u"frmAbout"_s };
    QTest::newRow("main window first, weight window last")
        << QStringList { u"MAIN"_s, u"frmChange"_s };
    QTest::newRow("main, About, then weight window")
        << QStringList { u"MAIN"_s, u"frmAbout"_s, u"frmChange"_s };
    QTest::newRow("About window first, main window last")
        << QStringList { u"frmAbout"_s, u"MAIN"_s };
}

void tst_MenuCommands::programEndsWithItsLastWindow()
{
    QFETCH(QStringList, closeOrder);
    if (closeOrder.contains(u"frmChange"_s))
        choose(u"change"_s, Qt::Key_W, Via::Menu);
    if (closeOrder.contains(u"frmAbout"_s))
        choose(u"us"_s, Qt::Key_H, Via::Menu);
    QPointer<QWidget> main = m_main.get();

    // The user closes one window after the other while the real event loop runs; the loop
    // must keep running until the last one is closed, and end then.
    QStringList closed;
    QTimer user;
    user.setInterval(100);
    connect(&user, &QTimer::timeout, this, [&] {
        if (closed.size() == closeOrder.size())
            return;
        const QString next = closeOrder.at(closed.size());
        QWidget *window = next == u"MAIN"_s ? main.data() : formWindow(next);
        if (window)
            window->close();
        closed << next;
    });
    bool stuck = false;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, this, [&] {
        stuck = true;
        QCoreApplication::exit(99);
    });
    user.start();
    watchdog.start(10000);

    const int code = QCoreApplication::exec();

    QVERIFY2(!stuck, "the program did not end after its last window closed");
    QCOMPARE(code, 0);
    QCOMPARE(closed, closeOrder);
    // The main window is only hidden by closing it, and a hidden window keeps nothing alive.
    QVERIFY(main);
    QVERIFY(!main->isVisible());
}

QTEST_MAIN(tst_MenuCommands)
#include "tst_menucommands.moc"
