#!/usr/bin/env bash
# Ctrl+P while the game's window is in front saves that window's client area: with BMP=1 in
# the settings an uncompressed BMP, then the JPEG, both named after the local time. Holding
# the keys gives one screenshot; each new press of P gives one more. P pressed before Ctrl,
# P alone, or Ctrl+P with another program in front give none.
source "$(dirname "$0")/lib.sh"

session_start_display
e2e_private_app
e2e_screenshot_folder shots
printf '%s\r\n' '[ScreenShot]' 'CtrlP_Save=1' "SaveFolder=$E2E_SHOTS_WIN" 'BMP=1' >"$E2E_INI"
e2e_game_picture "$E2E_OUT/expected.png"

# The clock's local time starts at 12:34:56.000 and runs on.
started=$(e2e_now_ms)
session_start_clock "2026-03-01 12:34:56"
session_wait_window "${E2E_STRIP[@]}"
e2e_start_game 300 200
session_probe VLT-CL VeltriaRune || session_fail "winask does not see the game window"
e2e_expect "game client size" "${PROBE[client_width]}x${PROBE[client_height]}" "$E2E_GAME_SIZE"
# Painted once its thread has been back in its loop.
e2e_settled "$E2E_GAME"
session_shot "$E2E_OUT/screen.png"
session_shot "$E2E_OUT/game-on-screen.png" "$E2E_GAME_SIZE+300+200"
e2e_expect "pixels of the game on the screen unlike its picture" \
    "$(compare -metric AE "$E2E_OUT/game-on-screen.png" "$E2E_OUT/expected.png" null: 2>&1)" 0

# Ctrl, then P, held for two seconds: one screenshot, taken when P went down.
xdotool keydown ctrl
e2e_keys_reached
pressed=$(e2e_now_ms)
xdotool keydown p
e2e_wait_until 5 "no screenshot within 5 s of Ctrl+P" e2e_has_shots 1
seen=$(e2e_now_ms)
echo "first screenshot seen $((seen - pressed)) ms after P went down"
# Real time passing is the point: the clock looks at the held keys 200 times in 2 s.
sleep 2
e2e_clock_settled
e2e_expect "JPEG screenshots after holding Ctrl+P for 2 s" "$(e2e_count_shots jpg)" 1
e2e_expect "BMP screenshots after holding Ctrl+P for 2 s" "$(e2e_count_shots bmp)" 1
e2e_keys keyup p
e2e_expect "JPEG screenshots after releasing P" "$(e2e_count_shots jpg)" 1

name=$(e2e_shots jpg)
name=${name%.jpg}
jpeg=$E2E_SHOTS/$name.jpg
echo "screenshot: $name"
[[ $name =~ ^vlt_20260301_([0-9]{2})([0-9]{2})([0-9]{2})_([0-9]{4})$ ]] ||
    session_fail "the name $name is not vlt_20260301_hhmmss_mmmm"
taken=$(((10#${BASH_REMATCH[1]} * 3600 + 10#${BASH_REMATCH[2]} * 60 + 10#${BASH_REMATCH[3]}) *
    1000 + 10#${BASH_REMATCH[4]}))
# The fake clock starts a little after `started`, as Wine takes its time to start, and up to
# a second ahead.
start_of_day=$(((12 * 3600 + 34 * 60 + 56) * 1000))
earliest=$((start_of_day + pressed - started - 5000))
latest=$((start_of_day + seen - started + 1000))
[ "${BASH_REMATCH[4]}" -lt 1000 ] ||
    session_fail "$name: milliseconds ${BASH_REMATCH[4]} out of range"
[ "$taken" -ge "$earliest" ] && [ "$taken" -le "$latest" ] ||
    session_fail "$name: taken at $taken ms of the day, expected $earliest..$latest"
echo "ok: named after the local time at the press ($taken ms of the day, $earliest..$latest)"

bmp=$E2E_SHOTS/$name.bmp
[ -f "$bmp" ] || session_fail "no BMP beside $name.jpg: $(ls "$E2E_SHOTS" | tr '\n' ' ')"
e2e_expect "BMP size (54 + 4 * 320 * 240)" "$(stat -c %s "$bmp")" 307254
e2e_expect "BMP bits per pixel, compression" "$(od -An -tu2 -j28 -N4 "$bmp" | xargs)" "32 0"
convert "$bmp" -alpha off "$E2E_OUT/bmp.png"
e2e_expect "pixels of the BMP unlike the game's picture" \
    "$(compare -metric AE "$E2E_OUT/bmp.png" "$E2E_OUT/expected.png" null: 2>&1)" 0

e2e_expect "JPEG size, quality" "$(identify -format '%wx%h %Q' "$jpeg")" "$E2E_GAME_SIZE 100"
e2e_like_game_picture "$jpeg"
# near X Y R,G,B: the JPEG's pixel there is within 8 of that colour in each channel.
near() {
    local found
    found=$(e2e_pixel "$E2E_OUT/screenshot.png" "$1" "$2")
    awk -v a="$found" -v b="$3" 'BEGIN {
        split(a, x, ","); split(b, y, ",")
        for (i = 1; i <= 3; i++) if (x[i] - y[i] > 8 || y[i] - x[i] > 8) exit 1 }' ||
        session_fail "the JPEG's pixel at $1,$2 is $found, expected about $3"
    echo "ok: JPEG pixel at $1,$2 = $found (about $3)"
}
near 20 100 255,255,255
near 60 100 255,255,0
near 100 100 0,255,255
near 140 100 0,255,0
near 180 100 255,0,255
near 220 100 255,0,0
near 260 100 0,0,255
near 300 100 0,0,0
near 80 220 0,0,0
near 240 220 255,255,255

# Ctrl still held, P pressed again: a second screenshot.
e2e_keys keydown p
e2e_keys keyup p
e2e_wait_shots 2
e2e_expect "BMP screenshots" "$(e2e_count_shots bmp)" 2
e2e_keys keyup ctrl

# P first and Ctrl after it: P's press was seen without Ctrl.
e2e_keys keydown p
e2e_keys keydown ctrl
e2e_keys keyup ctrl keyup p
e2e_expect_files_stay "P held, then Ctrl" 4

e2e_keys keydown p
e2e_keys keyup p
e2e_expect_files_stay "P without Ctrl" 4

e2e_other_program_in_front 700 550
session_point_at 790 600
e2e_ctrl_p
e2e_expect_files_stay "Ctrl+P with another program in front" 4
session_shot "$E2E_OUT/other-in-front.png"

# The game back in front: the same keys save again.
e2e_game_in_front
e2e_ctrl_p_saves 3
e2e_expect "BMP screenshots" "$(e2e_count_shots bmp)" 3
e2e_shots
