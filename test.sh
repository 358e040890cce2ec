#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
orvanta_install_deps

build=build-asan
# A compiler cache, where the machine has one, makes rebuilds of other
# checkouts of the same tree cheap.
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$(dirname "$PWD")}"
    # Checkouts in other folders share objects too; only debug info names the folder.
    export CCACHE_NOHASHDIR=1
fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANTA_SANITIZE=ON "${launcher[@]}"
cmake --build "$build" -j "$(nproc)"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen

# A few seconds of every fuzz target, when clang is there to build them.
if command -v clang++ >/dev/null; then
    fuzz/run.sh 2
fi

# The engine on four threads at once, under ThreadSanitizer: only the engine
# and that suite are built.
cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANTA_SANITIZE=thread "${launcher[@]}"
cmake --build build-tsan -j "$(nproc)" --target test_threads
TSAN_OPTIONS=halt_on_error=1 build-tsan/tests/test_threads --gtest_brief=1

# Last, so that its summary closes the output. Each suite runs in one
# process, the end-to-end cases (label e2e) one by one; when cases fail,
# they run again singly, so that the summary names every failing case
# (ctest -R NAME picks single cases too).
if ! ctest --test-dir "$build" --output-on-failure -j "$(nproc)" -L 'program|e2e'; then
    failed=$(sed -n 's/^\[  FAILED  \] \([^ ,]*\.[^ ,]*\).*/\1/p' "$build/Testing/Temporary/LastTest.log" |
        sort -u | sed 's/[.[\*^$()+?{|]/\\&/g' | paste -sd'|')
    if [ -n "$failed" ]; then
        ctest --test-dir "$build" -j "$(nproc)" -L case -R "\\.($failed)\$" || true
    fi
    exit 1
fi
