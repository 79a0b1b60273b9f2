#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles the Windows resource script with the icon file iconwriter draws,
# using the mingw-w64 resource compiler, and checks that the compiled resource
# holds one icon group with an icon of each size.
#
# Usage: windows-resource-check.sh ICONWRITER RC_FILE SIZE...
# Exits 77 (skipped) when the resource compiler is missing.
set -eu

iconwriter=$1
rc=$2
shift 2
windres=${MINGW_WINDRES:-x86_64-w64-mingw32-windres}
if ! command -v "$windres" >/dev/null 2>&1; then
    echo "$windres not found (Debian package binutils-mingw-w64-x86-64)"
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$iconwriter" "$work/brevanor.ico" "$@"
# The host's C preprocessor reads the script, as the cross-compiler's would:
# only the Windows build itself needs that compiler.
"$windres" --preprocessor=cpp -I "$work" -O coff "$rc" -o "$work/resource.o"
"$windres" -i "$work/resource.o" -O rc >"$work/resource.rc"

groups=$(grep -c 'RT_GROUP_ICON' "$work/resource.rc" || true)
icons=$(grep -c '^[0-9]* 3 /\* RT_ICON \*/' "$work/resource.rc" || true)
if [ "$groups" != 1 ] || [ "$icons" != $# ]; then
    echo "the resource holds $groups icon groups and $icons icons, not 1 and $#"
    exit 1
fi
echo "$(basename "$rc") compiles with $windres into one icon of $# sizes"
