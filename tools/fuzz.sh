#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# Builds the fuzz target of the text/number conversions with clang (libFuzzer, ASan, UBSan)
# in build-fuzz and runs it for SECONDS (default 60) from the committed seed corpus, with
# inputs of up to 64 KiB. A crash, a sanitizer report or a mismatch with the reference
# parser fails the run and leaves the input as build-fuzz/crash-*.
#
#   tools/fuzz.sh [SECONDS]
set -euo pipefail
seconds=${1:-60}
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/tools/deps.sh"
sivane_need_packages test
build="$top/build-fuzz"
compiler=$(command -v clang++-14 || command -v clang++)
cmake -S "$top/fuzz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER="$compiler" >/dev/null
cmake --build "$build"

# New inputs go to the build's own corpus; the committed seeds are only read.
mkdir -p "$build/corpus"
log="$build/fuzz.log"
status=0
"$build/fuzz_numbertext" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
    -print_final_stats=1 -dict="$top/fuzz/numbertext.dict" -artifact_prefix="$build/" \
    "$build/corpus" "$top/fuzz/corpus" >"$log" 2>&1 || status=$?
grep -E '^#[0-9]+.*(INITED|DONE)' "$log" || true
grep -E '^stat::(number_of_executed_units|average_exec_per_sec|peak_rss_mb)' "$log" || true
if [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
    echo "fuzz: FAILED (exit status $status); the input is in $build/"
    exit "$status"
fi
echo "fuzz: no crash, leak or mismatch in $seconds s"
