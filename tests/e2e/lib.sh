# The journeys' harness. An environment that cannot start fails the journey.
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# The journeys' prefix is made for the test run alone (make-prefix.sh): ending its server
# ends nothing of the user's.
SESSION_OWNS_PREFIX=1
source "$E2E_DIR/prefix_slot.sh"
source "$E2E_DIR/../../tools/wine_session.sh"
E2E_OUT=$SESSION_OUT
# Desktop menu entries are nothing a journey looks at; making them costs each session.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"

# The journey's clean-ups, run in order at its exit before the session's own.
E2E_AT_EXIT=()
e2e_run_at_exit() {
    local hook
    for hook in "${E2E_AT_EXIT[@]}"; do
        eval "$hook" || true
    done
    session_cleanup
}
trap e2e_run_at_exit EXIT

# e2e_at_exit COMMAND: COMMAND (a string) runs when the journey ends, however it ends.
e2e_at_exit() {
    E2E_AT_EXIT+=("$1")
}

# e2e_unwritable PATH: nobody may write PATH (a file, or a folder's entries) until the
# journey ends. Without the right to make it so (chattr +i) the journey is skipped (77), not
# passed.
e2e_unwritable() {
    chattr +i "$1" 2>"$E2E_OUT/chattr.log" || {
        echo "SKIP: cannot make $1 unwritable here: $(cat "$E2E_OUT/chattr.log")"
        exit 77
    }
    e2e_at_exit "chattr -i '$1' 2>/dev/null"
}

# e2e_expect NAME ACTUAL EXPECTED
e2e_expect() {
    [ "$2" = "$3" ] || session_fail "$1 is '$2', expected '$3'"
    echo "ok: $1 = $3"
}

# e2e_shot_differs FILE GEOMETRY REFERENCE: a new screenshot of that part of the screen, in
# FILE, differs from the picture REFERENCE; E2E_DIFFERING is how many pixels do.
e2e_shot_differs() {
    session_shot "$1" "$2"
    E2E_DIFFERING=$(compare -metric AE "$1" "$3" null: 2>&1) || true
    [ "$E2E_DIFFERING" != 0 ]
}

# e2e_wait_shot_differs SECONDS WHAT FILE GEOMETRY REFERENCE: shoots until the picture differs
# from REFERENCE; WHAT fails the journey when SECONDS pass first. What the clock paints on its
# own schedule (a tick, then a paint) is seen when it is there, however busy the machine.
e2e_wait_shot_differs() {
    e2e_wait_until "$1" "$2" e2e_shot_differs "${@:3}"
}

# e2e_changes NAME GEOMETRY: that part of the screen changes (within 5 s) after a first
# screenshot of it: a running clock's second moves on.
e2e_changes() {
    local name=${1// /-}
    session_shot "$E2E_OUT/$name-1.png" "$2"
    e2e_wait_shot_differs 5 "$1 did not change in 5 s" "$E2E_OUT/$name-2.png" "$2" \
        "$E2E_OUT/$name-1.png"
    echo "ok: $1 changes ($E2E_DIFFERING pixels)"
}

# e2e_same_picture NAME ACTUAL REFERENCE: pixel-exact; VC_E2E_UPDATE=1 rewrites the reference.
e2e_same_picture() {
    if [ "${VC_E2E_UPDATE:-0}" = 1 ]; then
        cp "$2" "$3"
        echo "updated: $3"
        return
    fi
    local differing
    differing=$(compare -metric AE "$2" "$3" null: 2>&1) || true
    [ "$differing" = 0 ] || session_fail "$1: $differing pixels differ from $3 (see $2)"
    echo "ok: $1 matches $(basename "$3")"
}

# The stand-in window programs are built beside the probe.
E2E_ASK=$VC_PROBE
E2E_CLASSWIN=$(dirname "$VC_PROBE")/classwin.exe

# One winask answers all the journey's questions (`winask serve`, through two pipes): a
# Windows program started for each question would cost Wine most of the machine. It starts at
# the first question, and again when the prefix changed or it ended.
# A journey that sets E2E_DESKTOP (WINSTATION\DESKTOP) asks on that desktop: a window is
# seen only from its own desktop.
E2E_DESKTOP=
E2E_ASKER_PID=
E2E_ASKER_PREFIX=
e2e_asker() {
    if [ -n "$E2E_ASKER_PID" ] && [ "$E2E_ASKER_PREFIX" = "$WINEPREFIX" ] &&
        kill -0 "$E2E_ASKER_PID" 2>/dev/null; then
        return
    fi
    [ -f "$E2E_ASK" ] || session_fail "winask.exe is not built ($E2E_ASK)"
    [ -z "$E2E_ASKER_PID" ] || exec {E2E_ASKER_IN}>&- {E2E_ASKER_OUT}<&-
    local pipe=$E2E_OUT/asker
    rm -f "$pipe.in" "$pipe.out"
    mkfifo "$pipe.in" "$pipe.out"
    e2e_wine "$E2E_ASK" serve <"$pipe.in" >"$pipe.out" 2>>"$E2E_OUT/asker.log" &
    E2E_ASKER_PID=$!
    E2E_ASKER_PREFIX=$WINEPREFIX
    SESSION_PIDS+=("$E2E_ASKER_PID")
    exec {E2E_ASKER_IN}>"$pipe.in" {E2E_ASKER_OUT}<"$pipe.out"
    local greeting=
    IFS= read -r -t 60 -u "$E2E_ASKER_OUT" greeting || true
    [ "${greeting%$'\r'}" = ready ] || session_fail "winask serve did not start (see $E2E_OUT/asker.log)"
}
# The asker, outside faketime, is the Windows program that starts Wine for the journey.
SESSION_WINE_UP=e2e_asker

# e2e_wine PROGRAM ARGS...: wine runs the program (a Unix path) on the journey's desktop.
e2e_wine() {
    if [ -n "$E2E_DESKTOP" ]; then
        wine "$E2E_ASK" on-desktop "$E2E_DESKTOP" "$@"
    else
        wine "$@"
    fi
}

# e2e_ask COMMAND ARGS...: fills ASK from winask's answer; returns winask's status.
declare -gA ASK
e2e_ask() {
    local line status=
    ASK=()
    e2e_asker
    local IFS=$'\t'
    printf '%s\n' "$*" >&"$E2E_ASKER_IN"
    while IFS= read -r -u "$E2E_ASKER_OUT" line; do
        line=${line%$'\r'}
        case $line in
        .) break ;;
        status=*) status=${line#status=} ;;
        ?*) ASK[${line%%=*}]=${line#*=} ;;
        esac
    done
    [ -n "$status" ] || session_fail "winask ended without an answer to '$*' (see $E2E_OUT/asker.log)"
    return "$status"
}

# Milliseconds, for deadlines finer than SECONDS.
e2e_now_ms() {
    local now=${EPOCHREALTIME/[.,]/}
    echo $((now / 1000))
}

# e2e_poll SECONDS COMMAND ARGS...: runs the command until it succeeds (status 0), or until
# SECONDS have passed (status 1).
e2e_poll() {
    local now=${EPOCHREALTIME/[.,]/} deadline
    deadline=$((now / 1000 + $1 * 1000))
    shift
    until "$@"; do
        now=${EPOCHREALTIME/[.,]/}
        [ $((now / 1000)) -lt $deadline ] || return 1
        # A pause between two tries, so that the poll leaves the machine to what it waits for.
        sleep 0.1
    done
}

# e2e_wait_until SECONDS WHAT COMMAND ARGS...: runs the command until it succeeds; WHAT
# fails the journey when SECONDS pass first.
e2e_wait_until() {
    local what=$2
    e2e_poll "$1" "${@:3}" || session_fail "$what"
}

e2e_ask_finds_nothing() { ! e2e_ask "$@"; }

# e2e_settled SYNC_ARGS...: the window (as `winask sync` names it: HWND, or CLASS TITLE)
# answers twice. Between the answers its thread has been back in its message loop, where
# Wine reads what the display sent it, and the thread handles what is due: input, painting,
# timers (the clock's 10-ms look at the keys among them).
e2e_settled() {
    e2e_ask sync "$@" && e2e_ask sync "$@" || session_fail "the window $* does not answer"
}

# e2e_clock_settled: the same for the clock's strip.
e2e_clock_settled() { e2e_settled TFormVT555 VeltriaClock; }

# e2e_clock_gone: no clock window is left. A clock that has just quit may show its window a
# moment after its process has ended; a start then would take it for a running clock, raise
# it and end.
e2e_clock_gone() {
    e2e_wait_ask_fails 10 "a clock window stayed after the clock ended" find TFormVT555 VeltriaClock
}

# e2e_keys_reached: the window under the pointer, which takes the keys without a window
# manager, has read the keys typed so far: the system's key state holds them. A window that
# went away meanwhile reads nothing more.
e2e_keys_reached() {
    local x y
    read -r x y < <(xdotool getmouselocation --shell | sed -n 's/^[XY]=//p' | paste -sd' ')
    e2e_ask sync-at "$x" "$y" || [ "${ASK[found]:-}" = 0 ] ||
        session_fail "the window at $x,$y does not answer"
}

# e2e_wait_ask SECONDS WHAT COMMAND ARGS...: asks until winask answers. One winask asks again
# and again: starting a Windows program for each ask would take most of the machine.
e2e_wait_ask() { e2e_ask wait "$1" "${@:3}" || session_fail "$2"; }

# e2e_wait_ask_fails SECONDS WHAT COMMAND ARGS...: asks until winask finds nothing.
e2e_wait_ask_fails() { e2e_ask wait-gone "$1" "${@:3}" || session_fail "$2"; }

# e2e_windows_path VARIABLE PATH: VARIABLE is set to the name Windows programs know PATH by.
e2e_windows_path() {
    e2e_ask dos-path "$2" || session_fail "Wine gives no Windows path for $2"
    printf -v "$1" '%s' "${ASK[path]}"
}

# e2e_keep_answer NAME: the associative array NAME holds a copy of ASK.
e2e_keep_answer() {
    local -n kept=$1
    local key
    kept=()
    for key in "${!ASK[@]}"; do
        kept[$key]=${ASK[$key]}
    done
}

# session_probe CLASS CAPTION: the session's probe, asked of the journey's winask.
session_probe() {
    local status=0
    e2e_ask probe "$1" "$2" || status=$?
    e2e_keep_answer PROBE
    return $status
}

# session_wait_window CLASS CAPTION [SECONDS]: the session's wait, with one winask waiting
# for the window to be shown and then probing it; PROBE then holds it.
session_wait_window() {
    e2e_ask wait "${3:-60}" shown "$1" "$2" + probe "$1" "$2" || {
        e2e_left_behind
        session_fail "no window of class '$1' and caption '$2' shown (see $E2E_OUT/left-*)"
    }
    e2e_keep_answer PROBE
}

# e2e_other_program_in_front X Y: a window of another program, at X,Y, takes the front, so
# that the clock coming forward can be seen.
e2e_other_program_in_front() {
    wine "$E2E_CLASSWIN" E2E-Other "Another program" "$1" "$2" >"$E2E_OUT/other.log" 2>&1 &
    SESSION_PIDS+=($!)
    e2e_wait_ask 20 "the other program's window did not appear" find E2E-Other "Another program"
    e2e_ask activate "${ASK[hwnd]}" || session_fail "the other program could not take the front"
    e2e_ask foreground || session_fail "no foreground window"
    e2e_expect "front window" "${ASK[class]}" E2E-Other
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
    session_wait_window TFormVT555 VeltriaClock
    e2e_expect "strip position" "${PROBE[left]},${PROBE[top]}" "300,200"
}

# e2e_left_behind: what was on the screen, the windows and the journey's processes, for the
# one looking at a journey that waited in vain.
e2e_left_behind() {
    session_shot "$E2E_OUT/left-screen.png" || true
    e2e_wine "$E2E_ASK" list >"$E2E_OUT/left-windows.txt" 2>&1 || true
    ps -o pid,ppid,stat,etime,args --ppid "$$" >"$E2E_OUT/left-processes.txt" 2>&1 || true
    [ "${#SESSION_PIDS[@]}" = 0 ] ||
        ps -o pid,stat,etime,args -p "$(IFS=,; echo "${SESSION_PIDS[*]}")" \
            >>"$E2E_OUT/left-processes.txt" 2>&1 || true
}

# e2e_ended PID: the process has ended (or is a zombie, not yet waited for).
e2e_ended() {
    local stat
    read -r stat 2>/dev/null <"/proc/$1/stat" || return 0
    [[ ${stat##*) } == Z* ]]
}

# e2e_wait_exit PID SECONDS: waits until the process has ended; E2E_EXIT_STATUS is its status.
e2e_wait_exit() {
    local pid kept=()
    if ! e2e_poll "$2" e2e_ended "$1"; then
        e2e_left_behind
        session_fail "process $1 still runs after $2 s (see $E2E_OUT/left-*)"
    fi
    E2E_EXIT_STATUS=0
    wait "$1" || E2E_EXIT_STATUS=$?
    # The ended process is no longer the session's to stop (its id may be reused).
    for pid in "${SESSION_PIDS[@]}"; do
        [ "$pid" = "$1" ] || kept+=("$pid")
    done
    SESSION_PIDS=("${kept[@]}")
}

# e2e_strip_layout: where the clock's components are painted, as the running exe stores its
# layout: LAYOUT[NAME] is a component's WxH+X+Y from the strip's top-left corner (the
# window's), LAYOUT[NAME_cells] a caption's width in half-width cells. The components do not
# move with the strip, so one answer serves the whole journey.
declare -gA LAYOUT
e2e_strip_layout() {
    e2e_wait_ask 10 "the clock tells no layout of its components" layout TFormVT555 VeltriaClock
    e2e_keep_answer LAYOUT
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

# The components the journeys use: the corner button that opens the menu, the game line and
# the real-time line, the band behind them.
E2E_BUTTON=PanelX E2E_GAME_LINE=Label_VTime E2E_REAL_LINE=Label_RTime E2E_BAND=Image_BG

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
    session_wait_window TFormVT555 VeltriaClock 5
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

# e2e_pixel FILE X Y: the pixel as r,g,b (0..255); named colours would hide the numbers.
e2e_pixel() {
    local p="p{$2,$3}"
    convert "$1" -format "%[fx:round(255*$p.r)],%[fx:round(255*$p.g)],%[fx:round(255*$p.b)]" info:
}

# e2e_same_bytes NAME FILE EXPECTED_FILE: byte for byte; on a difference both are shown.
e2e_same_bytes() {
    if ! cmp -s "$2" "$3"; then
        echo "--- $2:" >&2
        cat -A "$2" >&2 || true
        echo "--- expected ($3):" >&2
        cat -A "$3" >&2
        session_fail "$1 differs from the expected bytes"
    fi
    echo "ok: $1 ($(wc -c <"$2") bytes as expected)"
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
    e2e_poll 3 e2e_ask moving TFormVT555 VeltriaClock ||
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
    ! e2e_ask moving TFormVT555 VeltriaClock || {
        xdotool key Return
        E2E_RETURNS=$((E2E_RETURNS + 1))
        e2e_clock_settled
        false
    }
}

# e2e_wait_strip_at X,Y WHAT [SECONDS]: the system reports the strip there (within 5 s, or
# SECONDS); PROBE then holds it.
e2e_strip_at() { session_probe TFormVT555 VeltriaClock && [ "${PROBE[left]},${PROBE[top]}" = "$1" ]; }
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
    session_probe TFormVT555 VeltriaClock || session_fail "the strip went away during a drag"
    [ "${PROBE[left]},${PROBE[top]}" != "$1" ]
}
e2e_prime_drag() {
    local try from
    session_probe TFormVT555 VeltriaClock || session_fail "no strip to drag"
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
e2e_strip_width_is() { session_probe TFormVT555 VeltriaClock && [ "${PROBE[width]}" = "$1" ]; }
e2e_wait_strip_width() {
    e2e_poll 3 e2e_strip_width_is "$1" ||
        session_fail "the strip is ${PROBE[width]:-?} px wide, expected $1"
    echo "ok: strip width = $1"
}

# e2e_pixels_unlike FILE COLOUR: how many pixels of FILE differ from the colour (r,g,b).
e2e_pixels_unlike() {
    local size
    size=$(identify -format '%wx%h' "$1")
    compare -metric AE "$1" -size "$size" "xc:rgb($2)" null: 2>&1 || true
}

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
    if [ "$(xdotool getmouselocation --shell | sed -n 's/^[XY]=//p' | paste -sd,)" != "$x,$y" ]; then
        session_point_at $x $y
        # Entering the game's window, the display tells its process which keys are down then
        # (none). Read late, on a busy machine, after Ctrl has gone down through the clock's
        # window, that old news makes Wine release Ctrl: the clock then sees P without Ctrl.
        e2e_ask sync "$E2E_GAME" || session_fail "the game window does not answer"
    fi
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
    e2e_ask sync-at "$x" "$y" + sync TFormVT555 VeltriaClock ||
        { [ "${ASK[found]:-}" = 0 ] && e2e_ask sync TFormVT555 VeltriaClock; } ||
        session_fail "the window at $x,$y or the clock does not answer"
    e2e_ask sync TFormVT555 VeltriaClock || session_fail "the clock does not answer"
}

# e2e_keys KEY_ACTIONS...: xdotool's keydown/keyup actions, then e2e_keys_seen. A screenshot
# the keys give is written whole by then: the clock writes it in the look that sees them.
e2e_keys() {
    xdotool "$@"
    e2e_keys_seen
}

# e2e_ctrl_p: Ctrl held, P pressed (the clock looks at both down), P and Ctrl released; a
# screenshot that press gives is then written whole.
e2e_ctrl_p() {
    e2e_keys keydown ctrl keydown p
    e2e_keys keyup p keyup ctrl
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
