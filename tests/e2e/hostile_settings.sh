#!/usr/bin/env bash
# Broken and hostile settings files, one row each, in one session: the clock starts, shows
# the strip with the values the rules give (the ones `vlttime settings` reads from the same
# bytes), and quitting through the menu either writes the file back with every key that was
# valid still there, or says in the error box that it cannot and runs on. A table of the rows
# ends the run. Without ROW names every row runs; the test run shares them out among a few
# sessions that run at once.
#   hostile_settings.sh VLTTIME [ROW...]
# VC_E2E_LARGE_MIB sets the large file's size (5 by default).
source "$(dirname "$0")/lib.sh"

VLTTIME=${1:?usage: hostile_settings.sh VLTTIME [ROW...]}
[ -x "$VLTTIME" ] || session_fail "vlttime is not built ($VLTTIME)"
LARGE_MIB=${VC_E2E_LARGE_MIB:-5}
# Code page 1252 for the clock, the one vlttime reads plain bytes in.
export LC_ALL=C.UTF-8

LOCKED=$E2E_OUT/savefolder_locked/locked
# A run stopped midway may have left it immutable, and then nothing could remove it.
chattr -i "$LOCKED" 2>/dev/null || true

session_start_display
e2e_ask documents || session_fail "Wine names no documents folder"
DOCUMENTS=${ASK[item_list_path]:-}
[ -n "$DOCUMENTS" ] || session_fail "Wine gives no documents folder through its item list"

TABLE=()
declare -A VLT

# read_vlttime FILE: VLT holds each Section.Key's value as vlttime takes it; VLT_LINES the
# lines without the notes. Run in the app's folder, where the clock resolves relative paths.
read_vlttime() {
    local line
    VLT=()
    VLT_LINES=$(cd "$E2E_APP" && "$VLTTIME" settings "$1") ||
        session_fail "vlttime settings $1 failed"
    VLT_NOTES=$(grep -v '^#' <<<"$VLT_LINES")
    VLT_LINES=$(sed 's/  # .*//' <<<"$VLT_NOTES")
    while IFS= read -r line; do
        VLT[${line%%=*}]=${line#*=}
    done <<<"$VLT_LINES"
}

# begin_row NAME: a fresh copy of the clock in its own folder, which is also the current
# folder the clock starts in.
begin_row() {
    ROW=$1
    echo "--- $ROW"
    e2e_private_app "$ROW"
    cd "$E2E_APP" || session_fail "no folder $E2E_APP"
}

# rgb BBGGRR: the colour as e2e_pixel gives it.
rgb() {
    echo "$((16#${1:4:2})),$((16#${1:2:2})),$((16#${1:0:2}))"
}

# line_drawn NAME GEOMETRY COLOUR: that piece of the strip shot holds more than 50 pixels
# of the text colour (r,g,b) and more than 50 unlike the band.
line_drawn() {
    local line=$E2E_OUT/$ROW/$1.png unlike
    convert "$E2E_OUT/$ROW/strip.png" -crop "$2" +repage "$line"
    unlike=$(e2e_pixels_unlike "$line" "$3")
    [ $(($(identify -format '%w*%h' "$line") - unlike)) -gt 50 ] ||
        { STRIP_WHY="no $1 in $3"; return 1; }
    [ "$(e2e_pixels_unlike "$line" "$BAND")" -gt 50 ] || { STRIP_WHY="no $1 on the band"; return 1; }
}

# strip_painted: the strip shows the band in its colour and the game line (and the real
# line when wide) drawn on it in their colours. STRIP_WHY says what is missing.
strip_painted() {
    local shot=$E2E_OUT/$ROW/strip.png band band_y beside right=$((PROBE[width] - 5))
    session_shot "$shot" "${PROBE[width]}x${PROBE[height]}+${PROBE[left]}+${PROBE[top]}"
    # Right of the game line and below it, at the band's last row but one.
    e2e_place $E2E_GAME_LINE
    beside=$((PLACE_X + PLACE_W + 10))
    e2e_place $E2E_BAND
    band_y=$((PLACE_Y + PLACE_H / 2))
    band=$(e2e_pixel "$shot" $beside $((PLACE_Y + PLACE_H - 2)))
    [ "$band" = "$BAND" ] || { STRIP_WHY="the band is $band, expected $BAND"; return 1; }
    e2e_place $E2E_GAME_LINE
    line_drawn game-line "${PLACE_W}x$PLACE_H+$PLACE_X+$PLACE_Y" "$GAME_TEXT" || return 1
    [ "${PROBE[width]}" = 350 ] || return 0
    band=$(e2e_pixel "$shot" $right $band_y)
    [ "$band" = "$BAND" ] || { STRIP_WHY="the band beside the real line is $band"; return 1; }
    e2e_place $E2E_REAL_LINE
    line_drawn real-line "${PLACE_W}x$PLACE_H+$PLACE_X+$PLACE_Y" "$REAL_TEXT"
}

strip_mapped() { xdotool search --onlyvisible --name '^VeltriaClock$' >/dev/null 2>&1; }
# The clock ending instead fails the row at once.
strip_mapped_while_running() {
    strip_mapped && return 0
    kill -0 "$CLOCK" 2>/dev/null || session_fail "$ROW: the clock ended at start"
    return 1
}

# show_row XPOS YPOS SHOW DEFAULTCOLOR [GAMECOLOR REALCOLOR]: vlttime reads these values
# from the file (and the plain band, DayOrNight=0); the clock starts and shows them: its
# place, its width, the colours of the band and of the lines (white unless given).
# START_MS is how long until the strip showed so, polled from the X display.
show_row() {
    local colours="$4 ${5:-FFFFFF} ${6:-FFFFFF}" read_values
    cp -r "$E2E_INI" "$E2E_OUT/$ROW/before.ini"
    if [ -f "$E2E_INI" ]; then
        read_vlttime "$E2E_INI"
        BEFORE=$VLT_LINES
        read_values=(
            "${VLT[VeltriaTime.XPos]}" "${VLT[VeltriaTime.YPos]}" "${VLT[RealTime.Show]}"
            "${VLT[BackGroundColor.DayOrNight]}" "${VLT[BackGroundColor.DefaultColor]}"
            "${VLT[VeltriaTime.Color]}" "${VLT[RealTime.Color]}")
        e2e_expect "$ROW: vlttime's XPos YPos Show DayOrNight, colours of band, game, real line" \
            "${read_values[*]}" "$1 $2 $3 0 $colours"
    fi
    BAND=$(rgb "$4") GAME_TEXT=$(rgb "${5:-FFFFFF}") REAL_TEXT=$(rgb "${6:-FFFFFF}")
    local start
    e2e_clock_gone
    start=$(e2e_now_ms)
    session_start_clock
    CLOCK=$SESSION_CLOCK
    e2e_wait_until 120 "$ROW: no strip within 120 s" strip_mapped_while_running
    session_wait_window "${E2E_STRIP[@]}" 10
    e2e_poll 10 strip_painted || session_fail "$ROW: $STRIP_WHY"
    START_MS=$(($(e2e_now_ms) - start))
    e2e_expect "$ROW: strip's place" "${PROBE[left]},${PROBE[top]}" "$1,$2"
    e2e_expect "$ROW: strip's size" "${PROBE[width]}x${PROBE[height]}" \
        "$([ "$3" = 1 ] && echo 350 || echo 175)x38"
    echo "ok: $ROW: the strip shows the band in $BAND, the lines in $GAME_TEXT and $REAL_TEXT" \
        "after $START_MS ms"
}

# quit_refused: E brings the error box naming the file; after OK the clock runs on.
quit_refused() {
    e2e_open_menu
    session_key e
    e2e_wait_ask 10 "$ROW: no message box titled Veltriaclock after E" dialog Veltriaclock
    e2e_expect "$ROW: message box text" "${ASK[text]:-}" "$E2E_INI_WIN に書き込めません."
    e2e_ask activate "${ASK[hwnd]}" || session_fail "$ROW: the message box could not take the front"
    session_key Return
    e2e_wait_ask_fails 5 "$ROW: the message box stayed after Enter" dialog Veltriaclock
    kill -0 "$CLOCK" 2>/dev/null || session_fail "$ROW: the clock ended after the message box"
    session_probe "${E2E_STRIP[@]}" || session_fail "$ROW: the strip went with the message box"
    echo "ok: $ROW: the error box, and the clock runs on"
}

# quit_saved FOLDER: E ends the clock with status 0, and the file it leaves reads (through
# vlttime) as the values before, each of the twelve keys written now present and valid, and
# SaveFolder stored as FOLDER.
quit_saved() {
    local start stored
    e2e_open_menu
    start=$(e2e_now_ms)
    session_key e
    e2e_wait_exit "$CLOCK" 180
    QUIT_MS=$(($(e2e_now_ms) - start))
    e2e_expect "$ROW: exit status" "$E2E_EXIT_STATUS" 0
    [ -f "$E2E_INI" ] || session_fail "$ROW: no settings file after quitting"
    read_vlttime "$E2E_INI"
    # The keys only the user writes may stay missing.
    if grep -v '^\(ScreenShot\.\(BMP\|SaveFolder\|Notice\)\|Alert\.[A-Za-z]*\)=' <<<"$VLT_NOTES" |
        grep -q '  # '; then
        session_fail "$ROW: a key written is missing or unreadable: $VLT_NOTES"
    fi
    if [ "$(grep -v '^ScreenShot\.SaveFolder=' <<<"$VLT_LINES")" != \
        "$(grep -v '^ScreenShot\.SaveFolder=' <<<"$BEFORE")" ]; then
        diff <(echo "$BEFORE") <(echo "$VLT_LINES") >&2 || true
        session_fail "$ROW: the keys after quitting differ from before (vlttime; < before, > after)"
    fi
    echo "ok: $ROW: every key after quitting as before, as vlttime reads them"
    stored=$(sed -n 's/^ScreenShot\.SaveFolder=(the documents folder)  # default: "\(.*\)" .*/\1/p;
        s/^ScreenShot\.SaveFolder=\([^(].*\)/\1/p' <<<"$VLT_NOTES")
    e2e_expect "$ROW: SaveFolder stored" "$stored" "$1"
}

# end_row OUTCOME
end_row() {
    TABLE+=("$(printf '%-22s %8s %8s  %s' "$ROW" "$START_MS" "$QUIT_MS" "$1")")
    cd "$E2E_OUT" || session_fail "no folder $E2E_OUT"
}

# A folder in the file's place: vlttime refuses it; the clock reads no key and cannot write.
row_settings_is_folder() {
    begin_row settings_is_folder
    mkdir "$E2E_INI"
    VLT_ERROR=$(cd "$E2E_APP" && "$VLTTIME" settings VeltriaClock.ini 2>&1) &&
        session_fail "vlttime read a folder as settings: $VLT_ERROR"
    e2e_expect "vlttime on the folder" "$VLT_ERROR" \
        "vlttime: settings: VeltriaClock.ini is a folder, not a settings file"
    read_vlttime missing.ini
    BEFORE=$VLT_LINES
    show_row 0 0 0 000000
    quit_refused
    if [ ! -d "$E2E_INI" ] || [ -n "$(ls -A "$E2E_INI")" ]; then
        session_fail "$ROW: the folder in the file's place changed"
    fi
    rmdir "$E2E_INI"
    quit_saved "$DOCUMENTS"
    end_row "error box, ran on; saved once the folder went"
}

# 64 KiB of noise, the same bytes on every run and no byte order mark at their start, then
# two keys the clock must still find.
row_random_binary() {
    begin_row random_binary
    {
        head -c 65536 /dev/zero | openssl enc -aes-128-ctr -nosalt \
            -K 5665c3a8b1d2e3f40516273849abcdef -iv 00000000000000000000000000000000
        printf '\r\n\r\n%s\r\n' '[VeltriaTime]' 'XPos=40' 'YPos=300'
    } >"$E2E_INI"
    show_row 40 300 0 000000
    quit_saved "$DOCUMENTS"
    end_row "saved"
}

# filler COUNT: as many lines of 72 bytes.
filler() {
    awk -v n="$1" -v digits=0123456789012345678901234567890123456789012345678901234567890 \
        'BEGIN { for (i = 0; i < n; i++) printf "k%07d=%s\r\n", i, digits }'
}
large_lines=$((LARGE_MIB * 1024 * 1024 / 72))
row_large() {
    begin_row "large_${LARGE_MIB}MiB"
    {
        printf '[Filler]\r\n'
        filler $large_lines
        printf '%s\r\n' '[VeltriaTime]' 'XPos=60' 'YPos=320' '[RealTime]' 'Show=1'
    } >"$E2E_INI"
    show_row 60 320 1 000000
    quit_saved "$DOCUMENTS"
    e2e_expect "$ROW: filler lines kept" "$(grep -c '^k[0-9]*=0123' "$E2E_INI")" "$large_lines"
    end_row "saved, $large_lines filler lines kept"
}

# A NUL ends a name or a value, not the line.
row_nul_bytes() {
    begin_row nul_bytes
    printf '%b\r\n' '[VeltriaTime]' 'XPos=130\0999' 'YP\0os=7' 'YPos=70' '[RealTime\0x]' 'Show=1' \
        '[BackGroundColor]' 'Default\0Color=0000FF' 'DefaultColor=602000\0FFFFFF' '\0\0\0' >"$E2E_INI"
    show_row 130 70 1 602000
    quit_saved "$DOCUMENTS"
    end_row "saved"
}

# keeps_mine FILE: the key the clock does not know is still there.
keeps_mine() {
    grep -q $'^Answer=42\r$' "$1" || session_fail "$ROW: [Mine] Answer=42 was lost"
    echo "ok: $ROW: [Mine] Answer=42 kept"
}

row_cr_line_ends() {
    begin_row cr_line_ends
    printf '%s\r' '[VeltriaTime]' 'XPos=140' 'YPos=80' '[RealTime]' 'Show=1' \
        '[BackGroundColor]' 'DefaultColor=006000' '[Mine]' 'Answer=42' >"$E2E_INI"
    show_row 140 80 1 006000
    quit_saved "$DOCUMENTS"
    keeps_mine "$E2E_INI"
    end_row "saved"
}

row_lf_line_ends() {
    begin_row lf_line_ends
    printf '%s\n' '[VeltriaTime]' 'XPos=150' 'YPos=90' '[RealTime]' 'Show=1' \
        '[BackGroundColor]' 'DefaultColor=000060' '[Mine]' 'Answer=42' >"$E2E_INI"
    show_row 150 90 1 000060
    quit_saved "$DOCUMENTS"
    keeps_mine "$E2E_INI"
    end_row "saved"
}

# cafe_lines: settings with a text in UTF-8 that code page 1252 can hold.
cafe_lines() {
    printf '%s\r\n' '[VeltriaTime]' "XPos=$1" "YPos=$2" '[RealTime]' 'Show=1' \
        '[BackGroundColor]' "DefaultColor=$3" '[Mine]' 'Answer=42' 'Name=Café'
}

row_utf8_bom() {
    begin_row utf8_bom
    {
        printf '\xEF\xBB\xBF'
        cafe_lines 160 100 203040
    } >"$E2E_INI"
    show_row 160 100 1 203040
    quit_saved "$DOCUMENTS"
    e2e_expect "$ROW: first bytes after quitting" "$(head -c 3 "$E2E_INI" | od -An -tx1 | xargs)" "ef bb bf"
    keeps_mine "$E2E_INI"
    grep -q $'^Name=Café\r$' "$E2E_INI" || session_fail "$ROW: Name=Café is no longer the same UTF-8"
    end_row "saved, still UTF-8 with its mark"
}

row_utf16_bom() {
    begin_row utf16_bom
    {
        printf '\xFF\xFE'
        cafe_lines 170 110 404000 | iconv -f UTF-8 -t UTF-16LE
    } >"$E2E_INI"
    show_row 170 110 1 404000
    quit_saved "$DOCUMENTS"
    e2e_expect "$ROW: first bytes after quitting" "$(head -c 2 "$E2E_INI" | od -An -tx1 | xargs)" "ff fe"
    iconv -f UTF-16 -t UTF-8 "$E2E_INI" >"$E2E_OUT/$ROW/after-utf8.ini"
    keeps_mine "$E2E_OUT/$ROW/after-utf8.ini"
    grep -q $'^Name=Café\r$' "$E2E_OUT/$ROW/after-utf8.ini" || session_fail "$ROW: Name=Café was lost"
    end_row "saved, still UTF-16 with its mark"
}

row_10000_sections() {
    begin_row 10000_sections
    {
        awk 'BEGIN { for (i = 0; i < 10000; i++) printf "[S%d]\r\nk=%d\r\n", i, i }'
        printf '%s\r\n' '[VeltriaTime]' 'XPos=180' 'YPos=120' '[BackGroundColor]' 'DefaultColor=003000'
    } >"$E2E_INI"
    show_row 180 120 0 003000
    quit_saved "$DOCUMENTS"
    e2e_expect "$ROW: sections S0..S9999 kept" "$(grep -c '^\[S[0-9]*\]' "$E2E_INI")" 10000
    grep -q $'^\\[S9999\\]\r$' "$E2E_INI" || session_fail "$ROW: [S9999] was lost"
    end_row "saved, 10000 sections kept"
}

# Values of 100 KB: the blanks before a number go; a read gives 2047 bytes at most, so the
# long folder is no folder; a long value of a key the clock does not know survives the
# rewrite.
row_value_100KB() {
    begin_row value_100KB
    long() { head -c 102400 /dev/zero | tr '\0' "$1"; }
    {
        printf '[VeltriaTime]\r\nXPos=%s190\r\nYPos=130\r\n' "$(long ' ')"
        printf '[Mine]\r\nBig=%s\r\n' "$(long v)"
        printf '[ScreenShot]\r\nSaveFolder=C:\\%s\r\n' "$(long f)"
    } >"$E2E_INI"
    show_row 190 130 0 000000
    quit_saved "$DOCUMENTS"
    grep -q "^Big=$(long v)"$'\r$' "$E2E_INI" || session_fail "$ROW: the 100 KB value was not kept"
    echo "ok: $ROW: the 100 KB value kept"
    end_row "saved, the 100 KB value kept"
}

# Every key twice with another value, and the sections again: the first counts. All first
# values are in the form the clock writes, so quitting leaves the file as it was.
row_duplicate_keys() {
    begin_row duplicate_keys
    mkdir first second
    printf '%s\r\n' '[VeltriaTime]' 'XPos=200' 'XPos=9' 'YPos=140' 'YPos=9' '24Hour=0' '24Hour=1' \
        'Color=00FFFF' 'Color=0000FF' \
        '[RealTime]' 'Show=1' 'Show=0' 'Color=00FF00' 'Color=FF00FF' \
        '[BackGroundColor]' 'DayOrNight=0' 'DayOrNight=1' 'DefaultColor=400000' 'DefaultColor=004000' \
        'DayColor=111111' 'DayColor=222222' 'NightColor=333333' 'NightColor=444444' \
        '[ScreenShot]' 'CtrlP_Save=0' 'CtrlP_Save=1' 'SaveFolder=first' 'SaveFolder=second' \
        'BMP=1' 'BMP=0' \
        '[VeltriaTime]' 'XPos=300' '[RealTime]' 'Show=0' '[BackGroundColor]' 'DefaultColor=000040' \
        >"$E2E_INI"
    show_row 200 140 1 400000 00FFFF 00FF00
    quit_saved first
    e2e_same_bytes "$ROW: settings file after quitting" "$E2E_INI" "$E2E_OUT/$ROW/before.ini"
    end_row "saved, the file unchanged"
}

# save_folder_row NAME STORED X Y: a screenshot folder the clock must not take; the file
# names it relative to the clock's folder where it can, so that vlttime looks at it too.
save_folder_row() {
    begin_row "savefolder_$1"
    printf '%s\r\n' '[VeltriaTime]' "XPos=$3" "YPos=$4" '[ScreenShot]' "SaveFolder=$2" >"$E2E_INI"
    show_row "$3" "$4" 0 000000
    quit_saved "$DOCUMENTS"
    end_row "saved, the documents folder instead"
}
row_savefolder_unc() { save_folder_row unc '\\nohost\share' 210 150; }
row_savefolder_file() { save_folder_row file VeltriaClock.exe 220 160; }
row_savefolder_nul_device() { save_folder_row nul_device NUL 230 170; }
row_savefolder_con_device() { save_folder_row con_device CON 240 180; }

# A folder nobody may write to is still a folder: the clock takes it, and Ctrl+P there
# brings the error box.
row_savefolder_locked() {
    begin_row savefolder_locked
    mkdir "$LOCKED"
    e2e_unwritable "$LOCKED"
    printf '%s\r\n' '[VeltriaTime]' 'XPos=250' 'YPos=190' '[ScreenShot]' 'SaveFolder=locked' >"$E2E_INI"
    show_row 250 190 0 000000
    e2e_start_game 500 400
    e2e_ctrl_p_until 10 "$ROW: no message box titled Veltriaclock after Ctrl+P" e2e_ask dialog Veltriaclock
    e2e_wait_ask 10 "$ROW: no message box titled Veltriaclock after Ctrl+P" dialog Veltriaclock
    box=${ASK[hwnd]} box_x=$((ASK[left] + ASK[width] / 2)) box_y=$((ASK[top] + ASK[height] / 3))
    pattern='^ファイル locked\\vlt_[0-9]{8}_[0-9]{6}_[0-9]{4}\.jpg を作成できません\.$'
    [[ ${ASK[text]:-} =~ $pattern ]] || session_fail "$ROW: the message is '${ASK[text]:-}'"
    echo "ok: $ROW: Ctrl+P: ${ASK[text]}"
    e2e_ask activate "$box" || session_fail "$ROW: the message box could not take the front"
    # The keys go to the window under the pointer, which still rests on the game.
    session_point_at "$box_x" "$box_y"
    session_key Return
    e2e_wait_ask_fails 5 "$ROW: the message box stayed after Enter" dialog Veltriaclock
    kill -0 "$CLOCK" 2>/dev/null || session_fail "$ROW: the clock ended after the message box"
    kill "$E2E_GAME_PID"
    e2e_wait_exit "$E2E_GAME_PID" 10
    [ -z "$(ls -A "$LOCKED")" ] || session_fail "$ROW: files appeared in the locked folder"
    quit_saved locked
    chattr -i "$LOCKED"
    end_row "saved, the locked folder kept; Ctrl+P there: error box"
}

ROWS=(settings_is_folder random_binary large nul_bytes cr_line_ends lf_line_ends utf8_bom
    utf16_bom 10000_sections value_100KB duplicate_keys savefolder_unc savefolder_file
    savefolder_nul_device savefolder_con_device savefolder_locked)
[ $# -lt 2 ] || ROWS=("${@:2}")
for row in "${ROWS[@]}"; do
    declare -F "row_$row" >/dev/null || session_fail "no row $row"
    "row_$row"
done

echo
printf '%-22s %8s %8s  %s\n' row "start ms" "quit ms" outcome
for row in "${TABLE[@]}"; do
    echo "$row"
done
