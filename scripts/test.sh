#!/usr/bin/env bash
# Installs what is needed, builds everything and runs every test: the normal build, the
# whole suite again under AddressSanitizer and UndefinedBehaviorSanitizer, and a short run
# of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh

jobs=$(nproc)
# Let ccache share results between checkouts in different folders.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
# Each target compiled as a few large files: the Qt and test headers are parsed once per
# batch instead of once per file, which roughly halves a build from scratch. It also keeps
# every source free of names that clash with a neighbour's file-local ones.
unity=(-DCMAKE_UNITY_BUILD=ON)

echo "== Build and test"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${unity[@]}"
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== Build and test under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g1 -O1" \
  -DTESSARON_SANITIZE=ON "${unity[@]}" \
  -DTESSARON_BUILD_BENCHMARKS=OFF
cmake --build build-sanitize -j "$jobs"
ctest --test-dir build-sanitize --output-on-failure -j "$jobs"

echo "== Fuzz targets: a short run of each over its committed seed corpus"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTESSARON_FUZZ=ON "${unity[@]}" \
  -DTESSARON_BUILD_TESTS=OFF -DTESSARON_BUILD_BENCHMARKS=OFF
cmake --build build-fuzz -j "$jobs" --target fuzz_targets
ctest --test-dir build-fuzz --output-on-failure -j "$jobs"
