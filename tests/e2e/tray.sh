#!/usr/bin/env bash
# The clock's notification icon: a left-button release on it brings the clock forward and
# opens the clock's menu where the pointer is. First as the shell reports it (message
# WM_USER+101 to the clock's shared receiver), then by clicking the icon Wine shows.
source "$(dirname "$0")/lib.sh"

session_start_display
e2e_clock_away_from_tray
e2e_ask find "${E2E_STRIP[@]}" || session_fail "winask does not see the clock"
clock_process=${ASK[process]}

e2e_other_program_in_front 600 500

# The tray's receiver is the last of the strip's zero-size receiver windows.
e2e_ask children "${E2E_STRIP[@]}" TMyCallback || session_fail "no clock window"
e2e_expect "receiver windows" "${ASK[count]}" 10
receiver=${ASK[last]}
session_point_at 500 400
e2e_ask post "$receiver" 1125 1 0x202 || session_fail "could not post to the receiver $receiver"
e2e_wait_ask 5 "no menu after a left-button release reported for icon 1" menu
e2e_expect "menu's top-left after the reported release" "${ASK[left]},${ASK[top]}" "500,400"
e2e_ask foreground || session_fail "no foreground window with the menu open"
e2e_expect "process in front" "${ASK[process]}" "$clock_process"
e2e_close_menu

# Wine's own tray window shows the icon as a child window that takes clicks.
icon_shown() { e2e_tray_icons && [ "$E2E_TRAY_ICONS" -gt 0 ]; }
e2e_poll 5 icon_shown || {
    wine "$E2E_ASK" list >"$E2E_OUT/windows.txt" 2>&1 || true
    session_fail "no tray icon is shown (windows: $E2E_OUT/windows.txt)"
}
e2e_expect "tray icons" "$E2E_TRAY_ICONS" 1
IFS='x+' read -r icon_width icon_height icon_left icon_top <<<"${ASK[child_0_rect]}"
icon_x=$((icon_left + icon_width / 2))
icon_y=$((icon_top + icon_height / 2))
session_click "$icon_x" "$icon_y"
e2e_wait_ask 5 "no menu after clicking the tray icon at $icon_x,$icon_y" menu
e2e_expect "menu's top-left after clicking the icon" "${ASK[left]},${ASK[top]}" "$icon_x,$icon_y"
session_shot "$E2E_OUT/tray-menu.png"
e2e_close_menu
