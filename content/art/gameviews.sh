#!/usr/bin/env bash
# Looks at the art where it is used: views of the shipped areas drawn by the
# game's own renderer (build/tools/areaview), gathered into one sheet in
# docs/art/game_views.png. Run after `cmake --build build`.
set -euo pipefail
cd "$(dirname "$0")/../.."
viewer=build/tools/areaview
[ -x "$viewer" ] || { echo "gameviews: build $viewer first" >&2; exit 1; }
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
n=0
while read -r area x y facing options; do
  [ -n "$area" ] || continue
  n=$((n + 1))
  # shellcheck disable=SC2086
  "$viewer" "$area" "$x" "$y" "$facing" "$out/$(printf %02d $n)-$area.png" $options >/dev/null
done <<'VIEWS'
town 12.5 12.5 90
town 12.5 12.5 45
town 12.5 12.5 0
town 18.6 17.0 180
farm 15.0 3.0 270
farm 16.0 19.0 180
farm 6.5 21.2 90
farm 12.0 21.8 0
room2 4.5 5.5 90
room3 5.5 6.5 90
cave 5.5 21.0 60
cave 11.0 21.5 180
cave 11.5 3.5 0
cave 30.4 11.5 0
cave 15.5 10.5 180 --all
cave 15.0 16.0 90
VIEWS
/usr/bin/python3 - "$out" <<'PY'
import glob, sys
from PIL import Image
files = sorted(glob.glob(sys.argv[1] + "/*.png"))
cols = 4
rows = (len(files) + cols - 1) // cols
sheet = Image.new("RGB", (cols * 320, rows * 240))
for i, f in enumerate(files):
    im = Image.open(f).convert("RGB").resize((320, 240), Image.NEAREST)
    sheet.paste(im, ((i % cols) * 320, (i // cols) * 240))
sheet.save("docs/art/game_views.png", optimize=False, compress_level=9)
PY
echo "gameviews: docs/art/game_views.png"
