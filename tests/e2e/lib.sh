# The journeys' harness. An environment that cannot start fails the journey.
E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$E2E_DIR/../../tools/wine_session.sh"
E2E_OUT=$SESSION_OUT

# e2e_expect NAME ACTUAL EXPECTED
e2e_expect() {
    [ "$2" = "$3" ] || session_fail "$1 is '$2', expected '$3'"
    echo "ok: $1 = $3"
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
