#!/usr/bin/env bash
# Without a settings file Ctrl+P is on and saves a JPEG alone, in the documents folder. The
# menu's Ctrl+P item turns saving off; quitting stores that, the next start saves nothing
# until the item turns it on again.
source "$(dirname "$0")/lib.sh"

session_start_display
e2e_private_app
e2e_game_picture "$E2E_OUT/expected.png"
e2e_ask documents || session_fail "Wine names no documents folder"
documents_win=${ASK[item_list_path]:-${ASK[path]}}
E2E_SHOTS=$(winepath -u "$documents_win" 2>/dev/null | tr -d '\r')
[ -d "$E2E_SHOTS" ] || session_fail "the documents folder $documents_win ($E2E_SHOTS) is missing"
# The faked day, years ahead, tells this journey's files from any other (the prefix's
# documents folder is its own, but other journeys may save there too); they are removed.
E2E_SHOT_NAMES='vlt_20300102_*'
rm -f "$E2E_SHOTS"/vlt_20300102_*
e2e_at_exit "rm -f '$E2E_SHOTS'/vlt_20300102_*"
echo "documents folder: $documents_win ($E2E_SHOTS)"

session_start_clock "2030-01-02 03:04:05"
clock=$SESSION_CLOCK
session_wait_window "${E2E_STRIP[@]}"
e2e_start_game 300 200
e2e_ctrl_p_saves 1
e2e_expect "BMP screenshots without BMP=1" "$(e2e_count_shots bmp)" 0
name=$(e2e_shots jpg)
echo "screenshot: $name"
[[ $name =~ ^vlt_20300102_030[4-9][0-9]{2}_[0-9]{4}\.jpg$ ]] ||
    session_fail "the name $name is not vlt_20300102_hhmmss_mmmm.jpg, a few seconds after 03:04:05"
e2e_like_game_picture "$E2E_SHOTS/$name"

# The item's access key is P; the menu closes after it.
e2e_open_menu
session_key p
e2e_wait_ask_fails 5 "the menu stayed open after p" menu
e2e_game_in_front
e2e_ctrl_p
e2e_expect_files_stay "Ctrl+P turned off in the menu" 1

e2e_quit_through_menu "$clock"
grep -q $'^CtrlP_Save=0\r$' "$E2E_INI" ||
    session_fail "the settings file has no CtrlP_Save=0: $(cat -A "$E2E_INI")"
echo "ok: the settings file holds CtrlP_Save=0"

e2e_clock_gone
session_start_clock "2030-01-02 05:00:00"
session_wait_window "${E2E_STRIP[@]}"
e2e_game_in_front
e2e_ctrl_p
e2e_expect_files_stay "Ctrl+P with CtrlP_Save=0 in the settings file" 1

e2e_open_menu
session_key p
e2e_wait_ask_fails 5 "the menu stayed open after p" menu
e2e_game_in_front
e2e_ctrl_p_saves 2
e2e_expect "BMP screenshots without BMP=1" "$(e2e_count_shots bmp)" 0
e2e_shots | grep -q '^vlt_20300102_0500' ||
    session_fail "no screenshot of the second start: $(e2e_shots)"
e2e_shots
