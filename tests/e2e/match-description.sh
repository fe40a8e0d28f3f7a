#!/usr/bin/env bash
# match-description.sh EXPECTED ACTUAL: compares an inspector description with
# its expectation, fact by fact, and prints a unified diff when they differ.
#
# EXPECTED holds "who key value" lines; blank lines and lines starting with
# '#' are ignored. A value may be "*" (any value) or "LOW..HIGH" (an integer
# in that range), for facts that Windows or Wine chooses, not the program.
# The n-th "who key" of ACTUAL is matched against the n-th of EXPECTED.
set -euo pipefail
expected=${1:?usage: match-description.sh EXPECTED ACTUAL}
actual=${2:?usage: match-description.sh EXPECTED ACTUAL}
[ -f "$expected" ] || { echo "FAIL: no expectation file $expected" >&2; exit 1; }
[ -f "$actual" ] || { echo "FAIL: no description file $actual" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
grep -v -e '^#' -e '^[[:space:]]*$' "$expected" >"$work/expected" || true

# An actual line whose value fits the expected pattern is replaced by the
# pattern line itself, so the diff shows only real differences.
awk '
    function fact(line) { split(line, f, " "); return f[1] " " f[2] }
    function value(line,   k) { k = fact(line); return substr(line, length(k) + 2) }
    function fits(pattern, v,   r) {
        if (pattern == "*") return 1
        if (pattern ~ /^-?[0-9]+\.\.-?[0-9]+$/ && v ~ /^-?[0-9]+$/) {
            split(pattern, r, /\.\./)
            return v + 0 >= r[1] + 0 && v + 0 <= r[2] + 0
        }
        return 0
    }
    NR == FNR { k = fact($0); n[k]++; want[k, n[k]] = $0; next }
    {
        k = fact($0); seen[k]++
        if ((k, seen[k]) in want && fits(value(want[k, seen[k]]), value($0))) print want[k, seen[k]]
        else print
    }
' "$work/expected" "$actual" >"$work/actual"

if ! diff -u --label expected --label actual "$work/expected" "$work/actual" >"$work/diff"; then
    echo "FAIL: the description differs from $expected (- expected, + actual):" >&2
    cat "$work/diff" >&2
    exit 1
fi
