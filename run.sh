#!/usr/bin/env bash
# Builds the calculator and starts it. Arguments are passed on to it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
orvanta_install_deps

build=build
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANTA_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
if [ $# -eq 0 ] && [ -t 0 ]; then
  echo "Orvanta command-line calculator: type an expression per line, Ctrl-D to end."
fi
exec "$build/cli/orvanta-calc" "$@"
