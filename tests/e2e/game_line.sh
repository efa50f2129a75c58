#!/usr/bin/env bash
# At local 2026-03-01 00:00:24 the game stands at 03/008 00:00:00, and its clock runs
# eight times as fast: for the first 75 real seconds the line reads 555年03月008日  00:0x:xx
# (a window wide enough for a slow start of Wine on a busy machine).
source "$(dirname "$0")/lib.sh"

session_start_display
session_start_clock "2026-03-01 00:00:24"
session_wait_window "${E2E_STRIP[@]}"
e2e_clock_settled

e2e_place $E2E_GAME_LINE
line_x=$((PROBE[left] + PLACE_X)) line_y=$((PROBE[top] + PLACE_Y))
date_cells=20 # "555年03月008日  00:0"
seconds_cell=22

session_shot "$E2E_OUT/strip.png" "${PROBE[width]}x${PROBE[height]}+${PROBE[left]}+${PROBE[top]}"
session_shot "$E2E_OUT/date.png" "$((date_cells * PLACE_CELL))x$PLACE_H+$line_x+$line_y"
e2e_same_picture "game date and hour" "$E2E_OUT/date.png" \
    "$E2E_DIR/reference/game-line-2026-03-01-0024.png"

e2e_changes "the game seconds" \
    "$((2 * PLACE_CELL))x$PLACE_H+$((line_x + seconds_cell * PLACE_CELL))+$line_y"
echo "strip: $E2E_OUT/strip.png"
