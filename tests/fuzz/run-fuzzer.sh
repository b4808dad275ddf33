#!/bin/sh
# run-fuzzer.sh seeds <fuzzer> <seed folder> <build folder>
#     Runs every seed once (a crash found earlier and fixed is kept as a seed,
#     so this replays it too).
# run-fuzzer.sh fuzz <fuzzer> <seed folder> <build folder> <seconds>
#     Fuzzes for the given time, starting from the seeds. New inputs go to
#     <build folder>/corpus/<target> (the committed seeds stay as they are), a
#     crash is saved as <build folder>/artifacts/<target>-crash-<sha1> and
#     makes the run fail. A <target>.dict beside this script is used when
#     present.
set -eu
mode="$1"
fuzzer="$2"
seeds="$3"
build="$4"
name="$(basename "$fuzzer")"
here="$(cd "$(dirname "$0")" && pwd)"

case "$mode" in
seeds)
    [ -d "$seeds" ] || { echo "no seed folder $seeds" >&2; exit 1; }
    # Each file is run once, without fuzzing; any failure fails the test.
    find "$seeds" -type f ! -name '.*' -exec "$fuzzer" -runs=1 {} +
    ;;
fuzz)
    seconds="$5"
    mkdir -p "$build/corpus/$name" "$build/artifacts"
    set -- -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$name-"
    if [ -f "$here/$name.dict" ]; then
        set -- "$@" -dict="$here/$name.dict"
    fi
    # The batch reader promises flat memory whatever the rows: held to a
    # tighter limit (a later -rss_limit_mb wins).
    if [ "$name" = fuzz_batch_reader ]; then
        set -- "$@" -rss_limit_mb=512
    fi
    exec "$fuzzer" "$@" "$build/corpus/$name" "$seeds"
    ;;
*)
    echo "usage: $0 seeds|fuzz <fuzzer> <seed folder> <build folder> [seconds]" >&2
    exit 64
    ;;
esac
