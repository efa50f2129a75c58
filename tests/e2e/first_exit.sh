#!/usr/bin/env bash
# A first start with no settings file: the corner button opens the menu just below the
# strip, E ends the program, and the file left behind holds the first-run settings.
source "$(dirname "$0")/lib.sh"

session_start_display
e2e_private_app
[ ! -e "$E2E_INI" ] || session_fail "a settings file exists before the first start"
session_start_clock
clock=$SESSION_CLOCK
session_wait_window "${E2E_STRIP[@]}"
strip_left=${PROBE[left]}
strip_top=${PROBE[top]}

e2e_open_menu
e2e_expect "menu's top-left" "${ASK[left]},${ASK[top]}" "$strip_left,$((strip_top + 28))"
[ "${ASK[height]}" -gt 0 ] || session_fail "the menu window has no height"
session_shot "$E2E_OUT/menu.png"

session_key e
e2e_wait_exit "$clock" 10
e2e_expect "exit status" "$E2E_EXIT_STATUS" 0
e2e_ask count TFormVT555
e2e_expect "clock windows after exit" "${ASK[count]}" 0

# A program asking for the documents folder by its item list gets Wine's answer with a
# closing backslash; it must still name the folder SHGetFolderPath names.
e2e_ask documents || session_fail "Wine names no documents folder"
documents=${ASK[item_list_path]:-}
e2e_expect "documents folder through its item list" "${documents%\\}" "${ASK[path]}"

[ -f "$E2E_INI" ] || session_fail "no settings file after exit"
printf '[VeltriaTime]\r\nXPos=0\r\nYPos=0\r\nColor=FFFFFF\r\n24Hour=1\r\n[RealTime]\r\nShow=0\r\nColor=FFFFFF\r\n[BackGroundColor]\r\nDayOrNight=0\r\nDefaultColor=000000\r\nDayColor=FF0000\r\nNightColor=00007F\r\n[ScreenShot]\r\nCtrlP_Save=1\r\nSaveFolder=%s\r\n' \
    "$documents" >"$E2E_OUT/expected.ini"
e2e_same_bytes "settings file" "$E2E_INI" "$E2E_OUT/expected.ini"
echo "settings: $E2E_INI"
