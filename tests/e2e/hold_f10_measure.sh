#!/usr/bin/env bash
# A measurement, not a check: F10 held down for about 3 s. The X server
# repeats the key and every repeat that reaches the clicker as a hotkey opens
# one more information box (nested in the last). Prints how many boxes are
# shown while the key is held and after it is let go; fails only when the
# session itself does.
# usage: hold_f10_measure.sh XUNZHI_EXE INSPECTOR_EXE CLICK_PROBE_EXE [URL_LOGGER_EXE]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
xunzhi=${1:?usage: hold_f10_measure.sh XUNZHI_EXE INSPECTOR_EXE CLICK_PROBE_EXE}
E2E_INSPECTOR=${2:?}
E2E_PROBE=${3:?}
source "$here/wine-session.sh"
source "$here/clicker-session.sh"
hold_seconds=3

e2e_start_session
xz_start_probe "$E2E_OUT/hold-f10.probe"
xz_start_clicker
# Slow clicks: the measurement is about the boxes.
xz_set_text 160 1000
xdotool mousemove $XZ_PROBE_X $XZ_PROBE_Y click 1
e2e_focus_desktop

# Should the script end while it is down, the display goes with it.
xdotool keydown F10
started=$SECONDS
during=()
while [ $((SECONDS - started)) -lt $hold_seconds ]; do
    sleep 0.5  # a sample every half second while the key is down
    during+=("$(xz_box_count)")
done
xdotool keyup F10

# Boxes may still be coming from repeats queued before the key went up: count
# until the figure holds for a second.
last=-1
now=$(xz_box_count)
deadline=$((SECONDS + 30))
while [ "$now" != "$last" ] && [ $SECONDS -lt $deadline ]; do
    last=$now
    sleep 1  # the figure must hold this long
    now=$(xz_box_count)
done
status=$(xz_status)
echo "holding F10 for ${hold_seconds} s: boxes shown every 0.5 s while held: ${during[*]}"
echo "holding F10 for ${hold_seconds} s: boxes shown after it was let go: $now"
echo "status line: $status"
xz_close_boxes
xz_key F11
xz_wait_status "$XZ_RESTING"
echo "MEASURED: $now information boxes after holding F10 ${hold_seconds} s"
