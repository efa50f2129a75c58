#!/usr/bin/env bash
# An alarm at a game time ([Alert] At=12:00, Lead=60) with the local time pinned 30 s of real
# time before the game reaches it: the balloon says so at once, and the corner button blinks
# between its normal and its down look until the moment, then stays normal. After a quit, a
# start without any [Alert] key draws the strip as designed and never blinks.
source "$(dirname "$0")/lib.sh"

golden=$E2E_DIR/../form/golden

# The game's 12:00 comes at 04:30:24 local time on this day.
start="2026-03-01 04:29:54"
moment_s=30

# button_shot FILE: the corner button as the screen shows it now.
button_shot() {
    e2e_place $E2E_BUTTON
    import -window root -crop "${PLACE_W}x${PLACE_H}+$((PROBE[left] + PLACE_X))+$((PROBE[top] + PLACE_Y))" \
        +repage "$1" 2>/dev/null
}
# look_of FILE: normal, down or other, by the designed pictures of the button.
look_of() {
    local look
    for look in normal down; do
        if [ "$(compare -metric AE "$1" "$E2E_OUT/ref-$look.png" null: 2>&1)" = 0 ]; then
            echo "$look"
            return
        fi
    done
    echo other
}
# looks_for SECONDS NAME: the looks the button shows in shots over that long, counted in
# LOOKS[normal], LOOKS[down], LOOKS[other]; the first shot of each look is kept as
# NAME-LOOK.png.
declare -gA LOOKS
looks_for() {
    local until=$((${EPOCHREALTIME/[.,]/} + $1 * 1000000)) n=0 look
    LOOKS=([normal]=0 [down]=0 [other]=0)
    while [ "${EPOCHREALTIME/[.,]/}" -lt "$until" ]; do
        button_shot "$E2E_OUT/shot.png"
        look=$(look_of "$E2E_OUT/shot.png")
        [ "${LOOKS[$look]}" -gt 0 ] || cp "$E2E_OUT/shot.png" "$E2E_OUT/$2-$look.png"
        LOOKS[$look]=$((LOOKS[$look] + 1))
        n=$((n + 1))
    done
    echo "$2: $n shots, ${LOOKS[normal]} normal, ${LOOKS[down]} down, ${LOOKS[other]} other"
}
seconds_since() { echo $(((${EPOCHREALTIME/[.,]/} - $1) / 1000000)); }

locale -a | grep -qix 'ja_JP.utf8' ||
    session_fail "the locale ja_JP.UTF-8 is missing (tools/setup.sh makes it)"
export LANG=ja_JP.UTF-8
session_start_display
e2e_private_app
# The pointer away from the strip: over the button, the hover look would decide.
xdotool mousemove 700 500
printf '%s\r\n' '[VeltriaTime]' 'XPos=300' 'YPos=200' '[Alert]' 'At=12:00' 'Lead=60' >"$E2E_INI"

started=${EPOCHREALTIME/[.,]/}
session_start_clock "$start"
session_wait_window "${E2E_STRIP[@]}"
# Painted: a shot before the first paint shows no look at all.
e2e_clock_settled
e2e_place $E2E_BUTTON
convert "$golden/designed-175.png" -crop "${PLACE_W}x${PLACE_H}+${PLACE_X}+${PLACE_Y}" +repage \
    "$E2E_OUT/ref-normal.png"
convert "$golden/look-down.png" -crop "${PLACE_W}x${PLACE_H}+${PLACE_X}+${PLACE_Y}" +repage \
    "$E2E_OUT/ref-down.png"

# Told at start, inside the lead: the seconds left depend on how long the start took.
balloon_read() {
    e2e_balloon &&
        [[ "${BALLOON[text_0]:-}" =~ ^実時間であと約[0-9]+秒でゲーム内は12:00になります。$ ]]
}
e2e_wait_until 20 "no alarm balloon (last: '${BALLOON[text_0]:-none}')" balloon_read
echo "ok: balloon text = ${BALLOON[text_0]}"
if [ -n "${BALLOON[title_0]}" ]; then
    e2e_expect "balloon title" "${BALLOON[title_0]}" "ゲーム内 12:00"
fi
session_shot "$E2E_OUT/balloon-alarm.png"

# Half a second each way: over two seconds both looks show, and nothing else.
looks_for 2 blink
[ "${LOOKS[normal]}" -gt 0 ] && [ "${LOOKS[down]}" -gt 0 ] ||
    session_fail "the button did not blink (${LOOKS[normal]} normal, ${LOOKS[down]} down)"
e2e_expect "shots of neither look" "${LOOKS[other]}" 0
[ "$(seconds_since "$started")" -lt $moment_s ] ||
    session_fail "the blink was looked at only after the moment: the start took too long"
echo "ok: the button blinks ($E2E_OUT/blink-normal.png, $E2E_OUT/blink-down.png)"

# After the moment (its local time passes as the real one does), the normal look stays.
past_moment() { [ "$(seconds_since "$started")" -gt $((moment_s + 1)) ]; }
e2e_wait_until $((moment_s + 10)) "the moment did not pass" past_moment
looks_for 2 after
e2e_expect "shots after the moment that are not the normal look" \
    "$((LOOKS[down] + LOOKS[other]))" 0
echo "ok: after the moment the button stays normal"

# The hand-set keys stay as written; the clock adds none of its own.
e2e_quit_through_menu "$SESSION_CLOCK"
grep -qxF $'At=12:00\r' "$E2E_INI" || session_fail "the settings file lost 'At=12:00'"

# Without any [Alert] key: the strip as designed, and no blink at the same moment.
e2e_clock_gone
# The quit left the pointer on the button.
xdotool mousemove 700 500
printf '%s\r\n' '[VeltriaTime]' 'XPos=300' 'YPos=200' >"$E2E_INI"
session_start_clock "$start"
session_wait_window "${E2E_STRIP[@]}"
e2e_clock_settled
e2e_expect_designed_strip
looks_for 2 no-alert
e2e_expect "shots without alerts that are not the normal look" \
    "$((LOOKS[down] + LOOKS[other]))" 0
e2e_quit_through_menu "$SESSION_CLOCK"
