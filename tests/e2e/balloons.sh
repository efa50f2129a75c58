#!/usr/bin/env bash
# The extras a player switches on by hand: with Dusk=1 and the local time pinned a minute
# before the game's dusk, the tray icon shows a balloon saying so; with Notice=1, a Ctrl+P
# in front of the game shows a balloon naming the saved files, and a click on it opens the
# folder. The balloons are read back from the shell's tooltip window.
source "$(dirname "$0")/lib.sh"

# wait_balloon TITLE TEXT: waits (20 s at most) for a balloon with that text, then checks its
# title where the system tells it (Wine's tooltip does not: the pictures show it).
wait_balloon() {
    e2e_wait_until 20 "no balloon saying '$2' (last: '${BALLOON[text_0]:-none}')" \
        balloon_saying "$2"
    echo "ok: balloon text = $2"
    if [ -n "${BALLOON[title_0]}" ]; then
        e2e_expect "balloon title" "${BALLOON[title_0]}" "$1"
    else
        echo "balloon title not told by this system (expected '$1': see the picture)"
    fi
}
balloon_saying() { e2e_balloon && [ "${BALLOON[text_0]}" = "$1" ]; }

# A Japanese system, as most players have: the shell's balloon font then shows the texts.
locale -a | grep -qix 'ja_JP.utf8' ||
    session_fail "the locale ja_JP.UTF-8 is missing (tools/setup.sh makes it)"
export LANG=ja_JP.UTF-8
session_start_display
e2e_private_app
e2e_screenshot_folder shots
printf '%s\r\n' '[VeltriaTime]' 'XPos=300' 'YPos=200' \
    '[ScreenShot]' "SaveFolder=$E2E_SHOTS_WIN" 'Notice=1' \
    '[Alert]' 'Dusk=1' 'Lead=60' >"$E2E_INI"

# The game's dusk comes at 02:22:54 local time; its balloon is due from 02:21:54.
session_start_clock "2026-03-01 02:21:50"
session_wait_window "${E2E_STRIP[@]}"
wait_balloon "夜の訪れ" "実時間であと約1分でゲーム内は19:00、夜になります。"
session_shot "$E2E_OUT/balloon-dusk.png"
echo "balloon at ${BALLOON[rect_0]}: $E2E_OUT/balloon-dusk.png"

e2e_start_game 500 400
e2e_ctrl_p_saves 1
jpeg=$(e2e_shots jpg)
wait_balloon "スクリーンショットを保存しました" \
    "$jpeg を保存しました。クリックするとフォルダーを開きます。"
session_shot "$E2E_OUT/balloon-notice.png"
echo "balloon at ${BALLOON[rect_0]}: $E2E_OUT/balloon-notice.png"
# Wine's tray sends no word of a click on a balloon: the journey posts the shell's message
# (NIN_BALLOONUSERCLICK for icon 1) to the clock's tray receiver, as Windows would.
e2e_ask_finds_nothing find ExplorerWClass || session_fail "a folder window is open already"
e2e_ask children "${E2E_STRIP[@]}" TMyCallback || session_fail "no clock window"
receiver=${ASK[last]}
e2e_ask post "$receiver" 1125 1 0x405 || session_fail "could not post to the receiver $receiver"
e2e_wait_ask 20 "no window of the folder $(basename "$E2E_SHOTS") after the balloon's click" \
    find ExplorerWClass "$(basename "$E2E_SHOTS")"
echo "ok: the folder's window is open"
session_shot "$E2E_OUT/after-click.png"
echo "folder opened: $E2E_OUT/after-click.png"
# The player closes the folder's window.
e2e_ask post "${ASK[hwnd]}" 16 0 0 || session_fail "could not close the folder's window"
e2e_wait_ask_fails 10 "the folder's window stayed open" find ExplorerWClass "$(basename "$E2E_SHOTS")"

# Quit: the hand-set keys stay in the file as they were; the clock writes none of its own.
clock=$SESSION_CLOCK
e2e_quit_through_menu "$clock"
for line in '[Alert]' 'Dusk=1' 'Lead=60' 'Notice=1'; do
    grep -qxF "$line"$'\r' "$E2E_INI" || session_fail "the settings file lost '$line'"
done
e2e_expect "Dawn lines written" "$(grep -c '^Dawn=' "$E2E_INI")" 0

# A later start a minute before the next dusk tells that one.
e2e_clock_gone
session_start_clock "2026-03-01 05:21:50"
session_wait_window "${E2E_STRIP[@]}"
e2e_expect "strip position" "${PROBE[left]},${PROBE[top]}" "300,200"
wait_balloon "夜の訪れ" "実時間であと約1分でゲーム内は19:00、夜になります。"
