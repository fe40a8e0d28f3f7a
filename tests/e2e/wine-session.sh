# Sourced by the end-to-end scripts: one private X display and one Wine
# session for the script, torn down on exit. Only what this file started is
# ended: its Xvfb by pid, and the wineserver of its own prefix.
#
# Environment: E2E_PREFIX (Wine prefix, reused between runs) and E2E_OUT
# (screenshots, logs); both default to places under the current directory.
# The sourcing script sets E2E_INSPECTOR to the path of inspector.exe.
#
# Every Wine call has its own deadline, below the ctest TIMEOUT: a script that
# ctest has to kill cannot run its cleanup.

E2E_PREFIX=${E2E_PREFIX:-$PWD/e2e-prefix}
E2E_OUT=${E2E_OUT:-$PWD/e2e}
E2E_XVFB_PID=
E2E_WINE_STARTED=
E2E_PID=

e2e_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

e2e_log() {
    echo "[$(date +%T)] $*" >&2
}

e2e_cleanup() {
    local rc=$?
    if [ -n "$E2E_WINE_STARTED" ]; then
        WINEPREFIX=$E2E_PREFIX wineserver -k 2>/dev/null || true
    fi
    if [ -n "$E2E_XVFB_PID" ]; then
        kill "$E2E_XVFB_PID" 2>/dev/null || true
        wait "$E2E_XVFB_PID" 2>/dev/null || true
    fi
    exit "$rc"
}

e2e_require() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || e2e_fail "'$tool' is not installed"
    done
}

# A display number nobody holds; Xvfb itself refuses a taken one, so a lost
# race only costs another try.
e2e_start_xvfb() {
    local n deadline
    for n in $(seq 90 199); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        # A server elsewhere on this machine (another chroot) holds the number
        # through its abstract socket, which clients would reach first.
        grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix 2>/dev/null && continue
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$E2E_OUT/xvfb.log" 2>&1 &
        E2E_XVFB_PID=$!
        deadline=$((SECONDS + 20))
        while [ $SECONDS -lt $deadline ] && kill -0 "$E2E_XVFB_PID" 2>/dev/null; do
            # The lock must name our server: another one on the same number
            # (outside this chroot, through the shared abstract sockets) would
            # answer xdpyinfo too.
            if [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$n-lock")" = "$E2E_XVFB_PID" ] &&
                xdpyinfo -display ":$n" >/dev/null 2>&1; then
                sleep 0.2
                if kill -0 "$E2E_XVFB_PID" 2>/dev/null; then
                    export DISPLAY=":$n"
                    return 0
                fi
            fi
            sleep 0.1
        done
        kill "$E2E_XVFB_PID" 2>/dev/null || true
        wait "$E2E_XVFB_PID" 2>/dev/null || true
        E2E_XVFB_PID=
    done
    e2e_fail "could not start Xvfb on any display from :90 to :199 (see $E2E_OUT/xvfb.log)"
}

# The prefix is made once and reused: making one takes several seconds.
e2e_prepare_prefix() {
    export WINEPREFIX=$E2E_PREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
    E2E_WINE_STARTED=1
    if [ -f "$WINEPREFIX/.e2e-ready" ]; then
        return 0
    fi
    e2e_log "making the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    timeout -k 5 180 wineboot -i >>"$E2E_OUT/wine.log" 2>&1 || e2e_fail "wineboot -i failed (see $E2E_OUT/wine.log)"
    # One shared 1024x768 desktop: Windows-like title bars and screen metrics.
    timeout -k 5 60 wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >>"$E2E_OUT/wine.log" 2>&1 \
        || e2e_fail "could not set the virtual desktop"
    timeout -k 5 60 wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >>"$E2E_OUT/wine.log" 2>&1 \
        || e2e_fail "could not set the virtual desktop size"
    # Let this session end, so the next program starts a desktop that reads
    # the keys (and they reach the disk).
    timeout -k 5 60 wineserver -w || e2e_fail "the Wine session that made the prefix did not end"
    touch "$WINEPREFIX/.e2e-ready"
}

e2e_start_session() {
    e2e_require Xvfb xdpyinfo xdotool import wine wineserver wineboot
    mkdir -p "$E2E_OUT"
    trap e2e_cleanup EXIT
    trap 'exit 130' INT TERM
    e2e_start_xvfb
    e2e_prepare_prefix
    e2e_log "session on DISPLAY=$DISPLAY, WINEPREFIX=$WINEPREFIX"
}

# e2e_start_program EXE [ARGS...]: runs it in the background; E2E_PID is the
# pid whose exit status is the Windows exit code.
e2e_start_program() {
    local exe=$1 name
    shift
    [ -f "$exe" ] || e2e_fail "no program at $exe"
    name=$(basename "$exe" .exe)
    wine "$exe" "$@" >"$E2E_OUT/$name.log" 2>&1 &
    E2E_PID=$!
}

# e2e_inspect COMMAND TITLE: runs inspector.exe (see window_reader.cpp).
e2e_inspect() {
    [ -f "${E2E_INSPECTOR:-}" ] || e2e_fail "no inspector at '${E2E_INSPECTOR:-}'"
    timeout -k 5 30 wine "$E2E_INSPECTOR" "$@"
}

# e2e_wait_window TITLE [SECONDS]: polls until a shown top-level window has
# TITLE; fails early if the program it waits for (E2E_PID) ends.
e2e_wait_window() {
    local title=$1 seconds=${2:-60}
    local deadline=$((SECONDS + seconds))
    while [ $SECONDS -lt $deadline ]; do
        if e2e_inspect find "$title" >/dev/null 2>&1; then
            return 0
        fi
        if [ -n "$E2E_PID" ] && ! kill -0 "$E2E_PID" 2>/dev/null; then
            E2E_EXIT_CODE=0
            wait "$E2E_PID" || E2E_EXIT_CODE=$?
            e2e_fail "the program ended (exit code $E2E_EXIT_CODE) before its window \"$title\" appeared"
        fi
        sleep 0.2
    done
    e2e_fail "no window \"$title\" within $seconds s"
}

# e2e_wait_exit PID SECONDS: sets E2E_EXIT_CODE, or fails at the deadline.
e2e_wait_exit() {
    local pid=$1 deadline=$((SECONDS + $2))
    while kill -0 "$pid" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || e2e_fail "process $pid still running after $2 s"
        sleep 0.1
    done
    E2E_EXIT_CODE=0
    wait "$pid" || E2E_EXIT_CODE=$?
}

# Keys go to the X window that has the focus; with a virtual desktop every
# Wine window lives inside one X window, the desktop's.
e2e_focus_desktop() {
    local desktop
    desktop=$(xdotool search --maxdepth 1 --onlyvisible --class explorer.exe 2>/dev/null | head -n 1) || true
    [ -n "$desktop" ] || e2e_fail "no Wine desktop window on $DISPLAY"
    xdotool windowfocus --sync "$desktop"
}

e2e_screenshot() {
    import -window root "$E2E_OUT/$1" || e2e_fail "screenshot $1 failed"
    e2e_log "screenshot: $E2E_OUT/$1"
}
