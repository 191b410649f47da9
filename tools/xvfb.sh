#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# A virtual X server of its own for a test, a screenshot or a benchmark. Xvfb chooses a free
# display number itself (-displayfd): a number that merely looks free may be held by an X
# server in another root or container, which listens on an abstract socket no file shows.
#
#   tools/xvfb.sh [-s "SERVER ARGS"] COMMAND...   runs COMMAND with DISPLAY and XAUTHORITY
#                                                  set, then stops the server
#   . tools/xvfb.sh; start_xvfb DIR [SERVER ARGS...]; ...; stop_xvfb
#       sets XVFB_DISPLAY, XVFB_AUTHORITY and XVFB_PID; DIR holds the cookie and the log
#
# The server admits only clients that present its cookie, as a desktop session's does.

start_xvfb() {
    local dir=$1
    shift
    [ $# -gt 0 ] || set -- -screen 0 1024x768x24
    mkdir -p "$dir"
    local cookie
    cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
    XVFB_AUTHORITY="$dir/authority"
    # The server reads every cookie in its file, whatever display the entry names.
    xauth -q -f "$XVFB_AUTHORITY" add :0 . "$cookie" 2>/dev/null || return 1
    rm -f "$dir/display"
    # -noreset: by default the server resets whenever its last client leaves, and a client
    # that connects during the reset is turned away; a test's short-lived helper programs
    # (xwininfo, xdotool) leave all the time.
    Xvfb -displayfd 3 -auth "$XVFB_AUTHORITY" -nolisten tcp -noreset "$@" \
        3>"$dir/display" >"$dir/xvfb.log" 2>&1 &
    XVFB_PID=$!
    local _
    for _ in $(seq 200); do
        grep -q '^[0-9]' "$dir/display" 2>/dev/null && break
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.05
    done
    if ! grep -q '^[0-9]' "$dir/display" 2>/dev/null; then
        echo "xvfb.sh: Xvfb did not start:" >&2
        cat "$dir/xvfb.log" >&2
        stop_xvfb
        return 1
    fi
    XVFB_DISPLAY=":$(head -n 1 "$dir/display")"
    # Clients look their cookie up by the display's own name.
    xauth -q -f "$XVFB_AUTHORITY" add "$XVFB_DISPLAY" . "$cookie"
}

stop_xvfb() {
    if [ -n "${XVFB_PID:-}" ]; then
        kill "$XVFB_PID" 2>/dev/null
        wait "$XVFB_PID" 2>/dev/null
    fi
    XVFB_PID=""
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -u
    server=(-screen 0 1024x768x24)
    if [ "${1:-}" = -s ]; then
        read -ra server <<<"$2"
        shift 2
    fi
    work=$(mktemp -d)
    trap 'stop_xvfb; rm -rf "$work"' EXIT
    start_xvfb "$work" "${server[@]}" || exit 1
    DISPLAY=$XVFB_DISPLAY XAUTHORITY=$XVFB_AUTHORITY "$@"
fi
