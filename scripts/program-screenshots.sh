#!/usr/bin/env bash
# Starts Orvanta on a virtual X display with a fresh settings folder and
# photographs the first start and each of the nine modes in English and in
# German. Pictures, and the settings file as the first start wrote it, go to
# screenshots/program/ (not versioned). Arguments are passed to the tool,
# e.g. --screen 640x480.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
orvanta_install_deps

build=build
orvanta_release_build "$build" orvanta-screenshots orvanta
out=screenshots/program
rm -rf "$out"
mkdir -p "$out"
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
ORVANTA_CONFIG_DIR="$config" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1024x768x24" "$build/tools/orvanta-screenshots" "$@" "$out"
