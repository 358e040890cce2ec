#!/usr/bin/env bash
# Photographs the desktop window at several sizes on a 1920x1080 virtual
# display: 480x640 (the first start), the whole display (what maximising
# gives; the bare display has no window manager to maximise with), 320x240
# asked for (the window stops at its minimum) and a wide 1000x480 (the
# folded keypad); then the emulated 320x240 device screen (--screen 320x240).
# Pictures go to screenshots/window/ (not versioned). ORVANTA_BIN names the
# program; otherwise a Release build in build-rel is made.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/own-display.sh

bin=$(orvanta_release_program)
out=screenshots/window
rm -rf "$out"
mkdir -p "$out"

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# A display of our own, whichever number is free.
orvanta_own_display 1920x1080 "$work"

# Starts the program with the arguments and waits for its window.
launch() {
    "$bin" "$@" &
    app_pid=$!
    window=$(xdotool search --sync --onlyvisible --pid "$app_pid" --name '^Orvanta$' | head -n1)
    sleep 1
}
# A termination signal ends the program as File > Exit does, size kept.
stop() {
    kill -TERM "$app_pid"
    wait "$app_pid" || true
    app_pid=
}
# Resizes the window (when given a size) and photographs it.
shot() {
    local name=$1
    shift
    if [ $# -eq 2 ]; then
        xdotool windowmove --sync "$window" 0 0 || true
        xdotool windowsize --sync "$window" "$1" "$2" || true
        sleep 1
    fi
    import -window "$window" "$out/$name.png"
    echo "$out/$name.png: $(xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p')"
}

launch
shot desktop-480x640
shot desktop-maximised-1920x1080 1920 1080
shot desktop-asked-320x240 320 240
shot desktop-1000x480 1000 480
stop
# The next start opens at the size the window was left at.
launch
shot desktop-reopened
stop
launch --screen 320x240
shot device-320x240
stop
