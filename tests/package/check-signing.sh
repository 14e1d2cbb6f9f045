#!/usr/bin/env bash
# Checks the signed release and its verification, with a throwaway key made
# here and no time stamp (no network):
#   tests/package/check-signing.sh UNSIGNED-ZIP UNSIGNED-EXE
# (the release zip and Fortuva.exe of the unsigned build). scripts/package.sh
# signs once with a key file and once through a software token holding the
# same key, in its own build folder ($BUILD/signed); each signature must
# verify against the throwaway certificate and, taken off, leave the unsigned
# build's bytes; SHA256SUMS and the test kit must name the signed program.
# Then scripts/verify-release.sh, run in a throwaway repository whose one
# commit is this working tree, must accept the signed and the unsigned zip
# and refuse each when one byte of it changes.
# Last line: "N passed, M failed".
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${FORTUVA_BUILD_DIR:-$root/build}

# shellcheck source=tests/support/checks.sh
. "$root/tests/support/checks.sh"

unsigned_zip=$1 unsigned_exe=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# The key and its self-signed certificate, for code signing.
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Fortuva throwaway signer" \
    -addext extendedKeyUsage=codeSigning -keyout "$tmp/key.pem" -out "$tmp/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$tmp/key.pem" -in "$tmp/cert.pem" -passout pass:throwaway \
    -out "$tmp/key.p12"
# The same key on a software token, as a hardware token would hold it.
export SOFTHSM2_CONF="$tmp/softhsm2.conf"
mkdir -p "$tmp/tokens"
printf 'directories.tokendir = %s\nobjectstore.backend = file\n' "$tmp/tokens" >"$SOFTHSM2_CONF"
openssl pkcs8 -topk8 -nocrypt -in "$tmp/key.pem" -out "$tmp/key8.pem"
softhsm2-util --init-token --free --label fortuva --pin 1234 --so-pin 123456 >/dev/null
softhsm2-util --import "$tmp/key8.pem" --token fortuva --label signer --id 01 --pin 1234 >/dev/null

version=$(sed -n 's/^project(Fortuva VERSION \([0-9][0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
top="Fortuva-$version"
signed_package() {  # route, then the signing settings
    local route=$1; shift
    rm -f "$build/signed/$top.zip" "$build/signed/SHA256SUMS" "$build/signed/$top-tests.zip"
    env -u FORTUVA_SIGN_PKCS12 -u FORTUVA_SIGN_PASS -u FORTUVA_SIGN_PKCS11_MODULE -u FORTUVA_SIGN_PKCS11_KEY \
        -u FORTUVA_SIGN_CERT -u FORTUVA_SIGN_TIMESTAMP \
        "$@" FORTUVA_BUILD_DIR="$build/signed" bash "$root/scripts/package.sh" "${kit[@]}" \
        >"$tmp/$route.out" 2>"$tmp/$route.log" || { tail -n 20 "$tmp/$route.log"; return 1; }
    mkdir -p "$tmp/$route"
    cp "$build/signed/$top.zip" "$build/signed/SHA256SUMS" "$tmp/$route/"
    (cd "$tmp/$route" && python3 -m zipfile -e "$top.zip" .)
}
unsigned_again() {  # the signed program, its signature taken off, is the unsigned build
    osslsigncode remove-signature -in "$1" -out "$1.bare" >/dev/null && cmp "$1.bare" "$unsigned_exe"
}
sums_name_it() {
    (cd "$1" && [ "$(wc -l <SHA256SUMS)" = 2 ] && sha256sum --quiet -c SHA256SUMS)
}
kit_holds_it() {
    python3 -c 'import sys, zipfile
sys.exit(zipfile.ZipFile(sys.argv[1]).read(sys.argv[2]) != open(sys.argv[3], "rb").read())' \
        "$build/signed/$top-tests.zip" "$top-tests/Fortuva.exe" "$1"
}

# Only the token route builds the test kit too: one kit shows which program
# it takes.
kit=(--no-test-kit)
for route in key-file token; do
    if [ "$route" = key-file ]; then
        settings=(FORTUVA_SIGN_PKCS12="$tmp/key.p12" FORTUVA_SIGN_PASS=throwaway)
    else
        kit=()
        settings=(FORTUVA_SIGN_PKCS11_MODULE=/usr/lib/softhsm/libsofthsm2.so
                  "FORTUVA_SIGN_PKCS11_KEY=pkcs11:token=fortuva;object=signer;type=private"
                  FORTUVA_SIGN_CERT="$tmp/cert.pem" FORTUVA_SIGN_PASS=1234)
    fi
    check "signed through a $route" signed_package "$route" "${settings[@]}" || continue
    exe="$tmp/$route/$top/Fortuva.exe"
    check "  the signature verifies against the throwaway certificate" \
        bash -c 'osslsigncode verify -CAfile "$1" -in "$2" >"$2.verify" 2>&1 || { cat "$2.verify"; exit 1; }' \
        _ "$tmp/cert.pem" "$exe"
    check "  taken off, it leaves the unsigned build's bytes" unsigned_again "$exe"
    check "  SHA256SUMS holds for the zip and the signed program" sums_name_it "$tmp/$route"
done
check "  the test kit carries the signed program" kit_holds_it "$tmp/token/$top/Fortuva.exe"

# A repository whose one commit is this working tree, dated as HEAD, whose
# time the builds above took; verify-release.sh rebuilds from it.
repo="$tmp/repo"
mkdir -p "$repo"
(cd "$root" && tar --exclude=./.git --exclude='./build*' --exclude="./${build#"$root"/}" --exclude=./out \
    -cf - .) | tar -C "$repo" -xf -
when=$(git -C "$root" log -1 --format=%cI)
(cd "$repo" && git init -q && git add -A &&
    GIT_AUTHOR_DATE=$when GIT_COMMITTER_DATE=$when git -c user.name=check -c user.email=check@example.invalid \
        commit -q -m "the working tree") || echo "FAIL  could not commit the working tree in $repo"
verify() {  # zip, then "accepts", or "refuses" and what the refusal must say
    local out rc=0
    out=$(FORTUVA_BUILD_DIR="$build" bash "$repo/scripts/verify-release.sh" "$1" 2>/dev/null) || rc=$?
    echo "      $out"
    if [ "$2" = accepts ]; then [ $rc = 0 ]; else [ $rc = 1 ] && [[ $out == *FAIL:*$3* ]]; fi
}
# A copy of a zip with one entry's bytes changed by a Python expression on d.
altered() {  # zip, entry, expression, new zip
    python3 -c 'import sys, zipfile
src, entry, change, out = sys.argv[1:]
with zipfile.ZipFile(src) as z, zipfile.ZipFile(out, "w") as w:
    for i in z.infolist():
        d = z.read(i.filename)
        w.writestr(i, eval(change) if i.filename == entry else d)' "$@"
}
check "verify-release.sh accepts the unsigned zip" verify "$unsigned_zip" accepts
altered "$unsigned_zip" "$top/ReadMe.txt" 'd[:100] + b"X" + d[101:]' "$tmp/readme.zip"
check "  and refuses it with one byte of the ReadMe changed" \
    verify "$tmp/readme.zip" refuses "ReadMe.txt differs from the build of commit"*"at byte 101 of"
signed_zip="$tmp/token/$top.zip"
check "verify-release.sh accepts the signed zip" verify "$signed_zip" accepts
# One byte of the program's code changed, then signed as a release would be.
python3 -c 'import sys; d = bytearray(open(sys.argv[1], "rb").read()); d[0x1000] ^= 1
open(sys.argv[2], "wb").write(d)' "$unsigned_exe" "$tmp/changed.exe"
osslsigncode sign -pkcs12 "$tmp/key.p12" -pass throwaway -h sha256 -in "$tmp/changed.exe" \
    -out "$tmp/changed-signed.exe" >/dev/null
altered "$signed_zip" "$top/Fortuva.exe" "open('$tmp/changed-signed.exe', 'rb').read()" "$tmp/changed.zip"
check "  and refuses one whose program differs by a byte, signed all the same" \
    verify "$tmp/changed.zip" refuses "Fortuva.exe with its signature taken off differs"*"at byte 4097 of"
altered "$signed_zip" "$top/Fortuva.exe" 'd + bytes(8)' "$tmp/longer.zip"
check "  and one that holds more than the program and its signature" \
    verify "$tmp/longer.zip" refuses "holds more than the program and its signature"

finish
