#!/bin/sh
# Builds the investment-file fuzz target with clang and runs it briefly:
#   sh scripts/fuzz-smoke.sh [seconds, default 60] [build dir, default build-fuzz]
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
cmake --build "$BUILD" --target fuzz_investfile
WORK=$(mktemp -d)
LOG=$(mktemp)
trap 'rm -rf "$WORK" "$LOG"' EXIT
if ! "$BUILD/fuzz/fuzz_investfile" -max_total_time="$SECS" -max_len=20000 -dict=fuzz/investfile.dict \
    -artifact_prefix="$BUILD/fuzz/" -print_final_stats=1 "$WORK" fuzz/corpus >"$LOG" 2>&1; then
    tail -n 60 "$LOG"
    echo "fuzz smoke FAILED"
    exit 1
fi
grep -E "^(Done|stat::number_of_executed_units|stat::peak_rss_mb)" "$LOG" || tail -n 5 "$LOG"
echo "fuzz smoke passed"
