#!/usr/bin/env bash
# The main window as a user first sees it: its place, frame and controls match
# main_window.expected, the mode box has the focus, and Esc ends the program
# with exit code 0.
# usage: main_window_test.sh XUNZHI_EXE INSPECTOR_EXE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
xunzhi=${1:?usage: main_window_test.sh XUNZHI_EXE INSPECTOR_EXE}
E2E_INSPECTOR=${2:?usage: main_window_test.sh XUNZHI_EXE INSPECTOR_EXE}
title=迅指鼠标点击器
source "$here/wine-session.sh"

e2e_start_session
started=$SECONDS
e2e_start_program "$xunzhi"
e2e_wait_window "$title" 90
e2e_log "window shown after $((SECONDS - started)) s"

e2e_inspect window "$title" >"$E2E_OUT/main-window.actual" \
    || e2e_fail "the inspector could not describe \"$title\""
e2e_screenshot main-window.png
e2e_inspect focus "$title" >"$E2E_OUT/main-window.focus" \
    || e2e_fail "the inspector could not read the focus of \"$title\""

# A wrong layout is reported, and Esc is still tried: one run shows both.
failed=0
bash "$here/match-description.sh" "$here/main_window.expected" "$E2E_OUT/main-window.actual" || failed=1
focus=$(cat "$E2E_OUT/main-window.focus")
if [ "$focus" != "focus 100 ComboBox" ]; then
    echo "FAIL: the mode box (100) should have the focus at start, got: $focus" >&2
    failed=1
fi

e2e_focus_desktop
xdotool key Escape
e2e_wait_exit "$E2E_PID" 30
[ "$E2E_EXIT_CODE" -eq 0 ] || e2e_fail "Esc ended the program with exit code $E2E_EXIT_CODE, expected 0"
[ "$failed" -eq 0 ] || e2e_fail "main window (see above; screenshot in $E2E_OUT/main-window.png)"
echo "PASS: main window"
