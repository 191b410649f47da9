// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

class QFont;

// The free faces carried inside the program and the design fonts of the window descriptions
// that they stand in for. The descriptions keep naming the design fonts; a QFont substitution
// names each one's stand-in, and a widget's font names the stand-in itself once it is set.
namespace runtime {

// Registers every bundled face with Qt's font database, inserts the substitutions and, from
// then on, gives every font set on a widget the stand-in of its design family. A face that
// cannot be registered is a broken build and ends the program.
void installFonts();

// `font` with its design family replaced by the substitution's stand-in, if it has one.
QFont withStandIn(QFont font);

} // namespace runtime
