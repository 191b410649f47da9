#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# Counts the instructions Sivane and the floor program (bench/floor) execute from exec to the
# map request of their main window and to the end of their first paint (the first flush of
# the window's backing store, which draws the whole window), under callgrind in a virtual X
# server. Instruction counts are the same on every run whatever else loads the machine, so
# they show small savings that wall-clock timings hide.
#
#   bench/startcount.sh [BUILD_DIR]      (BUILD_DIR defaults to build-bench)
#
# Each program's main thread is counted on its own, and any other threads together until the
# program is closed (Qt's own, idle after the paint). Environment settings
# for both programs can be given in STARTCOUNT_ENV, e.g. STARTCOUNT_ENV="QT_SCALE_FACTOR=2".
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$top/build-bench}
if [ -z "${STARTCOUNT_INNER:-}" ]; then
    . "$top/tools/deps.sh"
    sivane_need_packages bench
fi
if [ ! -x "$build/sivane" ] || [ ! -x "$build/bench/floor/sivane_floor" ]; then
    cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" --target sivane sivane_floor
fi
if [ -z "${STARTCOUNT_INNER:-}" ]; then
    export STARTCOUNT_INNER=1
    exec "$top/tools/xvfb.sh" "$0" "$build"
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Prints the instructions of one program's main thread to the map and to the first paint,
# and those of its other threads.
count() {
    local name=$1 program=$2
    # shellcheck disable=SC2086
    env ${STARTCOUNT_ENV:-} valgrind --tool=callgrind --separate-threads=yes --callgrind-out-file="$out/$name.%p" \
        --dump-after='xcb_map_window' --dump-after='QBackingStore::flush*' \
        "$program" 2>"$out/$name.log" &
    local pid=$!
    local waited=0
    until [ -e "$out/$name.$pid.2-01" ]; do
        sleep 0.5
        waited=$((waited + 1))
        if [ $waited -gt 240 ] || ! kill -0 $pid 2>/dev/null; then
            echo "startcount: $name did not map and paint its window" >&2
            kill $pid 2>/dev/null || true
            return 1
        fi
    done
    kill $pid
    wait $pid 2>/dev/null || true
    local map paint others
    map=$(sed -n 's/^summary: //p' "$out/$name.$pid.1-01")
    paint=$(sed -n 's/^summary: //p' "$out/$name.$pid.2-01")
    others=$(for f in "$out/$name.$pid"-*; do
        case $f in *-01) ;; *) sed -n 's/^summary: //p' "$f" ;; esac
    done | awk '{ s += $1 } END { print s + 0 }')
    echo "$map $((map + paint)) $others"
}

read -r floor_map floor_paint floor_others < <(count floor "$build/bench/floor/sivane_floor")
read -r sivane_map sivane_paint sivane_others < <(count sivane "$build/sivane")
awk -v fm="$floor_map" -v fp="$floor_paint" -v fo="$floor_others" \
    -v sm="$sivane_map" -v sp="$sivane_paint" -v so="$sivane_others" 'BEGIN {
    printf "instructions from exec, millions   main thread:  to map  to first paint   other threads\n"
    printf "  sivane_floor                                 %7.1f   %7.1f        %7.1f\n", fm / 1e6, fp / 1e6, fo / 1e6
    printf "  sivane                                       %7.1f   %7.1f        %7.1f\n", sm / 1e6, sp / 1e6, so / 1e6
    printf "  difference                                   %+7.1f   %+7.1f        %+7.1f\n", (sm - fm) / 1e6, (sp - fp) / 1e6, (so - fo) / 1e6
    printf "  ratio                                        %7.3f   %7.3f\n", sm / fm, sp / fp
}'
