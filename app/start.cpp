// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "app/start.h"

#include "app/mainwindow.h"
#include "runtime/runtime.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QLibraryInfo>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

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
      "Keys in the main window:\n"
      "  Ctrl+1 to Ctrl+9  Show a planet, as a click on its picture does, in the\n"
      "                    pictures' reading order: Ctrl+1 Mercury, Ctrl+2 Venus,\n"
      "                    Ctrl+3 Earth, Ctrl+4 Mars, Ctrl+5 Jupiter, Ctrl+6 Saturn,\n"
      "                    Ctrl+7 Uranus, Ctrl+8 Neptune, Ctrl+9 Pluto.\n"
      "  Ctrl+W            Open the Change Weight window (Tools > Change Weight).\n"
      "  Ctrl+H            Open the About window (About > About Me).\n"
      "  Ctrl+Q            Say goodbye and exit (File > Exit).\n"
      "  Ctrl+T            Compare the fact of the focused box across all planets, in\n"
      "                    a table and as bars (Mass (kg) when no box has the focus);\n"
      "                    each box's context menu does the same: Compare All Planets.\n"
      "\n"
      "Keys in the Change Weight, About and Compare Planets windows:\n"
      "  Esc               Close the window.\n"
      "\n"
      "Keys in the Compare Planets window:\n"
      "  Up, Down          Choose the fact to draw as bars (in the table).\n"
      "  Ctrl+C            Copy the selected cells as tab-separated text.\n"
      "  Tab               Go on to the order, the scale and the chart.\n"
      "\n"
      "Sivane needs a graphical display: it uses the one that DISPLAY (X11) or\n"
      "WAYLAND_DISPLAY (Wayland) names.\n";

// --help and --version are the program's only options of its own. They are answered before
// the application object exists, so that they work where no display can be opened; Qt's
// options (-platform, -style...) are unknown to this scan and left for QApplication.
enum class Request { Run, ShowHelp, ShowVersion };

Request scanCommandLine(int argc, char *argv[])
{
    QCommandLineParser parser;
    // Qt's options are words after one dash, not bundles of one-letter options.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList { u"h"_s, u"help"_s });
    const QCommandLineOption version(QStringList { u"v"_s, u"version"_s });
    parser.addOptions({ help, version });
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Qt's options are errors to this parser; they are judged once QApplication has taken
    // out its own.
    parser.parse(arguments);
    // The first of the two on the command line wins.
    for (const QString &name : parser.optionNames()) {
        if (help.names().contains(name))
            return Request::ShowHelp;
        if (version.names().contains(name))
            return Request::ShowVersion;
    }
    return Request::Run;
}

// What is left once QApplication has taken out Qt's options is not understood: one line
// naming the first such argument, or nothing when none is left.
std::string refusal(const QStringList &left)
{
    if (left.isEmpty())
        return {};
    const QString &argument = left.first();
    const bool isOption = argument.size() > 1 && argument.startsWith(u'-');
    return "sivane: " + std::string(isOption ? "unknown option '" : "unexpected argument '")
        + argument.toLocal8Bit().toStdString() + "' (see 'sivane --help')";
}

// What Qt reports while QApplication connects to the display is held back: when no display
// can be opened, or the Wayland platform plugin it needs is not installed, the platform
// plugins' warnings end in a fatal error that would abort the program with a core dump.
// That ending is replaced by one line saying what to do, and otherwise the held messages are
// passed on unchanged once the application exists.
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
std::string s_triedXDisplay; // as the xcb plugin names it when it cannot connect
bool s_waylandNotFound = false; // Qt was asked for the Wayland platform and found no plugin

// The X library writes a refusing server's reason ("Authorization required, ...") straight to
// standard error, where no message handler sees it; so standard error is held as well, in
// memory, while QApplication connects.
int s_savedStandardError = -1;
int s_heldStandardError = -1;

void holdStandardError()
{
    std::fflush(stderr);
    s_heldStandardError = memfd_create("sivane-stderr", MFD_CLOEXEC);
    if (s_heldStandardError < 0)
        return;
    s_savedStandardError = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (s_savedStandardError < 0 || dup2(s_heldStandardError, STDERR_FILENO) < 0) {
        close(s_heldStandardError);
        s_heldStandardError = -1;
    }
}

// Gives standard error back and returns what was written to it meanwhile.
std::string releaseStandardError()
{
    if (s_heldStandardError < 0)
        return {};
    std::fflush(stderr);
    dup2(s_savedStandardError, STDERR_FILENO);
    close(s_savedStandardError);
    std::string written;
    char buffer[4096];
    lseek(s_heldStandardError, 0, SEEK_SET);
    for (ssize_t n; (n = read(s_heldStandardError, buffer, sizeof buffer)) > 0;)
        written.append(buffer, std::size_t(n));
    close(s_heldStandardError);
    s_heldStandardError = -1;
    return written;
}

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

// Whether a Wayland platform plugin lies in one of the folders where Qt looks for platform
// plugins. Debian ships it apart from Qt's other platform plugins, in qt6-wayland.
bool waylandPluginInstalled()
{
    QStringList folders;
    if (const QString path = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH"); !path.isEmpty())
        folders << path;
    const QStringList pluginPaths
        = qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    for (const QString &path : pluginPaths)
        folders << path + u"/platforms"_s;
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + u"/platforms"_s;
    // Asked without an application object, Qt would warn, and the warning would come back here.
    if (QCoreApplication::instance())
        folders << QCoreApplication::applicationDirPath() + u"/platforms"_s;
    for (const QString &folder : std::as_const(folders)) {
        if (!QDir(folder).entryList({ u"libqwayland*"_s }, QDir::Files).isEmpty())
            return true;
    }
    return false;
}

// `refusal` is what the X library wrote when the server turned the connection down.
std::string displayProblem(const std::string &refusal)
{
    std::string named;
    const auto add
        = [&named](const std::string &what) { named += named.empty() ? what : ", " + what; };
    // An X display other than DISPLAY's was named with Qt's -display option.
    const char *xDisplay = std::getenv("DISPLAY");
    const std::string fromVariable = xDisplay ? xDisplay : "";
    if (!s_triedXDisplay.empty() && s_triedXDisplay != fromVariable)
        add("-display " + s_triedXDisplay);
    else if (!fromVariable.empty())
        add("DISPLAY=" + fromVariable);
    const char *waylandDisplay = std::getenv("WAYLAND_DISPLAY");
    const bool waylandNamed = waylandDisplay && *waylandDisplay;
    if (waylandNamed)
        add(std::string("WAYLAND_DISPLAY=") + waylandDisplay);
    const std::string where = named.empty() ? std::string() : " (" + named + ')';
    if ((waylandNamed || s_waylandNotFound) && !waylandPluginInstalled()) {
        return "sivane: cannot open the display" + where
            + ": Qt's Wayland platform plugin is missing; install the package qt6-wayland";
    }
    if (named.empty()) {
        return "sivane: no display to show the windows on: neither DISPLAY nor WAYLAND_DISPLAY "
               "is set; start it in a desktop session or set one of them, e.g. DISPLAY=:0";
    }
    if (!s_triedXDisplay.empty() && !refusal.empty()) {
        const std::string reason = refusal.substr(0, refusal.find('\n'));
        return "sivane: cannot open the display" + where
            + ": the display server refused the connection (" + reason
            + "); run Sivane as the user of that desktop session, or set XAUTHORITY";
    }
    return "sivane: cannot open the display" + where
        + ": no display server answers there; set DISPLAY or WAYLAND_DISPLAY to a running one";
}

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    std::lock_guard lock(s_heldLock);
    const QByteArray category = orEmpty(context.category);
    constexpr QStringView xcbFailure = u"could not connect to display";
    if (category == "qt.qpa.xcb" && text.startsWith(xcbFailure)) {
        s_connectionFailed = true;
        s_triedXDisplay = text.sliced(xcbFailure.size()).trimmed().toLocal8Bit().toStdString();
    }
    if (text.startsWith(u"Failed to create wl_display"))
        s_connectionFailed = true;
    if (text.startsWith(u"Could not find the Qt platform plugin \"wayland\""))
        s_waylandNotFound = true;
    if (type == QtFatalMsg) {
        const std::string written = releaseStandardError();
        if (s_connectionFailed || s_waylandNotFound) {
            const std::string line = displayProblem(written) + '\n';
            std::fputs(line.c_str(), stderr);
        } else {
            std::fputs(written.c_str(), stderr);
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

void holdStartupMessages()
{
    holdStandardError();
    s_previousHandler = qInstallMessageHandler(holdMessage);
}

void releaseStartupMessages()
{
    qInstallMessageHandler(s_previousHandler);
    std::fputs(releaseStandardError().c_str(), stderr);
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

int start(int argc, char *argv[])
{
    switch (scanCommandLine(argc, argv)) {
    case Request::ShowHelp:
        std::fputs(helpText, stdout);
        return 0;
    case Request::ShowVersion:
        std::printf("Sivane %s\n", sivane::version);
        return 0;
    case Request::Run:
        break;
    }

    holdStartupMessages();
    QApplication app(argc, argv);
    releaseStartupMessages();
    // Without a display the program has ended above, so a stray argument is only refused
    // where a display could be opened.
    if (const std::string problem = refusal(app.arguments().mid(1)); !problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 2;
    }
    runtime::initialise(app);
    auto *window = new MainWindow;
    placeMainWindow(window);
    window->show();
    return runtime::exec(app);
}

} // namespace sivane
