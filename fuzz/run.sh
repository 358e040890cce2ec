#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and runs each for the
# given number of seconds, one after the other on one core:
#   fuzz/run.sh SECONDS [TARGET...]
# Seeds come from fuzz/seeds/TARGET.txt; what a run finds is kept in
# build-fuzz/corpus/TARGET, and a crash, hang or sanitizer report leaves its
# input in build-fuzz/findings/TARGET/. Exit status 1 when any target failed.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
build="$root/build-fuzz"

if [ $# -lt 1 ] || ! [[ "$1" =~ ^[0-9]+$ ]]; then
    echo "usage: fuzz/run.sh SECONDS [TARGET...]" >&2
    exit 2
fi
seconds="$1"
shift
if ! command -v clang++ >/dev/null; then
    echo "fuzz/run.sh: clang++ is needed for libFuzzer" >&2
    exit 2
fi

mkdir -p "$build"
if ! { cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ &&
       cmake --build "$build" -j 2; } >"$build/build.log" 2>&1; then
    cat "$build/build.log" >&2
    exit 1
fi

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for source in "$here"/fuzz_*.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
failed=0
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    seeds="$build/seeds/$target"
    findings="$build/findings/$target"
    mkdir -p "$corpus" "$seeds" "$findings"
    "$build/seed_corpus" "$here/seeds/$target.txt" "$seeds"
    log="$build/$target.log"
    start=$(date +%s)
    # A second per input is the hostile-input bound of an optimised build; the
    # timeout counts wall-clock time, which the sanitizers and a machine busy
    # with other work stretch many times over (FUZZ_TIMEOUT changes it).
    if "$build/$target" -max_total_time="$seconds" -timeout="${FUZZ_TIMEOUT:-30}" -rss_limit_mb=2048 \
        -print_final_stats=1 \
        -artifact_prefix="$findings/" "$corpus" "$seeds" >"$log" 2>&1; then
        runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
        printf '%-24s ok      %5ss %10s runs\n' "$target" "$(($(date +%s) - start))" "$runs"
    else
        printf '%-24s FAILED  %5ss   see %s\n' "$target" "$(($(date +%s) - start))" "$log"
        grep -m 5 -E 'ERROR|runtime error|Assertion|disagree|deadly signal|timeout' "$log" >&2 || true
        failed=1
    fi
done
exit "$failed"
