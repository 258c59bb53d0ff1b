#!/usr/bin/env bash
# Installs the Debian 12 packages Tessaron needs to build, test and run, skipping those
# already present. Uses sudo when not run as root.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev libgl-dev                      # windows, settings store
  libqt6sql6-sqlite                           # the game history (Qt SQL's SQLite driver)
  qt6-translations-l10n                       # Qt's own dialogs and menus in German
  qt6-base-private-dev                        # window tests switch the screen-reader events on
  libsdl2-mixer-dev timgm6mb-soundfont        # audio; the soundfont makes MIDI audible
  libgtest-dev libgmock-dev libbenchmark-dev  # tests and benchmarks
  clang libclang-rt-14-dev                    # fuzz targets (libFuzzer)
  fonts-dejavu-core fonts-comic-neue          # without any font Qt draws text as boxes
  xvfb xauth                                  # screenshots and start-up measurements
  at-spi2-core dbus-x11 python3-pyatspi       # the reader test: accessibility bus and an AT-SPI client
  gir1.2-atspi-2.0 xdotool openbox            # ... keys typed into the game under a window manager
  orca                                        # the screen reader whose speech docs/accessibility.md shows
  desktop-file-utils appstream                # validate the desktop entry and metainfo
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "All packages present."
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
