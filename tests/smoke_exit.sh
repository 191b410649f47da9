#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# Starts the real program under a virtual X server and plays the user with xdotool: Ctrl+W
# twice and Ctrl+H on the main window must leave one weight window and one About window;
# Ctrl+Q then shows the goodbye box, and dismissing it (once with Return, once with Escape)
# must end the program with exit code 0.
set -u
binary=$1
if [ -z "${SIVANE_SMOKE_INNER:-}" ]; then
    SIVANE_SMOKE_INNER=1 exec timeout 100 "$(dirname "$0")/../tools/xvfb.sh" "$0" "$@"
fi
if ! command -v xdotool >/dev/null; then
    echo "SKIP: xdotool is not installed"
    exit 77
fi

pid=""
fail() {
    echo "FAIL: $*"
    [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
    exit 1
}

# The visible windows whose title is exactly $1 (xdotool matches without regard to case).
windows_named() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null
}

wait_for_window() {
    timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

# Shortcuts of the main window work while it has the keyboard focus; each command moves the
# focus to the window it opens, so the focus goes back to the main window before every key.
press_on() {
    xdotool windowfocus --sync "$1" && xdotool key --clearmodifiers "$2" || fail "cannot press $2"
    sleep 0.3
}

run() {
    local dismiss=$1
    "$binary" &
    pid=$!
    local main
    main=$(wait_for_window 'Sivane - Tessaro Valdine \(T\.V\.\)')
    [ -n "$main" ] || fail "no main window was mapped"

    press_on "$main" ctrl+w
    [ -n "$(wait_for_window 'Change Weight')" ] || fail "Ctrl+W showed no weight window"
    press_on "$main" ctrl+w
    press_on "$main" ctrl+h
    [ -n "$(wait_for_window 'About Me')" ] || fail "Ctrl+H showed no About window"
    local weights abouts
    weights=$(windows_named 'Change Weight' | wc -l)
    abouts=$(windows_named 'About Me' | wc -l)
    [ "$weights" -eq 1 ] || fail "$weights weight windows"
    [ "$abouts" -eq 1 ] || fail "$abouts About windows"

    press_on "$main" ctrl+q
    local box
    box=$(wait_for_window 'Sivane')
    [ -n "$box" ] || fail "Ctrl+Q showed no goodbye box"
    press_on "$box" "$dismiss"

    for _ in $(seq 1 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "the program did not end after $dismiss"
    wait "$pid"
    local code=$?
    pid=""
    [ "$code" -eq 0 ] || fail "exit code $code after $dismiss"
    echo "ok: one weight window, one About window; $dismiss ended the program with code 0"
}

run Return
run Escape
echo "PASS"
