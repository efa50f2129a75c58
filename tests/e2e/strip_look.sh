#!/usr/bin/env bash
# The exe draws the strip as designed: its screenshot equals the software render of the
# designed strip pixel for pixel, outside the labels' row (the font there is Wine's).
source "$(dirname "$0")/lib.sh"

session_start_display
session_start_clock
session_wait_window TFormVT555 VeltriaClock
e2e_clock_settled

session_shot "$E2E_OUT/strip.png" "${PROBE[width]}x${PROBE[height]}+${PROBE[left]}+${PROBE[top]}"
# From the game line's corner to the strip's right edge, as high as the line.
e2e_place $E2E_GAME_LINE
labels="rectangle $PLACE_X,$PLACE_Y $((PROBE[width] - 1)),$((PLACE_Y + PLACE_H - 1))"
convert "$E2E_OUT/strip.png" -fill black -draw "$labels" "$E2E_OUT/strip-masked.png"
convert "$E2E_DIR/../form/golden/designed-175.png" -fill black -draw "$labels" \
    "$E2E_OUT/render-masked.png"
differing=$(compare -metric AE "$E2E_OUT/strip-masked.png" "$E2E_OUT/render-masked.png" \
    "$E2E_OUT/difference.png" 2>&1) || true
[ "$differing" = 0 ] || session_fail "$differing pixels differ from the software render (see $E2E_OUT)"
echo "ok: frames, band and button equal the software render"
