#!/usr/bin/env bash
# The game on two monitors (a 1280x800 primary, a 1024x768 one to its right): its window
# across the edge between them, then moved wholly onto the second. Each time Ctrl+P saves
# exactly the game's client area, at its size: the BMP pixel for pixel, the JPEG but for
# JPEG's small losses.
source "$(dirname "$0")/lib.sh"

session_start_display 1280x800 1024x768
e2e_private_app
e2e_screenshot_folder shots
printf '%s\r\n' '[VeltriaTime]' 'XPos=300' 'YPos=600' '[ScreenShot]' 'CtrlP_Save=1' \
    "SaveFolder=$E2E_SHOTS_WIN" 'BMP=1' >"$E2E_INI"
e2e_game_picture "$E2E_OUT/expected.png"
session_start_clock
session_wait_window "${E2E_STRIP[@]}"
e2e_expect "strip's place" "${PROBE[left]},${PROBE[top]}" 300,600

# game_shown WHERE: the screen shows the game's picture where its client area is.
game_shown() {
    e2e_settled "$E2E_GAME"
    session_shot "$E2E_OUT/game-$1.png" "$E2E_GAME_SIZE+$E2E_GAME_X+$E2E_GAME_Y"
    e2e_expect "pixels of the game on the screen ($1) unlike its picture" \
        "$(compare -metric AE "$E2E_OUT/game-$1.png" "$E2E_OUT/expected.png" null: 2>&1)" 0
}

# ctrl_p_saves_game COUNT WHERE: Ctrl+P gives screenshot number COUNT, the game's picture.
ctrl_p_saves_game() {
    e2e_ctrl_p_saves "$1"
    local name
    name=$(e2e_shots jpg | tail -n 1)
    name=${name%.jpg}
    echo "screenshot ($2): $name"
    local bmp=$E2E_SHOTS/$name.bmp jpeg=$E2E_SHOTS/$name.jpg
    [ -f "$bmp" ] || session_fail "no BMP beside $name.jpg: $(e2e_shots | tr '\n' ' ')"
    e2e_expect "BMP size ($2, 54 + 4 * 320 * 240)" "$(stat -c %s "$bmp")" 307254
    convert "$bmp" -alpha off "$E2E_OUT/bmp-$1.png"
    e2e_expect "pixels of the BMP ($2) unlike the game's picture" \
        "$(compare -metric AE "$E2E_OUT/bmp-$1.png" "$E2E_OUT/expected.png" null: 2>&1)" 0
    e2e_expect "JPEG size, quality ($2)" "$(identify -format '%wx%h %Q' "$jpeg")" \
        "$E2E_GAME_SIZE 100"
    e2e_like_game_picture "$jpeg"
}

# Across the edge at x 1280: 180 px on the primary, 140 px on the second. The pointer, on the
# game's left side, is on the primary.
e2e_start_game 1100 200
session_probe VLT-CL VeltriaRune || session_fail "winask does not see the game window"
e2e_expect "game client size" "${PROBE[client_width]}x${PROBE[client_height]}" "$E2E_GAME_SIZE"
e2e_expect "pointer" "$(xdotool getmouselocation --shell | sed -n 's/^[XY]=//p' | paste -sd,)" \
    1260,320
game_shown across-the-edge
ctrl_p_saves_game 1 "across the edge"

# The game's window moved wholly onto the second monitor by the system (without a window
# manager it has no title bar to drag; its frame's corner, where the system places it, lies
# up and left of the client area), the pointer resting on it there.
frame_dx=$((E2E_GAME_X - PROBE[left])) frame_dy=$((E2E_GAME_Y - PROBE[top]))
e2e_ask move "$E2E_GAME" $((1600 - frame_dx)) $((300 - frame_dy)) ||
    session_fail "the game window could not be moved"
E2E_GAME_X=1600 E2E_GAME_Y=300
e2e_game_in_front
e2e_expect "pointer" "$(xdotool getmouselocation --shell | sed -n 's/^[XY]=//p' | paste -sd,)" \
    1760,420
game_shown on-the-second-monitor
ctrl_p_saves_game 2 "on the second monitor"
echo "screens: $E2E_OUT"
