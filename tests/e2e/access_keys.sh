#!/usr/bin/env bash
# The 24-hour item's access key is 2 on every system, in the form of the system's code page:
# "24時間表記(&2)" on a Japanese Windows, "&24時間表記" on a Western one. The menu is shot
# for the eye (its items cannot be read from another process); pressing 2 switches to the
# 12-hour display, which the settings file holds after quitting.
#   access_keys.sh LANG
source "$(dirname "$0")/lib.sh"

export LANG=${1:?usage: access_keys.sh LANG}
session_start_display
e2e_private_app
printf '%s\r\n' '[VeltriaTime]' 'XPos=300' 'YPos=200' '24Hour=1' >"$E2E_INI"
session_start_clock
session_wait_window "${E2E_STRIP[@]}"

e2e_open_menu
session_shot "$E2E_OUT/menu.png" "${ASK[width]}x${ASK[height]}+${ASK[left]}+${ASK[top]}"
echo "menu under $LANG: $E2E_OUT/menu.png"
session_key 2
e2e_wait_ask_fails 5 "the menu stayed open after 2" menu

e2e_quit_through_menu "$SESSION_CLOCK"
grep -q $'^24Hour=0\r$' "$E2E_INI" ||
    session_fail "2 did not switch to the 12-hour display: $(cat -A "$E2E_INI")"
echo "ok: 2 switched to the 12-hour display"
