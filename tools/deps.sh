#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# Installs the Debian packages that building needs, only those that are missing: with "test"
# also what the test suite, the package checks, the sanitizers and the fuzzer need (the
# accessibility bus and its Python bindings among them, for reading the windows as a screen
# reader does; dbus-x11 gives the session bus without a service manager), and with
# "bench" what the benchmarks and the screenshot scripts need on top of that (callgrind's
# valgrind and ImageMagick). Sourced by run.sh, test.sh and the scripts that use the lists.

sivane_need_packages() {
    local wanted=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
                libfontconfig-dev)
    if [ "${1:-}" = test ] || [ "${1:-}" = bench ]; then
        wanted+=(xvfb xauth x11-utils xdotool libjpeg-dev libgif-dev clang libclang-rt-dev
                 desktop-file-utils appstream dpkg-dev lintian file python3-xlib
                 weston qt6-wayland clang-format
                 at-spi2-core gir1.2-atspi-2.0 python3-gi dbus-bin dbus-daemon dbus-x11)
    fi
    if [ "${1:-}" = bench ]; then
        wanted+=(imagemagick valgrind)
    fi
    local missing=()
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    if ! command -v apt-get >/dev/null 2>&1; then
        echo "sivane: this script installs Debian packages with apt-get, which this system lacks." >&2
        echo "sivane: install these (or your system's equivalents) and run it again: ${missing[*]}" >&2
        return 1
    fi
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null 2>&1; then
            echo "sivane: installing ${missing[*]} needs root, and sudo is not available." >&2
            return 1
        fi
        sudo=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq || return 1
    # What is about to come, then the download and the installation in steps of a tenth:
    # a first run installs a few hundred packages and takes minutes.
    echo "sivane: installing ${missing[*]}"
    "${sudo[@]}" apt-get install --no-install-recommends --assume-no "${missing[@]}" 2>/dev/null |
        grep -E '^([0-9]+ upgraded|Need to get|After this operation)' | sed 's/^/sivane: /' || true
    "${sudo[@]}" apt-get install -y -q --no-install-recommends -o APT::Status-Fd=3 \
        "${missing[@]}" 3>&1 >/dev/null | sivane_show_progress
    return "${PIPESTATUS[0]}"
}

# Turns apt's status lines (dlstatus:N:PERCENT:text, pmstatus:PACKAGE[:ARCH]:PERCENT:text)
# into a line per tenth of the download and of the installation.
sivane_show_progress() {
    local line step last="" shown=-1 field tenth
    local -a fields
    while IFS= read -r line; do
        case $line in
        dlstatus:*) step=downloading ;;
        pmstatus:*) step=installing ;;
        *) continue ;;
        esac
        IFS=: read -ra fields <<<"$line"
        for field in "${fields[@]:2}"; do
            [[ $field =~ ^[0-9]+(\.[0-9]*)?$ ]] && break
        done
        tenth=$((${field%%.*} / 10))
        if [ "$step" != "$last" ] || [ "$tenth" -gt "$shown" ]; then
            echo "sivane: $step $((tenth * 10))%"
            last=$step
            shown=$tenth
        fi
    done
}
