"""The first-person hands: the lantern in the left hand, the knife in the
right, and the same knife hand bloodied.

Drawn on a grid of palette names at a third of their size and tripled, so
they share the world's chunky pixels. Cyan is see-through. Every solid part
gets a one-pixel ink outline so the hands read against bright grass and dark
rock alike; the lantern's glow is a dithered halo laid on the see-through
pixels around it, so the world shows through between its dots.
"""
import math

from PIL import Image

from common.palette import CYAN, rgb
from common.pixelart import save_png

SCALE = 3
CLEAR = None

# 4x4 ordered dither thresholds (0..15)
BAYER = ((0, 8, 2, 10), (12, 4, 14, 6), (3, 11, 1, 9), (15, 7, 13, 5))


class Canvas:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[CLEAR] * w for _ in range(h)]

    def set(self, x, y, name):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = name

    def get(self, x, y):
        if 0 <= x < self.w and 0 <= y < self.h:
            return self.px[y][x]
        return CLEAR

    def hline(self, x0, x1, y, name):
        for x in range(x0, x1 + 1):
            self.set(x, y, name)

    def vline(self, x, y0, y1, name):
        for y in range(y0, y1 + 1):
            self.set(x, y, name)

    def line(self, x0, y0, x1, y1, name):
        steps = max(abs(x1 - x0), abs(y1 - y0))
        for i in range(steps + 1):
            t = i / steps if steps else 0
            self.set(round(x0 + (x1 - x0) * t), round(y0 + (y1 - y0) * t), name)

    def polygon(self, points, shade):
        """Fills a polygon; shade(x, y, u) gives the name, u = 0..1 across the
        row from its left to its right edge."""
        ys = [p[1] for p in points]
        for y in range(max(0, min(ys)), min(self.h, max(ys) + 1)):
            xs = []
            n = len(points)
            for i in range(n):
                (x0, y0), (x1, y1) = points[i], points[(i + 1) % n]
                if y0 == y1:
                    continue
                if min(y0, y1) <= y + 0.5 < max(y0, y1):
                    xs.append(x0 + (y + 0.5 - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            for a, b in zip(xs[0::2], xs[1::2]):
                left, right = int(round(a)), int(round(b)) - 1
                for x in range(left, right + 1):
                    u = (x - left) / max(1, right - left)
                    self.set(x, y, shade(x, y, u))

    def outline(self, name="ink"):
        solid = [(x, y) for y in range(self.h) for x in range(self.w) if self.px[y][x] is not CLEAR]
        edge = set()
        for x, y in solid:
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                if self.get(x + dx, y + dy) is CLEAR and 0 <= x + dx < self.w and 0 <= y + dy < self.h:
                    edge.add((x + dx, y + dy))
        for x, y in edge:
            self.px[y][x] = name

    def image(self):
        img = Image.new("RGB", (self.w, self.h))
        pix = img.load()
        for y in range(self.h):
            for x in range(self.w):
                name = self.px[y][x]
                pix[x, y] = CYAN if name is CLEAR else rgb(name)
        return img.resize((self.w * SCALE, self.h * SCALE), Image.NEAREST)


def _sleeve(c, points, lit_side):
    """A coat sleeve: dark on the side away from the light, a warm rim on the
    side facing the lantern."""
    def shade(x, y, u):
        if lit_side == "left":
            u = 1 - u
        if u > 0.88:
            return "coat_warm"
        if u > 0.6:
            return "coat_light"
        if u > 0.22:
            return "coat"
        return "coat_dark"
    c.polygon(points, shade)


# --------------------------------------------------------------------- fist

def fist(c, left, top, mirror=False):
    """A right fist (left fist when mirrored) seen from behind, gripping
    something upright: four fingers stacked, their knuckles on the outer side
    catching light, their tips curled in toward the centre of the view, the
    thumb lying over the top. 18 x 19 pixels at (left, top). Notches left
    see-through between the fingers become ink in the outline pass."""
    w, h = 18, 19

    def put(x, y, name):
        c.set(left + (w - 1 - x if mirror else x), top + y, name)

    # the back of the hand and fingers
    for y in range(3, h):
        for x in range(0, w):
            put(x, y, "skin")
    bands = [(5, 7), (9, 11), (13, 15), (17, 18)]      # rows of each finger
    for y0, y1 in bands:
        for y in range(y0, y1 + 1):
            # each finger rounded: lit along its top, shadowed underneath
            tone = "skin_light" if y == y0 else ("skin_shadow" if y == y1 else "skin")
            for x in range(2, w - 2):
                put(x, y, tone)
            put(0, y, "skin_shadow")                    # curled finger tips
            put(1, y, "skin_shadow" if y == y1 else "skin")
            put(w - 2, y, "skin_light" if y == y0 else "skin")
            put(w - 1, y, "skin_light" if y < y1 else "skin_shadow")
        put(0, y0, CLEAR)                               # round the finger ends
        put(w - 1, y1, CLEAR) if y1 < h - 1 else None
        put(2, y0, "skin_light")                        # light on each fingertip
        put(w - 4, y0, "skin_light")
        put(w - 3, y0, "skin_light")
        crease = y1 + 1
        if crease < h:
            for x in range(1, w - 1):
                put(x, crease, "skin_dark" if x < w - 5 else "skin_shadow")
            put(0, crease, CLEAR)
            put(w - 1, crease, CLEAR)
    # the thumb over the top, its tip toward the centre
    for y in range(0, 5):
        x0 = {0: 3, 1: 1, 2: 0, 3: 0, 4: 1}[y]
        x1 = {0: 11, 1: 13, 2: 14, 3: 14, 4: 13}[y]
        for x in range(x0, x1 + 1):
            put(x, y, "skin_light" if y < 2 else "skin")
    for x in range(1, 14):
        put(x, 5, "skin_dark")
    put(w - 3, 3, "skin_shadow"), put(w - 2, 3, "skin_shadow"), put(w - 1, 3, CLEAR)
    put(w - 2, 4, "skin"), put(w - 1, 4, "skin")
    for x, y in ((1, 2), (2, 2), (1, 3), (2, 3)):
        put(x, y, "plaster_light")                      # thumb nail
    put(3, 3, "skin_shadow")


# ------------------------------------------------------------------ lantern

def lantern():
    c = Canvas(50, 70)
    cx = 23
    # forearm from the bottom edge up to the fist, behind the lantern
    _sleeve(c, [(0, 70), (19, 70), (24, 42), (25, 20), (10, 19), (2, 42)], "right")
    c.hline(10, 25, 19, "coat_light")
    c.hline(10, 25, 20, "coat_light")
    c.hline(10, 25, 22, "coat_dark")
    c.line(4, 50, 14, 44, "coat_dark")       # folds of the sleeve
    c.line(2, 62, 12, 57, "coat_dark")
    # the bail stands edge-on: one wire from the fist down to the cap ring
    c.vline(cx, 14, 21, "iron_dark")
    c.vline(cx + 1, 14, 21, "iron")
    fist(c, cx - 9, 0, mirror=True)
    # vented cap
    for y in range(22, 30):
        half = 3 + (y - 22)
        for x in range(cx - half, cx + half + 1):
            name = "iron_dark"
            if x < cx - half + 2:
                name = "iron"
            if y == 27 and (x - cx) % 3 == 0:
                name = "ink"
            c.set(x, y, name)
    c.hline(cx - 2, cx + 2, 21, "iron")
    c.hline(cx - 11, cx + 11, 30, "iron")
    c.hline(cx - 11, cx + 11, 31, "iron_dark")
    # glass globe, full of light
    top, bottom = 32, 50
    for y in range(top, bottom + 1):
        half = int(round(8 + 2.5 * math.sin(math.pi * (y - top) / (bottom - top))))
        for x in range(cx - half, cx + half + 1):
            d = abs(x - cx) / half
            name = "flame" if d < 0.55 else "glow"
            if d > 0.9:
                name = "wood_light"
            c.set(x, y, name)
        if top + 3 < y < bottom - 4:
            c.set(cx - half + 2, y, "flame_light")
    # the flame
    for y in range(36, 47):
        t = (y - 36) / 10
        half = int(round(2.6 * math.sin(math.pi * min(1.0, t * 1.15)) ** 0.8))
        for x in range(cx - half, cx + half + 1):
            c.set(x, y, "flame_light" if abs(x - cx) < half or half == 0 else "flame")
    c.set(cx, 35, "flame_light")
    c.hline(cx - 2, cx + 2, 47, "iron_dark")   # wick holder
    c.hline(cx - 1, cx + 1, 48, "iron_dark")
    # guard wires in front of the glass
    for x in (cx - 6, cx + 6):
        c.vline(x, top, bottom, "iron_dark")
    c.hline(cx - 9, cx + 9, 41, "iron_dark")
    for x in (cx - 1, cx, cx + 1):
        c.set(x, 41, "flame_light")
    # fuel tank, lit from the flame above
    for y in range(51, 60):
        half = 12 if 52 <= y <= 58 else 11
        for x in range(cx - half, cx + half + 1):
            u = (x - (cx - half)) / (2 * half)
            name = "iron" if 0.15 < u < 0.7 else ("iron_light" if u <= 0.15 else "iron_dark")
            if y == 51:
                name = "glow"
            if y == 59:
                name = "iron_dark"
            c.set(x, y, name)
    c.hline(cx - 9, cx + 9, 54, "iron_dark")
    c.outline()
    # the glow: dithered rings on the see-through pixels around the glass
    gx, gy = cx, 41
    for y in range(c.h):
        for x in range(c.w):
            if c.px[y][x] is not CLEAR:
                continue
            r = math.hypot((x - gx) / 25.0, (y - gy) / 24.0)
            if r >= 1.0:
                continue
            level = (1.0 - r) ** 1.3 * 22          # density, 0..~22
            if level > BAYER[y % 4][x % 4]:
                c.px[y][x] = "flame" if r < 0.45 else "glow"
    return c


# -------------------------------------------------------------------- knife

BLADE_TOP, BLADE_BOTTOM = 1, 27


def blade_span(y):
    """Left (edge) and right (spine) column of the blade on row y: a drop
    point, the edge sweeping up to the tip near the spine."""
    t = (BLADE_BOTTOM - y) / float(BLADE_BOTTOM - BLADE_TOP)   # 0 at the bolster, 1 at the tip
    right = int(round(27 - 2.0 * t))
    left = int(round(19 + 1.5 * t + 4.5 * max(0.0, (t - 0.55) / 0.45) ** 1.6))
    return min(left, right), right


def knife_hand():
    c = Canvas(46, 70)
    # forearm from the bottom right, lit on its left by the lantern
    _sleeve(c, [(20, 70), (46, 70), (44, 52), (36, 43), (18, 44), (16, 56)], "left")
    c.hline(17, 36, 45, "coat_light")
    c.hline(17, 36, 46, "coat_light")
    c.hline(17, 37, 48, "coat_dark")
    c.line(25, 56, 36, 60, "coat_dark")      # folds of the sleeve
    c.line(27, 64, 38, 67, "coat_dark")
    for y in range(BLADE_TOP, BLADE_BOTTOM + 1):
        left, right = blade_span(y)
        for x in range(left, right + 1):
            if x == left:
                name = "iron_light"
            elif x == right:
                name = "iron_dark"
            elif x - left <= 1 and y > 4:
                name = "cloth_white"
            else:
                name = "iron"
            c.set(x, y, name)
    c.line(21, 25, 23, 9, "iron_light")      # the grind line
    # bolster
    c.hline(17, 29, BLADE_BOTTOM + 1, "iron_light")
    c.hline(17, 29, BLADE_BOTTOM + 2, "iron_dark")
    fist(c, 14, BLADE_BOTTOM + 2)
    # pommel below the fist
    c.hline(20, 28, BLADE_BOTTOM + 20, "wood")
    c.hline(20, 28, BLADE_BOTTOM + 21, "wood_dark")
    c.outline()
    return c


def bloody(c):
    """The same hand after the deed: blood over the tip and along the edge,
    running down toward the bolster, smeared over the knuckles and thumb."""
    for y in range(BLADE_TOP, BLADE_BOTTOM + 1):
        left, right = blade_span(y)
        t = (BLADE_BOTTOM - y) / float(BLADE_BOTTOM - BLADE_TOP)
        reach = int(round(1 + 6 * max(0.0, t - 0.3)))       # wider toward the tip
        for x in range(left, min(right, left + reach) + 1):
            name = "blood"
            if (x * 7 + y * 3) % 5 == 0:
                name = "blood_light"
            elif x == left + reach:
                name = "blood_dark"
            c.set(x, y, name)
    # runs down the edge to the bolster
    for y in range(14, BLADE_BOTTOM + 1):
        left, _ = blade_span(y)
        c.set(left + 1, y, "blood" if y % 4 else "blood_dark")
    for y in range(17, 24):
        left, _ = blade_span(y)
        c.set(left + 3, y, "blood_dark")
    top = BLADE_BOTTOM + 2
    for dx, dy, name in ((17, 1, "blood"), (18, 1, "blood_dark"), (18, 2, "blood"),
                         (19, 4, "blood"), (19, 5, "blood_dark"), (18, 8, "blood"),
                         (19, 9, "blood"), (19, 10, "blood_dark"), (17, 12, "blood"),
                         (4, 1, "blood"), (5, 1, "blood_dark"), (6, 2, "blood"),
                         (10, 6, "blood_dark"), (11, 6, "blood"), (9, 11, "blood"),
                         (12, 15, "blood_dark"), (7, 1, "blood_light")):
        if c.get(13 + dx, top + dy) not in (CLEAR, "ink"):
            c.set(13 + dx, top + dy, name)
    return c


def draw_all(images):
    save_png(lantern().image(), images + "Lantern.png")
    save_png(knife_hand().image(), images + "KnifeHand.png")
    save_png(bloody(knife_hand()).image(), images + "KnifeHandBlood.png")
