#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests (plain and
# under AddressSanitizer and UndefinedBehaviorSanitizer), the checks of the
# built executable and of the release package, a short fuzzing run, and the
# end-to-end tests that drive the real Fortuva.exe under Wine. Both the 32-bit
# and the 64-bit program are built; the end-to-end tests drive the one that
# matches the Wine this host runs (32-bit where it can; FORTUVA_WINE_ARCH=32|64
# forces it). Ends non-zero on any failure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FORTUVA_BUILD_DIR:-$root/build}
jobs=$(nproc)

step() { printf '\n=== %s\n' "$*"; }

bash "$root/scripts/install-deps.sh"

# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
fortuva_wine_choose

step "Cross build of Fortuva.exe and its end-to-end tests (32-bit)"
cmake -S "$root" -B "$build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/win" -j"$jobs"
# What users get, and what the checks of the executable read.
export FORTUVA_EXE="$build/win/Fortuva.exe"

step "Cross build of Fortuva.exe and its end-to-end tests (64-bit)"
cmake -S "$root" -B "$build/win64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/win64" -j"$jobs"

step "Release package"
zip=$(FORTUVA_BUILD_DIR="$build" bash "$root/scripts/package.sh")
bash "$root/tests/package/check-package.sh" "$zip"

step "Floors: every include goes down"
bash "$root/tests/scripts/check-floors.sh"

step "Native unit tests"
cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build/native" -j"$jobs"
(cd "$build/native" && ctest --output-on-failure -j"$jobs")

step "Native unit tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S "$root" -B "$build/sanitize" -DCMAKE_BUILD_TYPE=Debug -DFORTUVA_SANITIZE=ON >/dev/null
cmake --build "$build/sanitize" -j"$jobs"
(cd "$build/sanitize" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j"$jobs")

step "Fuzzing the number rule and the winning-number reader"
FORTUVA_FUZZ_SECONDS=${FORTUVA_FUZZ_SECONDS:-15} bash "$root/scripts/fuzz.sh" "$build/fuzz"

step "Choice of Wine and its failure messages"
bash "$root/tests/scripts/check-wine-choice.sh"

step "End-to-end tests under $FORTUVA_WINE_BITS-bit Wine"
e2e="$build/win"
[ "$FORTUVA_WINE_BITS" = 32 ] || e2e="$build/win$FORTUVA_WINE_BITS"
fortuva_display
fortuva_wine_prefix
fortuva_wine_keep_server
(cd "$e2e" && ctest --output-on-failure)
