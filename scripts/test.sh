#!/usr/bin/env bash
# Builds and runs every test headless: once plain, once with AddressSanitizer and
# UndefinedBehaviorSanitizer. Closes on CTest's summary of the sanitizer run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
# Let ccache share results between clones in different folders.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
jobs=$(nproc)

cmake -S . -B build/test -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build build/test -j "$jobs"
ctest --test-dir build/test --output-on-failure -j "$jobs"

# The sanitizer build uses clang, which also builds the fuzz targets: each gets a short run on
# its seed corpus before the tests.
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCLUEFORGE_SANITIZE=ON \
    -DCLUEFORGE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
cmake --build build/sanitize -j "$jobs"
scripts/fuzz.sh build/sanitize 10
ctest --test-dir build/sanitize --output-on-failure -j "$jobs"
