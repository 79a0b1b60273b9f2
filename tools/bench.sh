#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks (Release) and runs each on the offscreen platform and
# under Xvfb, then times the whole process, exec to first paint, with
# hyperfine under Xvfb. Arguments go to every benchmark program, for example
# --benchmark_filter=Scaling.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh bench
cmake --preset bench >/dev/null
cmake --build --preset bench --parallel "$(nproc)"
bench=build-bench/bench
programs=(bench_startup bench_interaction bench_scaling)
xvfb=(xvfb-run -a -s "-screen 0 1280x1024x24")

# Qt wants a private runtime directory; a fresh one keeps runs apart.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"

for program in "${programs[@]}"; do
    QT_QPA_PLATFORM=offscreen "$bench/$program" "$@"
done
for program in "${programs[@]}"; do
    "${xvfb[@]}" env QT_QPA_PLATFORM=xcb "$bench/$program" "$@"
done

# The whole process from outside, for the same window and its anchor.
json="$XDG_RUNTIME_DIR/firstpaint.json"
"${xvfb[@]}" env QT_QPA_PLATFORM=xcb \
    hyperfine --shell=none --warmup 3 --runs 30 --export-json "$json" \
        --command-name program "$bench/bench_firstpaint program" \
        --command-name anchor "$bench/bench_firstpaint anchor"
grep -o '"median": *[0-9.e-]*' "$json" | awk -F': *' '
    { median[NR] = $2 }
    END {
        printf "\n== Exec to first paint under Xvfb, hyperfine (medians) ==\n"
        printf "program %.3f ms, anchor %.3f ms, ratio %.3f\n", median[1] * 1e3, median[2] * 1e3, median[1] / median[2]
    }'
