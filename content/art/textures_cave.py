"""Rock: the cave inside, under the lantern, and the cliffs and the cave's
mouth seen from the farm."""
import numpy as np

from common.palette import rgb
from art.canvas import Canvas, value_noise, fbm, voronoi, jittered_points, relief
from art.textures_common import W, rng_for, wrapped_dx


# == the cave ===============================================================
#
# The cave is seen only through the lantern's distance darkness, which keeps
# about 60 % of a texel's colour one cell away and a quarter four cells away.
# So its rock is drawn in warm mid tones, lighter than it would be by day:
# near faces read clearly and a far opening is still darker than the rock
# beside it. The rock is fractured blocks and ledges lit from above, by the
# lantern held up: light tops, dark undersides, so the faces have form. The
# walls are the lightest rock, since the darkness leaves them at half or
# less while the floor underfoot keeps all its colour; the floor and the
# ceiling are a tone darker, so that they frame the walls, not outshine them.


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


def rock_cells(w, h, rng, size=(22, 12), warp=2.5, jitter=0.8):
    """Which block each texel belongs to: irregular blocks wider than tall,
    laid roughly in beds, their edges wobbling a little. Wraps both ways."""
    nx, ny = max(w // size[0], 1), max(h // size[1], 1)
    pts = jittered_points(w, h, nx, ny, rng, jitter)
    # every other bed shifted half a block, as stone lies in a quarry face
    pts = [(x + (w / nx / 2 if int(y * ny / h) % 2 else 0), y) for x, y in pts]
    wx = (fbm(w, h, rng, ((16, 0.6), (8, 0.4))) - 0.5) * 2 * warp
    wy = (fbm(w, h, rng, ((16, 0.6), (8, 0.4))) - 0.5) * 2 * warp
    ys, xs = np.mgrid[0:h, 0:w].astype(float)
    xs, ys = xs + wx, ys + wy
    stretch = size[0] / float(size[1])
    best = np.full((h, w), np.inf)
    idx = np.zeros((h, w), int)
    for k, (px_, py_) in enumerate(pts):
        dx = np.abs(xs - px_) % w
        dx = np.minimum(dx, w - dx) / stretch
        dy = np.abs(ys - py_) % h
        dy = np.minimum(dy, h - dy)
        d = dx * dx + dy * dy
        closer = d < best
        best[closer] = d[closer]
        idx[closer] = k
    return idx, len(pts)


def runs_down(idx):
    """For each texel, the rows since the top of its block in that column
    and the rows left to its bottom (0 on its last row); columns wrap."""
    h, w = idx.shape
    above = np.zeros((h, w), int)
    below = np.zeros((h, w), int)
    for x in range(w):
        col = idx[:, x]
        starts = np.flatnonzero(col != np.roll(col, 1))
        if len(starts) == 0:
            above[:, x] = np.arange(h)
            below[:, x] = h - 1 - np.arange(h)
            continue
        for i, s in enumerate(starts):
            e = starts[(i + 1) % len(starts)]
            n = (e - s) % h or h
            rows = (s + np.arange(n)) % h
            above[rows, x] = np.arange(n)
            below[rows, x] = n - 1 - np.arange(n)
    return above, below


def paint_blocks(c, rng, size=(22, 12), top=4, dim=0.2, mask=None, ledges=0.25, cuts=(0.45, 0.85)):
    """Rock in blocks lit from above, by the lantern held high: each block's
    top edge catches the light, its face darkens downward to a shadowed
    underside over a dark joint, and its left edge is lit a little more than
    its right. top is the brightest tone a face reaches (4 pale, 3 light);
    dim the share of blocks a tone darker; ledges the share whose top is a
    broad lit shelf over a deep shadow; cuts how far down a face (as a share
    of its height) it stays light, and then mid-toned, before the shadow."""
    h, w = c.h, c.w
    idx, n = rock_cells(w, h, rng, size)
    above, below = runs_down(idx)
    dimmer = (rng.random(n) < dim)[idx]
    shelf = (rng.random(n) < ledges)[idx]
    frac = above / np.maximum(above + below, 1).astype(float)
    wob = value_noise(w, h, 4, 16, rng)
    frac = frac + (wob - 0.5) * 0.2
    tone = np.where(frac < cuts[0], 3, np.where(frac < cuts[1], 2, 1))
    tone = np.where(above == 0, top, tone)
    tone = np.where(shelf & (above == 1), top, tone)
    tone = np.where(shelf & (above == 2), 3, tone)
    tone = np.where(below == 1, 1, tone)
    tone = np.where(below == 0, 0, tone)
    tone = np.where(shelf & (below == 1) & (above > 3), 0, tone)
    # the vertical joints: dark, the block's lit left edge beside them
    right = idx != np.roll(idx, -1, 1)
    left = idx != np.roll(idx, 1, 1)
    tone = np.where(left & (tone > 0) & (tone < 4), tone + 1, tone)
    tone = np.where(right & (below > 0), 0, tone)
    tone = np.where(dimmer & (tone > 0), tone - 1, tone)
    tone = np.minimum(tone, top)
    region = np.ones((h, w), bool) if mask is None else mask
    for k, name in enumerate(CAVE_ROCK):
        c.put(region & (tone == k), name)
    return tone, idx


def rock_cracks(c, rng, count, mask=None):
    """Thin cracks across the face: a dark line with its lower lip lit."""
    h = c.h
    for _ in range(count):
        x, y = int(rng.integers(0, W)), float(rng.integers(4, h - 6))
        slope = (rng.random() - 0.5) * 0.8
        for i in range(int(rng.integers(6, 16))):
            yi = int(round(y))
            if mask is None or mask[yi % h, (x + i) % W]:
                c.px(x + i, yi, "cave_ink")
                c.px(x + i, yi + 1, "cave_rock_light")
            y += slope + (rng.random() - 0.5) * 0.6


def wet_streaks(c, rng, share):
    """Water runs down the face in soft streaks: there the rock is a tone
    darker."""
    h = c.h
    wet = value_noise(W, h, 4, 32, rng) * 0.6 + value_noise(W, h, 8, 16, rng) * 0.4
    wet = wet > np.quantile(wet, 1 - share)
    before = c.a.copy()
    for name, darker in WETTER.items():
        m = wet & np.all(before == np.array(rgb(name), np.uint8), axis=2)
        c.put(m, darker)


def cave_rock_base(c, rng, size=(22, 12), cracks=2, wet=0.15):
    tone, idx = paint_blocks(c, rng, size)
    rock_cracks(c, rng, cracks)
    if wet:
        wet_streaks(c, rng, wet)
    return tone


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
    return cave_floor_variant(1, (4, 6), grit=26)(rng)


def cave_floor_variant(count, size, grit=20):
    """The floor: broad flat slabs, grit and standing water; the variants
    have more water, and the map mixes them so that no pattern comes back
    every cell."""
    def make(rng):
        c = Canvas(W, 64)
        paint_blocks(c, rng, (32, 16), top=3, dim=0.45, ledges=0.0, cuts=(0.25, 0.65))
        rock_cracks(c, rng, 2)
        wet_streaks(c, rng, 0.25)
        puddles(c, rng, count, size=size)
        for _ in range(grit):                # grit and small stones
            x, y = int(rng.integers(0, W)), int(rng.integers(0, 64))
            if not c.is_colour("cave_puddle")[y, x]:
                c.px(x, y, "cave_rock_pale")
                c.px(x, y + 1, "cave_rock_dark")
        return c
    return make


def cave_ceiling(rng):
    """Overhead rock, a tone darker than the walls and with no pale edges,
    so that it stays behind them: the lantern is below it."""
    c = Canvas(W, 64)
    paint_blocks(c, rng, (26, 14), top=3, dim=0.6, ledges=0.0, cuts=(0.2, 0.6))
    wet_streaks(c, rng, 0.25)
    # drips hanging here and there
    for _ in range(6):
        x, y = int(rng.integers(0, W)), int(rng.integers(0, 62))
        c.px(x, y, "cave_rock_light")
        c.px(x, y + 1, "cave_sheen")
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
    """Rock face number `variant` (1 to 15): the same rock, each with its
    own beds and one feature of its own. Variant 1 carries the tally marks
    that the game carves at run time (rows 25 to 36, centred): a plain,
    even face there, so that light scratches show on it."""
    v = variant
    # the beds: thin in some faces, tall narrow columns in one
    size = {3: (28, 9), 6: (26, 16), 9: (30, 8), 11: (9, 22), 14: (24, 10)}.get(v, (22, 12))
    cracks = {1: 1, 4: 1, 11: 4, 12: 3}.get(v, 2)

    def make(rng):
        c = Canvas(W, 64)
        ys, xs = np.mgrid[0:64, 0:W]
        flat = None
        if v == 1:
            d = np.maximum(np.abs(xs - 32) / 24.0, np.abs(ys - 30) / 15.0)
            flat = d < 1.0
        cave_rock_base(c, rng, size, cracks if v != 1 else 0, 0.0 if v == 1 else 0.2)
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


# == cliffs and the cave from outside ========================================

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
