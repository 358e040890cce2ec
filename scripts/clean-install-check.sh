#!/usr/bin/env bash
# Installs the Debian package on a freshly made minimal Debian system (a
# debootstrap root in a temporary folder, used through chroot), the way a
# user without any of the build's packages would: `apt-get install ./orvanta_*.deb`
# must fetch every library the package needs. Then runs orvanta-calc '2+2'
# and orvanta --export-plot there. Needs root (or sudo) and the Debian archive;
# takes a few minutes. Run scripts/package-check.sh first: it builds the package.
#   scripts/clean-install-check.sh [SUITE]      (default: this machine's suite)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
orvanta_install_deps debootstrap

deb=$(ls "$PWD"/build/orvanta_*.deb 2>/dev/null | head -1)
[ -n "$deb" ] || { echo "no build/orvanta_*.deb: run scripts/package-check.sh first" >&2; exit 2; }
suite="${1:-$(. /etc/os-release && echo "$VERSION_CODENAME")}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)

root=$(mktemp -d)
chmod 755 "$root" # apt fetches as its own user
cleanup() {
    "${sudo[@]}" umount "$root/proc" 2>/dev/null || true
    "${sudo[@]}" rm -rf "$root"
}
trap cleanup EXIT
echo "making a minimal $suite system in $root"
"${sudo[@]}" debootstrap --variant=minbase "$suite" "$root" http://deb.debian.org/debian >"$root.log" 2>&1 ||
    { tail -20 "$root.log"; exit 1; }
rm -f "$root.log"
"${sudo[@]}" cp "$deb" "$root/tmp/"
"${sudo[@]}" cp /etc/resolv.conf "$root/etc/resolv.conf"
"${sudo[@]}" mount -t proc proc "$root/proc"

"${sudo[@]}" chroot "$root" /bin/bash -s "$(basename "$deb")" <<'EOF'
set -euo pipefail
echo "packages before: $(dpkg-query -W -f '${binary:Package}\n' | wc -l)"
apt-get update -q >/dev/null
DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "./tmp/$1" >/tmp/apt.log 2>&1 ||
    { tail -20 /tmp/apt.log; exit 1; }
grep 'newly installed' /tmp/apt.log
echo "packages after: $(dpkg-query -W -f '${binary:Package}\n' | wc -l)"
answer=$(orvanta-calc '2+2')
echo "orvanta-calc '2+2' prints $answer"
[ "$answer" == 4 ]
export QT_QPA_PLATFORM=offscreen HOME=/tmp/home XDG_RUNTIME_DIR=/tmp/runtime
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
orvanta --export-plot /tmp/plot.png --size 240x320 'f(x)=sin(x)'
[ "$(head -c 8 /tmp/plot.png | od -An -tx1 | tr -d ' \n')" == 89504e470d0a1a0a ]
echo "orvanta --export-plot wrote a PNG of $(stat -c %s /tmp/plot.png) bytes"
EOF
echo "ok      apt-get install of $(basename "$deb") on a minimal $suite system"
