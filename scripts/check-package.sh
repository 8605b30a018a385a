#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a finished build in build/ (or $BUILD_DIR)
# and checks it without touching the system: its fields and contents with
# dpkg-deb, the programs run from a scratch folder it is unpacked into with
# dpkg -x, the menu entry with desktop-file-validate, the metainfo with
# appstreamcli, and the package as a whole with lintian (no errors allowed).
#
# With CI=true, or TRIANGLE_INSTALL_PACKAGE=1, it then also installs the
# package with apt-get (as root, through sudo if needed), checks what it
# installed, and removes it again. A triangle-solver already installed is
# removed first and not put back.
#
# Exits non-zero at the first check that fails.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=$(realpath "${BUILD_DIR:-build}")
expected_answer=$'solved\t38.2132\t81.7868\t60.0000\t5.0000\t8.0000\t7.0000\t17.3205\t4.0415\t20.0000\ttriangle'
install_into_system=0
if [[ ${CI:-} == true || ${TRIANGLE_INSTALL_PACKAGE:-} == 1 ]]; then
    install_into_system=1
fi

passed=0
ok() {
    echo "ok: $*"
    passed=$((passed + 1))
}
fail() {
    echo "check-package: FAILED: $*" >&2
    echo "check-package: $passed passed, 1 failed"
    exit 1
}

facts=$build_dir/packaging/package-facts.sh
[[ -f $facts ]] || fail "no configured build in $build_dir; run scripts/build.sh first"
# version, package_version, app_id, window (1 when the window was built and
# is packaged)
source "$facts"

for tool in cpack dpkg-deb dpkg-shlibdeps dpkg-parsechangelog desktop-file-validate appstreamcli lintian man; do
    command -v "$tool" >/dev/null || fail "$tool is missing; run scripts/install-dependencies.sh"
done

# --- checks shared by the unpacked and the installed package ----------------
# check_solve PROGRAM
check_solve() {
    local answer
    answer=$("$1" 21 60 5 8) || fail "$1 21 60 5 8 exited with $?"
    [[ $answer == "$expected_answer" ]] || fail "$1 21 60 5 8 answered '$answer', expected '$expected_answer'"
    [[ $("$1" --version) == "triangle-solve $version" ]] || fail "$1 --version says '$("$1" --version)'"
    ok "$1 solves 21 60 5 8 and reports version $version"
}
# check_window_starts PROGRAM: started without a display it must come up and
# keep running.
check_window_starts() {
    local runtime_dir status=0
    runtime_dir=$(mktemp -d)
    XDG_RUNTIME_DIR=$runtime_dir QT_QPA_PLATFORM=offscreen timeout 3 "$1" 2>/dev/null || status=$?
    rm -rf "$runtime_dir"
    ((status == 124)) || fail "$1 ended with status $status instead of running"
    ok "$1 starts and keeps running"
}
# check_solve_page FILE
check_solve_page() {
    grep -qP '\t21\tC, a, b\t' <<<"$(zcat -f "$1")" || fail "$1 lacks the combination table"
    ok "manual page $1 has the combination table"
}

# --- build the package ---------------------------------------------------
cmake --build "$build_dir" >/dev/null || fail "the build in $build_dir is broken"
out_dir=$build_dir/package
rm -rf "$out_dir"
cpack_log=$(cd "$build_dir" && cpack -G DEB -B "$out_dir" 2>&1) || {
    echo "$cpack_log"
    fail "cpack could not build the package"
}
debs=("$out_dir"/*.deb)
[[ ${#debs[@]} == 1 && -f ${debs[0]} ]] || fail "expected one .deb in $out_dir, found: ${debs[*]}"
deb=${debs[0]}
package=$(dpkg-deb -f "$deb" Package)
echo "built $deb"
dpkg-deb -f "$deb" Package Version Section Maintainer Depends Recommends

[[ $(dpkg-deb -f "$deb" Version) == "$package_version" ]] ||
    fail "package version $(dpkg-deb -f "$deb" Version), expected $package_version"
depends=$(dpkg-deb -f "$deb" Depends)
needed=(libc6 libstdc++6)
# The window draws ⇒ in DejaVu Serif.
((window)) && needed+=(libqt6widgets6 fonts-dejavu-core)
for library in "${needed[@]}"; do
    [[ ", $depends," == *", $library "* || ", $depends," == *", $library,"* ]] ||
        fail "Depends lacks $library: $depends"
done
ok "package $package $package_version depends on ${needed[*]}"

# --- its contents ------------------------------------------------------------
desktop_file=/usr/share/applications/$app_id.desktop
metainfo=/usr/share/metainfo/$app_id.metainfo.xml
icon=/usr/share/icons/hicolor/scalable/apps/$app_id.svg
doc_dir=/usr/share/doc/$package
window_files=(/usr/bin/triangle-window /usr/share/man/man1/triangle-window.1.gz "$desktop_file" "$metainfo" "$icon")
expected_files=(/usr/bin/triangle-solve /usr/share/man/man1/triangle-solve.1.gz
    "$doc_dir/copyright" "$doc_dir/changelog.Debian.gz")
((window)) && expected_files+=("${window_files[@]}")

# Regular files only, as absolute paths.
package_files=$(dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./|/|')
# Whether a path is one of the package's files.
owned() {
    grep -qxF -- "$1" <<<"$package_files"
}
for file in "${expected_files[@]}"; do
    owned "$file" || fail "the package lacks $file"
done
if ! ((window)); then
    for file in "${window_files[@]}"; do
        if owned "$file"; then fail "the window was not built, yet the package holds $file"; fi
    done
fi
outside=$(grep -v '^/usr/' <<<"$package_files" || true)
[[ -z $outside ]] || fail "files outside /usr: $outside"
ok "the package holds the $(wc -l <<<"$package_files") files it should, all under /usr"

# --- unpacked into a scratch folder --------------------------------------------
scratch=$(mktemp -d)
cleanup() { rm -rf "$scratch"; }
trap cleanup EXIT
dpkg -x "$deb" "$scratch"

check_solve "$scratch/usr/bin/triangle-solve"
check_solve_page "$scratch/usr/share/man/man1/triangle-solve.1.gz"

head -1 "$scratch$doc_dir/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "$doc_dir/copyright is not in the machine-readable format"
grep -qx 'License: GPL-3.0-or-later' "$scratch$doc_dir/copyright" || fail "$doc_dir/copyright names no GPL-3.0-or-later"
ok "$doc_dir/copyright is machine-readable and names GPL-3.0-or-later"
changelog_version=$(zcat "$scratch$doc_dir/changelog.Debian.gz" | dpkg-parsechangelog -l - -S Version) ||
    fail "dpkg-parsechangelog cannot read $doc_dir/changelog.Debian.gz"
[[ $changelog_version == "$package_version" ]] ||
    fail "the changelog's top entry is $changelog_version, the package $package_version: add an entry to packaging/changelog.Debian"
ok "$doc_dir/changelog.Debian.gz starts with $package_version"

if ((window)); then
    check_window_starts "$scratch/usr/bin/triangle-window"
    [[ $(sed -n 's/^Icon=//p' "$scratch$desktop_file") == "$app_id" ]] || fail "$desktop_file names another icon"
    [[ $(sed -n 's/^Exec=//p' "$scratch$desktop_file") == triangle-window ]] || fail "$desktop_file starts another program"
    desktop_to_check=$scratch$desktop_file
    metainfo_to_check=$scratch$metainfo
else
    echo "the window was not built: checking the menu entry and metainfo from the sources"
    desktop_to_check=packaging/$app_id.desktop
    metainfo_to_check=$build_dir/packaging/$app_id.metainfo.xml
fi

echo "desktop-file-validate $desktop_to_check"
report=$(desktop-file-validate "$desktop_to_check" 2>&1) || fail "desktop-file-validate: $report"
[[ -z $report ]] || fail "desktop-file-validate reports: $report"
ok "desktop-file-validate reports nothing"

echo "appstreamcli validate --no-net --strict $metainfo_to_check"
appstreamcli validate --no-net --strict "$metainfo_to_check" || fail "appstreamcli rejects $metainfo_to_check"
grep -q "<release version=\"$version\"" "$metainfo_to_check" || fail "$metainfo_to_check does not name release $version"
grep -q "<project_license>GPL-3.0-or-later</project_license>" "$metainfo_to_check" ||
    fail "$metainfo_to_check names no project licence GPL-3.0-or-later"
ok "appstreamcli accepts the metainfo"

# docs/install.md lists the warnings left and why.
echo "lintian $deb"
lintian_status=0
lintian_report=$(lintian --fail-on error "$deb" 2>&1) || lintian_status=$?
grep -v '^running with root privileges' <<<"$lintian_report" || true
((lintian_status == 0)) || fail "lintian reports errors (status $lintian_status)"
ok "lintian reports no errors"

if ! ((install_into_system)); then
    echo "not installing $package into the system (set CI=true or TRIANGLE_INSTALL_PACKAGE=1 for that)"
    echo "check-package: $passed passed, 0 failed"
    exit 0
fi

# --- installed into the system ---------------------------------------------
as_root=()
if ((EUID != 0)); then
    as_root=(sudo)
fi
apt_get() {
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -q "$@"
}
is_installed() {
    [[ $(dpkg-query -W -f='${Status}' "$1" 2>/dev/null || true) == "install ok installed" ]]
}
# The lines of standard input that name an existing file.
existing_files() {
    local path
    while IFS= read -r path; do
        if [[ -f $path ]]; then echo "$path"; fi
    done
}

if is_installed "$package"; then
    echo "removing the $package already installed"
    apt_get remove -y "$package" >/dev/null
fi
remove_on_exit() {
    cleanup
    if is_installed "$package"; then
        echo "removing $package after the failure"
        apt_get remove -y "$package" >/dev/null || true
    fi
}
trap remove_on_exit EXIT

apt_get install -y "$deb" || fail "apt-get could not install $deb"
is_installed "$package" || fail "$package is not installed after apt-get install"
package_files=$(dpkg -L "$package")
installed_files=$(existing_files <<<"$package_files")
ok "installed $package"

hash -r
solve=$(command -v triangle-solve) || fail "triangle-solve is not on PATH"
owned "$solve" || fail "triangle-solve on PATH is $solve, not the packaged one"
check_solve triangle-solve
page=$(man -w triangle-solve) || fail "man -w triangle-solve finds no page"
owned "$page" || fail "man -w triangle-solve finds $page, not the packaged page"
check_solve_page "$page"

if ((window)); then
    window_program=$(command -v triangle-window) || fail "triangle-window is not on PATH"
    owned "$window_program" || fail "triangle-window on PATH is $window_program, not the packaged one"
    check_window_starts triangle-window
    page=$(man -w triangle-window) || fail "man -w triangle-window finds no page"
    owned "$page" || fail "man -w triangle-window finds $page, not the packaged page"
    ok "man -w triangle-window: $page"
fi

apt_get remove -y "$package" || fail "apt-get could not remove $package"
if is_installed "$package"; then fail "$package is still installed after apt-get remove"; fi
left=$(existing_files <<<"$installed_files")
[[ -z $left ]] || fail "files left after removing $package: $left"
ok "removed $package and its $(wc -l <<<"$installed_files") files"

echo "check-package: $passed passed, 0 failed"
