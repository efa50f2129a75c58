# A Wine session for the clock: a private X display, the exe, a probe that asks Windows
# about its windows. Sourced by the journeys and by `make run`. Every process it starts
# is stopped, by its id, when the sourcing script ends, whatever way it ends. Other
# programs in the prefix (the game) are never touched: only a session that made its
# prefix for itself (SESSION_OWNS_PREFIX=1, the journeys) ends the prefix's server.
set -euo pipefail

: "${VC_EXE:?VC_EXE must name VeltriaClock.exe}"
: "${VC_PROBE:?VC_PROBE must name winask.exe}"
: "${WINEPREFIX:?WINEPREFIX must name a Wine prefix}"
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

SESSION_OUT=${VC_SESSION_OUT:-$(mktemp -d)}
mkdir -p "$SESSION_OUT"
SESSION_PIDS=()

session_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

session_cleanup() {
    local pid
    for pid in "${SESSION_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    if [ "${SESSION_OWNS_PREFIX:-0}" = 1 ]; then
        wineserver -k 2>/dev/null || true
        wineserver -w 2>/dev/null || true
    fi
    for pid in "${SESSION_PIDS[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    [ -z "${SESSION_XVFB:-}" ] || { kill "$SESSION_XVFB" 2>/dev/null || true; wait "$SESSION_XVFB" 2>/dev/null || true; }
}
trap session_cleanup EXIT
# Signals end the script through its exit, so that the cleanup runs.
trap 'exit 130' INT
trap 'exit 143' TERM

# A private virtual display; Xvfb picks a free number itself.
session_start_display() {
    local fifo="$SESSION_OUT/displayfd"
    rm -f "$fifo"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >"$SESSION_OUT/xvfb.log" 2>&1 &
    SESSION_XVFB=$!
    local number
    read -r -t 20 number <"$fifo" || session_fail "Xvfb did not start (see $SESSION_OUT/xvfb.log)"
    export DISPLAY=":$number"
}

# session_start_clock ["YYYY-MM-DD hh:mm:ss"]: with a time, the clock starts at that local
# time and runs on from there. SESSION_CLOCK is its process.
# The time comes from libfaketime, preloaded into the clock alone; not through the faketime
# program, which waits for every process its child ever started (a Wine server among them)
# before it ends, and leaves its shared memory behind when a signal ends it.
# SESSION_WINE_UP, when set, names a command that makes Wine's server and system programs run
# before a clock at a pinned time starts: they start with the prefix's first Windows program
# and inherit its environment, so they would live at the pinned time too, their waits and
# timers disagreeing with every other program's.
session_start_clock() {
    if [ $# -gt 0 ]; then
        "${SESSION_WINE_UP:-:}"
        [ -n "${SESSION_FAKETIME:-}" ] ||
            SESSION_FAKETIME=$(dpkg -L libfaketime 2>/dev/null | grep -m 1 '/libfaketime\.so\.1$') ||
            session_fail "libfaketime is not installed"
        LD_PRELOAD=$SESSION_FAKETIME FAKETIME="@$1" wine "$VC_EXE" >"$SESSION_OUT/clock.log" 2>&1 &
    else
        wine "$VC_EXE" >"$SESSION_OUT/clock.log" 2>&1 &
    fi
    SESSION_CLOCK=$!
    SESSION_PIDS+=("$SESSION_CLOCK")
}

# session_probe CLASS CAPTION: fills the associative array PROBE from winask probe.
declare -gA PROBE
session_probe() {
    local output line
    PROBE=()
    output=$(wine "$VC_PROBE" probe "$1" "$2" 2>/dev/null | tr -d '\r') || return 1
    while IFS= read -r line; do
        PROBE[${line%%=*}]=${line#*=}
    done <<<"$output"
}

# session_wait_window CLASS CAPTION [SECONDS]
session_wait_window() {
    local deadline=$((SECONDS + ${3:-60}))
    until session_probe "$1" "$2"; do
        [ $SECONDS -lt $deadline ] || session_fail "no window of class '$1' and caption '$2'"
        sleep 0.5
    done
}

# session_point_at X Y: moves the pointer there. xdotool's --sync waits for a movement, and
# there is none when the pointer is already there: it would hang for many seconds.
session_point_at() {
    if [ "$(xdotool getmouselocation --shell | sed -n 's/^[XY]=//p' | paste -sd,)" != "$1,$2" ]; then
        xdotool mousemove --sync "$1" "$2"
    fi
}

# session_click X Y [BUTTON]: a click at a screen point.
session_click() {
    session_point_at "$1" "$2"
    xdotool click "${3:-1}"
}

# session_key KEY...: key presses (xdotool names, e.g. ctrl+p) to the focused window.
session_key() {
    xdotool key --delay 50 "$@"
}

# session_shot FILE [GEOMETRY]: the screen, or a part of it as WxH+X+Y.
session_shot() {
    if [ $# -gt 1 ]; then
        import -window root -crop "$2" +repage "$1"
    else
        import -window root "$1"
    fi
}

