#!/usr/bin/env bash
# `make dist`: the package a player downloads, dist/VeltriaClock-<version>-win64.zip, and
# dist/SHA256SUMS beside it. The same sources give the same bytes: every entry has the
# time of the last commit, fixed permissions, a fixed order and no extra fields.
#   tools/dist.sh JPEG_CACHE
# Whoever publishes the zip may sign the exe in it (Authenticode, SHA-256), which is what
# SmartScreen and Smart App Control judge a download by; the project owns no certificate:
#   SIGN_CERT       the code-signing certificate, with its chain (PEM or DER)
#   SIGN_KEY        its private key, unencrypted (PEM or DER)
#   SIGN_TIMESTAMP  an RFC 3161 time-stamp server's URL (optional): the signature then
#                   outlives the certificate
# Without them the zip is the unsigned, reproducible one. DIST_OUT: the folder for the zip
# and SHA256SUMS instead of dist/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
jpeg_cache=$1
exe=$root/build/mingw/app/win32/VeltriaClock.exe
[ -f "$exe" ] || { echo "dist: $exe is not built" >&2; exit 1; }
version=$(head -n 1 "$root/VERSION")
name=VeltriaClock-$version-win64
stage=$root/build/dist
out=${DIST_OUT:-$root/dist}
sign_cert=${SIGN_CERT:-} sign_key=${SIGN_KEY:-} sign_timestamp=${SIGN_TIMESTAMP:-}

rm -rf "$stage"
mkdir -p "$stage/$name" "$out"
# A run that fails leaves no zip behind, so a stale one cannot be published for this one.
rm -f "$out/$name.zip" "$out/SHA256SUMS"

fail() {
    echo "dist: $*" >&2
    exit 1
}
signing=
if [ -n "$sign_cert$sign_key" ]; then
    [ -n "$sign_cert" ] && [ -n "$sign_key" ] ||
        fail "SIGN_CERT and SIGN_KEY go together: give both to sign, or neither"
    for file in "$sign_cert" "$sign_key"; do
        [ -f "$file" ] && [ -r "$file" ] || fail "cannot read $file (from SIGN_CERT/SIGN_KEY)"
    done
    command -v osslsigncode >/dev/null || fail "osslsigncode is missing (tools/setup.sh)"
    signing=1
elif [ -n "$sign_timestamp" ]; then
    fail "SIGN_TIMESTAMP without SIGN_CERT and SIGN_KEY: nothing would be signed"
fi

# pem_bodies: each certificate of a PEM stream as one line of base64 (its DER bytes).
pem_bodies() {
    awk '/-----BEGIN CERTIFICATE-----/ { body = ""; next }
        /-----END CERTIFICATE-----/ { print body; next }
        { body = body $0 }'
}

# sign_exe SOURCE TARGET: TARGET is SOURCE signed; SOURCE is only read. osslsigncode's status alone is not
# trusted: the exe must carry a signature, with SIGN_CERT's certificate in it.
sign_exe() {
    local signer=$stage/signer.pem ours
    openssl x509 -in "$sign_cert" -out "$signer" 2>/dev/null ||
        openssl x509 -inform DER -in "$sign_cert" -out "$signer" 2>/dev/null ||
        fail "$sign_cert holds no certificate"
    ours=$(pem_bodies <"$signer")
    local args=(sign -certs "$sign_cert" -key "$sign_key" -h sha256 -n VeltriaClock)
    [ -z "$sign_timestamp" ] || args+=(-ts "$sign_timestamp")
    osslsigncode "${args[@]}" -in "$1" -out "$2" >"$stage/sign.log" 2>&1 || {
        cat "$stage/sign.log" >&2
        rm -f "$2"
        fail "osslsigncode could not sign the exe with $sign_cert and $sign_key"
    }
    osslsigncode extract-signature -in "$2" -out "$stage/signature.der" >/dev/null 2>&1 ||
        fail "the exe carries no signature after signing"
    openssl pkcs7 -inform DER -in "$stage/signature.der" -print_certs | pem_bodies |
        grep -qxF "$ours" || fail "the exe's signature does not carry the certificate $sign_cert"
    echo "dist: VeltriaClock.exe signed by $(openssl x509 -in "$signer" -noout -subject)"
    rm "$stage/signature.der" "$signer"
}

# text_file SOURCE TARGET [bom]: Windows line ends (Notepad), the version filled in; the
# guides start with a UTF-8 byte order mark so that every Notepad reads them as UTF-8.
text_file() {
    {
        [ "${3:-}" != bom ] || printf '\xEF\xBB\xBF'
        sed -e "s/@VERSION@/$version/g" -e 's/\r$//' -e 's/$/\r/' "$1"
    } >"$stage/$name/$2"
}

if [ -n "$signing" ]; then
    sign_exe "$exe" "$stage/$name/VeltriaClock.exe"
else
    cp "$exe" "$stage/$name/VeltriaClock.exe"
fi
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
