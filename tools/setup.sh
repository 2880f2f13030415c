# Shared by run.sh and test.sh: install the Debian packages that are missing,
# then configure and build into build/.
set -euo pipefail

need_packages() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

# What the program and its help are built with.
BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev fp-utils fonts-dejavu-core fonts-dejavu-extra)
# What the tests are built with, and the test of the program on a desktop: a
# screen, a window manager, and the tools that click, read the desktop's
# stacking and close windows.
TEST_PACKAGES=(libgtest-dev xvfb openbox xdotool x11-utils wmctrl)

# build_project [tests]: the program and its help; with "tests", the tests
# and the benchmarks too.
build_project() {
  local tests=OFF
  [ "${1:-}" = tests ] && tests=ON
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPSYCHART_TESTS="$tests" >/dev/null
  cmake --build build --parallel "$(nproc)"
}
