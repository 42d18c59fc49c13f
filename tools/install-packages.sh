#!/usr/bin/env bash
# Installs the Debian packages Bluvessa needs, only those that are missing.
# usage: tools/install-packages.sh run|test
set -euo pipefail

run_packages=(
  build-essential cmake pkg-config
  qt6-base-dev libx11-dev libxcb-shm0-dev libfluidsynth-dev libsdl2-dev
  timgm6mb-soundfont fonts-dejavu-core
)
test_packages=(
  googletest libgtest-dev libbenchmark-dev
  xvfb xdotool x11-utils x11-apps imagemagick
  clang-14 libclang-rt-14-dev
  dpkg-dev man-db groff-base libxml2-utils
)

wanted=("${run_packages[@]}")
[ "${1:-run}" = test ] && wanted+=("${test_packages[@]}")

missing=()
for package in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
