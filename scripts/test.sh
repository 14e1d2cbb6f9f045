#!/usr/bin/env bash
# Builds everything and runs every test: the native unit tests (plain and
# under AddressSanitizer and UndefinedBehaviorSanitizer), the checks of the
# built executable and of the release package, a second release build in
# another folder that must give the same bytes, the release signed with a
# throwaway key and checked by scripts/verify-release.sh, a short fuzzing
# run, and the end-to-end tests that drive the real Fortuva.exe under Wine.
# Both the 32-bit and the 64-bit program are built; the end-to-end tests
# drive each under the Wine of its architecture, both where this host runs
# both, otherwise the one it runs (FORTUVA_WINE_ARCH=32|64 keeps to one).
# Under the first of them they run from the test kit, unpacked in a fresh
# folder, through its command file. Ends non-zero on any failure.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FORTUVA_BUILD_DIR:-$root/build}
jobs=$(nproc)
# The release built here is the unsigned one, whatever key this shell names;
# signing is checked with a key made for the purpose.
unset FORTUVA_SIGN_PKCS12 FORTUVA_SIGN_PASS FORTUVA_SIGN_PKCS11_MODULE FORTUVA_SIGN_PKCS11_KEY \
    FORTUVA_SIGN_CERT FORTUVA_SIGN_TIMESTAMP

step() { printf '\n=== %s\n' "$*"; }

bash "$root/scripts/install-deps.sh"

# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
fortuva_wine_choose_all

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

step "Release package, and its test kit"
zip=$(FORTUVA_BUILD_DIR="$build" bash "$root/scripts/package.sh")
bash "$root/tests/package/check-package.sh" "$zip"
# Run below, where the Wine for it is ready.
kit=${zip%.zip}-tests.zip
bash "$root/tests/package/check-test-kit.sh" "$kit" "$FORTUVA_EXE"
# The release signed with a throwaway key and checked by verify-release.sh:
# builds of its own, at the lowest priority, from here on, so that they
# take what the steps below leave of the processors; its report comes last.
nice -n 19 bash "$root/tests/package/check-signing.sh" "$zip" "$FORTUVA_EXE" >"$build/signing.log" 2>&1 &
signing_pid=$!
# A step that fails ends the run; the builds beside it end with it.
stop_tree() {
    local child
    for child in $(pgrep -P "$1"); do stop_tree "$child"; done
    kill "$1" 2>/dev/null || true
}
trap '[ -z "${signing_pid:-}" ] || stop_tree "$signing_pid"' EXIT

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

# The release a second time, from a copy of the sources in another folder,
# later, under another umask and time zone: the bytes must not change. The
# copy keeps the files' times, so its build, like the first, redoes only
# what changed since the last run. It has no git history: it is given the
# commit's time the first build took from git. It builds beside the
# end-to-end tests, which mostly wait, at the lowest priority, so that it
# never holds them up; its output goes to a log shown if it fails. The test
# kit, which is no part of the release, is left out.
again="$build/again"
release_again() {
    local epoch mask
    rm -rf "$again/src"
    mkdir -p "$again/src"
    (cd "$root" && tar --exclude=./.git --exclude='./build*' --exclude="./${build#"$root"/}" \
        --exclude=./out -cf - .) | tar -C "$again/src" -xf -
    epoch=${SOURCE_DATE_EPOCH:-}
    if [ -z "$epoch" ] && [ -e "$root/.git" ]; then
        epoch=$(git -C "$root" log -1 --format=%ct 2>/dev/null || true)
    fi
    if [ "$(umask)" = 0077 ]; then mask=0022; else mask=0077; fi
    (umask "$mask" && export TZ=HST+10 && if [ -n "$epoch" ]; then export SOURCE_DATE_EPOCH=$epoch; fi &&
        FORTUVA_BUILD_DIR="$again/build" nice -n 19 bash "$again/src/scripts/package.sh" --no-test-kit)
}
same() {  # first second: says where they part
    local out
    if out=$(cmp -- "$1" "$2" 2>&1); then
        echo "same bytes: ${1#"$build"/} ${2#"$build"/}"
    else
        echo "FAIL: a second build changes ${1##*/}: $out" >&2
        return 1
    fi
}
mkdir -p "$again"
release_again >"$again/zip" 2>"$again/log" &
again_pid=$!

# Each build under the Wine of its architecture; a failure under one does
# not skip the other. Under the first, the 32-bit one where it runs, the
# tests run from the test kit, as on a Windows PC: the release's kit, or
# where only 64-bit Wine runs, one made the same way from the 64-bit build.
fortuva_display
ran=()
bad=()
kit_bits=${FORTUVA_WINE_ALL%% *}
for bits in $FORTUVA_WINE_ALL; do
    e2e="$build/win"
    [ "$bits" = 32 ] || e2e="$build/win$bits"
    fortuva_wine_switch "$bits"
    fortuva_wine_prefix
    fortuva_wine_keep_server
    if [ "$bits" = "$kit_bits" ]; then
        step "End-to-end tests under $bits-bit Wine, from the test kit of $e2e/Fortuva.exe"
        run_kit=$kit
        if [ "$bits" != 32 ]; then
            run_kit="$e2e/$(basename "$kit")"
            bash "$root/scripts/test-kit.sh" "$e2e" "$e2e/Fortuva.exe" "$run_kit"
        fi
        # A hung test stops the run here, as CTest's time limit would.
        if timeout -k 10 1200 bash "$root/tests/package/check-test-kit.sh" "$run_kit" "$e2e/Fortuva.exe" --run; then
            ran+=("$bits-bit Wine (the test kit of $e2e, run from a fresh folder): passed")
        else
            bad+=("$bits-bit Wine (the test kit of $e2e, run from a fresh folder): FAILED")
        fi
    else
        step "End-to-end tests under $bits-bit Wine, of $e2e/Fortuva.exe"
        if (cd "$e2e" && ctest --output-on-failure); then
            ran+=("$bits-bit Wine ($e2e): passed")
        else
            bad+=("$bits-bit Wine ($e2e): FAILED")
        fi
    fi
done
step "Release package again, from a copy of the sources in another folder"
if ! wait "$again_pid"; then
    cat "$again/log" >&2
    bad+=("the second release build: FAILED")
elif ! { same "$build/win/Fortuva.exe" "$again/build/win/Fortuva.exe" &&
         same "$zip" "$(cat "$again/zip")" &&
         same "$build/SHA256SUMS" "$again/build/SHA256SUMS"; }; then
    bad+=("the second release build: other bytes")
fi

step "Signed release (a throwaway key) and verify-release.sh"
signed=0
wait "$signing_pid" || signed=$?
signing_pid=""
cat "$build/signing.log"
if [ $signed -eq 0 ]; then
    ran+=("the signed release and its verification: passed")
else
    bad+=("the signed release and its verification: FAILED")
fi

step "End-to-end runs, the second release build and the signed release"
printf '%s\n' "${ran[@]}" "${bad[@]}"
[ ${#bad[@]} -eq 0 ]
