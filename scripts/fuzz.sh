#!/usr/bin/env bash
# Builds the fuzz targets with clang in build-fuzz and runs each for a bounded time.
#   scripts/fuzz.sh [seconds per target, default 60] [target ...]   (default: every target)
# New inputs collect in build-fuzz/fuzz/found/<target> and crash inputs in
# build-fuzz/fuzz/crashes; the committed seeds in fuzz/corpus are only read. To take new
# inputs into the seeds, minimise them:
#   build-fuzz/fuzz/<target> -merge=1 fuzz/corpus/<target> build-fuzz/fuzz/found/<target>
set -euo pipefail
cd "$(dirname "$0")/.." || exit 1

seconds=${1:-60}
shift || true
if [ $# -gt 0 ]; then
  targets=("$@")
else
  targets=()
  for folder in fuzz/corpus/*/; do targets+=("$(basename "$folder")"); done
fi

cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTESSARON_FUZZ=ON -DTESSARON_BUILD_TESTS=OFF -DTESSARON_BUILD_BENCHMARKS=OFF
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]}"

mkdir -p build-fuzz/fuzz/crashes
failed=()
for target in "${targets[@]}"; do
  mkdir -p "build-fuzz/fuzz/found/$target"
  echo "== $target: ${seconds} s"
  if ! "build-fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="build-fuzz/fuzz/crashes/$target-" \
      "build-fuzz/fuzz/found/$target" "fuzz/corpus/$target"; then
    failed+=("$target")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Findings in: ${failed[*]} (inputs in build-fuzz/fuzz/crashes)" >&2
  exit 1
fi
echo "No findings."
