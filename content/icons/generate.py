#!/usr/bin/python3
"""Draws the desktop icons (the hicolor sizes a menu asks for) from the
game's own icon art, the lantern of the window icon, so that the menu and the
window show the same picture.

The art is a 16-pixel grid; every size is a whole multiple of it scaled
without smoothing, so the pixels stay as crisp as they are in the game. The
corners are cut away so the icon reads as a tile rather than a hard square
on a light menu."""
import os
import runpy
import sys

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))

from common.pixelart import grid, save_png          # noqa: E402

APP_ID = "org.ombrel.Ombrel"
SIZES = (32, 48, 64, 128, 256)
OUT = "packaging/icons/hicolor/{0}x{0}/apps/" + APP_ID + ".png"

# The window icon's grid and legend live with the interface art.
UI = runpy.run_path(os.path.join(os.path.dirname(HERE), "ui", "generate.py"))


def art():
    legend = {".": "night", "k": "ink", "i": "iron", "y": "glow",
              "f": "flame", "w": "flame_light"}
    image = grid(UI["ICON"], legend).convert("RGBA")
    # One grid pixel off each corner, and its two neighbours on the very
    # edge: a rounded tile at the art's own resolution.
    w, h = image.size
    pixels = image.load()
    for (x, y) in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        for dx, dy in ((0, 0), (1, 0), (0, 1)):
            px = x + dx if x == 0 else x - dx
            py = y + dy if y == 0 else y - dy
            pixels[px, py] = (0, 0, 0, 0)
    return image


def main():
    image = art()
    for size in SIZES:
        if size % image.width:
            raise SystemExit("icons: %d is not a whole multiple of the %d-pixel art"
                             % (size, image.width))
        save_png(image.resize((size, size), Image.NEAREST), OUT.format(size))


if __name__ == "__main__":
    main()
