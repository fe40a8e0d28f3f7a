#!/usr/bin/env bash
# The four modes, switched in the mode box while the clicker runs (it reads
# the box at every tick). The probe sees each tick as one group of messages
# within a few ms; a double click is two presses in one group, the second one
# a double click. Ticks 700 ms apart, beyond the double-click time (500 ms):
# closer ticks would pair presses across ticks, as a user's would.
# usage: modes_test.sh XUNZHI_EXE INSPECTOR_EXE CLICK_PROBE_EXE [URL_LOGGER_EXE]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
xunzhi=${1:?usage: modes_test.sh XUNZHI_EXE INSPECTOR_EXE CLICK_PROBE_EXE}
E2E_INSPECTOR=${2:?}
E2E_PROBE=${3:?}
source "$here/wine-session.sh"
source "$here/clicker-session.sh"

# mode | groups it may give (a regular expression over one tick's messages)
modes=(
    "0|LDOWN LUP"
    "1|LDOWN LUP LDBL LUP"
    "2|RDOWN RUP"
    "3|RDOWN RUP RDBL RUP"
)

# One tick's messages on a line: a gap over 100 ms starts a new tick. The
# first and last groups may be cut by the marks and are dropped.
ticks() {
    xz_probe_events "$1" "$2" | awk '
        { if (n && $1 - last > 0.100) { groups[++g] = line; line = "" }
          line = line (line == "" ? "" : " ") $2; last = $1; n++ }
        END { for (i = 2; i <= g; i++) print groups[i] }'
}

e2e_start_session
xz_start_probe "$E2E_OUT/modes.probe"
xz_start_clicker
xz_set_text 160 700
xz_start_with_button

failed=0
printf '%-5s %-8s %s\n' mode ticks/s "a tick"
for row in "${modes[@]}"; do
    mode=${row%%|*}
    allowed=${row#*|}
    xz_set_mode "$mode"
    # Two ticks for the switch to show, then the window looked at.
    xz_wait_presses "$(xz_probe_mark)" 3 5
    from=$(xz_probe_mark)
    sleep 3.2  # the window the ticks are taken from
    to=$(xz_probe_mark)
    mapfile -t groups < <(ticks "$from" "$to")
    wrong=$(printf '%s\n' "${groups[@]}" | grep -cvxE "$allowed" || true)
    span=$(xz_probe_events "$from" "$to" | awk 'NR == 1 { f = $1 } { l = $1 } END { print l - f }')
    printf '%-5s %-8s %s\n' "$mode" \
        "$(awk -v n="${#groups[@]}" -v s="$span" 'BEGIN { printf "%.2f", (s > 0 ? (n + 1) / s : 0) }')" \
        "${groups[0]:-none}"
    if [ "${#groups[@]}" -lt 2 ] || [ "$wrong" -ne 0 ]; then
        echo "FAIL: mode $mode: ${#groups[@]} ticks, $wrong of them not /$allowed/:" >&2
        printf '  %s\n' "${groups[@]}" | head -5 >&2
        failed=1
    fi
done

xz_key F11
xz_wait_status "$XZ_RESTING"
[ "$failed" -eq 0 ] || e2e_fail "click modes (see above; probe log $XZ_PROBE_LOG)"
echo "PASS: click modes"
