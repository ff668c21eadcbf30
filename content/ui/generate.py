#!/usr/bin/python3
"""Draws the interface images below data/images/ and the window icon: the
panels behind text, the arrows and caret, the fade band, the first-person
hands and the tally-mark stamps carved into the cave wall."""
import os
import sys

from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from common.palette import rgb                      # noqa: E402
from common.pixelart import grid, save_png          # noqa: E402
import hands                                        # noqa: E402
import marks                                        # noqa: E402
from panels import FILL, header, panel              # noqa: E402

IMAGES = "data/images/"

# Sizes follow the fixed text positions of the screens that draw them.
PANELS = {
    "messageBox.png": (600, 105),        # lines at +12/+37/+62, arrow at (w-25, h-20)
    "titleMessageBox.png": (600, 145),   # four lines from y 341 to 457 at (20, 325)
    "smallMessageBox.png": (320, 45),    # one line at +10
    "escapeBox.png": (340, 110),         # centred; lines at (190, 210) and (187, 250)
}

# Markers are drawn in the font's own pixel size at 24 points (3 px), in
# the marker colour on the panel fill.
MARK = 3

ARROW_DOWN = """
    #####
    .###.
    ..#..
"""

# the up arrow stands at +10, right under the frame: one row of fill first
ARROW_UP = """
    .....
    ..#..
    .###.
    #####
"""

# the option marker: as tall as a capital, its point level with the middle
# and aimed at the selected text beside it (the file keeps the name the game
# loads it by)
ARROW_LEFT = """
    #..
    ##.
    ###
    ##.
    #..
"""

# the input box's caret: a bar as tall as a capital, with the typing line's
# colour above it (the caret is drawn at the top of the text line, capitals
# start one font pixel lower)
BLINKER = """
    .
    #
    #
    #
    #
    #
"""


def mark(text, background):
    small = grid(text, {".": background, "#": "panel_mark"})
    w, h = small.size
    return small.resize((w * MARK, h * MARK), Image.NEAREST)


def arrows():
    down = mark(ARROW_DOWN, FILL)
    save_png(down, IMAGES + "arrowDown.png")
    save_png(mark(ARROW_UP, FILL), IMAGES + "arrowUp.png")
    save_png(mark(ARROW_LEFT, FILL), IMAGES + "arrowLeft.png")
    save_png(mark(BLINKER, "panel_well"), IMAGES + "blinker.png")


ICON = """
    ................
    ......kkkk......
    .....k....k.....
    .....k....k.....
    ....kkkkkkkk....
    ...kiiiiiiiik...
    ....kyyyyyyk....
    ....kyyffyyk....
    ....kyfwwfyk....
    ....kyfwwfyk....
    ....kyyffyyk....
    ....kyyyyyyk....
    ...kiiiiiiiik...
    ...kkkkkkkkkk...
    ................
    ................
"""


def icon():
    small = grid(ICON, {".": "night", "k": "ink", "i": "iron", "y": "glow",
                        "f": "flame", "w": "flame_light"})
    big = small.resize((32, 32), Image.NEAREST)
    os.makedirs(os.path.dirname("data/icon.bmp"), exist_ok=True)
    big.save("data/icon.bmp", format="BMP")


def main():
    for name, (w, h) in PANELS.items():
        save_png(panel(w, h, seed=name), IMAGES + name)
    # the input box: a sunken line for the typed text (drawn at +45, +53)
    save_png(panel(600, 100, seed="inputBox.png", field=(35, 48, 530, 36)),
             IMAGES + "inputBox.png")
    # the answer entry's header: a plain field with the question at (+10, +13)
    save_png(header(600, 55), IMAGES + "inputBoxTop.png")
    save_png(Image.new("RGB", (640, 80), rgb("black")), IMAGES + "black_layers.png")
    arrows()
    icon()
    hands.draw_all(IMAGES)
    marks.draw_all(IMAGES)


if __name__ == "__main__":
    main()
