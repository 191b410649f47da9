#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# Builds Sivane (installing what the build needs) and starts it.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/tools/deps.sh"
sivane_need_packages
build="$top/build"
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
cmake --build "$build" --target sivane
exec "$build/sivane" "$@"
