#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# triangle-solve against the npm packages people would otherwise install to
# solve a triangle, on the same batch: 200,000 requests of combination 21
# (C, a, b: two sides and the angle between them), whole processes, the runs
# of each taken in turn. Prints each one's median wall and CPU time and how
# many times ours theirs is (goal: 5 times every peer's wall time, 3 times
# its CPU time). The peers are installed into a scratch folder that is
# removed afterwards, and skipped with a message where npm cannot reach them.
#
# Then, for the same goals' other figures: callgrind's instructions per
# request on the batch (goal: <= 3,000), triangle-solve over the million
# mixed requests of run-benchmarks.sh (goal: <= 0.35 s on two cores), and
# the median of any three elements by a school's route (goal: <= 1 us).
#
#   bench/compare-peers.sh        RUNS=3 bench/compare-peers.sh
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BENCH_BUILD_DIR:-build-bench}
runs=${RUNS:-5}

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTRIANGLE_BUILD_BENCHMARKS=ON -DTRIANGLE_BUILD_TESTS=OFF >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)" --target triangle-solve bench_requests >/dev/null
solve=$build_dir/tools/triangle-solve
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

echo "== machine"
echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(date -u '+%Y-%m-%d %H:%M UTC'), load average $(cut -d' ' -f1-3 /proc/loadavg)"

awk 'BEGIN {
    srand(21)
    for (i = 0; i < 200000; ++i)
        printf "21\t%.4f\t%.4f\t%.4f\n", 1 + rand() * 178, 1 + rand() * 80, 1 + rand() * 80
}' >"$work/batch"
count=$(wc -l <"$work/batch")

# seconds PROGRAM...: "WALL CPU" of one run over the batch, to the
# millisecond (the shell's own timing; /usr/bin/time rounds to 10 ms).
seconds() {
    local TIMEFORMAT='%3R %3U %3S'
    { time "$@" <"$work/batch" >/dev/null 2>/dev/null; } 2>"$work/time"
    awk '{ printf "%.3f %.3f\n", $1, $2 + $3 }' "$work/time"
}

# median: the middle one of the numbers on standard input.
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

peers=(@stevework/triangle-completion-sas @jscad/modeling trigonometry-calculator)
available=()
if command -v npm >/dev/null && command -v node >/dev/null; then
    mkdir "$work/peers"
    for peer in "${peers[@]}"; do
        if npm install --prefix "$work/peers" --no-audit --no-fund --loglevel=error "$peer" >/dev/null 2>&1; then
            available+=("$peer")
        else
            echo "skipped $peer: npm could not install it"
        fi
    done
else
    echo "skipped the npm solvers: no npm or node here"
fi

echo "== the batch: $count requests of combination 21 (C a b), $runs runs each in turn"
: >"$work/ours"
for peer in "${available[@]}"; do : >"$work/peer-${peer//\//_}"; done
for _ in $(seq "$runs"); do
    seconds "$solve" >>"$work/ours"
    for peer in "${available[@]}"; do
        seconds node bench/peer_solvers.mjs "$work/peers" "$peer" >>"$work/peer-${peer//\//_}"
    done
done
ours_wall=$(cut -d' ' -f1 "$work/ours" | median)
ours_cpu=$(cut -d' ' -f2 "$work/ours" | median)
printf '%-36s %8s %8s %12s %12s\n' "" "wall s" "CPU s" "wall ratio" "CPU ratio"
printf '%-36s %8s %8s\n' "triangle-solve" "$ours_wall" "$ours_cpu"
for peer in "${available[@]}"; do
    wall=$(cut -d' ' -f1 "$work/peer-${peer//\//_}" | median)
    cpu=$(cut -d' ' -f2 "$work/peer-${peer//\//_}" | median)
    awk -v name="$peer" -v wall="$wall" -v cpu="$cpu" -v ow="$ours_wall" -v oc="$ours_cpu" \
        'BEGIN { printf "%-36s %8.3f %8.3f %11.1fx %11.1fx\n", name, wall, cpu, wall / ow, cpu / oc }'
done
echo "(medians of $runs; each run: $(tr '\n' ';' <"$work/ours" | sed 's/;$//') for triangle-solve)"

if command -v valgrind >/dev/null; then
    echo "== callgrind: instructions per request on the batch"
    instructions() {
        valgrind --tool=callgrind --callgrind-out-file=/dev/null "$solve" <"$1" 2>&1 >/dev/null \
            | sed -n 's/.*Collected : *//p'
    }
    total=$(instructions "$work/batch")
    start=$(instructions /dev/null)
    awk -v total="$total" -v start="$start" -v count="$count" 'BEGIN {
        printf "%d in all, %d of them starting the program: %.0f per request\n", total, start, (total - start) / count
    }'
else
    echo "skipped callgrind: no valgrind here"
fi

echo "== triangle-solve over one million mixed requests, $runs runs"
awk 'BEGIN {
    srand(42)
    for (i = 0; i < 1000000; ++i)
        printf "%d\t%.4f\t%.4f\t%.4f\n", int(rand() * 52), 1 + rand() * 80, 1 + rand() * 80, 1 + rand() * 20
}' >"$work/batch"
: >"$work/mixed"
for _ in $(seq "$runs"); do seconds "$solve" >>"$work/mixed"; done
echo "wall s: $(cut -d' ' -f1 "$work/mixed" | tr '\n' ' ')(best $(cut -d' ' -f1 "$work/mixed" | sort -n | head -1), median $(cut -d' ' -f1 "$work/mixed" | median)); CPU s median $(cut -d' ' -f2 "$work/mixed" | median)"

echo "== any three elements by a school's route, median of $runs"
"$build_dir/bench/bench_requests" --benchmark_filter=namedElementsBySchoolRoute \
    --benchmark_repetitions="$runs" --benchmark_report_aggregates_only=true 2>/dev/null | grep -E '_median'
