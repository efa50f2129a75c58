# Asking Windows: one winask serving the journey's questions, waits with deadlines, and
# answers from a window's own thread.

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
        # Not a wait for anything (the deadline bounds that): the pace of the tries. Each try
        # starts programs, and without a pause between them the poll would take the cores from
        # the programs whose answer it waits for.
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
e2e_clock_settled() { e2e_settled "${E2E_STRIP[@]}"; }

# e2e_keys_reached: the window under the pointer, which takes the keys without a window
# manager, has read the keys typed so far: the system's key state holds them. A window that
# went away meanwhile reads nothing more.
e2e_keys_reached() {
    local x y
    read -r x y < <(xdotool getmouselocation --shell | sed -n 's/^[XY]=//p' | paste -sd' ')
    e2e_pointer_seen "$x" "$y"
}

# e2e_pointer_seen X Y: the window at X,Y (if any) has been back in its message loop, where
# Wine reads what the display sent it: the pointer's movement there among it, so that Wine has
# the pointer where the display has it.
e2e_pointer_seen() {
    e2e_ask sync-at "$1" "$2" || [ "${ASK[found]:-}" = 0 ] ||
        session_fail "the window at $1,$2 does not answer"
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
