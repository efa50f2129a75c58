#!/usr/bin/env bash
# A player on a Japanese Windows unpacks the release zip into a folder with a Japanese name
# (表 ends in the byte "\" in CP932) in a Wine prefix of its own and runs the clock from
# there: the strip appears, E quits, and the settings file is written beside the exe.
source "$(dirname "$0")/lib.sh"
root=$(cd "$E2E_DIR/../.." && pwd)

locale -a | grep -qix 'ja_JP.utf8' ||
    session_fail "the locale ja_JP.UTF-8 is missing (tools/setup.sh makes it)"
export LANG=ja_JP.UTF-8
zip=$(ls "$root"/dist/VeltriaClock-*-win64.zip 2>/dev/null | head -n 1)
[ -n "$zip" ] || session_fail "no release zip in $root/dist (make dist)"

session_start_display
export WINEPREFIX=$E2E_OUT/prefix
rm -rf "$WINEPREFIX"
wineboot --init >"$E2E_OUT/wineboot.log" 2>&1 ||
    session_fail "wineboot failed for $WINEPREFIX: $(tail -n 5 "$E2E_OUT/wineboot.log")"
wineserver -w
folder=$WINEPREFIX/drive_c/ゲーム/時計表示
mkdir -p "$folder"
unzip -q -j "$zip" -d "$folder"
VC_EXE=$folder/VeltriaClock.exe
[ ! -e "$folder/VeltriaClock.ini" ] || session_fail "a settings file came with the zip"

session_start_clock
clock=$SESSION_CLOCK
session_wait_window "${E2E_STRIP[@]}"
e2e_expect "strip" "${PROBE[width]}x${PROBE[height]}+${PROBE[left]}+${PROBE[top]}" "175x38+0+0"
e2e_clock_settled
session_shot "$E2E_OUT/strip.png" "175x38+0+0"
e2e_quit_through_menu "$clock"
ini=$folder/VeltriaClock.ini
[ -f "$ini" ] || session_fail "no settings file beside the exe in $folder"
e2e_expect "settings file's first lines" "$(head -n 3 "$ini" | tr -d '\r' | paste -sd' ')" \
    "[VeltriaTime] XPos=0 YPos=0"
echo "ok: $ini written"
ls -la "$folder" >"$E2E_OUT/folder.txt"
cp "$ini" "$E2E_OUT/VeltriaClock.ini"
# The prefix is the journey's own and large; what it showed is kept above.
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
rm -rf "$WINEPREFIX"
