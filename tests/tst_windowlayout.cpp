// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "app/mainwindow.h"
#include "runtime/picturebox.h"
#include "testsupport.h"

#include <QAccessible>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

using namespace Qt::StringLiterals;

class tst_WindowLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initialiseRuntimeForTests(); }
    void init();
    void cleanup();

    void controlsSitWhereTheDesignPutsThem_data();
    void controlsSitWhereTheDesignPutsThem();
    void factRowsLineUp();
    void startsEmpty();
    void fontsResolveToTheBundledFaces_data();
    void fontsResolveToTheBundledFaces();
    void captionsStayClearOfBoxesAndPictures();
    void colours_data();
    void colours();
    void focusStartsInFirstBoxAndTabCycles();
    void onlyTheBoxesTakeFocus();
    void menusAndShortcuts_data();
    void menusAndShortcuts();
    void picturesDecodeFromTheEmbeddedResources();
    void picturesAreButtonsForAssistiveTechnology();

private:
    template <typename T> T *child(const QString &name) const
    {
        auto *w = m_window->findChild<T *>(name);
        if (!w)
            qWarning("no control %s", qPrintable(name));
        return w;
    }
    MainWindow *m_window = nullptr;
};

void tst_WindowLayout::init()
{
    m_window = new MainWindow;
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void tst_WindowLayout::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void tst_WindowLayout::controlsSitWhereTheDesignPutsThem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("instruction") << u"Label24"_s << QRect(56, 16, 193, 17);
    QTest::newRow("title") << u"Label1"_s << QRect(88, 64, 129, 25);
    QTest::newRow("img1, top left") << u"img1"_s << QRect(328, 0, 97, 57);
    QTest::newRow("img2") << u"img2"_s << QRect(424, 0, 97, 57);
    QTest::newRow("img3, top right") << u"img3"_s << QRect(520, 0, 97, 57);
    QTest::newRow("img44, the fourth") << u"img44"_s << QRect(328, 56, 97, 57);
    QTest::newRow("img5, centre") << u"img5"_s << QRect(424, 56, 97, 57);
    QTest::newRow("img6") << u"img6"_s << QRect(520, 56, 97, 57);
    QTest::newRow("img7") << u"img7"_s << QRect(328, 112, 97, 57);
    QTest::newRow("img8") << u"img8"_s << QRect(424, 112, 97, 57);
    QTest::newRow("img9, bottom right") << u"img9"_s << QRect(520, 112, 97, 57);
    QTest::newRow("first box") << u"txt1"_s << QRect(208, 184, 89, 19);
    QTest::newRow("last box of the left column") << u"txt11"_s << QRect(208, 424, 89, 19);
    QTest::newRow("first box of the right column") << u"txt12"_s << QRect(528, 184, 89, 19);
    QTest::newRow("last box") << u"txt22"_s << QRect(528, 424, 89, 19);
}

void tst_WindowLayout::controlsSitWhereTheDesignPutsThem()
{
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    auto *control = child<QWidget>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), expected);
    QCOMPARE(control->parentWidget(), m_window->centralWidget());
}

// Eleven rows 24 px apart; each caption shares its box's top.
void tst_WindowLayout::factRowsLineUp()
{
    for (int fact = 1; fact <= 22; ++fact) {
        const int row = (fact - 1) % 11;
        const bool left = fact <= 11;
        auto *box = child<QLineEdit>(u"txt"_s + QString::number(fact));
        auto *caption = child<QLabel>(u"Label"_s + QString::number(fact + 1));
        QVERIFY(box && caption);
        QCOMPARE(box->geometry(), QRect(left ? 208 : 528, 184 + 24 * row, 89, 19));
        QCOMPARE(caption->pos(), QPoint(left ? 8 : 344, 184 + 24 * row));
    }
}

// The captions themselves are checked in tst_everywindow.
void tst_WindowLayout::startsEmpty()
{
    for (const char *name : { "lblName", "dis", "dat" })
        QCOMPARE(child<QLabel>(QString::fromLatin1(name))->text(), QString());
    for (int fact = 1; fact <= 22; ++fact)
        QCOMPARE(child<QLineEdit>(u"txt"_s + QString::number(fact))->text(), QString());
}

void tst_WindowLayout::fontsResolveToTheBundledFaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::newRow("instruction in the window font")
        << u"Label24"_s << u"PT Sans [PARA]"_s << 11 << false;
    QTest::newRow("fact caption in the window font")
        << u"Label7"_s << u"PT Sans [PARA]"_s << 11 << false;
    QTest::newRow("fact box in the window font") << u"txt3"_s << u"PT Sans [PARA]"_s << 11 << false;
    QTest::newRow("title in bold Arial")
        << u"Label1"_s << u"Liberation Sans [1ASC]"_s << 19 << true;
    QTest::newRow("name in large bold Arial")
        << u"lblName"_s << u"Liberation Sans [1ASC]"_s << 27 << true;
    QTest::newRow("discoverer in the window font")
        << u"dis"_s << u"PT Sans [PARA]"_s << 11 << false;
}

void tst_WindowLayout::fontsResolveToTheBundledFaces()
{
    QFETCH(QString, name);
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    auto *control = child<QWidget>(name);
    QVERIFY(control);
    const QFontInfo info(control->font());
    QVERIFY2(isBundledFace(info.family(), family), qPrintable(info.family()));
    QCOMPARE(info.pixelSize(), pixelSize);
    QCOMPARE(info.bold(), bold);
}

// Each caption, sized to its text, ends before its box; the longest planet name and
// discoverer line stay clear of the pictures.
void tst_WindowLayout::captionsStayClearOfBoxesAndPictures()
{
    for (int fact = 1; fact <= 22; ++fact) {
        auto *caption = child<QLabel>(u"Label"_s + QString::number(fact + 1));
        auto *box = child<QLineEdit>(u"txt"_s + QString::number(fact));
        QVERIFY2(caption->geometry().right() < box->x() - 4, qPrintable(caption->text()));
        QVERIFY2(caption->height() <= 24, qPrintable(caption->text()));
    }
    auto *name = child<QLabel>(u"lblName"_s);
    m_window->img7_Click();
    QVERIFY(name->geometry().right() < 328);
    m_window->img8_Click();
    QVERIFY(child<QLabel>(u"dis"_s)->geometry().right() < 328);
}

void tst_WindowLayout::colours_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("planet name in red") << u"lblName"_s << QColor(255, 0, 0);
    QTest::newRow("discoverer in dark red") << u"dis"_s << QColor(192, 0, 0);
    QTest::newRow("date in dark red") << u"dat"_s << QColor(192, 0, 0);
}

void tst_WindowLayout::colours()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    auto *label = child<QLabel>(name);
    label->ensurePolished();
    QCOMPARE(label->palette().color(label->foregroundRole()), colour);
}

void tst_WindowLayout::focusStartsInFirstBoxAndTabCycles()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(u"txt1"_s));
    for (int step = 2; step <= 22; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), u"txt"_s + QString::number(step));
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"txt1"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), u"txt22"_s);
}

void tst_WindowLayout::onlyTheBoxesTakeFocus()
{
    const auto widgets = m_window->centralWidget()->findChildren<QWidget *>();
    int focusable = 0;
    for (QWidget *w : widgets) {
        const bool isBox = qobject_cast<QLineEdit *>(w) != nullptr;
        QCOMPARE(w->focusPolicy() != Qt::NoFocus, isBox);
        focusable += isBox;
    }
    QCOMPARE(focusable, 22);
    QCOMPARE(widgets.size(), 58);
    // A click on a picture leaves the focus where it was.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    child<QLineEdit>(u"txt5"_s)->setFocus();
    QTest::mouseClick(child<QWidget>(u"img3"_s), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(QApplication::focusWidget()->objectName(), u"txt5"_s);
}

void tst_WindowLayout::menusAndShortcuts_data()
{
    QTest::addColumn<int>("menuIndex");
    QTest::addColumn<QString>("menuName");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("itemName");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("File > Exit") << 0 << u"File"_s << u"File"_s << u"exit"_s << u"Exit"_s
                                 << QKeySequence(u"Ctrl+Q"_s);
    QTest::newRow("Tools > Change Weight") << 1 << u"tools"_s << u"Tools"_s << u"change"_s
                                           << u"Change Weight"_s << QKeySequence(u"Ctrl+W"_s);
    QTest::newRow("About > About Me")
        << 2 << u"About"_s << u"About"_s << u"us"_s << u"About Me"_s << QKeySequence(u"Ctrl+H"_s);
}

void tst_WindowLayout::menusAndShortcuts()
{
    QFETCH(int, menuIndex);
    QFETCH(QString, menuName);
    QFETCH(QString, title);
    QFETCH(QString, itemName);
    QFETCH(QString, item);
    QFETCH(QKeySequence, shortcut);
    const auto topLevel = m_window->menuBar()->actions();
    QCOMPARE(topLevel.size(), 3);
    QMenu *menu = topLevel.at(menuIndex)->menu();
    QVERIFY(menu);
    QCOMPARE(menu->objectName(), menuName);
    // No access keys: the titles carry no '&'.
    QCOMPARE(menu->title(), title);
    QCOMPARE(menu->actions().size(), 1);
    QAction *action = menu->actions().constFirst();
    QCOMPARE(action->objectName(), itemName);
    QCOMPARE(action->text(), item);
    QCOMPARE(action->shortcut(), shortcut);
    QCOMPARE(action->shortcutContext(), Qt::WindowShortcut);
    QVERIFY(action->isEnabled() && action->isVisible() && !action->isChecked());
}

void tst_WindowLayout::picturesDecodeFromTheEmbeddedResources()
{
    const auto pictures = m_window->findChildren<runtime::PictureBox *>();
    QCOMPARE(pictures.size(), 9);
    for (runtime::PictureBox *picture : pictures) {
        QVERIFY2(!picture->pixmap().isNull(), qPrintable(picture->objectName()));
        QCOMPARE(picture->contentsRect(), QRect(1, 1, 95, 55));
    }
    // The picture fills the inside of its border exactly, stretched in both directions;
    // the border is a plain one-pixel line.
    for (runtime::PictureBox *picture : pictures) {
        const QImage shown = picture->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage expected
            = picture->pixmap()
                  .toImage()
                  .convertToFormat(QImage::Format_RGB32)
                  .scaled(95, 55, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QRgb border = shown.pixel(0, 0);
        qint64 difference = 0;
        for (int y = 0; y < 57; ++y) {
            for (int x = 0; x < 97; ++x) {
                if (x == 0 || y == 0 || x == 96 || y == 56) {
                    QCOMPARE(shown.pixel(x, y), border);
                    continue;
                }
                const QRgb a = shown.pixel(x, y);
                const QRgb b = expected.pixel(x - 1, y - 1);
                difference += qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b))
                    + qAbs(qBlue(a) - qBlue(b));
            }
        }
        const double meanDifference = double(difference) / (95 * 55 * 3);
        QVERIFY2(meanDifference < 6,
            qPrintable(
                picture->objectName() + u" differs by "_s + QString::number(meanDifference)));
    }
}

// A picture is a button for assistive technology, named after its planet, and pressing it
// shows that planet.
void tst_WindowLayout::picturesAreButtonsForAssistiveTechnology()
{
    const auto accessibleName = [this](const QString &name) {
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(child<QWidget>(name));
        return iface ? iface->text(QAccessible::Name) : QString();
    };
    QCOMPARE(accessibleName(u"img44"_s), u"Mars"_s);
    QCOMPARE(accessibleName(u"img9"_s), u"Pluto"_s);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(child<QWidget>(u"img6"_s));
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Button);
    QCOMPARE(iface->text(QAccessible::Name), u"Saturn"_s);
    QVERIFY(iface->actionInterface());
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(child<QLabel>(u"lblName"_s)->text(), u"Saturn"_s);
    QAccessibleInterface *name
        = QAccessible::queryAccessibleInterface(child<QWidget>(u"lblName"_s));
    QCOMPARE(name->text(QAccessible::Name), u"Saturn"_s);
}

QTEST_MAIN(tst_WindowLayout)
#include "tst_windowlayout.moc"
