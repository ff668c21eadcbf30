"""Sprites: 64 x 64, black see-through, feet on the bottom rows.

Objects are drawn here with a few shapes; the people come from text grids in
people.py. Every sprite gets a 1-texel 'ink' outline where it meets the
see-through black, so it reads against sky, grass and dark rock alike.
"""
import numpy as np

from art.canvas import Canvas
from common.palette import rgb

S = 64


def blank():
    return Canvas(S, S, "black", wrap=False)


def ellipse(c, cx, cy, rx, ry, name):
    for y in range(int(cy - ry - 1), int(cy + ry + 2)):
        for x in range(int(cx - rx - 1), int(cx + rx + 2)):
            if 0 <= x < S and 0 <= y < S and ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0:
                c.a[y, x] = rgb(name)


def rect(c, x0, y0, x1, y1, name):
    c.a[max(y0, 0):min(y1, S), max(x0, 0):min(x1, S)] = rgb(name)


def line(c, x0, y0, x1, y1, name, width=1):
    n = max(abs(x1 - x0), abs(y1 - y0), 1)
    for i in range(n + 1):
        x = round(x0 + (x1 - x0) * i / n)
        y = round(y0 + (y1 - y0) * i / n)
        rect(c, x, y, x + width, y + width, name)


# == objects ================================================================

def signpost(rng):
    c = blank()
    rect(c, 30, 14, 34, 64, "wood")
    rect(c, 30, 14, 31, 64, "wood_light")
    rect(c, 33, 14, 34, 64, "wood_dark")
    # two arrow boards pointing opposite ways
    for y0, left in ((18, False), (30, True)):
        x0, x1 = (14, 48) if not left else (16, 50)
        rect(c, x0, y0, x1, y0 + 8, "wood_light")
        rect(c, x0, y0 + 7, x1, y0 + 8, "wood_dark")
        tip = x1 if not left else x0 - 1
        for i in range(4):
            if not left:
                rect(c, x1 + i, y0 + i, x1 + i + 1, y0 + 8 - i, "wood_light")
            else:
                rect(c, x0 - 1 - i, y0 + i, x0 - i, y0 + 8 - i, "wood_light")
        for x in range(x0 + 3, x1 - 3, 3):     # painted letters
            rect(c, x, y0 + 3, x + 2, y0 + 4, "wood_dark")
            rect(c, x, y0 + 5, x + 1, y0 + 6, "wood_dark")
    rect(c, 26, 60, 38, 64, "grass_dark")
    return c.outline()


def well(rng):
    c = blank()
    # roof
    for i in range(10):
        rect(c, 18 - i // 2 + 4, 8 + i, 46 + i // 2 - 4, 9 + i, "shingle" if i % 3 else "shingle_dark")
    rect(c, 14, 18, 50, 20, "wood_dark")
    rect(c, 18, 20, 21, 42, "wood")
    rect(c, 43, 20, 46, 42, "wood")
    rect(c, 21, 26, 43, 28, "wood_dark")     # winch
    rect(c, 31, 28, 32, 38, "parchment_dark")  # rope
    rect(c, 29, 38, 34, 42, "wood")          # bucket
    # stone ring
    rect(c, 14, 42, 50, 64, "stone")
    for y in range(42, 64, 5):
        rect(c, 14, y, 50, y + 1, "stone_dark")
        off = 0 if (y // 5) % 2 else 4
        for x in range(14 + off, 50, 8):
            rect(c, x, y, x + 1, y + 5, "stone_dark")
            rect(c, x + 1, y + 1, x + 3, y + 2, "stone_light")
    rect(c, 12, 41, 52, 44, "stone_light")
    return c.outline()


def cart(rng):
    c = blank()
    rect(c, 8, 34, 56, 48, "wood")
    rect(c, 8, 34, 56, 36, "wood_light")
    for x in range(8, 56, 8):
        rect(c, x, 36, x + 1, 48, "wood_dark")
    line(c, 56, 44, 63, 40, "wood_dark", 2)   # handles
    # wheel
    ellipse(c, 28, 52, 11, 11, "wood_dark")
    ellipse(c, 28, 52, 9, 9, "shadow")
    for a in range(0, 180, 45):
        dx, dy = np.cos(np.radians(a)) * 9, np.sin(np.radians(a)) * 9
        line(c, round(28 - dx), round(52 - dy), round(28 + dx), round(52 + dy), "wood")
    ellipse(c, 28, 52, 2, 2, "iron")
    rect(c, 10, 30, 22, 34, "straw")          # a sack and some straw
    ellipse(c, 44, 29, 6, 5, "parchment_dark")
    rect(c, 43, 23, 46, 25, "cloth_brown")
    return c.outline()


def barrel(rng):
    c = blank()
    for y in range(30, 64):
        t = (y - 30) / 33
        half = int(11 + 3 * np.sin(t * np.pi))
        rect(c, 32 - half, y, 32 + half, y + 1, "wood")
        rect(c, 32 - half, y, 32 - half + 2, y + 1, "wood_dark")
        rect(c, 32 + half - 3, y, 32 + half, y + 1, "wood_dark")
        for k in (-6, 0, 6):
            rect(c, 32 + k + 2, y, 32 + k + 3, y + 1, "wood_light")
    for y in (33, 46, 59):
        half = int(11 + 3 * np.sin((y - 30) / 33 * np.pi))
        rect(c, 32 - half, y, 32 + half, y + 2, "iron_dark")
        rect(c, 32 - half, y, 32 + half, y + 1, "iron")
    ellipse(c, 32, 31, 10, 2, "wood_dark")
    return c.outline()


def tree(rng):
    c = blank()
    rect(c, 29, 30, 35, 64, "wood_dark")
    rect(c, 30, 30, 31, 64, "wood")
    for (x0, y0, x1, y1) in ((32, 34, 14, 12), (32, 30, 48, 8), (32, 40, 54, 24), (31, 44, 10, 30),
                             (22, 20, 18, 6), (42, 16, 44, 4), (16, 22, 6, 16), (50, 22, 58, 14)):
        line(c, x0, y0, x1, y1, "wood_dark", 2)
    for (x0, y0, x1, y1) in ((14, 12, 10, 4), (48, 8, 52, 2), (54, 24, 60, 20), (10, 30, 4, 28)):
        line(c, x0, y0, x1, y1, "wood", 1)
    rect(c, 24, 61, 40, 64, "wood_dark")   # roots
    return c.outline()


def book_pedestal(rng):
    c = blank()
    rect(c, 24, 36, 40, 60, "stone")
    rect(c, 24, 36, 26, 60, "stone_light")
    rect(c, 38, 36, 40, 60, "stone_dark")
    rect(c, 20, 58, 44, 64, "stone_dark")
    rect(c, 20, 58, 44, 59, "stone_light")
    rect(c, 20, 32, 44, 37, "stone_light")
    rect(c, 20, 36, 44, 37, "stone_dark")
    # the open book
    rect(c, 16, 26, 48, 32, "wood_dark")
    rect(c, 17, 24, 31, 30, "parchment")
    rect(c, 33, 24, 47, 30, "parchment")
    rect(c, 31, 25, 33, 31, "parchment_dark")
    for y in (25, 27):
        rect(c, 19, y, 29, y + 1, "parchment_dark")
        rect(c, 35, y, 45, y + 1, "parchment_dark")
    rect(c, 40, 30, 41, 35, "cloth_red")   # ribbon
    return c.outline()


def table(rng):
    c = blank()
    rect(c, 6, 40, 58, 45, "wood_light")
    rect(c, 6, 44, 58, 46, "wood_dark")
    for x in (9, 51):
        rect(c, x, 46, x + 4, 64, "wood")
        rect(c, x + 3, 46, x + 4, 64, "wood_dark")
    # jug and a cup
    ellipse(c, 24, 34, 5, 6, "stone_pale")
    rect(c, 22, 26, 27, 30, "stone_pale")
    rect(c, 27, 30, 30, 36, "stone_light")
    rect(c, 20, 33, 22, 36, "stone_light")
    rect(c, 38, 34, 43, 40, "wood")
    rect(c, 38, 34, 43, 35, "wood_pale")
    return c.outline()


def bed(rng):
    c = blank()
    rect(c, 4, 36, 10, 64, "wood")          # headboard
    rect(c, 4, 36, 10, 38, "wood_light")
    rect(c, 10, 48, 60, 56, "wood_dark")    # frame
    rect(c, 56, 44, 60, 64, "wood")
    rect(c, 10, 56, 13, 64, "wood")
    rect(c, 10, 42, 58, 49, "cloth_blue")   # blanket
    for x in range(12, 58, 6):
        rect(c, x, 42, x + 1, 49, "cloth_denim")
    rect(c, 11, 40, 22, 45, "cloth_white")  # pillow
    rect(c, 10, 48, 58, 49, "shadow")
    return c.outline()


def stump_base(c):
    rect(c, 20, 46, 44, 62, "wood")
    rect(c, 20, 46, 23, 62, "wood_dark")
    rect(c, 40, 46, 44, 62, "wood_dark")
    for x in range(25, 40, 4):
        rect(c, x, 48, x + 1, 62, "wood_dark")
    ellipse(c, 32, 46, 12, 3, "wood_pale")
    ellipse(c, 32, 46, 8, 2, "wood_light")
    ellipse(c, 32, 46, 3, 1, "wood_pale")
    rect(c, 16, 60, 22, 64, "wood_dark")    # roots
    rect(c, 42, 60, 48, 64, "wood_dark")
    rect(c, 20, 62, 44, 64, "wood")


def stump(rng):
    c = blank()
    stump_base(c)
    return c.outline()


def lantern(c, cx, bottom):
    rect(c, cx - 4, bottom - 2, cx + 5, bottom, "iron_dark")
    rect(c, cx - 3, bottom - 11, cx + 4, bottom - 2, "flame")
    rect(c, cx - 1, bottom - 9, cx + 2, bottom - 4, "flame_light")
    rect(c, cx - 3, bottom - 11, cx - 2, bottom - 2, "iron_dark")
    rect(c, cx + 3, bottom - 11, cx + 4, bottom - 2, "iron_dark")
    rect(c, cx - 4, bottom - 13, cx + 5, bottom - 11, "iron_dark")
    rect(c, cx - 2, bottom - 15, cx + 3, bottom - 13, "iron")
    rect(c, cx, bottom - 17, cx + 1, bottom - 15, "iron")


def stump_lantern(rng):
    c = blank()
    stump_base(c)
    lantern(c, 32, 45)
    return c.outline()


def axe(rng):
    c = blank()
    # chopping block
    rect(c, 18, 46, 46, 64, "wood")
    rect(c, 18, 46, 21, 64, "wood_dark")
    rect(c, 42, 46, 46, 64, "wood_dark")
    ellipse(c, 32, 46, 14, 3, "wood_pale")
    ellipse(c, 32, 46, 9, 2, "wood_light")
    # the axe: blade bitten into the block, haft rising to the right
    line(c, 30, 42, 48, 18, "wood_light", 2)
    line(c, 31, 43, 49, 19, "wood_dark", 1)
    rect(c, 24, 40, 34, 45, "iron")
    rect(c, 24, 40, 34, 41, "iron_light")
    rect(c, 24, 44, 34, 45, "iron_dark")
    return c.outline()


def sheep_body(c, dx=0, dy=0):
    # woolly body of overlapping puffs
    for (x, y, r) in ((20, 38, 7), (28, 35, 8), (36, 35, 8), (44, 38, 7), (24, 44, 7), (34, 45, 8), (42, 44, 6)):
        ellipse(c, x + dx, y + dy, r, r * 0.85, "plaster")
    for (x, y, r) in ((26, 33, 3), (36, 32, 3), (44, 36, 2), (20, 36, 2)):
        ellipse(c, x + dx, y + dy, r, r, "plaster_light")
    for (x, y) in ((22, 48), (30, 50), (40, 49), (46, 46)):
        ellipse(c, x + dx, y + dy, 3, 2, "plaster_dark")


def sheep(rng):
    c = blank()
    for x in (20, 27, 38, 45):      # thin legs, dark hooves
        rect(c, x, 50, x + 2, 61, "shadow")
        rect(c, x, 55, x + 2, 56, "stone_dark")
        rect(c, x, 61, x + 2, 64, "night")
    sheep_body(c)
    # head, dark-faced, to the left
    ellipse(c, 12, 36, 5, 6, "shadow")
    rect(c, 7, 38, 11, 42, "shadow")
    rect(c, 10, 34, 12, 36, "plaster_light")   # eye
    rect(c, 11, 35, 12, 36, "ink")
    rect(c, 14, 30, 19, 33, "shadow")          # ear
    ellipse(c, 15, 30, 3, 2, "plaster")        # wool cap
    return c.outline()


def sheep_stabbed(rng):
    c = blank()
    # the same sheep fallen on its side: its wool low on the ground, the four
    # dark legs stretched out stiff, the head down, blood running from it
    ellipse(c, 32, 61, 26, 2.4, "blood_dark")
    ellipse(c, 24, 61, 12, 1.6, "blood")
    sheep_body(c, 2, 12)
    for (x0, y0, x1, y1) in ((40, 55, 56, 52), (42, 57, 61, 56), (30, 58, 44, 60), (24, 57, 36, 59)):
        line(c, x0, y0, x1, y1, "shadow", 2)
        rect(c, x1, y1, x1 + 2, y1 + 2, "ink")          # hooves
    ellipse(c, 10, 55, 6, 5, "shadow")                  # head on the ground
    rect(c, 4, 57, 9, 61, "shadow")
    rect(c, 9, 53, 12, 54, "plaster_light")             # a shut eye
    rect(c, 13, 49, 18, 51, "shadow")                   # ear
    ellipse(c, 14, 50, 3, 2, "plaster")
    ellipse(c, 30, 52, 3, 2.5, "blood")                 # the wound
    rect(c, 29, 51, 31, 53, "blood_dark")
    line(c, 30, 55, 29, 60, "blood", 1)
    line(c, 32, 54, 33, 59, "blood_dark", 1)
    return c.outline()


def haystack(rng):
    c = blank()
    # a rounded stack, lit from the left, combed into downward strands
    for y in range(12, 64):
        t = (y - 12) / 50
        half = int(4 + 24 * min(np.sqrt(t) * 1.15, 1.0))
        for x in range(32 - half, 32 + half):
            rel = (x - 32) / half
            col = "straw" if rel < 0.1 else ("straw_dark" if rel < 0.6 else "thatch")
            if rel < -0.6:
                col = "parchment"
            if (x * 3 + (y // 3)) % 5 == 0:
                col = {"parchment": "straw", "straw": "straw_dark", "straw_dark": "thatch", "thatch": "earth"}[col]
            c.a[y, x] = rgb(col)
    rect(c, 10, 58, 54, 64, "thatch")          # the skirt in shade
    for x in range(10, 54, 3):
        rect(c, x, 59, x + 1, 64, "earth")
    rect(c, 31, 6, 33, 13, "wood")               # the pole
    line(c, 22, 20, 42, 24, "straw_dark", 1)     # a binding rope
    return c.outline()


def bones(rng):
    c = blank()
    # scattered small bones
    for (x0, y0, x1, y1) in ((14, 58, 30, 60), (34, 61, 50, 57), (20, 62, 36, 62), (40, 60, 52, 62), (10, 61, 18, 57)):
        line(c, x0, y0, x1, y1, "plaster_light", 2)
        rect(c, x0 - 1, y0 - 1, x0 + 2, y0 + 2, "plaster")
        rect(c, x1 - 1, y1 - 1, x1 + 2, y1 + 2, "plaster")
    # ribs
    for x in range(24, 40, 3):
        line(c, x, 56, x + 2, 50, "plaster", 1)
    # the small skull
    ellipse(c, 42, 50, 6, 5, "plaster_light")
    rect(c, 38, 52, 46, 57, "plaster")
    rect(c, 39, 50, 41, 52, "shadow")
    rect(c, 43, 50, 45, 52, "shadow")
    rect(c, 41, 53, 43, 54, "shadow")
    for x in range(39, 46, 2):
        rect(c, x, 56, x + 1, 57, "plaster_dark")
    return c.outline()


def tools(rng):
    c = blank()
    # a pick and a chisel leaning on the wall, and a mallet leaning beside
    # them head up, so that it reads as a tool and not as a box
    line(c, 14, 63, 24, 20, "wood_light", 2)
    line(c, 15, 63, 25, 20, "wood_dark", 1)
    line(c, 13, 22, 35, 18, "iron", 2)
    line(c, 13, 23, 35, 19, "iron_dark", 1)
    rect(c, 34, 17, 36, 19, "iron_light")
    # the chisel is short and stands below the tally marks it cut, which
    # the game carves into the wall behind at about this height
    line(c, 32, 63, 34, 48, "wood", 2)
    line(c, 34, 48, 35, 40, "iron_light", 2)
    rect(c, 33, 47, 37, 49, "iron_dark")
    # the mallet: a round-ended wooden head, bands of iron, a short handle
    line(c, 44, 63, 49, 36, "wood_light", 2)
    line(c, 45, 63, 50, 36, "wood_dark", 1)
    rect(c, 42, 27, 57, 36, "wood")
    rect(c, 42, 27, 57, 29, "wood_pale")
    rect(c, 42, 34, 57, 36, "wood_dark")
    rect(c, 41, 28, 42, 35, "wood_light")
    rect(c, 57, 28, 58, 35, "wood_dark")
    for x in (44, 54):
        rect(c, x, 27, x + 1, 36, "iron")
    return c.outline()


def lantern_post(rng):
    c = blank()
    rect(c, 30, 8, 34, 64, "wood_dark")
    rect(c, 30, 8, 31, 64, "wood")
    rect(c, 22, 8, 34, 11, "wood_dark")
    rect(c, 23, 11, 24, 16, "iron")
    lantern(c, 23, 32)
    rect(c, 26, 60, 38, 64, "cave_rock")
    return c.outline()


OBJECTS = {
    "sprites/signpost.png": signpost,
    "sprites/well.png": well,
    "sprites/cart.png": cart,
    "sprites/barrel.png": barrel,
    "sprites/tree.png": tree,
    "sprites/book_pedestal.png": book_pedestal,
    "sprites/table.png": table,
    "sprites/bed.png": bed,
    "sprites/stump_lantern.png": stump_lantern,
    "sprites/stump.png": stump,
    "sprites/axe.png": axe,
    "sprites/sheep.png": sheep,
    "sprites/sheep_stabbed.png": sheep_stabbed,
    "sprites/haystack.png": haystack,
    "sprites/bones.png": bones,
    "sprites/tools.png": tools,
    "sprites/lantern_post.png": lantern_post,
}
