#!/usr/bin/env bash
# Builds the release zip: Fortuva-<version>/ with Fortuva.exe, ReadMe.txt and
# the samples, as $BUILD/Fortuva-<version>.zip. Prints the zip's path on stdout;
# everything else goes to stderr.
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
cp "$root/samples/sample.txt" "$stage/$name/sample.txt"
cp "$root/samples/sample-3classes.txt" "$stage/$name/sample-3classes.txt"
chmod 0755 "$stage/$name" "$stage/$name/Fortuva.exe"
chmod 0644 "$stage/$name/ReadMe.txt" "$stage/$name/sample.txt" "$stage/$name/sample-3classes.txt"

# Fixed entry order and one timestamp for every entry, so that unchanged
# inputs give the same listing. (The archive also records each staged file's
# inode change time and owner, which no option of cmake -E tar sets.)
if [ -n "${SOURCE_DATE_EPOCH:-}" ]; then
    epoch=$SOURCE_DATE_EPOCH
elif epoch=$(git -C "$root" log -1 --format=%ct 2>/dev/null) && [ -n "$epoch" ]; then
    :
else
    epoch=946684800
fi
mtime=$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M:%S UTC')
touch -d "@$epoch" "$stage/$name"/*

zip="$build/$name.zip"
rm -f "$zip"
(cd "$stage" && cmake -E tar cf "$zip" --format=zip --mtime="$mtime" \
    "$name/Fortuva.exe" "$name/ReadMe.txt" "$name/sample.txt" "$name/sample-3classes.txt")
echo "$zip"
