#!/usr/bin/env bash
# A user's whole session with the strip away from 0,0: it starts where the settings file
# put it, is dragged elsewhere, the corner button looks and opens the menu at the new place,
# the real time goes on and off without moving it, right clicks open nothing, E quits and
# stores the new place; the next start comes up there.
source "$(dirname "$0")/lib.sh"

session_start_display
e2e_private_app
printf '[VeltriaTime]\r\nXPos=100\r\nYPos=50\r\n' >"$E2E_INI"
session_start_clock
clock=$SESSION_CLOCK
session_wait_window "${E2E_STRIP[@]}"
e2e_expect "stored place at start" "${PROBE[left]},${PROBE[top]}" "100,50"

# e2e_expect_strip_at X,Y WHAT: the system reports the strip there.
expect_strip_at() {
    session_probe "${E2E_STRIP[@]}" || session_fail "the strip went away ($2)"
    e2e_expect "strip's place $2" "${PROBE[left]},${PROBE[top]}" "$1"
}

# The corner button and the game line, from the strip's corner.
e2e_place $E2E_BUTTON
button="${PLACE_W}x$PLACE_H" button_x=$PLACE_X button_y=$PLACE_Y
button_centre_x=$((PLACE_X + PLACE_W / 2)) button_centre_y=$((PLACE_Y + PLACE_H / 2))
e2e_place $E2E_GAME_LINE
line_centre_x=$((PLACE_X + PLACE_W / 2)) line_centre_y=$((PLACE_Y + PLACE_H / 2))

# button_shot NAME: the corner button as the screen shows it, once the clock has seen where
# the pointer is (its look follows the pointer) and painted that.
button_shot() {
    e2e_clock_settled
    session_shot "$E2E_OUT/$1.png" "$button+$((PROBE[left] + button_x))+$((PROBE[top] + button_y))"
}

# no_menu_after WHAT: once the clock has handled WHAT, no popup menu is shown.
no_menu_after() {
    e2e_clock_settled
    ! e2e_ask menu || session_fail "$1 opened a menu at ${ASK[left]},${ASK[top]}"
    echo "ok: $1 opens nothing"
}

grab_x=$line_centre_x grab_y=$line_centre_y
e2e_prime_drag $grab_x $grab_y
e2e_drag $((PROBE[left] + grab_x)) $((PROBE[top] + grab_y)) $((500 + grab_x)) $((300 + grab_y))
e2e_wait_strip_at 500,300 "after the drag"

session_point_at 900 700
button_shot button-away
session_point_at $((100 + button_centre_x)) $((50 + button_centre_y))
button_shot button-old-place
e2e_same_picture "button with the pointer over its old place" "$E2E_OUT/button-old-place.png" \
    "$E2E_OUT/button-away.png"
session_point_at $((500 + button_centre_x)) $((300 + button_centre_y))
# The look follows the pointer on the clock's tick, and a paint follows that: answers from the
# clock's thread do not mean both have run (sent messages come first), so the look is waited for.
e2e_wait_shot_differs 5 "the button shows no hover look at the strip's new place" \
    "$E2E_OUT/button-hover.png" "$button+$((500 + button_x))+$((300 + button_y))" \
    "$E2E_OUT/button-away.png"
echo "ok: the button's hover look at the new place ($E2E_DIFFERING pixels changed)"

e2e_open_menu
e2e_expect "menu's top-left" "${ASK[left]},${ASK[top]}" "500,328"
session_shot "$E2E_OUT/menu-at-new-place.png"
e2e_close_menu

e2e_open_menu
session_key s
e2e_wait_ask_fails 5 "the menu stayed open after s" menu
e2e_wait_strip_width 350
expect_strip_at 500,300 "with the real time"
e2e_open_menu
session_key s
e2e_wait_ask_fails 5 "the menu stayed open after s" menu
e2e_wait_strip_width 175
expect_strip_at 500,300 "without the real time"

session_click $((500 + line_centre_x)) $((300 + line_centre_y)) 3
no_menu_after "a right click on the strip"
session_click $((500 + button_centre_x)) $((300 + button_centre_y)) 3
no_menu_after "a right click on the corner button"
expect_strip_at 500,300 "after the right clicks"

e2e_quit_through_menu "$clock"
stored=$(tr -d '\r' <"$E2E_INI" | grep -E '^[XY]Pos=' | paste -sd' ')
e2e_expect "stored place after the session" "$stored" "XPos=500 YPos=300"
cp "$E2E_INI" "$E2E_OUT/settings-after-first-run.ini"

e2e_clock_gone
session_start_clock
clock=$SESSION_CLOCK
session_wait_window "${E2E_STRIP[@]}"
e2e_expect "place at the next start" "${PROBE[left]},${PROBE[top]}" "500,300"
session_shot "$E2E_OUT/second-start.png"
e2e_open_menu
session_key e
e2e_wait_exit "$clock" 10
stored=$(tr -d '\r' <"$E2E_INI" | grep -E '^[XY]Pos=' | paste -sd' ')
e2e_expect "stored place after the second run" "$stored" "XPos=500 YPos=300"
echo "screens: $E2E_OUT"
