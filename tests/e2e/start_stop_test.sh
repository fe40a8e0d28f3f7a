#!/usr/bin/env bash
# Start and stop with the real buttons: an empty interval shows the error box
# and clicks nothing; 100 ms in mode 0 shows the information box (clicks go on
# while it is open), the status line, about 10 clicks a second on the probe
# under the cursor, and after 停止点击 no click at all.
# usage: start_stop_test.sh XUNZHI_EXE INSPECTOR_EXE CLICK_PROBE_EXE [URL_LOGGER_EXE]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
xunzhi=${1:?usage: start_stop_test.sh XUNZHI_EXE INSPECTOR_EXE CLICK_PROBE_EXE}
E2E_INSPECTOR=${2:?}
E2E_PROBE=${3:?}
source "$here/wine-session.sh"
source "$here/clicker-session.sh"

e2e_start_session
xz_start_probe "$E2E_OUT/start-stop.probe"
xz_start_clicker
welcome=$(xz_status)

# An empty interval: the error box, nothing else.
xz_set_text 160 ""
mark=$(xz_probe_mark)
xz_press_start
xz_wait_boxes 1
text=$(e2e_inspect text "$XZ_BOX_TITLE" 65535 | tr -d '\r')
[ "$text" = "$XZ_EMPTY_INTERVAL" ] || e2e_fail "the empty-interval box says \"$text\", expected \"$XZ_EMPTY_INTERVAL\""
xz_close_boxes
sleep 1  # a window in which no click may come
[ "$(xz_presses "$mark")" -eq 0 ] || e2e_fail "an empty interval still clicked: $(xz_probe_events "$mark" | head -3)"
[ "$(xz_status)" = "$welcome" ] || e2e_fail "an empty interval changed the status line to \"$(xz_status)\""
e2e_log "empty interval: error box \"$text\", no click"

# 100 ms, mode 0.
xz_set_text 160 100
mark=$(xz_probe_mark)
xz_press_start
xz_wait_boxes 1
e2e_inspect find "$XZ_BOX_TITLE" || e2e_fail "no box titled \"$XZ_BOX_TITLE\""
text=$(e2e_inspect text "$XZ_BOX_TITLE" 65535 | tr -d '\r')
[ "$text" = "$XZ_HOTKEY_INFO" ] || e2e_fail "the information box says \"$text\", expected \"$XZ_HOTKEY_INFO\""
# The box is modal, the timer is not.
xz_wait_presses "$mark" 5 5
xz_close_boxes
xz_wait_status "正在以0.1秒1次的速度左键单击"
bad=$(xz_probe_events "$mark" | grep -vE ' (LDOWN|LDBL|LUP) ' | head -3) || true
[ -z "$bad" ] || e2e_fail "mode 0 sent other than left clicks: $bad"

from=$(xz_probe_mark)
sleep 2.5  # the window the rate is measured over
to=$(xz_probe_mark)
rate=$(xz_rate "$from" "$to")
echo "100 ms, mode 0: $rate clicks/s (requested 10)"
awk -v r="$rate" 'BEGIN { exit !(r >= 8.5 && r <= 11.5) }' \
    || e2e_fail "at 100 ms the probe got $rate clicks/s, expected 10 +-15%"

xz_stop_with_button
xz_wait_status "$XZ_RESTING"
mark=$(xz_probe_mark)
sleep 1  # a window in which no click may come
late=$(xz_presses "$mark")
[ "$late" -eq 0 ] || e2e_fail "$late clicks after 停止点击"
echo "PASS: start and stop"
