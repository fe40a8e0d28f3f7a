#!/usr/bin/env bash
# Two minutes of clicks at 10 ms into the click probe: the clicker stays up,
# every 10 s slice gets at least 90% of the 100 clicks a second asked for,
# and the resident size of its process grows by at most 1 MB.
# usage: soak_test.sh XUNZHI_EXE INSPECTOR_EXE CLICK_PROBE_EXE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
xunzhi=${1:?usage: soak_test.sh XUNZHI_EXE INSPECTOR_EXE CLICK_PROBE_EXE}
E2E_INSPECTOR=${2:?}
E2E_PROBE=${3:?}
source "$here/../e2e/wine-session.sh"
source "$here/../e2e/clicker-session.sh"

SLICES=${SOAK_SLICES:-12}
SLICE_S=10
MIN_PER_SLICE=$((SLICE_S * 100 * 90 / 100))
MAX_GROWTH_KB=1024

# The Unix process of the Windows program: `wine` execs into it.
rss_kb() { awk '$1 == "VmRSS:" { print $2 }' "/proc/$1/status"; }

e2e_start_session
xz_start_probe "$E2E_OUT/soak.probe"
xz_start_clicker
pid=$XZ_PID
tr '\0' ' ' <"/proc/$pid/cmdline" | grep -q 'xunzhi\.exe' || e2e_fail "pid $pid is not xunzhi.exe's process"

xz_set_text 160 10
xz_start_with_button
xz_wait_status "正在以0.01秒1次的速度左键单击"
xz_wait_presses "$(xz_probe_mark)" 10 5
start_rss=$(rss_kb "$pid")
e2e_log "clicking at 10 ms; resident size at start: $start_rss kB"

failed=0
for slice in $(seq "$SLICES"); do
    from=$(xz_probe_mark)
    sleep "$SLICE_S"
    to=$(xz_probe_mark)
    kill -0 "$pid" 2>/dev/null || e2e_fail "xunzhi.exe ended in slice $slice"
    presses=$(xz_presses "$from" "$to")
    echo "slice $slice: $presses clicks in $SLICE_S s, resident $(rss_kb "$pid") kB"
    if [ "$presses" -lt "$MIN_PER_SLICE" ]; then
        echo "FAIL: slice $slice got $presses clicks, fewer than $MIN_PER_SLICE" >&2
        failed=1
    fi
done
end_rss=$(rss_kb "$pid")
echo "resident size: $start_rss kB at start, $end_rss kB at the end"
xz_key F11
xz_wait_status "$XZ_RESTING"
e2e_inspect find "$XZ_TITLE" >/dev/null || e2e_fail "the window is gone after the soak"
if [ $((end_rss - start_rss)) -gt "$MAX_GROWTH_KB" ]; then
    e2e_fail "the resident size grew by $((end_rss - start_rss)) kB (more than $MAX_GROWTH_KB)"
fi
[ "$failed" -eq 0 ] || e2e_fail "clicks fell behind (see above)"
echo "PASS: soak"
