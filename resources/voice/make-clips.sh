#!/usr/bin/env bash
# Rebuilds the five embedded announcement clips clip0.wav .. clip4.wav beside
# this script from synthetic Japanese speech. The clips are kept in the tree,
# so the program's build never needs the speech tools; run this only to
# change a clip. Same tools in, same bytes out (sox runs in repeatable mode).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)

need=()
command -v espeak-ng >/dev/null 2>&1 || need+=(espeak-ng)
command -v sox >/dev/null 2>&1 || need+=(sox)
if [ ${#need[@]} -gt 0 ]; then
    echo "Installing: ${need[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Layout: RIFF header (12) + "fmt " chunk (8 + 16, or 8 + 18 with cbSize = 0)
# + "data" chunk (8 + samples). Every file size the program ships with leaves
# a whole number of samples after those headers, so the data chunk alone fills
# the file: no pad byte, no extra chunk.
make_clip() {
    local n=$1 bytes=$2 rate=$3 bits=$4 fmt_size=$5 speed=$6 text=$7
    local block=$((bits / 8))
    local body=$((bytes - 12 - 8 - fmt_size - 8))
    if [ $((body % block)) -ne 0 ]; then
        echo "clip$n: $bytes bytes leave a partial sample" >&2
        exit 1
    fi
    local samples=$((body / block))
    local encoding=signed-integer
    [ "$bits" -eq 8 ] && encoding=unsigned-integer

    espeak-ng -v ja -s "$speed" -w "$work/said.wav" "$text"
    # Cut the synthesiser's leading and trailing quiet; the clip gets its own.
    sox -R "$work/said.wav" "$work/speech.wav" \
        silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse

    # Leave a short quiet lead-in and tail; hurry the speech if it would not fit.
    # The tail is filled up to the exact sample count when the header is written.
    local lead tempo
    read -r lead tempo < <(python3 - "$(soxi -D "$work/speech.wav")" "$samples" "$rate" <<'PY'
import sys
spoken, samples, rate = float(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
total = samples / rate
lead = min(0.05, total * 0.04)
room = total - 2 * lead
print(f"{lead:.4f} {max(1.0, spoken / room):.4f}")
PY
)
    local effects=(gain -n -1)
    [ "$tempo" != "1.0000" ] && effects+=(tempo -s "$tempo")
    effects+=(rate -v "$rate" pad "$lead")

    sox -R "$work/speech.wav" -t raw -e "$encoding" -b "$bits" -L -c 1 -r "$rate" \
        "$work/clip.raw" "${effects[@]}"

    python3 - "$work/clip.raw" "$here/clip$n.wav" "$samples" "$rate" "$bits" "$fmt_size" <<'PY'
import struct, sys
raw_path, out_path = sys.argv[1], sys.argv[2]
samples, rate, bits, fmt_size = map(int, sys.argv[3:7])
block = bits // 8
with open(raw_path, "rb") as f:
    data = f.read()
if len(data) > samples * block:
    sys.exit(f"{out_path}: speech runs {len(data)} bytes, room for {samples * block}")
# The quiet tail: unsigned 8-bit silence is 0x80, signed 16-bit silence is 0.
data += (b"\x80" if bits == 8 else b"\x00") * (samples * block - len(data))
fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * block, block, bits)
if fmt_size == 18:
    fmt += struct.pack("<H", 0)
body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt \
     + b"data" + struct.pack("<I", len(data)) + data
with open(out_path, "wb") as f:
    f.write(b"RIFF" + struct.pack("<I", len(body)) + body)
PY
    echo "clip$n.wav: $bytes bytes, $samples samples at $rate Hz, tempo $tempo" >&2
}

#         clip bytes   rate  bits fmt speed text
make_clip 0    10784  44100  8    16  400   "ざんねん"
make_clip 1    107660 16000  16   16  175   "いっとう かもしれません。ばんごうを かくにんしてください"
make_clip 2    68364  22050  16   18  175   "にとう かもしれません"
make_clip 3    80940  16000  16   16  200   "さんとう かもしれません。かくにんしてください"
make_clip 4    40044  16000  16   16  175   "よんとう あたりです"
