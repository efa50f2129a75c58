#!/usr/bin/env bash
# `make dist`: the package a player downloads, dist/VeltriaClock-<version>-win64.zip, and
# dist/SHA256SUMS beside it. The same sources give the same bytes: every entry has the
# time of the last commit, fixed permissions, a fixed order and no extra fields.
#   tools/dist.sh JPEG_CACHE
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jpeg_cache=$1
exe=$root/build/mingw/app/win32/VeltriaClock.exe
[ -f "$exe" ] || { echo "dist: $exe is not built" >&2; exit 1; }
version=$(head -n 1 "$root/VERSION")
name=VeltriaClock-$version-win64
stage=$root/build/dist
out=$root/dist

rm -rf "$stage"
mkdir -p "$stage/$name" "$out"
rm -f "$out/$name.zip" "$out/SHA256SUMS"

# text_file SOURCE TARGET [bom]: Windows line ends (Notepad), the version filled in; the
# guides start with a UTF-8 byte order mark so that every Notepad reads them as UTF-8.
text_file() {
    {
        [ "${3:-}" != bom ] || printf '\xEF\xBB\xBF'
        sed -e "s/@VERSION@/$version/g" -e 's/\r$//' -e 's/$/\r/' "$1"
    } >"$stage/$name/$2"
}

cp "$exe" "$stage/$name/VeltriaClock.exe"
text_file "$root/docs/player/README-ja.txt" README-ja.txt bom
text_file "$root/docs/player/README-en.txt" README-en.txt bom
text_file "$root/LICENSE" LICENSE.txt
"$root/tools/third-party-notices.sh" "$jpeg_cache" >"$stage/notices.txt"
text_file "$stage/notices.txt" THIRD-PARTY-NOTICES.txt
rm "$stage/notices.txt"

entries=(VeltriaClock.exe README-ja.txt README-en.txt LICENSE.txt THIRD-PARTY-NOTICES.txt)
stamp=$(TZ=UTC git -C "$root" log -1 --format=%cd --date=format-local:%Y%m%d%H%M.%S 2>/dev/null ||
    echo 202601010000.00)
chmod 0755 "$stage/$name"
for entry in "${entries[@]}"; do
    chmod 0644 "$stage/$name/$entry"
    TZ=UTC touch -t "$stamp" "$stage/$name/$entry"
done
(cd "$stage" && TZ=UTC zip -X -D -q -9 "$out/$name.zip" "${entries[@]/#/$name/}")
(cd "$out" && sha256sum "$name.zip" >SHA256SUMS)
echo "dist: $out/$name.zip"
cat "$out/SHA256SUMS"
