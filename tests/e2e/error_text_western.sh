#!/usr/bin/env bash
# On a Western Windows (ANSI code page 1252) the clock lives in a folder named with "é":
# when the settings file cannot be written, the error box shows the path intact beside the
# Japanese message (each piece decoded from its own code page).
source "$(dirname "$0")/lib.sh"

export LANG=C.UTF-8
session_start_display
e2e_private_app Café
printf '%s\r\n' '[VeltriaTime]' 'XPos=200' 'YPos=100' >"$E2E_INI"
e2e_unwritable "$E2E_INI"
[[ $E2E_INI_WIN == *'\Café\VeltriaClock.ini' ]] || session_fail "Wine names the file $E2E_INI_WIN"

session_start_clock
session_wait_window "${E2E_STRIP[@]}"
e2e_open_menu
session_key e
e2e_wait_ask 10 "no message box titled Veltriaclock after E" dialog Veltriaclock
e2e_expect "message box text" "${ASK[text]:-}" "$E2E_INI_WIN に書き込めません."
session_shot "$E2E_OUT/message-box.png"
