#!/usr/bin/env bash
# shellcheck disable=SC2086  # "X Y" places are split on purpose
# The interval box typed into for real: only digits and "-" get in, at most 5
# of them; leaving it with Tab rewrites it as a plain integer; a paste goes
# round the key filter but not the rewrite. Its spin arrows step by one within
# 0..10000 with wrap, then select all and focus the box.
# usage: interval_box_test.sh XUNZHI_EXE INSPECTOR_EXE [CLICK_PROBE_EXE URL_LOGGER_EXE]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
xunzhi=${1:?usage: interval_box_test.sh XUNZHI_EXE INSPECTOR_EXE}
E2E_INSPECTOR=${2:?}
source "$here/wine-session.sh"
source "$here/clicker-session.sh"

# typed | text after typing | text after Tab
typing=(
    "a||"
    ".||"
    "123456|12345|12345"
    "007|007|7"
    "0|0|"
    "-5|-5|-5"
    "12-3|12-3|12"
    "-|-|"
)
# text before | arrow | text after; arrows alternate, so no two clicks in a
# row land on one spot and make a double click.
spins=(
    "1000|up|1001"
    "1000|down|999"
    "10000|up|0"
    "|down|10000"
    "-7|up|0"
    "0|down|10000"
)
# The spin control's halves, in the main window's client area (202..220, 24..49).
spin_up="211 30"
spin_down="211 43"

failed=0
check() {  # check WHAT EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        echo "FAIL: $1: expected \"$2\", got \"$3\"" >&2
        failed=1
    fi
}

xz_focus_is() { [ "$(e2e_inspect focus "$XZ_MAIN" | tr -d '\r')" = "$1" ]; }
box_lost_focus() { ! xz_focus_is "focus 160 Edit"; }
text_is() { [ "$(xz_text 160)" = "$1" ]; }

# Into the box, with whatever it holds removed by keys.
enter_box() {
    xz_click main $XZ_INTERVAL_AT
    xz_poll 10 xz_focus_is "focus 160 Edit" || e2e_fail "a click did not focus the interval box"
    xdotool key End BackSpace BackSpace BackSpace BackSpace BackSpace
    xz_poll 10 text_is "" || e2e_fail "BackSpace did not empty the box: \"$(xz_text 160)\""
}

leave_box() {
    xdotool key Tab
    xz_poll 10 box_lost_focus || e2e_fail "Tab did not move the focus out of the box"
}

e2e_start_session
xz_start_clicker
e2e_focus_desktop

for row in "${typing[@]}"; do
    IFS='|' read -r typed shown rewritten <<<"$row"
    enter_box
    # A "9" typed last, where it fits, shows that every key before it has been
    # handled; a BackSpace takes it away again. The Tab's focus change comes
    # after all of them.
    marker=9
    [ "${#shown}" -lt 5 ] || marker=
    xdotool type --delay 20 -- "$typed$marker"
    xz_poll 10 text_is "$shown$marker" || true
    check "typing \"$typed\" (then the marker \"$marker\")" "$shown$marker" "$(xz_text 160)"
    [ -z "$marker" ] || xdotool key BackSpace
    leave_box
    check "\"$typed\" after Tab" "$rewritten" "$(xz_text 160)"
done

# A paste is not typed: "12.5" gets in whole, the rewrite keeps 12.
enter_box
e2e_inspect clip "12.5" || e2e_fail "could not set the clipboard"
xdotool key ctrl+v
xz_poll 10 text_is 12.5 || true
check "pasting 12.5" "12.5" "$(xz_text 160)"
leave_box
check "12.5 after Tab" "12" "$(xz_text 160)"

for row in "${spins[@]}"; do
    IFS='|' read -r before arrow after <<<"$row"
    xz_set_text 160 "$before"
    # The focus elsewhere first, so the focus check means something.
    xz_click main $XZ_STOP_AT
    xz_poll 10 box_lost_focus || e2e_fail "the stop button did not take the focus"
    [ "$arrow" = up ] && at=$spin_up || at=$spin_down
    # shellcheck disable=SC2086
    xz_click main $at
    xz_poll 10 text_is "$after" || true
    check "\"$before\" then $arrow" "$after" "$(xz_text 160)"
    xz_poll 10 xz_focus_is "focus 160 Edit" || true
    check "focus after $arrow" "focus 160 Edit" "$(e2e_inspect focus "$XZ_MAIN" | tr -d '\r')"
    check "selection after $arrow" "0 ${#after}" "$(e2e_inspect sel "$XZ_MAIN" 160 | tr -d '\r')"
done

[ "$failed" -eq 0 ] || e2e_fail "interval box (see above)"
echo "PASS: interval box"
