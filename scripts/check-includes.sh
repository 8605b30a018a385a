#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Holds the includes to the architecture's direction (ARCHITECTURE.md): each
# folder, and each room of solver/, includes only itself and the folders
# below it, and the core folders include no Qt. Prints every include that
# runs the wrong way and exits 1 if there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

# What each folder may include besides itself. The solver's rooms from the
# bottom up; the faces (tools, ui, web) over the session. The page draws the
# window's form from the window's design tables, plain C++ in ui/.
declare -A below=(
    [exact]=""
    [solver/numbers]=""
    [solver/triangle]="solver/numbers"
    [solver/steps]="solver/numbers solver/triangle"
    [solver/list]="solver/numbers solver/triangle solver/steps"
    [solver/exact_replay]="solver/numbers solver/triangle solver/steps solver/list exact"
    [solver/answer]="solver/numbers solver/triangle solver/steps solver/list solver/exact_replay exact"
    [solver/elements]="solver/numbers solver/triangle solver/steps solver/list solver/exact_replay solver/answer exact"
    [solver/practice]="solver/numbers solver/triangle solver/steps solver/list solver/exact_replay solver/answer solver/elements exact"
    [geometry]=""
    [wording]="solver exact"
    [session]="solver exact wording geometry"
    [tools]="solver exact wording"
    [ui]="solver exact wording geometry session"
    [web]="solver exact wording geometry session ui"
)
core=(exact solver geometry wording session)

# The folder an included or including path belongs to: a room of solver/,
# or a top-level folder.
folder_of() {
    local path=$1
    if [[ $path == solver/*/* ]]; then
        cut -d/ -f1-2 <<<"$path"
    else
        cut -d/ -f1 <<<"$path"
    fi
}

# Whether folder $1 may include folder $2: itself, a folder it lists, or a
# room of a folder it lists ("solver" covers every room and solver/version.h).
may_include() {
    local from=$1 to=$2 allowed
    [[ $from == "$to" ]] && return 0
    for allowed in ${below[$from]}; do
        [[ $to == "$allowed" || $to == "$allowed"/* ]] && return 0
    done
    return 1
}

wrong=0
checked=0
while IFS= read -r file; do
    from=$(folder_of "$file")
    [[ -v below[$from] ]] || continue
    while IFS=: read -r line included; do
        ((++checked))
        to=$(folder_of "$included")
        if ! may_include "$from" "$to"; then
            echo "$file:$line: includes \"$included\": $from may not include $to" >&2
            wrong=1
        fi
    done < <(grep -n -o -E '^#include "[^"]+"' "$file" | sed -E 's/#include "([^"]+)"/\1/')
done < <(git ls-files '*.h' '*.cpp' ':!:tests/*' ':!:bench/*' ':!:fuzz/*' ':!:web/tests/*')

for folder in "${core[@]}"; do
    if qt=$(git grep -n -E '^#include <Q' -- "$folder/" 2>/dev/null); then
        echo "$qt" | sed 's/$/: Qt in the core/' >&2
        wrong=1
    fi
done

if ((wrong)); then
    echo "includes run the wrong way; see ARCHITECTURE.md for the layers" >&2
    exit 1
fi
echo "includes: $checked checked, all run the architecture's way"
