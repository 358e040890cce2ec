#!/usr/bin/env bash
# Makes the pictures of README.md in docs/images/: modes photographed on a
# virtual X display at the 480x640 screen (results typed on the keypad by
# orvanta-keypads, the other modes as orvanta-screenshots finds them at first
# start) and shown at two thirds of that size, and plots drawn by
# orvanta --export-plot. Each picture is reduced to at most 64 colours so
# that it stays a few tens of KB.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
orvanta_install_deps

build=build
orvanta_release_build "$build" orvanta orvanta-screenshots orvanta-keypads
out=docs/images
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"

for tool in keypads screenshots; do
  ORVANTA_CONFIG_DIR="$work/$tool-config" ORVANTA_DATA_DIR="$work/$tool-data" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1024x768x24" "$build/tools/orvanta-$tool" --screen 480x640 "$work/$tool" >/dev/null
done
# picture in docs/images <- what a tool wrote
pictures=(scientific:keypads/en-sin30-deg complex:keypads/en-complex-polar
  programmer:keypads/en-programmer-bin plotter:screenshots/en-2-function-plotter
  function-calculator:screenshots/en-3-function-calculator solver:screenshots/en-4-equation-solver
  matrix:screenshots/en-5-matrix-calculator converter:screenshots/en-9-metrics-converter)
for entry in "${pictures[@]}"; do
  convert "$work/${entry#*:}.png" -resize 320x427 "$work/${entry%%:*}-mode.png"
done

plot() { # plot NAME OPTIONS... FUNCTIONS...
  local name="$1"
  shift
  ORVANTA_CONFIG_DIR="$work/plot-config" ORVANTA_DATA_DIR="$work/plot-data" QT_QPA_PLATFORM=offscreen \
    "$build/app/orvanta" --export-plot "$work/$name-mode.png" --size 320x240 "$@"
}
plot plot-functions 'f(x)=sin(x)' 'f(x)=x^2/4-2' 'f(x)=tan(x)'
plot plot-surface --angles -40 30 --auto-z 'z=f(x,y)=sin(x)*cos(y)'
plot plot-fractal --iterations 60 --region -2.2 0.8 -1.2 1.2 'z(n+1)=z(n)^2+z(0);z(0)=0'

for file in "$work"/*-mode.png; do
  name=$(basename "$file" -mode.png)
  convert "$file" -strip -colors 64 -define png:compression-level=9 "PNG8:$out/$name.png"
  printf '%-40s %4d KB\n' "$out/$name.png" $(($(stat -c %s "$out/$name.png") / 1024))
done
