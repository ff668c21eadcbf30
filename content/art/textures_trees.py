"""Woods, hedges, fences and the woodpile: what grows or is built of wood
along the edge of the maps."""
import numpy as np

from art.canvas import Canvas, value_noise, fbm, relief
from art.textures_common import W, wrapped_dx


# == woods, hedges, fences ===================================================

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
        # The gap's dark edge is drawn only against the trees: where sky was
        # already either side of it, it would stand in the sky as a wire.
        sky = c.is_colour("cyan")
        for y in range(0, 128):
            if y < 84:
                half = 7 + (84 - y) * 8 // 84
                c.rect(32 - half, y, 32 + half, y + 1, "cyan")
                for x in (32 - half - 1, 32 + half):
                    if not sky[y, x]:
                        c.px(x, y, "night")
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
