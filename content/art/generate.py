#!/usr/bin/python3
"""Draws every texture and sprite listed in common/assets.py into
data/images/, checks their sizes and palette, and writes contact sheets of
them all (scaled up, with names) into docs/art/ for looking at."""
import os
import sys

import numpy as np
from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))

from common.assets import TEXTURES, SPRITES            # noqa: E402
from common.palette import COLOURS, CYAN, BLACK, rgb   # noqa: E402
from common.pixelart import save_png                   # noqa: E402
from art import textures, sprites, people             # noqa: E402

IMAGES = "data/images"
DOCS = "docs/art"

SPRITE_MAKERS = dict(sprites.OBJECTS)
SPRITE_MAKERS.update(people.PEOPLE)


def check(name, image, size, allowed):
    if image.size != size:
        raise SystemExit("art: %s is %dx%d, expected %dx%d" % ((name,) + image.size + size))
    colours = {tuple(c) for c in np.asarray(image).reshape(-1, 3)}
    stray = colours - allowed
    if stray:
        raise SystemExit("art: %s uses colours outside the palette: %s" % (name, sorted(stray)[:5]))


def sky_wires(image, dark=64, run=6):
    """Columns of dark texels standing alone in the sky: a run of `run` or
    more, each with sky on both sides. In the game they read as wires or
    cracks in the sky. Returns (x, first row, length) of each."""
    a = np.asarray(image)
    sky = np.all(a == np.array(CYAN, np.uint8), axis=2)
    lum = a[..., 0] * 0.299 + a[..., 1] * 0.587 + a[..., 2] * 0.114
    lone = (lum < dark) & np.roll(sky, 1, 1) & np.roll(sky, -1, 1)
    found = []
    for x in range(a.shape[1]):
        edges = np.flatnonzero(np.diff(np.concatenate(([0], lone[:, x].astype(np.int8), [0]))))
        for y0, y1 in zip(edges[::2], edges[1::2]):
            if y1 - y0 >= run:
                found.append((x, int(y0), int(y1 - y0)))
    return found


def check_sky(name, image):
    wires = sky_wires(image)
    if wires:
        raise SystemExit("art: %s has %d dark lines standing alone in the sky, the first at x %d rows %d to %d"
                         % (name, len(wires), wires[0][0], wires[0][1], wires[0][1] + wires[0][2] - 1))


def sheet(entries, path, columns, scale, background):
    """Pictures scaled up in a grid, each with its name underneath."""
    cell_w = max(img.size[0] for _, img in entries) * scale + 12
    rows = []
    row = []
    for name, image in entries:
        row.append((name, image))
        if len(row) == columns:
            rows.append(row)
            row = []
    if row:
        rows.append(row)
    heights = [max(img.size[1] for _, img in r) * scale + 22 for r in rows]
    out = Image.new("RGB", (columns * cell_w + 12, sum(heights) + 12), background)
    draw = ImageDraw.Draw(out)
    y = 12
    for r, h in zip(rows, heights):
        for i, (name, img) in enumerate(r):
            x = 12 + i * cell_w
            big = img.resize((img.size[0] * scale, img.size[1] * scale), Image.NEAREST)
            out.paste(big, (x, y))
            label = os.path.splitext(os.path.basename(name))[0]
            draw.text((x, y + img.size[1] * scale + 4), label, fill=(230, 230, 230) if sum(background) < 300 else (20, 20, 20))
        y += h
    save_png(out, path)


def indoors(name):
    """A cabin's wall, floor or ceiling."""
    return "room" in name or name.startswith(("textures/floor_", "textures/ceiling_"))


def as_seen(image, key, background):
    """A picture as the game shows it: see-through texels filled in."""
    a = np.asarray(image).copy()
    m = np.all(a == np.array(key, np.uint8), axis=2)
    a[m] = background
    return Image.fromarray(a, "RGB")


def main():
    allowed = {tuple(v) for v in COLOURS.values()}
    made_textures = []
    for name, (storeys, _) in TEXTURES.items():
        image = textures.make(name)
        check(name, image, (64, 64 * storeys), allowed | {CYAN})
        check_sky(name, image)
        save_png(image, os.path.join(IMAGES, name))
        made_textures.append((name, image))
    made_sprites = []
    for name in SPRITES:
        if name not in SPRITE_MAKERS:
            raise SystemExit("art: no drawing for " + name)
        image = SPRITE_MAKERS[name](np.random.default_rng(len(name))).image()
        check(name, image, (64, 64), allowed | {BLACK})
        save_png(image, os.path.join(IMAGES, name))
        made_sprites.append((name, image))

    sky = rgb("sky")
    sheet([(n, as_seen(i, CYAN, sky)) for n, i in made_textures if "cave" not in n and not indoors(n)],
          os.path.join(DOCS, "textures_outside.png"), 9, 3, (40, 40, 44))
    sheet([(n, i) for n, i in made_textures if indoors(n)],
          os.path.join(DOCS, "textures_rooms.png"), 9, 3, (40, 40, 44))
    sheet([(n, i) for n, i in made_textures if "cave" in n],
          os.path.join(DOCS, "textures_cave.png"), 8, 3, (40, 40, 44))
    # floors tiled 3 x 3, to catch seams
    tiles = []
    for n, i in made_textures:
        t = Image.new("RGB", (64 * 3, i.size[1] * 2 if i.size[1] > 64 else 192))
        reps = 3 if i.size[1] == 64 else 2
        for yy in range(reps if i.size[1] == 64 else 1):
            for xx in range(3):
                t.paste(as_seen(i, CYAN, sky), (xx * 64, yy * i.size[1]))
        tiles.append((n, t.crop((0, 0, 192, 64 * 3 if i.size[1] == 64 else i.size[1]))))
    sheet(tiles, os.path.join(DOCS, "tiling.png"), 6, 1, (40, 40, 44))
    sheet([(n, as_seen(i, BLACK, (36, 34, 40))) for n, i in made_sprites],
          os.path.join(DOCS, "sprites_dark.png"), 8, 4, (24, 22, 26))
    sheet([(n, as_seen(i, BLACK, (128, 128, 128))) for n, i in made_sprites],
          os.path.join(DOCS, "sprites_grey.png"), 8, 4, (128, 128, 128))
    print("art: %d textures, %d sprites" % (len(made_textures), len(made_sprites)))


if __name__ == "__main__":
    main()
