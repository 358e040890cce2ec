#!/usr/bin/env bash
# Builds the program's code with optimisation in build and times the
# plot window's paint pass: bench/plot-run.sh. Prints a table; not part of
# ./test.sh.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
source "$root/scripts/deps.sh"
orvanta_install_deps

build="$root/build"
mkdir -p "$build"
if ! { cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANTA_TESTS=OFF &&
       cmake --build "$build" -j 2 --target orvanta-plot-bench; } >"$build/plot-bench.log" 2>&1; then
    cat "$build/plot-bench.log" >&2
    exit 1
fi
exec "$build/bench/plot/orvanta-plot-bench" "$@"
