#!/usr/bin/env bash
# Benchmarks of the winning-number reader and of the prize check, on this
# machine, natively (Release, -O2). Prints figures, never fails on them.
#
# Makes three large files in a scratch folder (removed at the end):
#   prose   256 MiB of prose lines, the eight winning numbers at the end
#   oneline 256 MiB on a single line without a line end, not a number
#   short   10 million short lines, numbers of 2-7 digits between words
#   zeros   a 200 MiB number line: zeros, then 37
# and for each, with the page cache warm, sets the reader against two
# references: dd through a buffer of the reader's size (the floor: merely
# reading the file) and grep counting the lines of the number form.
# Then the cost of one entry in the check, the size of Fortuva.exe when it
# has been built, and under Wine the time from starting Fortuva.exe to its
# start-up notice, against a program that only beeps and shows one message
# box, built twice: bare, and carrying Fortuva's manifest. The three are
# started in turn, BENCH_STARTUP_RUNS times each (after one start of each
# that is not counted), and Fortuva's median set against each reference's:
# against the bare one it includes what the manifest costs, against the one
# with the manifest it is the program's own cost. Ends with Markdown tables
# for the README.
#
#   scripts/bench.sh            BENCH_RUNS=5 scripts/bench.sh
#   BENCH_FILES="zeros" scripts/bench.sh     only some of the files
#   BENCH_PARTS="startup" scripts/bench.sh   only some of the parts
#                                            (files, check, startup)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FORTUVA_BUILD_DIR:-$root/build}
runs=${BENCH_RUNS:-3}
entries=${BENCH_ENTRIES:-2000000}
size=$((256 * 1024 * 1024))
lines=10000000
zeros=$((200 * 1024 * 1024))
startup_runs=${BENCH_STARTUP_RUNS:-15}
read -r -a files <<<"${BENCH_FILES:-prose oneline short zeros}"
parts=" ${BENCH_PARTS:-files check startup} "
for part in $parts; do
    case $part in
    files | check | startup) ;;
    *) echo "bench.sh: no part $part (files, check, startup)" >&2; exit 1 ;;
    esac
done
has_part() { [[ $parts == *" $1 "* ]]; }
has_part files || files=()

step() { printf '\n=== %s\n' "$*"; }

for tool in cmake g++ iconv awk dd grep /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "bench.sh: $tool is missing (scripts/install-deps.sh, apt-get install time)" >&2; exit 1; }
done

if has_part files || has_part check; then
    step "Release build of fortuva_bench"
    cmake -S "$root" -B "$build/bench" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" >/dev/null
    if ! cmake --build "$build/bench" --target fortuva_bench -j"$(nproc)"; then
        echo "bench.sh: no fortuva_bench target; cmake/native-tests.cmake must include(cmake/bench.cmake)" >&2
        exit 1
    fi
fi
bench=$build/bench/fortuva_bench

work=$(mktemp -d "${TMPDIR:-/tmp}/fortuva-bench-XXXXXX")
trap 'rm -rf "$work"' EXIT

step "Making the files in $work"
# Prose in code page 932, as a year file is written, with ASCII lines among
# it; no line may start like a number, so that a cut line stays prose.
iconv -f UTF-8 -t CP932 >"$work/block" <<'EOF'
年賀はがきお年玉くじ当選番号のお知らせ（抽せん日は一月中旬）
Winning numbers of the New-Year lottery, drawn in mid-January
一等は下六けた、二等は下四けた、三等も下四けた、四等は下二けた
Prizes may be claimed at any post office until early July.
お年玉賞品の引換期間は、抽せん日の翌日から半年間となります。
Keep the postcard whole: the number panel must stay readable.
記念切手シート、ふるさと小包、現金、いずれも引換は窓口にて。
Notes: lines like this one are skipped by the reader, in full.
EOF
# make_file NAME: writes the file NAME.
make_file() {
    case $1 in
    prose)
        yes "$(cat "$work/block")" | head -c "$size" >"$work/prose" || true
        printf '\n123456\n654321\n4567\n0123\n3210\n05\n38\n71\n' >>"$work/prose" ;;
    oneline) yes "$(cat "$work/block")" | tr -d '\r\n' | head -c "$size" >"$work/oneline" || true ;;
    short) awk -v n="$lines" 'BEGIN {
    split("memo title prize n/a ok end note draw", word, " ")
    for (i = 0; i < n; i++) {
        if (i % 2) { print word[1 + int(i / 2) % 8]; continue }
        d = 2 + int(i / 2) % 6
        printf("%0" d "d\n", (i * 7919) % (10 ^ d))
    }
}' >"$work/short" ;;
    zeros) { head -c "$zeros" /dev/zero | tr '\0' 0; printf '37\n'; } >"$work/zeros" ;;
    *) echo "bench.sh: no file $1 (prose, oneline, short, zeros)" >&2; exit 1 ;;
    esac
}
for f in "${files[@]}"; do make_file "$f"; done
ls -l "$work"

# Page cache warm: every figure below reads from memory, not the disk.
for f in "${files[@]}"; do cat "$work/$f" >/dev/null; done

# measure NAME COMMAND...: best wall time of $runs runs in ${best[NAME]}
# (seconds) and the largest peak RSS in ${rss[NAME]} (KB); the output of the
# fastest run in $work/NAME.out.
declare -A best rss
measure() {
    local name=$1 i start end secs peak status
    shift
    best[$name]=
    rss[$name]=0
    for ((i = 0; i < runs; i++)); do
        start=$(date +%s%N)
        status=0
        /usr/bin/time -f %M -o "$work/time" "$@" >"$work/run.out" 2>"$work/run.err" || status=$?
        end=$(date +%s%N)
        # grep ends with 1 when it counts no line.
        if ((status > 1)) || [[ $1 != grep && $status != 0 ]]; then
            echo "bench.sh: $* failed:" >&2
            cat "$work/run.err" >&2
            exit 1
        fi
        secs=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f", (b - a) / 1e9 }')
        peak=$(tail -n 1 "$work/time")
        if ((peak > rss[$name])); then rss[$name]=$peak; fi
        if [[ -z ${best[$name]} ]] || awk -v a="$secs" -v b="${best[$name]}" 'BEGIN { exit !(a < b) }'; then
            best[$name]=$secs
            cp "$work/run.out" "$work/$name.out"
        fi
    done
}

# field KEY FILE: the value of KEY in a key=value line.
field() { tr ' ' '\n' <"$2" | sed -n "s/^$1=//p"; }

pattern='^ *[+-]?([0-9]+|(\$|x|X|0x|0X)[0-9A-Fa-f]+)$'
declare -A row title
for f in "${files[@]}"; do
    step "$f ($(stat -c %s "$work/$f") bytes), best of $runs"
    measure "dd.$f" dd if="$work/$f" bs=4097 of=/dev/null
    LC_ALL=C measure "grep.$f" grep -c -E "$pattern" "$work/$f"
    measure "load.$f" "$bench" load_bench "$work/$f"
    # The reader's own clock leaves out its start; the table compares whole
    # runs, measured alike, and the MB/s follow from those.
    load_s=$(field seconds "$work/load.$f.out")
    load_rss=$(field peak_rss_kb "$work/load.$f.out")
    numbers=$(field numbers "$work/load.$f.out")
    bytes=$(stat -c %s "$work/$f")
    wall=${best[load.$f]}
    load_mbs=$(awk -v b="$bytes" -v s="$wall" 'BEGIN { printf "%.0f", b / 1e6 / s }')
    ratio=$(awk -v a="$wall" -v b="${best[dd.$f]}" 'BEGIN { printf "%.1f", a / b }')
    printf 'dd bs=4097   %8ss  peak %7s KB\n' "${best[dd.$f]}" "${rss[dd.$f]}"
    printf 'grep -c      %8ss  peak %7s KB  (%s lines)\n' "${best[grep.$f]}" "${rss[grep.$f]}" "$(cat "$work/grep.$f.out")"
    printf 'load_bench   %8ss  peak %7s KB  (%s numbers, the longest %s bytes, %s MB/s; %ss inside the reader)\n' \
        "$wall" "$load_rss" "$numbers" "$(field longest_number "$work/load.$f.out")" "$load_mbs" "$load_s"
    printf 'load / dd    %8sx\n' "$ratio"
    mib=$(awk -v b="$bytes" 'BEGIN { printf "%.0f", b / 1048576 }')
    row[$f]="| ${best[dd.$f]} s | ${best[grep.$f]} s, ${rss[grep.$f]} KB | $wall s | $load_mbs | $load_rss KB | ${ratio}× |"
    case $f in
    prose) title[$f]="$mib MiB of prose lines, numbers at the end" ;;
    oneline) title[$f]="$mib MiB on one line, no line end" ;;
    short) title[$f]="$((lines / 1000000)) million short lines, every other one a number" ;;
    zeros) title[$f]="$mib MiB number line: zeros, then 37" ;;
    esac
done

if has_part check; then
    step "Prize check, $entries entries"
    "$bench" check_bench "$entries" | tee "$work/check.out"
    us=$(field us_per_entry "$work/check.out")
fi

# Start-up under Wine: the cross build that matches the Wine this host runs,
# Fortuva.exe copied alone into a scratch folder (no year file: the notice
# comes first all the same, and each start is ended once it shows). A step
# that cannot be done here is said in the table, not taken as a failure.
# windows_path PATH: PATH as Wine's Z: drive sees it.
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }
startup_lines=()
startup_measured=0
startup() {
    local win=$build/win toolchain=$root/cmake/mingw-i686.cmake folder=$work/startup program bare manifest
    # shellcheck source=scripts/wine-env.sh
    . "$root/scripts/wine-env.sh"
    fortuva_wine_choose || { startup_lines=("not measured: no Wine runs here (see above)"); return; }
    if [[ $FORTUVA_WINE_BITS == 64 ]]; then
        win=$build/win64 toolchain=$root/cmake/mingw-x86_64.cmake
    fi
    step "Cross build of Fortuva.exe, the start-up timer and its references ($FORTUVA_WINE_BITS-bit)"
    if ! cmake -S "$root" -B "$win" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release >/dev/null ||
        ! cmake --build "$win" --target Fortuva fortuva_startup_bench startup_reference \
            startup_reference_with_manifest -j"$(nproc)"; then
        startup_lines=("not measured: the cross build failed (scripts/install-deps.sh build$FORTUVA_WINE_BITS)")
        return
    fi
    mkdir -p "$folder/reference"
    cp "$win/Fortuva.exe" "$folder/"
    cp "$win/startup_reference.exe" "$win/startup_reference_with_manifest.exe" "$folder/reference/"
    if ! { fortuva_display && fortuva_wine_prefix && fortuva_wine_keep_server; }; then
        startup_lines=("not measured: Wine could not start a program here (see above)")
        return
    fi
    step "Start-up to the first dialog under $FORTUVA_WINE_BITS-bit Wine, $startup_runs starts of each in turn"
    if ! fortuva_wine "$win/fortuva_startup_bench.exe" "$startup_runs" "$(windows_path "$folder/Fortuva.exe")" \
        "$(windows_path "$folder/reference/startup_reference_with_manifest.exe")" \
        "$(windows_path "$folder/reference/startup_reference.exe")" </dev/null | tee "$work/startup.out"; then
        startup_lines=("not measured: a start showed no dialog (see above)")
        return
    fi
    program=$(field Fortuva_median_ms "$work/startup.out")
    manifest=$(field startup_reference_with_manifest_median_ms "$work/startup.out")
    bare=$(field startup_reference_median_ms "$work/startup.out")
    startup_lines=(
        "$program ms; the reference with Fortuva's manifest $manifest ms: $(field startup_reference_with_manifest_ratio "$work/startup.out")×"
        "$program ms; the bare reference $bare ms: $(field startup_reference_ratio "$work/startup.out")×")
    startup_measured=1
}
if has_part startup; then startup; fi

exe=$build/win/Fortuva.exe
exe_line="not built (scripts/test.sh or scripts/run.sh builds it)"
if [[ -f $exe ]]; then
    step "Size of $exe"
    exe_bytes=$(stat -c %s "$exe")
    clip_bytes=$(cat "$root"/resources/voice/clip*.wav | wc -c)
    exe_line="$exe_bytes bytes; $((exe_bytes - clip_bytes)) without the five voice clips ($clip_bytes bytes)"
    echo "$exe_line"
fi

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
mem=$(awk '/^MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo)

step "Markdown"
if ((${#files[@]})); then
    cat <<EOF
Measured on $(nproc) × $cpu, $mem memory, Linux $(uname -m); native Release
build (-O2), page cache warm; each time is a whole run, best of $runs. The
reference programs read the same files: \`dd bs=4097\` only reads through a
buffer of the reader's size (and writes it to /dev/null), \`grep -c -E\`
counts the lines of the number form (C locale). The reader counts every
number line; the program itself stops at the eighth.

| File | dd bs=4097 | grep -c (peak RSS) | Reader | Reader MB/s | Reader peak RSS | Reader / dd |
|---|---|---|---|---|---|---|
$(for f in "${files[@]}"; do echo "| ${title[$f]} ${row[$f]}"; done)

EOF
else
    printf 'Measured on %s × %s, %s memory, Linux %s.\n\n' "$(nproc)" "$cpu" "$mem" "$(uname -m)"
fi
echo '| Other figure | Value |'
echo '|---|---|'
if has_part check; then
    echo "| Prize check of one two-digit entry (form over fakes, the 300 ms pause left out) | $us µs |"
fi
echo "| Fortuva.exe | $exe_line |"
if ((startup_measured)); then
    echo "| Start-up to the notice, median of $startup_runs starts under Wine: the program's own cost | ${startup_lines[0]} |"
    echo "| The same start-up, the manifest's cost included | ${startup_lines[1]} |"
    cat <<EOF

The start-up was timed on $(nproc) × $cpu, $mem memory, under
$FORTUVA_WINE_VERSION ($FORTUVA_WINE_BITS-bit) on Xvfb with the Wine server kept running:
from just before \`CreateProcessW\` to the first visible message box, Fortuva.exe
alone in a folder; the reference only beeps and shows a message box, once
carrying Fortuva's manifest (common controls version 6, per-monitor
resolution) and once bare. The three are started in turn, after one start of
each that is not counted.
EOF
elif has_part startup; then
    echo "| Start-up to the notice, median of $startup_runs starts under Wine | ${startup_lines[0]} |"
fi
