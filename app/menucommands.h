// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include "runtime/form.h"

class AboutWindow;
class WeightWindow;

// The main window's three menu commands: File > Exit, Tools > Change Weight and
// About > About Me.
void exit_Click();
void change_Click();
void us_Click();

// The one form object of each secondary window, named after the window. Neither window is
// loaded until the command that shows it.
extern runtime::Form<WeightWindow> frmChange;
extern runtime::Form<AboutWindow> frmAbout;
