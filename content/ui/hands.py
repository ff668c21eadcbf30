"""The first-person hands: the lantern in the left hand, the knife in the
right, and the same knife hand bloodied.

Drawn in palette colours at a third of their size and tripled, so they
share the world's chunky pixels. Cyan is see-through. Every solid part
gets a one-pixel ink outline so the hands read against bright grass and dark
rock alike. The fists are drawn pixel by pixel below; the lantern has no
halo around it (nothing else in the game glows past its own outline), its
light shows on the glass and on the sleeve beside it.

Both images stand on the bottom edge of the screen and the message panel
covers them from 120 pixels above it: the fists, the guard and the bail sit
in the top 30 rows so that what shows above the panel is still a hand.
"""
import math

from PIL import Image

from art.canvas import Canvas
from common.pixelart import save_png

SCALE = 3


def blank(w, h):
    return Canvas(w, h, "cyan", wrap=False)


def tripled(c):
    return c.image().resize((c.w * SCALE, c.h * SCALE), Image.NEAREST)


# Letters of the hand drawings below; '.' leaves the pixel as it was.
LEGEND = {"S": "skin_light", "s": "skin", "h": "skin_shadow", "d": "skin_dark",
          "n": "plaster_light", "k": "ink"}


def stamp(c, drawing, left, top, legend=LEGEND):
    rows = [line.strip() for line in drawing.strip("\n").splitlines() if line.strip()]
    for y, row in enumerate(rows):
        if len(row) != len(rows[0]):
            raise ValueError("row %d of a hand drawing is %d wide, expected %d" % (y, len(row), len(rows[0])))
        for x, ch in enumerate(row):
            if ch != ".":
                c.px(left + x, top + y, legend[ch])
    return len(rows[0]), len(rows)


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


def _cuff(c, x0, x1, y, slope, lit_side):
    """The sleeve's turned-back cuff at the wrist: a light band three pixels
    deep following the slant of the forearm, its edge an ink line over the
    sleeve below."""
    for x in range(x0, x1 + 1):
        dy = int(round((x - x0) * slope))
        u = (x - x0) / max(1, x1 - x0)
        lit = u < 0.15 if lit_side == "left" else u > 0.85
        c.px(x, y + dy, "coat_warm" if lit else "coat_light")
        c.px(x, y + dy + 1, "coat_warm" if lit else "coat_light")
        c.px(x, y + dy + 2, "coat_light" if lit else "coat")
        c.px(x, y + dy + 3, "ink")


# --------------------------------------------------------------------- fists

# The left fist from behind, holding the bail: the curled fingers over the
# top, pinky on the left, their knuckle row across the middle, the thumb on
# the right hooked over the index finger with its nail showing.
LANTERN_FIST = """
.....SSS.SSS.SS.....
..SS.SssdSssdSsS....
.SssdsssdsssdsSkk...
.SssdsssdsssdSknnkS.
.hssdsssdsssdknnsssS
.hhhdhhhdhhhkhhssssh
.dSSddSSSddSSSdhsssh
.hShhsShhsSShhshsssh
.hsssssssssssssshsh.
.hsSSSsssssssssssh..
.hsSSssssssssssssh..
.hssssssssssssssh...
.hhsssssssssssshh...
..hhhssssssssshh....
...hhhhhhhhhhhh.....
"""

# The right fist round the knife's handle, seen from the inside: the thumb
# across the top with its nail at the tip, over the index finger; four
# fingers below it, shorter toward the pinky, their knuckles down the left;
# the back of the hand on the right, rounding into the wrist. The creases
# between the fingers are dark only at the knuckles and fade along them: drawn
# dark right across, they read as stripes.
KNIFE_FIST = """
.....SSSSSSS......
...SSsssssssSS....
.nnSsssssssssSs...
.nnsssssssssssSh..
.khhhhhhhssssssh..
..kkkkkkhhhsssssh.
.SSSSssssshSsssshh
SSssssssssdSsssshh
hsssssssshhsssssh.
.dddhhhsshdSssssh.
.SSSSsssshdSssssh.
SSsssssssdSsssshh.
hssssssshhsssssh..
.dddhhshhdSsssshh.
..SSSsssdSssssshh.
.SSssssshhsssssh..
.hsssssshSssssh...
..ddhhshdSssssh...
...SSsssSssshh....
...hsssshhshh.....
....hhhhhhhh......
"""


# ------------------------------------------------------------------ lantern

# the flame standing on its wick, brass collar below
FLAME = """
    ...FF...
    ...FF...
    ..FFFF..
    ..FFFF..
    .FFFFFF.
    .FFFFFF.
    .FFFFFF.
    ..FFFF..
    ...FF...
    ...gg...
    ..gggg..
"""

LANTERN_W, LANTERN_H = 56, 73
FIST_LEFT, FIST_TOP = 21, 1          # the lantern fist, 20 x 15
LANTERN_CX, CAP_TOP = 32, 23         # the lantern hangs below the fist


def lantern():
    c = blank(LANTERN_W, LANTERN_H)
    # forearm from the bottom left up to the wrist under the fist; the
    # lantern hangs in front of it
    _sleeve(c, [(3, 73), (21, 73), (37, 19), (23, 17), (2, 62)], "right")
    _cuff(c, 23, 36, 15, 0.12, "right")
    c.line(6, 62, 15, 55, "coat_dark")       # folds of the sleeve
    c.line(10, 47, 19, 40, "coat_dark")
    cx, top = LANTERN_CX, CAP_TOP
    # the bail: a wire from each side of the cap straight up into the fist
    c.vline(cx - 7, FIST_TOP + 12, top + 1, "iron")
    c.vline(cx + 6, FIST_TOP + 12, top + 1, "iron")
    # roof, ring and the stubs where the bail is hooked on
    for y in range(top, top + 5):
        half = 4 + (y - top) * 5 // 4
        for x in range(cx - half, cx + half):
            c.px(x, y, "iron" if x < cx - half + 2 else "iron_dark")
    c.hline(cx - 3, cx + 3, top - 1, "iron_dark")
    c.hline(cx - 10, cx + 10, top + 5, "iron_light")
    c.hline(cx - 10, cx + 10, top + 6, "iron")
    for dx in (-7, 6):
        c.px(cx + dx, top, "iron_light")
    # the glass box: the flame's light on the glass, brightest round the
    # flame and falling off to the frame, stepped through three warm tones
    # with a checker where one gives way to the next
    g0, g1 = top + 7, top + 25
    fy = g0 + 9.5
    for y in range(g0, g1 + 1):
        for x in range(cx - 6, cx + 6):
            d = math.hypot((x + 0.5 - cx) / 6.5, (y + 0.5 - fy) / 10.0)
            checker = (x + y) % 2
            if d < 0.4:
                name = "flame"
            elif d < 0.84 - 0.08 * checker:
                name = "glow"
            else:
                name = "cloth_orange"
            c.px(x, y, name)
    # a glint of the flame on the pane, to the left
    c.vline(cx - 6, g0 + 3, g0 + 9, "flame_light")
    # the frame: dark posts at the corners and two bars down the front, so
    # the flame stands in a cage
    for y in range(g0, g1 + 1):
        for x in (cx - 7, cx - 4, cx + 3, cx + 6, cx + 7):
            c.px(x, y, "iron_dark")
        c.px(cx - 8, y, "iron")
    # the flame: a drop of light on the wick, no dark parts in the glass
    stamp(c, FLAME, cx - 4, g0 + 5, {"F": "flame_light", "g": "glow"})
    # the base: a band of iron, lit from the glass above
    c.hline(cx - 10, cx + 10, g1 + 1, "iron_light")
    for y in range(g1 + 2, g1 + 5):
        for x in range(cx - 10, cx + 10):
            u = (x - (cx - 10)) / 19.0
            c.px(x, y, "iron_light" if u < 0.15 else ("iron" if u < 0.7 else "iron_dark"))
    c.hline(cx - 9, cx + 9, g1 + 5, "iron_dark")
    stamp(c, LANTERN_FIST, FIST_LEFT, FIST_TOP)
    c.outline()
    return c


# -------------------------------------------------------------------- knife

KNIFE_W, KNIFE_H = 46, 73
KFIST_LEFT, KFIST_TOP = 12, 17       # the knife fist, 18 x 21
BLADE_TOP, BLADE_BOTTOM = 0, 14
SPINE = 22                           # the blade's straight back
GUARD = BLADE_BOTTOM + 1


def blade_span(y):
    """Edge and spine column of the blade on row y: a straight back, the edge
    parallel to it up to the belly, then sweeping up to the point."""
    t = (BLADE_BOTTOM - y) / float(BLADE_BOTTOM - BLADE_TOP)   # 0 at the guard, 1 at the tip
    left = SPINE - 5 + int(round(5 * max(0.0, (t - 0.5) / 0.5) ** 1.8))
    return min(left, SPINE), SPINE


def knife_hand():
    c = blank(KNIFE_W, KNIFE_H)
    # forearm from the bottom right, lit on its left by the lantern
    _sleeve(c, [(19, 73), (46, 73), (43, 50), (34, 38), (21, 39), (18, 54)], "left")
    _cuff(c, 20, 33, 37, -0.08, "left")
    c.line(25, 55, 37, 59, "coat_dark")      # folds of the sleeve
    c.line(27, 65, 39, 68, "coat_dark")
    # the handle's end below the fist: plain wood lit on the left, rounded
    # off, and a texel clear of the cuff so that the outline parts them
    for y in range(KFIST_TOP + 19, KFIST_TOP + 24):
        for x in range(14, 19):
            c.px(x, y, "wood_light" if x < 15 else ("wood" if x < 17 else "wood_dark"))
    c.hline(15, 18, KFIST_TOP + 24, "wood_dark")
    # the blade: straight back, flat, a bright edge bevel
    for y in range(BLADE_TOP, BLADE_BOTTOM + 1):
        left, right = blade_span(y)
        for x in range(left, right + 1):
            if x == left:
                name = "cloth_white"
            elif x == left + 1 and right - left > 2:
                name = "iron_light"
            elif x == right:
                name = "iron_dark"
            else:
                name = "iron"
            c.px(x, y, name)
    # the guard across the top of the fist
    c.hline(14, 27, GUARD, "iron_light")
    c.hline(14, 27, GUARD + 1, "iron_dark")
    c.px(14, GUARD + 1, "iron")
    stamp(c, KNIFE_FIST, KFIST_LEFT, KFIST_TOP)
    c.outline()
    return c


def bloody(c):
    """The same hand after the deed: blood over the point and along the
    edge, running down toward the guard, drops on the knuckles and thumb."""
    for y in range(BLADE_TOP, BLADE_BOTTOM + 1):
        left, right = blade_span(y)
        t = (BLADE_BOTTOM - y) / float(BLADE_BOTTOM - BLADE_TOP)
        reach = int(round(0.5 + 5 * max(0.0, t - 0.35)))      # wider toward the point
        for x in range(left, min(right - 1, left + reach) + 1):
            name = "blood"
            if (x * 7 + y * 3) % 5 == 0:
                name = "blood_light"
            elif x == left + reach:
                name = "blood_dark"
            c.px(x, y, name)
    for y in range(5, BLADE_BOTTOM + 1):          # runs down the edge
        left, _ = blade_span(y)
        if y % 3:
            c.px(left + 1, y, "blood" if y % 4 else "blood_dark")
    for dx, dy, name in ((0, 7, "blood"), (1, 7, "blood_dark"), (0, 11, "blood_dark"),
                         (1, 11, "blood"), (2, 15, "blood"), (1, 18, "blood_dark"),
                         (2, 2, "blood"), (3, 3, "blood_dark"), (6, 1, "blood"),
                         (7, 1, "blood_light"), (9, 12, "blood"), (5, 16, "blood_dark"),
                         (12, 6, "blood")):
        x, y = KFIST_LEFT + dx, KFIST_TOP + dy
        if not c.is_clear(x, y) and not c.holds(x, y, "ink"):
            c.px(x, y, name)
    return c


def draw_all(images):
    save_png(tripled(lantern()), images + "Lantern.png")
    save_png(tripled(knife_hand()), images + "KnifeHand.png")
    save_png(tripled(bloody(knife_hand())), images + "KnifeHandBlood.png")
