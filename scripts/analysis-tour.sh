#!/usr/bin/env bash
# Takes the equation solver and the function calculator through their work
# on a virtual X display, with a fresh settings folder, and photographs each
# step into screenshots/analysis/ (not versioned); the values shown are
# printed as well. Set ORVANTA_BUILD to use an existing build folder.
# Arguments are passed to the tool, e.g. --screen 640x480.
exec "$(dirname "$0")/run-tour.sh" analysis "$@"
