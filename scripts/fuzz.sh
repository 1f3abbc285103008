#!/usr/bin/env bash
# Builds the fuzz preset (clang -O2 with AddressSanitizer and UndefinedBehaviorSanitizer, no GUI;
# Qt Core and Qt Gui's zip reader for the statement fuzzer) and runs each of its fuzzers for
# SECONDS, one after the other, each in one process with one worker:
#   bash scripts/fuzz.sh SECONDS
# Each starts from its corpus in the build (build/fuzz/fuzz/corpus/NAME, where what it finds is
# kept) and its committed seeds (fuzz/seeds/NAME), with its dictionary (fuzz/NAME.dict). The
# fuzzers and their input limits are those fuzz/CMakeLists.txt lists. libFuzzer's own lines are
# printed as they come, then a line a fuzzer:
#   fuzz NAME: N runs in S s (R exec/s)
# Exits non-zero when any fuzzer found a crash, a leak or a timeout; the input that did it is in
# build/fuzz/fuzz/artifacts/, and `build/fuzz/fuzz/NAME_fuzzer FILE` runs it again.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-}"
if ! [[ "$seconds" =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: bash scripts/fuzz.sh SECONDS" >&2
    exit 2
fi

bash scripts/install-deps.sh
cmake --preset fuzz
cmake --build --preset fuzz

build=build/fuzz/fuzz
mkdir -p "$build/artifacts"
# Inputs that run longer are scheduled less (some stop a scan only at its million tries), and
# AddressSanitizer records no stack for each allocation and release (a report then lacks them;
# running the saved input again brings them back), fills no new allocation, and keeps 32 MB of
# released memory from reuse rather than 256, so that memory stays warm: runs several times
# as many a second, with every access still checked.
export ASAN_OPTIONS="${ASAN_OPTIONS:-malloc_context_size=0:max_malloc_fill_size=0:quarantine_size_mb=32}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1}"

summary=()
failed=0
while read -r name program max_len dictionary seeds corpus; do
    log="$build/$name.log"
    mkdir -p "$corpus"
    started=$(date +%s)
    status=0
    "$program" -max_total_time="$seconds" -max_len="$max_len" -timeout=25 \
        -entropic_scale_per_exec_time=1 -dict="$dictionary" -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$name-" "$corpus" "$seeds" </dev/null 2>&1 |
        tee "$log" || status=$?
    elapsed=$(($(date +%s) - started))
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    # libFuzzer's own count of seconds where it finished; the clock's where it stopped on a find.
    took=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log" | tail -n 1)
    took="${took:-$elapsed}"
    if [ -z "$runs" ]; then
        # No final statistics: it did not end as libFuzzer ends.
        runs=0
        [ "$status" -ne 0 ] || status=1
    fi
    rate=$((took > 0 ? runs / took : runs))
    summary+=("fuzz $name: $runs runs in $took s ($rate exec/s)")
    if [ "$status" -ne 0 ]; then
        echo "fuzz $name: stopped with status $status; see $log and $build/artifacts/" >&2
        failed=1
    fi
done <"$build/fuzzers.txt"

printf '%s\n' "${summary[@]}"
exit "$failed"
