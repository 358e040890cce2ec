#!/usr/bin/env bash
# Builds the calculator and opens its window. Arguments are passed on to it
# (for example --screen 320x240).
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
orvanta_install_deps

build=build
orvanta_release_build "$build" orvanta orvanta-calc
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display to open the Orvanta window on; for calculations without one use $build/cli/orvanta-calc (e.g. $build/cli/orvanta-calc '2^10')."
  exit 1
fi
exec "$build/app/orvanta" "$@"
