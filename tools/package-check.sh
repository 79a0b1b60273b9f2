#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root, and checks that
# its dependencies are packages of this system and that the program installed
# from it starts under Xvfb and shows its window.
set -euo pipefail

title="Brevanor 2002"
self=$(readlink -f "$0")

# Under xvfb-run: start the unpacked program and wait for its window.
if [ "${1:-}" = --inside-xvfb ]; then
    program=$2
    home=$(mktemp -d)
    trap 'rm -rf "$home"' EXIT
    cd "$home"
    mkdir -m 700 "$home/runtime"
    XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=xcb "$program" &
    pid=$!
    for _ in $(seq 120); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid" || true
            echo "the installed program ended before showing its window"
            exit 1
        fi
        if window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null); then
            echo "the installed program shows its window: $(xdotool getwindowgeometry "$window" | tr -s '\n ' ' ')"
            kill "$pid"
            wait "$pid" || true
            exit 0
        fi
        sleep 0.5
    done
    kill "$pid"
    wait "$pid" || true
    echo "no window named \"$title\" appeared within a minute"
    exit 1
fi

cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
rm -f "$build"/brevanor_*.deb
cmake --build "$build" -j2 --target package
debs=("$build"/brevanor_*.deb)
[ ${#debs[@]} -eq 1 ] || { echo "expected one package, found: ${debs[*]}"; exit 1; }
deb=${debs[0]}

status=0
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

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
xvfb-run -a -s "-screen 0 1024x768x24" bash "$self" --inside-xvfb "$root/usr/bin/brevanor" || status=1
[ "$status" = 0 ] && echo "$(basename "$deb") installs a program that starts and shows its window"
exit "$status"
