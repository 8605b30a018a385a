#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the benchmarks against their goals on this machine:
#  - one whole request per family of combinations (goal: median <= 1 us);
#  - the search for the shape over every set without an angle, from four
#    triangles: the median, the 90th percentile and the slowest search;
#  - triangle-solve over one million generated requests (goal: <= 0.35 s and
#    <= 16 MB peak memory, the same as for a single request);
#  - the window, process start to first paint and peak memory over 10 runs
#    offscreen (goal: <= 80 ms and <= 35 MB);
#  - the web page in headless Chromium: its transfer size (goal: <= 500 kB)
#    and one request in the page, per family (goal: <= 1 ms).
# bench/compare-peers.sh measures triangle-solve against the npm triangle
# solvers on one batch, and its instructions per request.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BENCH_BUILD_DIR:-build-bench}

bash scripts/install-dependencies.sh
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTRIANGLE_BUILD_BENCHMARKS=ON -DTRIANGLE_BUILD_UI=ON -DTRIANGLE_BUILD_TESTS=OFF >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"

echo "== machine"
echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"

echo "== one request per family (median of 10 repetitions)"
"$build_dir/bench/bench_requests" --benchmark_repetitions=10 \
    --benchmark_report_aggregates_only=true 2>/dev/null | grep -E '_median'

echo "== the search over every set of three elements without an angle"
"$build_dir/bench/bench_search" 2>/dev/null | grep -E 'searchOverEverySet'

echo "== triangle-solve over one million requests"
requests=$(mktemp)
trap 'rm -f "$requests"' EXIT
awk 'BEGIN {
    srand(42)
    for (i = 0; i < 1000000; ++i)
        printf "%d\t%.4f\t%.4f\t%.4f\n", int(rand() * 52), 1 + rand() * 80, 1 + rand() * 80, 1 + rand() * 20
}' >"$requests"
best="" highest=0
for run in 1 2 3 4 5; do
    start=$(date +%s%N)
    peak=$(/usr/bin/time -f '%M' "$build_dir/tools/triangle-solve" <"$requests" 2>&1 >/dev/null | tail -1)
    elapsed=$((($(date +%s%N) - start) / 1000000))
    if [[ -z "$best" || $elapsed -lt $best ]]; then best=$elapsed; fi
    if ((peak > highest)); then highest=$peak; fi
    echo "run $run: $elapsed ms, peak memory $((peak / 1024)) MB"
done
echo "best: $best ms; highest peak memory: $((highest / 1024)) MB ($highest kB)"

# startup PROGRAM LABEL: 10 offscreen runs to the first paint; the median
# time and the median peak resident memory.
startup() {
    local program=$1 label=$2 times=() peaks=()
    for run in $(seq 1 10); do
        local start peak
        start=$(date +%s%N)
        peak=$(/usr/bin/time -f '%M' "$program" --quit-after-first-paint 2>&1 >/dev/null | tail -1)
        times+=($((($(date +%s%N) - start) / 1000000)))
        peaks+=($((peak / 1024)))
    done
    local time_median peak_median
    time_median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 5p)
    peak_median=$(printf '%s\n' "${peaks[@]}" | sort -n | sed -n 5p)
    echo "$label: runs ${times[*]} ms; median $time_median ms, peak memory $peak_median MB"
}

if [[ -x "$build_dir/ui/triangle-window" ]]; then
    echo "== window: process start to first paint and peak memory, 10 runs offscreen"
    export QT_QPA_PLATFORM=offscreen
    export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
    chmod 0700 "$XDG_RUNTIME_DIR"
    startup "$build_dir/ui/triangle-window" "the program"
    startup "$build_dir/bench/bench_bare_window" "bare Qt window with one button"
fi

echo "== web page in headless Chromium"
bash scripts/build-web.sh >/dev/null
npm ci --prefix web/tests --no-audit --no-fund --loglevel=error
node bench/web_page.mjs "${WEB_BUILD_DIR:-build-web}/site"
