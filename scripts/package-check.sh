#!/usr/bin/env bash
# Builds the Debian package from an optimised build (build/) and checks it as
# a user's machine would see it: unpacks it into a temporary folder
# (dpkg-deb -x), runs orvanta-calc '2+2' and orvanta --export-plot from
# there, validates the desktop entry and the metainfo file, and lets apt
# resolve its dependencies twice without installing anything: on this machine,
# and on an empty one (a status file listing no installed package), where
# every dependency has to come from the archive and none from the build.
# Prints the package's computed Depends. Exit status 1 when a check failed.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
# dpkg-shlibdeps computes the dependencies; the validators check the desktop files.
orvanta_install_deps dpkg-dev desktop-file-utils appstream

build=build
orvanta_release_build "$build" orvanta orvanta-calc orvanta-icon-pngs
rm -f "$build"/orvanta_*.deb
(cd "$build" && cpack -G DEB >cpack.log 2>&1) || { cat "$build/cpack.log"; exit 1; }
deb=$(ls "$PWD/$build"/orvanta_*.deb)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
check() { # check WHAT COMMAND...: runs the command, says ok or FAILED
    local what="$1"
    shift
    if "$@" >"$work/out" 2>&1; then
        printf 'ok      %s\n' "$what"
    else
        printf 'FAILED  %s\n' "$what"
        sed 's/^/        /' "$work/out"
        failed=1
    fi
}

echo "package: $(basename "$deb"), $(du -k "$deb" | cut -f1) KiB"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"

root="$work/root"
dpkg-deb -x "$deb" "$root"
export ORVANTA_CONFIG_DIR="$work/config" ORVANTA_DATA_DIR="$work/data" QT_QPA_PLATFORM=offscreen
unset LD_LIBRARY_PATH
# WxH of a PNG file, from its header; empty for anything else.
png_size() {
    [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" == 89504e470d0a1a0a ] || return 0
    local w h
    read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$1")
    echo "${w}x${h}"
}
calc_says_four() { [ "$("$root/usr/bin/orvanta-calc" '2+2')" == 4 ]; }
exports_png() {
    "$root/usr/bin/orvanta" --export-plot "$work/plot.png" --size 240x320 'f(x)=sin(x)' &&
        [ "$(png_size "$work/plot.png")" == "240x320" ]
}
libraries_from_package() {
    local lib
    for program in orvanta orvanta-calc; do
        for lib in libvemtra liblodrin; do
            [ "$program" == orvanta-calc ] && [ "$lib" == liblodrin ] && continue
            ldd "$root/usr/bin/$program" | grep "$lib" | grep -q "$root/usr/" || return 1
        done
        ! ldd "$root/usr/bin/$program" | grep 'not found' || return 1
    done
}
check "unpacked orvanta-calc '2+2' prints 4" calc_says_four
check "unpacked orvanta --export-plot writes a 240x320 PNG" exports_png
check "unpacked programs load the package's libraries" libraries_from_package
check "desktop-file-validate" desktop-file-validate "$root"/usr/share/applications/*.desktop
check "appstreamcli validate --no-net" appstreamcli validate --no-net "$root"/usr/share/metainfo/*.xml

# apt on this machine (build dependencies present) and on an empty one.
check "apt-get install --simulate on this machine" apt-get install --simulate "$deb"
: >"$work/empty-status"
empty_machine() {
    apt-get install --simulate -o Dir::State::status="$work/empty-status" "$deb" >"$work/apt.log" 2>&1 ||
        { cat "$work/apt.log"; return 1; }
    grep '^Inst ' "$work/apt.log" | cut -d' ' -f2 | sort >"$work/installed"
    grep -qx orvanta "$work/installed" || return 1
    # Nothing of the build (compilers, headers) is pulled in.
    ! grep -E -e '-dev$' -e '^(g\+\+|gcc|cpp|clang|cmake|ninja-build)(-[0-9]+)?$' "$work/installed"
}
check "apt-get install --simulate on an empty machine" empty_machine
if [ -s "$work/installed" ]; then
    echo "        an empty machine installs $(wc -l <"$work/installed") packages, among them:" \
        "$(grep -E '^(libqt6|libc6$|libstdc|libgl|orvanta)' "$work/installed" | tr '\n' ' ')"
fi
exit "$failed"
