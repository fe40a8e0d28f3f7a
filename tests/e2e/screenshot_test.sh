#!/usr/bin/env bash
# The main window after start-up, as a picture: saved to $E2E_OUT/startup.png
# for a person to look at. The client area must show drawn content (more than
# a few colours), and the frames of the mode box (100) and the edit boxes
# (120, 160) the flat look's RGB(198,197,215) in the middle of every edge.
# usage: screenshot_test.sh XUNZHI_EXE INSPECTOR_EXE [CLICK_PROBE_EXE URL_LOGGER_EXE]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
xunzhi=${1:?usage: screenshot_test.sh XUNZHI_EXE INSPECTOR_EXE}
E2E_INSPECTOR=${2:?}
source "$here/wine-session.sh"
source "$here/clicker-session.sh"
flat="198,197,215"
e2e_require convert

# pixel X Y: "R,G,B" of the screenshot at a screen place.
pixel() {
    convert "$shot" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:
}

e2e_start_session
xz_start_clicker
# Until the status line has been drawn: a window is shown before it is painted.
e2e_inspect window "$XZ_MAIN" >"$E2E_OUT/startup.description"
shot=$E2E_OUT/startup.png
read -r cx cy <<<"$(xz_point main 0 0)"
read -r _ _ cw ch <<<"$(grep '^main client ' "$E2E_OUT/startup.description" | tr 'x' ' ')" || true
cw=${cw:-251}
ch=${ch:-140}
colours=0
deadline=$((SECONDS + 20))
while [ "$colours" -le 8 ] && [ $SECONDS -lt $deadline ]; do
    e2e_screenshot startup.png
    colours=$(convert "$shot" -crop "${cw}x${ch}+${cx}+${cy}" +repage -format %k info:)
done
echo "client area ${cw}x${ch} at $cx,$cy: $colours colours"
[ "$colours" -gt 8 ] || e2e_fail "the client area shows only $colours colours: nothing drawn? ($shot)"

failed=0
printf '%-4s %-7s %-10s %s\n' id edge place colour
for id in 100 120 160; do
    read -r x y <<<"$(awk -v id="$id" '$1 == id && $2 == "place" { split($3, p, ","); print p[1], p[2] }' "$E2E_OUT/startup.description")"
    w=$(awk -v id="$id" '$1 == id && $2 == "width" { print $3 }' "$E2E_OUT/startup.description")
    h=$(awk -v id="$id" '$1 == id && $2 == "height" { print $3 }' "$E2E_OUT/startup.description")
    if [ -z "$x" ] || [ -z "$w" ] || [ -z "$h" ]; then
        e2e_fail "control $id is not in the description"
    fi
    # The middle of each edge, in screen pixels.
    for edge in "left $x $((y + h / 2))" "top $((x + w / 2)) $y" \
                "right $((x + w - 1)) $((y + h / 2))" "bottom $((x + w / 2)) $((y + h - 1))"; do
        read -r name ex ey <<<"$edge"
        colour=$(pixel $((cx + ex)) $((cy + ey)))
        printf '%-4s %-7s %-10s %s\n' "$id" "$name" "$ex,$ey" "$colour"
        if [ "$colour" != "$flat" ]; then
            echo "FAIL: control $id's $name frame pixel at $ex,$ey is $colour, expected $flat" >&2
            failed=1
        fi
    done
done
[ "$failed" -eq 0 ] || e2e_fail "frames are not the flat look's (screenshot $shot)"

# A message box opened later has its OK button in the look too: the face is
# a silver tint (more blue than red), where the system's own is plain grey.
xz_set_text 160 ""
at=$(xz_point main $XZ_START_AT) || e2e_fail "no screen place for the start button"
xdotool mousemove $at click 1
xz_wait_boxes 1
e2e_inspect window "$XZ_BOX_TITLE" >"$E2E_OUT/box.description"
ok_width=$(awk '$1 == 1 && $2 == "width" { print $3 }' "$E2E_OUT/box.description")
[ -n "$ok_width" ] || e2e_fail "the box has no OK button (id 1)"
read -r ox oy <<<"$(e2e_inspect screen "$XZ_BOX_TITLE" 1 $((ok_width / 2)) 4 | tr -d '\r')"
ok_shot=$E2E_OUT/box.png
ok_colour=""
deadline=$((SECONDS + 10))
while [ $SECONDS -lt $deadline ]; do
    import -window root "$ok_shot"
    ok_colour=$(convert "$ok_shot" -format "%[fx:int(255*p{$ox,$oy}.r)],%[fx:int(255*p{$ox,$oy}.g)],%[fx:int(255*p{$ox,$oy}.b)]" info:)
    IFS=, read -r r _ b <<<"$ok_colour"
    [ "$b" -gt "$r" ] && break
    sleep 0.2
done
echo "OK button face at $ox,$oy: $ok_colour"
IFS=, read -r r _ b <<<"$ok_colour"
[ "$b" -gt "$r" ] || e2e_fail "the box's OK button is not drawn in the look: $ok_colour at $ox,$oy ($ok_shot)"
xz_close_boxes
echo "PASS: screenshot at $shot"
