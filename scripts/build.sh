#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Configures and builds the project into build/ (or $BUILD_DIR). Arguments go
# to CMake's configure step; with --programs first, only the two programs are
# built (no tests, manual pages or package files).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}
targets=()
options=(-DTRIANGLE_BUILD_TESTS=ON)
if [[ ${1:-} == --programs ]]; then
    # Without the tests configured too: the window's accessibility test
    # needs Qt's private headers, which building the programs does not.
    targets=(--target triangle-window triangle-solve)
    options=(-DTRIANGLE_BUILD_TESTS=OFF)
    shift
fi
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" "$@"
cmake --build "$build_dir" --parallel "$(nproc)" "${targets[@]}"
