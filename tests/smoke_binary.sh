#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# Starts the real program under a virtual X server, checks that it maps its main window
# with the right title and client size, then closes it and expects a clean exit.
set -u
binary=$1
if [ -z "${SIVANE_SMOKE_INNER:-}" ]; then
    SIVANE_SMOKE_INNER=1 exec timeout 90 "$(dirname "$0")/../tools/xvfb.sh" "$0" "$@"
fi

timeout 60 "$binary" &
pid=$!
# The window exists, with its title, a moment before it is mapped.
window=""
for _ in $(seq 1 100); do
    window=$(xwininfo -root -tree 2>/dev/null | grep '"Sivane - Tessaro Valdine (T.V.)"' | head -n 1)
    if [ -n "$window" ] && xwininfo -id "$(awk '{print $1}' <<<"$window")" | grep -q 'Map State: IsViewable'; then
        break
    fi
    window=""
    sleep 0.1
done
if [ -z "$window" ]; then
    echo "FAIL: no main window was mapped"
    kill "$pid" 2>/dev/null
    exit 1
fi
id=$(echo "$window" | awk '{print $1}')
info=$(xwininfo -id "$id")
width=$(echo "$info" | awk '/Width:/ {print $2}')
height=$(echo "$info" | awk '/Height:/ {print $2}')
echo "main window $id: ${width}x${height}"
# The window is 626 wide; its height is the 446 px client area plus the menu bar.
if [ "$width" != 626 ] || [ "$height" -le 446 ] || [ "$height" -gt 480 ]; then
    echo "FAIL: unexpected window size ${width}x${height}"
    kill "$pid" 2>/dev/null
    exit 1
fi
# Closing the last window ends the program, as the close button of a window manager would.
# On a busy machine Qt itself misses a close that comes just after the window is mapped (a
# bare Qt window does too), so the close is asked again each second, as a user would click.
for _ in $(seq 1 20); do
    /usr/bin/python3 "$(dirname "$0")/xclose.py" "$id" || { echo "FAIL: cannot ask the window to close"; kill "$pid"; exit 1; }
    for _ in $(seq 1 10); do
        kill -0 "$pid" 2>/dev/null || break 2
        sleep 0.1
    done
done
wait "$pid"
code=$?
echo "exit code $code"
[ "$code" -eq 0 ] || { echo "FAIL: exit code $code (124: the program did not end)"; exit 1; }
echo "PASS"
