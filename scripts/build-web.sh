#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the web page into build-web/site/ (or $WEB_BUILD_DIR/site/):
# index.html and the files it loads, with the solver compiled to WebAssembly
# by Debian's emscripten, which the set-up script installs when it is
# missing. Arguments go to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${WEB_BUILD_DIR:-build-web}
bash scripts/install-dependencies.sh --web
# Emscripten's JavaScript optimiser loads acorn, which Debian installs where
# only Debian's own Node.js looks; any other Node.js finds it through
# NODE_PATH.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
# Optimised for size: the site stays well under 500 kB with the WebAssembly
# inside the script, and as fast as with -O3.
emcmake cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel \
    -DTRIANGLE_BUILD_UI=OFF -DTRIANGLE_BUILD_TESTS=OFF "$@"
cmake --build "$build_dir" --parallel "$(nproc)" --target triangle-site number-text-cases picture-geometry-cases answer-lines
echo "the page is in $build_dir/site; scripts/serve-web.sh serves it"
