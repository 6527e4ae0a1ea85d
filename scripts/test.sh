#!/usr/bin/env bash
# Builds everything from scratch in both configurations and runs the whole suite with CTest:
# first the normal build (g++), then AddressSanitizer + UndefinedBehaviorSanitizer (clang),
# which also runs each fuzz target for a short, bounded time. Before building, every C++ file
# must be as clang-format leaves it. Stops at the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

echo "=== format"
bash scripts/check-format.sh

jobs=$(nproc)
for preset in default asan; do
  echo "=== $preset: configure and build"
  rm -rf "build/$preset"
  cmake --preset "$preset" -DTAVO_WERROR=ON > "build-$preset.log" 2>&1 || { cat "build-$preset.log"; exit 1; }
  cmake --build --preset "$preset" -j "$jobs" >> "build-$preset.log" 2>&1 || { tail -n 80 "build-$preset.log"; exit 1; }
  rm -f "build-$preset.log"
  echo "=== $preset: test"
  ctest --preset "$preset" -j "$jobs"
done
