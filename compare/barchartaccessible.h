// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

class BarChart;

// What assistive technology sees of a BarChart: a chart named after its fact and its scale,
// whose children are its bars in the order drawn, each named with its planet and the exact
// text of its cell (or "no value"), described as retrograde or as a range where it is one.

// Adds the chart's interface to Qt's accessibility factories; calling it again does nothing.
void installBarChartAccessibility();
// Tells assistive technology that the chart shows something else: another fact, order or
// scale.
void barChartChanged(BarChart *chart);
// Tells assistive technology that the keyboard focus moved to the bar at `position`.
void barChartFocusMoved(BarChart *chart, int position);
