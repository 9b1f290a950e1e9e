#!/bin/sh
# Configures and builds Quorvant (Release) into ./build: sh scripts/build.sh
set -e
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
