#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# Takes the README's screenshot: starts Sivane on a virtual X server, clicks the third
# picture (Earth) and saves the main window as a PNG.
#
#   tools/screenshot.sh [OUTPUT.png [BINARY]]
#
# OUTPUT defaults to docs/screenshot.png; BINARY defaults to build/sivane, built first.
# QT_SCALE_FACTOR is honoured, so QT_SCALE_FACTOR=2 shows the window as on a HiDPI screen.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$top/docs/screenshot.png}
binary=${2:-}

if [ -z "${SIVANE_SCREENSHOT_INNER:-}" ]; then
    . "$top/tools/deps.sh"
    sivane_need_packages bench
    if [ -z "$binary" ]; then
        build="$top/build"
        cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
        cmake --build "$build" --target sivane >/dev/null
        binary="$build/sivane"
    fi
    # Big enough for the window at twice its size.
    SIVANE_SCREENSHOT_INNER=1 exec timeout 120 "$top/tools/xvfb.sh" -s "-screen 0 1600x1200x24" \
        "$0" "$(realpath -m "$out")" "$(realpath "$binary")"
fi

"$binary" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

window=""
for _ in $(seq 1 100); do
    window=$(xdotool search --onlyvisible --name '^Sivane - ' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "screenshot: the main window did not appear" >&2; exit 1; }
sleep 0.5

# With no window manager the client area sits where the program puts it, at (27, 41);
# Earth's picture is centred at (568, 28) inside it. Both are in unscaled pixels.
scale=${QT_SCALE_FACTOR:-1}
read -r x y < <(awk -v s="$scale" 'BEGIN { printf "%d %d\n", (27 + 568) * s, (41 + 28) * s }')
xdotool mousemove "$x" "$y" click 1
# Park the pointer off the window so that nothing shows a hover state.
xdotool mousemove 0 0
sleep 0.5

mkdir -p "$(dirname "$out")"
# -strip leaves out the time stamps, so an unchanged window gives an unchanged file.
import -window "$window" -strip "$out"
echo "screenshot: $out ($(identify -format '%wx%h' "$out"))"
