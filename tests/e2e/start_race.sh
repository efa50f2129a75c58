#!/usr/bin/env bash
# Several starts at once, as a double-click done twice or a start-up shortcut beside a
# manual start: in every round exactly one strip and one tray icon come up, the other starts
# end with status 0, and quitting leaves nothing. Afterwards an ordinary second start still
# brings the running clock to the front.
source "$(dirname "$0")/lib.sh"

session_start_display
e2e_private_app
printf '[VeltriaTime]\r\nXPos=300\r\nYPos=200\r\n' >"$E2E_INI"
rounds=4 starts=3

# alive PID...: those of the processes that have not ended.
alive() {
    local pid
    for pid in "$@"; do
        if state=$(ps -o stat= -p "$pid") && [[ $state != Z* ]]; then
            echo "$pid"
        fi
    done
}
at_most_one_alive() { [ "$(alive "$@" | wc -w)" -le 1 ]; }

for round in $(seq 1 $rounds); do
    pids=()
    for _ in $(seq 1 $starts); do
        wine "$VC_EXE" >>"$E2E_OUT/starts.log" 2>&1 &
        pids+=($!)
        SESSION_PIDS+=($!)
    done
    session_wait_window "${E2E_STRIP[@]}"
    # The later starts wait for the first one's window, raise it and end.
    e2e_poll 15 at_most_one_alive "${pids[@]}" || true
    running=($(alive "${pids[@]}"))
    [ "${#running[@]}" -le 1 ] || session_fail "round $round: ${#running[@]} starts still run"
    clock=${running[0]:-}
    ended=0
    for pid in "${pids[@]}"; do
        [ "$pid" != "$clock" ] || continue
        e2e_wait_exit "$pid" 1
        e2e_expect "round $round: a later start's status" "$E2E_EXIT_STATUS" 0
        ended=$((ended + 1))
    done
    [ -n "$clock" ] || session_fail "round $round: no clock kept running"
    e2e_ask count TFormVT555
    e2e_expect "round $round: clock windows" "${ASK[count]}" 1
    e2e_tray_icons
    e2e_expect "round $round: tray icons" "$E2E_TRAY_ICONS" 1
    echo "ok: round $round: $starts starts, 1 strip, $ended ended"

    if [ "$round" -lt $rounds ]; then
        e2e_open_menu
        session_key e
        e2e_wait_exit "$clock" 10
        e2e_expect "round $round: exit status" "$E2E_EXIT_STATUS" 0
        e2e_wait_ask_fails 5 "round $round: a clock window is left after quitting" find \
            "${E2E_STRIP[@]}"
    fi
done

# The last round's clock still runs: an ordinary second start raises it.
session_probe "${E2E_STRIP[@]}" || session_fail "the clock went away"
e2e_ask find "${E2E_STRIP[@]}" || session_fail "winask does not see the clock"
first_window=${ASK[hwnd]}
e2e_other_program_in_front 600 500
wine "$VC_EXE" >>"$E2E_OUT/starts.log" 2>&1 &
second=$!
SESSION_PIDS+=($second)
e2e_wait_exit "$second" 15
e2e_expect "second start's exit status" "$E2E_EXIT_STATUS" 0
e2e_ask foreground || session_fail "no foreground window after the second start"
e2e_expect "front window after the second start" "${ASK[class]} ${ASK[hwnd]}" \
    "TFormVT555 $first_window"
e2e_ask count TFormVT555
e2e_expect "clock windows" "${ASK[count]}" 1
