// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

namespace sivane {

// What the user reads when no display can be opened. Qt's platform plugins report a failed
// connection in a few warnings and then abort the program with a core dump. Between these two
// calls, made around the construction of QApplication, that ending becomes one line that names
// the display tried and says what to do, and the program exits with code 1. Any other ending,
// and every message of a start that succeeds, reaches standard error unchanged.
void holdStartupMessages();
void releaseStartupMessages();

} // namespace sivane
