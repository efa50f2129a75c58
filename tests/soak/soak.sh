#!/usr/bin/env bash
# `make soak`, under Wine: the clock and the stand-in game for SOAK_MINUTES minutes (10 by
# default), the clock's local time running SOAK_SPEED times as fast (60: ten hours in ten
# minutes, across midnight). Ctrl+P is pressed in front of the game every few seconds, the
# menu opened and closed now and then, the real time shown and hidden. The clock's memory
# is sampled into build/soak/out/samples.csv; at the end its resident memory must be flat,
# every press must have given its files and the game line must still move.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$root/build/mingw
export VC_EXE=$build/app/win32/VeltriaClock.exe
export VC_PROBE=$build/tests/e2e/probes/winask.exe
export VC_SESSION_OUT=$root/build/soak/out
minutes=${SOAK_MINUTES:-10}
speed=${SOAK_SPEED:-60}
start_at="2026-03-01 18:50:00"
# Resident memory may end this far above minute 2. Wine's heaps and the X11 driver grow a
# little in steps as they are used; a leak of a few kilobytes a press (a JPEG compressor's
# state, a row buffer) over the 200 or so presses after minute 2 goes beyond it, and a
# leaked capture (300 kB) goes beyond it within seven presses.
margin_kb=2048

# The soak's own prefix, made afresh: its server is the soak's to end (lib.sh).
"$root/tests/e2e/make-prefix.sh" "$root/build/soak/wineprefix" 1
export WINEPREFIX=$root/build/soak/wineprefix
unset CTEST_RESOURCE_GROUP_0_WINEPREFIX
rm -rf "$VC_SESSION_OUT"
source "$root/tests/e2e/lib.sh"
GUIRES=$(dirname "$VC_PROBE")/guires.exe
[ -f "$GUIRES" ] || session_fail "guires.exe is not built ($GUIRES)"
samples=$E2E_OUT/samples.csv

session_start_display
e2e_private_app
e2e_screenshot_folder shots
printf '%s\r\n' '[VeltriaTime]' 'XPos=300' 'YPos=200' '[ScreenShot]' 'CtrlP_Save=1' \
    "SaveFolder=$E2E_SHOTS_WIN" 'BMP=1' >"$E2E_INI"

# The clock's local time starts at start_at and runs `speed` times as fast; the monotonic
# clock, by which Wine times its waits, stays real. Wine's GetGuiResources is a stub, but
# its own trace of GDI handles carries the process's count of live objects: only those
# lines are kept.
session_tidy_faketime
WINEDEBUG=-all,trace+gdi faketime --exclude-monotonic -f "@$start_at x$speed" wine "$VC_EXE" \
    >"$E2E_OUT/clock.log" 2> >(grep --line-buffered -E '_gdi_handle (allocated|freed) ' >"$E2E_OUT/gdi.log") &
started_pid=$!
SESSION_PIDS+=($started_pid)
session_wait_window TFormVT555 VeltriaClock
e2e_start_game 400 300 >/dev/null

# soak_clock_pid: the process that runs the exe: the one started, or the descendant of it
# whose command line names the exe (Wine's preloader shows the Windows command line).
soak_clock_pid() {
    local pids=("$started_pid") found="" pid child args
    while [ ${#pids[@]} -gt 0 ]; do
        pid=${pids[0]}
        pids=("${pids[@]:1}")
        args=$(ps -o args= -p "$pid" 2>/dev/null) || continue
        if [[ $args == *VeltriaClock.exe* && $args != faketime* ]]; then
            found=$pid
        fi
        for child in $(ps -o pid= --ppid "$pid" 2>/dev/null); do
            pids+=("$child")
        done
    done
    [ -n "$found" ] || return 1
    echo "$found"
}
clock_pid=$(soak_clock_pid) || session_fail "no process runs VeltriaClock.exe"
echo "clock: process $clock_pid ($(ps -o args= -p "$clock_pid"))"

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$clock_pid/status"; }
# Live GDI objects: an "allocated" line counts the new one, a "freed" line the one freed.
gdi_objects() {
    tail -1 "$E2E_OUT/gdi.log" | awk '{ split($NF, n, "/"); print ($(NF - 2) == "freed" ? n[1] - 1 : n[1]) }'
}
# guires' counts, or "n/a" for one that the system does not give.
declare -A GUI
gui_counts() {
    local output line key
    GUI=([gdi]=$(gdi_objects) [user]=n/a [handles]=n/a [windows]=n/a)
    output=$(wine "$GUIRES" TFormVT555 VeltriaClock 2>/dev/null | tr -d '\r') || return 0
    declare -A answer=()
    while IFS= read -r line; do
        [ -z "$line" ] || answer[${line%%=*}]=${line#*=}
    done <<<"$output"
    [ "${answer[user_error]:-1}" != 0 ] || GUI[user]=${answer[user]}
    [ "${answer[handles_error]:-1}" != 0 ] || GUI[handles]=${answer[handles]}
    GUI[windows]=${answer[windows]:-n/a}
    GUI_RAW="GetGuiResources: GDI ${answer[gdi]:-?} (error ${answer[gdi_error]:-?}), USER ${answer[user]:-?} (error ${answer[user_error]:-?}); GetProcessHandleCount: ${answer[handles]:-?} (error ${answer[handles_error]:-?})"
}

presses=0 menus=0 toggles=0 missed=0 real_time=0 GUI_RAW=""
echo "seconds,presses,jpeg,bmp,rss_kb,gdi_objects,user_objects,handles,windows" >"$samples"
sample() {
    gui_counts
    echo "$1,$presses,$(e2e_count_shots jpg),$(e2e_count_shots bmp),$(rss_kb),${GUI[gdi]},${GUI[user]},${GUI[handles]},${GUI[windows]}" >>"$samples"
}
# press: Ctrl+P in front of the game; waits up to 5 s for its JPEG, and counts the press
# as missed without it.
press() {
    local before deadline front=none
    before=$(e2e_count_shots jpg)
    e2e_game_in_front >/dev/null
    e2e_ctrl_p
    presses=$((presses + 1))
    deadline=$(($(e2e_now_ms) + 5000))
    until [ "$(e2e_count_shots jpg)" -gt "$before" ]; do
        if [ "$(e2e_now_ms)" -ge $deadline ]; then
            missed=$((missed + 1))
            ! e2e_ask foreground || front=${ASK[class]}
            echo "press $presses: no JPEG within 5 s ($front in front)" >&2
            return 0
        fi
        sleep 0.1
    done
}
toggle_real_time() {
    e2e_open_menu
    session_key s
    e2e_wait_ask_fails 5 "the menu stayed open after s" menu
    real_time=$((1 - real_time))
    e2e_wait_strip_width $((real_time ? 350 : 175)) >/dev/null
    toggles=$((toggles + 1))
}

soak_start=$SECONDS
last_sample=-100
sample 0
echo "soaking for $minutes min, the local time at x$speed from $start_at"
while [ $((SECONDS - soak_start)) -lt $((minutes * 60)) ]; do
    press
    if [ $((presses % 10)) = 0 ]; then
        e2e_open_menu
        e2e_close_menu
        menus=$((menus + 1))
    fi
    if [ $((presses % 25)) = 0 ]; then
        toggle_real_time
        menus=$((menus + 1))
    fi
    elapsed=$((SECONDS - soak_start))
    if [ $((elapsed - last_sample)) -ge 15 ]; then
        sample "$elapsed"
        last_sample=$elapsed
        echo "$elapsed s: $presses presses, RSS $(rss_kb) kB"
    fi
    sleep 1
done
duration=$((SECONDS - soak_start))
sleep 1
sample "$duration"

# The strip as it stands: its game line (x 22..160, y 13..24) still moves.
session_probe TFormVT555 VeltriaClock || session_fail "the strip is gone at the end"
session_shot "$E2E_OUT/strip-end.png" "${PROBE[width]}x${PROBE[height]}+${PROBE[left]}+${PROBE[top]}"
e2e_changes "game line at the end" "138x12+$((PROBE[left] + 22))+$((PROBE[top] + 13))"

# The figures, from the samples: minute 2 is the first sample at or after 120 s.
read -r minute2_at minute2_rss minute2_gdi minute2_user minute2_handles minute2_windows < <(
    awk -F, 'NR > 1 && $1 >= 120 { print $1, $5, $6, $7, $8, $9; exit }' "$samples")
read -r end_rss end_gdi end_user end_handles end_windows < <(
    tail -1 "$samples" | awk -F, '{ print $5, $6, $7, $8, $9 }')
jpegs=$(e2e_count_shots jpg) bmps=$(e2e_count_shots bmp)
names=$(e2e_shots jpg)
echo "duration: $duration s; presses: $presses; JPEG files: $jpegs; BMP files: $bmps; presses without a JPEG within 5 s: $missed"
echo "menus opened and closed: $menus (the real time shown or hidden $toggles times)"
echo "local time of the first and last screenshots: $(head -1 <<<"$names") .. $(tail -1 <<<"$names")"
echo "RSS: ${minute2_rss:-?} kB at $minute2_at s, $end_rss kB at the end ($((end_rss - ${minute2_rss:-0})) kB; margin $margin_kb kB)"
echo "GDI objects (Wine's trace): ${minute2_gdi:-?} at $minute2_at s, $end_gdi at the end; windows: ${minute2_windows:-?}, $end_windows"
echo "USER objects: ${minute2_user:-?}, $end_user; kernel handles: ${minute2_handles:-?}, $end_handles ($GUI_RAW)"
echo "samples: $samples"

[ -n "${minute2_rss:-}" ] || session_fail "the soak ended before minute 2 (SOAK_MINUTES=$minutes)"
[ "$end_rss" -le $((minute2_rss + margin_kb)) ] ||
    session_fail "resident memory grew from $minute2_rss kB at $minute2_at s to $end_rss kB"
echo "ok: resident memory flat"
e2e_expect "JPEG files" "$jpegs" "$presses"
e2e_expect "BMP files" "$bmps" "$presses"
for kind in gdi user handles windows; do
    before=minute2_$kind after=end_$kind
    [ "${!after}" = n/a ] || [ "${!after}" -le "${!before}" ] ||
        session_fail "$kind grew from ${!before} at $minute2_at s to ${!after}"
done
echo "ok: no object count grew after minute 2"
