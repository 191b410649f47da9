// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

// The main window's three menu commands: File > Exit, Tools > Change Weight and
// About > About Me.
void exit_Click();
void change_Click();
void us_Click();
