#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the run and the tests
# need and this machine lacks. Installs nothing when all is present.
set -euo pipefail

need=()
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

for p in cmake make g++ python3 time clang libclang-rt-14-dev libgtest-dev \
         g++-mingw-w64-i686 binutils-mingw-w64-i686 \
         wine wine64 fonts-wine xvfb xauth fonts-ipafont-gothic imagemagick icoutils; do
    have_pkg "$p" || need+=("$p")
done
i386=0
if ! have_pkg wine32:i386; then
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
