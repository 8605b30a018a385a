#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and running the window needs, builds the two
# programs, and starts the window. The tests and their tools come with
# scripts/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-dependencies.sh --run
bash scripts/build.sh --programs
exec "${BUILD_DIR:-build}/ui/triangle-window" "$@"
