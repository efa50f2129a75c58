#!/usr/bin/env bash
# Showing the real time: the strip doubles to 350 px and the right half shows the running
# real date and time on the band; the menu then offers the real text colour too. Turned
# off, the strip is 175 px again.
source "$(dirname "$0")/lib.sh"

session_start_display
# A private copy: no settings file left by another run changes the start.
e2e_private_app
session_start_clock
session_wait_window "${E2E_STRIP[@]}"
e2e_expect "width at start" "${PROBE[width]}" 175

e2e_open_menu
narrow_menu=${ASK[height]}
session_key s
e2e_wait_ask_fails 5 "the menu stayed open after s" menu
e2e_wait_strip_width 350
e2e_expect "height with the real time" "${PROBE[height]}" 38
e2e_clock_settled

strip="${PROBE[width]}x${PROBE[height]}+${PROBE[left]}+${PROBE[top]}"
session_shot "$E2E_OUT/strip-350.png" "$strip"
# The band's middle row, at the right end and between the two lines.
e2e_place $E2E_BAND
band_y=$((PLACE_Y + PLACE_H / 2))
e2e_place $E2E_GAME_LINE
game_line_end=$((PLACE_X + PLACE_W))
e2e_place $E2E_REAL_LINE
band=$(e2e_pixel "$E2E_OUT/strip-350.png" $((PROBE[width] - 5)) $band_y)
e2e_expect "band beside the real line" \
    "$(e2e_pixel "$E2E_OUT/strip-350.png" $(((game_line_end + PLACE_X) / 2)) $band_y)" "$band"
real_line=$(e2e_crop $E2E_REAL_LINE)
session_shot "$E2E_OUT/real-line-1.png" "$real_line"
written=$(e2e_pixels_unlike "$E2E_OUT/real-line-1.png" "$band")
[ "$written" -gt 50 ] || session_fail "the real line ($real_line) shows only $written pixels unlike the band ($band)"
echo "ok: the real line is drawn ($written pixels unlike the band $band)"
e2e_changes "the real time" "$real_line"
echo "strip: $E2E_OUT/strip-350.png"

e2e_open_menu
[ "${ASK[height]}" -gt "$narrow_menu" ] ||
    session_fail "the menu is ${ASK[height]} px high with the real time, $narrow_menu px without: no item for its colour"
echo "ok: the menu grew by $((ASK[height] - narrow_menu)) px (the real text colour item)"
session_key s
e2e_wait_ask_fails 5 "the menu stayed open after s" menu
e2e_wait_strip_width 175

e2e_open_menu
e2e_expect "menu height without the real time" "${ASK[height]}" "$narrow_menu"
e2e_close_menu
