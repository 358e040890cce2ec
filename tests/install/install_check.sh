#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what landed there: the
# file list against installed_files.txt, that the installed programs run from
# there (the libraries found through their relative search path, not the
# build's), and, where the validators are installed, the desktop entry and the
# metainfo file. Usage: install_check.sh BUILD_FOLDER FILE_LIST
set -u
build="$1"
list="$2"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
failed=0
fail() {
    echo "FAILED: $*"
    failed=1
}

if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
    cat "$prefix.log"
    rm -f "$prefix.log"
    exit 1
fi
rm -f "$prefix.log"

mapfile -t patterns < <(grep -v -e '^#' -e '^$' "$list")
mapfile -t installed < <(cd "$prefix" && find . \( -type f -o -type l \) -printf '%P\n' | sort)
declare -A matched
for file in "${installed[@]}"; do
    known=0
    for pattern in "${patterns[@]}"; do
        # shellcheck disable=SC2053  # the pattern is meant to match
        [[ $file == $pattern ]] && matched[$pattern]=1 && known=1
    done
    [ "$known" -eq 1 ] || fail "not in the file list: $file"
done
for pattern in "${patterns[@]}"; do
    [ -n "${matched[$pattern]:-}" ] || fail "nothing installed for $pattern"
done

# The installed programs, with nothing of the build folder on their way.
export ORVANTA_CONFIG_DIR="$prefix/config" ORVANTA_DATA_DIR="$prefix/data" QT_QPA_PLATFORM=offscreen
got=$(env -u LD_LIBRARY_PATH "$prefix/bin/orvanta-calc" '2+2' 2>&1)
[ "$got" == "4" ] || fail "installed orvanta-calc '2+2' printed: $got"
if ! env -u LD_LIBRARY_PATH "$prefix/bin/orvanta" --export-plot "$prefix/plot.png" --size 64x64 'f(x)=sin(x)' \
    >"$prefix/export.log" 2>&1; then
    fail "installed orvanta --export-plot: $(cat "$prefix/export.log")"
elif [ "$(head -c 8 "$prefix/plot.png" | od -An -tx1 | tr -d ' \n')" != "89504e470d0a1a0a" ]; then
    fail "installed orvanta --export-plot wrote no PNG"
fi

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate --no-hints "$prefix"/share/applications/*.desktop || fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix"/share/metainfo/*.xml >"$prefix/appstream.log" 2>&1 ||
        fail "metainfo: $(cat "$prefix/appstream.log")"
fi

[ "$failed" -eq 0 ] && echo "installed tree: ${#installed[@]} files as listed, programs run"
exit "$failed"
