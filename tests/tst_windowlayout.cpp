// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/picturebox.h"
#include "testsupport.h"

#include <QAccessible>
#include <QFontInfo>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
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
    void focusStartsInFirstBoxAndTabCycles();
    void onlyTheBoxesTakeFocus();
    void picturesDecodeFromTheEmbeddedResources();
    void picturesAreButtonsForAssistiveTechnology();

private:
    std::unique_ptr<Shown<MainWindow>> m_window;
};

// A fresh window per test: nothing one test does to the window reaches the next.
void tst_WindowLayout::init()
{
    m_window = std::make_unique<Shown<MainWindow>>();
    QVERIFY(m_window->exposed());
}

void tst_WindowLayout::cleanup()
{
    m_window.reset();
}

void tst_WindowLayout::controlsSitWhereTheDesignPutsThem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("the instruction at the top left") << u"Label24"_s << QRect(56, 16, 193, 17);
    QTest::newRow("the title above the name") << u"Label1"_s << QRect(88, 64, 129, 25);
    QTest::newRow("img1 at the top left") << u"img1"_s << QRect(328, 0, 97, 57);
    QTest::newRow("img2 at the top middle") << u"img2"_s << QRect(424, 0, 97, 57);
    QTest::newRow("img3 at the top right") << u"img3"_s << QRect(520, 0, 97, 57);
    QTest::newRow("img44, the fourth, at the middle left") << u"img44"_s << QRect(328, 56, 97, 57);
    QTest::newRow("img5 in the centre") << u"img5"_s << QRect(424, 56, 97, 57);
    QTest::newRow("img6 at the middle right") << u"img6"_s << QRect(520, 56, 97, 57);
    QTest::newRow("img7 at the bottom left") << u"img7"_s << QRect(328, 112, 97, 57);
    QTest::newRow("img8 at the bottom middle") << u"img8"_s << QRect(424, 112, 97, 57);
    QTest::newRow("img9 at the bottom right") << u"img9"_s << QRect(520, 112, 97, 57);
    // The fact boxes are placed by factRowsLineUp.
}

void tst_WindowLayout::controlsSitWhereTheDesignPutsThem()
{
    QFETCH(QString, name);
    QFETCH(QRect, expected);
    auto *control = m_window->child<QWidget>(name);
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
        auto *box = m_window->child<QLineEdit>(u"txt"_s + QString::number(fact));
        auto *caption = m_window->child<QLabel>(u"Label"_s + QString::number(fact + 1));
        QVERIFY(box && caption);
        QCOMPARE(box->geometry(), QRect(left ? 208 : 528, 184 + 24 * row, 89, 19));
        QCOMPARE(caption->pos(), QPoint(left ? 8 : 344, 184 + 24 * row));
    }
}

// The captions themselves are checked in tst_everywindow.
void tst_WindowLayout::startsEmpty()
{
    for (const char *name : { "lblName", "dis", "dat" })
        QCOMPARE(m_window->child<QLabel>(QString::fromLatin1(name))->text(), QString());
    for (int fact = 1; fact <= 22; ++fact)
        QCOMPARE(m_window->child<QLineEdit>(u"txt"_s + QString::number(fact))->text(), QString());
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
    auto *control = m_window->child<QWidget>(name);
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
        auto *caption = m_window->child<QLabel>(u"Label"_s + QString::number(fact + 1));
        auto *box = m_window->child<QLineEdit>(u"txt"_s + QString::number(fact));
        QVERIFY2(caption->geometry().right() < box->x() - 4, qPrintable(caption->text()));
        QVERIFY2(caption->height() <= 24, qPrintable(caption->text()));
    }
    auto *name = m_window->child<QLabel>(u"lblName"_s);
    m_window->img7_Click();
    QVERIFY(name->geometry().right() < 328);
    m_window->img8_Click();
    QVERIFY(m_window->child<QLabel>(u"dis"_s)->geometry().right() < 328);
}

void tst_WindowLayout::focusStartsInFirstBoxAndTabCycles()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QCOMPARE(QApplication::focusWidget(), m_window->child<QWidget>(u"txt1"_s));
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
    // A click on a picture leaves the focus where it was.
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_window->child<QLineEdit>(u"txt5"_s)->setFocus();
    QTest::mouseClick(m_window->child<QWidget>(u"img3"_s), Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(QApplication::focusWidget()->objectName(), u"txt5"_s);
}

// How a picture fills its box is tst_picturebox's.
void tst_WindowLayout::picturesDecodeFromTheEmbeddedResources()
{
    const auto pictures = m_window->findChildren<runtime::PictureBox *>();
    QCOMPARE(pictures.size(), 9);
    for (runtime::PictureBox *picture : pictures)
        QVERIFY2(QImageReader(picture->picture()).canRead(), qPrintable(picture->objectName()));
}

// A picture is a button for assistive technology, named after its planet, and pressing it
// shows that planet.
void tst_WindowLayout::picturesAreButtonsForAssistiveTechnology()
{
    const auto accessibleName = [this](const QString &name) {
        QAccessibleInterface *iface
            = QAccessible::queryAccessibleInterface(m_window->child<QWidget>(name));
        return iface ? iface->text(QAccessible::Name) : QString();
    };
    QCOMPARE(accessibleName(u"img44"_s), u"Mars"_s);
    QCOMPARE(accessibleName(u"img9"_s), u"Pluto"_s);
    QAccessibleInterface *iface
        = QAccessible::queryAccessibleInterface(m_window->child<QWidget>(u"img6"_s));
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Button);
    QCOMPARE(iface->text(QAccessible::Name), u"Saturn"_s);
    QVERIFY(iface->actionInterface());
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_window->child<QLabel>(u"lblName"_s)->text(), u"Saturn"_s);
    QAccessibleInterface *name
        = QAccessible::queryAccessibleInterface(m_window->child<QWidget>(u"lblName"_s));
    QCOMPARE(name->text(QAccessible::Name), u"Saturn"_s);
}

QTEST_MAIN(tst_WindowLayout)
#include "tst_windowlayout.moc"
