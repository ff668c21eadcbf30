#!/usr/bin/python3
"""Builds data/font/04B_03__.TTF, the game's one font, from the glyph grids in
glyphs.txt (printable ASCII) and latin1.txt (the Latin-1 letters and a few
signs; accented letters are composed from a base letter and an accent).

The em is 8 font pixels (1024 units, 128 per pixel): at the 16, 24 and 64
points the game opens, one font pixel is exactly 2, 3 and 8 screen pixels, so
SDL_ttf's solid rendering reproduces the grids without blur. Ascent 6 and
descent 2 give a 24-pixel line at 24 points, inside the message box's 25.
"""
import os
import unicodedata

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = "data/font/04B_03__.TTF"
UNIT = 128          # font units per font pixel
ROWS = 8            # rows of the em square
ASCENT_ROWS = 6     # rows above the baseline
FAMILY = "Ombrel Pixel"

ACCENT_OF_MARK = {"\u0300": "grave", "\u0301": "acute", "\u0302": "circumflex",
                  "\u0303": "tilde", "\u0308": "diaeresis", "\u030a": "ring"}


def read_blocks(path):
    """': name' headers followed by grid rows; '#' lines are comments."""
    blocks, name = {}, None
    with open(path, encoding="utf-8") as f:
        for raw in f:
            line = raw.strip()
            if line.startswith(": "):
                name = line[2:]
                blocks[name] = []
            elif line and (_is_row(line) and name is not None or not line.startswith("#")):
                # '#' starts a comment unless the line is a grid row of a glyph
                if name is None:
                    raise ValueError("%s: grid row before any glyph header" % path)
                blocks[name].append(line)
    for name, rows in blocks.items():
        widths = {len(r) for r in rows}
        if len(widths) != 1:
            raise ValueError("%s: glyph %r has rows of different widths" % (path, name))
    return blocks


def _is_row(line):
    return set(line) <= {"#", "."}


def char_of(name):
    if name == "space":
        return " "
    if name.startswith("U+"):
        return chr(int(name[2:], 16))
    if len(name) != 1:
        raise ValueError("glyph name %r is not a character" % name)
    return name


def compose(base_rows, accent):
    """A letter with a one-row accent on row 0, centred; a narrow base (i) is
    widened to the accent's width."""
    rows = [list(r) for r in base_rows]
    width = len(rows[0])
    if len(accent) > width:
        pad = len(accent) - width
        left = pad // 2
        rows = [["."] * left + r + ["."] * (pad - left) for r in rows]
        width = len(accent)
    rows[0] = ["."] * width          # drops the dot of i and j
    if "#" in rows[1]:
        rows = _shorten_capital(rows)
    start = (width - len(accent)) // 2
    for i, ch in enumerate(accent):
        rows[0][start + i] = ch
    return ["".join(r) for r in rows]


def _shorten_capital(rows):
    """A capital under an accent loses one row (one that repeats its
    neighbour, else its second) and moves down to rows 2-5, leaving row 1
    clear so the accent does not merge into the letter."""
    cap = rows[1:6]
    drop = 1
    for i in range(len(cap) - 1, 0, -1):
        if cap[i] == cap[i - 1]:
            drop = i
            break
    cap = cap[:drop] + cap[drop + 1:]
    blank = ["."] * len(rows[0])
    return [rows[0], blank] + cap + rows[6:]


def collect_glyphs():
    """character -> grid rows (8 rows, '#' lit)."""
    glyphs = {}
    for name, rows in read_blocks(os.path.join(HERE, "glyphs.txt")).items():
        glyphs[char_of(name)] = rows
    extra = read_blocks(os.path.join(HERE, "latin1.txt"))
    accents = {}
    for name, rows in extra.items():
        if name.startswith("accent "):
            accents[name[len("accent "):]] = rows[0]
        else:
            glyphs[char_of(name)] = rows
    for code in range(0xC0, 0x100):
        ch = chr(code)
        if ch in glyphs:
            continue
        parts = unicodedata.normalize("NFD", ch)
        if len(parts) == 2 and parts[0] in glyphs and parts[1] in ACCENT_OF_MARK:
            glyphs[ch] = compose(glyphs[parts[0]], accents[ACCENT_OF_MARK[parts[1]]])
    for ch, rows in glyphs.items():
        if len(rows) != ROWS:
            raise ValueError("glyph %r has %d rows, expected %d" % (ch, len(rows), ROWS))
    return glyphs


def draw_glyph(rows):
    """TrueType outline: one rectangle per horizontal run of lit pixels,
    clockwise, every corner on the pixel grid."""
    pen = TTGlyphPen(None)
    for r, row in enumerate(rows):
        top = (ASCENT_ROWS - r) * UNIT
        bottom = top - UNIT
        x = 0
        while x < len(row):
            if row[x] != "#":
                x += 1
                continue
            end = x
            while end < len(row) and row[end] == "#":
                end += 1
            pen.moveTo((x * UNIT, bottom))
            pen.lineTo((x * UNIT, top))
            pen.lineTo((end * UNIT, top))
            pen.lineTo((end * UNIT, bottom))
            pen.closePath()
            x = end
    return pen.glyph()


def glyph_name(ch):
    return "space" if ch == " " else "uni%04X" % ord(ch)


def build(glyphs):
    order = [".notdef"] + [glyph_name(ch) for ch in sorted(glyphs)]
    notdef = ["...."] + ["####", "#..#", "#..#", "#..#", "####"] + ["...."] * 2
    outlines = {".notdef": draw_glyph(notdef)}
    metrics = {".notdef": ((len(notdef[0]) + 1) * UNIT, 0)}
    cmap = {}
    for ch, rows in glyphs.items():
        name = glyph_name(ch)
        outlines[name] = draw_glyph(rows)
        metrics[name] = ((len(rows[0]) + 1) * UNIT, 0)
        cmap[ord(ch)] = name
    ascent, descent = ASCENT_ROWS * UNIT, -(ROWS - ASCENT_ROWS) * UNIT

    fb = FontBuilder(ROWS * UNIT, isTTF=True)
    fb.font.recalcTimestamp = False
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf(outlines)
    glyf = fb.font["glyf"]
    # left side bearing = the outline's xMin (blank glyphs have none)
    fb.setupHorizontalMetrics({n: (metrics[n][0], getattr(glyf[n], "xMin", 0)) for n in order})
    fb.setupHorizontalHeader(ascent=ascent, descent=descent, lineGap=0)
    fb.setupNameTable({"familyName": FAMILY, "styleName": "Regular",
                       "uniqueFontIdentifier": FAMILY + " Regular",
                       "fullName": FAMILY + " Regular", "psName": "OmbrelPixel-Regular",
                       "version": "Version 1.000"})
    fb.setupOS2(sTypoAscender=ascent, sTypoDescender=descent, sTypoLineGap=0,
                usWinAscent=ascent, usWinDescent=-descent, fsType=0,
                achVendID="OMBR")
    fb.setupPost()
    fb.setupHead(unitsPerEm=ROWS * UNIT, created=0, modified=0, fontRevision=1.0)
    fb.font["head"].created = 0
    fb.font["head"].modified = 0
    os.makedirs(os.path.dirname(OUT), exist_ok=True)
    fb.save(OUT)


def span(glyphs, text):
    """Advance width of a text in font pixels (what SDL_ttf measures)."""
    return sum(len(glyphs[ch][0]) + 1 for ch in text)


if __name__ == "__main__":
    glyphs = collect_glyphs()
    build(glyphs)
    for text, size in (("[ Press Space to Start ]", 24), ("-- SPEED RUNNING VERSION --", 24),
                       ("Ombrel", 64)):
        print("  %-28s %3d px at %d points" % (text, span(glyphs, text) * size // 8, size))
