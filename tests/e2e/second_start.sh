#!/usr/bin/env bash
# Starting the clock again while it runs: the second start brings the running clock to the
# front and ends at once; there is still one clock and one tray icon.
source "$(dirname "$0")/lib.sh"

session_start_display
# A private copy: no settings file left by another run changes the start.
e2e_private_app
session_start_clock
first=$SESSION_CLOCK
session_wait_window "${E2E_STRIP[@]}"
e2e_ask find "${E2E_STRIP[@]}" || session_fail "winask does not see the clock"
first_window=${ASK[hwnd]}

e2e_other_program_in_front 400 300

started=$(e2e_now_ms)
wine "$VC_EXE" >"$E2E_OUT/second.log" 2>&1 &
second=$!
SESSION_PIDS+=($second)
e2e_wait_exit "$second" 10
took=$(($(e2e_now_ms) - started))
e2e_expect "second start's exit status" "$E2E_EXIT_STATUS" 0
[ "$took" -lt 5000 ] || session_fail "the second start took $took ms to end"
echo "ok: the second start ended after $took ms"

e2e_ask foreground || session_fail "no foreground window after the second start"
e2e_expect "front window after the second start" "${ASK[class]} ${ASK[hwnd]}" "TFormVT555 $first_window"
e2e_ask count TFormVT555
e2e_expect "clock windows" "${ASK[count]}" 1
kill -0 "$first" 2>/dev/null || session_fail "the first clock ended"
e2e_tray_icons
e2e_expect "tray icons" "$E2E_TRAY_ICONS" 1
