// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "about/aboutwindow.h"
#include "app/mainwindow.h"
#include "app/menucommands.h"
#include "runtime/runtime.h"
#include "weight/weightwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

// Soak and burst benchmark: long runs of clicks, typing and window openings must leave the
// resident memory flat once the caches are warm, and every single event must be handled in
// under one frame (16 ms). It prints figures and exits non-zero if a target or a result is
// missed. Run it offscreen; "--scale N" divides every count by N for a quick look, and
// "--only PHASE" runs one phase: clicks, typing, pastes, identical, nearly-identical, windows
// or bursts.
namespace {

constexpr double frameMs = 16.0;
constexpr long growthLimitKiB = 1024;
// 200 pastes that fill the box would keep some 200 MiB if either undo history kept them.
constexpr long repeatedPasteLimitKiB = 4096;

int s_scale = 1;
int s_failures = 0;
int s_messageBoxes = 0;

int scaled(int count)
{
    return std::max(1, count / s_scale);
}

long residentKiB()
{
    std::FILE *statm = std::fopen("/proc/self/statm", "r");
    if (!statm)
        return -1;
    long size = 0;
    long resident = -1;
    if (std::fscanf(statm, "%ld %ld", &size, &resident) != 2)
        resident = -1;
    std::fclose(statm);
    return resident < 0 ? -1 : resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Bytes the C library's allocator has handed out and not taken back, mapped chunks included.
long heapKiB()
{
    const struct mallinfo2 info = mallinfo2();
    return long((info.uordblks + info.hblkhd) / 1024);
}

// Each kind of failure is printed once per phase; the total is counted.
std::set<std::string> s_reported;

void fail(const char *what)
{
    if (s_reported.insert(what).second)
        std::printf("  FAILED: %s\n", what);
    ++s_failures;
}

// The offscreen platform warns about every window it cannot raise; nothing else is dropped.
void quietMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// Handles whatever the last event left queued: repaints, deferred deletions.
void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Times of single events, each including the handler and the repaint it causes.
class EventTimes
{
public:
    // Takes the memory for the figures before the measured part of a phase, so that the
    // benchmark's own bookkeeping does not show up as growth.
    void prepare(std::size_t events)
    {
        m_ns.assign(events, 0);
        m_ns.clear();
    }

    template <typename Event> void time(Event event)
    {
        QElapsedTimer timer;
        timer.start();
        event();
        settle();
        m_ns.push_back(timer.nsecsElapsed());
    }

    // Prints the figures of the events timed since the last report, unless this round is only
    // warming the caches. Only judged events must stay under one frame.
    void report(const char *what, bool judged = true)
    {
        if (m_ns.empty() || m_warmingUp) {
            m_ns.clear();
            return;
        }
        std::vector<qint64> sorted = m_ns;
        std::sort(sorted.begin(), sorted.end());
        const auto ms = [](qint64 ns) { return double(ns) / 1e6; };
        const double median = ms(sorted[sorted.size() / 2]);
        const double p99 = ms(sorted[std::min(sorted.size() - 1, sorted.size() * 99 / 100)]);
        const double max = ms(sorted.back());
        const auto late = std::count_if(
            sorted.begin(), sorted.end(), [&](qint64 ns) { return ms(ns) >= frameMs; });
        std::printf(
            "  %-44s %7zu events  median %7.3f ms  p99 %7.3f ms  max %7.3f ms  over 16 ms: %ld\n",
            what, sorted.size(), median, p99, max, long(late));
        if (judged && max >= frameMs)
            fail("an event took a frame or longer");
        m_ns.clear();
    }

    void setWarmingUp(bool warmingUp) { m_warmingUp = warmingUp; }
    bool isWarmingUp() const { return m_warmingUp; }

private:
    std::vector<qint64> m_ns;
    bool m_warmingUp = false;
};

// Resident memory before and after the measured part of a phase.
class Phase
{
public:
    explicit Phase(const char *name)
    {
        s_reported.clear();
        std::printf("%s\n", name);
    }

    void startMeasuring()
    {
        settle();
        m_before = residentKiB();
        m_heapBefore = heapKiB();
    }

    // Prints the growth since startMeasuring(); only a judged figure must stay under the limit.
    void finish(const char *when = "after", bool judged = true, long limitKiB = growthLimitKiB)
    {
        settle();
        const long after = residentKiB();
        const long growth = after - m_before;
        std::printf("  resident memory %ld KiB before, %ld KiB %s: growth %+ld KiB"
                    " (heap in use %+ld KiB)\n",
            m_before, after, when, growth, heapKiB() - m_heapBefore);
        if (judged && growth >= limitKiB)
            fail("resident memory grew beyond its limit");
    }

private:
    long m_before = 0;
    long m_heapBefore = 0;
};

QWidget *child(QWidget *parent, const char *name)
{
    auto *widget = parent->findChild<QWidget *>(QString::fromLatin1(name));
    if (!widget) {
        std::printf("no control named %s\n", name);
        std::exit(2);
    }
    return widget;
}

// Opens the weight window through its menu command; a window that does not open ends the
// benchmark, as a missing control does.
struct WeightBoxes
{
    WeightWindow *window;
    QLineEdit *input;
    QLineEdit *mercury;
};
WeightBoxes openWeightWindow()
{
    change_Click();
    WeightWindow *window = frmChange.window();
    if (!window) {
        std::printf("Tools > Change Weight showed no window\n");
        std::exit(2);
    }
    return { window, static_cast<QLineEdit *>(child(window, "Text1")),
        static_cast<QLineEdit *>(child(window, "Text2")) };
}

const char *const pictureNames[]
    = { "img1", "img2", "img3", "img44", "img5", "img6", "img7", "img8", "img9" };
const char *const planetNames[]
    = { "Mercury", "Venus", "Earth", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto" };

// Clicks as the window system delivers them, through the main window's QWindow, so that a
// second press soon after the first becomes a double-click as it would for a real user.
void clickPicture(MainWindow &window, QWidget *picture, bool doubleClick = false)
{
    const QPoint at = picture->mapTo(&window, picture->rect().center());
    if (doubleClick)
        QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, at);
    else
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, at);
}

void clickPictures(MainWindow &window)
{
    Phase phase("Clicking all nine pictures in turn");
    auto *name = static_cast<QLabel *>(child(&window, "lblName"));
    EventTimes times;
    const auto round = [&](bool timed) {
        for (int p = 0; p < 9; ++p) {
            QWidget *picture = child(&window, pictureNames[p]);
            if (timed)
                times.time([&] { clickPicture(window, picture); });
            else
                clickPicture(window, picture);
            if (name->text() != QLatin1String(planetNames[p])) {
                fail("a click showed the wrong planet");
                return;
            }
        }
    };
    for (int r = 0; r < scaled(1000); ++r)
        round(false);
    times.prepare(9 * scaled(10000));
    phase.startMeasuring();
    for (int r = 0; r < scaled(10000); ++r)
        round(true);
    times.report("one click with its repaint");
    phase.finish();
}

// Weights of many shapes: whole, fractional, negative, with exponents, blanks and junk.
QString weightText(int i)
{
    switch (i % 6) {
    case 0:
        return QString::number(i % 500);
    case 1:
        return QString::number(i * 0.731, 'f', 3);
    case 2:
        return QStringLiteral("-") + QString::number(i % 97);
    case 3:
        return QString::number(i % 9 + 1) + QStringLiteral("e") + QString::number(i % 40);
    case 4:
        return QStringLiteral(" ") + QString::number(i % 1000) + QStringLiteral(" kg");
    default:
        return QStringLiteral("&H") + QString::number(i % 4096, 16).toUpper();
    }
}

// Empties the weight box and types `text` into it key by key, as the user does. Each key is
// timed in `keys` and the emptying in `emptying`, where they are given.
void typeWeight(QLineEdit *input, const QString &text, EventTimes *keys, EventTimes *emptying)
{
    const auto empty = [input] {
        QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(input, Qt::Key_Backspace);
    };
    if (emptying)
        emptying->time(empty);
    else
        empty();
    for (QChar c : text) {
        const auto key = [input, c] { QTest::keyClicks(input, QString(c)); };
        if (keys)
            keys->time(key);
        else
            key();
    }
    if (input->text() != text)
        fail("the weight box does not hold what was typed");
}

void typeWeights()
{
    Phase phase("Typing weights into the weight window");
    const WeightBoxes boxes = openWeightWindow();
    WeightWindow *window = boxes.window;
    QLineEdit *input = boxes.input, *mercury = boxes.mercury;
    EventTimes times;
    for (int i = 0; i < scaled(1000); ++i)
        typeWeight(input, weightText(i), nullptr, nullptr);
    times.prepare(16 * scaled(10000));
    phase.startMeasuring();
    for (int i = 0; i < scaled(10000); ++i)
        typeWeight(input, weightText(i), &times, &times);
    times.report("one keystroke with its conversion");
    // A known weight last, so the results are checked as well as timed.
    input->clear();
    QTest::keyClicks(input, QStringLiteral("70"));
    if (mercury->text() != QLatin1String("25.9"))
        fail("70 kg on Earth did not give 25.9 kg on Mercury");
    // Text1's undo history is bounded, so the window may stay open.
    phase.finish("with the window open");
    window->close();
    settle();
    phase.finish("after closing it");
}

// Long weights in the scripts a user may paste them in, each 32,767 characters: the most the
// box holds. Each reads as 70 kg.
struct LongPaste
{
    const char *what;
    QString text;
};

std::vector<LongPaste> longPastes()
{
    const auto fill = [](QString text, QChar filler) {
        text += QString(32767 - text.size(), filler);
        return text;
    };
    return {
        { "ASCII digits", fill(QStringLiteral("70."), QLatin1Char('0')) },
        { "Arabic-Indic digits", fill(QStringLiteral("\u0667\u0660."), QChar(0x0660)) },
        // Ideographic text after the weight: 70, then "kilograms on Earth" over and over.
        { "CJK text with digits",
            QString(QStringLiteral("70\u516C\u65A4\u5728\u5730\u7403\u4E0A"))
                .repeated(4096)
                .left(32767) },
        { "full-width digits", fill(QStringLiteral("\uFF17\uFF10."), QChar(0xFF10)) },
    };
}

// Pastes that fill the box, between typed weights, all with the window open: neither the
// long texts nor the keystrokes may leave memory behind while the window stays open.
void pasteWeights()
{
    Phase phase("Pasting long weights between typed ones, the weight window open");
    const WeightBoxes boxes = openWeightWindow();
    WeightWindow *window = boxes.window;
    QLineEdit *input = boxes.input, *mercury = boxes.mercury;
    const std::vector<LongPaste> pastes = longPastes();
    std::vector<EventTimes> pasteTimes(pastes.size());
    EventTimes keyTimes;

    // Paste i replaces the whole text and is followed by ten weights typed key by key.
    const auto round = [&](int i, bool timed) {
        const std::size_t kind = std::size_t(i) % pastes.size();
        QGuiApplication::clipboard()->setText(pastes[kind].text);
        QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
        const auto pasteOne = [&] { QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier); };
        if (timed)
            pasteTimes[kind].time(pasteOne);
        else
            pasteOne();
        if (input->text().size() != 32767 || mercury->text() != QLatin1String("25.9"))
            fail("a long paste was not taken whole or gave the wrong weight");
        for (int w = 0; w < 10; ++w)
            typeWeight(input, weightText(i * 10 + w), timed ? &keyTimes : nullptr, nullptr);
    };
    for (int i = 0; i < scaled(100); ++i)
        round(i, false);
    for (EventTimes &times : pasteTimes)
        times.prepare(std::size_t(scaled(1000)));
    keyTimes.prepare(std::size_t(16 * scaled(10000)));
    phase.startMeasuring();
    for (int i = 0; i < scaled(1000); ++i)
        round(i, true);
    // Qt lays out the whole line on every change, so a full box costs what its script costs;
    // these times are figures to watch, not targets.
    for (std::size_t kind = 0; kind < pastes.size(); ++kind) {
        const std::string what = std::string("pasting 32,767 characters: ") + pastes[kind].what;
        pasteTimes[kind].report(what.c_str(), false);
    }
    keyTimes.report("one keystroke between the pastes");
    phase.finish("with the window open");
    window->close();
    settle();
}

// One long weight pasted over the whole text again and again, or one that differs from the
// last in a single digit, with nothing typed between: neither undo history may keep them.
void repeatPastes(bool nearlyIdentical)
{
    Phase phase(nearlyIdentical
            ? "Pasting nearly identical long weights, the weight window open"
            : "Pasting one long weight again and again, the weight window open");
    const WeightBoxes boxes = openWeightWindow();
    WeightWindow *window = boxes.window;
    QLineEdit *input = boxes.input, *mercury = boxes.mercury;
    const QString weight = QStringLiteral("70.") + QString(32764, QLatin1Char('0'));
    EventTimes times;
    const auto pasteOne = [&](int i, bool timed) {
        QString text = weight;
        // A digit far past the fifteenth, so that every paste still reads as 70 kg.
        if (nearlyIdentical)
            text[32766 - i % 16000] = QLatin1Char(char('1' + i % 9));
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(input, Qt::Key_A, Qt::ControlModifier);
        const auto paste = [&] { QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier); };
        if (timed)
            times.time(paste);
        else
            paste();
        if (input->text() != text || mercury->text() != QLatin1String("25.9"))
            fail("a long paste was not taken whole or gave the wrong weight");
    };
    for (int i = 0; i < scaled(20); ++i)
        pasteOne(i, false);
    times.prepare(std::size_t(scaled(200)));
    phase.startMeasuring();
    for (int i = 0; i < scaled(200); ++i)
        pasteOne(i, true);
    times.report("pasting 32,767 characters over them", false);
    phase.finish("with the window open", true, repeatedPasteLimitKiB);
    window->close();
    settle();
}

template <typename Window>
void openAndClose(runtime::Form<Window> &form, void (*command)(), const char *title)
{
    Phase phase(title);
    EventTimes opening;
    EventTimes closing;
    const auto once = [&](bool timed) {
        if (timed)
            opening.time(command);
        else
            command();
        Window *window = form.window();
        if (!window || !window->isVisible()) {
            fail("the menu command showed no window");
            return;
        }
        if (timed)
            closing.time([&] { window->close(); });
        else
            window->close();
        settle();
        if (form.window())
            fail("a closed window was not unloaded");
    };
    for (int i = 0; i < scaled(100); ++i)
        once(false);
    opening.prepare(scaled(1000));
    closing.prepare(scaled(1000));
    phase.startMeasuring();
    for (int i = 0; i < scaled(1000); ++i)
        once(true);
    opening.report("building and showing the window");
    closing.report("closing and unloading it");
    phase.finish();
}

// Input no user types by hand: a paste that fills the box, a key held down, clicks faster
// than any double-click interval.
void burstRound(MainWindow &main, EventTimes &times)
{
    const WeightBoxes boxes = openWeightWindow();
    WeightWindow *window = boxes.window;
    QLineEdit *input = boxes.input, *mercury = boxes.mercury;
    EventTimes handlerTimes;
    handlerTimes.setWarmingUp(times.isWarmingUp());

    // What each paste gives on Mercury: beyond the range nothing, junk 0, blanks are skipped.
    struct Paste
    {
        QString text;
        const char *mercury;
    };
    const Paste pastes[] = {
        { QString(32767, QLatin1Char('9')), "" },
        { QStringLiteral("70.") + QString(32764, QLatin1Char('0')), "25.9" },
        { QString(32766, QLatin1Char(' ')) + QLatin1Char('7'), "2.59" },
        { QString(32767, QLatin1Char('x')), "0" },
        { QString(32767, QChar(0x00e9)), "0" },
    };
    for (int round = 0; round < 20; ++round) {
        for (const Paste &paste : pastes) {
            QGuiApplication::clipboard()->setText(paste.text);
            input->clear();
            times.time([&] { QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier); });
            if (input->text().size() != 32767)
                fail("a 32,767-character paste was not taken whole");
            if (mercury->text() != QLatin1String(paste.mercury))
                fail("a long paste gave the wrong weight");
            // The program's own share of the paste: reading the box and converting.
            handlerTimes.time([&] { window->Text1_Change(); });
        }
    }
    times.report("pasting 32,767 characters");
    handlerTimes.report("of which Text1_Change alone");

    // Backspace held down on a full box: each repeat converts the 32,766 characters left.
    const auto holdKey = [&](Qt::Key key, QChar character, int repeats) {
        const QString text = character.isNull() ? QString() : QString(character);
        for (int i = 0; i < repeats; ++i) {
            times.time([&] {
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text, /*autorep*/ i > 0);
                QApplication::sendEvent(input, &press);
            });
        }
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(input, &release);
    };
    // Keys repeat about 30 times a second; 300 repeats are ten seconds of holding.
    const int repeats = 300;
    holdKey(Qt::Key_Backspace, QChar(), repeats);
    times.report("Backspace held down on a full box");
    if (input->text().size() != 32767 - repeats)
        fail("held Backspace did not delete one character per repeat");

    input->clear();
    const int boxesBefore = s_messageBoxes;
    holdKey(Qt::Key_5, QLatin1Char('5'), 2 * repeats);
    times.report("a digit held down (past the largest double)");
    if (input->text() != QString(2 * repeats, QLatin1Char('5')))
        fail("held digit did not give one digit per repeat");
    // 308 fives still convert; the 309th makes the weight too large, and the message comes
    // then and not again while it stays too large.
    if (s_messageBoxes - boxesBefore != 1)
        fail("the too-large message did not come exactly once");
    window->close();
    settle();

    // Presses and releases with no time between: a double-click counts as a second click.
    auto *name = static_cast<QLabel *>(child(&main, "lblName"));
    for (int i = 0; i < 2000; ++i) {
        const int p = i % 9;
        QWidget *picture = child(&main, pictureNames[p]);
        times.time([&] { clickPicture(main, picture, true); });
        if (name->text() != QLatin1String(planetNames[p]))
            fail("a fast double-click showed the wrong planet");
    }
    times.report("double-clicks on the pictures");
}

void bursts(MainWindow &main)
{
    Phase phase("Bursts: long pastes, held keys, very fast clicks");
    EventTimes times;
    times.setWarmingUp(true);
    burstRound(main, times);
    phase.startMeasuring();
    times.setWarmingUp(false);
    burstRound(main, times);
    phase.finish();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::string only;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::string(argv[i]) == "--scale")
            s_scale = std::max(1, std::atoi(argv[i + 1]));
        if (std::string(argv[i]) == "--only")
            only = argv[i + 1];
    }
    const auto runs = [&](const char *phase) { return only.empty() || only == phase; };
    qInstallMessageHandler(quietMessages);
    QApplication app(argc, argv);
    runtime::initialise(app);
    // No box may wait for a user, and the program must not end under the benchmark.
    runtime::setHooks(
        { [](const runtime::MessageBoxRequest &) { ++s_messageBoxes; }, [](int) {}, {} });

    QElapsedTimer total;
    total.start();
    std::printf("Sivane soak benchmark%s (resident memory at start %ld KiB)\n",
        s_scale > 1 ? " (scaled down)" : "", residentKiB());
    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 2;

    if (runs("clicks"))
        clickPictures(window);
    if (runs("typing"))
        typeWeights();
    if (runs("pastes"))
        pasteWeights();
    if (runs("identical"))
        repeatPastes(false);
    if (runs("nearly-identical"))
        repeatPastes(true);
    if (runs("windows")) {
        openAndClose(frmChange, &change_Click, "Opening and closing the weight window");
        openAndClose(frmAbout, &us_Click, "Opening and closing the About window");
    }
    if (runs("bursts"))
        bursts(window);

    std::printf(
        "%s after %.1f s\n", s_failures ? "FAILED" : "PASSED", double(total.elapsed()) / 1000.0);
    return s_failures ? 1 : 0;
}
