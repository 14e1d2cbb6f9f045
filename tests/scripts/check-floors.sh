#!/usr/bin/env bash
# Holds every include of the program to its floors: base/ under numbers/,
# check/ and about/ under app/, each Win32 folder over its own folder and
# base/win32/, app/win32/ over all. An include that goes up, or sideways
# between two subsystems (but for the check's use of the number rule),
# fails, naming the file and the line.
#   tests/scripts/check-floors.sh [ROOT]    (a tree to check; default: this one)
# Last line: "N passed, M failed".
set -uo pipefail
root=$(cd "${1:-$(dirname "$0")/../..}" && pwd)

# shellcheck source=tests/support/checks.sh
. "$(dirname "$0")/../support/checks.sh"

# The folders each folder may include, itself and resources/ besides.
allowed() {
    case $1 in
    base) echo "" ;;
    numbers | about) echo "base" ;;
    check) echo "base numbers" ;;
    app) echo "base numbers check about" ;;
    base/win32) echo "base" ;;
    numbers/win32) echo "numbers base base/win32" ;;
    check/win32) echo "check numbers base base/win32" ;;
    about/win32) echo "about base base/win32" ;;
    app/win32) echo "app base numbers check about base/win32 numbers/win32 check/win32 about/win32" ;;
    esac
}

floor_ok() {
    local folder=$1 bad=0 file line target
    for file in "$root/$folder"/*.h "$root/$folder"/*.cpp; do
        [ -e "$file" ] || continue
        while IFS= read -r line; do
            target=${line#*\"}; target=${target%%\"*}; target=${target%/*}
            case " $folder resources $(allowed "$folder") " in
            *" $target "*) ;;
            *) echo "      ${file#"$root"/}: $line"; bad=1 ;;
            esac
        done < <(grep -E '^#include "' "$file")
    done
    return $bad
}

for folder in base numbers check about app base/win32 numbers/win32 check/win32 about/win32 app/win32; do
    check "$folder/ includes only the floors beneath it" floor_ok "$folder"
done

finish
