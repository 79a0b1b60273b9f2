#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One keyboard-only session with the screen reader Orca under Xvfb: what Orca
# speaks (its debug log) and what the desktop opens (a recording handler).
# Usage: screenreader-session.sh PROGRAM. Exits 77 when Orca is not installed;
# KEEP=1 keeps the session's files (Orca's log, the program's errors).
set -euo pipefail
program=$(realpath "${1:?usage: screenreader-session.sh PROGRAM}")
command -v orca >/dev/null || { echo "orca not found (Debian package orca)"; exit 77; }
if [ -z "${IN_PRIVATE_SESSION:-}" ]; then
    export IN_PRIVATE_SESSION=1
    # Orca will not start beside another Orca of the same user; processes of
    # their own let this session run whatever else runs on the machine.
    unshare --pid --fork --mount-proc true 2>/dev/null \
        && exec unshare --pid --fork --mount-proc dbus-run-session -- bash "$0" "$@"
    exec dbus-run-session -- bash "$0" "$@"
fi

root=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null; [ -n "${KEEP:-}" ] || rm -rf "$root"' EXIT
log=$root/orca.log docs=$root/documents records=$root/records
mkdir -p "$docs" "$records" "$root/data/applications" "$root/config" "$root/system"
fail() { echo "FAIL: $*"; grep -h 'SPEECH OUTPUT' "$log" | cut -c1-160 | tail -40; exit 1; }
# Waits, 30 seconds at most, until the command after the failure's text succeeds.
waits() {
    local deadline=$((SECONDS + 30))
    until "${@:2}"; do
        [ $SECONDS -lt $deadline ] || fail "$1"
        sleep 0.1
    done
}

# The handler records the file it is asked to open.
printf '#!/bin/sh\necho "$1" > %s/$$\n' "$records" > "$root/recorder" && chmod +x "$root/recorder"
printf '[Desktop Entry]\nType=Application\nName=Recorder\nExec=%s %%f\nMimeType=%s\n' \
    "$root/recorder" 'application/msword;application/pdf;' > "$root/data/applications/recorder.desktop"
printf '[Default Applications]\napplication/msword=recorder.desktop\napplication/pdf=recorder.desktop\n' \
    > "$root/config/mimeapps.list"
ln -s /usr/share/mime "$root/system/mime"

exec 3>"$root/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 & pids+=($!)
waits "Xvfb did not start" test -s "$root/display"
export DISPLAY=:$(cat "$root/display")
/usr/libexec/at-spi-bus-launcher --launch-immediately & pids+=($!)
# No speech server: what Orca speaks goes to its debug log alone, written
# through a terminal so that each line arrives as it is written.
SPEECHD_CMD=/nonexistent XDG_CONFIG_HOME=$root/orca HOME=$root \
    script -qfec "orca --debug-file=/dev/stdout" "$log" >/dev/null 2>&1 & pids+=($!)

lines() { wc -l < "$log" 2>/dev/null || echo 0; }
spoken_since() { tail -n +"$(($1 + 1))" "$log" 2>/dev/null | grep -a 'SPEECH OUTPUT' || true; }
said() { spoken_since "$1" | grep -qE -- "$2"; }
# Waits until Orca has spoken a line matching the pattern since the mark.
heard() { waits "not spoken: $2" said "$1" "$2"; }
key() { mark=$(lines); xdotool key "$1"; }
# Presses each key in turn and waits until Orca speaks what follows it.
keys() { while [ $# -gt 1 ]; do key "$1" && heard "$mark" "$2"; shift 2; done; }
row="'[0-9]+\.(doc|pdf)\.'"
heard 0 "Screen reader on"

(cd "$docs" && exec env QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 HOME=$root \
    XDG_DATA_HOME=$root/data XDG_DATA_DIRS=$root/system XDG_CONFIG_HOME=$root/config \
    XDG_CONFIG_DIRS=$root/config "$program" 2>"$root/stderr") & pids+=($!)
window=$(xdotool search --sync --name '^Brevanor 2002$' | head -1)
xdotool windowfocus --sync "$window"
heard 0 "Search author or title:"

# How many rows the list shows is told once the typing pauses, once for a word;
# Orca 43 speaks it as a notification, Orca 48 as an announcement.
told() { echo "'(notification )?$1\.?'"; }
count=$(told "([0-9]+ rows?|No rows)")
typed=$(lines)
xdotool type --delay 150 media
heard "$typed" "'a ?'" # Orca 43 adds a blank to an echoed character, later ones do not
heard "$typed" "$(told "7 rows")"
sleep 1.5
[ "$(spoken_since "$typed" | grep -cE "$count")" -eq 1 ] || fail "the count not told once for a word"
mark=$(lines) && xdotool type --delay 150 qz && heard "$mark" "$(told "No rows")"
keys Tab "Reset Search"
key Return && heard "$mark" "$(told "178 rows")" # the box empty again
keys Tab "Reset Sort Criteria"
for list in "by track:/All tracks" "by session:/All sessions" "by timeslot:/All timeslots"; do
    keys Tab "${list%/*}" && heard "$mark" "${list#*/}"
    keys Down "Keynotes" && heard "$mark" "$(told "3 rows")"
done
spoken_since "$typed" | grep -qE "$row" && fail "a list row was spoken outside the list"

# Enter opens the row Orca spoke last: on arriving by Tab, then after moving.
enter_opens_last_spoken() {
    file=$(spoken_since "$mark" | grep -oE "$row" | tail -1 | tr -d "'") && file=${file%.}
    echo "a document" > "$docs/$file"
    key Return
    waits "Enter did not open $file, the row last spoken" grep -rqx "$docs/$file" "$records"
}
keys Tab "Papers" && heard "$mark" "$row" && enter_opens_last_spoken
keys Down "$row" Down "$row" && enter_opens_last_spoken
# Back to a filter, which rebuilds the list, and into the list again, on the
# row chosen last, which it still shows (the last of the three).
keys shift+Tab "by timeslot:" Up "All timeslots" Tab "Papers" && heard "$mark" "'$file\\.'"
keys Up "$row"
# The list's menu from the keyboard: sorting by "Title" is spoken, Escape
# closes the menu and leaves the reader on a row of the list.
keys Menu "'Open" Up "Sort by" Right "'Open" Down "'Author checked" Down "'Title" Return "sorted ascending"
# Orca 43 is taken to the header; Orca 48 speaks Qt 6.8's announcement.
heard "$mark" "'Title(,| table column header)"
keys Menu "'Open" Escape "$row"
! grep -a "Accessible invalid" "$root/stderr" || fail "stale accessible objects"
echo "spoken and opened as expected: $file"
