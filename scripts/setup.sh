#!/usr/bin/env bash
# Installs what a Debian 12 machine needs to build, run and test Trovex2, then configures and builds.
# Used by run.sh, test.sh and CI. Safe to run again: installed packages are skipped.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-multimedia-dev libgl1-mesa-dev
  libsqlcipher-dev sqlcipher libzip-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  fonts-dejavu-core xvfb xauth imagemagick lame mp3info
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
