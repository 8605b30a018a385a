#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Static checks: every source file names its licence, the code follows
# .clang-format and clang-tidy finds nothing. Needs a configured build
# (scripts/build.sh) for compile_commands.json.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build}

# The licence line near the top of every tracked source file, so that a file
# added without one is caught. The software-centre description is CC0-1.0
# instead, as its metadata_license says.
mapfile -t licensed < <(git ls-files '*.cpp' '*.h' '*.sh' '*.cmake' '*CMakeLists.txt' '.ci/*' \
    '*.in' '*.desktop' '*.svg' '*.html' '*.css' '*.js' '*.mjs' ':!:*.metainfo.xml.in')
echo "licence line: ${#licensed[@]} files"
unlicensed=()
for file in "${licensed[@]}"; do
    head -n 3 -- "$file" | grep -qF 'SPDX-License-Identifier: GPL-3.0-or-later' || unlicensed+=("$file")
done
if ((${#unlicensed[@]} > 0)); then
    echo "no 'SPDX-License-Identifier: GPL-3.0-or-later' line in the first three lines of:" >&2
    printf '  %s\n' "${unlicensed[@]}" >&2
    exit 1
fi

mapfile -t sources < <(git ls-files '*.cpp' '*.h')
echo "clang-format: ${#sources[@]} files"
clang-format --dry-run -Werror "${sources[@]}"

mapfile -t units < <(git ls-files 'exact/*.cpp' 'solver/*.cpp' 'session/*.cpp' 'geometry/*.cpp' 'tools/*.cpp' 'ui/*.cpp' 'web/*.cpp' \
    ':!:web/tests/*')
echo "clang-tidy: ${#units[@]} translation units"
# clang-tidy counts the warnings it suppressed in system headers on stderr;
# only its findings matter.
status=0
printf '%s\n' "${units[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build_dir" --quiet 2>&1 \
    | grep -v -E '^[0-9]+ warnings? (and [0-9]+ errors? )?generated' || status=${PIPESTATUS[1]}
exit "$status"
