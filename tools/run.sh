#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program and starts it in the folder of
# stand-in papers that the build writes (build/papers), where every paper opens.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh run
# The tests need more packages than running does: a new build directory
# leaves them out, one that tools/test.sh made keeps them.
[ -f build/CMakeCache.txt ] || cmake --preset run
cmake --build build --parallel "$(nproc)" --target brevanor brevanor_standins
cd build/papers
exec ../brevanor
