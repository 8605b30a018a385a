#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang and runs each for a bounded time
# (FUZZ_SECONDS, default 60) from its committed seed corpus. A crash, a
# sanitizer report or a failed check fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${FUZZ_BUILD_DIR:-build-fuzz}
seconds=${FUZZ_SECONDS:-60}

CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTRIANGLE_BUILD_FUZZERS=ON -DTRIANGLE_BUILD_UI=ON -DTRIANGLE_BUILD_TESTS=OFF
cmake --build "$build_dir" --parallel "$(nproc)" --target fuzz_request fuzz_answer fuzz_window

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# fuzz TARGET CORPUS [libFuzzer options]
fuzz() {
    local target=$1 corpus=$2
    shift 2
    mkdir -p "$work/$target"
    cp "fuzz/corpus/$corpus"/* "$work/$target/"
    echo "== $target for $seconds s"
    "$build_dir/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$work/" "$@" "$work/$target"
}

fuzz fuzz_request request -max_len=512
fuzz fuzz_answer answer -max_len=128

# The window fuzzer opens a fresh window per input on the offscreen platform;
# Qt's own caches outlive an input, so leaks are not judged per input.
if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
    export XDG_RUNTIME_DIR=$work/runtime
    mkdir -m 0700 "$XDG_RUNTIME_DIR"
fi
chmod 0700 "$XDG_RUNTIME_DIR"
ASAN_OPTIONS=detect_leaks=0 fuzz fuzz_window window -max_len=128
