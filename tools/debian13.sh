#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Sivane developers
#
# Runs a command in a Debian 13 (trixie) root, on a copy of this working tree, as a new user
# of that release would: with nothing installed beyond a minimal system and git.
# Made with debootstrap on first use and kept for the next run (rebuilt when missing);
# the copy of the tree keeps its build folders between runs. Needs root.
#
#   tools/debian13.sh [COMMAND...]      default: an interactive shell in the copy
#
# SIVANE_DEBIAN13_ROOT chooses the folder (default /var/tmp/sivane-debian13).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
root=${SIVANE_DEBIAN13_ROOT:-/var/tmp/sivane-debian13}
mirror=${SIVANE_DEBIAN_MIRROR:-http://deb.debian.org/debian}
if [ "$(id -u)" -ne 0 ]; then
    echo "sivane: $0 makes and enters a chroot, which needs root; run it with sudo." >&2
    exit 1
fi

# The root is complete once debootstrap has finished; a broken attempt is started again.
if [ ! -e "$root/.sivane-complete" ]; then
    if ! command -v debootstrap >/dev/null; then
        echo "sivane: installing debootstrap"
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q debootstrap >/dev/null
    fi
    echo "sivane: making a Debian 13 root in $root (a few minutes)"
    rm -rf "$root"
    debootstrap --variant=minbase --include=git,ca-certificates trixie "$root.part" \
        "$mirror" >"$root.log" 2>&1 || { tail -n 20 "$root.log"; exit 1; }
    mv "$root.part" "$root"
    touch "$root/.sivane-complete"
fi

# The file systems a desktop session would have; unmounted again however the command ends.
mounted=()
finish() {
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount -l "${mounted[i]}" 2>/dev/null || true
    done
}
trap finish EXIT
mount_in() {
    mount "$@" && mounted+=("${!#}")
}
mount_in -t proc proc "$root/proc"
mount_in -t sysfs sysfs "$root/sys"
mount_in --rbind /dev "$root/dev"
mount_in -t tmpfs tmpfs "$root/dev/shm"
mount_in -t tmpfs tmpfs "$root/tmp"
cp -L /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true

# The tracked and the new files of the tree, as a clone would have them; build folders stay.
copy="$root/root/sivane"
mkdir -p "$copy"
find "$copy" -mindepth 1 -maxdepth 1 ! -name 'build*' -exec rm -rf {} +
# The copy's files are dated now, not as in the tree: the build folders kept from an earlier
# run may be newer than a file the tree has changed since, and the build would miss it.
git -C "$top" ls-files -z --cached --others --exclude-standard |
    (cd "$top" && tar --null -T - -cf -) | tar -xmf - -C "$copy"
[ -d "$top/.git" ] && cp -a "$top/.git" "$copy/.git"

[ $# -gt 0 ] || set -- bash -i
chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c 'cd /root/sivane && exec "$@"' bash "$@"
