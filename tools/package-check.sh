#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package and checks it: Debian's own checker, lintian, finds
# nothing to say; its dependencies are packages of this system; a second build,
# from a copy of the checkout in folders of other names, installs the same
# bytes; and, unpacked into a temporary root, the program starts under Xvfb,
# shows its window and starts its Open With chooser from the installed layout.
set -euo pipefail

title="Brevanor 2002"
self=$(readlink -f "$0")

# Under xvfb-run: start the unpacked program on a desktop without applications,
# open a paper of its list from the keyboard, and check the Open With
# chooser that it starts for want of an application.
if [ "${1:-}" = --inside-xvfb ]; then
    program=$2
    chooser=$3
    home=$(mktemp -d)
    trap 'rm -rf "$home"' EXIT
    cd "$home"
    mkdir -m 700 "$home/runtime"
    mkdir "$home/data" "$home/config" "$home/system"
    ln -s /usr/share/mime "$home/system/mime"
    export XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=xcb HOME="$home" \
        XDG_DATA_HOME="$home/data" XDG_DATA_DIRS="$home/system" \
        XDG_CONFIG_HOME="$home/config" XDG_CONFIG_DIRS="$home/config"
    # Every paper's document, whichever row comes first.
    for paper in $(seq 300); do
        : >"$paper.doc"
        : >"$paper.pdf"
    done
    # Waits, a minute at most, for a visible window named $1 while the process
    # $2 runs, and prints the window's id.
    window_named() {
        for _ in $(seq 120); do
            kill -0 "$2" 2>/dev/null || { echo "the installed program ended" >&2; return 1; }
            xdotool search --onlyvisible --name "^$1\$" 2>/dev/null && return 0
            sleep 0.5
        done
        echo "no window named \"$1\" appeared within a minute" >&2
        return 1
    }
    "$program" &
    pid=$!
    trap 'kill "$pid" 2>/dev/null; rm -rf "$home"' EXIT
    window=$(window_named "$title" "$pid") || exit 1
    echo "the installed program shows its window: $(xdotool getwindowgeometry "$window" | tr -s '\n ' ' ')"
    # Tab walks from the search box past the two buttons and the three
    # drop-down lists to the list, Down chooses its second row and Enter opens it.
    xdotool windowfocus --sync "$window" key Tab Tab Tab Tab Tab Tab Down Return
    window=$(window_named "Open With" "$pid") || exit 1
    opened=$(xdotool getwindowpid "$window")
    trap 'kill "$pid" "$opened" 2>/dev/null; rm -rf "$home"' EXIT
    status=0
    [ "$(readlink "/proc/$opened/exe")" = "$chooser" ] \
        || { echo "the program started $(readlink "/proc/$opened/exe"), not its chooser"; status=1; }
    for stream in 0 1 2; do
        [ "$(readlink "/proc/$opened/fd/$stream")" = /dev/null ] \
            || { echo "the chooser's stream $stream is not on the null device"; status=1; }
    done
    [ "$status" = 0 ] && echo "the installed program starts its installed chooser, which shows its window"
    exit "$status"
fi

cd "$(dirname "$0")/.."
tools/install-deps.sh check
build=${BUILD_DIR:-build}
[ -f "$build/CMakeCache.txt" ] || cmake --preset run -B "$build"
rm -f "$build"/brevanor_*.deb
cmake --build "$build" --parallel "$(nproc)" --target package
debs=("$build"/brevanor_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "expected one package, found: ${debs[*]}"; exit 1; }
deb=${debs[0]}

status=0
# Debian's own checker: an error or a warning fails the check.
lintian --fail-on error,warning "$deb" || { echo "lintian finds fault with $deb"; status=1; }

# Each dependency, or one of its alternatives, must name a package installed here.
IFS=',' read -ra depends <<<"$(dpkg-deb -f "$deb" Depends)"
names=()
for depend in "${depends[@]}"; do
    found=0
    IFS='|' read -ra alternatives <<<"$depend"
    for alternative in "${alternatives[@]}"; do
        name=$(awk '{ print $1 }' <<<"$alternative")
        names+=("$name")
        dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q 'install ok installed' && found=1
    done
    [ "$found" = 1 ] || { echo "dependency not installed here:$depend"; status=1; }
done
# The platform plugins of an X11 and of a Wayland session, which Qt loads at run
# time: the package must depend on the packages that ship them here.
for plugin in libqxcb.so libqwayland-generic.so; do
    owner=$(dpkg-query -S "*/qt6/plugins/platforms/$plugin" 2>/dev/null | head -1 | cut -d: -f1)
    if [ -z "$owner" ]; then
        echo "no package installed here ships the platform plugin $plugin"; status=1
    elif ! printf '%s\n' "${names[@]}" | grep -qx -- "$owner"; then
        echo "the package does not depend on $owner, which ships $plugin"; status=1
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/root
dpkg-deb -x "$deb" "$root"

# Builds the package from a copy of the checkout in folders named after $1,
# with the first build's type and no compiler cache, and unpacks it into
# $work/$1-root.
build_elsewhere() {
    local checkout=$work/$1-checkout tree=$work/$1-build log=$work/$1-build.log
    mkdir "$checkout"
    tar -c --exclude=./.git --exclude='./build*' --exclude="./$build" . | tar -x -C "$checkout"
    if ! { (cd "$checkout" && cmake --preset run -B "$tree" -DCMAKE_BUILD_TYPE="$type") >"$log" 2>&1 \
        && cmake --build "$tree" --parallel "$(nproc)" --target package >>"$log" 2>&1 \
        && dpkg-deb -x "$tree"/brevanor_*.deb "$work/$1-root"; }; then
        tail -20 "$log"
        echo "the build in $tree failed"
        return 1
    fi
}
# The package built in folders of other names installs the same bytes, so the
# programs hold no path of either build. A compiler cache may hand the compiler
# paths of its own making: after a build through one, both builds are made here.
type=$(sed -n 's/^CMAKE_BUILD_TYPE:[A-Z]*=//p' "$build/CMakeCache.txt")
first=$root
if grep -q '^CMAKE_CXX_COMPILER_LAUNCHER:[A-Z]*=.' "$build/CMakeCache.txt"; then
    first=$work/one-root
    build_elsewhere one || status=1
fi
if build_elsewhere another && [ -d "$first" ]; then
    if diff -r "$first" "$work/another-root" >/dev/null; then
        echo "a build in folders of other names installs the same bytes"
    else
        echo "a build in folders of other names installs other bytes:"
        diff -r --brief "$first" "$work/another-root" || true
        status=1
    fi
else
    status=1
fi

# The program finds its chooser from its own folder, as it does here.
chooser=$root/usr/libexec/brevanor/brevanor-openwith
[ -x "$chooser" ] || { echo "the package holds no chooser at ${chooser#"$root"}"; status=1; }
xvfb-run -a -s "-screen 0 1024x768x24" bash "$self" --inside-xvfb "$root/usr/bin/brevanor" "$chooser" \
    || status=1
[ "$status" = 0 ] && echo "$(basename "$deb") passes lintian, builds the same elsewhere, and installs a program that starts with its chooser"
exit "$status"
