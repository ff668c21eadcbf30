"""The first-person hands: the lantern in the left hand, the knife in the
right, and the same knife hand bloodied. Drawn at a third of their size and
tripled so they share the world's chunky pixels; cyan is see-through."""
from PIL import Image, ImageDraw

from common.palette import CYAN, rgb
from common.pixelart import save_png

SCALE = 3


def _canvas(w, h):
    return Image.new("RGB", (w, h), CYAN)


def _sleeve(d, pts):
    d.polygon(pts, fill=rgb("cloth_brown"), outline=rgb("ink"))


def lantern():
    img = _canvas(48, 68)
    d = ImageDraw.Draw(img)
    # glow halo around the glass, dithered so the world shows through it
    for y in range(14, 62):
        for x in range(10, 48):
            dx, dy = (x - 30) / 17.0, (y - 38) / 22.0
            r = dx * dx + dy * dy
            if r < 1.0 and (x + y) % 2 == 0:
                img.putpixel((x, y), rgb("glow"))
            elif r < 0.7:
                img.putpixel((x, y), rgb("glow"))
    # bail handle
    d.arc((21, 6, 39, 28), 180, 360, fill=rgb("iron_dark"), width=1)
    # cap
    d.polygon([(22, 20), (38, 20), (35, 16), (25, 16)], fill=rgb("iron_dark"), outline=rgb("ink"))
    d.rectangle((21, 20, 39, 23), fill=rgb("iron"), outline=rgb("ink"))
    # glass with flame
    d.rectangle((22, 24, 38, 46), fill=rgb("flame"), outline=rgb("ink"))
    d.rectangle((24, 26, 36, 44), fill=rgb("glow"))
    d.ellipse((26, 30, 34, 44), fill=rgb("flame"))
    d.ellipse((28, 34, 32, 43), fill=rgb("flame_light"))
    for x in (22, 30, 38):
        d.line((x, 24, x, 46), fill=rgb("iron_dark"))
    # base
    d.rectangle((20, 46, 40, 51), fill=rgb("iron"), outline=rgb("ink"))
    d.line((21, 47, 39, 47), fill=rgb("iron_light"))
    # arm from the bottom edge up to the fist holding the handle
    _sleeve(d, [(0, 67), (18, 67), (26, 22), (16, 18), (4, 40)])
    d.rectangle((18, 4, 28, 13), fill=rgb("skin"), outline=rgb("ink"))
    d.line((19, 12, 27, 12), fill=rgb("skin_shadow"))
    d.line((19, 7, 27, 7), fill=rgb("skin_shadow"))
    d.polygon([(16, 12), (28, 12), (26, 22), (14, 20)], fill=rgb("skin_shadow"), outline=rgb("ink"))
    return img


def knife(bloody):
    img = _canvas(44, 64)
    d = ImageDraw.Draw(img)
    # blade, tip up and leaning in toward the centre of the view
    d.polygon([(14, 2), (20, 10), (22, 30), (15, 30)], fill=rgb("iron_light"), outline=rgb("ink"))
    d.line((16, 6, 18, 29), fill=rgb("iron"))
    d.rectangle((11, 30, 27, 33), fill=rgb("iron_dark"), outline=rgb("ink"))
    # fist round the handle
    d.rectangle((12, 34, 28, 46), fill=rgb("skin"), outline=rgb("ink"))
    for y in (37, 40, 43):
        d.line((13, y, 27, y), fill=rgb("skin_shadow"))
    d.rectangle((17, 46, 22, 49), fill=rgb("wood_dark"))
    _sleeve(d, [(14, 46), (30, 44), (43, 63), (20, 63)])
    if bloody:
        red, dark = rgb("blood"), rgb("blood_dark")
        for x, y0, y1 in ((16, 12, 22), (18, 16, 30), (20, 22, 29), (15, 26, 31)):
            d.line((x, y0, x, y1), fill=red)
        for x, y in ((17, 20), (19, 26), (16, 30)):
            img.putpixel((x, y), dark)
        for x, y0, y1 in ((14, 36, 44), (21, 35, 40), (25, 38, 47), (27, 36, 42)):
            d.line((x, y0, x, y1), fill=red)
    return img


def draw_all(images):
    for name, img in (("Lantern.png", lantern()), ("KnifeHand.png", knife(False)),
                      ("KnifeHandBlood.png", knife(True))):
        w, h = img.size
        save_png(img.resize((w * SCALE, h * SCALE), Image.NEAREST), images + name)
