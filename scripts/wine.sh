#!/usr/bin/env bash
# Runs a Windows program of the given architecture under the matching Wine:
#   scripts/wine.sh 32|64 PROGRAM.exe [ARGS...]
# The cross builds' tests start through it (CMAKE_CROSSCOMPILING_EMULATOR).
# It keeps the Wine and prefix chosen by the calling script (scripts/test.sh);
# run on its own, it takes the Wine of the program's architecture and the
# prefix of scripts/wine-env.sh.
set -uo pipefail
bits=${1:-}
shift
# shellcheck source=scripts/wine-env.sh
. "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"

if [ -z "${FORTUVA_WINE_BITS:-}" ]; then
    FORTUVA_WINE_ARCH=$bits fortuva_wine_choose || exit 1
elif [ "$FORTUVA_WINE_BITS" != "$bits" ]; then
    _fortuva_log "${1:-the program} is a $bits-bit program, but this run uses $FORTUVA_WINE_BITS-bit Wine ($WINELOADER)"
    _fortuva_log "Try: the $FORTUVA_WINE_BITS-bit build (scripts/test.sh picks it), or FORTUVA_WINE_ARCH=$bits"
    exit 1
fi
[ -n "${WINEPREFIX:-}" ] || fortuva_wine_prefix || exit 1
exec "$WINELOADER" "$@"
