#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The program and a whole user session as clients of a headless Weston of their
# own, on Qt's wayland platform with no X display; and, without any display,
# the program's one-line message instead of an abort.
# Usage: wayland-session.sh PROGRAM SESSION_TEST
set -eu
runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'kill ${pids:-} 2>/dev/null || true; rm -rf "$runtime"' EXIT
fail() { echo "$1"; [ -z "${2:-}" ] || cat "$runtime/$2"; exit 1; }
# Waits up to a minute for the condition to hold while the last process started runs.
await() {
    for _ in $(seq 300); do
        eval "$1" && return 0
        kill -0 $! 2>/dev/null || return 1
        sleep 0.2
    done
    return 1
}

XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=wayland-test \
    --idle-time=0 --log="$runtime/weston.log" &
pids=$!
await '[ -S "$runtime/wayland-test" ]' || fail "Weston did not come up" weston.log
export XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland
unset DISPLAY

# In the client's record of the protocol, the window names itself, the compositor
# configures it and the program answers with a drawn frame.
WAYLAND_DEBUG=client "$1" 2>"$runtime/client.log" &
pids="$pids $!"
await "awk '/set_title\(\"Brevanor 2002\"\)/ { t = 1 }
    /set_app_id\(\"org.brevanor.Brevanor2002\"\)/ { a = t } /ack_configure/ { c = a }
    /attach\(wl_buffer/ { s = c } END { exit !s }' '$runtime/client.log'" \
    || fail "no window with the program's title and app id was configured and drawn" client.log
echo "the window is up on Wayland with its title and app id"

# Filters, search, sort, open and resize in one window. Under the sanitizers
# Qt's Wayland client leaves allocations to the end of the process; leaks of
# our own are looked for where the same test runs on the offscreen platform.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$2"

said=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1) && fail "it started without a display"
[ "$said" = "no display: set DISPLAY or WAYLAND_DISPLAY" ] || fail "without a display: $said"
