#!/bin/sh
# Installs what is missing, builds everything and runs the whole test suite without a display;
# then packages that build as a .deb, installs it, runs the installed programs and removes it
# again (scripts/package-check.sh); then the same suite built with the address and
# undefined-behaviour sanitizers, and a one-minute fuzzing smoke run of each fuzz target, the
# investment-file reader and the generator with the chart ranges (skipped without clang).
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh
sh scripts/build.sh
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j2
# The Debian package of that same build: lintian, apt-get install, the installed programs, removal.
sh scripts/package-check.sh build

cmake -S . -B build-san -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANT_SANITIZE=ON -DQUORVANT_BUILD_BENCH=OFF
cmake --build build-san
LSAN_OPTIONS="suppressions=$(pwd)/tests/lsan.supp:print_suppressions=0:fast_unwind_on_malloc=0" QT_QPA_PLATFORM=offscreen \
    ctest --test-dir build-san --output-on-failure -j2

sh scripts/fuzz-smoke.sh 60 build-fuzz
