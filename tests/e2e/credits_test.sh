#!/usr/bin/env bash
# shellcheck disable=SC2086  # "X Y" places are split on purpose
# The credits label with a logging browser: the prefix's handler for https is
# url_logger.exe. One press opens the blog once; a double click opens the blog,
# then the home page.
# usage: credits_test.sh XUNZHI_EXE INSPECTOR_EXE CLICK_PROBE_EXE URL_LOGGER_EXE
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
xunzhi=${1:?usage: credits_test.sh XUNZHI_EXE INSPECTOR_EXE CLICK_PROBE_EXE URL_LOGGER_EXE}
E2E_INSPECTOR=${2:?}
E2E_URL_LOGGER=${4:?usage: credits_test.sh XUNZHI_EXE INSPECTOR_EXE CLICK_PROBE_EXE URL_LOGGER_EXE}
source "$here/wine-session.sh"
source "$here/clicker-session.sh"
blog=https://www.example.com/chengchuan/blog/
home=https://www.example.com/chengchuan/home/

# The URLs opened so far, in the order the shell started their loggers.
opened() {
    [ -f "$urls" ] || return 0
    sort -n "$urls" | cut -d' ' -f2-
}

opened_count_is() { [ "$(opened | wc -l)" -eq "$1" ]; }

e2e_start_session
[ -f "$E2E_URL_LOGGER" ] || e2e_fail "no URL logger at $E2E_URL_LOGGER"
urls=$E2E_OUT/credits.urls
rm -f "$urls"
logger_win=$(timeout -k 5 30 winepath -w "$E2E_URL_LOGGER") || e2e_fail "winepath failed"
urls_win=$(timeout -k 5 30 winepath -w "$urls") || e2e_fail "winepath failed"
# In place of winebrowser, machine-wide: Wine 8's shell does not read the
# user's HKCU\Software\Classes. The prefix is the tests', nothing is put back.
timeout -k 5 60 wine reg add 'HKCR\https\shell\open\command' /ve \
    /d "\"$logger_win\" \"$urls_win\" \"%1\"" /f >>"$E2E_OUT/wine.log" 2>&1 \
    || e2e_fail "could not set the https handler"

xz_start_clicker

e2e_log "one press"
xz_click main $XZ_CREDITS_AT
xz_poll 30 opened_count_is 1 || e2e_fail "a press on the credits opened $(opened | wc -l) URLs in 30 s, expected 1"
sleep 1  # a window in which no second URL may come; also past the double-click time
[ "$(opened)" = "$blog" ] || e2e_fail "a press opened: $(opened | tr '\n' ' '), expected $blog once"

e2e_log "a double click"
xz_click main $XZ_CREDITS_AT --repeat 2 --delay 80
xz_poll 30 opened_count_is 3 || e2e_fail "a double click opened $(($(opened | wc -l) - 1)) URLs in 30 s, expected 2"
sleep 1  # a window in which no further URL may come
expected=$(printf '%s\n' "$blog" "$blog" "$home")
[ "$(opened)" = "$expected" ] \
    || e2e_fail "after a press and a double click the shell opened: $(opened | tr '\n' ' '); expected blog, blog, home"
echo "PASS: credits"
