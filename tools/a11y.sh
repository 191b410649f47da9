#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# Runs a command in a desktop session of its own as a screen reader sees it: a private
# session bus, the accessibility bus beside it, and Qt's bridge to that bus switched on.
# The X server comes first, since the accessibility bus announces itself on the display:
#
#   tools/xvfb.sh tools/a11y.sh COMMAND...      e.g. COMMAND = bash -c 'sivane & tools/a11ytree.py'
#
# Exits 77 when the session bus or the accessibility bus cannot be had on this system.
set -u
if [ -z "${SIVANE_A11Y_INNER:-}" ]; then
    for tool in dbus-run-session dbus-send /usr/libexec/at-spi-bus-launcher; do
        command -v "$tool" >/dev/null || { echo "a11y.sh: $tool is missing" >&2; exit 77; }
    done
    if [ -z "${DISPLAY:-}" ]; then
        echo "a11y.sh: DISPLAY is not set; run it under tools/xvfb.sh" >&2
        exit 1
    fi
    # The accessibility bus puts its socket in the runtime folder, named after the display
    # number alone: a folder of its own keeps runs on equal numbers (other roots) apart.
    runtime=$(mktemp -d)
    chmod 700 "$runtime"
    # The buses' notes on each service they start would drown the command's own messages.
    SIVANE_A11Y_INNER=1 XDG_RUNTIME_DIR=$runtime dbus-run-session -- "$0" "$@" \
        2> >(grep -v '^dbus-daemon\[' >&2)
    code=$?
    rm -rf "$runtime"
    exit $code
fi

# Asking for the bus's address starts it, through the session bus's own service file. A
# launcher started by hand as well races the started one, and the loser's address can end
# up on the display, where Qt reads it first.
if ! dbus-send --session --print-reply --reply-timeout=30000 --dest=org.a11y.Bus \
    /org/a11y/bus org.a11y.Bus.GetAddress 2>/dev/null | grep -q 'unix:'; then
    echo "a11y.sh: the accessibility bus did not start" >&2
    exit 77
fi
# What a desktop sets when assistive technology is turned on; programs that follow it
# switch their bridges on. Qt is told directly as well, whatever the setting says.
dbus-send --session --type=method_call --dest=org.a11y.Bus /org/a11y/bus \
    org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled \
    variant:boolean:true
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
exec "$@"
