#!/usr/bin/env bash
# While the game runs (a window of class VLT-CL exists), the menu offers no "start the
# game" item; when the game's window goes, the item is back.
# Another process cannot read a popup menu's items, but it can read the menu window's
# size: one item fewer makes the menu shorter by that item's height, and nothing else in
# the menu depends on the game.
source "$(dirname "$0")/lib.sh"

session_start_display
# A private copy: no settings file left by another run changes the start.
e2e_private_app
session_start_clock
session_wait_window "${E2E_STRIP[@]}"

e2e_open_menu
full_height=${ASK[height]}
full_width=${ASK[width]}
echo "menu without the game: ${full_width}x$full_height"
e2e_close_menu

wine "$E2E_CLASSWIN" VLT-CL VeltriaRune 400 300 >"$E2E_OUT/game.log" 2>&1 &
game=$!
SESSION_PIDS+=($game)
e2e_wait_ask 20 "the stand-in game window did not appear" find VLT-CL VeltriaRune
game_window=${ASK[hwnd]}

e2e_open_menu
echo "menu with the game: ${ASK[width]}x${ASK[height]}"
item_height=$((full_height - ASK[height]))
[ "$item_height" -ge 10 ] && [ "$item_height" -le 40 ] ||
    session_fail "with the game the menu is ${ASK[height]} px high, without it $full_height px: not one item fewer"
echo "ok: with the game the menu is one item ($item_height px) shorter"
session_shot "$E2E_OUT/menu-with-game.png"
# x names no item now: the menu stays open and nothing is started.
session_key x
e2e_clock_settled
e2e_ask menu || session_fail "x closed the menu although the game runs"
echo "ok: x does nothing while the game runs"
e2e_close_menu

e2e_ask post "$game_window" 0x0010 0 0 || session_fail "could not ask the game window to close"
e2e_wait_exit "$game" 5
gone=$(e2e_now_ms)
e2e_ask find VLT-CL VeltriaRune && session_fail "the game window is still there"

e2e_open_menu
echo "menu $(($(e2e_now_ms) - gone)) ms after the game ended: ${ASK[width]}x${ASK[height]}"
e2e_expect "menu height after the game ended" "${ASK[height]}" "$full_height"
e2e_close_menu
