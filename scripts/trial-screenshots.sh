#!/usr/bin/env bash
# Repeats a new user's trial of the scientific, complex and programmer
# calculators on a virtual X display, in English and German, at the portrait,
# landscape (320x240) and large screens, and saves a picture of each step to
# screenshots/trial/<screen>/ (not versioned). Usage:
#   scripts/trial-screenshots.sh [BUILD_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-asan}
cmake --build "$build" -j2 --target orvanta-trial
for screen in 240x320 320x240 480x640; do
  out=screenshots/trial/$screen
  rm -rf "$out"
  mkdir -p "$out"
  config=$(mktemp -d)
  ORVANTA_CONFIG_DIR=$config ORVANTA_DATA_DIR=$config/data ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1024x768x24" "$build/tools/orvanta-trial" --screen "$screen" "$out"
  rm -rf "$config"
done
