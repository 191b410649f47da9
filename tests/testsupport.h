// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#pragma once

#include "runtime/runtime.h"

#include <QApplication>

// Gives a test's application what the program's start gives it: name, fonts, icon.
inline void initialiseRuntimeForTests()
{
    runtime::initialise(*static_cast<QApplication *>(QCoreApplication::instance()));
}
