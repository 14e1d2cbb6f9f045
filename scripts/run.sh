#!/usr/bin/env bash
# Builds Fortuva.exe and starts it under Wine with the sample winning-number
# file beside it under this year's name. Without a usable $DISPLAY it runs on
# a private Xvfb, saves a screenshot and says where.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FORTUVA_BUILD_DIR:-$root/build}

bash "$root/scripts/install-deps.sh"
cmake -S "$root" -B "$build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/win" -j"$(nproc)" --target Fortuva >/dev/null

run="$build/run"
rm -rf "$run" && mkdir -p "$run"
cp "$build/win/Fortuva.exe" "$run/"
cp "$root/samples/sample.txt" "$run/$(date +%Y).txt"

had_display=0
if [ -n "${DISPLAY:-}" ] && { xdpyinfo >/dev/null 2>&1 || [ -S "/tmp/.X11-unix/X${DISPLAY#*:}" ]; }; then
    had_display=1
fi
# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
fortuva_display
fortuva_wine_prefix

cd "$run"
if [ $had_display -eq 1 ]; then
    echo "Starting Fortuva.exe from $run on $DISPLAY"
    wine "$run/Fortuva.exe"
else
    echo "No display: running Fortuva.exe from $run on a private Xvfb ($DISPLAY)"
    wine "$run/Fortuva.exe" &
    sleep "${FORTUVA_SCREENSHOT_DELAY:-5}"
    import -window root "$run/screenshot.png"
    echo "Screenshot (the start-up notice): $run/screenshot.png"
fi
