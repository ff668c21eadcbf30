"""Inside the cabins: walls, doors, furniture faces, floors and ceilings."""
from art.canvas import Canvas, value_noise
from art.textures_common import W
from art.textures_buildings import plaster, stone_courses


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
    """The mother's home: boards painted a pale, faded blue. The paint is worn
    where hands and feet wear it, along the board edges and near the floor,
    in thin streaks with the grain; never blotches, which read as creatures
    on the wall."""
    c = Canvas(W, 64)
    grain = value_noise(W, 64, 1, 16, rng)
    for x in range(W):
        k = x % 8
        for y in range(64):
            col = "sky_light" if k == 1 else "sky"
            if k in (2, 6) and grain[y, x] > 0.8:
                col = "cloth_denim"              # the grain under the paint
            c.px(x, y, col)
        if k == 0:
            c.vline(x, 0, 64, "shadow")
        elif k == 7:
            c.vline(x, 0, 64, "paint_blue")
    for _ in range(18):                          # wear: bare wood along the grain
        x = int(rng.integers(0, 8)) * 8 + int(rng.choice([1, 6]))
        y = int(rng.integers(2, 56))
        ln = int(rng.integers(2, 6))
        c.vline(x, y, y + ln, "wood_light")
        c.px(x, y + ln, "wood")
    for x in range(W):                           # scuffed above the skirting
        if x % 8 and rng.random() < 0.35:
            c.vline(x, 56 - int(rng.integers(0, 3)), 59, "wood_light")
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
    """The cook's ceiling: boards over one heavy beam, smoked a little by
    the hearth but still holding the daylight."""
    c = Canvas(W, 64)
    boards(c, rng, 8, ["wood_light", "wood", "wood_light", "wood_pale", "wood", "wood_light", "wood", "wood_light"], True)
    c.rect(0, 24, W, 40, "wood")
    boards(c, rng, 16, ["wood"], False, 25, 39)
    c.hline(0, W, 24, "wood_light")
    c.hline(0, W, 38, "wood_dark")
    c.hline(0, W, 39, "shadow")
    for x in range(4, W, 16):      # pegs
        c.px(x, 31, "wood_dark")
        c.px(x + 1, 32, "shadow")
    return c


def ceiling_plaster(rng):
    """The widow's ceiling: limewash between two slim joists, kept clean."""
    c = Canvas(W, 64)
    plaster(c, 0, 80, rng)          # (below the last row: no rain grime overhead)
    for x0 in (0, 32):
        c.rect(x0, 0, x0 + 5, 64, "wood")
        c.vline(x0, 0, 64, "wood_light")
        c.vline(x0 + 4, 0, 64, "wood_dark")
        c.vline(x0 + 5, 0, 64, "plaster_dark")     # the joist's shadow
        for y in range(6, 64, 21):
            c.px(x0 + 2, y, "wood_dark")
    return c


def ceiling_thatch(rng):
    """The farmers' hall, open to its roof: the thatch seen from under,
    bundles of reed in courses, laid on rafters with a batten across."""
    c = Canvas(W, 64)
    # the reeds lie across the rafters: streaks along the rows, not patches
    n = value_noise(W, 64, 8, 1, rng) * 0.6 + value_noise(W, 64, 16, 2, rng) * 0.4
    c.tones(n, ["straw_dark", "thatch", "straw", "straw"], cuts=[0.25, 0.5, 0.8])
    for y in range(0, 64, 8):                       # the courses' butt ends
        c.hline(0, W, y + 7, "straw_dark")
        for x in range(int(rng.integers(0, 3)), W, 3):
            c.px(x, y + 6, "thatch")
    for _ in range(60):                             # single reeds
        x, y = int(rng.integers(0, W)), int(rng.integers(0, 64))
        c.rect(x, y, x + int(rng.integers(3, 7)), y + 1, "parchment_dark" if rng.random() < 0.5 else "thatch")
    for x0 in (10, 42):                             # rafters
        c.rect(x0, 0, x0 + 6, 64, "wood")
        c.vline(x0, 0, 64, "wood_light")
        c.vline(x0 + 5, 0, 64, "wood_dark")
        c.vline(x0 + 6, 0, 64, "straw_dark")
    c.rect(0, 28, W, 31, "wood_light")              # a batten
    c.hline(0, W, 31, "wood_dark")
    return c


def floor_flags(rng):
    """The farmers' hall's floor: big flagstones in rows, worn pale in the
    middle, with dark joints."""
    c = Canvas(W, 64)
    speck = rng.random((64, W))
    for row in range(4):
        y0 = row * 16
        x = int(rng.integers(0, 10)) + (12 if row % 2 else 0)
        joints = [x]
        while joints[-1] + 18 < joints[0] + W - 10:
            joints.append(joints[-1] + int(rng.integers(18, 30)))
        joints.append(joints[0] + W)
        for a, b in zip(joints[:-1], joints[1:]):
            tone = ["stone", "stone_light", "stone", "stone_light", "plaster_dark"][int(rng.integers(0, 5))]
            c.rect(a, y0, b, y0 + 16, tone)
            for yy in range(y0 + 1, y0 + 15):
                for xx in range(a + 1, b - 1):
                    r = speck[yy, xx % W]
                    if r < 0.04:
                        c.px(xx, yy, "stone_dark" if tone == "stone" else "stone")
                    elif r > 0.97:
                        c.px(xx, yy, "stone_pale")
            c.hline(a + 1, b - 1, y0 + 1, "stone_pale" if tone != "stone" else "stone_light")
            c.vline(a, y0, y0 + 16, "stone_dark")
        c.hline(0, W, y0, "stone_dark")
        c.hline(0, W, y0 + 15, "stone")
    return c
