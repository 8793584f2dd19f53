#!/usr/bin/env bash
# Builds the program and starts it from its program folder in the build tree.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCLUEFORGE_TESTS=OFF
cmake --build build/release --target clueforge
exec build/release/bin/clueforge "$@"
