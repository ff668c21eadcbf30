"""Tally marks carved into the first cave rock face: a group of five (four
strokes and one across) and a single stroke. Opaque white is their see-through
colour; each stroke is a dark groove with a lit lower lip, as if scratched
into wet rock with a chisel."""
from common.pixelart import grid, save_png

FIVE = """
    ...............
    .g.g..g..g.....
    .gl.gl.gl.gl..d
    .gl.gl.gl.glddl
    .gl.gl.gldlld..
    .gl.gl.ddl.gl..
    .gl.gddl.gl.gl.
    .gddl.gl.gl.gl.
    dlgl.gl.gl.gl..
    l.gl.gl.gl.gl..
    ..l..l..l..l...
    ...............
"""

SINGLE = """
    ...
    .g.
    .gl
    .gl
    .gl
    .gl
    .gl
    .gl
    .gl
    .gl
    ..l
    ...
"""

LEGEND = {".": "white", "g": "rock_dark", "d": "rock_dark", "l": "rock_light"}


def draw_all(images):
    save_png(grid(FIVE, LEGEND), images + "fiveStrokes.png")
    save_png(grid(SINGLE, LEGEND), images + "singleStroke.png")
