#!/usr/bin/env bash
# `make run` shares the user's Wine prefix with the game: ending the clock's session, by
# quitting the strip or by Ctrl+C in the terminal, ends the clock and nothing else. The
# stand-in game runs in the prefix first, started apart (its own process group, as a
# program the user started elsewhere), and is still there after both sessions.
source "$(dirname "$0")/lib.sh"
root=$(cd "$E2E_DIR/../.." && pwd)

session_start_display
setsid wine "$E2E_GAMEWIN" VeltriaRune 500 400 >"$E2E_OUT/game.log" 2>&1 &
game_pid=$!
SESSION_PIDS+=($game_pid)
e2e_wait_ask 20 "the stand-in game window did not appear" find VLT-CL VeltriaRune
game=${ASK[hwnd]}

# expect_game_alive WHEN: the game's process and its window are both still there.
expect_game_alive() {
    kill -0 "$game_pid" 2>/dev/null || session_fail "the game's process ended $1"
    e2e_ask find VLT-CL VeltriaRune || session_fail "the game's window is gone $1"
    e2e_expect "game window $1" "${ASK[hwnd]}" "$game"
}

# start_make_run LOG: `make run`'s script in a process group of its own, as a terminal runs
# it. A command started with & here ignores SIGINT, and a shell cannot trap what it was
# started ignoring: env gives the script the default a terminal gives.
start_make_run() {
    setsid env --default-signal=INT "$root/tools/run-clock.sh" >"$E2E_OUT/$1" 2>&1 &
    run_pid=$!
    SESSION_PIDS+=($run_pid)
    session_wait_window "${E2E_STRIP[@]}" 60
}

start_make_run run-quit.log
e2e_open_menu
session_key e
e2e_wait_exit "$run_pid" 20
e2e_expect "make run's status after quitting the strip" "$E2E_EXIT_STATUS" 0
expect_game_alive "after the strip was quit"

start_make_run run-ctrl-c.log
# Ctrl+C in a terminal signals the whole foreground process group.
kill -INT -- "-$run_pid"
e2e_wait_exit "$run_pid" 20
e2e_expect "make run's status after Ctrl+C" "$E2E_EXIT_STATUS" 130
e2e_wait_ask_fails 10 "the clock still runs after Ctrl+C" find "${E2E_STRIP[@]}"
echo "ok: Ctrl+C stopped the clock"
expect_game_alive "after Ctrl+C"
session_shot "$E2E_OUT/game-still-there.png"
