#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# Compares Sivane's start-up with the floor program (bench/floor) under a virtual X server:
# each is started alternately RUNS times (default 41) and timed from exec to the mapping of
# its main window and to its first complete paint, with its peak resident memory. Prints the
# medians and the medians of the pairwise ratios, and fails if Sivane takes over 1.05 times
# the floor's time to the map, 1.10 times its time to the paint or 1.10 times its memory.
#
#   bench/startup.sh [BUILD_DIR [RUNS]]      (BUILD_DIR defaults to build-bench)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build-bench}
runs=${2:-41}
if [ ! -x "$build/sivane" ] || [ ! -x "$build/bench/floor/sivane_floor" ]; then
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" --target sivane sivane_floor
fi
exec xvfb-run -a -s "-screen 0 1024x768x24" /usr/bin/python3 "$top/bench/floor/startclock.py" \
    --runs "$runs" "$build/bench/floor/sivane_floor" "$build/sivane"
