# The stand-in game, Ctrl+P pressed in front of it, and the screenshots it gives.

# The stand-in game window with a known picture (gamewin.cpp).
E2E_GAMEWIN=$(dirname "$VC_PROBE")/gamewin.exe
E2E_GAME_SIZE=320x240

# e2e_start_game X Y [directx]: the stand-in game, its client area's top-left corner at X,Y,
# in front; E2E_GAME is its window, E2E_GAME_PID its process. Without a window manager Wine
# draws no frame, so the client area is where the screen shows it.
e2e_start_game() {
    [ -f "$E2E_GAMEWIN" ] || session_fail "gamewin.exe is not built ($E2E_GAMEWIN)"
    E2E_GAME_X=$1 E2E_GAME_Y=$2
    wine "$E2E_GAMEWIN" VeltriaRune "$1" "$2" ${3:-} >"$E2E_OUT/game.log" 2>&1 &
    E2E_GAME_PID=$!
    SESSION_PIDS+=($E2E_GAME_PID)
    e2e_wait_ask 20 "the stand-in game window did not appear" find VLT-CL VeltriaRune
    E2E_GAME=${ASK[hwnd]}
    e2e_game_in_front
}

# e2e_game_in_front: the game window takes the front, and the pointer rests on it, so that
# the keys typed go to a window of Wine's.
e2e_game_in_front() {
    local x=$((E2E_GAME_X + 160)) y=$((E2E_GAME_Y + 120))
    e2e_ask activate "$E2E_GAME" || session_fail "the game window could not take the front"
    e2e_ask foreground || session_fail "no foreground window"
    e2e_expect "front window" "${ASK[class]}" VLT-CL
    # Entering the game's window, the display tells its process which keys are down then
    # (none). Read late, on a busy machine, after Ctrl has gone down through the clock's
    # window, that old news makes Wine release Ctrl: the clock then sees P without Ctrl. The
    # move waits until the game's window has read it.
    session_point_at $x $y
}

# e2e_game_picture FILE: what the stand-in game paints in its client area.
e2e_game_picture() {
    convert -size "$E2E_GAME_SIZE" xc:black \
        -fill white -draw 'rectangle 0,0 39,199' -fill yellow -draw 'rectangle 40,0 79,199' \
        -fill cyan -draw 'rectangle 80,0 119,199' -fill lime -draw 'rectangle 120,0 159,199' \
        -fill magenta -draw 'rectangle 160,0 199,199' -fill red -draw 'rectangle 200,0 239,199' \
        -fill blue -draw 'rectangle 240,0 279,199' -fill white -draw 'rectangle 160,200 319,239' \
        "$1"
}

# e2e_like_game_picture JPEG: the JPEG, decoded into E2E_OUT/screenshot.png, is the stand-in
# game's picture (E2E_OUT/expected.png) but for JPEG's small losses. Colour subsampling
# blurs the bars' edges a little; elsewhere quality 100 changes hardly anything.
e2e_like_game_picture() {
    local decoded=$E2E_OUT/screenshot.png mean_error
    convert "$1" "$decoded"
    mean_error=$(compare -metric MAE "$decoded" "$E2E_OUT/expected.png" null: 2>&1 |
        sed 's/.*(\(.*\))/\1/') || true
    awk -v e="$mean_error" 'BEGIN { exit !(e < 0.015) }' ||
        session_fail "$(basename "$1") is unlike the game's picture (see $decoded):" \
            "mean error $mean_error"
    echo "ok: $(basename "$1") is the game's picture (mean error $mean_error)"
}

# e2e_screenshot_folder NAME: an empty folder for the clock's screenshots; E2E_SHOTS is it,
# E2E_SHOTS_WIN the name the program uses.
e2e_screenshot_folder() {
    E2E_SHOTS=$E2E_OUT/$1
    rm -rf "$E2E_SHOTS"
    mkdir -p "$E2E_SHOTS"
    e2e_windows_path E2E_SHOTS_WIN "$E2E_SHOTS"
}

# The screenshots counted in E2E_SHOTS: a folder the journey does not own (the documents
# folder) may hold others.
E2E_SHOT_NAMES='vlt_*'

# e2e_shots [EXTENSION]: the screenshots of that kind (all without one), one name a line.
e2e_shots() {
    find "$E2E_SHOTS/" -maxdepth 1 -name "$E2E_SHOT_NAMES.${1:-*}" -printf '%f\n' | sort
}

# e2e_count_shots EXTENSION: how many screenshots of that kind there are.
e2e_count_shots() {
    e2e_shots "$1" | grep -c . || true
}

# e2e_keys_seen: the keys typed so far have reached the system (e2e_keys_reached) and the
# clock has looked at them (e2e_clock_settled: it looks every 10 ms, in its own thread). One
# winask does the first two asks.
e2e_keys_seen() {
    local x y
    read -r x y < <(xdotool getmouselocation --shell | sed -n 's/^[XY]=//p' | paste -sd' ')
    e2e_ask sync-at "$x" "$y" + sync "${E2E_STRIP[@]}" ||
        { [ "${ASK[found]:-}" = 0 ] && e2e_ask sync "${E2E_STRIP[@]}"; } ||
        session_fail "the window at $x,$y or the clock does not answer"
    e2e_ask sync "${E2E_STRIP[@]}" || session_fail "the clock does not answer"
}

# e2e_keys KEY_ACTIONS...: xdotool's keydown/keyup actions, then e2e_keys_seen. A screenshot
# the keys give is written whole by then: the clock writes it in the look that sees them.
e2e_keys() {
    xdotool "$@"
    e2e_keys_seen
}

# e2e_ctrl_p: Ctrl held, P pressed, P and Ctrl released, for a press that is to give nothing
# (what a press gives is waited for with e2e_ctrl_p_until).
e2e_ctrl_p() {
    e2e_keys keydown ctrl keydown p
    e2e_keys keyup p keyup ctrl
}

# e2e_ctrl_p_until SECONDS WHAT COMMAND ARGS...: Ctrl held and P pressed until the command
# succeeds (what the press gives is seen), then both released. The clock looks at the keys on
# its own tick, and answers from its thread do not mean a tick has run since (sent messages
# come first): keys let go at once could be up again before it looked. WHAT fails the journey
# when SECONDS pass first.
e2e_ctrl_p_until() {
    e2e_keys keydown ctrl keydown p
    e2e_wait_until "$1" "$2" "${@:3}"
    e2e_keys keyup p keyup ctrl
}

# e2e_ctrl_p_saves COUNT: Ctrl+P gives screenshot number COUNT (within 5 s), written whole;
# no other is coming.
e2e_ctrl_p_saves() {
    e2e_ctrl_p_until 5 "no screenshot number $1 within 5 s of Ctrl+P" e2e_has_shots "$1"
    e2e_wait_shots "$1"
}

# e2e_expect_files_stay WHAT COUNT: after WHAT (keys the clock has looked at, e2e_keys)
# there are still COUNT screenshot files, JPEG and BMP together.
e2e_expect_files_stay() {
    [ "$(e2e_count_shots '*')" = "$2" ] || session_fail "$1 wrote $(e2e_shots | tr '\n' ' ')"
    echo "ok: $1 writes nothing"
}

e2e_has_shots() { [ "$(e2e_count_shots jpg)" -ge "$1" ]; }

# e2e_wait_shots COUNT: after keys the clock has looked at (e2e_keys), waits (5 s at most)
# until there are COUNT JPEG screenshots; no other is coming.
e2e_wait_shots() {
    e2e_wait_until 5 "no screenshot number $1 within 5 s ($(e2e_count_shots jpg) there)" \
        e2e_has_shots "$1"
    e2e_expect "JPEG screenshots" "$(e2e_count_shots jpg)" "$1"
}
