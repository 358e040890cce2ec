#!/usr/bin/env bash
# Start-up time of the program: from the moment it is started to its first
# painted frame, ten warm starts on a virtual display (one start before them
# warms the caches and writes the first-start settings). Prints
#   startup median N ms
# Builds a Release program into build-rel, or measures ORVANTA_BIN when set.
# ORVANTA_STARTUP_TRACE=1 adds the program's own timings of each step.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/own-display.sh

bin=$(orvanta_release_program)
runs=${STARTUP_RUNS:-10}

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A display of our own, whichever number is free.
orvanta_own_display 1280x1024 "$work"

# One start: milliseconds from the fork to the first painted frame.
start_once() {
    local before after
    before=$(date +%s%N)
    after=$("$bin" --first-paint | sed -n 's/^first paint at \([0-9]*\) ns$/\1/p')
    [ -n "$after" ] || { echo "startup.sh: no first paint reported" >&2; exit 1; }
    echo $(((after - before) / 1000000))
}

start_once >/dev/null
times=()
for _ in $(seq "$runs"); do times+=("$(start_once)"); done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "starts (ms): ${times[*]}" >&2
middle=$((runs / 2))
if ((runs % 2)); then
    median=${sorted[$middle]}
else
    median=$(((sorted[middle - 1] + sorted[middle]) / 2))
fi
echo "startup median $median ms"
