#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The web page's tests, after scripts/build-web.sh and scripts/build.sh:
#  - the number reading and formatting tests' cases in the WebAssembly build,
#    under node, where the decimal conversions go through the C library;
#  - the picture geometry's cases there too, as the page lays out its picture;
#  - the page's arithmetic against the command line's: the same requests
#    answered by the solver in WebAssembly under node and by triangle-solve
#    (web/tests/compare-with-native.sh);
#  - the page in Debian's Chromium, driven by the fields' accessible names
#    and compared with triangle-solve, and that it asks nothing of the
#    network (playwright-core, installed from web/tests/package-lock.json).
set -euo pipefail
cd "$(dirname "$0")/.."
web_dir=${WEB_BUILD_DIR:-build-web}

echo "== number reading and formatting in WebAssembly"
node "$web_dir/web/number-text-cases.js"

echo "== the picture's geometry in WebAssembly"
node "$web_dir/web/picture-geometry-cases.js"

echo "== the page's arithmetic against the command line's"
bash web/tests/compare-with-native.sh "${BUILD_DIR:-build}/tools/triangle-solve" "$web_dir/web/answer-lines.js"

echo "== the page in Chromium"
npm ci --prefix web/tests --no-audit --no-fund --loglevel=error
SITE_DIR=$PWD/$web_dir/site TRIANGLE_SOLVE=$PWD/${BUILD_DIR:-build}/tools/triangle-solve \
    node --test web/tests/
