#!/usr/bin/env bash
# Checks the choice of Wine in scripts/wine-env.sh against stand-in loaders,
# without starting Wine: a 32-bit loader the kernel refuses, as on hosts that
# run no 32-bit programs, must send the scripts to 64-bit Wine, or, when
# FORTUVA_WINE_ARCH=32 insists on it, stop them with the kernel's reason; a
# Wine that starts but cannot build its prefix must say what it printed.
# Last line: "N passed, M failed".
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)

# shellcheck source=tests/support/checks.sh
. "$root/tests/support/checks.sh"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/refused" "$tmp/fine" "$tmp/noboot"
# An executable the kernel will not load: what a 32-bit loader is where the
# kernel runs no 32-bit programs.
{ printf '\177ELF\001\001\001'; head -c 57 /dev/zero; } >"$tmp/refused/wine"
printf '#!/bin/sh\necho wine-8.0-stand-in\n' >"$tmp/fine/wine"
cp "$tmp/fine/wine" "$tmp/fine/wine64"
printf '#!/bin/sh\n[ "$1" = --version ] && { echo wine-8.0-stand-in; exit 0; }\necho "wine: could not load kernel32.dll, status c0000135" >&2\nexit 1\n' \
    >"$tmp/noboot/wine64"
chmod +x "$tmp"/*/wine*

# Runs a command with none of the calling run's choice in its environment.
fresh() {  # fresh 32-loader 64-loader command...
    local l32=$1 l64=$2; shift 2
    env -u FORTUVA_WINE_BITS -u FORTUVA_WINE_VERSION -u FORTUVA_WINE_ARCH -u WINELOADER \
        -u WINEARCH -u WINEPREFIX FORTUVA_WINE32_LOADER="$l32" FORTUVA_WINE64_LOADER="$l64" \
        FORTUVA_WINE_DIR="$tmp/winedir" FORTUVA_BUILD_DIR="$tmp/build" "$@"
}
choose='. "$1"; fortuva_wine_choose && echo "$FORTUVA_WINE_BITS $WINELOADER $WINEARCH"'

out=$(fresh "$tmp/refused/wine" "$tmp/fine/wine64" bash -c "$choose" _ "$root/scripts/wine-env.sh" 2>"$tmp/err")
check "a refused 32-bit loader: 64-bit Wine" test "$out" = "64 $tmp/fine/wine64 win64"
check "  said in one line, with the kernel's reason" \
    bash -c '[ "$(wc -l <"$1")" = 1 ] && grep -q "64-bit Wine.*Exec format error" "$1"' _ "$tmp/err"

out=$(fresh "$tmp/fine/wine" "$tmp/fine/wine64" FORTUVA_WINE_ARCH=64 bash -c "$choose" _ "$root/scripts/wine-env.sh" 2>/dev/null)
check "FORTUVA_WINE_ARCH=64 wins over a working 32-bit Wine" test "$out" = "64 $tmp/fine/wine64 win64"

# Which Wines a test run covers, moving from one to the next as test.sh does.
all='. "$1"; fortuva_wine_choose_all && echo "$FORTUVA_WINE_ALL" &&
    for bits in $FORTUVA_WINE_ALL; do fortuva_wine_switch "$bits" && echo "$WINELOADER $WINEARCH"; done'
covered() {  # 32-loader 64-loader [VAR=value] -- expected lines...
    local l32=$1 l64=$2 var=""
    shift 2
    [ "$1" = -- ] || { var=$1; shift; }
    shift
    [ "$(fresh "$l32" "$l64" ${var:+"$var"} bash -c "$all" _ "$root/scripts/wine-env.sh" 2>/dev/null)" = \
      "$(printf '%s\n' "$@")" ]
}
check "both loaders start: 32-bit Wine, then 64-bit Wine" \
    covered "$tmp/fine/wine" "$tmp/fine/wine64" -- "32 64" "$tmp/fine/wine win32" "$tmp/fine/wine64 win64"
check "  a refused 32-bit loader: 64-bit Wine only" \
    covered "$tmp/refused/wine" "$tmp/fine/wine64" -- 64 "$tmp/fine/wine64 win64"
check "  no 64-bit loader: 32-bit Wine only" \
    covered "$tmp/fine/wine" "$tmp/missing/wine64" -- 32 "$tmp/fine/wine win32"
check "  FORTUVA_WINE_ARCH=32: 32-bit Wine only, though 64-bit Wine starts" \
    covered "$tmp/fine/wine" "$tmp/fine/wine64" FORTUVA_WINE_ARCH=32 -- 32 "$tmp/fine/wine win32"

# Before it builds anything, so the message comes at once.
rc=0
fresh "$tmp/refused/wine" "$tmp/fine/wine64" FORTUVA_WINE_ARCH=32 bash "$root/scripts/run.sh" >"$tmp/out" 2>&1 || rc=$?
check "FORTUVA_WINE_ARCH=32 on a refused loader: run.sh fails" test "$rc" -ne 0
check "  naming the cause and the way out" \
    bash -c 'grep -q "FORTUVA_WINE_ARCH=32.*Exec format error" "$1" && grep -q "Try: FORTUVA_WINE_ARCH=64" "$1"' _ "$tmp/out"
check "  before any build" test ! -e "$tmp/build"

rc=0
fresh "$tmp/refused/wine" "$tmp/noboot/wine64" bash -c '. "$1"; fortuva_wine_prefix' _ "$root/scripts/wine-env.sh" \
    >"$tmp/out" 2>&1 || rc=$?
check "a prefix that cannot be built fails, showing Wine's own words" \
    bash -c '[ "$1" -ne 0 ] && grep -q "could not prepare the 64-bit Wine prefix" "$2" && grep -q "could not load kernel32.dll" "$2"' _ "$rc" "$tmp/out"

finish
