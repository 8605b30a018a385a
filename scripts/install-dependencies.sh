#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the project needs, skipping those already
# present. Runs apt-get as root, through sudo if needed.
#
#   install-dependencies.sh          everything: build, run, test, check, measure
#   install-dependencies.sh --run    only what building and running the programs needs
#   install-dependencies.sh --web    only what building the web page needs
set -euo pipefail

# Building the two programs and running the window: Liberation Serif for
# the form's look, DejaVu Serif for the arrow ⇒ it lacks, and Qt's own
# translations for its save and print dialogs.
run_packages=(
    build-essential cmake ninja-build
    qt6-base-dev libxkbcommon-dev
    fonts-liberation2 fonts-dejavu-core qt6-translations-l10n
)

# Building the web page: emscripten, acorn for its JavaScript optimiser, and
# rsvg-convert for the app's icons in PNG.
web_packages=(cmake ninja-build emscripten node-acorn librsvg2-bin)

# The test command, the checks, the benchmarks and the pictures of the
# window and the page (Chromium for the page's tests too).
test_packages=(
    "${web_packages[@]}" chromium
    clang clang-tidy clang-format libclang-rt-14-dev
    qt6-base-private-dev libbenchmark-dev
    xvfb xauth imagemagick x11-utils poppler-utils
    desktop-file-utils appstream dpkg-dev file man-db lintian
    time
)
# npm for the browser tests' one package; a Node.js not from Debian brings
# its own.
if ! command -v npm >/dev/null; then
    test_packages+=(npm)
fi

case "${1:-}" in
"") packages=("${run_packages[@]}" "${test_packages[@]}") ;;
--run) packages=("${run_packages[@]}") ;;
--web) packages=("${web_packages[@]}") ;;
*)
    echo "usage: install-dependencies.sh [--run | --web]" >&2
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

# apt tells what it fetches and sets up, a line each; on a fresh machine
# the whole test set takes some minutes.
echo "Installing ${#missing[@]} packages and what they need: ${missing[*]}"
echo "Reading the package lists (up to a minute)..."
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q -o Dpkg::Use-Pty=0 --no-install-recommends "${missing[@]}"
