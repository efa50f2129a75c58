#!/usr/bin/env bash
# Creates the run's Wine prefix as COUNT copies PREFIX-1 … PREFIX-COUNT that the journeys
# share out (one journey a copy at a time). The copies come from PREFIX-template, made once
# and made again only when Wine or this script changes: a new prefix takes most of a minute
# of the machine, a copy a moment.
#   make-prefix.sh PREFIX COUNT
set -euo pipefail
base=$1 count=${2:-1}
template=$base-template
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
# A server left by the last run's journeys would write into a copy while it is removed;
# these prefixes are the test run's own, so their servers are stopped whole.
for old in "$base"-[0-9]*; do
    [ ! -d "$old" ] || WINEPREFIX=$old wineserver -k 2>/dev/null || true
done
rm -rf "$base" "$base"-[0-9]*
mkdir -p "$(dirname "$base")"

stamp="$(wine --version) $(sha256sum "$0" | cut -c1-16)"
if [ "$(cat "$template/.vc-made-by" 2>/dev/null)" != "$stamp" ]; then
    rm -rf "$template"
    WINEPREFIX=$template wineboot --init >/dev/null 2>&1 ||
        { echo "wineboot failed for $template" >&2; exit 1; }
    WINEPREFIX=$template wineserver -w
    # Wine links the documents folder to $HOME; screenshots land there, so the prefix gets a
    # folder of its own instead.
    for documents in "$template"/drive_c/users/*/Documents; do
        if [ -L "$documents" ]; then
            rm "$documents" && mkdir "$documents"
        fi
    done
    [ -f "$template/system.reg" ] || { echo "no Wine prefix in $template" >&2; exit 1; }
    echo "$stamp" >"$template/.vc-made-by"
fi
for copy in $(seq 1 "$count"); do
    cp -a "$template" "$base-$copy"
done
echo "Wine prefixes ready: $base-1 … $base-$count (from $template)"
