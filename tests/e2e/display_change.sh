#!/usr/bin/env bash
# The display made smaller while the clock runs, as a game switching resolution makes it
# (ChangeDisplaySettings; Wine then tells every window WM_DISPLAYCHANGE): a strip that would
# reach past the new right or bottom edge is pulled back flush with it, a strip still wholly
# inside stays where it is, and quitting stores where it ended.
# A change made from outside Wine (xrandr on the display) reaches Wine's idea of the monitors
# but no WM_DISPLAYCHANGE: under Wine the clock is not told of it.
source "$(dirname "$0")/lib.sh"

session_start_display 1280x800
e2e_private_app
printf '[VeltriaTime]\r\nXPos=100\r\nYPos=100\r\n' >"$E2E_INI"
session_start_clock
clock=$SESSION_CLOCK
session_wait_window "${E2E_STRIP[@]}"
e2e_expect "strip's place at start" "${PROBE[left]},${PROBE[top]}" 100,100
strip=${PROBE[hwnd]}

# display_becomes WxH: the display takes that size, and Wine's monitor has it.
display_becomes() {
    e2e_ask display-mode "${1%x*}" "${1#*x}" ||
        session_fail "the display did not take $1 (result ${ASK[result]:-?})"
    e2e_ask monitors || session_fail "Wine tells no monitors"
    e2e_expect "monitors after the change" "${ASK[count]}: ${ASK[monitor_0]}" "1: $1+0+0"
}

# move_to X,Y: the system moves the strip there, wholly inside the display.
move_to() {
    e2e_ask move "$strip" "${1%,*}" "${1#*,}" || session_fail "the strip could not be moved to $1"
    e2e_wait_strip_at "$1" "after a move"
}

# Near the right edge: its right at 1275 of 1280.
move_to 1100,300
display_becomes 1024x768
e2e_wait_strip_at 849,300 "after the display became 1024x768"

move_to 100,100
display_becomes 800x600
e2e_clock_settled
e2e_wait_strip_at 100,100 "inside 800x600, not moved"

# Near the bottom-right corner: its right at 775, its bottom at 588.
move_to 600,550
display_becomes 640x480
e2e_wait_strip_at 465,442 "after the display became 640x480"
e2e_expect "strip's size" "${PROBE[width]}x${PROBE[height]}" 175x38
session_shot "$E2E_OUT/640x480.png"

e2e_quit_through_menu "$clock"
e2e_expect "stored place" "$(tr -d '\r' <"$E2E_INI" | grep -E '^[XY]Pos=' | paste -sd' ')" \
    "XPos=465 YPos=442"
echo "screens: $E2E_OUT"
