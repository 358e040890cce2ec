#!/usr/bin/env bash
# Builds the benchmark with optimisation in build-bench and runs it:
#   bench/run.sh [--csv FILE] [--repetitions N] [--min-time SECONDS] [--filter REGEX] [--verbose]
# Prints the formula table against muparser and native C++; --csv also writes
# the medians per formula. Not part of ./test.sh.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
source "$root/scripts/deps.sh"
orvanta_install_deps libbenchmark-dev libmuparser-dev

build="$root/build-bench"
mkdir -p "$build"
if ! { cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo &&
       cmake --build "$build" -j 2; } >"$build/build.log" 2>&1; then
    cat "$build/build.log" >&2
    exit 1
fi
# muparser evaluates single-threaded, like our engine.
export OMP_NUM_THREADS=1
exec "$build/orvanta-bench" "$@"
