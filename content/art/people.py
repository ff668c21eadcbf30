"""The people of the village, the farm and the cave, drawn as text grids in
people/<name>.txt: 64 rows of 64 characters, one per texel, in the shared
legend (legend.py). The grids hold no outline: the 1-texel ink outline is
added here, so a figure can be reshaped without redrawing its edge.

Adults stand about 60 texels tall and children about 38, feet always on
rows 60-63, so that at scale 1 everyone stands on the floor.

The farmer who bars the cave's way (and his body) wears a pale blue shirt
over light brown overalls: blue is a hue the cave's rock has none of, and
both are light enough to stand out in its dark. His blood is sprayed across
the shirt and wiped off his hands onto the bib and thigh; the next farmer's
runs down him in fresh drips, so the two are not marked alike.
"""
import os

import numpy as np

from art.canvas import Canvas
from art.legend import LEGEND
from common.palette import rgb

GRIDS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "people")

NAMES = ["priest", "housewife", "boy_red", "girl_orange", "girl_purple", "boy_green", "chef",
         "woodcutter", "blind_axeman", "farmer_next", "farmer_previous", "farmer_body", "dying_woman"]


def read_grid(path, width=64, height=64):
    with open(path) as f:
        rows = [line.rstrip("\n") for line in f if line.strip()]
    if len(rows) != height or any(len(r) != width for r in rows):
        raise SystemExit("art: %s must be %d rows of %d characters" % (path, height, width))
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch not in LEGEND:
                raise SystemExit("art: %s row %d column %d: '%s' is not in the legend" % (path, y, x, ch))
    return rows


def from_grid(base):
    def make(rng):
        rows = read_grid(os.path.join(GRIDS, base + ".txt"))
        c = Canvas(64, 64, "black", wrap=False)
        lut = {ch: np.array(rgb(name), np.uint8) for ch, name in LEGEND.items()}
        for y, row in enumerate(rows):
            for x, ch in enumerate(row):
                c.a[y, x] = lut[ch]
        return c.outline()
    return make


PEOPLE = {"sprites/%s.png" % n: from_grid(n) for n in NAMES}
