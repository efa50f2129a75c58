#!/usr/bin/env bash
# display_scale.sh VLTTIME PERCENT: the clock on a display at that scale (Wine's LogPixels):
# the strip at the scaled size and at the scaled place of its stored position, drawn as
# `vlttime render --scale` draws it (outside the labels' row: the font there is Wine's), and
# after a drag and a quit the settings file holds the place in 96-DPI units, where the next
# start puts it again.
source "$(dirname "$0")/lib.sh"

vlttime=$1 percent=$2
dpi=$((percent * 96 / 100))
# The components' places in this display's pixels (e2e_place); halves away from zero, as the
# clock rounds.
E2E_DPI=$dpi
units() { echo $((($1 * 96 + dpi / 2) / dpi)); }

session_start_display
e2e_private_app
# The prefix is shared with later journeys: its scale goes back to the default at the end.
e2e_at_exit "wine reg delete 'HKCU\\Control Panel\\Desktop' /v LogPixels /f >/dev/null 2>&1"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1 ||
    session_fail "could not set LogPixels to $dpi"
printf '%s\r\n' '[VeltriaTime]' 'XPos=100' 'YPos=100' >"$E2E_INI"

start="2026-03-01 00:24:00"
session_start_clock "$start"
session_wait_window "${E2E_STRIP[@]}"
e2e_clock_settled
session_probe "${E2E_STRIP[@]}"
e2e_expect "size at $percent %" "${PROBE[width]}x${PROBE[height]}" "$(e2e_px 175)x$(e2e_px 38)"
e2e_expect "place of XPos=100, YPos=100" "${PROBE[left]},${PROBE[top]}" "$(e2e_px 100),$(e2e_px 100)"

# The strip as drawn, against the native drawing at the scale, the labels' row masked (from
# the game line's top-left corner to the right edge, as high as the line, in pixels).
session_shot "$E2E_OUT/strip.png" "${PROBE[width]}x${PROBE[height]}+${PROBE[left]}+${PROBE[top]}"
"$vlttime" render --scale "$percent" --at "$start" --out "$E2E_OUT/render.png" >/dev/null ||
    session_fail "vlttime render --scale $percent failed"
e2e_place $E2E_GAME_LINE
mask="rectangle $PLACE_X,$PLACE_Y $((PROBE[width] - 1)),$((PLACE_Y + PLACE_H - 1))"
convert "$E2E_OUT/strip.png" -fill black -draw "$mask" "$E2E_OUT/strip-masked.png"
convert "$E2E_OUT/render.png" -fill black -draw "$mask" "$E2E_OUT/render-masked.png"
differing=$(compare -metric AE "$E2E_OUT/strip-masked.png" "$E2E_OUT/render-masked.png" \
    "$E2E_OUT/difference.png" 2>&1) || true
[ "$differing" = 0 ] ||
    session_fail "$differing pixels differ from vlttime render --scale $percent (see $E2E_OUT)"
echo "ok: frames, band and button at $percent % equal the native drawing"

# The colour dialog, drawn by the system at the scale, shot for the eye.
e2e_open_menu
session_key g
e2e_wait_ask 20 "no colour dialog after G" dialog Color
dialog=${ASK[hwnd]}
echo "colour dialog at $percent %: ${ASK[width]}x${ASK[height]} at ${ASK[left]},${ASK[top]}"
session_shot "$E2E_OUT/colour-dialog.png"
e2e_ask activate "$dialog" || session_fail "the colour dialog could not take the front"
session_key Escape
e2e_wait_ask_fails 5 "the colour dialog stayed after Escape" dialog Color
session_probe "${E2E_STRIP[@]}" || session_fail "the strip went with the dialog"

# Dragged by the game line, then quit: the file holds the place in units.
e2e_centre $E2E_GAME_LINE
grab_x=$((CENTRE_X - PROBE[left])) grab_y=$((CENTRE_Y - PROBE[top]))
e2e_prime_drag $grab_x $grab_y
e2e_drag $((PROBE[left] + grab_x)) $((PROBE[top] + grab_y)) 500 400
e2e_wait_strip_at "$((500 - grab_x)),$((400 - grab_y))" "after a drag"
left=${PROBE[left]} top=${PROBE[top]}
# The menu, drawn by the system at the scale, shot for the eye; E quits.
e2e_open_menu
session_shot "$E2E_OUT/menu.png"
session_key e
e2e_wait_exit "$SESSION_CLOCK" 10
e2e_expect "exit status" "$E2E_EXIT_STATUS" 0
stored_x=$(grep -a '^XPos=' "$E2E_INI" | tr -d '\r') stored_y=$(grep -a '^YPos=' "$E2E_INI" | tr -d '\r')
e2e_expect "stored place of $left,$top" "$stored_x $stored_y" "XPos=$(units "$left") YPos=$(units "$top")"

# The next start puts it there again (within the pixel a unit rounds to).
e2e_clock_gone
session_start_clock "$start"
session_wait_window "${E2E_STRIP[@]}"
e2e_expect "place at the next start" "${PROBE[left]},${PROBE[top]}" \
    "$(e2e_px "$(units "$left")"),$(e2e_px "$(units "$top")")"
echo "place: dragged to $left,$top; stored ${stored_x#XPos=},${stored_y#YPos=}; started again at ${PROBE[left]},${PROBE[top]}"
e2e_quit_through_menu "$SESSION_CLOCK"
