#!/usr/bin/env bash
# Creates the run's Wine prefix once; all journeys reuse it.
set -euo pipefail
prefix=$1
rm -rf "$prefix"
mkdir -p "$(dirname "$prefix")"
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
wineboot --init >/dev/null 2>&1 || { echo "wineboot failed for $prefix" >&2; exit 1; }
wineserver -w
# Wine links the documents folder to $HOME; screenshots land there, so the prefix gets a
# folder of its own instead.
for documents in "$prefix"/drive_c/users/*/Documents; do
    if [ -L "$documents" ]; then
        rm "$documents" && mkdir "$documents"
    fi
done
[ -f "$prefix/system.reg" ] || { echo "no Wine prefix in $prefix" >&2; exit 1; }
echo "Wine prefix ready: $prefix"
