#!/usr/bin/env bash
# Installs every Debian package that building, testing and running the simulator need.
# Idempotent: packages already present are left alone, and nothing is fetched when all are there.
set -euo pipefail

PACKAGES=(
  # build
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libxcb1-dev
  # sound: WAV, MIDI, output
  libsdl2-dev libsndfile1-dev libsoxr-dev libfluidsynth-dev timgm6mb-soundfont
  # speech: reading of Japanese text and the voice
  libmecab-dev mecab mecab-ipadic-utf8 libespeak-ng-dev espeak-ng-data
  # faces for the stop-name display and the ticket-number captions
  fonts-ipafont-gothic fonts-ipafont-mincho
  # tests and benchmarks (hyperfine times the start-up, bench/startup.sh); the installed
  # layout's test validates the menu entry, the metainfo and the manual pages
  googletest libgtest-dev libgmock-dev libbenchmark-dev hyperfine
  desktop-file-utils appstream man-db
  # the Debian package (make package) and its check
  dpkg-dev file lintian
  # fuzz targets: clang with libFuzzer and the sanitizers
  clang libclang-rt-14-dev
  # running without a display, screenshots, the scripted desktop test (a window manager and
  # synthesized input), Qt's own dialogs in Japanese
  xvfb xauth x11-utils imagemagick openbox xdotool qt6-translations-l10n
  # the screen reader's view of the running program (scripts/atspi-tree.py): the accessibility
  # bus, its Python client and a session bus to run them on
  at-spi2-core python3-pyatspi dbus dbus-x11
  # asset generators in tools/
  python3 python3-fonttools python3-pil librsvg2-bin
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
