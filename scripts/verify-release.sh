#!/usr/bin/env bash
# Shows that a release zip is what its commit builds:
#   scripts/verify-release.sh ZIP [COMMIT]     (COMMIT: this checkout's HEAD)
# Rebuilds the release from the commit, with the commit's own scripts and its
# time as the image's time stamp, in $FORTUVA_BUILD_DIR/verify (build/verify),
# and compares. An unsigned zip must be the rebuilt zip, byte for byte. In a
# signed one, Fortuva.exe with its signature taken off must be the rebuilt
# program byte for byte, the signature must be all that signing added, and
# every other file must be the rebuilt one. Says so in one line and exits 0;
# otherwise names the first byte that differs and exits 1; exits 2 when it
# cannot check.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
say() { echo "verify-release: $*"; }
if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: scripts/verify-release.sh ZIP [COMMIT]" >&2
    exit 2
fi
if [ ! -f "$1" ]; then
    say "no such file: $1" >&2
    exit 2
fi
zip=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
if ! commit=$(git -C "$root" rev-parse --verify --quiet "${2:-HEAD}^{commit}"); then
    say "${2:-HEAD} is no commit of $root" >&2
    exit 2
fi
short=$(git -C "$root" rev-parse --short "$commit")

# What the rebuild and the comparison need: the cross compiler, the zip
# reader, and the tool that takes a signature off.
bash "$root/scripts/install-deps.sh" build32 sign >&2

# A rebuild of the same commit is kept and used again: the same sources
# build the same bytes.
build=${FORTUVA_BUILD_DIR:-$root/build}
cache="$build/verify"
if [ "$(cat "$cache/commit" 2>/dev/null)" != "$commit" ] || [ ! -s "$cache/zip" ]; then
    rm -rf "$cache"
    mkdir -p "$cache/src"
    git -C "$root" archive "$commit" | tar -x -C "$cache/src"
    epoch=$(git -C "$root" log -1 --format=%ct "$commit")
    # Unsigned, whatever keys this shell names, and without the test kit.
    if ! env -u FORTUVA_SIGN_PKCS12 -u FORTUVA_SIGN_PASS -u FORTUVA_SIGN_PKCS11_MODULE \
            -u FORTUVA_SIGN_PKCS11_KEY -u FORTUVA_SIGN_CERT -u FORTUVA_SIGN_TIMESTAMP \
            SOURCE_DATE_EPOCH="$epoch" FORTUVA_BUILD_DIR="$cache/build" \
            bash "$cache/src/scripts/package.sh" --no-test-kit >"$cache/zip.out" 2>"$cache/build.log"; then
        say "the rebuild of commit $short failed; the end of $cache/build.log:" >&2
        tail -n 20 "$cache/build.log" | sed 's/^/    /' >&2
        exit 2
    fi
    tail -n 1 "$cache/zip.out" >"$cache/zip"
    printf '%s\n' "$commit" >"$cache/commit"
fi

python3 - "$zip" "$(cat "$cache/zip")" "$short" "$cache" <<'PY'
import os, struct, subprocess, sys, tempfile, zipfile

shipped_path, rebuilt_path, commit, cache = sys.argv[1:]
label = os.path.basename(shipped_path)


def say(line):
    print("verify-release: " + line)


def differ(what, at, length, field=""):
    say(f"FAIL: {what} differs from the build of commit {commit} at byte {at} of {length}{field}")
    print(f"verify-release: the rebuild is {rebuilt_path}", file=sys.stderr)
    sys.exit(1)


def first_difference(a, b, skip=range(0)):
    """The first byte where they part outside skip, counted from 1 as cmp
    does; where they part only inside skip, the first byte there."""
    n = min(len(a), len(b))
    i = next((i for i in range(n) if a[i] != b[i] and i not in skip), None)
    if i is None and len(a) == len(b):
        i = next(i for i in range(n) if a[i] != b[i])
    return (n if i is None else i) + 1


def pe_fields(image):
    """Where the header fields that signing or the build's time can change lie:
    {name: (offset, size)}, or {} when the file is no PE image."""
    if image[:2] != b"MZ" or len(image) < 0x40:
        return {}
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0" or len(image) < pe + 24 + 2:
        return {}
    optional = pe + 24
    magic = struct.unpack_from("<H", image, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)
    if len(image) < directories + 5 * 8:
        return {}
    return {"the image's time stamp": (pe + 8, 4), "the header's checksum": (optional + 64, 4),
            "the signature's entry in the header": (directories + 4 * 8, 8)}


def field_at(image, at):
    for name, (offset, size) in pe_fields(image).items():
        if offset <= at - 1 < offset + size:
            return f" ({name})"
    return ""


def signature(image):
    """(offset, size) of the signature (the attribute certificate table), or None."""
    fields = pe_fields(image)
    if not fields:
        return None
    offset, _ = fields["the signature's entry in the header"]
    start, size = struct.unpack_from("<II", image, offset)
    return (start, size) if size else None


def unsigned(name, image):
    """The program with its signature taken off, after checking that the
    signature, its padding and its header fields are all signing added."""
    start, size = signature(image)
    if start + size != len(image):
        say(f"FAIL: {name} holds more than the program and its signature: its signature of {size} bytes "
            f"from byte {start + 1} is not the end of its {len(image)} bytes")
        sys.exit(1)
    with tempfile.TemporaryDirectory(dir=cache) as work:
        path, out = os.path.join(work, "signed.exe"), os.path.join(work, "unsigned.exe")
        with open(path, "wb") as f:
            f.write(image)
        done = subprocess.run(["osslsigncode", "remove-signature", "-in", path, "-out", out],
                              capture_output=True, text=True)
        if done.returncode != 0:
            say(f"cannot take the signature off {name}: {done.stdout.strip()} {done.stderr.strip()}")
            sys.exit(2)
        with open(out, "rb") as f:
            bare = f.read()
    # Signing pads the program to 8 bytes with zeros, then appends the table.
    padded = (len(bare) + 7) // 8 * 8
    fields = pe_fields(bare)
    changed = {offset + k for field in ("the header's checksum", "the signature's entry in the header")
               for offset, size in [fields[field]] for k in range(size)}
    same_program = all(image[i] == bare[i] for i in range(len(bare)) if i not in changed)
    if not same_program or start != padded or any(image[len(bare):start]):
        say(f"FAIL: {name} holds more than the program and its signature: the program is {len(bare)} bytes, "
            f"its signature of {size} bytes starts at byte {start + 1}")
        sys.exit(1)
    return bare


with open(shipped_path, "rb") as f:
    shipped_bytes = f.read()
with open(rebuilt_path, "rb") as f:
    rebuilt_bytes = f.read()
if shipped_bytes == rebuilt_bytes:
    say(f"{label} is byte for byte the release built from commit {commit}")
    sys.exit(0)

try:
    shipped, rebuilt = zipfile.ZipFile(shipped_path), zipfile.ZipFile(rebuilt_path)
except zipfile.BadZipFile:
    differ(label, first_difference(shipped_bytes, rebuilt_bytes), len(shipped_bytes))
names = [i.filename for i in shipped.infolist()]
if names != [i.filename for i in rebuilt.infolist()]:
    say(f"FAIL: {label} holds {', '.join(names)}; the build of commit {commit} holds "
        f"{', '.join(i.filename for i in rebuilt.infolist())}")
    sys.exit(1)
signed = False
for name in names:
    mine, theirs = shipped.read(name), rebuilt.read(name)
    what = name
    if name.endswith(".exe") and signature(mine):
        signed = True
        mine = unsigned(name, mine)
        what = f"{name} with its signature taken off"
    if mine != theirs:
        # The checksum follows every other byte: the byte that set it off says more.
        offset, size = pe_fields(mine).get("the header's checksum", (0, 0))
        at = first_difference(mine, theirs, range(offset, offset + size))
        differ(what, at, len(mine), field_at(mine, at))
if not signed:
    # Unsigned, the zip itself is what the commit builds, every field of it.
    differ(label, first_difference(shipped_bytes, rebuilt_bytes), len(shipped_bytes),
           ": its files are the rebuilt ones")
say(f"{label}: Fortuva.exe with its signature taken off, and every other file, "
    f"is byte for byte the release built from commit {commit}")
PY
