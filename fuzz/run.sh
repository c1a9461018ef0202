#!/bin/sh
# Runs every fuzz target in FOLDER for SECONDS each, starting from the seeds
# kept in fuzz/corpus/ (which stay untouched: new inputs go to FOLDER/corpus/).
# Prints each target's executions per second; fails on the first crash, hang
# or sanitizer report.
set -eu
folder=$1
seconds=$2
here="$(cd "$(dirname "$0")" && pwd)"
seeds="$here/corpus"
export LSAN_OPTIONS="suppressions=$here/../scripts/lsan-suppressions.txt${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
for target in "$folder"/fuzz_*; do
    [ -f "$target" ] && [ -x "$target" ] || continue
    name=$(basename "$target" | sed 's/^fuzz_//')
    mkdir -p "$folder/corpus/$name" "$folder/crashes" "$folder/logs"
    echo "fuzz_$name: $seconds s"
    log="$folder/logs/$name.log"
    if ! "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$folder/crashes/$name-" \
        "$folder/corpus/$name" "$seeds/$name" >"$log" 2>&1; then
        tail -n 40 "$log"
        echo "fuzz_$name FAILED (log: $log)"
        exit 1
    fi
    grep -E 'stat::(number_of_executed_units|average_exec_per_sec)' "$log" | sed 's/^/  /'
done
