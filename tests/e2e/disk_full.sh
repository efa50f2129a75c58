#!/usr/bin/env bash
# The disk fills up in the middle of a JPEG: the screenshot folder is a small filesystem
# with one page left, less than the picture needs. The write error shows in the message
# box, the clock runs on, and once there is room again the next press gives a whole file.
# Mounting needs the right to mount; without it the journey is skipped (77), not passed.
source "$(dirname "$0")/lib.sh"

session_start_display
e2e_private_app
e2e_screenshot_folder shots
mount -t tmpfs -o size=64k,mode=0777 vc-disk-full "$E2E_SHOTS" 2>"$E2E_OUT/mount.log" || {
    echo "SKIP: cannot mount a small filesystem here: $(cat "$E2E_OUT/mount.log")"
    exit 77
}
e2e_at_exit "umount '$E2E_SHOTS' 2>/dev/null || umount -l '$E2E_SHOTS' 2>/dev/null"

# All but one page taken: a JPEG of the game (about 4.7 kB) gets 4 kB and no more.
dd if=/dev/zero of="$E2E_SHOTS/filler" bs=4k count=15 status=none
echo "free before the press: $(df -B1 --output=avail "$E2E_SHOTS" | tail -1 | tr -d ' ') bytes"

printf '%s\r\n' '[VeltriaTime]' 'XPos=500' 'YPos=20' '[ScreenShot]' \
    "SaveFolder=$E2E_SHOTS_WIN" >"$E2E_INI"
session_start_clock "2026-03-01 12:34:56"
clock=$SESSION_CLOCK
session_wait_window "${E2E_STRIP[@]}"

e2e_start_game 300 300 >/dev/null
e2e_game_in_front
e2e_ctrl_p_until 10 "no message box when the disk filled up" e2e_ask dialog Veltriaclock
e2e_wait_ask 10 "no message box when the disk filled up" dialog Veltriaclock
box=${ASK[hwnd]}
e2e_expect "message box text" "${ASK[text]:-}" "ストリームへの書き込みエラー."
kill -0 "$clock" 2>/dev/null || session_fail "the clock ended behind the message box"
short=$(e2e_shots jpg)
echo "left by the failed write: $short, $(stat -c %s "$E2E_SHOTS/$short") bytes (the disk's last page)"
e2e_ask activate "$box" || session_fail "the message box could not take the front"
session_key Return
e2e_wait_ask_fails 5 "the message box stayed after Enter" dialog Veltriaclock

# Room again: the next press writes a whole picture of the game.
rm -f "$E2E_SHOTS/filler" "$E2E_SHOTS"/vlt_*
e2e_game_in_front
e2e_ctrl_p_until 10 "no JPEG once there was room" e2e_has_shots 1
# Written whole in the look that saw the keys, before the clock answers.
e2e_clock_settled
e2e_expect "JPEG screenshots once there was room" "$(e2e_count_shots jpg)" 1
shot=$E2E_SHOTS/$(e2e_shots jpg)
e2e_game_picture "$E2E_OUT/expected.png"
e2e_like_game_picture "$shot"
! e2e_ask dialog Veltriaclock || session_fail "a message box after the disk had room: ${ASK[text]:-}"
kill -0 "$clock" 2>/dev/null || session_fail "the clock ended"
echo "ok: the disk full showed the write error, and the next press wrote $(stat -c %s "$shot") bytes"
