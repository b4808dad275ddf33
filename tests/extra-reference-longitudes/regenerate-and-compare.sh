#!/bin/sh
# Usage: regenerate-and-compare.sh SOURCE_DIR [CXX_COMPILER [CMAKE_GENERATOR]]
# Builds tools/reference-longitudes, regenerates tests/core/ephemeris/reference-longitudes.txt
# into a temporary folder and compares it with the committed file. Exit 77 (skipped) when
# the Swiss Ephemeris library or its data files are missing.
set -eu

source_dir=$1
compiler=${2:-}
generator=${3:-}
ephemeris_dir=/usr/share/libswe/ephe
committed=$source_dir/tests/core/ephemeris/reference-longitudes.txt

if ! pkg-config --exists swe 2>/dev/null && [ ! -f /usr/include/swephexp.h ]; then
    echo "SKIPPED: the Swiss Ephemeris library is not installed (apt-get install libswe-dev)"
    exit 77
fi
if [ ! -f "$ephemeris_dir/sepl_18.se1" ] || [ ! -f "$ephemeris_dir/semo_18.se1" ]; then
    echo "SKIPPED: no Swiss Ephemeris files in $ephemeris_dir (apt-get install swe-basic-data)"
    exit 77
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/reference-longitudes.XXXXXX")
trap 'rm -rf "$work"' EXIT

set -- -S "$source_dir/tools/reference-longitudes" -B "$work/build" -DCMAKE_BUILD_TYPE=Release
if [ -n "$compiler" ]; then set -- "$@" "-DCMAKE_CXX_COMPILER=$compiler"; fi
if [ -n "$generator" ]; then set -- "$@" -G "$generator"; fi
cmake "$@" >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; exit 1; }
cmake --build "$work/build" >"$work/build.log" 2>&1 || { cat "$work/build.log"; exit 1; }

"$work/build/reference-longitudes" --ephe "$ephemeris_dir" "$work/reference-longitudes.txt"

if cmp -s "$committed" "$work/reference-longitudes.txt"; then
    echo "the committed reference longitudes match the regenerated ones"
else
    echo "the committed reference longitudes differ from the regenerated ones:"
    diff -u "$committed" "$work/reference-longitudes.txt" | head -n 40
    exit 1
fi
