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
session_wait_window "${E2E_STRIP[@]}"
e2e_clock_settled

e2e_expect "position (pulled back onto the 768-px desktop)" "${PROBE[left]},${PROBE[top]}" "100,730"
e2e_expect "size with the real time" "${PROBE[width]}x${PROBE[height]}" "350x38"
session_shot "$E2E_OUT/strip.png" "${PROBE[width]}x${PROBE[height]}+${PROBE[left]}+${PROBE[top]}"
e2e_place $E2E_BAND
e2e_expect "band colour at the right end" \
    "$(convert "$E2E_OUT/strip.png" -format "%[pixel:p{$((PROBE[width] - 5)),$((PLACE_Y + PLACE_H / 2))}]" info:)" \
    "srgb(0,32,96)"
