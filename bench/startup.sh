#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# Compares Sivane's start-up with the floor program (bench/floor) under a virtual X server:
# each is started alternately RUNS times (default 41) and timed from exec to the mapping of
# its main window and to its first complete paint, with its peak resident memory. Prints the
# medians and the medians of the pairwise ratios against the floor.
#
#   bench/startup.sh [--busy] [BUILD_DIR [RUNS [PROGRAM...]]]   (BUILD_DIR: build-bench)
#
# Quiet (the default), the targets are the map and the peak memory at most 1.15 times the
# floor's. With --busy, the X server, the programs and one busy loop at normal priority share
# one processor (taskset -c 0), as on a machine whose one free processor another program
# keeps busy; the target is the first complete paint at most 1.30 times the floor's. Further
# PROGRAMs (other builds of Sivane) are started in turn with the two and compared alike.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
busy=false
if [ "${1:-}" = --busy ]; then
    busy=true
    shift
fi
build=${1:-$top/build-bench}
runs=${2:-41}
shift $(($# < 2 ? $# : 2))
if [ ! -x "$build/sivane" ] || [ ! -x "$build/bench/floor/sivane_floor" ]; then
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" --target sivane sivane_floor
fi
clock=(/usr/bin/python3 "$top/bench/floor/startclock.py" --runs "$runs")
pin=()
if $busy; then
    taskset -c 0 bash -c 'while :; do :; done' &
    loop=$!
    trap 'kill $loop' EXIT
    pin=(taskset -c 0)
    clock+=(--max-paint-ratio 1.30)
else
    clock+=(--max-map-ratio 1.15 --max-memory-ratio 1.15)
fi
"${pin[@]}" "$top/tools/xvfb.sh" "${pin[@]}" "${clock[@]}" \
    "$build/bench/floor/sivane_floor" "$build/sivane" "$@"
