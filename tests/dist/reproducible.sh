#!/usr/bin/env bash
# Two `make dist` runs in two different folders, each building everything it needs (its
# own libjpeg-turbo too), give byte-identical zips.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
other=$work/another-clone
mkdir -p "$other"
# The tree as it stands (uncommitted changes and the history too), without what was built.
tar -C "$root" --exclude=./build --exclude=./dist -cf - . | tar -C "$other" -xf -

make -s -C "$root" dist >/dev/null
make -s -C "$other" dist >/dev/null
zip=$(cd "$root/dist" && ls VeltriaClock-*-win64.zip)
first=$(sha256sum <"$root/dist/$zip" | cut -d' ' -f1)
second=$(sha256sum <"$other/dist/$zip" | cut -d' ' -f1)
echo "$root/dist/$zip: $first"
echo "$other/dist/$zip: $second"
[ "$first" = "$second" ] || { echo "FAIL: the two zips differ" >&2; exit 1; }
echo "ok: byte-identical"
