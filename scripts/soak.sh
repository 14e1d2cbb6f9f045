#!/usr/bin/env bash
# Finds the end-to-end tests that pass only sometimes: runs each of them
# RUNS times, each run of each test in a process of its own (as CTest and
# the test kit do), and says how often each passed, with the output of its
# first failure.
#
#   scripts/soak.sh [--busy] RUNS [FILTER]
#   scripts/soak.sh --busy 100 'Taskbar*'   the taskbar tests, 100 times,
#                                           beside a busy loop on every core
#   scripts/soak.sh 10                      every test, 10 times
#
# FILTER picks tests as GoogleTest's --gtest_filter does. --busy runs a busy
# loop on every processor beside the tests, at their priority, so that the
# program, the driver and Wine are each held up at moments no quiet run
# shows. The build is the one that matches the Wine this host runs (see
# scripts/wine-env.sh), brought up to date first. Ends non-zero when any
# run failed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FORTUVA_BUILD_DIR:-$root/build}

usage() { echo "usage: scripts/soak.sh [--busy] RUNS [FILTER]" >&2; exit 2; }
busy=0
if [ "${1:-}" = --busy ]; then busy=1; shift; fi
runs=${1:-}
filter=${2:-*}
[[ $runs =~ ^[1-9][0-9]*$ ]] || usage
[ $# -le 2 ] || usage

# shellcheck source=scripts/wine-env.sh
. "$root/scripts/wine-env.sh"
fortuva_wine_choose
if [ "$FORTUVA_WINE_BITS" = 32 ]; then
    win="$build/win" toolchain="$root/cmake/mingw-i686.cmake"
else
    win="$build/win64" toolchain="$root/cmake/mingw-x86_64.cmake"
fi
cmake -S "$root" -B "$win" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$win" -j"$(nproc)" >/dev/null
fortuva_display
fortuva_wine_prefix
fortuva_wine_keep_server
export FORTUVA_EXE="$win/Fortuva.exe"

work=$(mktemp -d "${TMPDIR:-/tmp}/fortuva-soak-XXXXXX")
loops=()
finish() {
    local pid
    for pid in "${loops[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap 'finish; fortuva_cleanup' EXIT

# "Suite." lines, then the suite's tests indented beneath.
fortuva_wine "$win/fortuva_e2e.exe" --gtest_list_tests "--gtest_filter=$filter" </dev/null >"$work/listed" 2>/dev/null
names=()
while IFS= read -r line; do
    case $line in
    " "*) names+=("$suite${line// /}") ;;
    *) suite=$line ;;
    esac
done < <(sed -e 's/#.*//' -e 's/[[:space:]]*$//' -e '/^$/d' "$work/listed")
[ ${#names[@]} -gt 0 ] || { echo "soak.sh: no test matches $filter" >&2; exit 1; }

if [ $busy -eq 1 ]; then
    for ((i = 0; i < $(nproc); i++)); do
        bash -c 'while :; do :; done' &
        loops+=($!)
    done
fi
echo "soak.sh: ${#names[@]} tests, $runs runs each, under $FORTUVA_WINE_BITS-bit Wine$([ $busy -eq 0 ] || echo ", a busy loop on each of $(nproc) processors")"

declare -A passed first first_run
for name in "${names[@]}"; do passed[$name]=0; done
for ((run = 1; run <= runs; run++)); do
    for name in "${names[@]}"; do
        # A hung test counts as failed, as under CTest's time limit.
        if timeout -k 10 120 "$WINELOADER" "$win/fortuva_e2e.exe" "--gtest_filter=$name" </dev/null \
            >"$work/out" 2>&1 && grep -q '^\[  PASSED  \] 1 test' "$work/out"; then
            passed[$name]=$((passed[$name] + 1))
        else
            echo "soak.sh: run $run: $name FAILED"
            if [ -z "${first[$name]:-}" ]; then
                # Wine's sound library speaks up where there is no sound card.
                first[$name]=$(grep -v '^ALSA lib' "$work/out")
                first_run[$name]=$run
            fi
        fi
    done
done

failed=0
echo
for name in "${names[@]}"; do
    printf '%4d/%d  %s\n' "${passed[$name]}" "$runs" "$name"
    [ "${passed[$name]}" = "$runs" ] || failed=$((failed + 1))
done
for name in "${names[@]}"; do
    [ -n "${first[$name]:-}" ] || continue
    printf '\n=== %s, its first failure (run %s):\n%s\n' "$name" "${first_run[$name]}" "${first[$name]}"
done
echo
echo "soak.sh: $((${#names[@]} - failed)) of ${#names[@]} tests passed every run"
[ $failed -eq 0 ]
