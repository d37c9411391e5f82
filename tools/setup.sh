#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need, when they are missing,
# then configures and builds into build/. Sourced by run.sh and test.sh.
set -euo pipefail

KEYLOOM_PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-multimedia-dev libgl-dev
  rime-data-wubi rime-data-pinyin-simp rime-data-stroke
  fonts-wqy-microhei
  xvfb xauth imagemagick
  libbenchmark-dev
)

keyloom_install_missing() {
  local missing=()
  local p
  for p in "${KEYLOOM_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

keyloom_build() {
  local top
  top="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  cmake -S "$top" -B "$top/build" -G Ninja ${KEYLOOM_CMAKE_ARGS:-}
  cmake --build "$top/build" -j "$(nproc)"
}
