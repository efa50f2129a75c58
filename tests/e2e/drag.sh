#!/usr/bin/env bash
# The strip is dragged by any point of it and never leaves the 1024x768 desktop: pulled past
# the right and bottom edges it stops flush with them, past the left and top at 0,0.
source "$(dirname "$0")/lib.sh"

session_start_display
# A private copy: no settings file left by another run changes the start.
e2e_private_app
session_start_clock
session_wait_window TFormVT555 VeltriaClock
e2e_expect "size" "${PROBE[width]}x${PROBE[height]}" 175x38

grab_x=100 grab_y=20
e2e_prime_drag $grab_x $grab_y

e2e_drag $((PROBE[left] + grab_x)) $((PROBE[top] + grab_y)) 400 300
session_probe TFormVT555 VeltriaClock || session_fail "the strip went away during a drag"
e2e_expect "position after a drag to the middle" "${PROBE[left]},${PROBE[top]}" \
    "$((400 - grab_x)),$((300 - grab_y))"

# The pointer stops at the screen's last pixel, 1023,767; the grab point's offset would
# carry the strip 75 px and 9 px past the edges.
e2e_drag $((PROBE[left] + grab_x)) $((PROBE[top] + grab_y)) 1023 767
session_probe TFormVT555 VeltriaClock || session_fail "the strip went away during a drag"
e2e_expect "position after a drag past the bottom-right" "${PROBE[left]},${PROBE[top]}" \
    "$((1024 - 175)),$((768 - 38))"
session_shot "$E2E_OUT/bottom-right.png"

e2e_drag $((PROBE[left] + grab_x)) $((PROBE[top] + grab_y)) 0 0
session_probe TFormVT555 VeltriaClock || session_fail "the strip went away during a drag"
e2e_expect "position after a drag past the top-left" "${PROBE[left]},${PROBE[top]}" "0,0"
e2e_expect "size after the drags" "${PROBE[width]}x${PROBE[height]}" 175x38
