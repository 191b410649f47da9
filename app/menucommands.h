// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include "runtime/form.h"

class AboutWindow;
class CompareWindow;
class WeightWindow;

// The main window's three menu commands, File > Exit, Tools > Change Weight and
// About > About Me, and the command that compares the planets.
void exit_Click();
void change_Click();
void us_Click();

// Opens the Compare Planets window, or brings it to the front, with fact 1 to 22 chosen. The
// fact boxes' context menus ("Compare All Planets") and Ctrl+T run it.
void compareAllPlanets(int fact);

// The one form object of each secondary window, named after the window. Neither window is
// loaded until the command that shows it.
extern runtime::Form<WeightWindow> frmChange;
extern runtime::Form<AboutWindow> frmAbout;
extern runtime::Form<CompareWindow> frmCompare;
