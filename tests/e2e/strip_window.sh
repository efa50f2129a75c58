#!/usr/bin/env bash
# A user starts the clock: a small borderless strip stays on top, with no taskbar button.
source "$(dirname "$0")/lib.sh"

session_start_display
session_start_clock
# The window first, then the strip shown soon after: a window made but never shown fails here.
e2e_wait_ask 60 "no clock window" find "${E2E_STRIP[@]}"
e2e_wait_ask 10 "the clock's window was not shown within 10 s" shown "${E2E_STRIP[@]}"
e2e_clock_settled
session_probe "${E2E_STRIP[@]}" || session_fail "winask does not see the clock"

e2e_expect "outer size" "${PROBE[width]}x${PROBE[height]}" "175x38"
e2e_expect "client size" "${PROBE[client_width]}x${PROBE[client_height]}" "175x38"
e2e_expect "visible" "${PROBE[visible]}" 1
style=$((PROBE[style]))
exstyle=$((PROBE[exstyle]))
e2e_expect "pop-up style" $((style & 0x80000000)) $((0x80000000))
e2e_expect "no caption or frame" $((style & 0x00CF0000)) 0
e2e_expect "topmost" $((exstyle & 0x8)) 8
e2e_expect "no taskbar request" $((exstyle & 0x40000)) 0
e2e_expect "owned" "${PROBE[owned]}" 1
e2e_expect "owner's extended style" "${PROBE[owner_exstyle]}" 0x00000080
e2e_expect "owner hidden" "${PROBE[owner_visible]}" 0

# Clicks and keys change nothing yet: the strip stays where it is, on top.
e2e_centre $E2E_GAME_LINE
session_click $CENTRE_X $CENTRE_Y
session_key x ctrl+p Escape
e2e_clock_settled
before="${PROBE[left]},${PROBE[top]}"
session_probe "${E2E_STRIP[@]}" || session_fail "the strip went away after a click"
e2e_expect "position after a click and keys" "${PROBE[left]},${PROBE[top]}" "$before"
e2e_expect "topmost after a click" $((PROBE[exstyle] & 0x8)) 8
session_shot "$E2E_OUT/screen.png"
echo "screen: $E2E_OUT/screen.png"
