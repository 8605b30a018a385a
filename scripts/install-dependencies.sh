#!/usr/bin/env bash
# Installs the Debian packages the project needs to build, test and run,
# skipping those already present. Runs apt-get as root, through sudo if needed.
set -euo pipefail

packages=(
    build-essential cmake ninja-build
    clang clang-tidy clang-format libclang-rt-14-dev
    qt6-base-dev qt6-base-private-dev libxkbcommon-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation2
    xvfb xauth imagemagick x11-utils
    desktop-file-utils appstream dpkg-dev file man-db
    time
)

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
