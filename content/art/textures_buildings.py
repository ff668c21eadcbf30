"""The village's outside walls: timber and plaster cabins, the church, the barn."""
import numpy as np

from art.canvas import Canvas, fbm
from art.textures_common import W, rng_for


# == timber and plaster cabins ==============================================

ROOF = 38       # rows of shingle roof at the top of a cabin wall
STOREY = 64


def shingle_roof(c, rows, rng):
    """A shingle roof seen from the eaves: staggered courses, dark gaps."""
    c.rect(0, 0, W, rows, "shingle")
    course = 6
    for k, y0 in enumerate(range(1, rows - 3, course)):
        off = 4 if k % 2 else 0
        for y in range(y0, min(y0 + course, rows - 3)):
            for x in range(W):
                c.px(x, y, "shingle")
        c.hline(0, W, y0 + course - 1, "shingle_dark")
        for x in range(off, W + off, 8):
            c.vline(x, y0, y0 + course, "shingle_dark")
            c.px(x + 1, y0, "stone")  # a worn light corner
        for _ in range(3):
            x = int(rng.integers(0, W))
            c.px(x, y0 + 2, "shingle_dark")
    c.hline(0, W, 0, "shingle_dark")
    # ridge cap
    c.hline(0, W, 0, "shadow")
    # the eave board and its shadow on the wall
    c.rect(0, rows - 3, W, rows - 1, "wood_dark")
    c.hline(0, W, rows - 3, "wood")
    c.hline(0, W, rows - 1, "shadow")
    c.hline(0, W, rows, "plaster_dark")


def plaster(c, top, bottom, rng):
    """Limewash: mostly even, lightly speckled, a few hairline cracks and
    the grime of rain splash toward the foot."""
    h = c.h
    ys = np.mgrid[0:h, 0:W][0]
    f = fbm(W, h, rng, ((16, 0.5), (4, 0.5)))
    speck = rng.random((h, W))
    region = (ys >= top) & (ys < bottom)
    c.put(region, "plaster")
    c.put(region & (f > 0.7) & (speck < 0.2), "plaster_light")
    c.put(region & (speck < 0.025), "plaster_dark")
    grime = region & (ys > bottom - 14) & (speck < (ys - (bottom - 14)) / 30.0)
    c.put(grime, "plaster_dark")
    for _ in range(3):
        x, y = int(rng.integers(0, W)), int(rng.integers(top + 6, bottom - 10))
        for i in range(int(rng.integers(4, 9))):
            x += int(rng.integers(-1, 2))
            c.px(x, y + i, "plaster_dark")


def timber_frame(c, top, bottom, rng, plinth=6):
    """Plaster panels between oak posts and beams, rows [top, bottom)."""
    plaster(c, top, bottom, rng)
    # stone plinth
    ground = bottom - plinth
    for y in range(ground, bottom):
        for x in range(W):
            c.px(x, y, "stone")
    for y in range(ground, bottom, 3):
        c.hline(0, W, y, "stone_dark")
        off = 0 if (y // 3) % 2 else 5
        for x in range(off, W + off, 10):
            c.vline(x, y, y + 3, "stone_dark")
            c.px(x + 1, y + 1, "stone_light")
    # posts at the seam and the middle, beams at sill and storey line
    def post(x0, width=5):
        c.rect(x0, top, x0 + width, ground, "wood")
        c.vline(x0, top, ground, "wood_light")
        c.vline(x0 + width - 1, top, ground, "wood_dark")
    def beam(y, height=4):
        c.rect(0, y, W, y + height, "wood")
        c.hline(0, W, y, "wood_light")
        c.hline(0, W, y + height - 1, "wood_dark")
    post(-2)
    post(30)
    beam(top, 3)
    storey_line = bottom - STOREY - 2
    if storey_line > top + 6:
        beam(storey_line)
        # braces in the upper storey panels
        for x0, x1 in ((3, 30), (35, 62)):
            for i in range(storey_line - top - 3):
                t = i / max(storey_line - top - 4, 1)
                x = int(x0 + (x1 - x0 - 3) * t)
                y = storey_line - 1 - i
                if y <= top + 2:
                    break
                if x0 == 3:
                    c.rect(x, y, x + 3, y + 1, "wood")
                    c.px(x, y, "wood_dark")
                else:
                    xx = x1 - 3 - (x - x0)
                    c.rect(xx, y, xx + 3, y + 1, "wood")
                    c.px(xx + 2, y, "wood_dark")
    beam(ground - 4)
    return ground


def cabin_base(rng):
    c = Canvas(W, 128)
    shingle_roof(c, ROOF, rng)
    ground = timber_frame(c, ROOF + 1, 128, rng)
    return c, ground


def cabin_wall(rng):
    c, _ = cabin_base(rng)
    # a small round vent in the gable storey
    return c


def cabin_door(rng, paint=None):
    c, ground = cabin_base(rng)
    x0, x1, top = 18, 46, 76
    c.rect(x0 - 2, top - 3, x1 + 2, ground, "wood_dark")          # frame
    c.rect(x0 - 3, top - 4, x1 + 3, top - 1, "wood")               # lintel
    c.hline(x0 - 3, x1 + 3, top - 4, "wood_light")
    for x in range(x0, x1):
        col = (paint or "wood") if (x - x0) % 7 else "wood_dark"
        c.vline(x, top, ground, col)
        if (x - x0) % 7 == 1 and paint is None:
            c.vline(x, top, ground, "wood_light")
    for y in (top + 8, ground - 10):                                 # ledges
        c.rect(x0, y, x1, y + 3, "wood_dark")
        c.hline(x0, x1, y, "wood")
    c.rect(x1 - 6, top + 24, x1 - 4, top + 27, "iron_light")         # latch
    c.px(x1 - 5, top + 27, "iron_dark")
    c.rect(x0 - 4, ground, x1 + 4, ground + 3, "stone_light")        # step
    c.hline(x0 - 4, x1 + 4, ground + 3, "stone_dark")
    return c


def cabin_door_mark(mark, paint):
    """The door of one cabin: its own paint and one mark beside or on it, so
    the four cabins are told apart from the street."""
    def make(rng):
        c = cabin_door(rng_for("textures/cabin_door.png"), paint)
        ground = 128 - 6
        if mark == "sign":           # the cook's: a board with a pot, on a bracket
            c.rect(48, 60, 62, 62, "iron_dark")
            c.vline(50, 62, 66, "iron_dark"); c.vline(60, 62, 66, "iron_dark")
            c.rect(48, 66, 63, 78, "wood_light")
            c.rect(49, 67, 62, 77, "wood")
            c.rect(52, 70, 59, 75, "iron_dark")
            c.hline(51, 60, 70, "iron")
            c.px(55, 69, "iron"); c.px(56, 68, "plaster_light")
        elif mark == "wreath":       # the widow's: a dark wreath with a ribbon
            cx, cy = 32, 88
            for y in range(cy - 7, cy + 8):
                for x in range(cx - 7, cx + 8):
                    d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
                    if 4 <= d <= 7:
                        c.px(x, y, "grass_dark" if (x + y) % 3 else "night")
            c.rect(30, cy + 6, 34, cy + 14, "cloth_black")
            c.px(29, cy + 14, "cloth_black"); c.px(34, cy + 14, "cloth_black")
        elif mark == "board":        # the hall's: a notice board by the door
            c.rect(49, 74, 62, 100, "wood_dark")
            c.rect(50, 75, 61, 99, "wood_light")
            for y, w in ((78, 9), (81, 7), (84, 9), (87, 6), (91, 8), (94, 5)):
                c.hline(51, 51 + w, y, "parchment")
            c.rect(52, 78, 58, 80, "parchment"); c.px(55, 77, "blood")
        elif mark == "pots":         # the mother's: flower pots on the step
            for x0, bloom in ((4, "cloth_red"), (9, "flame"), (50, "cloth_purple"), (56, "flame")):
                c.rect(x0, ground - 6, x0 + 5, ground, "cloth_orange")
                c.hline(x0, x0 + 5, ground - 6, "flame")
                c.rect(x0 + 1, ground - 10, x0 + 4, ground - 6, "grass")
                c.px(x0 + 2, ground - 11, bloom); c.px(x0 + 1, ground - 10, bloom)
                c.px(x0 + 3, ground - 9, bloom)
        return c
    return make


def cabin_window(rng):
    c, ground = cabin_base(rng)
    x0, x1, y0, y1 = 40 - 16, 40 + 0, 80, 102
    x0, x1 = 12, 26
    for wx in (12, 38):
        x0, x1 = wx, wx + 14
        c.rect(x0 - 1, y0 - 1, x1 + 1, y1 + 1, "wood_dark")
        c.rect(x0, y0, x1, y1, "night")
        c.rect(x0 + 1, y0 + 1, x1 - 1, y0 + 4, "sky")               # glint
        c.vline((x0 + x1) // 2, y0, y1, "wood_dark")
        c.hline(x0, x1, (y0 + y1) // 2, "wood_dark")
        c.rect(x0 - 2, y1, x1 + 2, y1 + 2, "wood_light")              # sill
        c.hline(x0 - 2, x1 + 2, y1 + 2, "shadow")
    # a shutter hung open beside each window
    for sx in (6, 52):
        c.rect(sx, y0 - 1, sx + 6, y1 + 1, "cloth_green")
        c.vline(sx, y0 - 1, y1 + 1, "shadow")
        for y in range(y0 + 1, y1, 3):
            c.hline(sx + 1, sx + 6, y, "grass_dark")
    return c


# == the church ==============================================================

def stone_courses(c, top, bottom, rng, course=8):
    """Ashlar: courses of blocks of slightly different greys, each with a
    light upper edge and a dark joint, speckled with lichen and wear."""
    speck = rng.random((c.h, W))
    for k, y in enumerate(range(top, bottom, course)):
        y1 = min(y + course, bottom)
        x = int(rng.integers(0, 8)) + (8 if k % 2 else 0)
        joints = []
        while True:
            joints.append(x)
            x += int(rng.integers(16, 26))
            if x >= joints[0] + W - 6:
                break
        joints.append(joints[0] + W)
        for a, b in zip(joints[:-1], joints[1:]):
            tone = ["stone", "stone", "stone", "stone_light", "stone", "stone_dark"][int(rng.integers(0, 6))]
            c.rect(a, y, b, y1, tone)
            for xx in range(a, b):
                for yy in range(y + 1, y1):
                    r = speck[yy % c.h, xx % W]
                    if r < 0.03:
                        c.px(xx, yy, "stone_dark")
                    elif r > 0.975:
                        c.px(xx, yy, "stone_light" if tone != "stone_light" else "stone_pale")
            c.hline(a + 1, b, y + 1, "stone_light" if tone != "stone_light" else "stone_pale")
            c.vline(a + 1, y + 1, y1, "stone_light" if tone != "stone_light" else "stone_pale")
            c.vline(a, y, y1, "shadow")
            c.vline(b - 1, y + 1, y1, "stone_dark")
        c.hline(0, W, y, "shadow")
        c.hline(0, W, y1 - 1, "stone_dark")


EAVE = 40       # the church's walls end here; above is sky or the bell cote


def church_base(rng):
    c = Canvas(W, 192)
    stone_courses(c, EAVE, 192, rng, course=11)
    # a plain coping and the slate roof slope behind it, sky above
    c.rect(0, 0, W, EAVE, "cyan")
    c.rect(0, EAVE - 12, W, EAVE - 4, "shingle")
    for y in range(EAVE - 12, EAVE - 4, 3):
        c.hline(0, W, y, "shingle_dark")
    c.hline(0, W, EAVE - 12, "shadow")
    c.rect(0, EAVE - 4, W, EAVE, "stone_light")
    c.hline(0, W, EAVE - 4, "stone_pale")
    c.hline(0, W, EAVE - 1, "stone_dark")
    c.hline(0, W, EAVE, "shadow")
    # a plinth
    c.rect(0, 184, W, 192, "stone_dark")
    c.hline(0, W, 184, "stone_light")
    return c


def bell_cote(c, rng):
    """A small stone gable over the door holding one bell under a cross."""
    x0, x1 = 18, 46
    for y in range(2, EAVE):
        half = min((x1 - x0) // 2, 3 + (y - 2) * 2 // 3)
        for x in range(32 - half, 32 + half):
            c.px(x, y, "stone" if (x * 3 + y * 5) % 17 else "stone_dark")
        c.px(32 - half, y, "stone_light")
        c.px(32 + half - 1, y, "stone_dark")
    arch(c, 26, 38, 14, EAVE - 4, "night", frame="stone_light")
    # the bell
    for y in range(20, 31):
        w = 2 + (y - 20) * 4 // 10
        c.rect(32 - w, y, 32 + w, y + 1, "gold" if y < 29 else "wood_dark")
        c.px(32 - w, y, "flame")
    c.rect(31, 18, 33, 20, "iron_dark")
    c.rect(31, 31, 33, 33, "gold")
    # a cross on the apex
    c.rect(31, 0, 33, 6, "iron_dark")
    c.rect(29, 2, 35, 4, "iron_dark")


def arch(c, x0, x1, top, bottom, inner, frame="stone_pale"):
    """An arched opening [x0, x1) from top (apex) to bottom."""
    cx = (x0 + x1 - 1) / 2
    r = (x1 - x0) / 2
    for y in range(top - 2, bottom):
        for x in range(x0 - 2, x1 + 2):
            dy = y - (top + r)
            inside_o = (y >= top + r and x0 - 2 <= x < x1 + 2) or (dy < 0 and (x - cx) ** 2 + dy * dy <= (r + 2) ** 2)
            inside_i = (y >= top + r and x0 <= x < x1) or (dy < 0 and (x - cx) ** 2 + dy * dy <= r * r)
            if inside_i:
                c.px(x, y, inner)
            elif inside_o:
                c.px(x, y, frame)


def church_wall(rng):
    c = church_base(rng)
    arch(c, 27, 37, 50, 96, "night")
    c.vline(32, 56, 96, "stone_dark")          # the mullion
    c.rect(28, 62, 32, 66, "cloth_blue")       # a hint of coloured glass
    c.rect(33, 72, 36, 76, "cloth_red")
    c.rect(25, 96, 39, 99, "stone_pale")       # sill
    c.hline(25, 39, 99, "shadow")
    return c


def church_door(rng):
    c = church_base(rng)
    bell_cote(c, rng)
    arch(c, 16, 48, 118, 184, "wood")
    for x in range(16, 48):
        k = (x - 16) % 4
        if k == 0:
            c.vline(x, 120, 184, "wood_dark")
        elif k == 1:
            c.vline(x, 120, 184, "wood_light")
    c.vline(31, 120, 184, "ink")
    c.vline(32, 120, 184, "ink")
    for y in (140, 166):
        c.rect(16, y, 48, y + 2, "iron_dark")
        c.hline(16, 48, y, "iron")
    c.rect(28, 152, 30, 156, "iron_light")
    c.rect(34, 152, 36, 156, "iron_light")
    # a small cross above the door, cut in pale stone
    c.rect(29, 84, 36, 108, "shadow")
    c.rect(24, 89, 41, 96, "shadow")
    c.rect(30, 85, 35, 107, "stone_pale")
    c.rect(25, 90, 40, 95, "stone_pale")
    c.vline(34, 85, 107, "stone_light")
    c.hline(25, 40, 94, "stone_light")
    c.rect(14, 184, 50, 188, "stone_light")
    return c


# == barn ===================================================================

def barn_planks(c, top, bottom, rng):
    n = fbm(W, c.h, rng, ((16, 0.3), (4, 0.4), (2, 0.3)))
    for x in range(W):
        plank = x // 8
        tone = ["barn", "barn_dark", "barn", "barn_light", "barn", "barn_dark", "barn", "barn"][plank]
        for y in range(top, bottom):
            v = n[y, x]
            col = tone
            if v > 0.8:
                col = "barn_light" if tone != "barn_light" else "barn"
            elif v < 0.15:
                col = "barn_dark"
            c.px(x, y, col)
        if x % 8 == 0:
            c.vline(x, top, bottom, "shadow")
    for x in range(2, W, 8):         # nail heads
        for y in (top + 6, bottom - 8):
            c.px(x + 2, y, "iron_dark")


def barn_base(rng):
    c = Canvas(W, 128)
    # the roof edge: dark boards with cyan above a ragged ridge
    c.rect(0, 0, W, 12, "shingle_dark")
    for x in range(0, W, 4):
        c.vline(x, 0, 12, "shadow")
    c.rect(0, 12, W, 15, "wood_dark")
    c.hline(0, W, 15, "ink")
    barn_planks(c, 16, 122, rng)
    c.rect(0, 122, W, 128, "mud")
    c.hline(0, W, 122, "shadow")
    return c


def barn_wall(rng):
    # plain boards repeat well along a long barn: a girt across at the loft
    # floor and a narrow vent slit under the eaves, no hatch on every cell
    c = barn_base(rng)
    c.rect(0, 62, W, 66, "wood_dark")
    c.hline(0, W, 62, "wood")
    c.hline(0, W, 66, "shadow")
    for x in range(3, W, 16):
        c.px(x, 64, "iron")
    c.rect(30, 24, 34, 40, "ink")
    c.vline(30, 24, 40, "shadow")
    c.rect(29, 40, 35, 41, "wood_light")
    return c


def barn_door(rng):
    c = barn_base(rng)
    c.rect(4, 52, 60, 122, "wood_dark")
    for x0 in (6, 33):
        for x in range(x0, x0 + 25):
            col = ["barn", "barn_light", "barn", "barn_dark"][((x - x0) // 6) % 4]
            c.vline(x, 54, 122, col)
            if (x - x0) % 6 == 0:
                c.vline(x, 54, 122, "shadow")
        # z-brace
        c.rect(x0, 56, x0 + 25, 59, "wood")
        c.rect(x0, 116, x0 + 25, 119, "wood")
        for i in range(56):
            x = x0 + int(i * 24 / 56)
            c.rect(x, 116 - i, x + 3, 117 - i, "wood")
    c.vline(31, 54, 122, "ink")
    c.vline(32, 54, 122, "ink")
    # the bar across and the padlock
    c.rect(2, 84, 62, 89, "wood_light")
    c.hline(2, 62, 88, "wood_dark")
    c.rect(29, 88, 35, 95, "iron")
    c.rect(30, 85, 34, 88, "iron_light")
    c.px(31, 86, "ink"); c.px(32, 86, "ink")
    c.px(32, 91, "ink")
    c.hline(29, 35, 94, "iron_dark")
    return c
