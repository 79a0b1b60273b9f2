#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary root, and checks that
# its dependencies are packages of this system and that the program installed
# from it, and its Open With chooser, start under Xvfb and show their windows.
set -euo pipefail

title="Brevanor 2002"
self=$(readlink -f "$0")

# Under xvfb-run: start the unpacked program, and then its Open With chooser
# for a file, and wait for the window of each.
if [ "${1:-}" = --inside-xvfb ]; then
    program=$2
    chooser=$3
    home=$(mktemp -d)
    trap 'rm -rf "$home"' EXIT
    cd "$home"
    mkdir -m 700 "$home/runtime"
    export XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=xcb
    # Starts the command and waits for its window with the title.
    shows_window() {
        local title=$1 what=$2 pid window
        shift 2
        "$@" &
        pid=$!
        for _ in $(seq 120); do
            if ! kill -0 "$pid" 2>/dev/null; then
                wait "$pid" || true
                echo "the installed $what ended before showing its window"
                return 1
            fi
            if window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null); then
                echo "the installed $what shows its window: $(xdotool getwindowgeometry "$window" | tr -s '\n ' ' ')"
                kill "$pid"
                wait "$pid" || true
                return 0
            fi
            sleep 0.5
        done
        kill "$pid"
        wait "$pid" || true
        echo "no window named \"$title\" appeared within a minute"
        return 1
    }
    printf 'a document\n' >135.doc
    shows_window "$title" program "$program" && shows_window "Open With" chooser "$chooser" "$home/135.doc"
    exit
fi

cd "$(dirname "$0")/.."
tools/install-deps.sh check
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
# The program finds its chooser from its own folder, as it does here.
chooser=$root/usr/libexec/brevanor/brevanor-openwith
[ -x "$chooser" ] || { echo "the package holds no chooser at ${chooser#"$root"}"; status=1; }
xvfb-run -a -s "-screen 0 1024x768x24" bash "$self" --inside-xvfb "$root/usr/bin/brevanor" "$chooser" \
    || status=1
[ "$status" = 0 ] && echo "$(basename "$deb") installs a program and its chooser that start and show their windows"
exit "$status"
