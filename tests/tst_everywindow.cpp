// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "testsupport.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

// What the three windows have in common, checked once for all of them: every caption as the
// design writes it, labels that fit themselves to their captions, a fixed frame with only a
// close button, and result boxes that can be copied from but not typed into.
class tst_EveryWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initialiseRuntimeForTests(); }

    void captionsAreTheDesigns_data();
    void captionsAreTheDesigns();
    void windowIsFixedWithCloseButtonOnly_data();
    void windowIsFixedWithCloseButtonOnly();
    void boxesRefuseTypingButAllowCopy_data();
    void boxesRefuseTypingButAllowCopy();
};

namespace {

// The part of a window that its description measures: below the menu bar for the main window.
QWidget *clientArea(QWidget *window)
{
    if (auto *main = qobject_cast<QMainWindow *>(window))
        return main->centralWidget();
    return window;
}

} // namespace

void tst_EveryWindow::captionsAreTheDesigns_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("control"); // empty for the window's own caption
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("autoSized");

    const auto row = [](const char *form, const char *control, const QString &caption,
                         bool autoSized) {
        QTest::addRow("%s %s \"%s\"", form, control, qPrintable(caption))
            << QString::fromLatin1(form) << QString::fromLatin1(control) << caption << autoSized;
    };
    // clang-format off
    row("MAIN", "", u"Sivane - Tessaro Valdine (T.V.)"_s, false);
    row("MAIN", "Label24", u"Click On Planet  And, Take Information"_s, false);
    row("MAIN", "Label1", u"Planet Name :"_s, false);
    row("MAIN", "Label2", u"Mass (kg)"_s, true);
    row("MAIN", "Label3", u"Mass (Earth = 1)"_s, true);
    row("MAIN", "Label4", u"Equatorial radius (km)"_s, true);
    row("MAIN", "Label5", u"Equatorial radius (Earth = 1)"_s, true);
    row("MAIN", "Label6", u"Mean density (gm/cm^3)"_s, true);
    row("MAIN", "Label7", u"Mean distance from the Sun (km)"_s, true);
    row("MAIN", "Label8", u"Mean distance from the Sun (Earth = 1)"_s, true);
    row("MAIN", "Label9", u"Rotational period (hours)"_s, true);
    row("MAIN", "Label10", u"Rotational period (days)"_s, true);
    row("MAIN", "Label11", u"Orbital period (days)"_s, true);
    row("MAIN", "Label12", u"Mean orbital velocity (km/sec)"_s, true);
    row("MAIN", "Label13", u"Orbital eccentricity"_s, true);
    row("MAIN", "Label14", u"Tilt of axis (degrees)"_s, true);
    row("MAIN", "Label15", u"Orbital inclination (degrees)"_s, true);
    row("MAIN", "Label16", u"Equatorial surface gravity (m/sec^2)"_s, true);
    row("MAIN", "Label17", u"Equatorial escape velocity (km/sec)"_s, true);
    row("MAIN", "Label18", u"Visual geometric albedo"_s, true);
    row("MAIN", "Label19", u"Magnitude (Vo)"_s, true);
    row("MAIN", "Label20", u"Minimum surface temperature"_s, true);
    row("MAIN", "Label21", u"Mean surface temperature"_s, true);
    row("MAIN", "Label22", u"Maximum surface temperature"_s, true);
    row("MAIN", "Label23", u"Atmospheric pressure (bars)"_s, true);
    row("MAIN", "File", u"File"_s, false);
    row("MAIN", "exit", u"Exit"_s, false);
    row("MAIN", "tools", u"Tools"_s, false);
    row("MAIN", "change", u"Change Weight"_s, false);
    row("MAIN", "About", u"About"_s, false);
    row("MAIN", "us", u"About Me"_s, false);
    row("frmChange", "", u"Change Weight"_s, false);
    row("frmChange", "Label1", u"Inter Your Weight On Earth :"_s, true);
    row("frmChange", "Label2", u"Mercury :"_s, true);
    row("frmChange", "Label3", u"Venus :"_s, true);
    row("frmChange", "Label4", u"Mars :"_s, true);
    row("frmChange", "Label5", u"Jupiter :"_s, true);
    row("frmChange", "Label6", u"Saturn :"_s, true);
    row("frmChange", "Label7", u"Uranus :"_s, true);
    row("frmChange", "Label8", u"Neptune :"_s, true);
    row("frmChange", "Label9", u"Pluto :"_s, true);
    for (int index = 0; index <= 8; ++index) {
        const QByteArray unit = "Label10_" + QByteArray::number(index);
        row("frmChange", unit.constData(), u"kg"_s, false);
    }
    row("frmAbout", "", u"About Me"_s, false);
    row("frmAbout", "Frame1", u"About Me"_s, false);
    row("frmAbout", "Label1", u"Sivane"_s, false);
    row("frmAbout", "Label2", u"Tessaro Valdine"_s, true);
    row("frmAbout", "Label3", u"Valdine Technical School"_s, true);
    row("frmAbout", "Label4", u"E-MAIL :"_s, true);
    row("frmAbout", "Label5", u"tessaro.valdine@example.org"_s, true);
    // clang-format on
}

// A label that names a box is also the box's name for assistive technology, so a caption and
// that name can only change together; both are compared with the design's text.
void tst_EveryWindow::captionsAreTheDesigns()
{
    QFETCH(QString, form);
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QFETCH(bool, autoSized);
    const std::unique_ptr<QWidget> window = showForm(form);
    QVERIFY(window);
    QCOMPARE(window->objectName(), form);

    if (control.isEmpty()) {
        QCOMPARE(window->windowTitle(), caption);
        return;
    }
    if (auto *frame = window->findChild<QGroupBox *>(control)) {
        QCOMPARE(frame->title(), caption);
        return;
    }
    if (auto *menu = window->findChild<QMenu *>(control)) {
        QCOMPARE(menu->title(), caption);
        return;
    }
    if (auto *item = window->findChild<QAction *>(control)) {
        QCOMPARE(item->text(), caption);
        return;
    }
    auto *label = window->findChild<QLabel *>(control);
    QVERIFY2(label, "no such label");
    QCOMPARE(label->text(), caption);
    QVERIFY(label->isVisible());

    const QFontMetrics metrics(label->font());
    const QSize textSize(metrics.horizontalAdvance(caption), metrics.height());
    if (autoSized)
        QCOMPARE(label->size(), textSize);
    else
        QVERIFY2(label->width() >= textSize.width(), "the caption is cut off");

    if (QWidget *named = label->buddy()) {
        QCOMPARE(named->y(), label->y()); // the box a caption names stands on its row
        QAccessibleInterface *box = QAccessible::queryAccessibleInterface(named);
        QVERIFY(box);
        QCOMPARE(box->text(QAccessible::Name), caption);
    }
}

void tst_EveryWindow::windowIsFixedWithCloseButtonOnly_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QSize>("clientSize");
    QTest::newRow("main window, 626 by 446 below its menu bar") << u"MAIN"_s << QSize(626, 446);
    QTest::newRow("weight window, 467 by 196") << u"frmChange"_s << QSize(467, 196);
    QTest::newRow("About window, 379 by 240") << u"frmAbout"_s << QSize(379, 240);
}

void tst_EveryWindow::windowIsFixedWithCloseButtonOnly()
{
    QFETCH(QString, form);
    QFETCH(QSize, clientSize);
    const std::unique_ptr<QWidget> window = showForm(form);
    QVERIFY(window);
    QWidget *client = clientArea(window.get());
    QCOMPARE(client->size(), clientSize);
    if (auto *main = qobject_cast<QMainWindow *>(window.get()))
        QCOMPARE(client->mapTo(main, QPoint(0, 0)), QPoint(0, main->menuBar()->height()));

    QCOMPARE(window->minimumSize(), window->maximumSize());
    const Qt::WindowFlags flags = window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!window->windowIcon().isNull());
    QCOMPARE(window->windowModality(), Qt::NonModal);

    window->resize(800, 600);
    QCOMPARE(client->size(), clientSize);
}

void tst_EveryWindow::boxesRefuseTypingButAllowCopy_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("fill"); // a picture to click, or the weight to type into Text1
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("editable"); // the one box the user types into, if any
    QTest::newRow("a fact box of the main window")
        << u"MAIN"_s << u"img2"_s << u"txt2"_s << u".81476 "_s << QString();
    QTest::newRow("a result box of the weight window")
        << u"frmChange"_s << u"70"_s << u"Text5"_s << u"203"_s << u"Text1"_s;
}

void tst_EveryWindow::boxesRefuseTypingButAllowCopy()
{
    QFETCH(QString, form);
    QFETCH(QString, fill);
    QFETCH(QString, boxName);
    QFETCH(QString, shown);
    QFETCH(QString, editable);
    const std::unique_ptr<QWidget> window = showForm(form);
    QVERIFY(window);
    if (auto *picture = window->findChild<QWidget *>(fill))
        QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(10, 10));
    else
        QTest::keyClicks(window->findChild<QLineEdit *>(editable), fill);

    for (const QLineEdit *box : window->findChildren<QLineEdit *>()) {
        const QString name = box->objectName();
        QVERIFY2(box->isReadOnly() == (name != editable), qPrintable(name));
        QVERIFY2(box->focusPolicy() & Qt::TabFocus, qPrintable(name));
    }

    auto *box = window->findChild<QLineEdit *>(boxName);
    QVERIFY(box);
    QCOMPARE(box->text(), shown);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    box->setFocus();
    QGuiApplication::clipboard()->setText(u"pasted"_s);
    QTest::keyClicks(box, u"123"_s);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(box->text(), shown);

    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), shown);
}

QTEST_MAIN(tst_EveryWindow)
#include "tst_everywindow.moc"
