#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# Takes a screenshot of every window the user can meet, at 1x, 1.5x and 2x, on a virtual X
# server: the main window with Earth chosen, the Change Weight window with 70 typed, its
# "too large" message box, the About window, the Compare Planets window with the mean
# temperatures chosen and the goodbye box. Two folders made on two
# systems (e.g. Debian 12 and 13, see tools/debian13.sh) are compared with --compare, which
# prints how many pixels differ in each pair and writes a picture of the differences.
#
#   tools/screenshots.sh OUTPUT_DIR [BINARY]        BINARY defaults to build/sivane, built first
#   tools/screenshots.sh --compare DIR_A DIR_B      differences go to DIR_B/diff-*.png
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)

. "$top/tools/deps.sh"
if [ "${1:-}" = --compare ]; then
    sivane_need_packages bench
    a=$2
    b=$3
    status=0
    for shot in "$a"/*.png; do
        name=$(basename "$shot")
        case $name in diff-*) continue ;; esac
        if [ ! -e "$b/$name" ]; then
            echo "$name: missing in $b"
            status=1
            continue
        fi
        size_a=$(identify -format '%wx%h' "$shot")
        size_b=$(identify -format '%wx%h' "$b/$name")
        if [ "$size_a" != "$size_b" ]; then
            echo "$name: $size_a against $size_b"
            status=1
            continue
        fi
        differing=$(compare -metric AE "$shot" "$b/$name" "$b/diff-$name" 2>&1 || true)
        echo "$name: $differing pixels differ"
        [ "$differing" = 0 ] && rm -f "$b/diff-$name"
    done
    exit "$status"
fi

out=$(realpath -m "${1:?usage: tools/screenshots.sh OUTPUT_DIR [BINARY]}")
binary=${2:-}
if [ -z "${SIVANE_SCREENSHOTS_INNER:-}" ]; then
    sivane_need_packages bench
    if [ -z "$binary" ]; then
        cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
            -DBUILD_TESTING=OFF >/dev/null
        cmake --build "$top/build" --target sivane >/dev/null
        binary="$top/build/sivane"
    fi
    mkdir -p "$out"
    # Big enough for every window at twice its size.
    SIVANE_SCREENSHOTS_INNER=1 exec timeout 300 "$top/tools/xvfb.sh" \
        -s "-screen 0 2100x1400x24" "$0" "$out" "$(realpath "$binary")"
fi

pid=""
# A session's private folder, as a desktop session has one; Qt warns without it.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
finish() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$XDG_RUNTIME_DIR"
}
trap finish EXIT

wait_for() {
    timeout 10 xdotool search --sync --onlyvisible --name "$1" 2>/dev/null | head -n 1
}
shoot() {
    # Park the pointer off the windows so that nothing shows a hover state; -strip leaves out
    # the time stamps, so that an unchanged window gives an unchanged file.
    xdotool mousemove 0 0
    sleep 0.5
    import -window "$1" -strip "$out/$2.png"
    echo "$2.png ($(identify -format '%wx%h' "$out/$2.png"))"
}
key() {
    xdotool windowfocus --sync "$1" key --clearmodifiers "$2"
    sleep 0.3
}

for scale in 1 1.5 2; do
    QT_SCALE_FACTOR=$scale "$binary" &
    pid=$!
    main=$(wait_for '^Sivane - ')
    [ -n "$main" ] || { echo "screenshots: the main window did not appear" >&2; exit 1; }
    # Without a window manager the client area sits where the program puts it, at (27, 41);
    # Earth's picture is centred at (568, 28) inside it. Both are in unscaled pixels.
    read -r x y < <(awk -v s="$scale" 'BEGIN { printf "%d %d\n", (27 + 568) * s, (41 + 28) * s }')
    xdotool mousemove "$x" "$y" click 1
    shoot "$main" "main-${scale}x"

    key "$main" ctrl+w
    weight=$(wait_for '^Change Weight$')
    xdotool windowfocus --sync "$weight" type --delay 50 70
    shoot "$weight" "weight-${scale}x"
    xdotool windowfocus --sync "$weight" type --delay 50 e999
    box=$(wait_for '^Sivane$')
    shoot "$box" "toolarge-${scale}x"
    key "$box" Return
    key "$weight" Escape

    key "$main" ctrl+h
    about=$(wait_for '^About Me$')
    shoot "$about" "about-${scale}x"
    key "$about" Escape

    # The comparison with the mean temperatures chosen: bars both sides of zero, a range and
    # a planet without a value.
    key "$main" ctrl+t
    compare=$(wait_for '^Compare Planets$')
    xdotool windowfocus --sync "$compare" key --repeat 19 --delay 20 Down
    shoot "$compare" "compare-${scale}x"
    key "$compare" Escape

    key "$main" ctrl+q
    box=$(wait_for '^Sivane$')
    shoot "$box" "goodbye-${scale}x"
    key "$box" Return
    wait "$pid" || true
    pid=""
done
