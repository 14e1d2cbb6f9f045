#!/usr/bin/env bash
# Checks a test kit (scripts/test-kit.sh):
#   tests/package/check-test-kit.sh KIT-ZIP FORTUVA.EXE [--run]
# unpacks it into a fresh folder outside the build tree, whose name holds a
# space, Japanese and parentheses (as a browser names a second download),
# and checks that it carries the program given, byte for byte, and a command
# file with CR LF line ends. With --run the folder lies on drive C: of the
# Wine prefix that the calling script chose (scripts/wine-env.sh), and the
# command file runs there with drive Z:, Wine's view of this machine's
# folders, taken away for the while, as on a Windows PC where the sources
# and the build are nowhere: every test the kit's test program lists must
# pass, and a test that fails must be reported and fail the run.
# Last line: "N passed, M failed".
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)

# shellcheck source=tests/support/checks.sh
. "$root/tests/support/checks.sh"

kit=$1 exe=$2 run=${3:-}
name=$(basename "$kit" .zip)
if [ "$run" = --run ]; then
    # shellcheck source=scripts/wine-env.sh
    . "$root/scripts/wine-env.sh"
    fortuva_wine_prefix || exit 1
    drive_c="$WINEPREFIX/drive_c" z="$WINEPREFIX/dosdevices/z:" hidden="$WINEPREFIX/z-hidden-by-check-test-kit"
    # A run that was killed may have left drive Z: hidden.
    [ ! -L "$hidden" ] || [ -e "$z" ] || [ -L "$z" ] || mv "$hidden" "$z"
    tmp=$(mktemp -d "$drive_c/kit-check.XXXXXX")
else
    tmp=$(mktemp -d)
fi
restore() {
    [ -z "${hidden:-}" ] || [ ! -L "$hidden" ] || mv "$hidden" "$z"
    rm -rf "$tmp"
}
trap restore EXIT
dest="$tmp/テスト キット (1)"
mkdir -p "$dest"
check "unpacks with python3 -m zipfile into $dest" python3 -m zipfile -e "$kit" "$dest"
dir="$dest/$name"
check "Fortuva.exe is the program given, byte for byte" cmp -s "$dir/Fortuva.exe" "$exe"
crlf_only() {  # every line ends in CR LF, the last one included
    python3 -c 'import re, sys
d = open(sys.argv[1], "rb").read()
sys.exit(0 if d.endswith(b"\r\n") and not re.search(rb"(?<!\r)\n|\r(?!\n)", d) else 1)' "$1"
}
check "run-tests.cmd ends every line with CR LF" crlf_only "$dir/run-tests.cmd"

if [ "$run" = --run ]; then
    # Wine's sound drivers complain on every start on a machine without sound.
    quiet() { grep -v '^ALSA lib ' "$1"; }
    listed=$(cd "$dir" && fortuva_wine fortuva_e2e.exe --gtest_list_tests 2>/dev/null |
        tr -d '\r' | grep -c '^  [^ ]')
    mv "$z" "$hidden"
    echo "running $dir/run-tests.cmd under $FORTUVA_WINE_BITS-bit Wine, without drive Z: ($listed tests listed)"
    rc=0
    (cd "$dir" && fortuva_wine cmd.exe /c run-tests.cmd </dev/null >"$tmp/run.log" 2>&1) || rc=$?
    quiet "$tmp/run.log" | tr -d '\r'
    last=$(tr -d '\r' <"$tmp/run.log" | tail -n 1)
    check "run-tests.cmd: every listed test passed ($last), exit code $rc" \
        test "$last" = "$listed passed, 0 failed" -a "$rc" = 0 -a "$listed" -gt 0

    # A failing test: a clip the voice test copies is gone.
    rm "$dir/voice/clip4.wav"
    rc=0
    (cd "$dir" && fortuva_wine cmd.exe /c run-tests.cmd 'Voice.Override*' </dev/null >"$tmp/fail.log" 2>&1) || rc=$?
    tr -d '\r' <"$tmp/fail.log" >"$tmp/fail.txt"
    mv "$hidden" "$z"
    reported() {
        [ "$(tail -n 1 "$tmp/fail.txt")" = "0 passed, 1 failed" ] && [ "$rc" = 1 ] &&
            grep -qx '    Voice.OverrideFilesBesideTheProgramGoodOrBadCauseNoError' "$tmp/fail.txt" &&
            grep -q 'clip4.wav' "$tmp/fail.txt" || { quiet "$tmp/fail.txt" | tail -n 15; return 1; }
    }
    check "run-tests.cmd: a failing test is named with its output and fails the run" reported
fi

finish
