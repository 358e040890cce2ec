#!/usr/bin/env bash
# Starts Orvanta on a virtual X display with a fresh settings folder and takes
# the plotter through a tour: two functions typed on the keypad, the plot,
# a rubber-band zoom, a wheel zoom, a move, back to the last region, a
# resized window and the saved pictures. Screenshots and the saved BMP and
# SVG go to screenshots/plot/ (not versioned). Arguments are passed to the
# tool, e.g. --screen 640x480.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
orvanta_install_deps

build=build-release # shared with bench/plot-run.sh: the same configuration
orvanta_release_build "$build" orvanta-plot-tour
out=screenshots/plot
rm -rf "$out"
mkdir -p "$out"
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
ORVANTA_CONFIG_DIR="$config" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tools/orvanta-plot-tour" "$@" "$out"
