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
    session_end_servers
}

# The X servers, the nested one before its host.
session_end_servers() {
    local pid
    for pid in ${SESSION_XEPHYR:-} ${SESSION_XVFB:-}; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    SESSION_XEPHYR= SESSION_XVFB=
}
trap session_cleanup EXIT
# Signals end the script through its exit, so that the cleanup runs.
trap 'exit 130' INT
trap 'exit 143' TERM

# session_start_display [WxH...]: a private virtual display; the servers pick free numbers
# themselves. Without sizes, one 1024x768 monitor (Xvfb). With sizes, one monitor each, side
# by side from the left, their tops at 0, the first the primary: a nested Xephyr, shown on a
# hidden Xvfb. Several monitors reach Wine through Xinerama, with RandR off (with it on, Wine
# would see only the first) and a fixed size; a single one keeps RandR, whose modes let a
# program change the display's size (ChangeDisplaySettings).
session_start_display() {
    local fifo="$SESSION_OUT/displayfd" number size width=1024 height=768 screens=()
    if [ $# -gt 0 ]; then
        width=0 height=0
    fi
    for size in "$@"; do
        [[ $size =~ ^([0-9]+)x([0-9]+)$ ]] || session_fail "not a monitor size: $size"
        width=$((width + BASH_REMATCH[1]))
        height=$((height > BASH_REMATCH[2] ? height : BASH_REMATCH[2]))
        screens+=(-screen "$size")
    done
    rm -f "$fifo"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "${width}x${height}x24" -nolisten tcp 3>"$fifo" \
        >"$SESSION_OUT/xvfb.log" 2>&1 &
    SESSION_XVFB=$!
    read -r -t 20 number <"$fifo" || session_fail "Xvfb did not start (see $SESSION_OUT/xvfb.log)"
    export DISPLAY=":$number"
    [ $# -gt 0 ] || return 0
    [ $# = 1 ] || screens+=(+xinerama -extension RANDR)
    # A pipe of its own: the read could open the first while Xvfb still held it, and Xvfb's
    # closing it then would end the read before Xephyr wrote.
    fifo="$SESSION_OUT/displayfd-nested"
    rm -f "$fifo"
    mkfifo "$fifo"
    # -noreset: a server left without clients starts afresh, the pointer back at the centre
    # of the first monitor, as xdotool (a client only while it runs) would find it each time.
    Xephyr -displayfd 3 -noreset "${screens[@]}" -nolisten tcp 3>"$fifo" \
        >"$SESSION_OUT/xephyr.log" 2>&1 &
    SESSION_XEPHYR=$!
    read -r -t 20 number <"$fifo" ||
        session_fail "Xephyr did not start (see $SESSION_OUT/xephyr.log)"
    export DISPLAY=":$number"
}

# session_stop_display: the programs the session started end, the prefix's server with them
# when the session made the prefix (its programs would keep the display they started on),
# then the display; session_start_display may start another, as when a monitor was taken
# away between two runs.
session_stop_display() {
    [ "${SESSION_OWNS_PREFIX:-0}" = 1 ] ||
        session_fail "only a session that made its prefix changes display"
    local pid
    for pid in "${SESSION_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    for pid in "${SESSION_PIDS[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    SESSION_PIDS=()
    session_end_servers
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

# session_ask COMMAND ARGS...: winask's answer (its key=value lines) in the associative array
# ASK; its status. One Windows program per question, unless SESSION_ASK names a command that
# does the same another way (the journeys keep one winask serving all their questions).
declare -gA ASK
session_ask() {
    if [ -n "${SESSION_ASK:-}" ]; then
        "$SESSION_ASK" "$@"
        return
    fi
    local output line status=0
    ASK=()
    output=$(wine "$VC_PROBE" "$@" 2>/dev/null | tr -d '\r') || status=$?
    while IFS= read -r line; do
        [ -z "$line" ] || ASK[${line%%=*}]=${line#*=}
    done <<<"$output"
    return $status
}

# session_keep_answer NAME: the associative array NAME holds a copy of ASK.
session_keep_answer() {
    local -n kept=$1
    local key
    kept=()
    for key in "${!ASK[@]}"; do
        kept[$key]=${ASK[$key]}
    done
}

# session_probe CLASS CAPTION: fills the associative array PROBE from winask probe.
declare -gA PROBE
session_probe() {
    local status=0
    session_ask probe "$1" "$2" || status=$?
    session_keep_answer PROBE
    return $status
}

# session_wait_window CLASS CAPTION [SECONDS]: waits (60 s by default) until the window is
# shown, then probes it; PROBE then holds it. SESSION_LEFT_BEHIND, when set, names a command
# that keeps what the screen showed for whoever looks at a wait that failed.
session_wait_window() {
    session_ask wait "${3:-60}" shown "$1" "$2" + probe "$1" "$2" || {
        "${SESSION_LEFT_BEHIND:-:}"
        session_fail "no window of class '$1' and caption '$2' shown"
    }
    session_keep_answer PROBE
}

# session_point_at X Y: moves the pointer there. xdotool's --sync waits for a movement, and
# there is none when the pointer is already there: it would hang for many seconds. It waits
# for the display, not for Wine: SESSION_POINTER_SEEN, when set, names a command (given X Y)
# that waits until the window there has read the movement, so that a press after it is not
# taken where the pointer was before.
session_point_at() {
    if [ "$(xdotool getmouselocation --shell | sed -n 's/^[XY]=//p' | paste -sd,)" != "$1,$2" ]; then
        xdotool mousemove --sync "$1" "$2"
        "${SESSION_POINTER_SEEN:-:}" "$1" "$2"
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

