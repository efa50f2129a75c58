#!/usr/bin/env bash
# The strip is dragged by any point of it and never leaves the 1024x768 desktop: pulled past
# the right and bottom edges it stops flush with them, past the left and top at 0,0.
source "$(dirname "$0")/lib.sh"

session_start_display
# A private copy: no settings file left by another run changes the start.
e2e_private_app
session_start_clock
session_wait_window "${E2E_STRIP[@]}"
e2e_expect "size" "${PROBE[width]}x${PROBE[height]}" 175x38

# Grabbed by the game line's middle.
e2e_centre $E2E_GAME_LINE
grab_x=$((CENTRE_X - PROBE[left])) grab_y=$((CENTRE_Y - PROBE[top]))
e2e_prime_drag $grab_x $grab_y

e2e_drag $((PROBE[left] + grab_x)) $((PROBE[top] + grab_y)) 400 300
e2e_wait_strip_at "$((400 - grab_x)),$((300 - grab_y))" "after a drag to the middle"

# The pointer stops at the screen's last pixel, 1023,767; the grab point's offset would
# carry the strip past the right and bottom edges.
e2e_drag $((PROBE[left] + grab_x)) $((PROBE[top] + grab_y)) 1023 767
e2e_wait_strip_at "$((1024 - 175)),$((768 - 38))" "after a drag past the bottom-right"
session_shot "$E2E_OUT/bottom-right.png"

e2e_drag $((PROBE[left] + grab_x)) $((PROBE[top] + grab_y)) 0 0
e2e_wait_strip_at "0,0" "after a drag past the top-left"
e2e_expect "size after the drags" "${PROBE[width]}x${PROBE[height]}" 175x38
