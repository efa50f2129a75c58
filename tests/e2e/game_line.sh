#!/usr/bin/env bash
# At local 2026-03-01 00:00:24 the game stands at 03/008 00:00:00, and its clock runs
# eight times as fast: for the first 75 real seconds the line reads 555年03月008日  00:0x:xx
# (a window wide enough for a slow start of Wine on a busy machine).
source "$(dirname "$0")/lib.sh"

session_start_display
session_start_clock "2026-03-01 00:00:24"
session_wait_window TFormVT555 VeltriaClock
sleep 0.5

left=${PROBE[left]}
top=${PROBE[top]}
# The text starts at (22, 13) in the strip, 6 px per half-width cell, 12 px high.
date_cells=20 # "555年03月008日  00:0"

session_shot "$E2E_OUT/strip.png" "175x38+$left+$top"
session_shot "$E2E_OUT/date.png" "$((date_cells * 6))x12+$((left + 22))+$((top + 13))"
e2e_same_picture "game date and hour" "$E2E_OUT/date.png" \
    "$E2E_DIR/reference/game-line-2026-03-01-0024.png"

e2e_changes "the game seconds" "12x12+$((left + 22 + 22 * 6))+$((top + 13))"
echo "strip: $E2E_OUT/strip.png"
