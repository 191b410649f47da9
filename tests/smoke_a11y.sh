#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# Reads the real program's main window as a screen reader does, from the accessibility bus:
# the window and its nine picture buttons are there by name, and pressing "Earth" through
# the bus fills the fact boxes with Earth's figures. Skipped (77) where the accessibility
# bus or Debian's Python bindings for it (gir1.2-atspi-2.0) are missing.
# Usage: smoke_a11y.sh <sivane binary>
set -u
binary=$1
tools="$(cd "$(dirname "$0")/../tools" && pwd)"
if [ -z "${SIVANE_SMOKE_INNER:-}" ]; then
    if ! /usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null; then
        echo "SKIP: Python's bindings for the accessibility bus (gir1.2-atspi-2.0) are missing"
        exit 77
    fi
    if [ ! -x /usr/libexec/at-spi-bus-launcher ]; then
        echo "SKIP: the accessibility bus (at-spi2-core) is not installed"
        exit 77
    fi
    SIVANE_SMOKE_INNER=1 exec timeout 100 "$tools/xvfb.sh" "$tools/a11y.sh" "$0" "$@"
fi

timeout 80 "$binary" &
pid=$!
fail() {
    echo "FAIL: $1"
    kill "$pid" 2>/dev/null
    exit 1
}
# By name: the bus is this run's own, and $pid is that of timeout, not of the program.
tree() {
    "$tools/a11ytree.py" --window "Sivane - " --timeout 40 "$@"
}
before=$(tree) || fail "the main window is not on the accessibility bus"
echo "$before"
grep -q '^  frame "Sivane - Tessaro Valdine (T.V.)"' <<<"$before" || fail "no main window"
for planet in Mercury Venus Earth Mars Jupiter Saturn Uranus Neptune Pluto; do
    grep -q "^ *button \"$planet\" .*actions=Press" <<<"$before" ||
        fail "no picture button \"$planet\" that can be pressed"
done
grep -q '^ *text "Mass (kg)" ' <<<"$before" || fail "no fact box \"Mass (kg)\""
grep -q '^ *text "Mass (kg)" .*5\.976e+24' <<<"$before" && fail "Earth's mass before any press"

after=$(tree --action Earth:Press) || fail "cannot press \"Earth\" through the accessibility bus"
mass=$(grep '^ *text "Mass (kg)" ' <<<"$after")
echo "after pressing Earth: $mass"
grep -q 'text="5\.976e+24"' <<<"$mass" || fail "the \"Mass (kg)\" box does not show Earth's mass"
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
echo "PASS"
