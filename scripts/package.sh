#!/usr/bin/env bash
# Builds the release zip: Fortuva-<version>/ with Fortuva.exe, ReadMe.txt and
# every samples/*.txt, as $BUILD/Fortuva-<version>.zip, and beside it
# SHA256SUMS (the zip's and the program's) and the test kit
# Fortuva-<version>-tests.zip (scripts/test-kit.sh; --no-test-kit leaves it
# out). Prints the zip's path on stdout; everything else, the checksums among
# it, goes to stderr.
#
# Signs Fortuva.exe (Authenticode, SHA-256) when given a key:
#   FORTUVA_SIGN_PKCS12        a .p12 file (its password in FORTUVA_SIGN_PASS)
# or a hardware token:
#   FORTUVA_SIGN_PKCS11_MODULE the token's PKCS#11 library
#   FORTUVA_SIGN_PKCS11_KEY    the key on it (a pkcs11: URI or its ID)
#   FORTUVA_SIGN_CERT          the certificate of that key, with its chain (PEM)
#   (the token's PIN in FORTUVA_SIGN_PASS)
# and, for either, FORTUVA_SIGN_TIMESTAMP: an RFC 3161 time-stamp server. The
# zip then carries the signed program, which SHA256SUMS and the test kit name
# too. Without a key nothing is signed.
#
# The same commit gives the same bytes, whatever the folder, the time, the
# umask or the time zone: the zip's entries come in a fixed order, all with
# the commit's time (SOURCE_DATE_EPOCH overrides it), fixed permissions and
# nothing else of the staged files (no owner, no inode times). A signed
# program differs from the build only by its signature: taken off again
# (scripts/verify-release.sh), it gives the built bytes back, and this script
# fails rather than ship one that does not.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FORTUVA_BUILD_DIR:-$root/build}
mkdir -p "$build"
build=$(cd "$build" && pwd)

# The version comes from the project, so the folder name follows a version bump.
version=$(sed -n 's/^project(Fortuva VERSION \([0-9][0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
if [ -z "$version" ]; then
    echo "package.sh: no version found in CMakeLists.txt" >&2
    exit 1
fi
name="Fortuva-$version"

test_kit=1
for arg in "$@"; do
    case $arg in
    --no-test-kit) test_kit=0 ;;
    *) echo "package.sh: unknown argument '$arg' (--no-test-kit)" >&2; exit 2 ;;
    esac
done

# A key named by halves, or a signing setting without a key, is a mistake:
# the release would go out unsigned while signed was meant.
sign=()
module=${FORTUVA_SIGN_PKCS11_MODULE:-} key=${FORTUVA_SIGN_PKCS11_KEY:-} cert=${FORTUVA_SIGN_CERT:-}
if [ -n "${FORTUVA_SIGN_PKCS12:-}" ]; then
    if [ -n "$module$key$cert" ]; then
        echo "package.sh: FORTUVA_SIGN_PKCS12 and a token (FORTUVA_SIGN_PKCS11_*, FORTUVA_SIGN_CERT) are both given; name one key" >&2
        exit 2
    fi
    sign=(-pkcs12 "$FORTUVA_SIGN_PKCS12")
elif [ -n "$module$key$cert" ]; then
    if [ -z "$module" ] || [ -z "$key" ] || [ -z "$cert" ]; then
        echo "package.sh: a token needs FORTUVA_SIGN_PKCS11_MODULE, FORTUVA_SIGN_PKCS11_KEY and FORTUVA_SIGN_CERT" >&2
        exit 2
    fi
    sign=(-pkcs11module "$module" -key "$key" -certs "$cert")
elif [ -n "${FORTUVA_SIGN_TIMESTAMP:-}${FORTUVA_SIGN_PASS:-}" ]; then
    echo "package.sh: FORTUVA_SIGN_TIMESTAMP or FORTUVA_SIGN_PASS is set, but no key is given (FORTUVA_SIGN_PKCS12, or FORTUVA_SIGN_PKCS11_MODULE with FORTUVA_SIGN_PKCS11_KEY and FORTUVA_SIGN_CERT)" >&2
    exit 2
fi

# Only the 32-bit cross build: packaging needs no Wine and no display.
groups=(build32)
[ ${#sign[@]} -eq 0 ] || groups+=(sign)
bash "$root/scripts/install-deps.sh" "${groups[@]}" >&2
targets=(Fortuva)
[ $test_kit -eq 0 ] || targets+=(fortuva_e2e)
cmake -S "$root" -B "$build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release >&2
cmake --build "$build/win" -j"$(nproc)" --target "${targets[@]}" >&2

# The sample files, in byte order of their names, whatever the locale.
mapfile -t samples < <(cd "$root/samples" && printf '%s\n' *.txt | LC_ALL=C sort)
for sample in "${samples[@]}"; do
    if [ ! -f "$root/samples/$sample" ]; then
        echo "package.sh: no samples/*.txt to ship" >&2
        exit 1
    fi
done

stage="$build/package"
rm -rf "$stage"
mkdir -p "$stage/$name"
if [ ${#sign[@]} -eq 0 ]; then
    cp "$build/win/Fortuva.exe" "$stage/$name/Fortuva.exe"
else
    # The password or PIN comes through a pipe, never on the command line,
    # which other users of this machine can see.
    [ -z "${FORTUVA_SIGN_PASS+set}" ] || sign+=(-readpass /dev/stdin)
    [ -z "${FORTUVA_SIGN_TIMESTAMP:-}" ] || sign+=(-ts "$FORTUVA_SIGN_TIMESTAMP")
    if ! printf '%s' "${FORTUVA_SIGN_PASS:-}" | osslsigncode sign "${sign[@]}" -h sha256 -n Fortuva \
            -in "$build/win/Fortuva.exe" -out "$stage/$name/Fortuva.exe" >"$stage/sign.log" 2>&1; then
        echo "package.sh: signing Fortuva.exe failed:" >&2
        sed 's/^/    /' "$stage/sign.log" >&2
        exit 1
    fi
    # Signing adds the signature, its entry in the header and the header's
    # checksum, and pads the file to 8 bytes first. The build is already a
    # multiple of 8 bytes long and carries the right checksum, so taking the
    # signature off gives its bytes back, which is what a verifier does.
    osslsigncode remove-signature -in "$stage/$name/Fortuva.exe" -out "$stage/unsigned.exe" >/dev/null
    if ! out=$(cmp "$build/win/Fortuva.exe" "$stage/unsigned.exe" 2>&1); then
        echo "package.sh: the signed Fortuva.exe does not give the built one back when its signature is taken off ($out); not shipped" >&2
        exit 1
    fi
    rm -f "$stage/unsigned.exe" "$stage/sign.log"
    echo "package.sh: Fortuva.exe signed${FORTUVA_SIGN_TIMESTAMP:+ and time-stamped}" >&2
fi
# Notepad on a non-Japanese Windows reads UTF-8 only with a byte-order mark;
# older Notepads need CRLF line ends.
{
    printf '\357\273\277'
    sed -e 's/\r$//' -e 's/$/\r/' "$root/package/ReadMe.txt"
} >"$stage/$name/ReadMe.txt"
# Already code page 932 with CRLF, as a user's own winning-number file would be.
for sample in "${samples[@]}"; do
    cp "$root/samples/$sample" "$stage/$name/$sample"
done

if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    epoch=$SOURCE_DATE_EPOCH
elif [ -e "$root/.git" ] && epoch=$(git -C "$root" log -1 --format=%ct 2>/dev/null) && [ -n "$epoch" ]; then
    :
else
    epoch=946684800
fi

# Every field of every entry is set here (scripts/write-zip.py). The
# program may be run straight from an unpacking tool, so it is 0755; the
# rest is 0644.
zip="$build/$name.zip"
rm -f "$zip"
python3 "$root/scripts/write-zip.py" "$zip" "$epoch" "$stage" "$name/Fortuva.exe" "$name/ReadMe.txt" \
    "${samples[@]/#/$name/}"

# Checksums of what users download and of what they run, for
# `sha256sum -c SHA256SUMS` beside the zip.
sums="$build/SHA256SUMS"
{
    printf '%s  %s\n' "$(sha256sum <"$zip" | cut -d' ' -f1)" "$name.zip"
    printf '%s  %s\n' "$(sha256sum <"$stage/$name/Fortuva.exe" | cut -d' ' -f1)" "$name/Fortuva.exe"
} >"$sums"
echo "package.sh: $sums" >&2
cat "$sums" >&2

# The end-to-end tests with the program they test: the one just shipped.
if [ $test_kit -eq 1 ]; then
    SOURCE_DATE_EPOCH=$epoch bash "$root/scripts/test-kit.sh" "$build/win" "$stage/$name/Fortuva.exe" \
        "$build/$name-tests.zip" >&2
fi
echo "$zip"
