// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "app/menucommands.h"

// The weight and About windows arrive later; until then the commands do nothing.
void exit_Click() { }
void change_Click() { }
void us_Click() { }
