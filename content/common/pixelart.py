"""Pixel art as text: a grid of characters, each standing for a palette name.

    art = grid('''
        ..aa..
        .abba.
    ''', {'.': 'black', 'a': 'wood', 'b': 'wood_light'})

gives a PIL RGB image, one pixel per character. Leading indentation and blank
first/last lines are ignored; every row must be as long as the first.
"""
from PIL import Image

from common.palette import rgb


def rows_of(text):
    lines = [l.strip() for l in text.strip("\n").splitlines()]
    lines = [l for l in lines if l]
    width = len(lines[0])
    for i, line in enumerate(lines):
        if len(line) != width:
            raise ValueError("row %d is %d wide, expected %d" % (i, len(line), width))
    return lines


def grid(text, legend, mode="RGB"):
    return image_of([[legend[ch] for ch in line] for line in rows_of(text)], mode)


def image_of(rows, mode="RGB"):
    """An image of rows of palette names (or RGB triples), one pixel each;
    in RGBA every pixel is opaque."""
    image = Image.new(mode, (len(rows[0]), len(rows)))
    pixels = image.load()
    for y, row in enumerate(rows):
        for x, value in enumerate(row):
            colour = rgb(value) if isinstance(value, str) else value
            pixels[x, y] = colour if mode == "RGB" else colour + (255,)
    return image


def save_png(image, path):
    """Writes a PNG with no time stamp or other varying metadata, so that the
    same image always gives the same bytes."""
    import os
    os.makedirs(os.path.dirname(path), exist_ok=True)
    image.save(path, format="PNG", optimize=False, compress_level=9)
