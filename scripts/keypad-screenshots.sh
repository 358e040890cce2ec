#!/usr/bin/env bash
# Taps calculations into the scientific, complex and programmer keypads under
# Xvfb and saves a screenshot of each, in English and German, at 240x320 and
# 480x640. Usage: scripts/keypad-screenshots.sh [BUILD_FOLDER] [OUTPUT_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-asan}
out=${2:-keypad-screenshots}
cmake --build "$build" -j2 --target orvanta-keypads
for screen in 240x320 480x640; do
  config=$(mktemp -d)
  ORVANTA_CONFIG_DIR=$config ORVANTA_DATA_DIR=$config/data ASAN_OPTIONS=detect_leaks=0 \
    xvfb-run -a -s "-screen 0 1024x768x24" "$build/tools/orvanta-keypads" --screen "$screen" "$out/$screen"
  rm -rf "$config"
done
