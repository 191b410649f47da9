#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# Reads the real program as a screen reader does, from the accessibility bus, and plays it
# from the keyboard. The main window and its nine picture buttons are there by name, and
# pressing "Earth" through the bus fills the fact boxes with Earth's figures. Ctrl+T opens
# the "Compare Planets" window, a window with a table of 22 facts by 9 planets and a chart of
# "Mass (kg)" whose nine bars are named. What the keys and the clipboard do there is tested
# offscreen (tst_compare). Skipped (77) where the accessibility bus, its Python bindings or
# xdotool are missing.
# Usage: smoke_a11y.sh <sivane binary>
set -u
binary=$1
tools="$(cd "$(dirname "$0")/../tools" && pwd)"
if [ -z "${SIVANE_SMOKE_INNER:-}" ]; then
    if ! /usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null; then
        echo "SKIP: Python's bindings for the accessibility bus (gir1.2-atspi-2.0) are missing"
        exit 77
    fi
    for tool in /usr/libexec/at-spi-bus-launcher xdotool; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
    SIVANE_SMOKE_INNER=1 exec timeout 110 "$tools/xvfb.sh" "$tools/a11y.sh" "$0" "$@"
fi

timeout 90 "$binary" &
pid=$!
fail() {
    echo "FAIL: $1"
    kill "$pid" 2>/dev/null
    exit 1
}
window() {
    timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}
# Keys go to the window that has the X focus; there is no window manager to give it.
keys() {
    xdotool windowfocus --sync "$1" && xdotool key --clearmodifiers --delay 50 "${@:2}" ||
        fail "cannot press ${*:2}"
}
# The window's tree once it holds a line matching $1; a loaded machine draws late.
tree_with() {
    local out
    for _ in $(seq 30); do
        out=$("$tools/a11ytree.py" --window "Compare Planets" --timeout 20) &&
            grep -q -- "$1" <<<"$out" && { echo "$out"; return 0; }
        sleep 0.3
    done
    echo "$out"
    return 1
}
# The objects right under the chart, one a line.
bars() {
    awk '/^ *chart "/ { depth = match($0, /[^ ]/); next }
         depth { if (match($0, /[^ ]/) <= depth) exit; print }' <<<"$1"
}

main=$(window 'Sivane - Tessaro Valdine \(T\.V\.\)')
[ -n "$main" ] || fail "no main window was mapped"
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
keys "$main" ctrl+t
compare=$(window 'Compare Planets')
[ -n "$compare" ] || fail "Ctrl+T showed no window \"Compare Planets\""
first=$(tree_with '^ *chart "Mass (kg), ') || { echo "$first"; fail "no chart of \"Mass (kg)\""; }
grep -q '^  frame "Compare Planets" ' <<<"$first" || fail "the window is not listed as a window"
table=$(grep '^ *table "Facts of all planets" ' <<<"$first") || fail "no table \"Facts of all planets\""
echo "$table"
planets='"Mercury", "Venus", "Earth", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"'
grep -q ' rows=22 columns=9 ' <<<"$table" || fail "the table is not 22 facts by 9 planets"
grep -qF "column headers=[$planets] " <<<"$table" || fail "the columns are not the planets in order"
grep -qF 'row headers=["Mass (kg)", ' <<<"$table" || fail "the first row is not \"Mass (kg)\""
grep -q '^ *table cell "-" \[no value\] ' <<<"$first" || fail "no \"-\" cell described \"no value\""
grep -q '^ *chart "Mass (kg), logarithmic scale" ' <<<"$first" ||
    fail "the chart is not \"Mass (kg), logarithmic scale\""
mass=$(bars "$first")
echo "$mass"
[ "$(grep -c '^ *list item ' <<<"$mass")" -eq 9 ] || fail "the chart has not nine bars"
head -n 1 <<<"$mass" | grep -q '^ *list item "Mercury: 3\.303e+23" ' || fail "Mercury's bar is not first"
tail -n 1 <<<"$mass" | grep -q '^ *list item "Pluto: 1\.27e+22" ' || fail "Pluto's bar is not last"

kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
echo "PASS"
