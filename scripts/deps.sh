# Sourced by run.sh and test.sh: installs the Debian packages the build needs,
# and only those that are missing.
# Qt 6 Widgets for the dialogs, the platform layer and the program, Qt 6 SVG
# for plot pictures drawn as vectors; libgl-dev
# because Qt's CMake package looks for OpenGL; Xvfb and xauth for screenshots
# and the end-to-end tests under a virtual display, xdotool for their clicks
# and keys; a font so that offscreen rendering has glyphs.
orvanta_packages=(cmake ninja-build g++ libgtest-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev xvfb xauth xdotool fonts-dejavu-core)

orvanta_install_deps() {
  local missing=()
  for p in "${orvanta_packages[@]}" "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

# Configures an optimised build without the tests in DIR and builds TARGETs:
#   orvanta_release_build DIR TARGET...
orvanta_release_build() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANTA_TESTS=OFF >/dev/null
  cmake --build "$dir" -j "$(nproc)" --target "$@"
}
