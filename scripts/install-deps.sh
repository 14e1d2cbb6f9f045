#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the run and the tests
# need and this machine lacks. Installs nothing when all is present.
#   scripts/install-deps.sh [GROUP...]    (no group: all of them)
#     build32  the 32-bit cross build (what the release zip carries) and the zip writer
#     build64  the 64-bit cross build
#     wine     Wine (both loaders), a virtual display, fonts, screenshots
#     native   the native unit tests, sanitizers, fuzzers and checks (a
#              software token among them, for the signing checks)
#     sign     signing the release (with a key file or a hardware token)
#              and taking a signature off again
set -euo pipefail

[ $# -gt 0 ] || set -- build32 build64 wine native sign
want=()
wine32=0
for group in "$@"; do
    case $group in
    build32) want+=(cmake make googletest g++-mingw-w64-i686 binutils-mingw-w64-i686 python3) ;;
    build64) want+=(cmake make googletest g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64) ;;
    # The 32-bit loader (wine32:i386) is installed even where this host
    # cannot run it: the scripts then take 64-bit Wine, and it stays unused.
    wine) want+=(wine wine64 fonts-wine xvfb xauth fonts-ipafont-gothic imagemagick); wine32=1 ;;
    native) want+=(cmake make g++ python3 time procps clang libclang-rt-14-dev libgtest-dev icoutils softhsm2) ;;
    # osslsigncode reaches a token through OpenSSL's PKCS#11 engine.
    sign) want+=(osslsigncode openssl libengine-pkcs11-openssl) ;;
    *) echo "install-deps.sh: unknown group '$group' (build32, build64, wine, native, sign)" >&2; exit 2 ;;
    esac
done

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

for p in $(printf '%s\n' "${want[@]}" | sort -u); do
    have_pkg "$p" || need+=("$p")
done
i386=0
if [ $wine32 -eq 1 ] && ! have_pkg wine32:i386; then
    need+=("wine32:i386")
    dpkg --print-foreign-architectures | grep -qx i386 || i386=1
fi

if [ ${#need[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${need[*]}" >&2
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
if [ $i386 -eq 1 ]; then
    $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
