"""The framed panels behind every text of the interface: a dark wooden frame
with iron corner studs around a flat dark fill.

Panels are drawn at half resolution and doubled, so that their pixels are as
chunky as the 24-point font's (3 px) and the world's. The fill is one flat
colour on purpose: the arrows and markers the game blits onto it are opaque
rectangles (the code sets no colour key on them) and are drawn on the same
colour, so they vanish into it.
"""
import random

from PIL import Image

from common.palette import rgb
from common.pixelart import image_of

FILL = "panel"            # the flat inside colour; arrows are drawn on it too
FRAME_UNITS = 5           # frame thickness in half-resolution pixels (10 px)


def _wood_strip(rng, length, across):
    """A plank `length` long and `across` thick as rows of palette names:
    light top edge, dark bottom edge, streaks of grain along it."""
    rows = []
    for a in range(across):
        if a == 0:
            base = "wood_light"
        elif a == across - 1:
            base = "wood_dark"
        else:
            base = "wood"
        row = [base] * length
        if 0 < a < across - 1:
            x = rng.randrange(6)
            while x < length:
                run = rng.randrange(3, 9)
                tone = rng.choice(("wood_dark", "wood_light", "wood_dark"))
                for i in range(x, min(length, x + run)):
                    row[i] = tone
                x += run + rng.randrange(5, 16)
        rows.append(row)
    return rows


def panel(width, height, seed, field=None):
    """A framed panel of exactly width x height pixels. `field` is an optional
    (x, y, w, h) rectangle in pixels drawn as a sunken darker well (the input
    box's typing line)."""
    rng = random.Random(seed)
    hw, hh = (width + 1) // 2, (height + 1) // 2
    names = [[FILL] * hw for _ in range(hh)]
    f = FRAME_UNITS
    wood = f - 2                       # ink outline, wood, ink inner line
    top = _wood_strip(rng, hw, wood)
    bottom = _wood_strip(rng, hw, wood)
    left = _wood_strip(rng, hh, wood)
    right = _wood_strip(rng, hh, wood)
    for y in range(hh):
        for x in range(hw):
            d_top, d_bottom, d_left, d_right = y, hh - 1 - y, x, hw - 1 - x
            d = min(d_top, d_bottom, d_left, d_right)
            if d >= f:
                continue
            if d == 0:
                names[y][x] = "ink"
            elif d == f - 1:
                names[y][x] = "ink"
            else:
                a = d - 1
                # mitred corners: each side owns the triangle nearest to it
                if d == d_top:
                    names[y][x] = top[a][x]
                elif d == d_bottom:
                    names[y][x] = bottom[wood - 1 - a][x]
                elif d == d_left:
                    names[y][x] = left[a][y]
                else:
                    names[y][x] = right[wood - 1 - a][y]
                if d_top == d_left or d_top == d_right or d_bottom == d_left or d_bottom == d_right:
                    names[y][x] = "wood_dark"
    # iron studs on the corners and along long sides
    studs = [(1, 1), (hw - 4, 1), (1, hh - 4), (hw - 4, hh - 4)]
    for x0 in range(48, hw - 48, 48):
        studs += [(x0, 1), (x0, hh - 4)]
    for sx, sy in studs:
        for dy in range(3):
            for dx in range(3):
                names[sy + dy][sx + dx] = "iron_dark"
        names[sy][sx] = names[sy][sx + 1] = names[sy + 1][sx] = "iron"
        names[sy][sx] = "iron_light"
    image = _doubled(names, width, height)
    if field:
        sunken_field(image, *field)
    return image


def _doubled(names, width, height):
    """The half-resolution rows of names at full size, trimmed to exactly
    width x height."""
    image = image_of(names)
    w, h = image.size
    return _trim_to(image.resize((w * 2, h * 2), Image.NEAREST), width, height)


def _trim_to(image, width, height):
    """Drops one row / column from the middle of the flat fill when the wanted
    size is odd, so the frame stays intact on every side."""
    w, h = image.size
    if h != height:
        top = image.crop((0, 0, w, h // 2))
        rest = image.crop((0, h // 2 + 1, w, h))
        out = Image.new("RGB", (w, height))
        out.paste(top, (0, 0))
        out.paste(rest, (0, h // 2))
        image, h = out, height
    if w != width:
        left = image.crop((0, 0, w // 2, h))
        rest = image.crop((w // 2 + 1, 0, w, h))
        out = Image.new("RGB", (width, h))
        out.paste(left, (0, 0))
        out.paste(rest, (w // 2, 0))
        image = out
    return image


def sunken_field(image, x, y, w, h):
    """A recessed well: dark inside, shadowed top-left, lit bottom-right."""
    px = image.load()
    for yy in range(y, y + h):
        for xx in range(x, x + w):
            edge_tl = yy < y + 2 or xx < x + 2
            edge_br = yy >= y + h - 2 or xx >= x + w - 2
            if edge_tl:
                px[xx, yy] = rgb("ink")
            elif edge_br:
                px[xx, yy] = rgb("shadow")
            else:
                px[xx, yy] = rgb("panel_well")


def header(width, height):
    """The answer entry's header on top of the message box: the box's own
    flat fill behind the white question, in a thin frame of the same wood
    (6 px, so the question at +10 stands clear of it)."""
    hw, hh = (width + 1) // 2, (height + 1) // 2
    names = [[FILL] * hw for _ in range(hh)]
    for y in range(hh):
        for x in range(hw):
            d_top, d_bottom, d_left, d_right = y, hh - 1 - y, x, hw - 1 - x
            d = min(d_top, d_bottom, d_left, d_right)
            if d == 0 or d == 2:
                names[y][x] = "ink"
            elif d == 1:
                names[y][x] = "wood_light" if d == d_top else ("wood_dark" if d == d_bottom else "wood")
    return _doubled(names, width, height)
