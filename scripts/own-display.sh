# Sourced by scripts that photograph or time the program:
#   bin=$(orvanta_release_program)
# names the program to use: ORVANTA_BIN when set, else a Release build made
# in build-rel.
#   orvanta_own_display WxH WORK
# starts Xvfb on whichever display number is free (its pid in xvfb_pid, for
# the caller's cleanup), and points the program at it with settings, data
# and runtime folders of its own below WORK.
source "$(dirname "${BASH_SOURCE[0]}")/deps.sh"

orvanta_release_program() {
    if [ -n "${ORVANTA_BIN:-}" ]; then
        echo "$ORVANTA_BIN"
        return
    fi
    orvanta_release_build build-rel orvanta >/dev/null
    echo build-rel/app/orvanta
}

orvanta_own_display() {
    local size=$1 work=$2
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || { echo "$(basename "$0"): Xvfb did not start" >&2; exit 1; }
    export DISPLAY=:$(head -n1 "$work/display")
    export QT_QPA_PLATFORM=xcb ORVANTA_CONFIG_DIR="$work/config" XDG_DATA_HOME="$work/data"
    export XDG_RUNTIME_DIR="$work/runtime"
    mkdir -m 700 "$work/runtime"
}
