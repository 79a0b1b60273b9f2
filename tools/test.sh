#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program and every test, and runs them,
# through CMake's preset of that name in CMakePresets.json: test, or the one
# given (tools/sanitize.sh gives its own).
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-test}
tools/install-deps.sh test
cmake --preset "$preset"
cmake --build --preset "$preset" --parallel "$(nproc)"
ctest --preset "$preset" --parallel "$(nproc)"
