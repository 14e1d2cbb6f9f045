#!/usr/bin/env bash
# Writes the test kit: the end-to-end tests with the program they test, to
# run on a Windows PC from wherever they are unpacked:
#   scripts/test-kit.sh CROSS-BUILD FORTUVA.EXE ZIP
# ZIP holds one folder named as the zip (Fortuva-1.23-tests/) with
#   run-tests.cmd     runs every test and says how it went (tests/kit/)
#   Fortuva.exe       the program given, byte for byte
#   fortuva_e2e.exe   the test program of the cross build folder given
#   fake-dlls/, hooks/, voice/  what the tests bring along, as they lie
#                     beside the test program in that folder
# scripts/package.sh writes the release's kit with this; the test command
# makes one from the 64-bit build where only 64-bit Wine runs.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -ne 3 ]; then
    echo "usage: scripts/test-kit.sh CROSS-BUILD FORTUVA.EXE ZIP" >&2
    exit 2
fi
from=$1 exe=$2 zip=$3
name=$(basename "$zip" .zip)

stage="$from/test-kit"
rm -rf "$stage"
mkdir -p "$stage/$name/fake-dlls" "$stage/$name/hooks" "$stage/$name/voice"
cp "$exe" "$stage/$name/Fortuva.exe"
cp "$from/fortuva_e2e.exe" "$stage/$name/"
cp "$from"/fake-dlls/*.dll "$stage/$name/fake-dlls/"
cp "$from"/hooks/*.dll "$stage/$name/hooks/"
cp "$from"/voice/*.wav "$stage/$name/voice/"
# cmd finds the labels of a batch file with bare LF line ends unreliably.
sed -e 's/\r$//' -e 's/$/\r/' "$root/tests/kit/run-tests.cmd" >"$stage/$name/run-tests.cmd"

mapfile -t files < <(cd "$stage" && find "$name" -type f | LC_ALL=C sort)
rm -f "$zip"
python3 "$root/scripts/write-zip.py" "$zip" "${SOURCE_DATE_EPOCH:-$(date +%s)}" "$stage" "${files[@]}"
echo "test-kit.sh: $zip" >&2
