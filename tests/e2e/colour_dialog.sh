#!/usr/bin/env bash
# The text colour item opens the system's colour dialog, whose DLL the clock loads only then
# (an idle clock never needs it); Escape closes the dialog and the clock runs on with its
# colour as it was. Opened a second time, the dialog comes again.
source "$(dirname "$0")/lib.sh"

session_start_display
e2e_clock_away_from_tray
e2e_ask find "${E2E_STRIP[@]}" || session_fail "winask does not see the clock"
# The clock's own process: journeys in the other prefix run clocks of their own.
clock_process=$SESSION_CLOCK
grep -q 'VeltriaClock.exe' "/proc/$clock_process/maps" ||
    session_fail "process $clock_process is not the clock"
loaded() { grep -qi 'comdlg32.dll' "/proc/$clock_process/maps"; }
! loaded || session_fail "the colour dialog's DLL is loaded at start"
echo "ok: no colour dialog DLL at start"
session_shot "$E2E_OUT/before.png" "175x38+300+200"

for round in 1 2; do
    e2e_open_menu
    session_key g
    # Wine's title of the dialog in the journeys' locale.
    e2e_wait_ask 20 "no colour dialog after G (round $round)" dialog Color
    dialog=${ASK[hwnd]}
    echo "ok: round $round: a dialog '${ASK[title]}' with ${ASK[texts]} texts"
    loaded || session_fail "the dialog is open but its DLL is not loaded"
    session_shot "$E2E_OUT/dialog-$round.png"
    e2e_ask activate "$dialog" || session_fail "the colour dialog could not take the front"
    session_key Escape
    e2e_wait_ask_fails 5 "the colour dialog stayed after Escape" dialog Color
    session_probe "${E2E_STRIP[@]}" || session_fail "the strip went with the dialog"
done
e2e_clock_settled
session_shot "$E2E_OUT/after.png" "175x38+300+200"
# The date of the game line (its seconds move on: the first ten cells) is drawn in the
# colour it had.
e2e_place $E2E_GAME_LINE
date="$((10 * PLACE_CELL))x$PLACE_H+$PLACE_X+$PLACE_Y"
convert "$E2E_OUT/before.png" -crop "$date" +repage "$E2E_OUT/date-before.png"
convert "$E2E_OUT/after.png" -crop "$date" +repage "$E2E_OUT/date-after.png"
e2e_expect "pixels of the game line's date changed by the cancelled dialogs" \
    "$(compare -metric AE "$E2E_OUT/date-before.png" "$E2E_OUT/date-after.png" null: 2>&1 || true)" 0
