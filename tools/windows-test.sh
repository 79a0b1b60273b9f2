#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows program and its tests (tools/windows-build.sh) and runs
# them under Wine, in the build's own Wine prefix, on an Xvfb screen: the unit
# and widget tests through CTest, then tests/windows-smoke.sh on the program's
# own window.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${BREVANOR_WINDOWS_BUILD:-build-windows}
# Qt's offscreen platform on Windows reads its fonts from one folder.
export QT_QPA_FONTDIR=Z:/usr/share/fonts/truetype/liberation

# Runs on the Xvfb screen.
run_under_wine() {
    local status=0 dir
    dir=$(cd "$build" && pwd)
    export WINEPREFIX=$dir/wineprefix WINEDEBUG=-all
    wineboot --init
    (cd "$dir" && ctest --parallel "$(nproc)") || status=1
    # A Qt Test program's report does not reach a pipe under Wine: each test
    # that failed runs again into a file.
    if [ "$status" != 0 ]; then
        while IFS=: read -r _ name; do
            (cd "$dir/tests" && QT_QPA_PLATFORM=offscreen sh "$root/cmake/wine-run.sh" \
                "$WINEPREFIX" "$name.exe" -o "$name.log,txt" || cat "$name.log")
        done <"$dir/Testing/Temporary/LastTestsFailed.log"
    fi
    tests/windows-smoke.sh "$dir/brevanor.exe" || status=1
    wineserver --kill
    return "$status"
}
if [ "${1:-}" = --on-screen ]; then
    run_under_wine
    exit
fi
tools/windows-build.sh -DBUILD_TESTING=ON
# Tall enough for the smoke test's window to show all its rows at once.
xvfb-run -a -s '-screen 0 1280x3400x24' bash "$root/tools/windows-test.sh" --on-screen
