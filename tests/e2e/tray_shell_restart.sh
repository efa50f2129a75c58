#!/usr/bin/env bash
# Explorer restarts: the notification area forgets every icon and tells the top-level
# windows (TaskbarCreated). The clock's icon comes back by itself.
source "$(dirname "$0")/lib.sh"

session_start_display
e2e_clock_away_from_tray

e2e_has_icons() { e2e_tray_icons && [ "$E2E_TRAY_ICONS" = "$1" ]; }
e2e_wait_until 10 "the clock's icon did not appear" e2e_has_icons 1
e2e_ask children "${E2E_STRIP[@]}" TMyCallback || session_fail "no clock window"
receiver=${ASK[last]}

e2e_ask shell-restart "$receiver" 1 || session_fail "could not remove the icon and broadcast"
e2e_expect "icon removed by the shell" "${ASK[deleted]}" 1
e2e_wait_until 10 "the icon did not come back after TaskbarCreated" e2e_has_icons 1
echo "ok: the icon is back"
session_shot "$E2E_OUT/tray.png" "166x45+0+0"
session_probe "${E2E_STRIP[@]}" || session_fail "the clock went away"
