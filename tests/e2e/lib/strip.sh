# The clock's strip: its copy of the program, its components' places, its menu, drags.

# The components the journeys use: the corner button that opens the menu, the game line and
# the real-time line, the band behind them.
E2E_BUTTON=PanelX E2E_GAME_LINE=Label_VTime E2E_REAL_LINE=Label_RTime E2E_BAND=Image_BG

# e2e_strip_layout: where the clock's components are painted, as the running exe stores its
# layout: LAYOUT[NAME] is a component's WxH+X+Y from the strip's top-left corner (the
# window's), LAYOUT[NAME_cells] a caption's width in half-width cells. The components do not
# move with the strip, so one answer serves the whole journey.
declare -gA LAYOUT
e2e_strip_layout() {
    e2e_wait_ask 10 "the clock tells no layout of its components" layout "${E2E_STRIP[@]}"
    session_keep_answer LAYOUT
}

# e2e_place NAME: PLACE_W, PLACE_H, PLACE_X, PLACE_Y of that component (in the strip, in the
# screen's pixels: the layout's units scaled to E2E_DPI), and PLACE_CELL, the width of one
# half-width cell of its caption when it has one.
E2E_DPI=96
e2e_px() { echo $((($1 * E2E_DPI + 48) / 96)); }
e2e_place() {
    [ -n "${LAYOUT[client_left]:-}" ] || e2e_strip_layout
    [ -n "${LAYOUT[$1]:-}" ] || session_fail "the clock's layout has no component $1"
    local w h x y
    IFS='x+' read -r w h x y <<<"${LAYOUT[$1]}"
    PLACE_X=$(e2e_px "$x") PLACE_Y=$(e2e_px "$y")
    PLACE_W=$(($(e2e_px $((x + w))) - PLACE_X)) PLACE_H=$(($(e2e_px $((y + h))) - PLACE_Y))
    PLACE_CELL=$((PLACE_W / ${LAYOUT[$1_cells]:-1}))
}

# e2e_centre NAME: CENTRE_X, CENTRE_Y, the screen point at the component's centre on the strip
# where PROBE last saw it.
e2e_centre() {
    e2e_place "$1"
    CENTRE_X=$((PROBE[left] + PLACE_X + PLACE_W / 2))
    CENTRE_Y=$((PROBE[top] + PLACE_Y + PLACE_H / 2))
}

# e2e_crop NAME: the component as WxH+X+Y on the screen, where PROBE last saw the strip.
e2e_crop() {
    e2e_place "$1"
    echo "${PLACE_W}x${PLACE_H}+$((PROBE[left] + PLACE_X))+$((PROBE[top] + PLACE_Y))"
}

# e2e_open_menu: clicks the strip's corner button and waits for its menu; ASK then holds
# the menu window's rectangle.
e2e_open_menu() {
    # Waits a little: a probe can fail while another Wine program is starting.
    session_wait_window "${E2E_STRIP[@]}" 5
    e2e_centre $E2E_BUTTON
    session_click $CENTRE_X $CENTRE_Y
    e2e_ask wait 5 menu || {
        e2e_left_behind
        session_fail "no menu opened after clicking the corner button at $CENTRE_X,$CENTRE_Y" \
            "(see $E2E_OUT/left-*)"
    }
}

# e2e_quit_through_menu PID: E in the menu ends the clock (process PID) with status 0.
e2e_quit_through_menu() {
    e2e_open_menu
    session_key e
    e2e_wait_exit "$1" 10
    e2e_expect "exit status" "$E2E_EXIT_STATUS" 0
}

# e2e_close_menu: Escape, and the menu is gone.
e2e_close_menu() {
    session_key Escape
    e2e_wait_ask_fails 5 "the menu stayed open after Escape" menu
}

# e2e_drag FROM_X FROM_Y TO_X TO_Y: presses the left button, moves in steps, releases. The
# strip has then handled it all; where it stands, the caller waits to see (e2e_wait_strip_at).
e2e_drag() {
    local step steps=8
    session_point_at "$1" "$2"
    xdotool mousedown 1
    # The press starts the system's move loop, which grabs the pointer: steps made before
    # would go to the windows they pass over, and the strip would stop short. Answers from the
    # clock's thread may come before the press is handled (sent messages first), so the loop
    # itself is waited for. A first drag may start none (e2e_prime_drag tries again).
    e2e_poll 3 e2e_ask moving "${E2E_STRIP[@]}" ||
        echo "note: no move loop after the press at $1,$2"
    for step in $(seq 1 $steps); do
        # No --sync: a step that ends where the pointer already is would hang it.
        xdotool mousemove $(($1 + ($3 - $1) * step / steps)) $(($2 + ($4 - $2) * step / steps))
    done
    e2e_clock_settled
    xdotool mouseup 1
    # Without a window manager, Wine's move loop misses xdotool's release and would keep the
    # window under the pointer whenever it passes over it again; Return ends the loop where
    # the window stands (on Windows the release ends it, and Return then does nothing).
    xdotool key Return
    e2e_clock_settled
    E2E_RETURNS=1
    e2e_wait_until 5 "the strip's move loop did not end after the drag" e2e_move_loop_ended
    [ "$E2E_RETURNS" = 1 ] || echo "note: the move loop ended after $E2E_RETURNS Returns"
}

# e2e_move_loop_ended: the strip's thread has left the system's move loop. The keys go to
# the window under the pointer: a Return that came before the strip had caught up with the
# pointer went elsewhere, and the loop would take the next click as the drag's end. Another
# Return, once the strip is under the pointer, ends it.
e2e_move_loop_ended() {
    ! e2e_ask moving "${E2E_STRIP[@]}" || {
        xdotool key Return
        E2E_RETURNS=$((E2E_RETURNS + 1))
        e2e_clock_settled
        false
    }
}

# e2e_wait_strip_at X,Y WHAT [SECONDS]: the system reports the strip there (within 5 s, or
# SECONDS); PROBE then holds it.
e2e_strip_at() { session_probe "${E2E_STRIP[@]}" && [ "${PROBE[left]},${PROBE[top]}" = "$1" ]; }
e2e_wait_strip_at() {
    e2e_poll "${3:-5}" e2e_strip_at "$1" ||
        session_fail "the strip's place $2 is ${PROBE[left]:-?},${PROBE[top]:-?}, expected $1"
    echo "ok: strip's place $2 = $1"
}

# e2e_prime_drag GRAB_X GRAB_Y: without a window manager, Wine hands a window to the (absent)
# manager the first time it moves while active: it remaps it, the strip loses the focus and
# that drag stops after one step, or (on a busy machine, the strip just started) does not
# move it at all. Short drags from the grab point until the system reports a new place
# (three tries); later drags follow the pointer. PROBE then holds the strip's place.
e2e_strip_moved_from() {
    session_probe "${E2E_STRIP[@]}" || session_fail "the strip went away during a drag"
    [ "${PROBE[left]},${PROBE[top]}" != "$1" ]
}
e2e_prime_drag() {
    local try from
    session_probe "${E2E_STRIP[@]}" || session_fail "no strip to drag"
    from="${PROBE[left]},${PROBE[top]}"
    for try in 1 2 3; do
        e2e_drag $((PROBE[left] + $1)) $((PROBE[top] + $2)) $((PROBE[left] + $1 + 30)) \
            $((PROBE[top] + $2 + 30))
        # The strip has handled the drag; the system may report its new place a little later.
        ! e2e_poll 2 e2e_strip_moved_from "$from" || return 0
    done
    session_fail "three drags did not move the strip from $from"
}

# e2e_wait_strip_width WIDTH: waits (3 s at most) until the strip is WIDTH pixels wide.
e2e_strip_width_is() { session_probe "${E2E_STRIP[@]}" && [ "${PROBE[width]}" = "$1" ]; }
e2e_wait_strip_width() {
    e2e_poll 3 e2e_strip_width_is "$1" ||
        session_fail "the strip is ${PROBE[width]:-?} px wide, expected $1"
    echo "ok: strip width = $1"
}

# e2e_private_app [FOLDER]: the journey runs its own copy of the exe (in E2E_OUT/FOLDER,
# "app" by default), so the settings file beside it (E2E_INI; E2E_INI_WIN as the program
# names it) belongs to the journey alone.
# Call it after session_start_display: winask starts Wine, which must see the display.
e2e_private_app() {
    [ -n "${SESSION_XVFB:-}" ] || session_fail "e2e_private_app runs Wine: start the display first"
    E2E_APP=$E2E_OUT/${1:-app}
    if [ -e "$E2E_APP/VeltriaClock.ini" ]; then
        chattr -i "$E2E_APP/VeltriaClock.ini" 2>/dev/null || true
    fi
    rm -rf "$E2E_APP"
    mkdir -p "$E2E_APP"
    cp "$VC_EXE" "$E2E_APP/VeltriaClock.exe"
    VC_EXE=$E2E_APP/VeltriaClock.exe
    E2E_INI=$E2E_APP/VeltriaClock.ini
    e2e_windows_path E2E_INI_WIN "$E2E_INI"
}

# e2e_clock_away_from_tray: a private copy of the clock, started with its strip at 300,200.
# Wine's tray window opens at the screen's top-left, where the strip starts by default and,
# being topmost, would take the icon's clicks.
e2e_clock_away_from_tray() {
    e2e_private_app
    printf '%s\r\n' '[VeltriaTime]' 'XPos=300' 'YPos=200' >"$E2E_INI"
    session_start_clock
    session_wait_window "${E2E_STRIP[@]}"
    e2e_expect "strip position" "${PROBE[left]},${PROBE[top]}" "300,200"
}

# e2e_expect_designed_strip: the strip where PROBE last saw it (175 wide) equals the software
# render of the designed strip pixel for pixel, outside the labels' row (the font there is
# Wine's).
e2e_expect_designed_strip() {
    session_shot "$E2E_OUT/strip.png" "${PROBE[width]}x${PROBE[height]}+${PROBE[left]}+${PROBE[top]}"
    # From the game line's corner to the strip's right edge, as high as the line.
    e2e_place $E2E_GAME_LINE
    local labels="rectangle $PLACE_X,$PLACE_Y $((PROBE[width] - 1)),$((PLACE_Y + PLACE_H - 1))"
    convert "$E2E_OUT/strip.png" -fill black -draw "$labels" "$E2E_OUT/strip-masked.png"
    convert "$E2E_DIR/../form/golden/designed-175.png" -fill black -draw "$labels" \
        "$E2E_OUT/render-masked.png"
    local differing
    differing=$(compare -metric AE "$E2E_OUT/strip-masked.png" "$E2E_OUT/render-masked.png" \
        "$E2E_OUT/difference.png" 2>&1) || true
    [ "$differing" = 0 ] ||
        session_fail "$differing pixels differ from the software render (see $E2E_OUT)"
    echo "ok: frames, band and button equal the software render"
}

# e2e_balloon: fills BALLOON (title_0, text_0, rect_0) from the balloon shown, as balloon.exe
# reads it from the shell's tooltip window.
E2E_BALLOON=$(dirname "$VC_PROBE")/balloon.exe
declare -gA BALLOON
e2e_balloon() {
    local output line
    BALLOON=()
    output=$(wine "$E2E_BALLOON" 2>/dev/null | tr -d '\r') || return 1
    while IFS= read -r line; do
        BALLOON[${line%%=*}]=${line#*=}
    done <<<"$output"
}

# e2e_tray_icons: E2E_TRAY_ICONS is the number of notification icons shown. Without a tray
# manager on the X display, Wine's X11 driver shows them in a window of its own
# ("Wine System Tray"), one child window per icon.
e2e_tray_icons() {
    E2E_TRAY_ICONS=0
    if e2e_ask children __winex11_standalone_tray "Wine System Tray" __winex11_tray_icon; then
        E2E_TRAY_ICONS=${ASK[count]}
    fi
}
