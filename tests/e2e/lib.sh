# The journeys' harness. An environment that cannot start fails the journey.
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$E2E_DIR/../../tools/wine_session.sh"
E2E_OUT=$SESSION_OUT

# e2e_expect NAME ACTUAL EXPECTED
e2e_expect() {
    [ "$2" = "$3" ] || session_fail "$1 is '$2', expected '$3'"
    echo "ok: $1 = $3"
}

# e2e_changes NAME GEOMETRY: two screenshots of that part of the screen 1.2 s apart differ.
e2e_changes() {
    local name=${1// /-}
    session_shot "$E2E_OUT/$name-1.png" "$2"
    sleep 1.2
    session_shot "$E2E_OUT/$name-2.png" "$2"
    local changed
    changed=$(compare -metric AE "$E2E_OUT/$name-1.png" "$E2E_OUT/$name-2.png" null: 2>&1) || true
    [ "$changed" != 0 ] || session_fail "$1 did not change in 1.2 s"
    echo "ok: $1 changes ($changed pixels)"
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

# The second probe and the stand-in window program are built beside winprobe.
E2E_ASK=$(dirname "$VC_PROBE")/winask.exe
E2E_CLASSWIN=$(dirname "$VC_PROBE")/classwin.exe

# e2e_ask COMMAND ARGS...: fills ASK from winask's answer; returns winask's status.
declare -gA ASK
e2e_ask() {
    local output line status=0
    ASK=()
    [ -f "$E2E_ASK" ] || session_fail "winask.exe is not built ($E2E_ASK)"
    output=$(wine "$E2E_ASK" "$@" 2>/dev/null | tr -d '\r') || status=$?
    while IFS= read -r line; do
        [ -z "$line" ] || ASK[${line%%=*}]=${line#*=}
    done <<<"$output"
    return $status
}

# Milliseconds, for deadlines finer than SECONDS.
e2e_now_ms() {
    local now=${EPOCHREALTIME/[.,]/}
    echo $((now / 1000))
}

# e2e_wait_until SECONDS WHAT COMMAND ARGS...: runs the command until it succeeds; WHAT
# fails the journey when SECONDS pass first.
e2e_wait_until() {
    local deadline=$(($(e2e_now_ms) + $1 * 1000)) what=$2
    shift 2
    until "$@"; do
        [ "$(e2e_now_ms)" -lt $deadline ] || session_fail "$what"
        sleep 0.1
    done
}

e2e_ask_finds_nothing() { ! e2e_ask "$@"; }

# e2e_wait_ask SECONDS WHAT COMMAND ARGS...: asks until winask answers.
e2e_wait_ask() { e2e_wait_until "$1" "$2" e2e_ask "${@:3}"; }

# e2e_wait_ask_fails SECONDS WHAT COMMAND ARGS...: asks until winask finds nothing.
e2e_wait_ask_fails() { e2e_wait_until "$1" "$2" e2e_ask_finds_nothing "${@:3}"; }

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

# e2e_private_app: the journey runs its own copy of the exe, so the settings file beside
# it (E2E_INI; E2E_INI_WIN as the program names it) belongs to the journey alone.
# Call it after session_start_display: winepath starts Wine, which must see the display.
e2e_private_app() {
    [ -n "${SESSION_XVFB:-}" ] || session_fail "e2e_private_app runs Wine: start the display first"
    E2E_APP=$E2E_OUT/app
    if [ -e "$E2E_APP/VeltriaClock.ini" ]; then
        chattr -i "$E2E_APP/VeltriaClock.ini" 2>/dev/null || true
    fi
    rm -rf "$E2E_APP"
    mkdir -p "$E2E_APP"
    cp "$VC_EXE" "$E2E_APP/VeltriaClock.exe"
    VC_EXE=$E2E_APP/VeltriaClock.exe
    E2E_INI=$E2E_APP/VeltriaClock.ini
    E2E_INI_WIN=$(winepath -w "$E2E_INI" 2>/dev/null | tr -d '\r')
    [ -n "$E2E_INI_WIN" ] || session_fail "winepath gave no Windows path for $E2E_INI"
}

# e2e_wait_exit PID SECONDS: waits until the process has ended; E2E_EXIT_STATUS is its status.
e2e_wait_exit() {
    local deadline=$(($(e2e_now_ms) + $2 * 1000)) state pid kept=()
    while state=$(ps -o stat= -p "$1" 2>/dev/null) && [[ $state != Z* ]]; do
        [ "$(e2e_now_ms)" -lt $deadline ] || session_fail "process $1 still runs after $2 s"
        sleep 0.1
    done
    E2E_EXIT_STATUS=0
    wait "$1" || E2E_EXIT_STATUS=$?
    # The ended process is no longer the session's to stop (its id may be reused).
    for pid in "${SESSION_PIDS[@]}"; do
        [ "$pid" = "$1" ] || kept+=("$pid")
    done
    SESSION_PIDS=("${kept[@]}")
}

# e2e_open_menu: clicks the strip's corner button and waits for its menu; ASK then holds
# the menu window's rectangle.
e2e_open_menu() {
    # Waits a little: a probe can fail while another Wine program is starting.
    session_wait_window TFormVT555 VeltriaClock 5
    session_click $((PROBE[left] + 11)) $((PROBE[top] + 19))
    e2e_wait_ask 5 "no menu opened after clicking the corner button" menu
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

# e2e_also_at_exit COMMAND: runs COMMAND (a string) before the session's cleanup.
e2e_also_at_exit() {
    trap "$1; session_cleanup" EXIT
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

# e2e_drag FROM_X FROM_Y TO_X TO_Y: presses the left button, moves in steps, releases.
e2e_drag() {
    local step steps=8
    session_point_at "$1" "$2"
    xdotool mousedown 1
    sleep 0.2
    for step in $(seq 1 $steps); do
        # No --sync: a step that ends where the pointer already is would hang it.
        xdotool mousemove $(($1 + ($3 - $1) * step / steps)) $(($2 + ($4 - $2) * step / steps))
        sleep 0.05
    done
    sleep 0.2
    xdotool mouseup 1
    sleep 0.3
}

# e2e_wait_strip_width WIDTH: waits (3 s at most) until the strip is WIDTH pixels wide.
e2e_wait_strip_width() {
    local deadline=$(($(e2e_now_ms) + 3000))
    until session_probe TFormVT555 VeltriaClock && [ "${PROBE[width]}" = "$1" ]; do
        [ "$(e2e_now_ms)" -lt $deadline ] || session_fail "the strip is ${PROBE[width]:-?} px wide, expected $1"
        sleep 0.1
    done
    echo "ok: strip width = $1"
}

# e2e_pixels_unlike FILE COLOUR: how many pixels of FILE differ from the colour (r,g,b).
e2e_pixels_unlike() {
    local size
    size=$(identify -format '%wx%h' "$1")
    compare -metric AE "$1" -size "$size" "xc:rgb($2)" null: 2>&1 || true
}
