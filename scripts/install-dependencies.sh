#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the project needs, skipping those already
# present. Runs apt-get as root, through sudo if needed.
#
#   install-dependencies.sh          everything: build, run, test, check, measure
#   install-dependencies.sh --run    only what building and running the programs needs
set -euo pipefail

# Building the two programs and running the window.
run_packages=(
    build-essential cmake ninja-build
    qt6-base-dev libxkbcommon-dev
    fonts-liberation2
)

# The test command, the checks, the benchmarks and the window's pictures.
test_packages=(
    clang clang-tidy clang-format libclang-rt-14-dev
    qt6-base-private-dev libbenchmark-dev
    xvfb xauth imagemagick x11-utils poppler-utils
    desktop-file-utils appstream dpkg-dev file man-db lintian
    time
)

case "${1:-}" in
"") packages=("${run_packages[@]}" "${test_packages[@]}") ;;
--run) packages=("${run_packages[@]}") ;;
*)
    echo "usage: install-dependencies.sh [--run]" >&2
    exit 2
    ;;
esac

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

as_root=()
if ((EUID != 0)); then
    as_root=(sudo)
fi

echo "Installing: ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
