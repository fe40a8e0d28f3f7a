#!/usr/bin/env bash
# The global hotkeys while another program (the probe) has the focus: F10
# starts as 开始点击 does, F11 stops, Ctrl+F10 does nothing, F10 twice stacks
# two information boxes. A second copy gets neither hotkey: F10 and F11 keep
# controlling the first, and the second shows no box.
# usage: hotkeys_test.sh XUNZHI_EXE INSPECTOR_EXE CLICK_PROBE_EXE [URL_LOGGER_EXE]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
xunzhi=${1:?usage: hotkeys_test.sh XUNZHI_EXE INSPECTOR_EXE CLICK_PROBE_EXE}
E2E_INSPECTOR=${2:?}
E2E_PROBE=${3:?}
source "$here/wine-session.sh"
source "$here/clicker-session.sh"
running=正在以0.1秒1次的速度左键单击

probe_is_foreground() { grep -qx "main foreground 1" <<<"$(e2e_inspect window "click probe")"; }

focus_probe() {
    xdotool mousemove $XZ_PROBE_X $XZ_PROBE_Y click 1
    xz_poll 10 probe_is_foreground || e2e_fail "the probe did not get the focus"
}

# Windows pid of a window "hwnd:0x...".
pid_of() {
    e2e_inspect list "$2" | tr -d '\r' | awk -v h="${1#hwnd:}" '$2 == h { print $4 }'
}

# no_clicks_for_a_second: nothing reaches the probe in a second from now.
no_clicks_for_a_second() {
    local mark
    mark=$(xz_probe_mark)
    sleep 1  # a window in which no click may come
    [ "$(xz_presses "$mark")" -eq 0 ] || e2e_fail "$1: $(xz_presses "$mark") clicks reached the probe"
}

e2e_start_session
xz_start_probe "$E2E_OUT/hotkeys.probe"
xz_start_clicker
xz_set_text 160 100
welcome=$(xz_status)
focus_probe
e2e_focus_desktop

e2e_log "F10 starts"
mark=$(xz_probe_mark)
xdotool key F10
xz_wait_boxes 1
text=$(e2e_inspect text "$XZ_BOX_TITLE" 65535 | tr -d '\r')
[ "$text" = "$XZ_HOTKEY_INFO" ] || e2e_fail "F10's box says \"$text\", expected \"$XZ_HOTKEY_INFO\""
xz_wait_status "$running"
xz_wait_presses "$mark" 5 5
xz_close_boxes

e2e_log "F11 stops"
focus_probe
xdotool key F11
xz_wait_status "$XZ_RESTING"
no_clicks_for_a_second "after F11"

e2e_log "Ctrl+F10 does not start"
xdotool key ctrl+F10
no_clicks_for_a_second "after Ctrl+F10"
xz_box_count_is 0 || e2e_fail "Ctrl+F10 showed $(xz_box_count) boxes"
xz_status_is "$XZ_RESTING" || e2e_fail "Ctrl+F10 changed the status line to \"$(xz_status)\""

e2e_log "F10 twice stacks two boxes"
focus_probe
xdotool key F10
xz_wait_boxes 1
xdotool key F10
xz_wait_boxes 2
xz_close_boxes
xdotool key F11
xz_wait_status "$XZ_RESTING"

e2e_log "a second copy"
first=$XZ_MAIN
first_pid=$(pid_of "$first" "$XZ_TITLE")
second_wine=
xz_start_clicker
second=$XZ_MAIN
second_wine=$XZ_PID
XZ_MAIN=$first
[ "$second" != "$first" ] || e2e_fail "the second copy's window was not told apart"
xz_box_count_is 0 || e2e_fail "the second copy showed a box"
second_welcome=$(e2e_inspect text "$second" 120 | tr -d '\r')
[ "$second_welcome" = "$welcome" ] || e2e_fail "the second copy's status line reads \"$second_welcome\""
e2e_inspect settext "$second" 160 100 || e2e_fail "could not set the second copy's interval"

focus_probe
mark=$(xz_probe_mark)
xdotool key F10
xz_wait_boxes 1
box_pid=$(e2e_inspect list "$XZ_BOX_TITLE" | tr -d '\r' | awk '{ print $4 }')
[ "$box_pid" = "$first_pid" ] || e2e_fail "F10's box belongs to process $box_pid, the first copy is $first_pid"
xz_wait_status "$running"
xz_wait_presses "$mark" 5 5
xz_close_boxes
[ "$(e2e_inspect text "$second" 120 | tr -d '\r')" = "$welcome" ] || e2e_fail "F10 started the second copy too"
xdotool key F11
xz_wait_status "$XZ_RESTING"
no_clicks_for_a_second "after F11 with two copies"
[ "$(e2e_inspect text "$second" 120 | tr -d '\r')" = "$welcome" ] || e2e_fail "F11 reached the second copy"

e2e_inspect close "$second" || e2e_fail "could not close the second copy"
e2e_wait_exit "$second_wine" 30
[ "$E2E_EXIT_CODE" -eq 0 ] || e2e_fail "the second copy ended with exit code $E2E_EXIT_CODE"

e2e_log "the first keeps its hotkeys after the second ends"
focus_probe
xdotool key F10
xz_wait_boxes 1
xz_close_boxes
xz_wait_status "$running"
xdotool key F11
xz_wait_status "$XZ_RESTING"
echo "PASS: hotkeys"
