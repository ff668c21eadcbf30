#!/usr/bin/env bash
# Regenerates all of data/ from content/. Playing and testing need none of
# this: the generated files are committed. Installs the content tools it needs.
# A full run also redraws every picture in docs/ (see content/build.py).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(python3 python3-pil python3-numpy python3-fonttools vorbis-tools sox)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The pictures in docs/ are drawn by the game's own renderer after the data:
# a full run (or `make.sh docs`) needs what the build needs too.
if [ $# -eq 0 ] || printf '%s\n' "$@" | grep -qx docs; then
  ./setup.sh
fi

# Debian's interpreter, whatever python3 comes first on PATH.
exec /usr/bin/python3 content/build.py "$@"
