#!/usr/bin/env bash
# Runs every case through IniProfile and through the Windows functions under Wine, and fails
# unless both print the same transcript. Never skips: a Wine that cannot run is a failure.
# Usage: differential.sh NATIVE_RUNNER PROBE_EXE CASES_FOLDER RUN_FOLDER
set -euo pipefail
native=$1 probe=$2 cases=$3 run=$4

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

[ -x "$native" ] || fail "no native runner at $native"
[ -f "$probe" ] || fail "no $probe; build it: cmake --build --preset mingw --target profile_probe"
command -v wine >/dev/null || fail "wine is not installed"

mkdir -p "$run"
rm -rf "$run/native" "$run/native.out"
"$native" "$cases" "$run/native" "$run/native.out" || fail "the native runner failed"

# Wine takes the ANSI code page from the locale's name; en_US gives 1252, as IniProfile assumes.
wine_env=(env -u DISPLAY -u XDG_RUNTIME_DIR LC_ALL=en_US.UTF-8 WINEDEBUG=-all
    WINEDLLOVERRIDES="mscoree,mshtml=")
as_user=()
area=$run
if [ "$(id -u)" = 0 ]; then
    # Wine, like Linux, lets root write a read-only file, which Windows refuses to everyone; so
    # under root the probe runs as nobody, with a prefix, cases and files of its own.
    nobody=65534
    as_user=(setpriv --reuid=$nobody --regid=$nobody --clear-groups)
    area=$run/nobody
    mkdir -p "$area" && chown $nobody:$nobody "$area"
    if ! "${as_user[@]}" test -w "$area"; then
        area=${TMPDIR:-/tmp}/veltriaclock-profile-$(printf '%s' "$run" | md5sum | cut -c1-12)
        mkdir -p "$area" && chown $nobody:$nobody "$area"
    fi
    rm -rf "$area/cases" "$area/probe.exe"
    cp -r "$cases" "$area/cases" && cp "$probe" "$area/probe.exe"
    chown -R $nobody:$nobody "$area/cases" "$area/probe.exe"
    cases=$area/cases probe=$area/probe.exe
    mkdir -p "$area/home" && chown $nobody:$nobody "$area/home"
    wine_env+=(HOME="$area/home")
    prefix=$area/wineprefix
    if [ -n "${WINEPREFIX:-}" ]; then
        echo "note: WINEPREFIX belongs to root; using $prefix instead"
    fi
else
    prefix=${WINEPREFIX:-$run/wineprefix}
fi
wine_env+=(WINEPREFIX="$prefix")

if [ ! -f "$prefix/system.reg" ]; then
    echo "creating the Wine prefix $prefix"
    # A server left running for a removed prefix would take the new one's registry with it.
    "${as_user[@]}" "${wine_env[@]}" wineserver -k 2>/dev/null || true
    rm -rf "$prefix"
    "${as_user[@]}" "${wine_env[@]}" wineboot --init >/dev/null 2>&1 ||
        fail "wineboot failed for $prefix"
    "${as_user[@]}" "${wine_env[@]}" wineserver -w || true
    [ -f "$prefix/system.reg" ] || fail "no Wine prefix in $prefix"
fi

rm -rf "$area/wine" "$area/wine.out"
"${as_user[@]}" "${wine_env[@]}" wine "$probe" "$cases" "$area/wine" "$area/wine.out" ||
    fail "the probe failed under Wine"
[ -s "$area/wine.out" ] || fail "the probe printed nothing under Wine"
[ "$area" = "$run" ] || cp "$area/wine.out" "$run/wine.out"

if ! diff -u --label IniProfile --label Wine "$run/native.out" "$run/wine.out"; then
    fail "IniProfile differs from Wine (both transcripts are in $run)"
fi
echo "IniProfile matches Wine: $(tail -n 1 "$run/wine.out")"
