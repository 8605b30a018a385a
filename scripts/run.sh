#!/usr/bin/env bash
# Installs what is missing, builds, and starts the window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-dependencies.sh
bash scripts/build.sh
exec "${BUILD_DIR:-build}/ui/triangle-window" "$@"
