#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time
# (FUZZ_SECONDS, default 60) from the committed seed corpus. A crash, a
# sanitizer report or a failed check fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${FUZZ_BUILD_DIR:-build-fuzz}
seconds=${FUZZ_SECONDS:-60}

CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTRIANGLE_BUILD_FUZZERS=ON -DTRIANGLE_BUILD_UI=OFF -DTRIANGLE_BUILD_TESTS=OFF
cmake --build "$build_dir" --parallel "$(nproc)" --target fuzz_request

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp fuzz/corpus/request/* "$work/"
"$build_dir/fuzz/fuzz_request" -max_total_time="$seconds" -max_len=512 -print_final_stats=1 \
    -artifact_prefix="$work/" "$work"
