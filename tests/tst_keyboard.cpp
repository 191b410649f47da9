// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "app/menucommands.h"
#include "runtime/runtime.h"
#include "testsupport.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

// What the keyboard alone can do: choose every planet, and close the secondary windows.
class tst_Keyboard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initialiseRuntimeForTests(); }
    void init();
    void cleanup();

    void ctrlDigitChoosesPlanet_data();
    void ctrlDigitChoosesPlanet();
    void ctrlDigitActsOnlyInTheMainWindow();
    void escClosesSecondaryWindow_data();
    void escClosesSecondaryWindow();

private:
    QStringList shown() const;
    QWidget *activeForm(const QString &form);

    std::unique_ptr<Shown<MainWindow>> m_main;
};

// The form objects are program-wide, so each test starts with both windows unloaded.
void tst_Keyboard::init()
{
    runtime::resetHooks();
    QVERIFY(!frmChange.window());
    QVERIFY(!frmAbout.window());
    m_main = std::make_unique<Shown<MainWindow>>();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
}

void tst_Keyboard::cleanup()
{
    delete frmChange.window();
    delete frmAbout.window();
    m_main.reset();
    runtime::resetHooks();
}

QStringList tst_Keyboard::shown() const
{
    QStringList texts;
    for (const QString &name : { u"lblName"_s, u"dis"_s, u"dat"_s })
        texts << m_main->findChild<QLabel *>(name)->text();
    for (int fact = 1; fact <= 22; ++fact)
        texts << m_main->findChild<QLineEdit *>(u"txt"_s + QString::number(fact))->text();
    return texts;
}

// Opens a secondary window from the main window's menu and makes it the active one.
QWidget *tst_Keyboard::activeForm(const QString &form)
{
    if (form == u"frmChange"_s)
        change_Click();
    else
        us_Click();
    QWidget *window = form == u"frmChange"_s ? static_cast<QWidget *>(frmChange.window())
                                             : static_cast<QWidget *>(frmAbout.window());
    if (window) {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            return nullptr;
    }
    return window;
}

void tst_Keyboard::ctrlDigitChoosesPlanet_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    // clang-format off
    QTest::newRow("Ctrl+1 shows Mercury") << Qt::Key_1 << u"img1"_s << u"Mercury"_s << u"Mercury (Ctrl+1)"_s;
    QTest::newRow("Ctrl+2 shows Venus")   << Qt::Key_2 << u"img2"_s << u"Venus"_s << u"Venus (Ctrl+2)"_s;
    QTest::newRow("Ctrl+3 shows Earth")   << Qt::Key_3 << u"img3"_s << u"Earth"_s << u"Earth (Ctrl+3)"_s;
    QTest::newRow("Ctrl+4 shows Mars, the picture img44")
                                          << Qt::Key_4 << u"img44"_s << u"Mars"_s << u"Mars (Ctrl+4)"_s;
    QTest::newRow("Ctrl+5 shows Jupiter") << Qt::Key_5 << u"img5"_s << u"Jupiter"_s << u"Jupiter (Ctrl+5)"_s;
    QTest::newRow("Ctrl+6 shows Saturn")  << Qt::Key_6 << u"img6"_s << u"Saturn"_s << u"Saturn (Ctrl+6)"_s;
    QTest::newRow("Ctrl+7 shows Uranus")  << Qt::Key_7 << u"img7"_s << u"Uranus"_s << u"Uranus (Ctrl+7)"_s;
    QTest::newRow("Ctrl+8 shows Neptune") << Qt::Key_8 << u"img8"_s << u"Neptune"_s << u"Neptune (Ctrl+8)"_s;
    QTest::newRow("Ctrl+9 shows Pluto")   << Qt::Key_9 << u"img9"_s << u"Pluto"_s << u"Pluto (Ctrl+9)"_s;
    // clang-format on
}

void tst_Keyboard::ctrlDigitChoosesPlanet()
{
    QFETCH(Qt::Key, key);
    QFETCH(QString, picture);
    QFETCH(QString, name);
    QFETCH(QString, hint);

    // The picture names its key, to the eye and to assistive technology, and takes no focus.
    auto *target = m_main->findChild<QWidget *>(picture);
    QVERIFY2(target, qPrintable(picture));
    QCOMPARE(target->toolTip(), hint);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(target);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Description), hint);
    QCOMPARE(target->focusPolicy(), Qt::NoFocus);

    // The focus is in a fact box half-way down the tab order, and stays there.
    auto *focused = m_main->findChild<QLineEdit *>(u"txt14"_s);
    focused->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), focused);
    const RuntimeRecorder recorder;
    QTest::keyClick(focused, key, Qt::ControlModifier);
    QCOMPARE(m_main->findChild<QLabel *>(u"lblName"_s)->text(), name);
    // The name changes away from the focus, so screen readers are told it.
    QCOMPARE(recorder.announcements, QStringList { name });
    QCOMPARE(QApplication::focusWidget(), focused);
    const QStringList byKey = shown();

    // The key does exactly what a click on its picture does.
    QTest::keyClick(focused, key == Qt::Key_1 ? Qt::Key_9 : Qt::Key_1, Qt::ControlModifier);
    QVERIFY(shown() != byKey);
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(20, 20));
    QCOMPARE(shown(), byKey);
    QCOMPARE(QApplication::focusWidget(), focused);
}

void tst_Keyboard::ctrlDigitActsOnlyInTheMainWindow()
{
    QWidget *weight = activeForm(u"frmChange"_s);
    QVERIFY(weight);
    auto *input = weight->findChild<QLineEdit *>(u"Text1"_s);
    QTest::keyClick(input, Qt::Key_3, Qt::ControlModifier);
    QCOMPARE(m_main->findChild<QLabel *>(u"lblName"_s)->text(), QString());

    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    QTest::keyClick(m_main.get(), Qt::Key_3, Qt::ControlModifier);
    QCOMPARE(m_main->findChild<QLabel *>(u"lblName"_s)->text(), u"Earth"_s);
}

void tst_Keyboard::escClosesSecondaryWindow_data()
{
    QTest::addColumn<QString>("form");
    QTest::newRow("Esc closes the weight window") << u"frmChange"_s;
    QTest::newRow("Esc closes the About window") << u"frmAbout"_s;
}

void tst_Keyboard::escClosesSecondaryWindow()
{
    QFETCH(QString, form);

    QPointer<QWidget> window = activeForm(form);
    QVERIFY(window);
    auto *input = window->findChild<QLineEdit *>(u"Text1"_s);
    if (input)
        QTest::keyClicks(input, u"70"_s);
    QTest::keyClick(input ? static_cast<QWidget *>(input) : window.data(), Qt::Key_Escape);
    // Unloaded as by its close button: the window is gone, and the main window stays. That
    // it comes back empty is checked in tst_menucommands.
    QTRY_VERIFY(!window);
    QVERIFY(m_main->isVisible());

    window = activeForm(form);
    QVERIFY(window);

    // Esc in the main window closes nothing.
    m_main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    QTest::keyClick(m_main.get(), Qt::Key_Escape);
    QTest::qWait(50);
    QVERIFY(window);
    QVERIFY(m_main->isVisible());
}

QTEST_MAIN(tst_Keyboard)
#include "tst_keyboard.moc"
