#!/usr/bin/env bash
# A game that presents through DirectX leaves an ordinary copy of its window black; Ctrl+P
# then asks the game to print itself (PrintWindow). The stand-in shows black on the screen
# and draws its colour bars only when asked to print itself.
# Wine cannot carry this out across processes: its GDI handles belong to one process, and
# its PrintWindow only sends WM_PRINT with the clock's memory DC, on which the game cannot
# draw. What Wine can show: the fallback runs and the picture stays the game's black, never
# the white of an empty bitmap. (On Windows the print carries the bars: the native tests.)
source "$(dirname "$0")/lib.sh"

session_start_display
e2e_private_app
e2e_screenshot_folder shots
printf '%s\r\n' '[ScreenShot]' 'CtrlP_Save=1' "SaveFolder=$E2E_SHOTS_WIN" >"$E2E_INI"

session_start_clock
session_wait_window "${E2E_STRIP[@]}"
e2e_start_game 300 200 directx
# Painted once its thread has been back in its loop.
e2e_settled "$E2E_GAME"
session_shot "$E2E_OUT/game-on-screen.png" "$E2E_GAME_SIZE+300+200"
e2e_expect "pixels of the game on the screen unlike black" \
    "$(e2e_pixels_unlike "$E2E_OUT/game-on-screen.png" 0,0,0)" 0

e2e_ctrl_p_saves 1
shot=$E2E_SHOTS/$(e2e_shots jpg)
convert "$shot" "$E2E_OUT/screenshot.png"
e2e_expect "screenshot size" "$(identify -format '%wx%h' "$E2E_OUT/screenshot.png")" "$E2E_GAME_SIZE"
e2e_expect "pixels of the screenshot unlike black" \
    "$(e2e_pixels_unlike "$E2E_OUT/screenshot.png" 0,0,0)" 0
