// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include <QStringView>

#include <array>

// The program's whole body of knowledge: nine planet records, Mercury to Pluto, each with
// the same 22 facts, and the facts' captions. Constant texts, shown exactly as stored; records
// are reached by their number only. What a fact's text says as a number is read by
// readFact() (factvalue.h), for the views that order or measure the facts.
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

// The caption of fact 1 to factCount, with its unit where it has one: "Mass (kg)". The main
// window's description shows the same captions beside its fact boxes.
QStringView factCaption(int fact);

// Whether a negative value of the fact means a rotation against the orbit's direction
// (retrograde): the rotational periods, in hours and in days.
constexpr bool isRotationPeriod(int fact)
{
    return fact == 8 || fact == 9;
}

} // namespace catalogue
