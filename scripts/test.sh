#!/bin/sh
# Installs what is missing, builds everything and runs the whole test suite without a display,
# then a one-minute fuzzing smoke run of the investment-file reader (skipped without clang).
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh
sh scripts/build.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
sh scripts/fuzz-smoke.sh 60 build-fuzz
