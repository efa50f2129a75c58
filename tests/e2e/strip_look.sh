#!/usr/bin/env bash
# The exe draws the strip as designed: its screenshot equals the software render of the
# designed strip pixel for pixel, outside the labels' row (the font there is Wine's).
source "$(dirname "$0")/lib.sh"

session_start_display
session_start_clock
session_wait_window TFormVT555 VeltriaClock
sleep 0.5

session_shot "$E2E_OUT/strip.png" "175x38+${PROBE[left]}+${PROBE[top]}"
labels="rectangle 22,13 174,24"
convert "$E2E_OUT/strip.png" -fill black -draw "$labels" "$E2E_OUT/strip-masked.png"
convert "$E2E_DIR/../form/golden/designed-175.png" -fill black -draw "$labels" \
    "$E2E_OUT/render-masked.png"
differing=$(compare -metric AE "$E2E_OUT/strip-masked.png" "$E2E_OUT/render-masked.png" \
    "$E2E_OUT/difference.png" 2>&1) || true
[ "$differing" = 0 ] || session_fail "$differing pixels differ from the software render (see $E2E_OUT)"
echo "ok: frames, band and button equal the software render"
