# Sourced by run.sh and test.sh: installs the Debian packages the build needs,
# and only those that are missing.
orvanta_packages=(cmake ninja-build g++ libgtest-dev)

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
