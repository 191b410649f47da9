#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# Installs the Debian packages that building (and, with "test", testing) needs,
# only those that are missing. Sourced by run.sh and test.sh.

sivane_need_packages() {
    local wanted=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
                libfontconfig-dev)
    if [ "${1:-}" = test ]; then
        wanted+=(xvfb xauth x11-utils xdotool libjpeg-dev libgif-dev clang libclang-rt-14-dev
                 desktop-file-utils appstream dpkg-dev lintian file python3-xlib
                 imagemagick weston qt6-wayland valgrind clang-format)
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
    echo "sivane: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq &&
        "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
