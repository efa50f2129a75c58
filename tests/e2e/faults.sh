#!/usr/bin/env bash
# Faults while the clock runs, in one session: a game that closes as P goes down, a game
# minimised when Ctrl+P comes, and the settings file locked by another program at exit.
# None ends the clock or leaves half a screenshot; the lock shows the error box, and once
# it is gone a later exit stores the settings.
source "$(dirname "$0")/lib.sh"

session_start_display
e2e_private_app
e2e_screenshot_folder shots
printf '%s\r\n' '[VeltriaTime]' 'XPos=500' 'YPos=20' '[ScreenShot]' \
    "SaveFolder=$E2E_SHOTS_WIN" 'BMP=1' >"$E2E_INI"
session_start_clock "2026-03-01 12:34:56"
clock=$SESSION_CLOCK
session_wait_window "${E2E_STRIP[@]}"

# expect_whole_shots_or_none WHAT: no error box, the clock runs, and the screenshots are
# either none or a whole pair (the BMP and the JPEG of one press).
expect_whole_shots_or_none() {
    e2e_clock_settled
    if e2e_ask dialog Veltriaclock; then
        session_fail "$1 showed a message box: ${ASK[text]:-}"
    fi
    kill -0 "$clock" 2>/dev/null || session_fail "the clock ended after $1"
    local bmp jpg
    bmp=$(e2e_count_shots bmp) jpg=$(e2e_count_shots jpg)
    [ "$bmp" = "$jpg" ] && [ "$jpg" -le 1 ] ||
        session_fail "$1 left $(e2e_shots | tr '\n' ' ')"
    echo "ok: $1: no message box, the clock runs, $jpg pair(s) of screenshots"
    rm -f "$E2E_SHOTS"/vlt_*
}

# A game that ends in the middle of Ctrl+P: the clock may copy it before it goes or find
# it gone, never half of it.
e2e_start_game 300 300 vanish
e2e_ctrl_p
e2e_wait_ask_fails 5 "the vanishing game window stayed after P" find VLT-CL VeltriaRune
expect_whole_shots_or_none "a game closing as P went down"

# A minimised game has an empty client area (or is no longer in front).
e2e_start_game 300 300
e2e_ask post "$E2E_GAME" 0x112 0xF020 0 || session_fail "cannot minimise the game" # SC_MINIMIZE
e2e_settled "$E2E_GAME"
e2e_ctrl_p
expect_whole_shots_or_none "Ctrl+P on a minimised game"

# The settings file held without sharing by another program when the user quits.
holder_log=$E2E_OUT/holdfile.log
wine "$(dirname "$VC_PROBE")/holdfile.exe" "$E2E_INI_WIN" >"$holder_log" 2>&1 &
holder=$!
SESSION_PIDS+=($holder)
e2e_wait_until 20 "holdfile did not take the settings file" grep -q held "$holder_log"
e2e_open_menu
session_key e
e2e_wait_ask 10 "no message box when the settings file is locked" dialog Veltriaclock
box=${ASK[hwnd]}
e2e_expect "message box text" "${ASK[text]:-}" "$E2E_INI_WIN に書き込めません."
kill -0 "$clock" 2>/dev/null || session_fail "the clock ended behind the message box"
e2e_ask activate "$box" || session_fail "the message box could not take the front"
session_key Return
e2e_wait_ask_fails 5 "the message box stayed after Enter" dialog Veltriaclock
kill -0 "$clock" 2>/dev/null || session_fail "the clock ended after the message box"

kill "$holder"
e2e_wait_exit "$holder" 10
e2e_open_menu
session_key e
e2e_wait_exit "$clock" 10
e2e_expect "exit status once the lock is gone" "$E2E_EXIT_STATUS" 0
grep -q $'^XPos=500\r$' "$E2E_INI" || session_fail "the settings were not stored: $(cat -A "$E2E_INI")"
grep -q $'^BMP=1\r$' "$E2E_INI" || session_fail "the hand-set BMP key was lost: $(cat -A "$E2E_INI")"
echo "ok: the later exit stored the settings"
