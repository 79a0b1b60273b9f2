#!/bin/sh
# Compiles the Windows shell backend, which cannot run here, with the mingw-w64
# cross compiler so that it keeps building, and checks that the object calls
# the Windows functions the backend is made of.
#
# Usage: windows-compile-check.sh [SOURCE_DIR [QT_INCLUDE_DIR...]]
# The Qt include directories default to the host's Qt 6 headers: shell.h needs
# only QString, whose headers are the same plain C++ for either target.
# Exits 77 (skipped) when the cross compiler is missing, unless
# BREVANOR_REQUIRE_MINGW=1 makes that a failure.
set -eu

source_dir=${1:-$(cd "$(dirname "$0")/.." && pwd)}
[ $# -gt 0 ] && shift
[ $# -gt 0 ] || set -- /usr/include/x86_64-linux-gnu/qt6 /usr/include/x86_64-linux-gnu/qt6/QtCore

compiler=${MINGW_CXX:-x86_64-w64-mingw32-g++}
symbols=${MINGW_NM:-x86_64-w64-mingw32-nm}
if ! command -v "$compiler" >/dev/null 2>&1; then
    echo "$compiler not found (Debian package g++-mingw-w64-x86-64)"
    [ "${BREVANOR_REQUIRE_MINGW:-0}" = 1 ] && exit 1
    exit 77
fi

includes=""
for dir in "$@"; do
    includes="$includes -I$dir"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
object="$work/shell_windows.o"

# shellcheck disable=SC2086 # one word per include directory
"$compiler" -std=c++20 -Wall -Wextra -Wpedantic -Werror \
    -I"$source_dir" $includes \
    -c "$source_dir/documents/shell_windows.cpp" -o "$object"

status=0
for function in GetDesktopWindow ShellExecuteA CreateProcessA CloseHandle; do
    if ! "$symbols" "$object" | grep -q " U __imp_$function\$"; then
        echo "shell_windows.o does not call $function"
        status=1
    fi
done
if ! "$symbols" -C "$object" | grep -q " T documents::createPlatformShell()\$"; then
    echo "shell_windows.o does not define documents::createPlatformShell()"
    status=1
fi
[ "$status" = 0 ] && echo "shell_windows.cpp compiles for Windows with $compiler"
exit "$status"
