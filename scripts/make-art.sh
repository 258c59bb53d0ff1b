#!/usr/bin/env bash
# Draws every picture the game carries into resources/images/ and the previews into docs/
# (tiles.png, board-preview.png). The output is identical on every run, so the committed
# pictures can be checked against it with cmp.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
# The Chinese glyphs on the tiles are drawn from this font when the pictures are made; the
# game itself only carries the finished pictures.
if ! dpkg-query -W -f='${Status}' fonts-wqy-microhei 2>/dev/null | grep -q "install ok installed"; then
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends fonts-wqy-microhei
fi

cmake -S . -B build-art -G Ninja -DTESSARON_BUILD_TOOLS=ON \
  -DTESSARON_BUILD_TESTS=OFF -DTESSARON_BUILD_BENCHMARKS=OFF
cmake --build build-art --target tessaron_art
QT_QPA_PLATFORM=offscreen ./build-art/tools/art/tessaron_art "$PWD"
echo "Pictures written to resources/images/ and docs/."
