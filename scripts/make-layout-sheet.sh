#!/usr/bin/env bash
# Draws docs/layouts.png, the contact sheet of the built-in layouts, with the layout sheet
# tool (tools/layouts).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build-art -G Ninja -DTESSARON_BUILD_TOOLS=ON \
  -DTESSARON_BUILD_TESTS=OFF -DTESSARON_BUILD_BENCHMARKS=OFF
cmake --build build-art --target tessaron_layout_sheet
QT_QPA_PLATFORM=offscreen ./build-art/tools/layouts/tessaron_layout_sheet docs/layouts.png
echo "Contact sheet written to docs/layouts.png."
