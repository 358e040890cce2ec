#!/usr/bin/env bash
# Takes the statistics calculator through its work (data, statistics,
# regressions, plots saved as PNG and BMP, the data file saved and loaded back)
# on a virtual X display, with a fresh settings folder, and photographs each
# step into screenshots/statistics/ (not versioned); the values shown are
# printed as well. Set ORVANTA_BUILD to use an existing build folder.
# Arguments are passed to the tool, e.g. --screen 640x480.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
orvanta_install_deps

build=${ORVANTA_BUILD:-build}
if [ -z "${ORVANTA_BUILD:-}" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANTA_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j2 --target orvanta-statistics-tour
out=screenshots/statistics
rm -rf "$out"
mkdir -p "$out"
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
ORVANTA_CONFIG_DIR="$config" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1024x768x24" "$build/tools/orvanta-statistics-tour" "$@" "$out"
