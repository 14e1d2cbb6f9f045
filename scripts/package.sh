#!/usr/bin/env bash
# Builds the release zip: Fortuva-<version>/ with Fortuva.exe, ReadMe.txt and
# every samples/*.txt, as $BUILD/Fortuva-<version>.zip, and beside it
# SHA256SUMS (the zip's and the program's). Prints the zip's path on stdout;
# everything else, the checksums among it, goes to stderr.
#
# The same commit gives the same bytes, whatever the folder, the time, the
# umask or the time zone: the zip's entries come in a fixed order, all with
# the commit's time (SOURCE_DATE_EPOCH overrides it), fixed permissions and
# nothing else of the staged files (no owner, no inode times).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${FORTUVA_BUILD_DIR:-$root/build}
mkdir -p "$build"
build=$(cd "$build" && pwd)

# The version comes from the project, so the folder name follows a version bump.
version=$(sed -n 's/^project(Fortuva VERSION \([0-9][0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
if [ -z "$version" ]; then
    echo "package.sh: no version found in CMakeLists.txt" >&2
    exit 1
fi
name="Fortuva-$version"

# Only the 32-bit cross build: packaging needs no Wine and no display.
bash "$root/scripts/install-deps.sh" build32 >&2
cmake -S "$root" -B "$build/win" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release >&2
cmake --build "$build/win" -j"$(nproc)" --target Fortuva >&2

# The sample files, in byte order of their names, whatever the locale.
mapfile -t samples < <(cd "$root/samples" && printf '%s\n' *.txt | LC_ALL=C sort)
for sample in "${samples[@]}"; do
    if [ ! -f "$root/samples/$sample" ]; then
        echo "package.sh: no samples/*.txt to ship" >&2
        exit 1
    fi
done

stage="$build/package"
rm -rf "$stage"
mkdir -p "$stage/$name"
cp "$build/win/Fortuva.exe" "$stage/$name/Fortuva.exe"
# Notepad on a non-Japanese Windows reads UTF-8 only with a byte-order mark;
# older Notepads need CRLF line ends.
{
    printf '\357\273\277'
    sed -e 's/\r$//' -e 's/$/\r/' "$root/package/ReadMe.txt"
} >"$stage/$name/ReadMe.txt"
# Already code page 932 with CRLF, as a user's own winning-number file would be.
for sample in "${samples[@]}"; do
    cp "$root/samples/$sample" "$stage/$name/$sample"
done

if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    epoch=$SOURCE_DATE_EPOCH
elif [ -e "$root/.git" ] && epoch=$(git -C "$root" log -1 --format=%ct 2>/dev/null) && [ -n "$epoch" ]; then
    :
else
    epoch=946684800
fi

# Every field of every entry is set here (scripts/write-zip.py). The
# program may be run straight from an unpacking tool, so it is 0755; the
# rest is 0644.
zip="$build/$name.zip"
rm -f "$zip"
python3 "$root/scripts/write-zip.py" "$zip" "$epoch" "$stage" "$name/Fortuva.exe" "$name/ReadMe.txt" \
    "${samples[@]/#/$name/}"

# Checksums of what users download and of what they run, for
# `sha256sum -c SHA256SUMS` beside the zip.
sums="$build/SHA256SUMS"
{
    printf '%s  %s\n' "$(sha256sum <"$zip" | cut -d' ' -f1)" "$name.zip"
    printf '%s  %s\n' "$(sha256sum <"$stage/$name/Fortuva.exe" | cut -d' ' -f1)" "$name/Fortuva.exe"
} >"$sums"
echo "package.sh: $sums" >&2
cat "$sums" >&2
echo "$zip"
