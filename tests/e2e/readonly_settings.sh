#!/usr/bin/env bash
# Quitting when the settings file cannot be written: the clock says so in a message box,
# and after OK it keeps running; the file is left as it was.
source "$(dirname "$0")/lib.sh"

session_start_display
e2e_private_app
printf '%s\r\n' '[VeltriaTime]' 'XPos=200' 'YPos=100' >"$E2E_INI"
cp "$E2E_INI" "$E2E_OUT/before.ini"
e2e_unwritable "$E2E_INI"

session_start_clock
clock=$SESSION_CLOCK
session_wait_window "${E2E_STRIP[@]}"
e2e_expect "position from the file" "${PROBE[left]},${PROBE[top]}" "200,100"

e2e_open_menu
session_key e
e2e_wait_ask 10 "no message box titled Veltriaclock after E" dialog Veltriaclock
box=${ASK[hwnd]}
e2e_expect "message box title" "${ASK[title]}" Veltriaclock
e2e_expect "message box text" "${ASK[text]:-}" "$E2E_INI_WIN に書き込めません."
echo "message: ${ASK[text]}"
session_shot "$E2E_OUT/message-box.png"
kill -0 "$clock" 2>/dev/null || session_fail "the clock ended behind the message box"

e2e_ask activate "$box" || session_fail "the message box could not take the front"
session_key Return
e2e_wait_ask_fails 5 "the message box stayed after Enter" dialog Veltriaclock

e2e_clock_settled
kill -0 "$clock" 2>/dev/null || session_fail "the clock ended after the message box"
session_probe "${E2E_STRIP[@]}" || session_fail "the clock window is gone after the message box"
e2e_changes "the game line after the message box" "$(e2e_crop $E2E_GAME_LINE)"

e2e_same_bytes "settings file" "$E2E_INI" "$E2E_OUT/before.ini"
