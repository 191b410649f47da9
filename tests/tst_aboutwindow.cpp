// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/picturebox.h"
#include "testsupport.h"

#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The darkest pixel of an image, as a grey level.
int darkestGrey(const QImage &image)
{
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            darkest = qMin(darkest, qGray(image.pixel(x, y)));
    }
    return darkest;
}

} // namespace

class tst_AboutWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controls_data();
    void controls();
    void controlsAreStackedFrontToBack();
    void authorsNameIsInFrontOfProgramName();
    void nothingTakesTheFocus();
    void storedPictureIsLoaded();

private:
    std::unique_ptr<Shown<AboutWindow>> m_window;
    QGroupBox *frame() const { return m_window->findChild<QGroupBox *>(u"Frame1"_s); }
    QWidget *control(const QString &name) const { return m_window->findChild<QWidget *>(name); }
};

void tst_AboutWindow::initTestCase()
{
    initialiseRuntimeForTests();
}

// A fresh window per test: nothing one test does to the window can leak into the next.
void tst_AboutWindow::init()
{
    m_window = std::make_unique<Shown<AboutWindow>>();
    QVERIFY(m_window->exposed());
}

void tst_AboutWindow::cleanup()
{
    m_window.reset();
}

void tst_AboutWindow::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QSize>("fixedSize"); // empty for a label sized to its text
    // The captions, and the sizes of the labels that fit them, are checked in tst_everywindow.
    // The colours are checked in tst_colourschemes.
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("pixels");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");

    // clang-format off
    QTest::newRow("frame with the caption About Me")
        << u"Frame1"_s << QPoint(8, 8) << QSize(361, 217) << u"PT Sans [PARA]"_s << 11 << false << false;
    QTest::newRow("program name in a fixed box")
        << u"Label1"_s << QPoint(144, 24) << QSize(145, 57) << u"Bitstream Vera Sans [Bits]"_s << 35 << true << true;
    QTest::newRow("author's name")
        << u"Label2"_s << QPoint(160, 64) << QSize() << u"PT Sans [PARA]"_s << 11 << true << false;
    QTest::newRow("school line at its design place")
        << u"Label3"_s << QPoint(216, 192) << QSize() << u"PT Sans [PARA]"_s << 11 << false << false;
    QTest::newRow("e-mail caption")
        << u"Label4"_s << QPoint(144, 104) << QSize() << u"PT Sans [PARA]"_s << 11 << false << false;
    QTest::newRow("e-mail address")
        << u"Label5"_s << QPoint(144, 120) << QSize() << u"PT Sans [PARA]"_s << 16 << true << false;
    QTest::newRow("picture of the author")
        << u"Image1"_s << QPoint(24, 40) << QSize(80, 96) << QString() << 0 << false << false;
    // clang-format on
}

void tst_AboutWindow::controls()
{
    QFETCH(QString, name);
    QFETCH(QPoint, position);
    QFETCH(QSize, fixedSize);
    QFETCH(QString, face);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    QFETCH(bool, italic);

    QWidget *widget = control(name);
    QVERIFY2(widget, qPrintable(name));
    // Positions inside the frame count from the frame's top-left corner.
    QWidget *expectedParent
        = name == u"Frame1"_s ? static_cast<QWidget *>(m_window.get()) : frame();
    QCOMPARE(widget->parentWidget(), expectedParent);
    QCOMPARE(widget->pos(), position);
    if (fixedSize.isValid())
        QCOMPARE(widget->size(), fixedSize);
    if (name != u"Frame1"_s)
        QVERIFY2(frame()->contentsRect().contains(widget->geometry()), "clipped by the frame");
    if (face.isEmpty())
        return;

    if (auto *label = qobject_cast<QLabel *>(widget))
        QVERIFY2(label->autoFillBackground(), "a label paints its own background");
    const QFontInfo font(widget->font());
    QVERIFY2(isBundledFace(font.family(), face), qPrintable(font.family()));
    QCOMPARE(font.pixelSize(), pixels);
    QCOMPARE(widget->font().weight() >= QFont::Bold, bold);
    QCOMPARE(font.italic(), italic);
}

void tst_AboutWindow::controlsAreStackedFrontToBack()
{
    // Qt paints later siblings over earlier ones, so this is the design's list read backwards.
    const QStringList backToFront
        = { u"Label3"_s, u"Label1"_s, u"Label2"_s, u"Image1"_s, u"Label4"_s, u"Label5"_s };
    QStringList actual;
    for (QObject *child : frame()->children()) {
        if (child->isWidgetType())
            actual << child->objectName();
    }
    QCOMPARE(actual, backToFront);
}

void tst_AboutWindow::authorsNameIsInFrontOfProgramName()
{
    QWidget *name = control(u"Label2"_s);
    QWidget *program = control(u"Label1"_s);
    const QRect overlap = name->geometry() & program->geometry();
    QVERIFY2(overlap == name->geometry(), "the author's name lies inside the program name's box");

    QCOMPARE(frame()->childAt(overlap.center()), name);

    // Label1 paints an opaque box; were it in front, the name's pixels would be the plain
    // background, far lighter than the name's grey.
    const QImage shown = frame()->grab(overlap).toImage();
    QVERIFY2(qAbs(darkestGrey(shown) - 128) <= 12,
        qPrintable(u"darkest grey %1"_s.arg(darkestGrey(shown))));
    name->hide();
    QVERIFY(darkestGrey(frame()->grab(overlap).toImage()) > 200);
}

void tst_AboutWindow::nothingTakesTheFocus()
{
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    for (QWidget *widget : m_window->findChildren<QWidget *>())
        QVERIFY2(widget->focusPolicy() == Qt::NoFocus, qPrintable(widget->objectName()));
    QCOMPARE(QApplication::focusWidget(), nullptr);
    QTest::keyClick(m_window.get(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), nullptr);
}

void tst_AboutWindow::storedPictureIsLoaded()
{
    auto *picture = m_window->findChild<runtime::PictureBox *>(u"Image1"_s);
    QVERIFY(picture);
    QCOMPARE(QImageReader(picture->picture()).size(), QSize(180, 217));
    QCOMPARE(picture->accessibleName(), u"The author"_s);
}

QTEST_MAIN(tst_AboutWindow)
#include "tst_aboutwindow.moc"
