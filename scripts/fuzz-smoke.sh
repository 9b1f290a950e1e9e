#!/bin/sh
# Builds the three fuzz targets with clang and runs each briefly:
#   sh scripts/fuzz-smoke.sh [seconds per target, default 60] [build dir, default build-fuzz]
# fuzz_investfile reads, saves and projects arbitrary bytes as an investment file;
# fuzz_generator drives generator runs and chart ranges from arbitrary parameters;
# fuzz_planning typed numbers, the exporter's arguments, today's money, the baseline and paths.
# Without clang it says so and succeeds. A crash, a sanitizer report or a failed check
# makes it fail; the input that did it is left in the build dir's fuzz/ folder.
set -e
cd "$(dirname "$0")/.."
SECS=${1:-60}
BUILD=${2:-build-fuzz}
if ! command -v clang++ >/dev/null 2>&1 || ! command -v clang >/dev/null 2>&1; then
    echo "fuzz smoke skipped: clang is not installed"
    exit 0
fi
CC=clang CXX=clang++ cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DQUORVANT_BUILD_FUZZ=ON -DQUORVANT_BUILD_TESTS=OFF -DQUORVANT_BUILD_BENCH=OFF
cmake --build "$BUILD" --target fuzz_investfile fuzz_generator fuzz_planning
WORK=$(mktemp -d)
LOG=$(mktemp)
trap 'rm -rf "$WORK" "$LOG"' EXIT

# run <target> <seed corpus directory, or ""> <options...>
run() {
    target=$1
    seeds=$2
    shift 2
    mkdir -p "$WORK/$target"
    if ! "$BUILD/fuzz/$target" -max_total_time="$SECS" -artifact_prefix="$BUILD/fuzz/$target-" \
        -print_final_stats=1 "$@" "$WORK/$target" $seeds >"$LOG" 2>&1; then
        tail -n 60 "$LOG"
        echo "fuzz smoke FAILED: $target"
        exit 1
    fi
    echo "$target:"
    grep -E "^(#[0-9]+.*DONE|stat::number_of_executed_units|stat::peak_rss_mb)" "$LOG" || tail -n 5 "$LOG"
}

run fuzz_investfile fuzz/corpus -max_len=20000 -dict=fuzz/investfile.dict
run fuzz_generator ""
run fuzz_planning fuzz/corpus-planning
echo "fuzz smoke passed"
