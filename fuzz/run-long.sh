#!/bin/sh
# Runs every fuzz target of a native build for a while:
#   fuzz/run-long.sh BUILD_DIR [SECONDS_PER_TARGET] [TARGET...]
# Each starts from the seeds in fuzz/corpus/<target>/ and from what earlier
# long runs found, kept in BUILD_DIR/fuzz-corpus/<target>/ (the repository's
# seeds are never written to). A crash leaves its input in
# BUILD_DIR/fuzz-artifacts/ and makes the script fail after the other
# targets have run. Prints each target's executions and corpus size.
set -u
build=${1:?usage: fuzz/run-long.sh BUILD_DIR [SECONDS] [TARGET...]}
seconds=${2:-60}
[ $# -ge 2 ] && shift 2 || shift $#
seeds=$(cd "$(dirname "$0")" && pwd)/corpus
targets=${*:-$(cd "$build/fuzz" && ls fuzz_* 2>/dev/null)}
mkdir -p "$build/fuzz-artifacts"
failed=""
for t in $targets; do
    corpus="$build/fuzz-corpus/$t"
    mkdir -p "$corpus"
    log="$build/fuzz-artifacts/$t.log"
    set -- "$corpus"
    [ -d "$seeds/$t" ] && set -- "$@" "$seeds/$t"
    "$build/fuzz/$t" -max_total_time="$seconds" -max_len=512 -print_final_stats=1 \
        -artifact_prefix="$build/fuzz-artifacts/$t-" "$@" >"$log" 2>&1
    rc=$?
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$t: exit $rc, ${execs:-?} executions in ${seconds}s, $(ls "$corpus" | wc -l) inputs in $corpus"
    if [ $rc -ne 0 ]; then
        grep -E "ERROR|SUMMARY|runtime error|Test unit written" "$log" | head -5
        failed="$failed $t"
    fi
done
if [ -n "$failed" ]; then
    echo "fuzzing found faults in:$failed (logs in $build/fuzz-artifacts)"
    exit 1
fi
