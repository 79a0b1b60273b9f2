#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the Windows program under Wine on the current X display and checks
# what its window shows: the caption, all 178 rows, and the 5 rows left when
# "Bertolini" is typed into the search box. Rows are counted on grabs of the
# window, as the blue file names down the list's first column; the window is
# made tall enough to show every row at once.
#
# Usage: windows-smoke.sh BREVANOR_EXE  (with DISPLAY and WINEPREFIX set)
set -euo pipefail
exe=$1
work=$(mktemp -d)
trap 'kill "$program" 2>/dev/null; rm -rf "$work"' EXIT
cd "$work"
wine "$exe" &
program=$!

window=$(timeout 60 xdotool search --sync --onlyvisible --name '^Brevanor 2002$' | head -n 1) ||
    { echo "no window \"Brevanor 2002\" within 60 s"; exit 1; }
echo "window \"Brevanor 2002\" is up"

# The count of blue text runs that start at the same left edge, on a grab.
count_rows() {
    import -window "$window" -depth 8 ppm:- | python3 -c '
import collections, sys
data = sys.stdin.buffer.read()
fields = data.split(maxsplit=4)
width, height = int(fields[1]), int(fields[2])
pixels = fields[4]
runs, start, left = [], None, None
for y in range(height):
    row = pixels[3 * width * y:3 * width * (y + 1)]
    xs = [x for x in range(width // 4)
          if row[3 * x + 2] > row[3 * x] + 80 and row[3 * x + 2] > row[3 * x + 1] + 80]
    if xs and start is None:
        start, left = y, xs[0]
    elif xs:
        left = min(left, xs[0])
    elif start is not None:
        runs.append((y - start, left))
        start = None
edges = collections.Counter(left for size, left in runs if 3 <= size <= 20)
edge = edges.most_common(1)[0][0] if edges else None
print(sum(1 for size, left in runs if 3 <= size <= 20 and abs(left - edge) <= 2))
'
}

# Waits until the window shows the expected count of rows.
expect_rows() {
    local rows=none
    for _ in $(seq 60); do
        xdotool windowmove "$window" 0 0 windowsize "$window" 1000 3300
        rows=$(count_rows)
        [ "$rows" = "$1" ] && { echo "$2: $rows rows"; return 0; }
        sleep 0.5
    done
    echo "$2: $rows rows shown, not $1"
    exit 1
}

expect_rows 178 "at start"
# The search box has the focus at start; the pointer keeps the keyboard on the window.
xdotool mousemove --window "$window" 500 100
xdotool type --delay 50 Bertolini
expect_rows 5 "searching \"Bertolini\""
