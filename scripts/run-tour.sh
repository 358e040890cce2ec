#!/usr/bin/env bash
# Runs one of the tour tools (tools/orvanta-NAME-tour) on a virtual X display
# with a fresh settings folder; it photographs each step into
# screenshots/NAME/ (not versioned) and prints the values shown.
#   scripts/run-tour.sh NAME [TOOL ARGUMENTS...]
# Set ORVANTA_BUILD to use an existing build folder; else a Release build in
# build is made.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
orvanta_install_deps

name=$1
shift
build=${ORVANTA_BUILD:-build}
if [ -z "${ORVANTA_BUILD:-}" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANTA_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j2 --target "orvanta-$name-tour"
out=screenshots/$name
rm -rf "$out"
mkdir -p "$out"
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
ORVANTA_CONFIG_DIR="$config" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1024x768x24" "$build/tools/orvanta-$name-tour" "$@" "$out"
