#!/usr/bin/env bash
# Builds every benchmark (Release, in build-bench) and runs each of them in turn, then prints
# one table with each figure against its target (scripts/bench-table.awk; docs/performance.md).
# Benchmark executables are the targets named *_bench; extra arguments go to each of them.
set -euo pipefail
cd "$(dirname "$0")/.." || exit 1

build=build-bench
jobs=${JOBS:-$(nproc)}
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTESSARON_BUILD_BENCHMARKS=ON -DTESSARON_BUILD_TESTS=OFF >/dev/null

mapfile -t targets < <(cmake --build "$build" --target help | sed -n 's/^\([A-Za-z0-9_]*_bench\):.*/\1/p' | sort -u)
if [ ${#targets[@]} -eq 0 ]; then
  echo "No benchmarks found." >&2
  exit 1
fi
cmake --build "$build" -j "$jobs" --target "${targets[@]}"

results=$(mktemp -d)
trap 'rm -r -- "$results"' EXIT

for target in "${targets[@]}"; do
  executable=$(find "$build/bench" -type f -name "$target" -perm -u+x | head -n 1)
  echo
  echo "=== $target"
  "$executable" --benchmark_out="$results/$target.csv" --benchmark_out_format=csv "$@"
done

# The board window once more on an X server (Xvfb), which draws as a player's desktop does.
window_bench=$(find "$build/bench" -type f -name window_bench -perm -u+x | head -n 1)
if [ -n "$window_bench" ] && command -v xvfb-run >/dev/null; then
  echo
  echo "=== window_bench on Xvfb"
  xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb \
    "$window_bench" --benchmark_out="$results/window_bench_xcb.csv" --benchmark_out_format=csv "$@"
fi

awk -f scripts/bench-table.awk "$results"/*.csv
