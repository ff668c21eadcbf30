"""Wall, floor and ceiling textures, drawn procedurally with the palette.

Every texture is 64 texels wide and tiles sideways; floor textures tile both
ways. Cyan is left where the sky (or the far border wall) should show.
Each generator takes its own seeded random source, so output never varies.
"""
import numpy as np

from common.palette import rgb
from art.canvas import Canvas, value_noise, fbm, normalise, voronoi, jittered_points, relief

W = 64


def rng_for(name):
    seed = sum((i + 1) * ord(c) for i, c in enumerate(name))
    return np.random.default_rng(seed)


# == ground ==================================================================

def grass(rng):
    c = Canvas(W, 64)
    f = fbm(W, 64, rng, ((16, 0.45), (8, 0.35), (4, 0.2)))
    f = normalise(f + rng.random((64, W)) * 0.4)
    c.tones(f, ["grass_dark", "grass", "grass", "grass_light"], cuts=[0.22, 0.6, 0.84])
    # little blades: a light texel with a dark one under it
    for _ in range(70):
        x, y = rng.integers(0, W), rng.integers(0, 64)
        c.px(x, y, "grass_light")
        c.px(x, (y + 1) % 64, "grass_dark")
    for _ in range(4):  # stones
        x, y = rng.integers(0, W), rng.integers(0, 62)
        c.rect(x, y, x + 2, y + 1, "stone_light")
        c.rect(x, y + 1, x + 2, y + 2, "stone")
    for col in ("plaster_light", "flame", "plaster_light", "cloth_purple", "flame_light"):
        x, y = rng.integers(1, W - 1), rng.integers(1, 63)
        c.px(x, y, col)
        c.px(x - 1, y, "grass_light")
        c.px(x + 1, y, "grass_light")
    return c


def road(rng):
    """Packed earth, worn the same way in every direction, since roads run
    both ways across the maps: pebbles, hoof prints and a small puddle."""
    c = Canvas(W, 64)
    f = fbm(W, 64, rng, ((16, 0.5), (8, 0.3), (4, 0.2)))
    f = normalise(f + rng.random((64, W)) * 0.25)
    c.tones(f, ["mud", "earth", "earth", "straw_dark"], cuts=[0.1, 0.6, 0.9])
    for _ in range(7):                       # hoof prints
        x, y = int(rng.integers(0, W)), int(rng.integers(0, 64))
        c.rect(x, y, x + 2, y + 2, "mud")
        c.px(x + 1, y + 2, "wood_dark")
    for _ in range(22):                      # pebbles
        x, y = int(rng.integers(0, W)), int(rng.integers(0, 64))
        c.px(x, y, "stone_light")
        c.px(x + 1, y, "stone")
        c.px(x, y + 1, "mud")
    for _ in range(6):                       # a few tufts of grass
        x, y = int(rng.integers(0, W)), int(rng.integers(0, 64))
        c.px(x, y, "grass")
        c.px(x + 1, y - 1, "grass_dark")
        c.px(x - 1, y - 1, "grass_dark")
    return c


def cobbles(rng):
    c = Canvas(W, 64)
    pts = jittered_points(W, 64, 8, 8, rng, 0.6)
    idx, f1, f2 = voronoi(W, 64, pts)
    shade = np.array([rng.random() for _ in pts])[idx]
    # a light upper-left rim per stone
    ys, xs = np.mgrid[0:64, 0:W]
    px_ = np.array([p[0] for p in pts])[idx]
    py_ = np.array([p[1] for p in pts])[idx]
    dx = (xs - px_ + W / 2) % W - W / 2
    dy = (ys - py_ + 32) % 64 - 32
    lit = -(dx + dy) / (np.sqrt(dx * dx + dy * dy) + 1e-6)
    val = shade * 0.55 + (lit * 0.5 + 0.5) * (f1 / (f1 + 3)) * 0.6 + rng.random((64, W)) * 0.15
    c.tones(normalise(val), ["stone_dark", "stone", "stone_light", "stone_pale"], cuts=[0.18, 0.55, 0.92])
    edge = (f2 - f1) < 1.3
    c.put(edge, "stone_dark")
    c.put((f2 - f1) < 0.6, "shadow")
    c.put(((f2 - f1) < 2.3) & ~edge & (dy > 0) & (lit < 0), "stone_dark")
    for _ in range(5):                       # grass in a few joints
        x, y = int(rng.integers(0, W)), int(rng.integers(0, 64))
        if edge[y, x]:
            c.px(x, y, "grass_dark")
    return c


def field(rng):
    c = Canvas(W, 64)
    f = fbm(W, 64, rng)
    for y in range(64):
        phase = y % 8
        for x in range(W):
            v = f[y, x]
            if phase in (0, 1):
                name = "mud"
            elif phase == 2:
                name = "earth"
            elif phase in (3, 4, 5):
                name = "earth" if v < 0.7 else "straw_dark"
            else:
                name = "mud" if v < 0.5 else "earth"
            c.px(x, y, name)
    # rows of green shoots along the ridges
    for ridge in range(8):
        y = ridge * 8 + 4
        x = int(rng.integers(0, 4))
        while x < W:
            c.px(x, y - 1, "grass_light")
            c.px(x, y, "grass")
            if rng.random() < 0.5:
                c.px(x + 1, y - 2, "grass_light")
            x += int(rng.integers(3, 6))
    return c


def hay(rng):
    """Trampled straw over earth. Long soft patches and scattered single
    straws, no fine regular grain: at a distance a fine grain beats against
    the 64-texel repeat into a moire."""
    c = Canvas(W, 64)
    f = fbm(W, 64, rng, ((32, 0.5), (16, 0.3), (8, 0.2)))
    c.tones(f, ["straw_dark", "thatch", "straw", "straw"], cuts=[0.1, 0.4, 0.9])
    for _ in range(90):
        x, y = int(rng.integers(0, W)), int(rng.integers(0, 64))
        ang = rng.random() * np.pi
        n = int(rng.integers(4, 9))
        col = ["parchment", "straw_dark", "thatch", "parchment_dark"][int(rng.integers(0, 4))]
        for i in range(n):
            c.px(int(round(x + np.cos(ang) * i)), int(round(y + np.sin(ang) * i)) % 64, col)
    for _ in range(5):
        x, y = int(rng.integers(0, W)), int(rng.integers(0, 64))
        c.rect(x, y, x + 3, y + 2, "earth")
        c.px(x + 1, y, "mud")
    return c


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
        plank = (x - x0) // 7
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


# == woods, hedges, fences ===================================================

def wrapped_dx(xs, cx):
    dx = (xs - cx + W / 2) % W - W / 2
    return dx


def leafy_crown(c, blobs, rng, tones=("night", "grass_dark", "grass", "grass_light"), h=None):
    """Round leafy masses: spheres in a height field, lit from the upper
    left, with a ragged leafy edge."""
    h = c.h if h is None else h
    ys, xs = np.mgrid[0:h, 0:W].astype(float)
    height = np.full((h, W), -1.0)
    for (cx, cy, r) in blobs:
        dx = wrapped_dx(xs, cx)
        d2 = dx * dx + (ys - cy) ** 2
        height = np.maximum(height, np.sqrt(np.maximum(r * r - d2, 0)) / r - (d2 > r * r))
    n = fbm(W, h, rng, ((4, 0.5), (2, 0.5)))
    inside = height + (n - 0.5) * 0.5 > 0.05
    leaf = height + (n - 0.5) * 0.6
    light = relief(leaf, strength=3.0)
    val = light + leaf * 0.5 + (rng.random((h, W)) - 0.5) * 0.15
    cuts = list(np.quantile(val[inside], [0.22, 0.6, 0.9]))
    c.tones(val, list(tones), mask=inside, cuts=cuts)
    return inside


def pine(c, cx, tip, base, slope, tones=("grass", "grass_dark", "night"), tiers=5):
    """A fir of sawtooth tiers from tip to base; lit on its left."""
    lit, mid, dark = tones
    tier = (base - tip) / tiers
    for y in range(tip, base):
        p = ((y - tip) % tier) / tier
        wdt = 0.5 + (y - tip) * slope * (0.55 + 0.45 * p) + ((y * 7 + int(cx) * 3) % 5 - 2) * 0.3 * p
        for x in range(int(np.floor(cx - wdt)), int(np.ceil(cx + wdt)) + 1):
            rel = (x - cx) / (wdt + 0.01)
            if abs(rel) > 1:
                continue
            col = lit if rel < -0.35 else (mid if rel < 0.3 else dark)
            if p > 0.82 and abs(rel) < 0.8 and (x + y) % 3:
                col = dark                    # shadow under each tier
            if col == lit and (x * 5 + y * 3) % 11 == 0:
                col = "grass_light"
            c.px(x, y, col)


# The near trees of each variant of the wood: (kind, x, top); the map mixes
# the variants so that the horizon does not repeat one pair every cell.
WOODS = {
    1: (("pine", 21, 6), ("pine", 47, 18), ("oak", 2, 58)),
    2: (("oak", 34, 54), ("pine", 8, 14), ("pine", 58, 26)),
    3: (("pine", 12, 22), ("pine", 30, 4), ("pine", 50, 12)),
    4: (("oak", 14, 62), ("oak", 46, 50)),
}


def trees(rng, layout=1, path=False):
    c = Canvas(W, 128)
    # a far row of dark firs, closing up into solid wood lower down
    for k, cx in enumerate(range(2, W + 2, 8)):
        tip = 30 + int(rng.integers(0, 14))
        pine(c, cx, tip, 128, 0.32, ("grass_dark", "night", "night"), tiers=6)
    c.rect(0, 84, W, 128, "night")
    near = [t for t in WOODS[layout] if not (path and 18 < t[1] < 46)]
    for kind, x, top in near:
        if kind == "pine":
            c.rect(x - 1, 86, x + 3, 128, "wood_dark")
            c.vline(x - 1, 86, 128, "wood")
    for kind, x, top in near:
        if kind == "pine":
            pine(c, x, top, top + 94 - top // 3, 0.2 - (top % 3) * 0.01)
        else:
            oak = Canvas(W, 128, "cyan")
            leafy_crown(oak, [(x, top, 15), (x - 10, top - 10, 12), (x + 8, top - 12, 11),
                              (x - 4, top + 12, 12), (x + 4, top + 14, 10)], rng)
            c.blit(oak, 0, 0)
            c.rect(x - 3, top + 22, x + 1, 128, "wood_dark")
            c.vline(x - 3, top + 22, 128, "wood")
    # the undergrowth along the foot
    under = np.zeros((128, W), bool)
    tops = (110 + value_noise(W, 1, 4, 1, rng)[0] * 10).astype(int)
    for x in range(W):
        under[tops[x]:, x] = True
    n = fbm(W, 128, rng, ((4, 0.5), (2, 0.5)))
    c.tones(n, ["night", "grass_dark", "grass"], mask=under, cuts=[0.45, 0.8])
    for x in range(W):
        if x % 3 == 1:
            c.px(x, tops[x] - 1, "grass_dark")
    if path:
        # the road goes on: a gap through the wood, sky above it, the track
        # running into it from the full width of the road at the foot
        for y in range(0, 128):
            if y < 84:
                half = 7 + (84 - y) * 8 // 84
                c.rect(32 - half, y, 32 + half, y + 1, "cyan")
                c.px(32 - half - 1, y, "night")
                c.px(32 + half, y, "night")
            else:
                t = (y - 84) / 43.0
                half = 7 + t * 25
                for x in range(int(32 - half), int(32 + half) + 1):
                    edge = abs(x - 32) > half - 2
                    c.px(x, y, "grass_dark" if edge else ("earth" if (x * 3 + y) % 7 else "straw_dark"))
    return c


def trees_variant(layout, path=False):
    return lambda rng: trees(rng, layout, path)


def hedge(rng):
    c = Canvas(W, 64)
    blobs = []
    x = 0
    while x < W:
        r = 7 + int(rng.integers(0, 4))
        blobs.append((x, 28 + int(rng.integers(0, 5)), r))
        blobs.append((x + 4, 44, r + 3))
        x += 10
    blobs += [(x, 58, 10) for x in range(0, W, 12)]
    leafy_crown(c, blobs, rng)
    # fill the body so no sky shows through it, darker at the foot
    sky = c.is_colour("cyan")
    for x in range(W):
        top = int(np.argmax(~sky[:, x]))
        c.put(np.pad(sky[top:, x:x + 1], ((top, 0), (x, W - x - 1))), "night")
    c.rect(0, 61, W, 64, "night")
    for x in range(0, W, 5):
        c.px(x + 2, 60, "grass_dark")
    return c


def fence(rng):
    c = Canvas(W, 64)
    # posts: one at the seam
    for x0 in (-3,):
        c.rect(x0, 14, x0 + 6, 64, "wood")
        c.vline(x0, 14, 64, "wood_light")
        c.vline(x0 + 5, 14, 64, "wood_dark")
        c.rect(x0, 13, x0 + 6, 14, "wood_dark")
    for y0 in (22, 38):
        for x in range(3, W - 3):
            sag = int(round(np.sin((x - 3) / (W - 6) * np.pi) * 2))
            for k, col in enumerate(("wood_light", "wood", "wood", "wood_dark")):
                c.px(x, y0 + sag + k, col)
        for _ in range(5):
            x = int(rng.integers(6, W - 6))
            c.px(x, y0 + 1 + int(round(np.sin((x - 3) / (W - 6) * np.pi) * 2)), "wood_dark")
    # tall grass along the foot
    for x in range(W):
        h = int(4 + rng.integers(0, 7))
        for y in range(64 - h, 64):
            c.px(x, y, "grass_dark" if y > 60 or rng.random() < 0.5 else "grass")
        c.px(x, 64 - h, "grass_light")
    return c


def woodpile(rng):
    c = Canvas(W, 64, "wood_dark")
    # a little lean-to roof, and the stack of split logs beneath it
    c.rect(0, 0, W, 6, "cyan")
    c.rect(0, 6, W, 11, "shingle")
    c.hline(0, W, 6, "shingle_dark")
    for x in range(0, W, 6):
        c.vline(x, 7, 11, "shingle_dark")
    c.hline(0, W, 11, "wood_dark")
    c.rect(0, 12, W, 14, "shadow")
    for x in range(0, W, 3):                 # bark and dark gaps behind the log ends
        c.vline(x, 14, 64, "shadow")
    y = 18
    row = 0
    while y < 66:
        x = 0 if row % 2 else 5
        while x < W + 5:
            r = 4 + int(rng.integers(0, 3))
            cx, cy = x + int(rng.integers(-1, 2)), y + int(rng.integers(-1, 2))
            for yy in range(-r, r + 1):
                for xx in range(-r, r + 1):
                    d = (xx * xx + yy * yy) ** 0.5
                    if d > r + 0.3:
                        continue
                    if d > r - 1:
                        col = "wood_dark" if xx + yy > -2 else "wood"        # bark
                    elif d > r - 2:
                        col = "wood_pale" if xx + yy < 0 else "wood_light"
                    else:
                        col = "wood_light" if (int(d) % 2) else "wood_pale"  # rings
                    c.px(cx + xx, cy + yy, col)
            c.px(cx, cy, "wood")
            c.px(cx + 1, cy - 1, "wood")                                     # a split
            x += 2 * r + 1
        y += 10
        row += 1
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


# == cliffs and the cave from outside ========================================

def rock_face(c, top, bottom, rng, tones=("rock_dark", "stone_dark", "stone", "stone_light"), cells=(5, 6)):
    h = c.h
    pts = jittered_points(W, h, cells[0], cells[1], rng, 0.8)
    idx, f1, f2 = voronoi(W, h, pts)
    shade = np.array([rng.random() for _ in pts])[idx]
    ys, xs = np.mgrid[0:h, 0:W]
    py_ = np.array([p[1] for p in pts])[idx]
    n = fbm(W, h, rng, ((8, 0.5), (4, 0.5)))
    val = normalise(shade * 0.4 + n * 0.4 - (ys - py_) / 30.0 * 0.4 + rng.random((h, W)) * 0.1)
    region = np.zeros((h, W), bool)
    region[top:bottom] = True
    c.tones(val, list(tones), mask=region, cuts=[0.2, 0.5, 0.8])
    c.put(region & ((f2 - f1) < 1.4), tones[0])
    return val, f1, f2


def cliff_base(rng):
    c = Canvas(W, 128)
    height, edge, _ = rock_height(W, 128, rng, (3, 5), warp=8.0)
    ys = np.mgrid[0:128, 0:W][0]
    height = height + np.sin(ys * 2 * np.pi / 32 + height * 2) * 0.1
    shade_rock(c, height, edge, rng, tones=("shadow", "stone_dark", "stone", "stone_light", "stone_pale"),
               share=(0.06, 0.35, 0.75, 0.96))
    # the grassy brow against the sky
    n = value_noise(W, 128, 8, 128, rng)[0]
    top = (5 + n * 9).astype(int)
    for x in range(W):
        c.rect(x, 0, x + 1, top[x], "cyan")
        c.px(x, top[x], "grass_light")
        c.px(x, top[x] + 1, "grass")
        c.px(x, top[x] + 2, "grass_dark")
        c.px(x, top[x] + 3, "shadow")
        if x % 3 == 0:
            c.px(x, top[x] - 1, "grass")
        if x % 7 == 2:
            c.px(x, top[x] - 2, "grass_light")
    # moss on the ledges, hanging down in tufts
    m = fbm(W, 128, rng, ((16, 0.6), (4, 0.4)))
    mask = (m > 0.72) & (rng.random((128, W)) < 0.7)
    mask[:22] = False
    c.put(mask & ~c.is_colour("shadow"), "grass_dark")
    c.put(mask & (m > 0.8) & ~c.is_colour("shadow"), "grass")
    return c


def cliff(rng):
    return cliff_base(rng)


def cliff_variant(rng):
    """More of the hill: other boulders, and a grassy ledge across, so the
    face does not repeat one cell's boulders along the whole view."""
    c = cliff_base(rng)
    y0 = 52 + int(rng.integers(0, 30))
    for x in range(W):
        y = y0 + int(np.sin(x * 2 * np.pi / W + y0) * 3)
        c.px(x, y, "grass")
        c.px(x, y - 1, "grass_light" if x % 4 else "grass")
        c.px(x, y + 1, "grass_dark")
        if x % 5 == 2:
            c.px(x, y + 2, "grass_dark")
    return c


def cave_mouth(rng):
    c = cliff_base(rng)
    # the opening: a ragged dark mouth, blacker deep inside
    n = fbm(W, 128, rng, ((8, 0.6), (4, 0.4)))
    ys, xs = np.mgrid[0:128, 0:W]
    top = 58
    d = np.where(ys > top + 18, np.abs(xs - 31.5) / 21.0,
                 np.sqrt(((xs - 31.5) / 21.0) ** 2 + ((ys - top - 18) / 20.0) ** 2)) + (n - 0.5) * 0.18
    c.put(d < 1.08, "shadow")
    c.put(d < 1.0, "night")
    c.put(d < 0.8, "ink")
    c.put((d >= 1.0) & (d < 1.1) & (xs > 34) & (ys > 60), "stone_dark")
    # timber props: two posts and a lintel
    for x0 in (13, 47):
        c.rect(x0, 70, x0 + 4, 128, "wood")
        c.vline(x0, 70, 128, "wood_light")
        c.vline(x0 + 3, 70, 128, "wood_dark")
        for y in range(76, 128, 11):
            c.px(x0 + 1, y, "wood_dark")
    c.rect(10, 66, 55, 71, "wood")
    c.hline(10, 55, 66, "wood_light")
    c.hline(10, 55, 70, "wood_dark")
    c.hline(12, 53, 71, "ink")
    for x in (15, 49):
        c.px(x, 68, "iron_light")
    # rubble at the foot
    for x, y in ((8, 124), (10, 125), (55, 123), (57, 125), (30, 126), (22, 125)):
        c.rect(x, y, x + 3, y + 2, "stone")
        c.hline(x, x + 3, y, "stone_light")
    return c


# == cabin interiors ========================================================

LIGHTER = {"wood_dark": "wood", "wood": "wood_light", "wood_light": "wood_pale", "wood_pale": "wood_pale"}
DARKER = {"wood_pale": "wood_light", "wood_light": "wood", "wood": "wood_dark", "wood_dark": "shadow"}


def boards(c, rng, width, tones, vertical, y0=0, y1=None):
    """Planks `width` texels wide with grain running along them: each plank
    one tone, streaks a step darker or lighter, a knot here and there."""
    y1 = c.h if y1 is None else y1
    h = c.h
    if vertical:
        grain = value_noise(W, h, 1, 16, rng) * 0.6 + value_noise(W, h, 2, 32, rng) * 0.4
    else:
        grain = value_noise(W, h, 16, 1, rng) * 0.6 + value_noise(W, h, 32, 2, rng) * 0.4
    for y in range(y0, y1):
        for x in range(W):
            k = (x if vertical else y) // width
            tone = tones[k % len(tones)]
            g = grain[y, x]
            col = DARKER[tone] if g > 0.74 else (LIGHTER[tone] if g < 0.2 else tone)
            c.px(x, y, col)
    for k in range(0, (W if vertical else h) // width):
        a = k * width
        if vertical:
            c.vline(a, y0, y1, "shadow")
        elif y0 <= a < y1:
            c.hline(0, W, a, "shadow")
        # a knot
        kx, ky = (a + width // 2, int(rng.integers(y0 + 4, y1 - 4))) if vertical else (int(rng.integers(0, W)), a + width // 2)
        if rng.random() < 0.5:
            c.px(kx, ky, "wood_dark")
            c.px(kx + (0 if vertical else 1), ky + (1 if vertical else 0), "shadow")

def room_planks(rng):
    c = Canvas(W, 64)
    boards(c, rng, 8, ["wood", "wood_dark", "wood", "wood_light", "wood_dark", "wood", "wood", "wood_dark"], True)
    for x in range(0, W, 8):
        c.px(x + 3, 6, "iron_dark")
        c.px(x + 3, 56, "iron_dark")
    c.rect(0, 59, W, 64, "wood_dark")     # skirting
    c.hline(0, W, 59, "wood")
    c.hline(0, W, 63, "shadow")
    return c


def room_plaster(rng):
    c = Canvas(W, 64)
    plaster(c, 8, 58, rng)
    c.rect(0, 0, W, 8, "wood")           # the beam under the ceiling
    boards(c, rng, 8, ["wood"], False, 0, 8)
    c.hline(0, W, 0, "wood_light")
    c.hline(0, W, 7, "wood_dark")
    c.hline(0, W, 8, "shadow")
    c.rect(0, 58, W, 64, "wood_dark")    # skirting
    c.hline(0, W, 58, "wood")
    c.hline(0, W, 63, "shadow")
    return c


def room_panelled(rng):
    """The farmers' hall: limewash above a dado of dark boards."""
    c = room_plaster(rng)
    boards(c, rng, 6, ["wood_dark", "wood", "wood_dark"], True, 34, 58)
    c.rect(0, 32, W, 35, "wood_light")
    c.hline(0, W, 34, "wood_dark")
    c.hline(0, W, 35, "shadow")
    return c


def room_planks_painted(rng):
    """The mother's home: boards painted a faded blue, worn at the joints."""
    c = Canvas(W, 64)
    n = fbm(W, 64, rng, ((16, 0.5), (4, 0.5)))
    for x in range(W):
        for y in range(64):
            col = "paint_blue" if n[y, x] > 0.22 else "wood"
            if (x % 8 == 1) and n[y, x] > 0.6:
                col = "cloth_denim"
            c.px(x, y, col)
        if x % 8 == 0:
            c.vline(x, 0, 64, "shadow")
    c.rect(0, 59, W, 64, "wood_dark")     # skirting
    c.hline(0, W, 59, "wood")
    c.hline(0, W, 63, "shadow")
    return c


def room_door(rng):
    c = room_planks(rng)
    c.rect(14, 6, 50, 60, "wood_dark")
    for x in range(16, 48):
        col = "wood_light" if (x - 16) % 8 == 1 else ("shadow" if (x - 16) % 8 == 0 else "wood")
        c.vline(x, 8, 58, col)
    for y in (14, 46):
        c.rect(16, y, 48, y + 3, "wood_dark")
        c.hline(16, 48, y, "wood_light")
    c.rect(41, 30, 45, 34, "iron")
    c.px(44, 31, "iron_light")
    c.hline(16, 48, 58, "flame_light")     # daylight under the door
    c.hline(16, 48, 59, "straw")
    return c


def room_window(rng):
    c = room_plaster(rng)
    x0, x1, y0, y1 = 20, 44, 16, 42
    c.rect(x0 - 2, y0 - 2, x1 + 2, y1 + 2, "wood_dark")
    c.rect(x0, y0, x1, y1, "sky_light")
    c.rect(x0, y0 + 8, x1, y1, "sky")
    c.rect(x0, y1 - 6, x1, y1, "grass_light")   # the meadow outside
    c.vline(31, y0, y1, "wood_dark")
    c.vline(32, y0, y1, "wood_dark")
    c.hline(x0, x1, 28, "wood_dark")
    # curtains
    for x0c, x1c in ((14, 22), (42, 50)):
        for x in range(x0c, x1c):
            col = "cloth_red" if (x % 3) else "blood_dark"
            c.vline(x, 12, 46, col)
        c.hline(x0c, x1c, 12, "wood")
    c.rect(12, 11, 52, 13, "wood_dark")
    c.rect(16, y1 + 2, 48, y1 + 5, "wood_light")
    c.hline(16, 48, y1 + 5, "wood_dark")
    return c


def room_shelf(rng):
    c = room_planks(rng)
    # shelf with brackets
    c.rect(6, 34, 58, 38, "wood_light")
    c.hline(6, 58, 37, "wood_dark")
    c.hline(6, 58, 38, "shadow")
    for x in (10, 52):
        c.rect(x, 38, x + 2, 44, "wood_dark")
    # the framed family picture, large: the player must find it here
    c.rect(17, 4, 47, 34, "gold")
    c.rect(18, 5, 46, 33, "wood_dark")
    c.rect(19, 6, 45, 32, "parchment")
    c.rect(19, 26, 45, 32, "parchment_dark")
    # three figures: husband, wife, little boy
    for cx, top, cloth, hair in ((25, 10, "cloth_brown", "hair_dark"), (38, 11, "cloth_blue", "hair_brown"),
                                 (31, 17, "cloth_green", "hair_fair")):
        c.rect(cx - 2, top, cx + 2, top + 2, hair)
        c.rect(cx - 2, top + 2, cx + 2, top + 5, "skin")
        c.px(cx - 1, top + 3, "ink"); c.px(cx + 1, top + 3, "ink")
        c.rect(cx - 3, top + 5, cx + 3, 32, cloth)
    c.px(18, 5, "gold"); c.px(45, 5, "iron_light")
    # a candle and a jar
    c.rect(12, 28, 14, 34, "plaster_light")
    c.px(12, 27, "flame"); c.px(12, 26, "flame_light")
    c.rect(46, 27, 52, 34, "stone_light")
    c.hline(46, 52, 27, "stone_pale")
    return c


def room_hearth(rng):
    c = Canvas(W, 64)
    stone_courses(c, 0, 64, rng, course=8)
    c.rect(10, 24, 54, 60, "stone_pale")
    c.rect(13, 27, 51, 60, "ink")
    for y in range(27, 60):     # soot darkens toward the top
        if y < 40:
            c.hline(13, 51, y, "night")
    # logs and embers
    c.rect(16, 52, 48, 56, "wood_dark")
    c.hline(16, 48, 52, "wood")
    for x, y, col in ((20, 50, "glow"), (24, 49, "flame"), (28, 51, "blood"), (32, 48, "flame"),
                      (36, 50, "glow"), (40, 49, "flame_light"), (44, 51, "blood"), (30, 50, "flame_light")):
        c.px(x, y, col); c.px(x + 1, y, col); c.px(x, y + 1, "glow")
    for x in range(16, 48, 3):
        c.px(x, 55, "blood" if x % 2 else "glow")
    c.rect(6, 20, 58, 24, "wood_dark")       # mantel
    c.hline(6, 58, 20, "wood_light")
    c.rect(8, 60, 56, 64, "stone_dark")
    c.rect(26, 14, 32, 20, "iron_dark")      # a pot on the mantel
    c.hline(26, 32, 14, "iron")
    return c


def room_cupboard(rng):
    c = room_planks(rng)
    c.rect(6, 4, 58, 62, "wood_dark")
    c.rect(8, 6, 56, 34, "shadow")
    for y in (6, 20, 34):
        c.rect(8, y + 10, 56, y + 13, "wood_light")
        c.hline(8, 56, y + 13, "wood_dark")
    # plates leaning on the top shelves
    for i, x in enumerate(range(11, 54, 8)):
        c.rect(x, 8, x + 6, 16, "plaster_light" if i % 2 else "cloth_blue")
        c.rect(x + 2, 10, x + 4, 14, "plaster")
    for x, col in ((12, "iron_dark"), (22, "wood_pale"), (32, "iron"), (42, "stone_light")):
        c.rect(x, 24, x + 7, 30, col)
        c.hline(x, x + 7, 24, "iron_light" if col.startswith("iron") else "plaster_light")
    # doors below
    for x0 in (8, 33):
        c.rect(x0, 37, x0 + 23, 60, "wood")
        c.rect(x0 + 3, 40, x0 + 20, 57, "wood_light")
        c.rect(x0 + 4, 41, x0 + 19, 56, "wood")
    c.px(30, 48, "iron_light"); c.px(34, 48, "iron_light")
    return c


def floor_boards(rng):
    c = Canvas(W, 64)
    boards(c, rng, 8, ["wood", "wood_light", "wood", "wood_dark", "wood_light", "wood", "wood_dark", "wood"], False)
    for row in range(8):      # board ends, staggered, with nails
        x = (row * 23 + 11) % W
        c.vline(x, row * 8 + 1, row * 8 + 8, "shadow")
        c.px(x + 2, row * 8 + 2, "iron_dark")
        c.px(x + 2, row * 8 + 6, "iron_dark")
        c.px(x - 2, row * 8 + 2, "iron_dark")
        c.px(x - 2, row * 8 + 6, "iron_dark")
    return c


def ceiling_beams(rng):
    c = Canvas(W, 64)
    boards(c, rng, 8, ["wood_dark", "wood", "wood_dark", "wood_dark", "wood", "wood_dark", "wood", "wood_dark"], True)
    c.rect(0, 24, W, 40, "wood_dark")
    boards(c, rng, 16, ["wood_dark"], False, 25, 39)
    c.hline(0, W, 24, "wood")
    c.hline(0, W, 38, "shadow")
    c.hline(0, W, 39, "ink")
    for x in range(4, W, 16):      # pegs
        c.px(x, 31, "wood")
        c.px(x + 1, 32, "shadow")
    return c


# == the cave ===============================================================
#
# The cave is seen only through the lantern's distance darkness, which keeps
# about 60 % of a texel's colour one cell away and a quarter four cells away.
# So its rock is drawn in warm mid tones, lighter than it would be by day:
# near faces read clearly and a far opening is still darker than the rock
# beside it. Wet rock is big smooth masses, a few long cracks rather than a
# paving of blocks, darker where water runs, and a few bright highlights.


def rock_height(w, h, rng, cells=(4, 4), warp=6.0, crevice=2.0, bumps=0.5):
    """A height field of fractured rock: rounded blocks (warped Voronoi cells)
    parted by crevices, with noise on their faces. Wraps at both edges."""
    wx = (fbm(w, h, rng, ((16, 0.6), (8, 0.4))) - 0.5) * 2 * warp
    wy = (fbm(w, h, rng, ((16, 0.6), (8, 0.4))) - 0.5) * 2 * warp
    pts = jittered_points(w, h, cells[0], cells[1], rng, 0.9)
    idx, f1, f2 = voronoi(w, h, pts, (wx, wy))
    block = np.clip((f2 - f1) / (crevice * 4), 0, 1) ** 0.5
    lift = np.array([rng.random() for _ in pts])[idx]
    detail = fbm(w, h, rng, ((8, 0.5), (4, 0.3), (2, 0.2)))
    height = block * (0.7 + 0.3 * lift) + detail * bumps
    return height, (f2 - f1), lift


CAVE_ROCK = ("cave_ink", "cave_rock_dark", "cave_rock", "cave_rock_light", "cave_rock_pale")
# one step darker, for rock that water runs over
WETTER = {"cave_rock_pale": "cave_rock_light", "cave_rock_light": "cave_rock",
          "cave_rock": "cave_wet", "cave_rock_dark": "cave_rock_dark", "cave_ink": "cave_ink"}


def shade_rock(c, height, edge, rng, mask=None, tones=CAVE_ROCK,
               strength=4.0, crack=1.0, share=(0.04, 0.2, 0.56, 0.87)):
    """Paints a rock height field lit from the upper left, crevices dark.
    share: the fraction of texels at or below each tone boundary, so every
    face gets the same balance of tones whatever its relief."""
    light = relief(height, strength=strength)
    val = light + (height - height.mean()) * 0.4 + (rng.random(height.shape) - 0.5) * 0.06
    sample = val if mask is None else val[mask]
    cuts = list(np.quantile(sample, share))
    c.tones(val, list(tones), mask=mask, cuts=cuts)
    cr = edge < crack
    if mask is not None:
        cr &= mask
    c.put(cr, tones[0])
    return val


def wet_rock_height(w, h, rng, scale=1.0, strata=0, cracks=2):
    """Smooth masses of rock with a few long wandering cracks (contours of a
    second noise, broken up so that they never close into blocks)."""
    ys, xs = np.mgrid[0:h, 0:w]
    height = fbm(w, h, rng, ((32, 0.5), (16, 0.3), (8, 0.14), (4, 0.06))) * scale
    if strata:
        height = height + np.sin(ys * 2 * np.pi / strata + height * 3) * 0.05
    n = fbm(w, h, rng, ((32, 0.6), (16, 0.4)))
    keep = fbm(w, h, rng, ((32, 0.6), (16, 0.4)))
    crack = np.zeros((h, w), bool)
    for k in range(cracks):
        level = (k + 1) / (cracks + 1)
        line = np.abs(n - level) < 0.014
        crack |= line & (keep > 0.5)
    height = height - crack * 0.04
    return height, crack


def paint_wet_rock(c, height, crack, rng, mask=None, share=(0.02, 0.14, 0.6, 0.92),
                   wet_share=0.22, sheen=0.012, strength=1.0):
    """Lit from the upper left: the lantern is carried on the player's left.
    Most of the face is the two middle tones; the darkest and lightest are
    kept for the hollows and the lit brows of the masses."""
    h, w = height.shape
    light = relief(height)
    light = light / (light.std() + 1e-9)
    val = normalise(height) * 1.6 + light * 0.35 * strength + (rng.random((h, w)) - 0.5) * 0.05
    region = np.ones((h, w), bool) if mask is None else mask
    cuts = list(np.quantile(val[region], share))
    c.tones(val, list(CAVE_ROCK), mask=region, cuts=cuts)
    # water runs down the face in soft streaks: there the rock is a tone darker
    wet = value_noise(w, h, 4, 32, rng) * 0.6 + value_noise(w, h, 8, 16, rng) * 0.4
    wet = (wet > np.quantile(wet, 1 - wet_share)) & region & ~crack if wet_share else np.zeros((h, w), bool)
    before = c.a.copy()
    for name, darker in WETTER.items():
        m = wet & np.all(before == np.array(rgb(name), np.uint8), axis=2)
        c.put(m, darker)
    # cracks: a dark line with the lit lower lip under it
    cr = crack & region
    lip = np.roll(cr, 1, 0) & ~cr & region
    c.put(lip, "cave_rock_light")
    c.put(cr, "cave_ink")
    # a few bright highlights on wet lit brows, single texels
    top = (light > np.quantile(light[region], 0.9)) & wet & ~cr
    spots = top & (rng.random((h, w)) < sheen * 6)
    c.put(spots, "cave_sheen")
    return val


def cave_rock_base(c, rng, strata=0, cracks=2):
    height, crack = wet_rock_height(W, c.h, rng, strata=strata, cracks=cracks)
    return paint_wet_rock(c, height, crack, rng), height


def puddles(c, rng, count, y0=0, y1=64, size=(5, 9)):
    """Still water in the hollows of the floor: dark, reflecting a pale rim
    on its far (upper) side and a glint or two."""
    ys, xs = np.mgrid[0:c.h, 0:W]
    band = (y1 - y0) // max(count, 1)
    for k in range(count):
        # each in its own band and apart sideways, never a pair side by side
        cx = int(k * W * 0.55 + rng.integers(0, 12))
        cy = int(y0 + k * band + band // 2 + rng.integers(-3, 4))
        rx = int(rng.integers(size[0], size[1] + 1))
        ry = max(2, rx // 2)
        n = fbm(W, c.h, rng, ((8, 0.6), (4, 0.4)))
        dx = wrapped_dx(xs, cx)
        d = np.sqrt((dx / rx) ** 2 + ((ys - cy) / ry) ** 2) + (n - 0.5) * 0.5
        water = d < 1.0
        c.put((d < 1.25) & ~water, "cave_wet")
        c.put(water, "cave_puddle")
        rim = water & ~np.roll(water, 1, 0)
        c.put(rim, "cave_puddle_light")
        c.px(cx - rx // 3, cy, "cave_sheen")
        c.px(cx - rx // 3 + 1, cy, "cave_puddle_light")


def cave_floor(rng):
    c = Canvas(W, 64)
    height, crack = wet_rock_height(W, 64, rng, cracks=2)
    paint_wet_rock(c, height, crack, rng, share=(0.03, 0.35, 0.85, 0.985), wet_share=0.35)
    puddles(c, rng, 1, size=(4, 6))
    for _ in range(26):                      # grit and small stones
        x, y = int(rng.integers(0, W)), int(rng.integers(0, 64))
        if c.is_colour("cave_puddle")[y, x]:
            continue
        c.px(x, y, "cave_rock_pale")
        c.px(x + 1, y, "cave_rock_dark")
    return c


def cave_floor_variant(count, size):
    """More of the same floor, with more standing water: the map mixes
    them so that no pattern comes back every cell."""
    def make(rng):
        c = Canvas(W, 64)
        height, crack = wet_rock_height(W, 64, rng, cracks=2)
        paint_wet_rock(c, height, crack, rng, share=(0.03, 0.35, 0.85, 0.985), wet_share=0.35)
        puddles(c, rng, count, size=size)
        for _ in range(20):
            x, y = int(rng.integers(0, W)), int(rng.integers(0, 64))
            if not c.is_colour("cave_puddle")[y, x]:
                c.px(x, y, "cave_rock_pale")
                c.px(x + 1, y, "cave_rock_dark")
        return c
    return make


def cave_ceiling(rng):
    c = Canvas(W, 64)
    height, crack = wet_rock_height(W, 64, rng, cracks=2)
    val = paint_wet_rock(c, height, crack, rng, share=(0.05, 0.4, 0.85, 0.98), wet_share=0.25)
    # drips hanging at the lowest knobs
    knobs = (height > np.quantile(height, 0.99)) & (rng.random((64, W)) < 0.5)
    c.put(knobs, "cave_sheen")
    return c


def cave_floor_blood(rng):
    c = cave_floor(rng_for("textures/cave_floor.png"))
    ys, xs = np.mgrid[0:64, 0:W]
    n = fbm(W, 64, rng, ((8, 0.6), (4, 0.4)))
    d = np.sqrt((xs - 32) ** 2 + ((ys - 34) * 1.3) ** 2) / 22 + (n - 0.5) * 0.6
    c.put(d < 1.0, "blood_dark")
    c.put(d < 0.75, "blood")
    c.put((d < 0.55) & (n > 0.6), "blood_dark")
    # splashes
    for _ in range(14):
        a = rng.random() * 2 * np.pi
        r = 22 + rng.random() * 8
        x, y = int(32 + np.cos(a) * r), int(34 + np.sin(a) * r / 1.3)
        c.px(x, y, "blood_dark")
        if rng.random() < 0.5:
            c.px(x + 1, y, "blood")
    # a glint of wet on the pool
    c.px(26, 28, "cloth_red"); c.px(27, 28, "cloth_red")
    return c


def cave_rock(variant):
    """Rock face number `variant` (1 to 15): the same wet rock, each with its
    own grain and one feature of its own. Variant 1 carries the tally marks
    that the game carves at run time (rows 25 to 36, centred): a plain,
    even face there, so that light scratches show on it."""
    v = variant
    strata = {3: 10, 6: 16, 9: 8, 14: 12}.get(v, 0)
    cracks = {1: 1, 4: 1, 11: 4, 12: 3}.get(v, 2)

    def make(rng):
        c = Canvas(W, 64)
        ys, xs = np.mgrid[0:64, 0:W]
        height, crack = wet_rock_height(W, 64, rng, strata=strata, cracks=cracks)
        if v == 11:
            # columnar joints: tall narrow masses
            height = height + np.abs(np.sin(xs * np.pi / 11 + height * 2)) * 0.05
        flat = None
        if v == 1:
            d = np.maximum(np.abs(xs - 32) / 24.0, np.abs(ys - 30) / 15.0)
            flat = d < 1.0
            crack &= ~(d < 1.25)
        paint_wet_rock(c, height, crack, rng, wet_share=0.0 if v == 1 else 0.35)
        if v == 1:
            # the slab: one even mid tone with a soft lit top edge and a few
            # specks, darker than the marks' pale stone and lighter than
            # their shadowed side
            fine = rng.random((64, W))
            c.put(flat, "cave_rock")
            c.put(flat & (fine < 0.05), "cave_rock_light")
            c.put(flat & (fine > 0.985), "cave_rock_dark")
            rim = flat & ~np.roll(flat, 1, 0)
            c.put(rim, "cave_rock_light")
            low = flat & ~np.roll(flat, -1, 0)
            c.put(low, "cave_rock_dark")
        elif v == 2:            # a wide fissure running down the face
            x = 14.0
            for y in range(64):
                x += 0.55 + np.sin(y / 5.0) * 0.8
                xi = int(x)
                wdt = 3 + (y % 19 < 7)
                c.rect(xi, y, xi + wdt, y + 1, "cave_ink")
                c.px(xi - 1, y, "cave_rock_light")
                c.px(xi + wdt, y, "cave_rock_dark")
                if y % 9 == 4:
                    c.px(xi - 1, y, "cave_sheen")
        elif v == 3:          # a pale mineral vein
            wob = value_noise(W, 1, 8, 1, rng)[0]
            for x in range(W):
                y = int(30 + np.sin(x * 2 * np.pi / W) * 7 + wob[x] * 4)
                if wob[x] > 0.15:
                    c.px(x, y, "stone_pale")
                    c.px(x, y + 1, "stone")
        elif v == 5:          # water seeping down in two streaks
            for x0 in (21, 45):
                for y in range(4, 64):
                    x = x0 + int(np.sin(y / 7.0) * 1.5)
                    c.px(x, y, "cave_puddle")
                    c.px(x + 1, y, "cave_wet")
                    if y % 11 == 3:
                        c.px(x, y, "cave_sheen")
        elif v == 6:          # a jutting ledge
            for x in range(W):
                y0 = 38 + int(np.sin(x * 2 * np.pi / W) * 2)
                c.px(x, y0, "cave_rock_pale")
                c.rect(x, y0 + 1, x + 1, y0 + 4, "cave_rock_light")
                c.rect(x, y0 + 4, x + 1, y0 + 7, "cave_ink")
                c.px(x, y0 + 7, "cave_rock_dark")
        elif v == 7:          # pale lichen in the damp
            m = fbm(W, 64, rng, ((16, 0.5), (4, 0.5)))
            spots = (m > 0.7) & (rng.random((64, W)) < 0.55)
            c.put(spots, "grass_dark")
            c.put(spots & (rng.random((64, W)) < 0.25), "grass_light")
        elif v == 8:          # a deep dark recess
            n = fbm(W, 64, rng, ((8, 1.0),))
            d = np.sqrt((xs - 30) ** 2 + ((ys - 36) * 1.3) ** 2) + (n - 0.5) * 6
            c.put(d < 15, "cave_rock_dark")
            c.put(d < 12, "cave_ink")
            c.put((d >= 12) & (d < 15) & (ys > 36), "cave_rock_light")
        elif v == 9:          # broken horizontal beds
            for y0 in (20, 43):
                for x in range(W):
                    y = y0 + int(np.sin(x / 9.0) * 1.2)
                    c.px(x, y, "cave_ink")
                    c.px(x, y + 1, "cave_rock_dark")
                    c.px(x, y + 2, "cave_rock_light")
        elif v == 10:         # an ochre mineral stain
            m = fbm(W, 64, rng, ((16, 0.6), (4, 0.4)))
            stain = (m > 0.66) & ~c.is_colour("cave_ink")
            c.put(stain & c.is_colour("cave_rock_dark"), "mud")
            c.put(stain & (c.is_colour("cave_rock") | c.is_colour("cave_wet")), "earth")
            c.put(stain & c.is_colour("cave_rock_light"), "straw_dark")
        elif v == 12:         # worked by picks: rows of short scars
            for k in range(14):
                x, y = int(rng.integers(2, 60)), int(rng.integers(4, 58))
                for i in range(4):
                    c.px(x + i, y + i, "cave_ink")
                    c.px(x + i + 1, y + i, "cave_rock_pale")
        elif v == 13:         # teeth of rock hanging from an overhang
            for x in range(W):
                c.rect(x, 0, x + 1, 4 + (x * 5 % 7 > 3) + (x % 11 == 0) * 2, "cave_ink")
            for x0 in range(3, W, 8):
                ln = int(rng.integers(8, 18))
                for y in range(4, 4 + ln):
                    wdt = max(1, 3 - (y - 4) * 3 // ln)
                    c.rect(x0 - wdt, y, x0 + wdt, y + 1, "cave_rock")
                    c.px(x0 - wdt, y, "cave_rock_light")
                    c.px(x0 + wdt, y, "cave_ink")
                c.px(x0, 4 + ln, "cave_sheen")
        elif v == 14:         # a band of pale quartz pebbles
            for _ in range(45):
                x, y = int(rng.integers(0, W)), int(rng.integers(27, 40))
                c.px(x, y, "stone_pale")
                c.px(x + 1, y, "stone")
                c.px(x, y + 1, "cave_rock_dark")
        elif v == 15:         # roots breaking through
            for x0 in (14, 40):
                x = x0
                for y in range(0, 50):
                    x += int(rng.integers(-1, 2))
                    c.px(x, y, "wood_dark")
                    c.px(x + 1, y, "wood")
                    if y % 13 == 7:
                        for i in range(1, 6):
                            c.px(x + i, y + i // 2, "wood_dark")
        # (variant 4 is the plain one)
        return c
    return make


def daylight(c, inside, ys, xs, floor_row):
    """The world outside seen through the mouth: pale sky, a band of far
    trees, the green of the farm and the path. Light enough to stay light
    under the lantern's darkness."""
    c.put(inside, "eye_white")
    c.put(inside & (ys > floor_row - 34), "sky_light")
    trees = floor_row - 28 + ((xs * 7) % 5) - (xs % 9 == 3) * 3
    c.put(inside & (ys > trees), "grass")
    c.put(inside & (ys > floor_row - 20), "grass_light")
    c.put(inside & (ys > floor_row - 8) & (np.abs(xs - 32) < 10 + (floor_row - ys)), "straw")


def mouth_arch(rng, part):
    """The mouth of the cave seen from inside, three cells wide: part 0 is
    its middle (a tall arch of daylight), -1 and 1 its two shoulders (the
    opening's side running out against rock). Only the lower storey shows
    under the cave's ceiling, so the arch sits in rows 64 to 127."""
    c = Canvas(W, 128)
    cave_rock_base(c, rng)
    ys, xs = np.mgrid[0:128, 0:W]
    n = fbm(W, 128, rng, ((8, 0.6), (4, 0.4)))
    bottom = 128
    if part == 0:
        # a wide opening the whole cell across, arched at the top
        top = 70 + (np.abs(xs - 31.5) / 32.0) ** 2 * 14 + (n - 0.5) * 5
        inside = ys > top
    else:
        # the opening continues from the middle cell and closes toward the
        # far side: its top falls away from the middle
        t = (xs if part > 0 else (W - 1 - xs)) / (W - 1.0)
        top = 84 + t * t * 40 + (n - 0.5) * 5
        inside = ys > top
    rim = (ys > top - 3) & ~inside
    c.put(rim, "cave_rock_light")
    c.put((ys > top - 1) & ~inside, "cave_rock_pale")
    daylight(c, inside, ys, xs, bottom)
    return c


def cave_light(rng):
    return mouth_arch(rng, 0)


def cave_light_north(rng):
    return mouth_arch(rng, 1)


def cave_light_south(rng):
    return mouth_arch(rng, -1)


def cave_props(rng):
    c = Canvas(W, 128)
    cave_rock_base(c, rng)
    for x0 in (4, 52):
        c.rect(x0, 16, x0 + 8, 128, "wood")
        c.vline(x0, 16, 128, "wood_light")
        c.vline(x0 + 7, 16, 128, "wood_dark")
        for y in range(22, 128, 14):
            c.hline(x0 + 1, x0 + 6, y, "wood_dark")
    # the cap beam sits in the storey that shows under the ceiling
    c.rect(0, 66, W, 74, "wood")
    c.hline(0, W, 66, "wood_light")
    c.hline(0, W, 73, "wood_dark")
    c.hline(0, W, 74, "cave_ink")
    for x in (8, 56):
        c.px(x, 69, "iron_light")
    return c


def cave_hole(rng):
    c = Canvas(W, 64)
    cave_rock_base(c, rng, cracks=2)
    ys, xs = np.mgrid[0:64, 0:W]
    d = np.sqrt((xs - 34) ** 2 + ((ys - 30) * 1.3) ** 2)
    c.put(d < 10, "cave_rock_light")
    c.put(d < 9, "cave_rock_dark")
    c.put(d < 7.5, "cave_ink")
    c.put(d < 6, "ink")
    # something shiny deep inside: a small gleam, a spark on its top
    for x, y, name in ((33, 32, "gold"), (34, 32, "gold"), (35, 32, "gold"), (36, 32, "gold"),
                       (34, 31, "gold"), (35, 31, "flame_light"), (36, 31, "gold"),
                       (33, 33, "glow"), (34, 33, "gold"), (35, 33, "gold"), (36, 33, "glow"),
                       (35, 30, "flame_light"), (37, 31, "flame_light"), (38, 30, "flame_light"),
                       (32, 31, "glow")):
        c.px(x, y, name)
    c.hline(25, 44, 39, "cave_rock_pale")
    return c


GENERATORS = {
    "textures/grass.png": grass,
    "textures/road.png": road,
    "textures/cobbles.png": cobbles,
    "textures/cabin_wall.png": cabin_wall,
    "textures/cabin_door.png": cabin_door,
    "textures/cabin_window.png": cabin_window,
    "textures/church_wall.png": church_wall,
    "textures/church_door.png": church_door,
    "textures/trees.png": trees,
    "textures/hedge.png": hedge,
    "textures/fence.png": fence,
    "textures/barn_wall.png": barn_wall,
    "textures/barn_door.png": barn_door,
    "textures/field.png": field,
    "textures/hay.png": hay,
    "textures/cliff.png": cliff,
    "textures/cave_mouth.png": cave_mouth,
    "textures/woodpile.png": woodpile,
    "textures/room_planks.png": room_planks,
    "textures/room_plaster.png": room_plaster,
    "textures/room_door.png": room_door,
    "textures/room_window.png": room_window,
    "textures/room_shelf.png": room_shelf,
    "textures/room_hearth.png": room_hearth,
    "textures/room_cupboard.png": room_cupboard,
    "textures/floor_boards.png": floor_boards,
    "textures/ceiling_beams.png": ceiling_beams,
    "textures/cave_floor.png": cave_floor,
    "textures/cave_ceiling.png": cave_ceiling,
    "textures/cave_light.png": cave_light,
    "textures/cave_props.png": cave_props,
    "textures/cave_floor_blood.png": cave_floor_blood,
    "textures/cave_hole.png": cave_hole,
    "textures/cave_light_north.png": cave_light_north,
    "textures/cave_light_south.png": cave_light_south,
    "textures/cave_floor_02.png": cave_floor_variant(0, (4, 6)),
    "textures/room_panelled.png": room_panelled,
    "textures/room_planks_painted.png": room_planks_painted,
    "textures/trees_02.png": trees_variant(2),
    "textures/trees_03.png": trees_variant(3),
    "textures/trees_04.png": trees_variant(4),
    "textures/trees_road.png": trees_variant(3, path=True),
    "textures/cliff_02.png": cliff_variant,
    "textures/cliff_03.png": cliff_variant,
    "textures/road_02.png": road,
    "textures/road_03.png": road,
    "textures/hay_02.png": hay,
    "textures/hay_03.png": hay,
    "textures/cabin_door_2.png": cabin_door_mark("wreath", "cloth_black"),
    "textures/cabin_door_3.png": cabin_door_mark("board", "paint_green"),
    "textures/cabin_door_4.png": cabin_door_mark("pots", "paint_blue"),
    "textures/cabin_door_1.png": cabin_door_mark("sign", "paint_red"),
    "textures/cave_floor_03.png": cave_floor_variant(2, (6, 10)),
}
for _i in range(1, 16):
    GENERATORS["textures/cave_rock_%02d.png" % _i] = cave_rock(_i)


def make(name):
    return GENERATORS[name](rng_for(name)).image()
