#!/bin/sh
# Builds the Debian package of Quorvant and prints its path as the last line:
#   sh scripts/package.sh [build dir, default build-deb]
# A new build dir gets a Release build of the two programs alone. An existing Release build dir
# (the tests' build/) is packaged as it is, so that nothing is compiled a second time.
set -e
cd "$(dirname "$0")/.."
BUILD=${1:-build-deb}
if [ -f "$BUILD/CMakeCache.txt" ]; then
    if ! grep -qx 'CMAKE_BUILD_TYPE:STRING=Release' "$BUILD/CMakeCache.txt" ||
        grep -qx 'QUORVANT_SANITIZE:BOOL=ON' "$BUILD/CMakeCache.txt"; then
        echo "$BUILD is no plain Release build: package from another build dir" >&2
        exit 1
    fi
else
    cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DQUORVANT_BUILD_TESTS=OFF -DQUORVANT_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$BUILD" -j2
LOG=$(mktemp)
trap 'rm -f "$LOG"' EXIT
if ! (cd "$BUILD" && cpack -G DEB) >"$LOG" 2>&1; then
    cat "$LOG" >&2
    exit 1
fi
cat "$LOG"
DEB=$(sed -n 's/^CPack: - package: \(.*\.deb\) generated\.$/\1/p' "$LOG" | tail -n 1)
if [ -z "$DEB" ] || [ ! -f "$DEB" ]; then
    echo "cpack named no package" >&2
    exit 1
fi
echo "$DEB"
