#!/usr/bin/env bash
# `make run`: the clock under Wine. On the user's display it runs until the user quits it.
# Without a display it runs on a private one: a picture of the strip is saved, and the
# terminal shows the live game line until Ctrl+C; then everything started here stops.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export VC_EXE=$root/build/mingw/app/win32/VeltriaClock.exe
export VC_PROBE=$root/build/mingw/tests/e2e/probes/winask.exe
export WINEPREFIX=${WINEPREFIX:-$HOME/.wine}
export VC_SESSION_OUT=$root/build/run
source "$root/tools/wine_session.sh"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Preparing the Wine prefix $WINEPREFIX (once) ..."
    wineboot --init >/dev/null 2>&1
    wineserver -w
fi

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    echo "VeltriaClock runs on $DISPLAY; quit it from its window (or Ctrl+C here)."
    session_start_clock
    wait "${SESSION_PIDS[0]}" || true
    exit 0
fi

session_start_display
session_start_clock
session_wait_window TFormVT555 VeltriaClock
sleep 1
strip="$SESSION_OUT/strip.png"
session_shot "$strip" "${PROBE[width]}x${PROBE[height]}+${PROBE[left]}+${PROBE[top]}"
echo "No display here: VeltriaClock runs on a private one ($DISPLAY)."
echo "Picture of the strip: $strip"
echo "The live game line follows; Ctrl+C stops it and the clock."
trap 'exit 0' INT
"$root/build/native/app/vlttime/vlttime" --watch
