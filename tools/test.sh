#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# Builds Sivane with its tests (installing what they need) and runs them.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/tools/deps.sh"
sivane_need_packages test
build="$top/build-tests"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
cmake --build "$build"
cd "$build"
ctest --output-on-failure -j2 "$@"
