#!/usr/bin/env bash
# Photographs the options dialog, the 2D plot settings, the user-function
# editor and the add-unit dialog in English and German on a virtual X
# display. Pictures go to screenshots/ (not versioned).
# Arguments are passed to the tool, e.g. --screen 640x480.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
orvanta_install_deps

build=build
orvanta_release_build "$build" lodrin-screenshots
mkdir -p screenshots
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" "$build/tools/lodrin-screenshots" "$@" screenshots
