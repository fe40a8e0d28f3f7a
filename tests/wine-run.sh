#!/usr/bin/env bash
# wine-run.sh PREFIX PROGRAM.exe [ARGS...]: runs a Windows program of the build
# under Wine, in PREFIX (made on first use, then reused), with the code page 936
# locale and no display needed; exits with the program's exit code.
set -euo pipefail
prefix=$(realpath -m "${1:?usage: wine-run.sh PREFIX PROGRAM.exe [ARGS...]}")
shift
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8

# Tests run in parallel may all find the prefix missing: one makes it, the
# others wait. The marker is written only once wineboot has fully finished.
if [ ! -e "$prefix/.made" ]; then
    mkdir -p "$(dirname "$prefix")"
    (
        flock 9
        if [ ! -e "$prefix/.made" ]; then
            wineboot -i >/dev/null
            wineserver -w
            touch "$prefix/.made"
        fi
    ) 9>"$prefix.lock"
fi
exec wine "$@"
