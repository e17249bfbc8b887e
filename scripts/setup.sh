#!/usr/bin/env bash
# Installs what is missing, then configures and builds everything: the game,
# its data, the tests and the benchmarks; with --game, the game and its data
# only, which is all a player runs.
# Usage: scripts/setup.sh [--game] [build-folder] [extra cmake arguments...]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
targets=()
[ "${1:-}" = "--game" ] && { targets=(--target pib3 gamedata); shift; }
build="${1:-$here/build}"
shift || true

packages=(g++ cmake make pkg-config freeglut3-dev libglu1-mesa-dev libgl1-mesa-dev libx11-dev libxtst-dev libplib-dev
          libgtest-dev libbenchmark-dev libfreetype-dev fonts-dejavu-core libpng-dev
          espeak-ng sox xvfb xauth x11-xkb-utils xdotool imagemagick clang libclang-rt-14-dev
          pulseaudio-utils)
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
# The sound test runs a PulseAudio server of its own. A PipeWire desktop
# already serves the same protocol, and a second server there would fight it
# for the session's socket at the next login, so it gets none.
installed pipewire-pulse || packages+=(pulseaudio)
missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S "$here" -B "$build" "$@" >/dev/null
cmake --build "$build" -j "$(nproc)" "${targets[@]}"
