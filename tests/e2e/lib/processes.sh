# The journey's processes: what runs at its end, what it started and waits for, what it
# leaves behind for whoever looks at a journey that failed.

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

# e2e_left_behind: what was on the screen, the windows and the journey's processes, for the
# one looking at a journey that waited in vain.
e2e_left_behind() {
    session_shot "$E2E_OUT/left-screen.png" || true
    e2e_wine "$E2E_ASK" list >"$E2E_OUT/left-windows.txt" 2>&1 || true
    ps -o pid,ppid,stat,etime,args --ppid "$$" >"$E2E_OUT/left-processes.txt" 2>&1 || true
    [ "${#SESSION_PIDS[@]}" = 0 ] ||
        ps -o pid,stat,etime,args -p "$(IFS=,; echo "${SESSION_PIDS[*]}")" \
            >>"$E2E_OUT/left-processes.txt" 2>&1 || true
    # A clock that ended by itself, and how: a window waited for in vain may never have come.
    if [ -n "${SESSION_CLOCK:-}" ] && e2e_ended "$SESSION_CLOCK"; then
        local status=0
        wait "$SESSION_CLOCK" 2>/dev/null || status=$?
        echo "the clock (process $SESSION_CLOCK) had ended, status $status" \
            >>"$E2E_OUT/left-processes.txt"
        cp "$E2E_OUT/clock.log" "$E2E_OUT/left-clock.log" 2>/dev/null || true
    fi
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

# e2e_clock_gone: no clock window is left. A clock that has just quit may show its window a
# moment after its process has ended; a start then would take it for a running clock, raise
# it and end.
e2e_clock_gone() {
    e2e_wait_ask_fails 10 "a clock window stayed after the clock ended" find "${E2E_STRIP[@]}"
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
