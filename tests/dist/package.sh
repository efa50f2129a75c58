#!/usr/bin/env bash
# `make dist` gives the package a player downloads: its listing, the checksums, a stripped
# one-file exe with no link time that imports only system DLLs, the guides (UTF-8 with a
# byte order mark, Windows line ends), the licences, and the version resource and manifest
# as Windows reads them back from the exe.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
: "${VC_EXEINFO:?VC_EXEINFO must name exeinfo.exe}"
: "${WINEPREFIX:?WINEPREFIX must name a Wine prefix}"
source "$root/tests/e2e/prefix_slot.sh"
export WINEDEBUG=-all
out=${VC_SESSION_OUT:-$(mktemp -d)}
rm -rf "$out" && mkdir -p "$out"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
expect() {
    [ "$2" = "$3" ] || fail "$1 is '$2', expected '$3'"
    echo "ok: $1 = $3"
}
contains() {
    grep -qF -- "$3" "$2" || fail "$1 does not contain '$3'"
    echo "ok: $1 contains '$3'"
}

make -s -C "$root" dist >"$out/dist.log"
version=$(head -n 1 "$root/VERSION")
name=VeltriaClock-$version-win64
zip=$root/dist/$name.zip
[ -f "$zip" ] || fail "no $zip"

expect "the zip's entries" "$(unzip -Z1 "$zip" | paste -sd' ')" \
    "$name/VeltriaClock.exe $name/README-ja.txt $name/README-en.txt $name/LICENSE.txt $name/THIRD-PARTY-NOTICES.txt"
(cd "$root/dist" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the zip"
echo "ok: SHA256SUMS matches"

unzip -q "$zip" -d "$out"
package=$out/$name
exe=$package/VeltriaClock.exe
cmp -s "$exe" "$root/build/mingw/app/win32/VeltriaClock.exe" || fail "the zip's exe is not the one built"
objdump=x86_64-w64-mingw32-objdump
expect "symbols of the exe" "$($objdump --syms "$exe" | sed -n '/SYMBOL TABLE/{n;p}')" "no symbols"
expect "debug sections" "$($objdump -h "$exe" | grep -c '\.debug' || true)" 0
expect "link time in the PE header" "$($objdump -p "$exe" | sed -n 's/^Time\/Date\s*//p')" \
    "Thu Jan  1 00:00:00 1970"
VC_EXE=$exe "$root/tests/e2e/static_exe.sh" >/dev/null || fail "the zip's exe needs a DLL beyond the system's"
echo "ok: imports only system DLLs"

for guide in README-ja.txt README-en.txt; do
    expect "$guide's first bytes" "$(head -c 3 "$package/$guide" | od -An -tx1 | tr -d ' ')" efbbbf
    iconv -f UTF-8 -t UTF-8 "$package/$guide" >/dev/null || fail "$guide is not UTF-8"
done
for text in README-ja.txt README-en.txt LICENSE.txt THIRD-PARTY-NOTICES.txt; do
    bare=$(grep -c $'[^\r]$' "$package/$text" || true)
    expect "$text lines without CR" "$bare" 0
done
contains "the Japanese guide" "$package/README-ja.txt" "Program Files"
contains "the Japanese guide" "$package/README-ja.txt" "CtrlP_Save"
contains "the Japanese guide" "$package/README-ja.txt" "VeltriaClock $version"
contains "the English guide" "$package/README-en.txt" "SaveFolder"
contains "LICENSE.txt" "$package/LICENSE.txt" "MIT License"
notices=$package/THIRD-PARTY-NOTICES.txt
contains "the notices" "$notices" "based in part on the work of the Independent JPEG Group"
contains "the notices" "$notices" "GCC RUNTIME LIBRARY EXCEPTION"
contains "the notices" "$notices" "mingw-w64-libraries/winpthreads"
contains "the notices" "$notices" "License: Zlib"

declare -A info
while IFS= read -r line; do
    info[${line%%=*}]=${line#*=}
done < <(wine "$VC_EXEINFO" "$(winepath -w "$exe")" 2>/dev/null | tr -d '\r')
expect "file version" "${info[file_version]:-}" "$version.0"
expect "product version" "${info[product_version]:-}" "$version.0"
expect "ProductName" "${info[ProductName]:-}" VeltriaClock
expect "FileDescription" "${info[FileDescription]:-}" "VeltriaClock - the VeltriaRune game-time clock"
expect "LegalCopyright" "${info[LegalCopyright]:-}" \
    "Copyright (c) 2026 The VeltriaClock developers (MIT License)"
manifest=${info[manifest]:-}
for part in 'level="asInvoker"' '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm</dpiAware>' \
    '<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2, PerMonitor</dpiAwareness>' \
    '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}' "version=\"$version.0\""; do
    [[ $manifest == *"$part"* ]] || fail "the manifest lacks $part: $manifest"
    echo "ok: the manifest has $part"
done
printf '%s\n' "${info[@]@A}" >"$out/exeinfo.txt" 2>/dev/null || true
echo "package: $zip"
