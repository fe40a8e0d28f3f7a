#!/usr/bin/env bash
# start.sh: installs what is missing, builds xunzhi.exe and starts it under Wine
# in a 1024x768 virtual desktop with the zh_CN.UTF-8 locale. Without a DISPLAY
# it starts a private Xvfb for it and says how to look at it and stop it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target xunzhi

exe=$PWD/build/windows/xunzhi.exe
export WINEPREFIX=$PWD/build/windows/wine-desktop
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8

if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 50 99); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
    done
    nohup Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >build/windows/xvfb.log 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do
        xdpyinfo -display ":$n" >/dev/null 2>&1 && break
        kill -0 "$xvfb" 2>/dev/null || { echo "start.sh: Xvfb :$n did not start (build/windows/xvfb.log)" >&2; exit 1; }
        sleep 0.1
    done
    export DISPLAY=:$n
    echo "No DISPLAY was set: started a private Xvfb on :$n (pid $xvfb)."
    echo "  screenshot: DISPLAY=:$n import -window root shot.png"
    echo "  stop it:    kill $xvfb"
fi

# One shared virtual desktop gives the window its title bar without a window manager.
if [ ! -e "$WINEPREFIX/.made" ]; then
    echo "Making the Wine prefix $WINEPREFIX (once)"
    wineboot -i >/dev/null
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null
    wineserver -w
    touch "$WINEPREFIX/.made"
fi

nohup wine "$exe" >build/windows/xunzhi.log 2>&1 &
echo "Started xunzhi.exe under Wine on $DISPLAY (pid $!; output in build/windows/xunzhi.log)."
echo "  stop it:    WINEPREFIX=$WINEPREFIX wineserver -k"
