#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything, and runs every test and check.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-dependencies.sh
# Warnings are fatal here, as in CI.
bash scripts/build.sh -DTRIANGLE_WARNINGS_AS_ERRORS=ON -DCMAKE_EXPORT_COMPILE_COMMANDS=ON

# Window tests need no display: Qt's offscreen platform serves them.
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    export QT_QPA_PLATFORM=offscreen
fi
if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
    export XDG_RUNTIME_DIR
fi
chmod 0700 "$XDG_RUNTIME_DIR"

ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure --parallel "$(nproc)"

# The web page: built with emscripten, its number cases run in WebAssembly,
# and the page driven in Chromium and compared with triangle-solve.
bash scripts/build-web.sh -DTRIANGLE_WARNINGS_AS_ERRORS=ON
bash scripts/check-web.sh

# Builds the Debian package and checks it without touching the system; with
# CI=true or TRIANGLE_INSTALL_PACKAGE=1 it also installs, checks and removes it.
bash scripts/check-package.sh

bash scripts/check-static.sh
bash scripts/check-sanitized.sh
bash scripts/check-fuzz.sh
