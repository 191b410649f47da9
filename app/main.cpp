// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "app/start.h"

int main(int argc, char *argv[])
{
    return sivane::start(argc, argv);
}
