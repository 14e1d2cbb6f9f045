#!/usr/bin/env bash
# Builds the fuzzers with clang and runs each for a short while on a copy of
# its seed corpus, so the seeds in the tree stay as they are.
#   scripts/fuzz.sh [build dir]     (default: build-fuzz in the source tree)
#   FORTUVA_FUZZ_SECONDS=60 scripts/fuzz.sh
# Exits non-zero when a fuzzer finds a crash; the input that caused it is
# kept in <build dir>/fuzz-run/<target>/.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build-fuzz}
seconds=${FORTUVA_FUZZ_SECONDS:-20}

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DFORTUVA_FUZZ=ON >/dev/null
cmake --build "$build" --target number_rule_fuzz file_reader_fuzz -j "$(nproc)" >/dev/null

export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

failed=0
# run <target> <corpus folder> <extra libFuzzer options...>
run() {
    local target=$1 corpus=$2
    shift 2
    local work=$build/fuzz-run/$target
    rm -rf "$work"
    mkdir -p "$work/corpus"
    cp "$root/fuzz/corpus/$corpus"/* "$work/corpus/"
    local seeds
    seeds=$(find "$work/corpus" -type f | wc -l)

    local rc=0
    "$build/$target" "$work/corpus" -max_total_time="$seconds" -timeout=10 \
        -artifact_prefix="$work/" -print_final_stats=1 "$@" >"$work/log" 2>&1 || rc=$?

    local runs
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -n 1)
    if [ "$rc" -eq 0 ]; then
        echo "$target: ok, ${runs:-?} runs in ${seconds}s, corpus $seeds -> $(find "$work/corpus" -type f | wc -l) inputs"
    else
        local crash
        crash=$(find "$work" -maxdepth 1 -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | head -n 1)
        echo "$target: FAILED (exit $rc) after ${runs:-?} runs; input ${crash:-none saved}; log $work/log"
        failed=1
    fi
}

run number_rule_fuzz number_rule -max_len=256
run file_reader_fuzz file_reader -max_len=16384

exit "$failed"
