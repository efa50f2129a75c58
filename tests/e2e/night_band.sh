#!/usr/bin/env bash
# Day and night colours: at local 2026-03-01 00:00:00 the game stands at 23:56:48, night.
# Turning the day/night band on paints the band in the night colour (00007F as the settings
# file writes it, blue-green-red: red 127); turning it off brings back the plain colour.
source "$(dirname "$0")/lib.sh"

session_start_display
e2e_private_app
session_start_clock "2026-03-01 00:00:00"
session_wait_window TFormVT555 VeltriaClock
sleep 0.3

# A point of the band right of the text and below it.
band_x=170 band_y=27
band_colour() {
    session_shot "$E2E_OUT/strip-$1.png" "175x38+${PROBE[left]}+${PROBE[top]}"
    e2e_pixel "$E2E_OUT/strip-$1.png" $band_x $band_y
}
# wait_band NAME COLOUR: the band turns COLOUR within 2 s.
wait_band() {
    local deadline=$(($(e2e_now_ms) + 2000)) colour
    until colour=$(band_colour "$1") && [ "$colour" = "$2" ]; do
        [ "$(e2e_now_ms)" -lt $deadline ] || session_fail "the band is $colour $1, expected $2"
        sleep 0.1
    done
    echo "ok: band $1 = $2"
}

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
