#!/usr/bin/env bash
# wine_bench.sh BUILD OUT: the figures of xunzhi.exe under Wine on a private
# Xvfb (start-up, idle CPU, click rates beside xdotool's), as "key value"
# lines in OUT. Run by bench/run.sh, which makes the table. BUILD is the
# windows preset's build directory.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/.." && pwd)
build=$(cd "${1:?usage: wine_bench.sh BUILD OUT}" && pwd)
out=${2:?}
xunzhi=$build/xunzhi.exe
E2E_INSPECTOR=$build/tests/e2e/inspector.exe
E2E_PROBE=$build/tests/e2e/click_probe.exe
launcher=$build/bench/launch_timer.exe
minimal=$build/bench/minimal_window.exe
export E2E_PREFIX=${BENCH_PREFIX:-$build/bench-prefix} E2E_OUT=${BENCH_OUT:-$build/bench}
# shellcheck source=../tests/e2e/wine-session.sh
source "$root/tests/e2e/wine-session.sh"
# shellcheck source=../tests/e2e/clicker-session.sh
source "$root/tests/e2e/clicker-session.sh"

# Measuring windows, seconds: long enough that one late click moves the rate
# by well under 0.5%.
WINDOW_SHORT=${BENCH_WINDOW:-5}
WINDOW_LONG=${BENCH_WINDOW_LONG:-10}
STARTS=${BENCH_STARTS:-15}
IDLE=${BENCH_IDLE:-10}
intervals=(10 20 50 100 1000)

: >"$out"
fact() { echo "$*" >>"$out"; }

# cpu_ticks PID: utime + stime of the process, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# The Unix process that runs the Windows program: `wine` execs into it, but
# check rather than trust that.
unix_pid_of() {
    local pid=$1 candidate
    if tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q 'xunzhi\.exe'; then
        echo "$pid"
        return
    fi
    for candidate in $(pgrep -P "$pid" 2>/dev/null); do
        if tr '\0' ' ' <"/proc/$candidate/cmdline" | grep -q 'xunzhi\.exe'; then
            echo "$candidate"
            return
        fi
    done
    e2e_fail "no process of xunzhi.exe under pid $pid"
}

# stats FROM TO NAME: presses between probe lines FROM and TO; writes
# NAME.rate (presses/s over first..last), NAME.median_ms and NAME.p99_ms
# (gaps between presses) and NAME.presses.
stats() {
    xz_probe_events "$1" "$2" | awk -v name="$3" '
        $2 ~ /^(LDOWN|LDBL|RDOWN|RDBL)$/ { t[n++] = $1 }
        END {
            if (n < 2) { printf "%s.presses %d\n%s.rate 0\n%s.median_ms 0\n%s.p99_ms 0\n", name, n, name, name, name; exit }
            for (i = 1; i < n; i++) g[i - 1] = (t[i] - t[i - 1]) * 1000
            m = n - 1
            # insertion sort: a few thousand gaps at most
            for (i = 1; i < m; i++) { v = g[i]; for (j = i - 1; j >= 0 && g[j] > v; j--) g[j + 1] = g[j]; g[j + 1] = v }
            median = (m % 2) ? g[(m - 1) / 2] : (g[m / 2 - 1] + g[m / 2]) / 2
            k = int(0.99 * m + 0.999999) - 1; if (k < 0) k = 0; if (k >= m) k = m - 1
            printf "%s.presses %d\n%s.rate %.3f\n%s.median_ms %.2f\n%s.p99_ms %.2f\n", name, n, name, (n - 1) / (t[n - 1] - t[0]), name, median, name, g[k]
        }' >>"$out"
}

e2e_start_session
fact "wine $(wine --version)"

# ---- start-up: ours and the yardstick, alternately, after one warm-up each.
win_xunzhi=$(winepath -w "$xunzhi")
win_minimal=$(winepath -w "$minimal")
launch() { timeout -k 5 60 wine "$launcher" "$1" "$2" 30000 | tr -d '\r'; }
launch "$win_xunzhi" "$XZ_TITLE" >/dev/null || e2e_fail "xunzhi.exe did not show its window"
launch "$win_minimal" "minimal window" >/dev/null || e2e_fail "minimal_window.exe did not show its window"
starts_x=() starts_m=()
for _ in $(seq "$STARTS"); do
    starts_x+=("$(launch "$win_xunzhi" "$XZ_TITLE")") || e2e_fail "xunzhi.exe did not show its window"
    starts_m+=("$(launch "$win_minimal" "minimal window")") || e2e_fail "minimal_window.exe did not show its window"
done
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
fact "startup.xunzhi_ms $(median "${starts_x[@]}")"
fact "startup.minimal_ms $(median "${starts_m[@]}")"
fact "startup.runs $STARTS"
e2e_log "start-up, ms: xunzhi ${starts_x[*]}; minimal ${starts_m[*]}"

# ---- idle after start
xz_start_probe "$E2E_OUT/bench.probe"
xz_start_clicker
pid=$(unix_pid_of "$XZ_PID")
hz=$(getconf CLK_TCK)
sleep 2  # let start-up's own work finish
before=$(cpu_ticks "$pid")
sleep "$IDLE"
fact "idle.start_ms $(( ($(cpu_ticks "$pid") - before) * 1000 / hz ))"

# ---- click rates of xunzhi, started with its button, stopped with F11
for ms in "${intervals[@]}"; do
    window=$WINDOW_SHORT
    [ "$ms" -lt 1000 ] || window=$WINDOW_LONG
    seconds=$(awk -v ms="$ms" 'BEGIN { printf "%g", ms / 1000 }')
    xz_set_text 160 "$ms"
    xz_start_with_button
    xz_wait_status "正在以${seconds}秒1次的速度左键单击"
    xz_wait_presses "$(xz_probe_mark)" 2 5
    from=$(xz_probe_mark)
    sleep "$window"
    to=$(xz_probe_mark)
    xz_key F11
    xz_wait_status "$XZ_RESTING"
    stats "$from" "$to" "xunzhi.$ms"
    e2e_log "xunzhi at $ms ms: $(grep "^xunzhi.$ms.rate" "$out")"
done

# ---- idle after clicking and stopping
sleep 2
before=$(cpu_ticks "$pid")
sleep "$IDLE"
fact "idle.stopped_ms $(( ($(cpu_ticks "$pid") - before) * 1000 / hz ))"
kill -0 "$pid" 2>/dev/null || e2e_fail "xunzhi.exe ended during the run"

# ---- xdotool at the same probe, the same windows
for ms in "${intervals[@]}"; do
    window=$WINDOW_SHORT
    [ "$ms" -lt 1000 ] || window=$WINDOW_LONG
    count=$(( window * 1000 / ms + 1 ))
    from=$(xz_probe_mark)
    timeout -k 5 $(( window * 3 + 30 )) xdotool mousemove "$XZ_PROBE_X" "$XZ_PROBE_Y" click --repeat "$count" --delay "$ms" 1
    sleep 0.5  # the last clicks on their way through Wine
    to=$(xz_probe_mark)
    stats "$from" "$to" "xdotool.$ms"
    e2e_log "xdotool at $ms ms: $(grep "^xdotool.$ms.rate" "$out")"
done
fact "windows.short_s $WINDOW_SHORT"
fact "windows.long_s $WINDOW_LONG"
