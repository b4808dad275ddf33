#!/bin/sh
# Usage: regenerate-and-compare.sh SOURCE_DIR [CXX_COMPILER [CMAKE_GENERATOR]]
# Builds tools/house-cusps, regenerates tests/core/houses/house-cusps.txt into a
# temporary folder and compares it with the committed file. Exit 77 (skipped)
# when the Swiss Ephemeris library is missing.
set -eu

source_dir=$1
compiler=${2:-}
generator=${3:-}
committed=$source_dir/tests/core/houses/house-cusps.txt

if ! pkg-config --exists swe 2>/dev/null && [ ! -f /usr/include/swephexp.h ]; then
    echo "SKIPPED: the Swiss Ephemeris library is not installed (apt-get install libswe-dev)"
    exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/house-cusps.XXXXXX")
trap 'rm -rf "$work"' EXIT

set -- -S "$source_dir/tools/house-cusps" -B "$work/build" -DCMAKE_BUILD_TYPE=Release
if [ -n "$compiler" ]; then set -- "$@" "-DCMAKE_CXX_COMPILER=$compiler"; fi
if [ -n "$generator" ]; then set -- "$@" -G "$generator"; fi
cmake "$@" >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; exit 1; }
cmake --build "$work/build" >"$work/build.log" 2>&1 || { cat "$work/build.log"; exit 1; }

"$work/build/house-cusps" "$work/house-cusps.txt"

if cmp -s "$committed" "$work/house-cusps.txt"; then
    echo "the committed house cusps match the regenerated ones"
else
    echo "the committed house cusps differ from the regenerated ones:"
    diff -u "$committed" "$work/house-cusps.txt" | head -n 40
    exit 1
fi
