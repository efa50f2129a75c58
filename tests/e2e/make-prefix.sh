#!/usr/bin/env bash
# Creates the run's Wine prefix once, as COUNT copies PREFIX-1 … PREFIX-COUNT that the
# journeys share out (one journey a copy at a time).
#   make-prefix.sh PREFIX COUNT
set -euo pipefail
base=$1 count=${2:-1}
first=$base-1
# A server left by the last run's journeys would write into a copy while it is removed;
# these prefixes are the test run's own, so their servers are stopped whole.
for old in "$base"-*; do
    [ ! -d "$old" ] || WINEPREFIX=$old wineserver -k 2>/dev/null || true
done
rm -rf "$base" "$base"-*
mkdir -p "$(dirname "$base")"
export WINEPREFIX=$first WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
wineboot --init >/dev/null 2>&1 || { echo "wineboot failed for $first" >&2; exit 1; }
wineserver -w
# Wine links the documents folder to $HOME; screenshots land there, so the prefix gets a
# folder of its own instead.
for documents in "$first"/drive_c/users/*/Documents; do
    if [ -L "$documents" ]; then
        rm "$documents" && mkdir "$documents"
    fi
done
[ -f "$first/system.reg" ] || { echo "no Wine prefix in $first" >&2; exit 1; }
for copy in $(seq 2 "$count"); do
    cp -a "$first" "$base-$copy"
done
echo "Wine prefixes ready: $base-1 … $base-$count"
