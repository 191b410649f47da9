// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

class MainWindow;

namespace sivane {

// Places the main window at its stored position: the top-left corner of the area below
// its menu bar at (27, 41) on the screen.
void placeMainWindow(MainWindow *window);

// Starts the program: answers --help and --version without a display; otherwise the main
// window is built from its description and shown, then events are dispatched until the
// program ends. Returns the exit code: 0, 1 when no display can be opened, 2 when the command
// line holds an argument that neither Sivane nor Qt takes.
int start(int argc, char *argv[]);

} // namespace sivane
