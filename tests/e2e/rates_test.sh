#!/usr/bin/env bash
# Clicks a second at 10, 20, 50 and 100 ms, mode 0, started with the real
# button: a table of measured against requested. 100 ms must be within 15%,
# the others at least 80% of what was asked (Wine's timers allow 100 a second).
# usage: rates_test.sh XUNZHI_EXE INSPECTOR_EXE CLICK_PROBE_EXE [URL_LOGGER_EXE]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
xunzhi=${1:?usage: rates_test.sh XUNZHI_EXE INSPECTOR_EXE CLICK_PROBE_EXE}
E2E_INSPECTOR=${2:?}
E2E_PROBE=${3:?}
source "$here/wine-session.sh"
source "$here/clicker-session.sh"

# interval ms | seconds in the status line | lowest rate | highest rate (x requested)
rates=(
    "10|0.01|0.80|"
    "20|0.02|0.80|"
    "50|0.05|0.80|"
    "100|0.1|0.85|1.15"
)

e2e_start_session
xz_start_probe "$E2E_OUT/rates.probe"
xz_start_clicker

failed=0
printf '%-12s %-10s %-10s %s\n' interval requested measured ratio
for row in "${rates[@]}"; do
    IFS='|' read -r ms seconds low high <<<"$row"
    xz_set_text 160 "$ms"
    xz_start_with_button
    xz_wait_status "正在以${seconds}秒1次的速度左键单击"
    xz_wait_presses "$(xz_probe_mark)" 3 5
    from=$(xz_probe_mark)
    sleep 2.5  # the window the rate is measured over
    to=$(xz_probe_mark)
    xz_key F11
    xz_wait_status "$XZ_RESTING"
    rate=$(xz_rate "$from" "$to")
    requested=$(awk -v ms="$ms" 'BEGIN { printf "%.2f", 1000 / ms }')
    ratio=$(awk -v r="$rate" -v q="$requested" 'BEGIN { printf "%.3f", r / q }')
    printf '%-12s %-10s %-10s %s\n' "$ms ms" "$requested/s" "$rate/s" "$ratio"
    if ! awk -v x="$ratio" -v lo="$low" -v hi="${high:-1e9}" 'BEGIN { exit !(x >= lo && x <= hi) }'; then
        echo "FAIL: at $ms ms the rate is $rate/s, $ratio of $requested/s (allowed $low..${high:-})" >&2
        failed=1
    fi
done
[ "$failed" -eq 0 ] || e2e_fail "click rates (see above)"
echo "PASS: click rates"
