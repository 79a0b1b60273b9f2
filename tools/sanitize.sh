#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program and every test with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan (or BUILD_DIR) and runs every
# test there; the first report of either sanitizer fails its test.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh test
build=${BUILD_DIR:-build-asan}
# -O1 keeps the long randomized run quick enough while the reports stay readable.
flags="-O1 -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="$flags" \
    -DCMAKE_SHARED_LINKER_FLAGS="$flags"
cmake --build "$build" -j2
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2
