"""Tally marks carved into the first cave rock face: a group of five (four
strokes and one across) and a single stroke. Opaque white is their see-through
colour; each stroke is a groove with a shadowed side and the pale fresh stone
the chisel laid bare, so it shows on dark wet rock."""
from common.pixelart import grid, save_png

# d: the groove's shadowed side, p: fresh pale stone where the chisel bit
FIVE = """
    ...............
    .dp.dp.dp.dp..d
    .dp.dp.dp.dpddp
    .dp.dp.dp.ddpp.
    .dp.dp.dddpp...
    .dp.dp.dppdp...
    .dp.dddpp.dp...
    .dpddppdp.dp...
    .ddppp.dp.dp...
    dpp.dp.dp.dp...
    pdp.dp.dp.dp...
    ...............
"""

SINGLE = """
    ...
    dp.
    dp.
    dp.
    dp.
    dp.
    dp.
    dp.
    dp.
    dp.
    .p.
    ...
"""

LEGEND = {".": "white", "d": "rock_dark", "p": "stone_pale"}


def draw_all(images):
    save_png(grid(FIVE, LEGEND), images + "fiveStrokes.png")
    save_png(grid(SINGLE, LEGEND), images + "singleStroke.png")
