#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests (plain and
# under AddressSanitizer and UndefinedBehaviorSanitizer), the checks of the
# built executable and of the release package, a short fuzzing run, and the end-to-end tests that drive
# the real Fortuva.exe under Wine. Ends non-zero on any failure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FORTUVA_BUILD_DIR:-$root/build}
jobs=$(nproc)

step() { printf '\n=== %s\n' "$*"; }

bash "$root/scripts/install-deps.sh"

step "Cross build of Fortuva.exe and its end-to-end tests"
cmake -S "$root" -B "$build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build/win" -j"$jobs"
export FORTUVA_EXE="$build/win/Fortuva.exe"

step "Release package"
zip=$(FORTUVA_BUILD_DIR="$build" bash "$root/scripts/package.sh")
bash "$root/tests/package/check-package.sh" "$zip"

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

step "End-to-end tests under Wine"
# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
fortuva_display
fortuva_wine_prefix
fortuva_wine_keep_server
(cd "$build/win" && ctest --output-on-failure)
