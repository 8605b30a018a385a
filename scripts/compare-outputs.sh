#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that two builds of triangle-solve answer alike, byte for byte: a
# change meant to keep behaviour (a move of files, a faster formatter) runs
# this against the program built before it.
#
#   compare-outputs.sh OLD_TRIANGLE_SOLVE NEW_TRIANGLE_SOLVE [COUNT] [SEED]
#
# COUNT requests (200,000 unless given) are generated from SEED: the list's
# combinations with random, special and boundary values, any three named
# elements of random and textbook triangles, and hostile lines. Both
# programs answer them with every option set the command line has, in both
# languages; the first difference is shown and the exit status is 1.
set -euo pipefail
old=${1:?usage: compare-outputs.sh OLD NEW [COUNT] [SEED]}
new=${2:?usage: compare-outputs.sh OLD NEW [COUNT] [SEED]}
count=${3:-200000}
seed=${4:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk -v count="$count" -v seed="$seed" -f "$(dirname "$0")/triangle-elements.awk" -f /dev/stdin >"$work/requests" <<'AWK'
function pick(list,    n, parts) { n = split(list, parts, " "); return parts[int(rand() * n) + 1] }
function value(    kind) {
    kind = int(rand() * 10)
    if (kind == 0) return pick("0 15 30 45 60 75 90 105 120 135 150 165 180 195 360 375")
    if (kind == 1) return pick("3 4 5 6 8 10 12 13 1 0.5 0.4 0.6 2 7")
    if (kind == 2) return sprintf("%.4f", 1 + rand() * 80)
    if (kind == 3) return sprintf("%.6g", 10 ^ (rand() * 12 - 6))
    if (kind == 4) return sprintf("%d,%d", int(rand() * 100), int(rand() * 1000))
    if (kind == 5) return pick("-1 0 1e308 9e307 1e-320 abc 1..2 ,5 5, 1e 0x10 inf nan 12345678901234567890")
    return sprintf("%.3f", rand() * 180)
}
function namedLine(    names, n, i, j, chosen, A, B, C, a, b, c, shape, out, name, used) {
    n = split("A B C a b c S R P p r h_a h_b h_c m_a m_b m_c l_a l_b l_c", names, " ")
    shape = int(rand() * 7)
    if (shape == 0) { A = 36.86989764584402; B = 53.13010235415598 }
    else if (shape == 1) { A = 30; B = 60 }
    else if (shape == 2) { A = 60; B = 60 }
    else if (shape == 3) { A = 45; B = 45 }
    else if (shape == 4) { A = 120; B = 30 }
    else { A = 1 + rand() * 120; B = 1 + rand() * (178 - A) }
    C = 180 - A - B
    A *= pi / 180; B *= pi / 180; C *= pi / 180
    a = (1 + rand() * 20) ; b = a * sin(B) / sin(A); c = a * sin(C) / sin(A)
    out = ""
    for (i = 0; i < 3; ) {
        name = names[int(rand() * n) + 1]
        if (name in used) continue
        used[name] = 1; ++i
        out = out (out == "" ? "" : " ") name "=" (rand() < 0.1 ? value() : sprintf("%.*g", 4 + int(rand() * 12), element(name, A, B, C, a, b, c)))
    }
    return out
}
function hostileLine(    kind) {
    kind = int(rand() * 8)
    if (kind == 0) return ""
    if (kind == 1) return sprintf("%d\t%s", int(rand() * 60) - 4, value())
    if (kind == 2) return sprintf("x=1 a=%s b=%s", value(), value())
    if (kind == 3) return sprintf("21\t60\t5\t8\t9")
    if (kind == 4) return sprintf("\001\033[2J%s\t\\\t\377", value())
    if (kind == 5) return sprintf("a=%s a=%s b=%s", value(), value(), value())
    if (kind == 6) return sprintf("%s %s %s %s", value(), value(), value(), value())
    return sprintf("A=%s 21 %s", value(), value())
}
BEGIN {
    pi = atan2(0, -1)
    srand(seed)
    for (line = 0; line < count; ++line) {
        kind = rand()
        if (kind < 0.55) printf "%d\t%s\t%s\t%s\n", int(rand() * 52), value(), value(), value()
        else if (kind < 0.9) print namedLine()
        else print hostileLine()
    }
}
AWK

# In chunks: a request that ends the program (an abort) then loses the
# answers of its chunk only, and the chunks after it are still compared.
split -l 500 -a 4 "$work/requests" "$work/chunk."

# answer PROGRAM OPTIONS OUT: every chunk's answers and exit status.
answer() {
    local program=$1 options=$2 out=$3 chunk status
    : >"$out"
    for chunk in "$work"/chunk.*; do
        # shellcheck disable=SC2086
        "$program" $options <"$chunk" >>"$out" 2>&1 && status=0 || status=$?
        echo "exit $status" >>"$out"
    done
}

status=0
for options in "--all --steps --more --exact" "--all --steps --more --exact --lang en" "" "--all --more"; do
    answer "$old" "$options" "$work/old" 2>/dev/null
    answer "$new" "$options" "$work/new" 2>/dev/null
    lines=$(wc -l <"$work/old")
    if ! cmp -s "$work/old" "$work/new"; then
        echo "differ with '${options}':"
        diff "$work/old" "$work/new" | head -20
        status=1
    else
        echo "same with '${options}': $count requests, $lines lines of output, $(grep -c '^exit 134' "$work/new") chunks aborted, $(md5sum <"$work/new" | cut -c1-12)"
    fi
done
exit $status
