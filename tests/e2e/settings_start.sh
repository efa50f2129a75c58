#!/usr/bin/env bash
# Settings beside the program take effect at start: the stored position (kept on the
# desktop), the real time shown at full width, the band colour.
source "$(dirname "$0")/lib.sh"

mkdir -p "$E2E_OUT/app"
cp "$VC_EXE" "$E2E_OUT/app/VeltriaClock.exe"
VC_EXE="$E2E_OUT/app/VeltriaClock.exe"
printf '[VeltriaTime]\r\nXPos=100\r\nYPos=5000\r\n[RealTime]\r\nShow=1\r\n[BackGroundColor]\r\nDefaultColor=602000\r\n' \
    >"$E2E_OUT/app/VeltriaClock.ini"

session_start_display
session_start_clock
session_wait_window TFormVT555 VeltriaClock
sleep 0.5

e2e_expect "position (pulled back onto the 768-px desktop)" "${PROBE[left]},${PROBE[top]}" "100,730"
e2e_expect "size with the real time" "${PROBE[width]}x${PROBE[height]}" "350x38"
session_shot "$E2E_OUT/strip.png" "350x38+${PROBE[left]}+${PROBE[top]}"
e2e_expect "band colour at the right end" \
    "$(convert "$E2E_OUT/strip.png" -format '%[pixel:p{345,20}]' info:)" "srgb(0,32,96)"
