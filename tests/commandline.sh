#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# Starts the real binary the ways a user's shell would: --version and --help must work
# without a display, an argument that neither Sivane nor Qt takes is refused in one line,
# and a missing display is reported in one line with exit code 1 instead of a toolkit abort.
# Usage: commandline.sh <sivane binary> <project version> <Qt's qtpaths tool>
set -u
binary=$1
version=$2
qtpaths=$3
work=$(mktemp -d)
trap 'stop_xvfb 2>/dev/null; rm -rf "$work"' EXIT
# A session's private directory, as a desktop session has one; Qt warns without it.
mkdir -m 700 "$work/runtime"
failures=0
passes=0

# Runs the binary with no display at all; stdout, stderr and the exit code land in $work.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$work/runtime" "$@" \
        >"$work/out" 2>"$work/err"
    echo $? >"$work/code"
}
lines() { wc -l <"$1" | tr -d ' '; }
check() {
    local what=$1
    shift
    if "$@"; then
        passes=$((passes + 1))
    else
        failures=$((failures + 1))
        echo "FAIL: $what"
        echo "  exit code $(cat "$work/code")"
        sed 's/^/  stdout: /' "$work/out"
        sed 's/^/  stderr: /' "$work/err"
    fi
}
code_is() { [ "$(cat "$work/code")" = "$1" ]; }
out_is() { [ "$(cat "$work/out")" = "$1" ]; }
err_is_one_line_with() { [ "$(lines "$work/err")" = 1 ] && grep -q -- "$1" "$work/err"; }
nothing_on() { [ ! -s "$work/$1" ]; }

for option in --version -v; do
    run "$binary" "$option"
    check "$option prints the version" eval 'code_is 0 && out_is "Sivane $version" && nothing_on err'
done
# Qt's options before it do not stop it from answering without a display.
run "$binary" -style Fusion --version
check "--version after a Qt option" eval 'code_is 0 && out_is "Sivane $version"'

for option in --help -h; do
    run "$binary" "$option"
    check "$option prints the usage" eval 'code_is 0 && nothing_on err &&
        head -n 1 "$work/out" | grep -qx "Usage: sivane \[options\]" &&
        grep -q -- "--version" "$work/out" && grep -q -- "-platform" "$work/out" &&
        grep -q "Ctrl+3 Earth" "$work/out" && grep -q "Ctrl+9 Pluto" "$work/out" &&
        grep -q "Esc " "$work/out"'
done

# Qt takes its own options out when the application starts, so what is left is judged on a
# display that always opens; each row: the arguments, then the argument the one line names.
while IFS='|' read -r arguments refused; do
    # shellcheck disable=SC2086 # the arguments are split on purpose
    run QT_QPA_PLATFORM=offscreen timeout 5 "$binary" $arguments
    check "'$arguments' is refused naming '$refused'" eval \
        'code_is 2 && nothing_on out && err_is_one_line_with "$refused" &&
         grep -q "see .sivane --help." "$work/err"'
done <<'ROWS'
--frobnicate|unknown option '--frobnicate'
mars.txt|unexpected argument 'mars.txt'
-x|unknown option '-x'
-style Fusion mars.txt|unexpected argument 'mars.txt'
-reverse -platform offscreen --frobnicate -style Fusion|unknown option '--frobnicate'
-hv-style|unknown option '-hv-style'
ROWS

# --help is answered before anything else is looked at, whatever else is there.
run "$binary" --frobnicate mars.txt --help
check "--help after stray arguments still prints the usage" eval \
    'code_is 0 && nothing_on err && head -n 1 "$work/out" | grep -qx "Usage: sivane \[options\]"'
# Without any display the missing display is what the line reports: which arguments Qt would
# take is only known once it has opened one.
run "$binary" --frobnicate
check "a stray argument without a display: the missing display is reported" eval \
    'code_is 1 && nothing_on out && err_is_one_line_with "WAYLAND_DISPLAY"'

# Neither DISPLAY nor WAYLAND_DISPLAY: one line naming both, exit 1 (not 134: no abort).
run "$binary"
check "no display named: one line and exit code 1" eval \
    'code_is 1 && nothing_on out && err_is_one_line_with "DISPLAY" &&
     grep -q WAYLAND_DISPLAY "$work/err"'

# A display named where no X server listens. The X library takes a path as the display's
# socket: an empty file there is a display no server can ever answer on, whatever other X
# servers the machine runs. A number that looks free may not be.
nowhere="$work/X0"
: >"$nowhere"
run DISPLAY="$nowhere" "$binary"
check "a display with no server: one line naming it and exit code 1" eval \
    'code_is 1 && nothing_on out && err_is_one_line_with "DISPLAY=$nowhere" &&
     grep -q "no display server answers" "$work/err"'
run "$binary" -display "$nowhere"
check "-display with no server: one line naming it and exit code 1" eval \
    'code_is 1 && err_is_one_line_with "-display $nowhere"'

# A display that answers but turns the connection down, as it does for another user without
# the session's X authority: one line saying so, with the server's reason.
. "$(dirname "$0")/../tools/xvfb.sh"
if start_xvfb "$work/xvfb"; then
    run DISPLAY="$XVFB_DISPLAY" XAUTHORITY="$work/no-authority" "$binary"
    check "a display that refuses the connection: one line saying so and exit code 1" eval \
        'code_is 1 && nothing_on out && err_is_one_line_with "DISPLAY=$XVFB_DISPLAY" &&
         grep -q "refused the connection (Authorization required" "$work/err"'
    stop_xvfb
else
    check "a virtual X server starts" false
fi

# A Wayland display named, no X server, and no Wayland platform plugin: the line names the
# package to install. The plugin is taken away from a copy of the program, whose qt.conf
# points Qt at the real plugins less the Wayland platform ones.
plugins=$("$qtpaths" --plugin-dir)
bare="$work/nowayland"
mkdir -p "$bare/bin" "$bare/plugins/platforms"
cp "$binary" "$bare/bin/sivane"
printf '[Paths]\nPlugins = %s\n' "$bare/plugins" >"$bare/bin/qt.conf"
for entry in "$plugins"/*; do
    [ "${entry##*/}" = platforms ] || ln -s "$entry" "$bare/plugins/"
done
for plugin in "$plugins"/platforms/*; do
    case ${plugin##*/} in
    libqwayland*) ;;
    *) ln -s "$plugin" "$bare/plugins/platforms/" ;;
    esac
done
run QT_QPA_PLATFORM=offscreen timeout 3 "$bare/bin/sivane"
check "the copy without the Wayland plugin still starts offscreen" code_is 124
while IFS='|' read -r setting named; do
    # shellcheck disable=SC2086 # the variables are split on purpose
    run $setting "$bare/bin/sivane"
    check "no Wayland plugin with $setting: one line naming qt6-wayland" eval \
        'code_is 1 && nothing_on out && err_is_one_line_with "Wayland platform plugin is missing" &&
         grep -q "install the package qt6-wayland" "$work/err" && grep -qF -- "$named" "$work/err"'
done <<ROWS
WAYLAND_DISPLAY=wayland-sivane DISPLAY=$nowhere|DISPLAY=$nowhere, WAYLAND_DISPLAY=wayland-sivane
WAYLAND_DISPLAY=wayland-sivane|(WAYLAND_DISPLAY=wayland-sivane)
WAYLAND_DISPLAY=wayland-sivane XDG_SESSION_TYPE=wayland|WAYLAND_DISPLAY=wayland-sivane
QT_QPA_PLATFORM=wayland|cannot open the display:
ROWS
# With the plugin where Qt finds it, a Wayland display nobody serves is no missing plugin.
if ls "$plugins"/platforms/libqwayland* >/dev/null 2>&1; then
    run WAYLAND_DISPLAY=wayland-sivane DISPLAY="$nowhere" "$binary"
    check "the Wayland plugin installed: no display server answers" eval \
        'code_is 1 && err_is_one_line_with "no display server answers" &&
         grep -q "WAYLAND_DISPLAY=wayland-sivane" "$work/err"'
fi

# Without a display, the offscreen platform still runs the program (the tests use it);
# Qt's own options pass through. Still running when the timeout stops it means it started.
run QT_QPA_PLATFORM=offscreen timeout 3 "$binary"
check "QT_QPA_PLATFORM=offscreen runs without a display" code_is 124
run timeout 3 "$binary" -platform offscreen -style Fusion -reverse --qwindowtitle Sivane
check "Qt's options pass through to Qt" code_is 124

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
