// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include <QStringView>

#include <array>

// The program's whole body of knowledge: nine planet records, Mercury to Pluto, each with
// the same 22 facts. Constant texts, shown exactly as stored; nothing here parses them, and
// records are reached by their number only. The facts' captions are not here: they are the
// labels of the main window's description, the one place they live.
namespace catalogue {

inline constexpr int planetCount = 9;
inline constexpr int factCount = 22;

struct Planet
{
    QStringView name;
    QStringView discoverer; // empty for the planets known since antiquity
    QStringView discoveryDate; // likewise
    std::array<QStringView, factCount> facts; // facts[0] is fact 1
};

// Record 1 to planetCount, in the order of the main window's pictures. Any other number is
// a programming error; it throws std::out_of_range, which the runtime reports as fatal.
const Planet &planet(int record);

} // namespace catalogue
