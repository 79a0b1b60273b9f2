#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under Wine in the given Wine prefix, for the build and
# the tests: WINE_PREFIX PROGRAM [ARGUMENT...]. Wine keeps Qt's QT_ variables
# away from its programs, so they are handed on under Wine's WINEQT_ names.
set -eu
WINEPREFIX=$1
shift
export WINEPREFIX WINEDEBUG=${WINEDEBUG:--all}
for name in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    export "WINE$name=$(printenv "$name")"
done
exec wine "$@"
