#!/usr/bin/env bash
# The main window as a user first sees it: its place, frame and controls match
# main_window.expected, and Esc closes it with exit code 0.
# usage: main_window_test.sh XUNZHI_EXE INSPECTOR_EXE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
xunzhi=${1:?usage: main_window_test.sh XUNZHI_EXE INSPECTOR_EXE}
inspector=${2:?usage: main_window_test.sh XUNZHI_EXE INSPECTOR_EXE}
title=迅指鼠标点击器
source "$here/wine-session.sh"

e2e_start_session
started=$SECONDS
e2e_start_program "$xunzhi"
e2e_wait_window "$inspector" "$title" 90
e2e_log "window shown after $((SECONDS - started)) s"

wine "$inspector" window "$title" >"$E2E_OUT/main-window.actual" \
    || e2e_fail "the inspector could not describe \"$title\""
e2e_screenshot main-window.png
"$here/match-description.sh" "$here/main_window.expected" "$E2E_OUT/main-window.actual"

wine "$inspector" focus "$title" >"$E2E_OUT/main-window.focus"
[ "$(cat "$E2E_OUT/main-window.focus")" = "focus 100 ComboBox" ] \
    || e2e_fail "the mode box should have the focus at start, got: $(cat "$E2E_OUT/main-window.focus")"

e2e_focus_desktop
xdotool key Escape
e2e_wait_exit "$E2E_PID" 30
[ "$E2E_EXIT_CODE" -eq 0 ] || e2e_fail "Esc closed the program with exit code $E2E_EXIT_CODE, expected 0"
echo "PASS: main window"
