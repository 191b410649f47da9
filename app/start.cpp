// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "app/start.h"

#include "app/mainwindow.h"
#include "runtime/runtime.h"
#include "version.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <span>
#include <string_view>
#include <vector>

namespace sivane {
namespace {

constexpr const char helpText[]
    = "Usage: sivane [options]\n"
      "Shows facts about the planets of the solar system in a desktop window.\n"
      "\n"
      "Options:\n"
      "  -h, --help        Show this help and exit.\n"
      "  -v, --version     Show the version and exit.\n"
      "\n"
      "Qt's standard options are accepted as well, among them:\n"
      "  -platform NAME    Use the platform plugin NAME (xcb, wayland, offscreen...).\n"
      "  -display NAME     Use the X display NAME instead of $DISPLAY.\n"
      "  -style NAME       Draw the controls in the style NAME, e.g. Fusion.\n"
      "  -reverse          Lay out the windows from right to left.\n"
      "\n"
      "Sivane needs a graphical display: it uses the one that DISPLAY (X11) or\n"
      "WAYLAND_DISPLAY (Wayland) names.\n";

// The options that QGuiApplication, QApplication and the xcb platform plugin take out of
// the command line themselves. Each may also be written with two dashes.
constexpr std::string_view qtOptionsWithValue[] = { "platform", "platformpluginpath",
    "platformtheme", "plugin", "qwindowgeometry", "geometry", "qwindowtitle", "title",
    "qwindowicon", "icon", "session", "style", "stylesheet", "display", "name", "visual" };
constexpr std::string_view qtFlags[]
    = { "reverse", "widgetcount", "testability", "nograb", "dograb", "sync" };
// Written as -option=value only.
constexpr std::string_view qtOptionsWithEquals[] = { "style=", "stylesheet=", "qmljsdebugger=" };

bool isIn(std::span<const std::string_view> list, std::string_view name)
{
    return std::ranges::find(list, name) != list.end();
}

// What Qt reports while QApplication connects to the display is held back: when no display
// can be opened, the xcb plugin's warnings end in a fatal error that would abort the
// program with a core dump. That ending is replaced by one line saying what to do, and
// otherwise the held messages are passed on unchanged once the application exists.
struct HeldMessage
{
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

std::mutex s_heldLock;
std::vector<HeldMessage> s_held;
QtMessageHandler s_previousHandler = nullptr;
bool s_connectionFailed = false;
std::string s_displayOption;

QByteArray orEmpty(const char *text)
{
    return text ? QByteArray(text) : QByteArray();
}

void passOn(const HeldMessage &message)
{
    const QMessageLogContext context(message.file.isEmpty() ? nullptr : message.file.constData(),
        message.line, message.function.isEmpty() ? nullptr : message.function.constData(),
        message.category.isEmpty() ? nullptr : message.category.constData());
    s_previousHandler(message.type, context, message.text);
}

std::string displayProblem()
{
    std::string named;
    const auto add
        = [&named](const std::string &what) { named += named.empty() ? what : ", " + what; };
    // The -display option stands in for DISPLAY.
    if (!s_displayOption.empty())
        add("-display " + s_displayOption);
    for (const char *variable : { "DISPLAY", "WAYLAND_DISPLAY" }) {
        const char *value = std::getenv(variable);
        if (value && *value && !(s_displayOption.size() && variable[0] == 'D'))
            add(std::string(variable) + '=' + value);
    }
    if (named.empty()) {
        return "sivane: no display to show the windows on: neither DISPLAY nor WAYLAND_DISPLAY "
               "is set; start it in a desktop session or set one of them, e.g. DISPLAY=:0";
    }
    return "sivane: cannot open the display (" + named
        + "): no display server answers there; set DISPLAY or WAYLAND_DISPLAY to a "
          "running one";
}

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    std::lock_guard lock(s_heldLock);
    const QByteArray category = orEmpty(context.category);
    if ((category == "qt.qpa.xcb" && text.startsWith(u"could not connect to display"))
        || text.startsWith(u"Failed to create wl_display")) {
        s_connectionFailed = true;
    }
    if (type == QtFatalMsg) {
        if (s_connectionFailed) {
            const std::string line = displayProblem() + '\n';
            std::fputs(line.c_str(), stderr);
        } else {
            for (const HeldMessage &message : s_held)
                passOn(message);
            s_previousHandler(type, context, text);
        }
        // The application object is half built: nothing may run behind this, not even the
        // destructors of static objects, and there is nothing to dump.
        std::fflush(stderr);
        std::_Exit(1);
    }
    s_held.push_back(
        { type, orEmpty(context.file), context.line, orEmpty(context.function), category, text });
}

void holdStartupMessages(const std::string &displayOption)
{
    s_displayOption = displayOption;
    s_previousHandler = qInstallMessageHandler(holdMessage);
}

void releaseStartupMessages()
{
    qInstallMessageHandler(s_previousHandler);
    std::vector<HeldMessage> held;
    {
        std::lock_guard lock(s_heldLock);
        held.swap(s_held);
    }
    for (const HeldMessage &message : held)
        passOn(message);
}

} // namespace

void placeMainWindow(MainWindow *window)
{
    const QPoint clientOnScreen(27, 41);
    window->ensurePolished();
    window->adjustSize();
    const QPoint clientInWindow = window->centralWidget()->mapTo(window, QPoint(0, 0));
    // setGeometry places the window's inside, without its frame, whatever the frame's size.
    window->setGeometry(QRect(clientOnScreen - clientInWindow, window->size()));
}

CommandLine parseCommandLine(int argc, const char *const argv[])
{
    CommandLine result;
    const auto reject = [&result](std::string error) {
        result.action = CommandLine::Action::Reject;
        result.error = "sivane: " + std::move(error) + " (see 'sivane --help')";
        return result;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument(argv[i]);
        if (argument == "-h" || argument == "--help") {
            result.action = CommandLine::Action::ShowHelp;
            return result;
        }
        if (argument == "-v" || argument == "--version") {
            result.action = CommandLine::Action::ShowVersion;
            return result;
        }
        if (argument.size() < 2 || argument[0] != '-')
            return reject("unexpected argument '" + std::string(argument) + '\'');
        // Qt reads "--option" as "-option".
        const std::string_view name = argument.substr(argument[1] == '-' ? 2 : 1);
        const auto hasPrefix = [name](std::string_view prefix) { return name.starts_with(prefix); };
        if (isIn(qtFlags, name) || std::ranges::any_of(qtOptionsWithEquals, hasPrefix))
            continue;
        if (isIn(qtOptionsWithValue, name)) {
            if (i + 1 >= argc)
                return reject("option '" + std::string(argument) + "' needs a value");
            ++i;
            if (name == "display")
                result.displayName = argv[i];
            continue;
        }
        return reject("unknown option '" + std::string(argument) + '\'');
    }
    return result;
}

int start(int argc, char *argv[])
{
    const CommandLine commandLine = parseCommandLine(argc, argv);
    switch (commandLine.action) {
    case CommandLine::Action::ShowHelp:
        std::fputs(helpText, stdout);
        return 0;
    case CommandLine::Action::ShowVersion:
        std::printf("Sivane %s\n", sivane::version);
        return 0;
    case CommandLine::Action::Reject:
        std::fprintf(stderr, "%s\n", commandLine.error.c_str());
        return 2;
    case CommandLine::Action::Run:
        break;
    }

    holdStartupMessages(commandLine.displayName);
    QApplication app(argc, argv);
    releaseStartupMessages();
    runtime::initialise(app);
    auto *window = new MainWindow;
    placeMainWindow(window);
    window->show();
    return runtime::exec(app);
}

} // namespace sivane
