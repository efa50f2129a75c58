#!/usr/bin/env bash
# Started at logon, the clock may run before the notification area exists: its icon is
# refused, and it asks again every 2 s. The icon is there a moment after the area appears,
# whether or not the area announces itself (TaskbarCreated), and a click on it opens the
# clock's menu.
# Wine's explorer makes a notification area along with each desktop, except on the
# services' window station, where the desktop comes without explorer. The journey runs
# there, with a stand-in notification area (trayshell) started once the clock runs. That
# desktop has no display: what the journey sees, it asks of Windows.
source "$(dirname "$0")/lib.sh"

E2E_DESKTOP='__wineservice_winstation\Default'
E2E_TRAYSHELL=$(dirname "$VC_PROBE")/trayshell.exe
[ -f "$E2E_TRAYSHELL" ] || session_fail "trayshell.exe is not built ($E2E_TRAYSHELL)"
: >"$E2E_OUT/shell.log"

# start_shell [announce]: the stand-in notification area appears; SHELL_PID is its process.
start_shell() {
    e2e_wine "$E2E_TRAYSHELL" "$@" >>"$E2E_OUT/shell.log" 2>&1 &
    SHELL_PID=$!
    SESSION_PIDS+=("$SHELL_PID")
}

# wait_icon WHAT: the stand-in area holds the clock's icon, added by its receiver under
# identifier 1 with the clock's callback message (WM_USER+101); ICON is its window.
wait_icon() {
    e2e_wait_ask 10 "no icon within 10 s after the notification area appeared $1" tray-icons
    e2e_expect "icons held" "${ASK[count]}" 1
    e2e_expect "icon's owner" "${ASK[icon_0_owner]}" "$receiver"
    e2e_expect "icon's identifier" "${ASK[icon_0_id]}" 1
    e2e_expect "icon's callback message" "${ASK[icon_0_callback]}" 1125
    ICON=${ASK[icon_0_hwnd]}
    echo "time from the notification area appearing to the icon ($1): ${ASK[icon_0_after_ms]} ms"
    # One period of asking again, and as much for a busy machine.
    [ "${ASK[icon_0_after_ms]}" -le 4000 ] ||
        session_fail "the icon came ${ASK[icon_0_after_ms]} ms after the area appeared $1"
}

# click_icon: a left click on the icon opens the clock's menu where the pointer is. (On this
# desktop the pointer stays in the top-left corner: Wine keeps it within the desktop window,
# which explorer would have sized to the screen.)
click_icon() {
    e2e_ask click "$ICON" || session_fail "could not click the icon $ICON"
    local x=${ASK[x]} y=${ASK[y]}
    e2e_wait_ask 5 "no menu after a click on the icon" menu
    e2e_expect "menu's process" "${ASK[process]}" "$clock_process"
    e2e_expect "menu's top-left" "${ASK[left]},${ASK[top]}" "$x,$y"
    MENU=${ASK[hwnd]}
}

# menu_key VK: the key pressed, as the menu reads it from its thread's queue. The menu acts
# on the key going down and may have closed before a key-up could be posted to it.
menu_key() {
    e2e_ask post "$MENU" 0x100 "$1" 1 || session_fail "could not press key $1 in the menu"
}

session_start_display
e2e_private_app
e2e_ask_finds_nothing find Shell_TrayWnd ||
    session_fail "the desktop $E2E_DESKTOP has a notification area already"
echo "ok: no notification area on $E2E_DESKTOP"

e2e_wine "$VC_EXE" >"$E2E_OUT/clock.log" 2>&1 &
SESSION_CLOCK=$!
SESSION_PIDS+=("$SESSION_CLOCK")
session_wait_window "${E2E_STRIP[@]}"
clock_process=${PROBE[process]}
# Its start is done, and with it the first try to add the icon.
e2e_clock_settled
e2e_ask children "${E2E_STRIP[@]}" TMyCallback || session_fail "no clock window"
receiver=${ASK[last]}
e2e_ask_finds_nothing tray-icons || session_fail "a notification area took an icon already"

# The area appears unannounced: only the clock's asking again brings the icon.
start_shell
wait_icon "unannounced"
click_icon
menu_key 0x1B
e2e_wait_ask_fails 5 "the menu stayed open after Escape" menu

# The area ends, and appears again announcing itself.
e2e_ask find Shell_TrayWnd || session_fail "the notification area went away"
e2e_ask post "${ASK[hwnd]}" 0x10 0 0 || session_fail "could not close the notification area"
e2e_wait_exit "$SHELL_PID" 10
e2e_ask_finds_nothing find Shell_TrayWnd || session_fail "the notification area stayed"
start_shell announce
wait_icon "announced"

# E in the menu ends the clock, which takes its icon away.
click_icon
menu_key 0x45
e2e_wait_exit "$SESSION_CLOCK" 10
e2e_expect "exit status" "$E2E_EXIT_STATUS" 0
e2e_wait_ask_fails 5 "the icon stayed after the clock ended" tray-icons
echo "ok: the icon went with the clock"
