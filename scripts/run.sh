#!/usr/bin/env bash
# Builds Fortuva.exe and starts it under Wine with the sample winning-number
# file beside it under this year's name. Without a usable $DISPLAY it runs on
# a private Xvfb, saves a screenshot and says where. The build is the one
# that matches the Wine this host runs (see scripts/wine-env.sh). Ends with a
# window, a screenshot, or a message saying what failed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FORTUVA_BUILD_DIR:-$root/build}

fail() { printf 'run.sh: %s\n' "$*" >&2; exit 1; }

bash "$root/scripts/install-deps.sh" wine
# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
fortuva_wine_choose

if [ "$FORTUVA_WINE_BITS" = 32 ]; then
    bash "$root/scripts/install-deps.sh" build32
    win="$build/win" toolchain="$root/cmake/mingw-i686.cmake"
else
    bash "$root/scripts/install-deps.sh" build64
    win="$build/win64" toolchain="$root/cmake/mingw-x86_64.cmake"
fi
cmake -S "$root" -B "$win" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$win" -j"$(nproc)" --target Fortuva >/dev/null

run="$build/run"
rm -rf "$run" && mkdir -p "$run"
cp "$win/Fortuva.exe" "$run/"
cp "$root/samples/sample.txt" "$run/$(date +%Y).txt"

had_display=0
_fortuva_display_works && had_display=1
fortuva_display
fortuva_wine_prefix

cd "$run"
if [ $had_display -eq 1 ]; then
    echo "Starting Fortuva.exe from $run on $DISPLAY"
    status=0
    fortuva_wine "$run/Fortuva.exe" || status=$?
    [ $status -eq 0 ] || fail "Fortuva.exe under Wine ended with status $status (Wine's messages, if any, are above). Try: delete $(_fortuva_wine_dir) and run again"
else
    echo "No display: running Fortuva.exe from $run on a private Xvfb ($DISPLAY)"
    fortuva_wine "$run/Fortuva.exe" </dev/null >"$run/wine.log" 2>&1 &
    program=$!
    sleep "${FORTUVA_SCREENSHOT_DELAY:-5}"
    if ! kill -0 "$program" 2>/dev/null; then
        status=0
        wait "$program" || status=$?
        printf 'run.sh: Fortuva.exe under Wine ended before the screenshot, with status %s; the end of %s:\n' \
            "$status" "$run/wine.log" >&2
        _fortuva_log_tail "$run/wine.log"
        fail "Try: delete $(_fortuva_wine_dir) and run again"
    fi
    import -window root "$run/screenshot.png" 2>"$run/import.log" ||
        fail "the screenshot failed: $(tail -n 1 "$run/import.log") (import is in the imagemagick package)"
    echo "Screenshot (the start-up notice): $run/screenshot.png"
fi
