#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it from the repository
# root, where the game finds its data/ folder.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target ombrel
exec ./build/ombrel
