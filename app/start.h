// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include <string>

class MainWindow;

namespace sivane {

// Places the main window at its stored position: the top-left corner of the area below
// its menu bar at (27, 41) on the screen.
void placeMainWindow(MainWindow *window);

// What the command line asks for. It is read before any Qt object exists, so that --help
// and --version work where no display can be opened. Qt's own options (-platform, -display,
// -style, -reverse...) are recognised only to be left in place for QApplication.
struct CommandLine
{
    enum class Action { Run, ShowHelp, ShowVersion, Reject };
    Action action = Action::Run;
    std::string error; // for Reject: one line saying what is wrong
    std::string displayName; // the value of -display, if given
};
CommandLine parseCommandLine(int argc, const char *const argv[]);

// Starts the program: the main window is built from its description and shown, then
// events are dispatched until the program ends. Returns the exit code: 0, 1 when no
// display can be opened, 2 for a command line it does not understand.
int start(int argc, char *argv[]);

} // namespace sivane
