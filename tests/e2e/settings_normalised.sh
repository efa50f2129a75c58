#!/usr/bin/env bash
# A hand-edited settings file with odd values: the clock reads them, and quitting through
# the menu writes them back in their plain form (hexadecimal position in decimal, any
# non-zero flag as 1, a screenshot folder that does not exist replaced by the documents
# folder); a system colour stays as it is, and what the clock does not know is kept.
source "$(dirname "$0")/lib.sh"

session_start_display
e2e_private_app
printf '%s\r\n' '[VeltriaTime]' 'XPos=0x64' 'YPos=50' 'Color=80000008' '24Hour=2' \
    '[Mine]' 'Answer=42' \
    '[RealTime]' 'Show=0' 'Color=FFFFFF' \
    '[BackGroundColor]' 'DayOrNight=0' 'DefaultColor=000000' 'DayColor=FF0000' 'NightColor=00007F' \
    '[ScreenShot]' 'CtrlP_Save=1' 'SaveFolder=C:\does\not\exist' 'BMP=1' >"$E2E_INI"
cp "$E2E_INI" "$E2E_OUT/prepared.ini"

e2e_ask documents || session_fail "Wine names no documents folder"
documents=${ASK[item_list_path]:-}
[ -n "$documents" ] || session_fail "Wine gives no documents folder through its item list"

session_start_clock
clock=$SESSION_CLOCK
session_wait_window "${E2E_STRIP[@]}"
e2e_expect "position from XPos=0x64, YPos=50" "${PROBE[left]},${PROBE[top]}" "100,50"

e2e_quit_through_menu "$clock"

printf '%s\r\n' '[VeltriaTime]' 'XPos=100' 'YPos=50' 'Color=80000008' '24Hour=1' \
    '[Mine]' 'Answer=42' \
    '[RealTime]' 'Show=0' 'Color=FFFFFF' \
    '[BackGroundColor]' 'DayOrNight=0' 'DefaultColor=000000' 'DayColor=FF0000' 'NightColor=00007F' \
    '[ScreenShot]' 'CtrlP_Save=1' "SaveFolder=$documents" 'BMP=1' >"$E2E_OUT/expected.ini"
e2e_same_bytes "settings file after quitting" "$E2E_INI" "$E2E_OUT/expected.ini"
echo "settings: $E2E_INI"
