// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "runtime/runtime.h"
#include "runtime/textcolour.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QStyle>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// One text as it appears in a rendered window: where it is, and the areas of controls painted
// over it, which are measured on their own.
struct Text
{
    QString name;
    QRect area;
    QList<QRect> covered;
};

// The contrast of a text from the pixels: the background is the commonest colour of its area,
// and the text is the pixel that stands out most from it.
double measuredContrast(const QImage &image, const Text &text)
{
    QHash<QRgb, int> counts;
    QList<QRgb> pixels;
    const QRect area = text.area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QPoint at(x, y);
            if (std::any_of(text.covered.cbegin(), text.covered.cend(),
                    [&](const QRect &r) { return r.contains(at); }))
                continue;
            const QRgb pixel = image.pixel(at);
            ++counts[pixel];
            pixels << pixel;
        }
    }
    if (counts.isEmpty())
        return 0;
    QRgb background = counts.constBegin().key();
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it) {
        if (it.value() > counts.value(background))
            background = it.key();
    }
    double best = 1;
    for (QRgb pixel : std::as_const(pixels))
        best = qMax(best, runtime::contrastRatio(QColor(pixel), QColor(background)));
    return best;
}

// Every text a window shows: labels, the frame caption, the boxes' texts, the menu bar and
// the buttons, each with the controls that lie in front of it.
QList<Text> textsOf(QWidget *window)
{
    QList<Text> texts;
    const auto inWindow = [window](const QWidget *w, const QRect &r) {
        return QRect(w->mapTo(window, r.topLeft()), r.size());
    };
    const auto coveredBy = [&](const QWidget *w) {
        QList<QRect> covered;
        if (!w->parentWidget())
            return covered;
        const QObjectList siblings = w->parentWidget()->children();
        for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
            auto *sibling = qobject_cast<QWidget *>(siblings.at(i));
            if (sibling && sibling->isVisible())
                covered << inWindow(sibling, sibling->rect());
        }
        return covered;
    };
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->isVisible() && !label->text().isEmpty())
            texts.append({ label->objectName(), inWindow(label, label->rect()), coveredBy(label) });
    }
    for (QGroupBox *frame : window->findChildren<QGroupBox *>()) {
        // The caption sits on its own patch of background, which breaks the frame's line.
        const QFontMetrics metrics(frame->font());
        const QRect caption(8, 0, metrics.horizontalAdvance(frame->title()), metrics.height());
        texts.append({ frame->objectName() + u" caption"_s, inWindow(frame, caption), {} });
    }
    for (QLineEdit *box : window->findChildren<QLineEdit *>()) {
        // Inside the box's border, which is not text.
        if (box->isVisible() && !box->text().isEmpty())
            texts.append(
                { box->objectName(), inWindow(box, box->rect().adjusted(3, 3, -3, -3)), {} });
    }
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->isVisible() && !button->text().isEmpty())
            texts.append(
                { button->text(), inWindow(button, button->rect().adjusted(4, 4, -4, -4)), {} });
    }
    if (auto *bar = window->findChild<QMenuBar *>()) {
        for (QAction *menu : bar->actions())
            texts.append({ menu->text(), inWindow(bar, bar->actionGeometry(menu)), {} });
    }
    return texts;
}

QImage rendering(QWidget *window)
{
    const QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // SIVANE_SCHEME_SHOTS names a folder that keeps each rendering, for a person to look at.
    if (const QByteArray dir = qgetenv("SIVANE_SCHEME_SHOTS"); !dir.isEmpty()) {
        image.save(QDir(QString::fromLocal8Bit(dir))
                       .filePath(QString::fromUtf8(QTest::currentDataTag()) + u".png"_s));
    }
    return image;
}

// The lowest contrast of any text in the window as it is drawn now; every text is checked.
double lowestContrast(QWidget *window, QString *failures)
{
    const QImage image = rendering(window);
    double lowest = 21;
    QString lowestName;
    for (const Text &text : textsOf(window)) {
        const double contrast = measuredContrast(image, text);
        if (contrast < lowest) {
            lowest = contrast;
            lowestName = text.name;
        }
        if (contrast < 3.0)
            *failures += u"%1 %2:1; "_s.arg(text.name).arg(contrast, 0, 'f', 2);
    }
    qInfo("lowest contrast %.2f:1 (%s)", lowest, qPrintable(lowestName));
    return lowest;
}

// Every box's edge against the window: the middle of its left, right and bottom sides (the
// frame's top is broken by its caption). The style's outline in its own light scheme stands
// out by 2:1; an edge must reach 1.5:1.
void checkEdges(QWidget *window, QString *failures)
{
    const QImage image = rendering(window);
    const QColor background = window->palette().color(QPalette::Window);
    for (const QWidget *box : window->findChildren<QWidget *>()) {
        if (!qobject_cast<const QLineEdit *>(box) && !qobject_cast<const QGroupBox *>(box))
            continue;
        const QRect r(box->mapTo(window, QPoint()), box->size());
        for (const QPoint &at : { QPoint(r.left(), r.center().y()),
                 QPoint(r.right(), r.center().y()), QPoint(r.center().x(), r.bottom()) }) {
            const double contrast = runtime::contrastRatio(image.pixelColor(at), background);
            if (contrast < 1.5)
                *failures += u"%1 %2:1; "_s.arg(box->objectName()).arg(contrast, 0, 'f', 2);
        }
    }
}

// A window with every text filled: Uranus fills the main window's name, both discovery lines
// and every fact box, and 70 kg every result box.
std::unique_ptr<QWidget> openWindow(const QString &form)
{
    std::unique_ptr<QWidget> window = showForm(form);
    if (auto *main = qobject_cast<MainWindow *>(window.get()))
        main->showPlanet(7);
    else if (auto *weight = dynamic_cast<ShownWeightWindow *>(window.get()))
        weight->input()->setText(u"70"_s);
    return window;
}

} // namespace

class tst_ColourSchemes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initialiseRuntimeForTests(); }
    void cleanup();

    void contrastRatio_data();
    void contrastRatio();
    void readableColour_data();
    void readableColour();
    void designColoursInALightScheme_data();
    void designColoursInALightScheme();
    void textsAndBoxEdgesStandOut_data();
    void textsAndBoxEdgesStandOut();
    void coloursFollowAChangeOfScheme_data();
    void coloursFollowAChangeOfScheme();
    void messageBoxesAreReadable_data();
    void messageBoxesAreReadable();
};

void tst_ColourSchemes::cleanup()
{
    QApplication::setPalette(QApplication::style()->standardPalette());
    runtime::resetHooks();
}

void tst_ColourSchemes::contrastRatio_data()
{
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("white on black, either order") << QColor(Qt::white) << QColor(Qt::black) << 21.0;
    QTest::newRow("a colour on itself") << QColor(64, 64, 64) << QColor(64, 64, 64) << 1.0;
    QTest::newRow("grey 119 on white, just under 4.5")
        << QColor(119, 119, 119) << QColor(Qt::white) << 4.478;
    QTest::newRow("pure red on black") << QColor(Qt::red) << QColor(Qt::black) << 5.252;
    QTest::newRow("dark red on black") << QColor(192, 0, 0) << QColor(Qt::black) << 3.245;
}

void tst_ColourSchemes::contrastRatio()
{
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, ratio);
    QVERIFY2(qAbs(runtime::contrastRatio(a, b) - ratio) < 0.005,
        qPrintable(QString::number(runtime::contrastRatio(a, b))));
}

void tst_ColourSchemes::readableColour_data()
{
    QTest::addColumn<QColor>("design");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<bool>("kept");

    const QColor light(239, 239, 239);
    const QColor dark(32, 35, 38);
    const QColor black(Qt::black);
    QTest::newRow("red on a light window stays") << QColor(255, 0, 0) << light << true;
    QTest::newRow("grey 128 on a light window stays") << QColor(128, 128, 128) << light << true;
    QTest::newRow("dark grey on a dark window turns light") << QColor(64, 64, 64) << dark << false;
    QTest::newRow("dark red on a dark window turns light red")
        << QColor(192, 0, 0) << dark << false;
    QTest::newRow("black on black turns white") << black << black << false;
    QTest::newRow("dark red on black just reads and stays") << QColor(192, 0, 0) << black << true;
    QTest::newRow("grey just under 3:1 on white turns dark")
        << QColor(150, 150, 150) << QColor(Qt::white) << false;
    QTest::newRow("mid grey on mid grey moves away")
        << QColor(128, 128, 128) << QColor(120, 120, 120) << false;
}

void tst_ColourSchemes::readableColour()
{
    QFETCH(QColor, design);
    QFETCH(QColor, background);
    QFETCH(bool, kept);

    const QColor readable = runtime::readableColour(design, background);
    const QString shown = readable.name();
    if (kept) {
        QCOMPARE(readable, design);
        return;
    }
    QVERIFY2(runtime::contrastRatio(readable, background) >= 4.5, qPrintable(shown));
    // The same hue: a grey stays grey, a red stays red.
    if (design.hslHue() < 0)
        QVERIFY2(readable.red() == readable.green() && readable.green() == readable.blue(),
            qPrintable(shown));
    else if (readable.hslSaturation() > 0 && readable.lightness() < 255)
        QCOMPARE(readable.hslHue(), design.hslHue());
}

void tst_ColourSchemes::designColoursInALightScheme_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QColor>("colour"); // invalid for the scheme's own text colour

    const QColor darkGrey(64, 64, 64);
    const QColor grey(128, 128, 128);
    const QColor darkRed(192, 0, 0);
    // clang-format off
    QTest::newRow("planet name in red")             << u"MAIN"_s << u"lblName"_s << QColor(255, 0, 0);
    QTest::newRow("discoverer in dark red")         << u"MAIN"_s << u"dis"_s << darkRed;
    QTest::newRow("date of discovery in dark red")  << u"MAIN"_s << u"dat"_s << darkRed;
    QTest::newRow("weight prompt in dark grey")     << u"frmChange"_s << u"Label1"_s << darkGrey;
    QTest::newRow("About frame caption in dark grey") << u"frmAbout"_s << u"Frame1"_s << darkGrey;
    QTest::newRow("program name in dark grey")      << u"frmAbout"_s << u"Label1"_s << darkGrey;
    QTest::newRow("author's name in grey")          << u"frmAbout"_s << u"Label2"_s << grey;
    QTest::newRow("school line in the scheme's text colour") << u"frmAbout"_s << u"Label3"_s << QColor();
    QTest::newRow("e-mail caption in grey")         << u"frmAbout"_s << u"Label4"_s << grey;
    QTest::newRow("e-mail address in dark grey")    << u"frmAbout"_s << u"Label5"_s << darkGrey;
    // clang-format on
}

void tst_ColourSchemes::designColoursInALightScheme()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QColor, colour);

    // Drawn in a dark scheme first: going back to the light one restores the design exactly.
    QApplication::setPalette(colourScheme(u"dark"_s));
    const std::unique_ptr<QWidget> shown = openWindow(window);
    QVERIFY(shown);
    QApplication::setPalette(QApplication::style()->standardPalette());
    auto *widget = shown->findChild<QWidget *>(control);
    QVERIFY2(widget, qPrintable(control));
    if (!colour.isValid())
        colour = QApplication::palette().color(QPalette::WindowText);
    QTRY_COMPARE(widget->palette().color(QPalette::WindowText), colour);
}

void tst_ColourSchemes::textsAndBoxEdgesStandOut_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<bool>("edges"); // the boxes' edges rather than the texts
    for (const QString &window : { u"MAIN"_s, u"frmChange"_s, u"frmAbout"_s }) {
        for (const QString &scheme :
            { u"light"_s, u"dark"_s, u"high contrast"_s, u"black on white"_s }) {
            QTest::addRow("%s texts in the %s scheme", qPrintable(window), qPrintable(scheme))
                << window << scheme << false;
        }
        for (const QString &scheme : { u"high contrast"_s, u"black on white"_s }) {
            QTest::addRow("%s box edges in the %s scheme", qPrintable(window), qPrintable(scheme))
                << window << scheme << true;
        }
    }
}

void tst_ColourSchemes::textsAndBoxEdgesStandOut()
{
    QFETCH(QString, window);
    QFETCH(QString, scheme);
    QFETCH(bool, edges);

    QApplication::setPalette(colourScheme(scheme));
    const std::unique_ptr<QWidget> shown = openWindow(window);
    QVERIFY(shown);
    QString failures;
    if (edges)
        checkEdges(shown.get(), &failures);
    else
        lowestContrast(shown.get(), &failures);
    QVERIFY2(failures.isEmpty(), qPrintable(failures));
}

void tst_ColourSchemes::coloursFollowAChangeOfScheme_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("scheme");
    for (const QString &window : { u"MAIN"_s, u"frmChange"_s, u"frmAbout"_s }) {
        for (const QString &scheme : { u"dark"_s, u"high contrast"_s }) {
            QTest::addRow("%s turned %s while open", qPrintable(window), qPrintable(scheme))
                << window << scheme;
        }
    }
}

void tst_ColourSchemes::coloursFollowAChangeOfScheme()
{
    QFETCH(QString, window);
    QFETCH(QString, scheme);

    const std::unique_ptr<QWidget> shown = openWindow(window);
    QVERIFY(shown);
    const QColor background = colourScheme(scheme).color(QPalette::Window);
    QApplication::setPalette(colourScheme(scheme));
    QTRY_COMPARE(shown->palette().color(QPalette::Window), background);
    QCoreApplication::processEvents();

    // Labels that paint their own background take the new one, like the window.
    for (const QLabel *label : shown->findChildren<QLabel *>()) {
        if (label->autoFillBackground())
            QCOMPARE(label->palette().color(QPalette::Window), background);
    }
    QString failures;
    lowestContrast(shown.get(), &failures);
    QVERIFY2(failures.isEmpty(), qPrintable(failures));
}

void tst_ColourSchemes::messageBoxesAreReadable_data()
{
    QTest::addColumn<bool>("error");
    QTest::addColumn<QString>("scheme");
    for (const QString &scheme : { u"light"_s, u"dark"_s, u"high contrast"_s }) {
        QTest::addRow("goodbye box in the %s scheme", qPrintable(scheme)) << false << scheme;
        QTest::addRow("error box in the %s scheme", qPrintable(scheme)) << true << scheme;
    }
}

void tst_ColourSchemes::messageBoxesAreReadable()
{
    QFETCH(bool, error);
    QFETCH(QString, scheme);

    QApplication::setPalette(colourScheme(scheme));
    const RuntimeRecorder recorder(RuntimeRecorder::MessageBox::Real);
    // The box is measured while exec() waits inside it, then closed.
    QString failures;
    const MessageBoxUser user([&](QMessageBox *box) {
        QVERIFY(QTest::qWaitForWindowExposed(box));
        box->setObjectName(error ? u"error-box"_s : u"goodbye-box"_s);
        lowestContrast(box, &failures);
        box->done(0);
    });
    if (error)
        runtime::fatal(u"Unexpected error"_s);
    else
        runtime::msgBox(u"Thank You For Your Visit."_s);
    QVERIFY(user.seen());
    QVERIFY2(failures.isEmpty(), qPrintable(failures));
}

QTEST_MAIN(tst_ColourSchemes)
#include "tst_colourschemes.moc"
