#!/usr/bin/env bash
# Drives orvanta-calc as a user would and compares what it prints.
# Usage: cli_cases.sh PATH_TO_ORVANTA_CALC
set -u
calc="$1"
failed=0
passed=0

# expect "expected output" args...
expect() {
    local want="$1"
    shift
    local got
    got=$("$calc" "$@" 2>&1)
    if [ "$got" == "$want" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAILED: orvanta-calc %s\n  want: %s\n  got:  %s\n' "$*" "$want" "$got"
    fi
}

# expect_status STATUS args...
expect_status() {
    local want="$1"
    shift
    "$calc" "$@" >/dev/null 2>&1
    local got=$?
    if [ "$got" -eq "$want" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAILED: orvanta-calc %s exited %d, want %d\n' "$*" "$got" "$want"
    fi
}

# expect_stdin "expected output" "standard input" args...
expect_stdin() {
    local want="$1" input="$2"
    shift 2
    local got
    got=$(printf '%s\n' "$input" | "$calc" "$@" 2>&1)
    if [ "$got" == "$want" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAILED: orvanta-calc %s < input\n  want: %s\n  got:  %s\n' "$*" "$want" "$got"
    fi
}

# holds "description" command...: passes when the command succeeds.
holds() {
    local what="$1"
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAILED: %s\n' "$what"
    fi
}

source "$(dirname "$0")/cases.sh"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
