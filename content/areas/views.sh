#!/usr/bin/env bash
# Draws every view listed in views.txt into docs/areas/AREA-NAME.png with the
# area viewer of a finished build (cmake --build build).
set -euo pipefail
cd "$(dirname "$0")/../.."
viewer=build/tools/areaview
[ -x "$viewer" ] || { echo "views: build $viewer first" >&2; exit 1; }
mkdir -p docs/areas
grep -v '^#' content/areas/views.txt | while read -r area x y facing name options; do
  [ -n "$area" ] || continue
  # shellcheck disable=SC2086
  "$viewer" "$area" "$x" "$y" "$facing" "docs/areas/$area-$name.png" $options
done
