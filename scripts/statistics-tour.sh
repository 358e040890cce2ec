#!/usr/bin/env bash
# Takes the statistics calculator through its work (data, statistics,
# regressions, plots saved as PNG and BMP, the data file saved and loaded back)
# on a virtual X display, with a fresh settings folder, and photographs each
# step into screenshots/statistics/ (not versioned); the values shown are
# printed as well. Set ORVANTA_BUILD to use an existing build folder.
# Arguments are passed to the tool, e.g. --screen 640x480.
exec "$(dirname "$0")/run-tour.sh" statistics "$@"
