#!/usr/bin/env bash
# Day and night colours: at local 2026-03-01 00:00:00 the game stands at 23:56:48, night.
# Turning the day/night band on paints the band in the night colour (00007F as the settings
# file writes it, blue-green-red: red 127); turning it off brings back the plain colour.
source "$(dirname "$0")/lib.sh"

session_start_display
e2e_private_app
session_start_clock "2026-03-01 00:00:00"
session_wait_window "${E2E_STRIP[@]}"

# A point of the band right of the text and below it: its row but one at the bottom, near
# the strip's right end.
e2e_place $E2E_BAND
band_x=$((PROBE[width] - 5)) band_y=$((PLACE_Y + PLACE_H - 2))
band_is() {
    session_shot "$E2E_OUT/strip-$1.png" "${PROBE[width]}x${PROBE[height]}+${PROBE[left]}+${PROBE[top]}"
    BAND_COLOUR=$(e2e_pixel "$E2E_OUT/strip-$1.png" $band_x $band_y)
    [ "$BAND_COLOUR" = "$2" ]
}
# wait_band NAME COLOUR: the band turns COLOUR within 2 s.
wait_band() {
    e2e_poll 2 band_is "$1" "$2" || session_fail "the band is $BAND_COLOUR $1, expected $2"
    echo "ok: band $1 = $2"
}

e2e_clock_settled
wait_band plain 0,0,0
e2e_open_menu
session_key h
e2e_wait_ask_fails 5 "the menu stayed open after h" menu
wait_band at-night 127,0,0
echo "strip: $E2E_OUT/strip-at-night.png"

e2e_open_menu
session_key h
e2e_wait_ask_fails 5 "the menu stayed open after h" menu
wait_band "turned-off-again" 0,0,0
