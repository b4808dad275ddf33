#!/bin/sh
# Usage: regenerate-and-compare.sh SOURCE_DIR [CXX_COMPILER [CMAKE_GENERATOR]]
# Builds tools/ephemeris-series, regenerates src/core/ephemeris/SeriesData.cpp into a
# temporary folder and compares it with the committed file. Exit 77 (skipped) when the
# Swiss Ephemeris library or its data files are missing.
set -eu

source_dir=$1
compiler=${2:-}
generator=${3:-}
ephemeris_dir=/usr/share/libswe/ephe
committed=$source_dir/src/core/ephemeris/SeriesData.cpp

if ! pkg-config --exists swe 2>/dev/null && [ ! -f /usr/include/swephexp.h ]; then
    echo "SKIPPED: the Swiss Ephemeris library is not installed (apt-get install libswe-dev)"
    exit 77
fi
for file in sepl_18.se1 semo_18.se1 seas_18.se1; do
    if [ ! -f "$ephemeris_dir/$file" ]; then
        echo "SKIPPED: no $file in $ephemeris_dir (apt-get install swe-basic-data)"
        exit 77
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/ephemeris-series.XXXXXX")
trap 'rm -rf "$work"' EXIT

set -- -S "$source_dir/tools/ephemeris-series" -B "$work/build" -DCMAKE_BUILD_TYPE=Release
if [ -n "$compiler" ]; then set -- "$@" "-DCMAKE_CXX_COMPILER=$compiler"; fi
if [ -n "$generator" ]; then set -- "$@" -G "$generator"; fi
cmake "$@" >"$work/configure.log" 2>&1 || { cat "$work/configure.log"; exit 1; }
cmake --build "$work/build" >"$work/build.log" 2>&1 || { cat "$work/build.log"; exit 1; }

start=$(date +%s)
"$work/build/ephemeris-series" --ephe "$ephemeris_dir" "$work/SeriesData.cpp"
echo "generated in $(( $(date +%s) - start )) s"

if cmp -s "$committed" "$work/SeriesData.cpp"; then
    echo "the committed ephemeris series match the regenerated ones"
else
    echo "the committed ephemeris series differ from the regenerated ones:"
    diff -u "$committed" "$work/SeriesData.cpp" | head -n 40
    exit 1
fi
