#!/usr/bin/env bash
# Builds the Debian package from a finished build in build/ (or $BUILD_DIR),
# installs it, checks what it installed, and removes it again. Runs apt-get as
# root, through sudo if needed. Exits non-zero at the first check that fails.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=$(realpath "${BUILD_DIR:-build}")
expected_answer=$'solved\t38.2132\t81.7868\t60.0000\t5.0000\t8.0000\t7.0000\t17.3205\t4.0415\t20.0000\ttriangle'

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
# version, app_id, window (1 when the window was built and is packaged)
source "$facts"

for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli man; do
    command -v "$tool" >/dev/null || fail "$tool is missing; run scripts/install-dependencies.sh"
done

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
# Whether a path is one of the files the package installed.
owned() {
    grep -qxF -- "$1" <<<"$package_files"
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

[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] ||
    fail "package version $(dpkg-deb -f "$deb" Version), project version $version"
depends=$(dpkg-deb -f "$deb" Depends)
needed=(libc6 libstdc++6)
((window)) && needed+=(libqt6widgets6)
for library in "${needed[@]}"; do
    [[ ", $depends," == *", $library "* || ", $depends," == *", $library,"* ]] ||
        fail "Depends lacks $library: $depends"
done
ok "package $package $version depends on ${needed[*]}"

# --- install it ------------------------------------------------------------
if is_installed "$package"; then
    echo "removing the $package already installed"
    apt_get remove -y "$package" >/dev/null
fi
remove_on_exit() {
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

# --- the command-line solver ----------------------------------------------
hash -r
solve=$(command -v triangle-solve) || fail "triangle-solve is not on PATH"
owned "$solve" || fail "triangle-solve on PATH is $solve, not the packaged one"
answer=$(triangle-solve 21 60 5 8) || fail "triangle-solve 21 60 5 8 exited with $?"
[[ $answer == "$expected_answer" ]] ||
    fail "triangle-solve 21 60 5 8 answered '$answer', expected '$expected_answer'"
[[ $(triangle-solve --version) == "triangle-solve $version" ]] ||
    fail "triangle-solve --version says '$(triangle-solve --version)'"
ok "$solve solves 21 60 5 8 and reports version $version"

page=$(man -w triangle-solve) || fail "man -w triangle-solve finds no page"
owned "$page" || fail "man -w triangle-solve finds $page, not the packaged page"
grep -qP '\t21\tC, a, b\t' <<<"$(zcat -f "$page")" || fail "$page lacks the combination table"
ok "man -w triangle-solve: $page"

# --- the window, its menu entry, icon and metainfo ------------------------
desktop_file=/usr/share/applications/$app_id.desktop
metainfo=/usr/share/metainfo/$app_id.metainfo.xml
icon=/usr/share/icons/hicolor/scalable/apps/$app_id.svg
if ((window)); then
    for file in "$desktop_file" "$metainfo" "$icon"; do
        owned "$file" || fail "the package does not install $file"
    done
    window_program=$(command -v triangle-window) || fail "triangle-window is not on PATH"
    owned "$window_program" || fail "triangle-window on PATH is $window_program, not the packaged one"
    # Started without a display it must come up and keep running.
    runtime_dir=$(mktemp -d)
    status=0
    XDG_RUNTIME_DIR=$runtime_dir QT_QPA_PLATFORM=offscreen timeout 3 triangle-window 2>/dev/null || status=$?
    rm -rf "$runtime_dir"
    ((status == 124)) || fail "triangle-window ended with status $status instead of running"
    ok "$window_program starts and keeps running"
    page=$(man -w triangle-window) || fail "man -w triangle-window finds no page"
    owned "$page" || fail "man -w triangle-window finds $page, not the packaged page"
    ok "man -w triangle-window: $page"
    [[ $(sed -n 's/^Icon=//p' "$desktop_file") == "$app_id" ]] || fail "$desktop_file names another icon"
    [[ $(sed -n 's/^Exec=//p' "$desktop_file") == triangle-window ]] || fail "$desktop_file starts another program"
else
    if grep -q -e '/bin/triangle-window$' -e '\.desktop$' -e '\.metainfo\.xml$' <<<"$installed_files"; then
        fail "the window was not built, yet the package installs parts of it"
    fi
    echo "the window was not built: checking the menu entry and metainfo from the sources"
    desktop_file=packaging/$app_id.desktop
    metainfo=$build_dir/packaging/$app_id.metainfo.xml
fi

echo "desktop-file-validate $desktop_file"
report=$(desktop-file-validate "$desktop_file" 2>&1) || fail "desktop-file-validate: $report"
[[ -z $report ]] || fail "desktop-file-validate reports: $report"
ok "desktop-file-validate reports nothing"

echo "appstreamcli validate --no-net --strict $metainfo"
appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli rejects $metainfo"
grep -q "<release version=\"$version\"" "$metainfo" || fail "$metainfo does not name release $version"
ok "appstreamcli accepts the metainfo"

# --- remove it ---------------------------------------------------------------
apt_get remove -y "$package" || fail "apt-get could not remove $package"
if is_installed "$package"; then fail "$package is still installed after apt-get remove"; fi
left=$(existing_files <<<"$installed_files")
[[ -z $left ]] || fail "files left after removing $package: $left"
ok "removed $package and its $(wc -l <<<"$installed_files") files"

echo "check-package: $passed passed, 0 failed"
