#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# Runs tst_waylandwindows on a headless Wayland compositor of its own, so that the windows
# are checked as a Wayland desktop maps them. Skipped (77) where weston or Qt's Wayland
# platform plugin is not installed.
# Usage: smoke_wayland.sh <tst_waylandwindows binary> <Qt's qtpaths tool>
set -u
test_binary=$1
qtpaths=$2
if ! command -v weston >/dev/null; then
    echo "SKIP: weston is not installed"
    exit 77
fi
if ! ls "$("$qtpaths" --plugin-dir)"/platforms/libqwayland* >/dev/null 2>&1; then
    echo "SKIP: Qt's Wayland platform plugin (qt6-wayland) is not installed"
    exit 77
fi

# The compositor's socket lives in a private runtime directory, apart from any session's.
runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=wayland-sivane
weston_pid=""
finish() {
    [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
    rm -rf "$runtime"
}
trap finish EXIT

XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --socket="$socket" \
    --idle-time=0 --no-config >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
    echo "FAIL: weston did not open its socket"
    cat "$runtime/weston.log"
    exit 1
fi

# A headless compositor has no seat, and Qt's Wayland text input crashes on a key without
# one; QT_IM_MODULE=none leaves the keys to the widgets, as without an input method.
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
    QT_IM_MODULE=none LC_ALL=C.UTF-8 timeout 100 "$test_binary"
status=$?
if [ "$status" -ne 0 ]; then
    echo "weston's log:"
    tail -n 20 "$runtime/weston.log"
fi
exit "$status"
