#!/usr/bin/env bash
# `make dist SIGN_CERT=… SIGN_KEY=…` with a throwaway self-signed code-signing certificate,
# into a folder of the test's own (dist/ stays the unsigned package): the exe in the zip
# verifies against that certificate and no other, is the build's exe once the signature is
# taken off, and Windows still reads its version resource and manifest; the signed exe
# starts under Wine, shows its strip and quits from its menu. A signing that cannot be done
# fails with a message and leaves no zip.
source "$(dirname "$0")/../e2e/lib.sh"
root=$(cd "$E2E_DIR/../.." && pwd)
: "${VC_EXEINFO:?VC_EXEINFO must name exeinfo.exe}"
version=$(head -n 1 "$root/VERSION")
name=VeltriaClock-$version-win64
built=$root/build/mingw/app/win32/VeltriaClock.exe
out=$E2E_OUT/dist
zip=$out/$name.zip

keys=$(mktemp -d)
e2e_at_exit "rm -rf '$keys'"
# self_signed NAME CN: NAME.pem and NAME.key, a certificate for code signing only.
self_signed() {
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=$2" \
        -addext "basicConstraints=critical,CA:FALSE" \
        -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" \
        -keyout "$keys/$1.key" -out "$keys/$1.pem" 2>"$keys/$1.log" ||
        session_fail "openssl made no certificate (see $keys/$1.log)"
}
self_signed signer "VeltriaClock test signer $$"
self_signed stranger "Someone else $$"

# fingerprint FILE: the file's SHA-256, or "none" when it is not there.
fingerprint() { if [ -f "$1" ]; then sha256sum <"$1" | cut -d' ' -f1; else echo none; fi; }
built_before=$(fingerprint "$built")
unsigned_before=$(fingerprint "$root/dist/$name.zip")

rm -rf "$out"
if ! env -u SIGN_TIMESTAMP make -s -C "$root" dist SIGN_CERT="$keys/signer.pem" \
    SIGN_KEY="$keys/signer.key" DIST_OUT="$out" >"$E2E_OUT/dist.log" 2>&1; then
    cat "$E2E_OUT/dist.log" >&2
    session_fail "make dist with SIGN_CERT and SIGN_KEY failed"
fi
cat "$E2E_OUT/dist.log"
[ -f "$zip" ] || session_fail "no $zip"
(cd "$out" && sha256sum --quiet -c SHA256SUMS) || session_fail "SHA256SUMS does not match the zip"
echo "ok: SHA256SUMS matches"
entries="VeltriaClock.exe README-ja.txt README-en.txt LICENSE.txt THIRD-PARTY-NOTICES.txt"
e2e_expect "the zip's entries" "$(unzip -Z1 "$zip" | sed "s|^$name/||" | paste -sd' ')" \
    "$entries"
e2e_expect "the build's exe after signing" "$(fingerprint "$built")" "$built_before"
e2e_expect "the unsigned zip in dist/ after signing" "$(fingerprint "$root/dist/$name.zip")" \
    "$unsigned_before"

rm -rf "${E2E_OUT:?}/$name" "$E2E_OUT/unsigned.exe"
unzip -q "$zip" -d "$E2E_OUT"
exe=$E2E_OUT/$name/VeltriaClock.exe
echo "--- osslsigncode verify -CAfile signer.pem:"
osslsigncode verify -in "$exe" -CAfile "$keys/signer.pem" 2>&1 | tee "$E2E_OUT/verify.txt" ||
    session_fail "the signature does not verify against the signing certificate"
echo "---"
grep -qx 'Signature verification: ok' "$E2E_OUT/verify.txt" ||
    session_fail "osslsigncode did not report the signature as verified"
grep -qF "Subject: /CN=VeltriaClock test signer $$" "$E2E_OUT/verify.txt" ||
    session_fail "the signer is not the test's certificate"
grep -q '^Message digest algorithm  : SHA256' "$E2E_OUT/verify.txt" ||
    session_fail "the exe's digest is not SHA-256"
echo "ok: the signature verifies against the signing certificate (SHA-256)"
if osslsigncode verify -in "$exe" -CAfile "$keys/stranger.pem" >"$E2E_OUT/verify-stranger.txt" 2>&1
then
    session_fail "the signature verifies against a certificate that did not sign it"
fi
echo "ok: the signature does not verify against another certificate"
osslsigncode remove-signature -in "$exe" -out "$E2E_OUT/unsigned.exe" >/dev/null ||
    session_fail "osslsigncode cannot take the signature off"
cmp -s "$E2E_OUT/unsigned.exe" "$built" ||
    session_fail "the signed exe is not the build's exe signed"
echo "ok: without its signature the exe is the build's, byte for byte"

# fails_to_sign WHAT MESSAGE VARIABLES...: dist.sh with these variables fails, says MESSAGE
# and leaves no zip, not even the one of an earlier run.
fails_to_sign() {
    local what=$1 message=$2 status=0
    shift 2
    cp "$E2E_OUT/$name.zip.signed" "$zip"
    env -u SIGN_CERT -u SIGN_KEY -u SIGN_TIMESTAMP "$@" DIST_OUT="$out" \
        "$root/tools/dist.sh" "$root/build/cache/libjpeg-turbo-mingw" \
        >"$E2E_OUT/fail.log" 2>&1 || status=$?
    [ "$status" != 0 ] || session_fail "$what: dist.sh succeeded"
    grep -qF -- "$message" "$E2E_OUT/fail.log" ||
        session_fail "$what: dist.sh did not say '$message': $(cat "$E2E_OUT/fail.log")"
    [ ! -e "$zip" ] || session_fail "$what: a zip was left in $out"
    echo "ok: $what: status $status, '$message', no zip"
}
cp "$zip" "$E2E_OUT/$name.zip.signed"
fails_to_sign "SIGN_CERT alone" "SIGN_CERT and SIGN_KEY go together" SIGN_CERT="$keys/signer.pem"
fails_to_sign "SIGN_KEY alone" "SIGN_CERT and SIGN_KEY go together" SIGN_KEY="$keys/signer.key"
fails_to_sign "a missing key" "cannot read $keys/missing.key" \
    SIGN_CERT="$keys/signer.pem" SIGN_KEY="$keys/missing.key"
fails_to_sign "a key not the certificate's" "osslsigncode could not sign the exe" \
    SIGN_CERT="$keys/signer.pem" SIGN_KEY="$keys/stranger.key"
fails_to_sign "a time-stamp server that does not answer" "osslsigncode could not sign the exe" \
    SIGN_CERT="$keys/signer.pem" SIGN_KEY="$keys/signer.key" SIGN_TIMESTAMP=http://127.0.0.1:9/
e2e_expect "the build's exe after the failures" "$(fingerprint "$built")" "$built_before"

# Windows reads the version resource and the manifest back from the signed exe as from the
# build's.
session_start_display
# exeinfo FILE NAME: what exeinfo.exe reads from FILE, into E2E_OUT/NAME.
exeinfo() {
    local windows_path
    e2e_windows_path windows_path "$1"
    wine "$VC_EXEINFO" "$windows_path" 2>/dev/null | tr -d '\r' >"$E2E_OUT/$2" ||
        session_fail "exeinfo.exe finds no version resource or manifest in $1"
}
exeinfo "$exe" exeinfo-signed.txt
exeinfo "$built" exeinfo-built.txt
echo "--- exeinfo.exe on the signed exe:"
cat "$E2E_OUT/exeinfo-signed.txt"
echo "---"
cmp -s "$E2E_OUT/exeinfo-signed.txt" "$E2E_OUT/exeinfo-built.txt" ||
    session_fail "the signed exe's version or manifest differs from the build's: $(diff \
        "$E2E_OUT/exeinfo-built.txt" "$E2E_OUT/exeinfo-signed.txt")"
echo "ok: version resource and manifest as in the build's exe"
e2e_expect "file version" "$(sed -n 's/^file_version=//p' "$E2E_OUT/exeinfo-signed.txt")" \
    "$version.0"
grep -q "^manifest=.*<assemblyIdentity[^>]* version=\"$version.0\"" \
    "$E2E_OUT/exeinfo-signed.txt" || session_fail "the manifest does not name version $version.0"
echo "ok: the manifest names version $version.0"

# The signed exe runs: the strip shows, E in its menu quits.
VC_EXE=$exe
session_start_clock
session_wait_window TFormVT555 VeltriaClock
e2e_expect "strip" "${PROBE[width]}x${PROBE[height]}+${PROBE[left]}+${PROBE[top]}" "175x38+0+0"
e2e_clock_settled
e2e_quit_through_menu "$SESSION_CLOCK"
echo "signed package: $zip"
