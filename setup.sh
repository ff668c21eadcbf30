#!/usr/bin/env bash
# Installs, with apt-get, whatever the build and the tests need and this
# machine lacks. Safe to run again: with everything present it only checks.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  libsdl1.2-compat-dev libsdl-mixer1.2-dev libsdl-ttf2.0-dev
  libpugixml-dev libstb-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  # the installed game's test: a private X server, keys, screenshots, and
  # the desktop's own checks of the menu entry and the metadata
  xvfb xdotool imagemagick x11-utils desktop-file-utils appstream
  strace  # the check that the game writes no file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
