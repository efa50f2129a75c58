#!/usr/bin/env bash
# A user's sessions on two monitors, a 1280x800 primary and a 1024x768 one to its right (the
# desktop below the shorter one, x 1280-2303, y 768-799, lies on no monitor). The strip
# starts where the settings file put it on the second monitor; the colour dialog opened from
# it comes up on that monitor; quitting stores the place. A place on no monitor lands on the
# nearest, flush with its edge. Dragged, or moved by the system, half past the second
# monitor's right edge or its bottom, the strip stays wholly on it. Then the second monitor
# is taken away: the strip stored there starts on the primary.
source "$(dirname "$0")/lib.sh"

session_start_display 1280x800 1024x768
e2e_private_app
e2e_ask monitors || session_fail "Wine tells no monitors"
monitors="${ASK[count]}: ${ASK[monitor_0]} ${ASK[monitor_0_primary]}"
monitors+=", ${ASK[monitor_1]} ${ASK[monitor_1_primary]}"
e2e_expect "monitors (primary 1, else 0)" "$monitors" "2: 1280x800+0+0 1, 1024x768+1280+0 0"

# stored_place: XPos and YPos as the settings file holds them.
stored_place() { tr -d '\r' <"$E2E_INI" | grep -E '^[XY]Pos=' | paste -sd' '; }

# start_clock X,Y: the clock comes up with its strip there; clock is its process.
start_clock() {
    e2e_clock_gone
    session_start_clock
    clock=$SESSION_CLOCK
    session_wait_window "${E2E_STRIP[@]}"
    e2e_expect "strip's place at start" "${PROBE[left]},${PROBE[top]}" "$1"
    e2e_expect "strip's size at start" "${PROBE[width]}x${PROBE[height]}" 175x38
}

# quit_and_expect_stored XPOS YPOS: E in the strip's menu, then the file holds the place.
quit_and_expect_stored() {
    e2e_quit_through_menu "$clock"
    e2e_expect "stored place" "$(stored_place)" "XPos=$1 YPos=$2"
}

# A place on the second monitor: the strip is drawn there, and the corner button there
# opens the menu under the strip.
printf '[VeltriaTime]\r\nXPos=1500\r\nYPos=100\r\n' >"$E2E_INI"
start_clock 1500,100
e2e_clock_settled
session_shot "$E2E_OUT/second-monitor.png"
e2e_expect "desktop the screenshot shows" \
    "$(identify -format '%wx%h' "$E2E_OUT/second-monitor.png")" 2304x800
session_shot "$E2E_OUT/strip-on-second.png" "175x38+1500+100"
[ "$(e2e_pixels_unlike "$E2E_OUT/strip-on-second.png" 0,0,0)" -gt 1000 ] ||
    session_fail "the strip is not drawn at 1500,100 (see $E2E_OUT/strip-on-second.png)"
echo "ok: the strip is drawn on the second monitor"

# The text colour item's dialog centres itself on the monitor of the strip.
e2e_open_menu
e2e_expect "menu's top-left" "${ASK[left]},${ASK[top]}" "1500,128"
session_key g
# Found as soon as it is made; placed before it is shown.
e2e_wait_ask 20 "no colour dialog shown after G" shown '#32770' Color + dialog Color
dialog="${ASK[width]}x${ASK[height]}+${ASK[left]}+${ASK[top]}"
echo "colour dialog: $dialog"
session_shot "$E2E_OUT/colour-dialog.png"
e2e_expect "colour dialog" "$dialog" \
    "${ASK[width]}x${ASK[height]}+$((1280 + (1024 - ASK[width]) / 2))+$(((768 - ASK[height]) / 3))"
e2e_ask activate "${ASK[hwnd]}" || session_fail "the colour dialog could not take the front"
session_key Escape
e2e_wait_ask_fails 5 "the colour dialog stayed after Escape" dialog Color
quit_and_expect_stored 1500 100

# Below the shorter monitor: the nearest monitor is the second, and the nearest place on it
# has the strip's bottom on the monitor's.
printf '[VeltriaTime]\r\nXPos=1500\r\nYPos=790\r\n' >"$E2E_INI"
start_clock 1500,730
quit_and_expect_stored 1500 730

# The user's drags, grabbed by the game line: onto the primary, then back onto the second
# monitor and on past its bottom, into the desktop on no monitor.
start_clock 1500,730
e2e_centre $E2E_GAME_LINE
grab_x=$((CENTRE_X - PROBE[left])) grab_y=$((CENTRE_Y - PROBE[top]))
e2e_prime_drag $grab_x $grab_y
e2e_drag $((PROBE[left] + grab_x)) $((PROBE[top] + grab_y)) $((600 + grab_x)) $((500 + grab_y))
e2e_wait_strip_at 600,500 "after a drag onto the primary"
e2e_drag $((PROBE[left] + grab_x)) $((PROBE[top] + grab_y)) $((1800 + grab_x)) $((600 + grab_y))
e2e_wait_strip_at 1800,600 "after a drag back onto the second monitor"
# Wine's move loop keeps the pointer in the work area of the monitor it last saw the pointer
# on; on a busy machine it sees only some of the steps, so a drag that ends on no monitor
# starts where the monitor it ends near is certain: on it.
e2e_drag $((PROBE[left] + grab_x)) $((PROBE[top] + grab_y)) $((1800 + grab_x)) 795
e2e_wait_strip_at 1800,730 "after a drag past the second monitor's bottom"

# Moves by the system, as another program or a window manager makes them: each proposed
# place keeps the strip whole on the monitor it mostly lies on.
e2e_ask find "${E2E_STRIP[@]}" || session_fail "no strip to move"
strip=${ASK[hwnd]}
# move_and_expect X,Y WHAT AT: the system moves the strip to X,Y; it stands at AT.
move_and_expect() {
    e2e_ask move "$strip" "${1%,*}" "${1#*,}" || session_fail "the strip could not be moved to $1"
    e2e_clock_settled
    e2e_wait_strip_at "$3" "$2"
}
move_and_expect 2217,100 "half past the second monitor's right edge" 2129,100
move_and_expect 1800,749 "half past its bottom" 1800,730
move_and_expect 2217,749 "half past its bottom-right corner" 2129,730
move_and_expect 1250,300 "mostly on the second, a little on the primary" 1280,300
move_and_expect 1150,300 "mostly on the primary, a little on the second" 1105,300
move_and_expect 2217,100 "back on the second, half past its right edge" 2129,100
quit_and_expect_stored 2129 100

# The second monitor is gone at the next start. While loading, the strip has the designed
# 350 px width, so the stored place is clamped for that width: 1280 - 350 = 930.
session_stop_display
session_start_display 1280x800
e2e_ask monitors || session_fail "Wine tells no monitors"
e2e_expect "monitors" "${ASK[count]}: ${ASK[monitor_0]}" "1: 1280x800+0+0"
start_clock 930,100
quit_and_expect_stored 930 100
echo "screens: $E2E_OUT"
