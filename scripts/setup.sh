#!/usr/bin/env bash
# Installs what is missing, then configures and builds the game and its data.
# Usage: scripts/setup.sh [build-folder] [extra cmake arguments...]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build}"
shift || true

packages=(g++ cmake make pkg-config freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev libplib-dev
          libgtest-dev libbenchmark-dev libfreetype-dev fonts-dejavu-core libpng-dev
          espeak-ng sox xvfb xauth xdotool imagemagick x11-utils clang libclang-rt-14-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S "$here" -B "$build" "$@" >/dev/null
cmake --build "$build" -j "$(nproc)"
