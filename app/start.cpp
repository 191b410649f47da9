// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "app/start.h"

#include "app/displayproblem.h"
#include "app/mainwindow.h"
#include "runtime/runtime.h"
#include "version.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <string>

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
