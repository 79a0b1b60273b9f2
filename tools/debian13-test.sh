#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the README's test command, bash tools/test.sh, on a fresh Debian 13
# "trixie": in a chroot copied from a minimal one that debootstrap makes from
# this machine's own Debian mirror, with this checkout's committed HEAD cloned
# into it and ../shared beside the clone. Arguments, when given, are a command
# to run there instead, from the clone's root.
#
# The minimal chroot and the packages that runs download are kept in
# ~/.cache/brevanor and made afresh once they are a week old. Each run works on
# a copy of the minimal chroot, so it installs what the command installs, as on
# a new machine, and leaves nothing behind. Needs root, through sudo otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || exec sudo -- bash "$(pwd)/tools/debian13-test.sh" "$@"
checkout=$(pwd)
command=("$@")
[ ${#command[@]} -gt 0 ] || command=(bash tools/test.sh)

tools/install-deps.sh debian13
cache=${XDG_CACHE_HOME:-$HOME/.cache}/brevanor
base=$cache/debian13
debs=$cache/debian13-debs
made=$cache/debian13.made
mkdir -p "$cache"
# One run at a time: they share the minimal chroot and the downloaded packages.
exec 9>"$cache/debian13.lock"
flock 9
# What a run that was killed left behind.
for stale in "$cache"/debian13-run.*; do
    [ -d "$stale" ] || continue
    findmnt -rn -o TARGET | grep -E "^$stale(/|\$)" | sort -r | xargs -r -n1 umount --lazy
    rm -rf --one-file-system "$stale"
done

# The first APT source of this machine whose address matches the pattern.
apt_source() {
    {
        sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/*.sources
        sed -nE 's/^deb +(\[[^]]*\] +)?([^ ]+).*/\2/p' /etc/apt/sources.list /etc/apt/sources.list.d/*.list || true
    } 2>/dev/null | tr ' ' '\n' | awk -v pattern="$1" '$0 ~ pattern && !found { print; found = 1 }'
}
mirror=$(apt_source '/debian/?$')
security=$(apt_source '/debian-security/?$')

# Removes a tree made here, never while anything is mounted in it.
remove_tree() {
    [ -e "$1" ] || return 0
    if findmnt -rn -o TARGET | grep -qE "^$1(/|\$)"; then
        echo "not removing $1: something is still mounted in it"
        return 1
    fi
    rm -rf --one-file-system "$1"
}

if [ ! -f "$made" ] || [ -n "$(find "$made" -mtime +6)" ]; then
    echo "making the minimal Debian 13 chroot from ${mirror:=http://deb.debian.org/debian}"
    remove_tree "$base"
    remove_tree "$base.new"
    remove_tree "$debs"
    debootstrap --variant=minbase trixie "$base.new" "$mirror" >"$cache/debootstrap.log" 2>&1 \
        || { tail -20 "$cache/debootstrap.log"; exit 1; }
    rm "$base.new/etc/apt/sources.list"
    printf 'Types: deb\nURIs: %s\nSuites: trixie trixie-updates\nComponents: main\n\n' "$mirror" \
        >"$base.new/etc/apt/sources.list.d/debian.sources"
    printf 'Types: deb\nURIs: %s\nSuites: trixie-security\nComponents: main\n' \
        "${security:-http://deb.debian.org/debian-security}" >>"$base.new/etc/apt/sources.list.d/debian.sources"
    # Packages install without starting services: there is no init here.
    printf '#!/bin/sh\nexit 101\n' >"$base.new/usr/sbin/policy-rc.d"
    chmod +x "$base.new/usr/sbin/policy-rc.d"
    mv "$base.new" "$base"
    date >"$made"
fi
mkdir -p "$debs/partial"

root=$(mktemp -d "$cache/debian13-run.XXXXXX")
mounts=()
# The processes running in the copy.
inside() {
    local link
    for link in /proc/[0-9]*/root; do
        [ "$(readlink "$link" 2>/dev/null)" != "$root" ] || basename "$(dirname "$link")"
    done
}
# Ends what the run left running in its copy (a daemon that a test started
# holds the mounts), unmounts, innermost first, whatever this run mounted, and
# removes the copy.
clean_up() {
    local i left
    mapfile -t left < <(inside)
    if [ ${#left[@]} -gt 0 ]; then
        echo "ending what the run left running: ${left[*]}"
        kill "${left[@]}" 2>/dev/null || true
        sleep 2
        mapfile -t left < <(inside)
        [ ${#left[@]} -eq 0 ] || kill -KILL "${left[@]}" 2>/dev/null || true
    fi
    for ((i = ${#mounts[@]} - 1; i >= 0; i--)); do
        umount "${mounts[i]}" || umount --lazy "${mounts[i]}"
    done
    remove_tree "$root"
}
trap clean_up EXIT
trap 'exit 1' INT TERM HUP
bind() {
    mkdir -p "$root$2"
    mount --bind "$1" "$root$2"
    mounts+=("$root$2")
}

cp -a "$base/." "$root/"
chmod 755 "$root"
cp -L /etc/resolv.conf "$root/etc/resolv.conf"
# The copy's root is a mount point of its own, as a system's root is: tools
# such as unshare change its propagation.
bind "$root" ""
for dir in /proc /sys /dev /dev/pts /dev/shm; do
    bind "$dir" "$dir"
done
bind "$debs" /var/cache/apt/archives

[ -z "$(git status --porcelain --untracked-files=no)" ] \
    || echo "note: the run takes the committed HEAD; changes not committed are not in it"
clone=$root/build/brevanor
git init -q "$clone"
git -C "$clone" -c safe.directory="$checkout" fetch -q "$checkout" HEAD
git -C "$clone" checkout -q FETCH_HEAD
[ ! -d ../shared ] || cp -a ../shared "$root/build/shared"
# A login session's private runtime folder, as Orca, Weston and Qt expect.
mkdir -p "$root/run/user"
mkdir -m 700 "$root/run/user/0"

echo "on Debian $(cat "$root/etc/debian_version"): ${command[*]}"
status=0
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 XDG_RUNTIME_DIR=/run/user/0 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    bash -c 'cd /build/brevanor && "$@"' bash "${command[@]}" </dev/null || status=$?
chroot "$root" dpkg-query -W -f='${Package} ${Version}\n' qt6-base-dev orca weston appstream 2>/dev/null \
    | sed 's/^/installed there: /' || true
exit "$status"
