#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs clang-tidy (checks in .clang-tidy) and cppcheck over the program's own
# sources, its tests and benchmarks, checks that they keep the style of
# .clang-format, and that every file carries its SPDX licence identifier
# (tools/spdx-check.sh); any finding fails the run.
# Uses the build directory of tools/test.sh, or BUILD_DIR.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh check
root=$(pwd)
build=${BUILD_DIR:-build}
dirs=(app errors catalogue documents legibility resultlist selection window standins packaging tests bench)
ours="^$root/($(IFS='|'; echo "${dirs[*]}"))/"

# clang-tidy reads the compile commands; the tests include their moc output,
# so the build must have generated it.
cmake --preset test -B "$build" >/dev/null
cmake --build "$build" --parallel "$(nproc)"
echo "clang-tidy over the files of ${dirs[*]}"
run-clang-tidy -p "$build" -j "$(nproc)" -quiet -header-filter="$ours" "$ours.*\\.cpp\$" \
    >"$build/clang-tidy.log" 2>&1 || {
    grep -E -A3 '(warning|error):' "$build/clang-tidy.log" || cat "$build/clang-tidy.log"
    echo "clang-tidy found problems (the whole report: $build/clang-tidy.log)"
    exit 1
}
echo "clang-tidy: no findings"

present=()
for dir in "${dirs[@]}"; do
    [ -d "$dir" ] && present+=("$dir")
done
cppcheck --enable=warning,performance,portability --error-exitcode=1 --inline-suppr \
    --library=qt --std=c++20 --language=c++ -I . --suppress=missingIncludeSystem -q -j "$(nproc)" \
    "${present[@]}"
echo "cppcheck: no findings"

# clang-format -i on the files it names puts them right.
mapfile -t sources < <(find "${present[@]}" -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run --Werror "${sources[@]}"
echo "clang-format: every file keeps the style"

bash tools/spdx-check.sh
