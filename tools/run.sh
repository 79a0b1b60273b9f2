#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh run
# The tests need more packages than running does: a new build directory
# leaves them out, one that tools/test.sh made keeps them.
[ -f build/CMakeCache.txt ] || cmake --preset run
cmake --build build --parallel "$(nproc)" --target brevanor
exec build/brevanor
