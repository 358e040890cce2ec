#!/usr/bin/env bash
# Drives the matrix calculator and the unit converter on a virtual X display
# with the mouse and the keyboard only, as a person would, and photographs
# each result: the inverse of a 3 x 3 matrix, a linear system, the
# determinant of a complex 2 x 2 matrix, 5 kilometer in mile, and a unit
# added by the user and converted with. The window emulates a 480x640
# screen, so the places clicked are fixed.
# Usage: scripts/matrix-converter-tour.sh [BUILD_FOLDER] [OUTPUT_FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-asan}
out=${2:-screenshots/matrix-converter}
cmake --build "$build" -j2 --target orvanta
mkdir -p "$out"
rm -f "$out"/*.png

home=$(mktemp -d)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 800x700x24 -nolisten tcp &
xvfb=$!
cleanup() {
  [[ -n ${app:-} ]] && kill "$app" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
export DISPLAY=$display
sleep 1

ORVANTA_CONFIG_DIR=$home/config ORVANTA_DATA_DIR=$home/data ASAN_OPTIONS=detect_leaks=0 \
  QT_QPA_PLATFORM=xcb "$build/app/orvanta" --screen 480x640 &
app=$!
window=$(xdotool search --sync --onlyvisible --name Orvanta | head -1)
xdotool windowmove --sync "$window" 0 0
xdotool windowfocus --sync "$window" || true
sleep 2

pause() { sleep "${1:-0.6}"; }
click() { xdotool mousemove --sync "$1" "$2" click 1; pause; }
keys() { xdotool key --delay 80 "$@"; pause; }
text() { xdotool type --delay 60 "$1"; pause; }
shot() { import -window root -crop 480x640+0+0 "$out/$1.png"; echo "$out/$1.png"; }
# A drop-down list: open it, type the start of the entry, take it.
choose() { click "$1" "$2"; text "$3"; keys Return; }
mode() { click $CALCULATOR_MENU; click "$1" "$2"; pause 1; }
# Cells typed row by row: Tab between cells, Enter to the next row.
cells() { click $CELL_1_1; for row in "$@"; do text "$row"; keys Return; done; }

# Places on the 480x640 window.
CALCULATOR_MENU="75 9"
MATRIX_ITEM="120 121"
CONVERTER_ITEM="122 213"
TARGET_LIST="50 87"
TYPE_LIST="190 87"
OPERATION_LIST="240 129"
CELL_1_1="72 190"
CLEAR_KEY="210 433"
MATRIX_EQUALS="357 615"
GROUP_LIST="240 87"
FROM_LIST="120 129"
TO_LIST="358 129"
INPUT_LINE="240 190"
ADD_UNIT_KEY="33 348"
CLR_KEY="445 348"
DIALOG_NAME="260 51"
DIALOG_VALUE="260 79"
DIALOG_OK="342 617"

# shellcheck disable=SC2086 # the places are "x y" pairs
{
mode $MATRIX_ITEM
cells $'2\t1\t0' $'1\t3\t1' $'0\t1\t4'
choose $OPERATION_LIST inverse
click $MATRIX_EQUALS
shot 1-inverse

choose $TARGET_LIST 1
click $CLEAR_KEY
cells $'1\t1\t3' $'1\t-1\t1'
choose $OPERATION_LIST linear
click $MATRIX_EQUALS
shot 2-linear-system

choose $TARGET_LIST 1
click $CLEAR_KEY
choose $TYPE_LIST complex
cells $'2+i\t1-i' $'3\t4'
choose $OPERATION_LIST det
click $MATRIX_EQUALS
shot 3-complex-determinant

mode $CONVERTER_ITEM
choose $GROUP_LIST Dis
choose $FROM_LIST kilometer
choose $TO_LIST mile
click $INPUT_LINE
text 5
keys Return
shot 4-kilometer-to-mile

click $ADD_UNIT_KEY
pause 1
click $DIALOG_NAME
text furlong
click $DIALOG_VALUE
text 201.168
click $DIALOG_OK
pause 1
choose $FROM_LIST fur
choose $TO_LIST met
click $CLR_KEY
click $INPUT_LINE
text 2
keys Return
shot 5-user-unit
}
