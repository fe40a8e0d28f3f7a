# shellcheck shell=bash disable=SC2034,SC2086
# Sourced after wine-session.sh by the scripts that drive the clicker: start
# it and the click probe, press its controls, read what it shows, and count
# the clicks the probe logged.
#
# The script sets xunzhi (path of xunzhi.exe), E2E_INSPECTOR and, where it needs them, E2E_PROBE (path of
# click_probe.exe) and E2E_URL_LOGGER (url_logger.exe).

XZ_TITLE=迅指鼠标点击器
XZ_BOX_TITLE=迅指提示：
XZ_HOTKEY_INFO='热键F10启动点击\r\n热键F11立即停止'
XZ_EMPTY_INTERVAL=请告诉迅指，你想要多快
XZ_RESTING=歇息片刻，效果更佳！
XZ_MAIN=          # "hwnd:0x..." of the clicker under test
XZ_PID=           # its wine process
XZ_PROBE_LOG=
# Places ("X Y", split on use) in the main window's client area of the controls the tests press
# (see main_window.expected).
XZ_START_AT="68 98"      # 开始点击 (130)
XZ_STOP_AT="184 98"      # 停止点击 (170)
XZ_INTERVAL_AT="175 36"  # interval box (160)
XZ_CREDITS_AT="126 124"  # credits label (180)
# Where the probe sits on the desktop, and a point over it.
XZ_PROBE_PLACE="600 100 400 400"
XZ_PROBE_X=800
XZ_PROBE_Y=300

# xz_poll SECONDS COMMAND...: until COMMAND succeeds; 1 at the deadline.
xz_poll() {
    local deadline=$((SECONDS + $1))
    shift
    while ! "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

# xz_start_clicker: starts xunzhi.exe, waits for its window and makes it the
# one the helpers below talk to (XZ_MAIN, XZ_PID).
xz_start_clicker() {
    local known
    known=$(e2e_inspect list "$XZ_TITLE" 2>/dev/null | awk '{print $2}') || true
    e2e_start_program "${xunzhi:?the script sets xunzhi to the path of xunzhi.exe}"
    XZ_PID=$E2E_PID
    e2e_wait_window "$XZ_TITLE" 90
    local deadline=$((SECONDS + 30)) hwnd
    while [ $SECONDS -lt $deadline ]; do
        for hwnd in $(e2e_inspect list "$XZ_TITLE" | awk '{print $2}'); do
            if ! grep -qx "$hwnd" <<<"$known"; then
                XZ_MAIN=hwnd:$hwnd
                return 0
            fi
        done
        sleep 0.2
    done
    e2e_fail "no new \"$XZ_TITLE\" window"
}

# xz_point ID X Y: screen place of client point X,Y of control ID of the clicker.
xz_point() {
    e2e_inspect screen "$XZ_MAIN" "$1" "$2" "$3" | tr -d '\r'
}

# xz_click ID X Y [XDOTOOL CLICK OPTIONS...]: a real left click there; the
# cursor stays.
xz_click() {
    local id=$1 x=$2 y=$3 at
    shift 3
    at=$(xz_point "$id" "$x" "$y") || e2e_fail "no screen place for control $id"
    xdotool mousemove $at click "$@" 1
}

xz_text() {
    e2e_inspect text "$XZ_MAIN" "$1" | tr -d '\r'
}

xz_set_text() {
    e2e_inspect settext "$XZ_MAIN" "$1" "$2" || e2e_fail "could not set the text of control $1 to \"$2\""
}

xz_set_mode() {
    e2e_inspect select "$XZ_MAIN" 100 "$1" || e2e_fail "could not select mode $1"
}

xz_status() { xz_text 120; }

xz_status_is() { [ "$(xz_status)" = "$1" ]; }

# xz_wait_status TEXT [SECONDS]
xz_wait_status() {
    xz_poll "${2:-10}" xz_status_is "$1" \
        || e2e_fail "the status line reads \"$(xz_status)\", expected \"$1\""
}

xz_box_count() {
    e2e_inspect count "$XZ_BOX_TITLE" | tr -d '\r'
}

xz_box_count_is() { [ "$(xz_box_count)" = "$1" ]; }

# xz_wait_boxes N [SECONDS]: until exactly N boxes titled 迅指提示： are shown.
xz_wait_boxes() {
    xz_poll "${2:-10}" xz_box_count_is "$1" \
        || e2e_fail "$(xz_box_count) boxes titled \"$XZ_BOX_TITLE\" are shown, expected $1"
}

# Closes every box as its OK button would.
xz_close_boxes() {
    e2e_inspect closeall "$XZ_BOX_TITLE" >/dev/null
    xz_wait_boxes 0 20
}

# xz_press_start: a real click on 开始点击, the cursor back over the probe at
# once (the clicker clicks wherever the cursor is).
xz_press_start() {
    local at
    at=$(xz_point main $XZ_START_AT) || e2e_fail "no screen place for the start button"
    xdotool mousemove $at click 1 mousemove $XZ_PROBE_X $XZ_PROBE_Y
}

# xz_start_with_button: xz_press_start, then the information box closed. The
# status line is left to the caller.
xz_start_with_button() {
    xz_press_start
    xz_wait_boxes 1
    xz_close_boxes
}

xz_stop_with_button() {
    local at
    at=$(xz_point main $XZ_STOP_AT) || e2e_fail "no screen place for the stop button"
    xdotool mousemove $at click 1 mousemove $XZ_PROBE_X $XZ_PROBE_Y
}

# xz_start_probe LOG: the probe window, logging to LOG (a Unix path).
xz_start_probe() {
    XZ_PROBE_LOG=$1
    : >"$XZ_PROBE_LOG"
    [ -f "${E2E_PROBE:-}" ] || e2e_fail "no click probe at '${E2E_PROBE:-}'"
    local log
    log=$(timeout -k 5 30 winepath -w "$XZ_PROBE_LOG") || e2e_fail "winepath failed"
    wine "$E2E_PROBE" "$log" $XZ_PROBE_PLACE >"$E2E_OUT/click_probe.log" 2>&1 &
    xz_poll 60 grep -q ready "$XZ_PROBE_LOG" || e2e_fail "the click probe did not start"
}

# Lines so far; the events after a mark are "tail -n +$((mark + 1))".
xz_probe_mark() { wc -l <"$XZ_PROBE_LOG"; }

# xz_probe_events FROM [TO]: the button lines after line FROM (to line TO).
xz_probe_events() {
    local to=${2:-\$}
    sed -n "$(($1 + 1)),${to}p" "$XZ_PROBE_LOG" | grep -v ' ready '
}

# xz_presses FROM [TO]: how many presses (single or double) after FROM.
xz_presses() {
    xz_probe_events "$@" | grep -cE ' (LDOWN|LDBL|RDOWN|RDBL) ' || true
}

xz_presses_at_least() { [ "$(xz_presses "$1")" -ge "$2" ]; }

# xz_wait_presses FROM N [SECONDS]
xz_wait_presses() {
    xz_poll "${3:-10}" xz_presses_at_least "$1" "$2" \
        || e2e_fail "only $(xz_presses "$1") clicks reached the probe, expected $2 within ${3:-10} s"
}

# xz_rate FROM TO: presses a second between lines FROM and TO, from the
# probe's own timestamps: (presses - 1) / (last - first).
xz_rate() {
    xz_probe_events "$1" "$2" | awk '
        $2 ~ /^(LDOWN|LDBL|RDOWN|RDBL)$/ { if (!n++) first = $1; last = $1 }
        END { if (n < 2 || last <= first) print 0; else printf "%.2f\n", (n - 1) / (last - first) }'
}

# Keys through X to whichever Wine window has the focus; hotkeys anywhere.
xz_key() {
    e2e_focus_desktop
    xdotool key "$@"
}
