#!/usr/bin/env bash
# test.sh: installs what is missing, configures and builds the presets, then
# runs the native unit tests (plain and under the sanitizers) and the Windows
# build's tests under Wine (unit tests, resources, end-to-end, soak). Exits
# non-zero when any step or test fails.
set -uo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh || exit 1

logs=build/test-logs
mkdir -p "$logs"
summary=()
failed=0
passed_tests=0
failed_tests=0

# check PRESET: configure, build and test one preset, stopping at its first failure.
check() {
    local preset=$1 started=$SECONDS
    echo "==== $preset: configure and build"
    if ! cmake --preset "$preset" || ! cmake --build --preset "$preset"; then
        summary+=("$preset: BUILD FAILED")
        failed=1
        return
    fi
    echo "==== $preset: test"
    ctest --preset "$preset" 2>&1 | tee "$logs/$preset.log"
    local rc=${PIPESTATUS[0]} counts
    counts=$(grep -Eo '[0-9]+ tests failed out of [0-9]+' "$logs/$preset.log" | tail -1)
    if [ -n "$counts" ]; then
        local bad=${counts%% *} all=${counts##* }
        passed_tests=$((passed_tests + all - bad))
        failed_tests=$((failed_tests + bad))
        summary+=("$preset: $((all - bad)) of $all tests passed ($((SECONDS - started)) s)")
    else
        summary+=("$preset: ctest ran no test")
    fi
    if [ "$rc" != 0 ] || [ -z "$counts" ]; then
        summary+=("$preset: FAILED, see $logs/$preset.log")
        failed=1
    fi
}

check linux
# The native unit suite again under ASan (with leak checks) and UBSan.
check linux-sanitize
check windows

echo
echo "==== summary"
printf '  %s\n' "${summary[@]}"
echo "tests: $passed_tests passed, $failed_tests failed"
exit "$failed"
