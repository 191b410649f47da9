#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# Builds the Debian package build-pkg/sivane_<version>_<arch>.deb with Debian's compiler
# flags and checks it: the desktop entry, the AppStream metainfo and lintian must report
# no errors. Exits non-zero if any of them does.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
. "$top/tools/deps.sh"
sivane_need_packages test
build="$top/build-pkg"

# Hardened like a package built by Debian itself.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$build" --target sivane sivane_docs
rm -f "$build"/sivane_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/sivane_*.deb)
echo "package: $deb"
dpkg-deb --field "$deb" Package Version Architecture Depends Recommends

status=0
# The Qt plugins the program loads at run time are not linked, so dpkg-shlibdeps cannot see
# them: the packages that ship them must be among the dependencies all the same.
depends=$(dpkg-deb --field "$deb" Depends | tr ',|' '\n\n' | awk '{ print $1 }')
plugins=$(qtpaths6 --plugin-dir 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
for plugin in platforms/libqxcb.so imageformats/libqjpeg.so imageformats/libqgif.so \
        imageformats/libqico.so; do
    owner=$(dpkg-query --search "$plugins/$plugin" | cut -d: -f1)
    if ! grep -qx -- "$owner" <<<"$depends"; then
        echo "missing dependency: $owner, which ships $plugin"
        status=1
    fi
done
# The program links only system libraries: a library search path of its own would send the
# dynamic loader through folders that do not exist at every start.
unpacked=$(mktemp -d)
dpkg-deb -x "$deb" "$unpacked"
if readelf -d "$unpacked/usr/bin/sivane" | grep -E '\((RPATH|RUNPATH)\)'; then
    echo "the installed program has a library search path"
    status=1
fi
rm -rf "$unpacked"
# The Wayland platform plugin is recommended rather than required: X11 desktops do without it.
recommends=$(dpkg-deb --field "$deb" Recommends | tr ',|' '\n\n' | awk '{ print $1 }')
if ! grep -qx -- qt6-wayland <<<"$recommends"; then
    echo "missing recommendation: qt6-wayland, which ships the Wayland platform plugin"
    status=1
fi
echo "desktop-file-validate:"
desktop-file-validate "$top/packaging/org.sivane.Sivane.desktop" || status=1
echo "appstreamcli validate:"
appstreamcli validate --no-net --pedantic "$build/packaging/org.sivane.Sivane.metainfo.xml" || status=1
echo "lintian:"
# lintian refuses to run as root unless told it may.
lintian --allow-root --fail-on error --display-info "$deb" || status=1
[ "$status" -eq 0 ] && echo "package checks passed" || echo "package checks FAILED"
exit "$status"
