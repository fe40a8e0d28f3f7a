#!/bin/sh
# Builds the text fuzz target with clang's libFuzzer and runs it for a bounded
# time. Usage: run.sh [WORK_DIR [SECONDS]]. Fails on any crash, leak or UB.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=${1:-"$root/build/fuzz"}
seconds=${2:-${FUZZ_SECONDS:-30}}
cxx=${CXX_FUZZ:-clang++-14}
mkdir -p "$work/corpus"

# No -fexec-charset here: clang has only UTF-8, and these sources are ASCII
# where it matters.
"$cxx" -std=c++20 -O1 -g -Wall -Wextra -Werror \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I "$root/src" \
    "$here/text_fuzz.cpp" "$root/src/services/text.cpp" "$root/src/services/text_heap.cpp" \
    "$root/tests/differential/os_heap_shim.cpp" \
    -o "$work/text_fuzz"

# Seeds: numbers as users type them, full-width ones in code page 936.
printf '1000' > "$work/corpus/seed-int"
printf ' -1.5e-3ms' > "$work/corpus/seed-exp"
printf '\243\261\243\256\243\265\000\241\241' > "$work/corpus/seed-wide"
printf '1d400\0001e\000\243' > "$work/corpus/seed-split"

cd "$work"
if ! "$work/text_fuzz" -max_total_time="$seconds" -print_final_stats=1 "$work/corpus" 2>"$work/fuzz.log"; then
    tail -60 "$work/fuzz.log"
    exit 1
fi
grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$work/fuzz.log"
