# Pictures and files: compared pixel for pixel or byte for byte, and what the clock paints on
# its own schedule, shot until it is seen.

# e2e_expect NAME ACTUAL EXPECTED
e2e_expect() {
    [ "$2" = "$3" ] || session_fail "$1 is '$2', expected '$3'"
    echo "ok: $1 = $3"
}

# e2e_shot_differs FILE GEOMETRY REFERENCE: a new screenshot of that part of the screen, in
# FILE, differs from the picture REFERENCE; E2E_DIFFERING is how many pixels do.
e2e_shot_differs() {
    session_shot "$1" "$2"
    E2E_DIFFERING=$(compare -metric AE "$1" "$3" null: 2>&1) || true
    [ "$E2E_DIFFERING" != 0 ]
}

# e2e_wait_shot_differs SECONDS WHAT FILE GEOMETRY REFERENCE: shoots until the picture differs
# from REFERENCE; WHAT fails the journey when SECONDS pass first. What the clock paints on its
# own schedule (a tick, then a paint) is seen when it is there, however busy the machine.
e2e_wait_shot_differs() {
    e2e_wait_until "$1" "$2" e2e_shot_differs "${@:3}"
}

# e2e_changes NAME GEOMETRY: that part of the screen changes (within 5 s) after a first
# screenshot of it: a running clock's second moves on.
e2e_changes() {
    local name=${1// /-}
    session_shot "$E2E_OUT/$name-1.png" "$2"
    e2e_wait_shot_differs 5 "$1 did not change in 5 s" "$E2E_OUT/$name-2.png" "$2" \
        "$E2E_OUT/$name-1.png"
    echo "ok: $1 changes ($E2E_DIFFERING pixels)"
}

# e2e_same_picture NAME ACTUAL REFERENCE: pixel-exact; VC_E2E_UPDATE=1 rewrites the reference.
e2e_same_picture() {
    if [ "${VC_E2E_UPDATE:-0}" = 1 ]; then
        cp "$2" "$3"
        echo "updated: $3"
        return
    fi
    local differing
    differing=$(compare -metric AE "$2" "$3" null: 2>&1) || true
    [ "$differing" = 0 ] || session_fail "$1: $differing pixels differ from $3 (see $2)"
    echo "ok: $1 matches $(basename "$3")"
}

# e2e_pixel FILE X Y: the pixel as r,g,b (0..255); named colours would hide the numbers.
e2e_pixel() {
    local p="p{$2,$3}"
    convert "$1" -format "%[fx:round(255*$p.r)],%[fx:round(255*$p.g)],%[fx:round(255*$p.b)]" info:
}

# e2e_same_bytes NAME FILE EXPECTED_FILE: byte for byte; on a difference both are shown.
e2e_same_bytes() {
    if ! cmp -s "$2" "$3"; then
        echo "--- $2:" >&2
        cat -A "$2" >&2 || true
        echo "--- expected ($3):" >&2
        cat -A "$3" >&2
        session_fail "$1 differs from the expected bytes"
    fi
    echo "ok: $1 ($(wc -c <"$2") bytes as expected)"
}

# e2e_pixels_unlike FILE COLOUR: how many pixels of FILE differ from the colour (r,g,b).
e2e_pixels_unlike() {
    local size
    size=$(identify -format '%wx%h' "$1")
    compare -metric AE "$1" -size "$size" "xc:rgb($2)" null: 2>&1 || true
}
