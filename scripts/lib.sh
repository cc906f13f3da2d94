# Shared by scripts/run and scripts/test: installs missing Debian packages
# and configures and builds a tree incrementally.

SONDREL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
SONDREL_PACKAGES=(cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev nlohmann-json3-dev libssl-dev
                  qt6-base-dev qt6-svg-dev fonts-dejavu-core xvfb xauth python3-jsonschema
                  desktop-file-utils appstream man-db groff-base dpkg-dev fakeroot file)

sondrel_install_packages() {
  local missing=()
  local package
  for package in "${SONDREL_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# sondrel_build <build dir> [cmake options...]
sondrel_build() {
  local dir=$1
  shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$SONDREL_ROOT" -B "$dir" -G Ninja "$@"
  fi
  cmake --build "$dir" -j "$(nproc)"
}
