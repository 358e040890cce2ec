#!/usr/bin/env bash
# Draws one picture of every further plot kind with orvanta --export-plot
# (no display needed) into screenshots/kinds/, and checks that the fractals
# come out byte for byte the same on one thread and on all cores.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
orvanta_install_deps

build=build-release # shared with bench/plot-run.sh and scripts/plot-screenshots.sh
orvanta_release_build "$build" orvanta
out=screenshots/kinds
rm -rf "$out"
mkdir -p "$out"
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
plot() {
    ORVANTA_CONFIG_DIR="$config" QT_QPA_PLATFORM=offscreen "$build/app/orvanta" --export-plot "$out/$1" "${@:2}"
    echo "wrote $out/$1"
}
plot surface.png --auto-z 'z=f(x,y)=sin(x)*cos(y)'
plot surface-turned.png --angles -40 40 --zrange -1 1 'z=f(x,y)=sin(x)*cos(y)'
plot space-curve.png --auto-z --region -2 2 -2 2 --line-width 2 'z=f(t)=[x:=cos(3*t);y:=sin(3*t);z:=t/3-1;t:=0..2*pi]'
plot sequence.png --region -1 12 -2 12 'f(n)=f(n-1)+1;f(0)=1' 'f(n)=sqrt(n)*2'
plot parametric.png 'f(t)=[x:=4*sin(2*t);y:=4*cos(3*t);t:=0..2*pi]'
plot polar.png --region -1.5 1.5 -1.5 1.5 'f(t)=p=[cos(4*t);t:=0..2*pi]'
for kind in plain start; do
    if [ $kind = plain ]; then f='z(n+1)=z(n)^2+(-1+0*j)'; r=(-2 2 -1.5 1.5); else f='z(n+1)=z(n)^2+z(0);z(0)=0'; r=(-2 1 -1.5 1.5); fi
    plot fractal-$kind.png --region "${r[@]}" --iterations 50 --border 4 "$f"
    plot fractal-$kind-1.png --region "${r[@]}" --iterations 50 --border 4 --threads 1 "$f"
    cmp "$out/fractal-$kind.png" "$out/fractal-$kind-1.png" && echo "fractal-$kind: one thread and all cores give the same bytes"
done
