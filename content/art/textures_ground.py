"""The ground outside: grass, the roads, cobbles, the ploughed field, hay."""
import numpy as np

from art.canvas import Canvas, fbm, normalise, voronoi, jittered_points
from art.textures_common import W


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
