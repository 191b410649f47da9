// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include <functional>

// Work done beside the main thread: decoding the pictures and the window icon while a window
// is built, reading the font configuration while Qt connects to the display.
//
// The main thread builds and draws the windows, and until the first window is drawn it is
// the one the user waits for; background threads therefore run at a lower priority, so that
// the main thread comes first whenever both want a processor. They still run beside it
// whenever a processor is free, and at full speed while it waits for their results.
namespace runtime {

// Runs `work` on a background thread of the application's own pool. The pool belongs to the
// application object, which waits for the work still running when it is destroyed.
void runInBackground(std::function<void()> work);

// Gives the calling thread the background priority (on Linux, a nice value 10 above its own,
// for the thread alone). A thread cannot take its priority back, so only threads that do nothing
// but background work call this.
void lowerThisThreadsPriority();

} // namespace runtime
