#!/usr/bin/env bash
# Checks the release zip: builds it with scripts/package.sh (or takes its path
# as $1), unpacks it into a folder whose path holds a space and Japanese
# characters, and checks what a user gets: exactly the program, the ReadMe
# and the sample files, a program that is a 32-bit Windows executable, a
# ReadMe that Notepad reads on any locale, the sample files unchanged, and
# checksums beside the zip that hold for it and for the program.
# Last line: "N passed, M failed".
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)

# shellcheck source=tests/support/checks.sh
. "$root/tests/support/checks.sh"

if [ $# -ge 1 ]; then
    zip=$1
else
    zip=$(bash "$root/scripts/package.sh" | tail -n 1) || { failed=$((failed + 1)); echo "FAIL  scripts/package.sh"; finish; }
fi
check "the zip exists: $zip" test -f "$zip"
[ -f "$zip" ] || finish

version=$(sed -n 's/^project(Fortuva VERSION \([0-9][0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
top="Fortuva-$version"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
dest="$tmp/配布 テスト"
mkdir -p "$dest"

# Entry names, in the order the archive stores them, and one date for all.
names() {
    python3 -c 'import sys, zipfile
for i in zipfile.ZipFile(sys.argv[1]).infolist():
    if not i.is_dir(): print(i.filename)' "$1"
}
dates() {
    python3 -c 'import sys, zipfile
print(len({i.date_time for i in zipfile.ZipFile(sys.argv[1]).infolist()}))' "$1"
}
mapfile -t samples < <(cd "$root/samples" && printf '%s\n' *.txt | LC_ALL=C sort)
expected=$(printf "$top/%s\n" Fortuva.exe ReadMe.txt "${samples[@]}")
check "entries are $top/{Fortuva.exe,ReadMe.txt,$(IFS=,; echo "${samples[*]}")} in this order" \
    test "$(names "$zip")" = "$expected"
check "every entry has the same date" test "$(dates "$zip")" = 1

check "unpacks with python3 -m zipfile" python3 -m zipfile -e "$zip" "$dest"
dir="$dest/$top"
check "unpacked: nothing but these files" \
    test "$(cd "$dest" && find . -mindepth 1 | LC_ALL=C sort)" = \
         "$({ echo "./$top"; printf "./$top/%s\n" Fortuva.exe ReadMe.txt "${samples[@]}"; } | LC_ALL=C sort)"

# Fortuva.exe: a PE image for i386 (machine 0x14c).
is_pe32() {
    python3 -c 'import struct, sys
d = open(sys.argv[1], "rb").read()
pe = struct.unpack_from("<I", d, 0x3c)[0] if d[:2] == b"MZ" else 0
sys.exit(0 if d[pe:pe + 4] == b"PE\0\0" and struct.unpack_from("<H", d, pe + 4)[0] == 0x14c else 1)' "$1" 2>/dev/null
}
check "Fortuva.exe is a 32-bit Windows executable" is_pe32 "$dir/Fortuva.exe"
# The end-to-end tests run the built executable; the zip must carry that one.
if [ -n "${FORTUVA_EXE:-}" ]; then
    check "Fortuva.exe is the tested executable, byte for byte" cmp -s "$dir/Fortuva.exe" "$FORTUVA_EXE"
fi

readme="$dir/ReadMe.txt"
starts_with_bom() { [ "$(head -c 3 "$1" | od -An -tx1 | tr -d ' ')" = efbbbf ]; }
crlf_only() {  # every line ends in CR LF, the last one included; no lone CR
    python3 -c 'import re, sys
d = open(sys.argv[1], "rb").read()
sys.exit(0 if d.endswith(b"\r\n") and not re.search(rb"(?<!\r)\n|\r(?!\n)", d) else 1)' "$1"
}
same_text_as_source() {  # less the BOM and the CRs, the repository's text
    tail -c +4 "$1" | tr -d '\r' | cmp -s - "$root/package/ReadMe.txt"
}
check "ReadMe.txt starts with the UTF-8 byte-order mark" starts_with_bom "$readme"
check "ReadMe.txt ends every line with CR LF" crlf_only "$readme"
check "ReadMe.txt is valid UTF-8" bash -c 'iconv -f UTF-8 -t UTF-8 "$1" >/dev/null 2>&1' _ "$readme"
check "ReadMe.txt carries the whole guide" same_text_as_source "$readme"
for sample in "${samples[@]}"; do
    check "$sample is the code page 932 sample, byte for byte" cmp -s "$dir/$sample" "$root/samples/$sample"
done

# What README tells users to run beside the download, once unpacked there.
sums_hold() {
    cp "$(dirname "$zip")/SHA256SUMS" "$zip" "$dest/" &&
        [ "$(wc -l <"$dest/SHA256SUMS")" = 2 ] && (cd "$dest" && sha256sum --quiet -c SHA256SUMS)
}
check "SHA256SUMS holds for the zip and for $top/Fortuva.exe" sums_hold

finish
