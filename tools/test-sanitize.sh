#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# Builds Sivane and its tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan and runs the whole test suite there. Any memory error, leak outside the
# libraries listed in tools/lsan.supp, or undefined behaviour fails the test that met it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/tools/deps.sh"
sivane_need_packages test
cd "$top"
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan "$@"
