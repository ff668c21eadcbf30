#!/usr/bin/python3
#!/usr/bin/python3
"""Mock screens: the interface as the game lays it out on its 640x480 screen,
with the real font and the generated images, over a rough stand-in for the
raycast world built from the area textures. They are for looking at
(docs/mockups/), not used by the game, and not part of the regeneration of
data/, since they change whenever the area art does.

Run after content/make.sh:  /usr/bin/python3 content/ui/mockups.py

Text is drawn as SDL_ttf's solid rendering draws it: no smoothing, the text
surface's top at the given point. Positions are the game's fixed ones.
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from PIL import Image, ImageDraw, ImageFont

from common.palette import CYAN, rgb
from common.pixelart import save_png

FONT = "data/font/04B_03__.TTF"
IMAGES = "data/images/"
OUT = "docs/mockups/"
W, H = 640, 480
WHITE = (255, 255, 255)
RED = (255, 0, 0)


def font(points):
    return ImageFont.truetype(FONT, points)


def text(screen, xy, words, points=24, colour=WHITE):
    d = ImageDraw.Draw(screen)
    d.fontmode = "1"             # solid: no anti-aliasing, as TTF_RenderText_Solid
    d.text(xy, words, font=font(points), fill=colour)


def width_of(words, points=24):
    return int(font(points).getlength(words))


def image(name):
    return Image.open(IMAGES + name).convert("RGB")


def blit(screen, name, x, y, key=None):
    img = image(name)
    if key is None:
        screen.paste(img, (x, y))
    else:
        mask = Image.new("L", img.size)
        mask.putdata([0 if p == key else 255 for p in img.getdata()])
        screen.paste(img, (x, y), mask)
    return img.size


# ---------------------------------------------------------------- backdrops

def _texture(name):
    path = IMAGES + "textures/" + name
    if os.path.exists(path):
        return Image.open(path).convert("RGB")
    return Image.new("RGB", (64, 64), rgb("stone"))


def _shade(c, k):
    return tuple(int(v * k) for v in c)


def village():
    """A street of cabins and the church over grass, roughly as the raycaster
    would draw it from the middle of the village."""
    screen = Image.new("RGB", (W, H))
    px = screen.load()
    horizon = 240
    sky_top, sky_low = rgb("sky"), rgb("sky_light")
    for y in range(horizon):
        k = y / horizon
        c = tuple(int(a + (b - a) * k) for a, b in zip(sky_top, sky_low))
        for x in range(W):
            px[x, y] = c
    grass = _texture("grass.png").load()
    for y in range(horizon, H):
        dist = 240.0 / (y - horizon + 0.5)
        fog = max(0.45, min(1.0, 1.25 - dist / 8))
        for x in range(W):
            u = int((x - 320) * dist / 320 * 64 * 1.2) % 64
            v = int(dist * 64) % 64
            px[x, y] = _shade(grass[u, v], fog)
    # facades: (x0, x1, texture, storeys, distance)
    facades = [(0, 150, "trees.png", 2, 6.0), (150, 300, "cabin_window.png", 2, 4.0),
               (300, 370, "cabin_door.png", 2, 4.0), (370, 520, "church_wall.png", 3, 5.0),
               (520, 640, "church_door.png", 3, 5.0)]
    for x0, x1, name, storeys, dist in facades:
        tex = _texture(name)
        tw, th = tex.size
        tpx = tex.load()
        storey = int(H / dist)
        bottom = horizon + storey // 2
        top = bottom - storey * storeys
        fog = max(0.5, min(1.0, 1.25 - dist / 8))
        for x in range(x0, x1):
            u = int((x - x0) * 64 / storey) % tw
            for y in range(max(0, top), bottom):
                v = int((y - top) * 64 / storey) % th
                c = tpx[u, v]
                if c != CYAN:
                    px[x, y] = _shade(c, fog)
    return screen


def cave():
    """Wet rock walls close by, lit only near the centre."""
    screen = Image.new("RGB", (W, H), rgb("ink"))
    px = screen.load()
    rock = _texture("cave_rock_01.png").load()
    floor = _texture("cave_floor.png").load()
    horizon = 240
    for y in range(H):
        for x in range(W):
            dx = abs(x - 320) / 320
            if abs(y - horizon) < 110 - 30 * dx:
                c = rock[int(x * 64 / 150) % 64, int((y - 130) * 64 / 150) % 64]
            elif y > horizon:
                dist = 240.0 / (y - horizon + 0.5)
                c = floor[int((x - 320) * dist / 4) % 64, int(dist * 64) % 64]
            else:
                dist = 240.0 / (horizon - y + 0.5)
                c = floor[int((x - 320) * dist / 4) % 64, int(dist * 64) % 64]
            light = max(0.0, 1.0 - (dx * dx + ((y - 300) / 300) ** 2) * 1.1)
            px[x, y] = _shade(c, 0.15 + 0.85 * light)
    return screen


def view(name, fallback):
    """A first-person view drawn by the game's own raycaster (docs/areas/,
    made by the area tools), or the rough stand-in when it is not there."""
    path = "docs/areas/" + name + ".png"
    if os.path.exists(path):
        return Image.open(path).convert("RGB")
    return fallback()


# ------------------------------------------------------------------ widgets

def timer(screen, words):
    text(screen, (10, 10), words, 16)


def hands(screen, lantern=True, knife=True, bloody=False):
    key = CYAN
    if lantern:
        w, h = image("Lantern.png").size
        blit(screen, "Lantern.png", (W - w) // 2 - 150, H - h, key)
    if knife:
        name = "KnifeHandBlood.png" if bloody else "KnifeHand.png"
        w, h = image(name).size
        blit(screen, name, (W - w) // 2 + 150, H - h, key)


def message_box(screen, lines, arrow=True):
    x, y = 20, 360
    w, h = blit(screen, "messageBox.png", x, y)
    if arrow:
        blit(screen, "arrowDown.png", x + w - 25, y + h - 20)
    for i, line in enumerate(lines):
        if line:
            text(screen, (x + 15, y + 12 + 25 * i), line)


def option_list(screen, options, selected):
    x, y = 20, 360
    w, h = blit(screen, "messageBox.png", x, y)
    count = len(options)
    if selected == 0:
        first = 0
    else:
        first = selected - 1 if selected + 3 < count else selected - 2
        first = max(0, first)
    if first > 0:
        blit(screen, "arrowUp.png", x + w - 25, y + 10)
    if count > first + 3:
        blit(screen, "arrowDown.png", x + w - 25, y + h - 20)
    for r, (ty, my) in enumerate(((12, 14), (37, 40), (62, 65))):
        i = first + r
        if i < count:
            text(screen, (x + 30, y + ty), options[i])
            if i == selected:
                blit(screen, "arrowLeft.png", x + 15, y + my)


def notice(screen, words):
    x, y = 160, 420
    w, _ = blit(screen, "smallMessageBox.png", x, y)
    text(screen, (x + (w - width_of(words)) // 2, y + 10), words)


def answer_entry(screen, question, lines):
    x, y = 20, 360
    blit(screen, "messageBox.png", x, y)
    blit(screen, "inputBoxTop.png", x, y - 55)
    text(screen, (x + 10, y - 42), question)
    for i, line in enumerate(lines):
        if line:
            text(screen, (x + 15, y + 12 + 25 * i), line)
    last = len(lines) - 1
    text(screen, (x + width_of(lines[last]) + 20, y + 12 + 25 * last), "|")


def input_box(screen, prompt, typed, error):
    x, y = 20, 360
    w, _ = blit(screen, "inputBox.png", x, y)
    text(screen, (x + 15, y + 12), prompt)
    tw = width_of(typed) if typed else 0
    if typed:
        text(screen, (x + 45, y + 53), typed)
    blit(screen, "blinker.png", x + 50 + tw, y + 53)
    if error:
        text(screen, (x + w - 200, y + 12), "Invalid Input!", colour=RED)


def exit_box(screen):
    img = image("escapeBox.png")
    blit(screen, "escapeBox.png", (W - img.size[0]) // 2, (H - img.size[1]) // 2)
    text(screen, (190, 210), "Do you want to exit?")
    text(screen, (187, 250), "[Y] - Yes     [N] - No")


# ------------------------------------------------------------------ screens

def title_screen():
    s = view("town-title-middle", village)
    text(s, (235, 45), "Ombrel", 64)
    blit(s, "titleMessageBox.png", 20, 325)
    text(s, (135, 341), "-- SPEED RUNNING VERSION --")
    text(s, (145, 372), "Ombrel is no longer playable.")
    text(s, (85, 397), "This build is just for speed runners.")
    text(s, (160, 432), "[ Press Space to Start ]")
    timer(s, "Speed Run Timer Enabled")
    return s


def reading_screen():
    s = view("town-cabin4-and-mother", village)
    hands(s, lantern=True, knife=False)
    message_box(s, ["Good morning, child. The bell has not rung",
                    "since the mine closed, and the village",
                    "has grown quiet. Will you help me?"])
    timer(s, "65.432")
    return s


def choosing_screen():
    s = view("town-start", village)
    option_list(s, ["Ask about the mine", "Ask about the bell", "Ask about the well",
                    "Show him the book", "Say goodbye"], 3)
    timer(s, "83.25")
    return s


def walking_screen():
    s = view("farm-arrival", village)
    hands(s)
    notice(s, "Talk to the priest")
    timer(s, "12.5")
    return s


def answer_screen():
    s = view("room3-book", village)
    answer_entry(s, "What was the name of the widow's son?",
                 ["I think his name was Tobias, the ", "boy who fell in the mine"])
    timer(s, "211.047")
    return s


def end_screen():
    s = Image.new("RGB", (W, H), rgb("black"))
    input_box(s, "Enter your first name:", "", True)
    timer(s, "1234.568")
    return s


def end_screen_typing():
    s = Image.new("RGB", (W, H), rgb("black"))
    input_box(s, "Enter your email address", "someone@example.org", False)
    timer(s, "1234.568")
    return s


def exit_screen():
    s = view("town-road-to-farm", village)
    hands(s)
    exit_box(s)
    timer(s, "100")
    return s


def cave_screen():
    s = view("cave-next-farmer", cave)
    hands(s, bloody=True)
    message_box(s, ["The farmer falls without a sound.", "",
                    "The lantern shakes in your hand."])
    timer(s, "402.75")
    return s


def font_sheet():
    """Every character at the three sizes the game uses, on the panel fill."""
    s = Image.new("RGB", (W, H), rgb("panel"))
    ascii_rows = ["".join(chr(c) for c in range(a, min(b, 127))) for a, b in
                  ((32, 56), (56, 80), (80, 104), (104, 127))]
    y = 8
    for row in ascii_rows:
        text(s, (10, y), row, 24)
        y += 25
    latin = "".join(chr(c) for c in range(0xC0, 0x100))
    for i in range(0, len(latin), 32):
        text(s, (10, y), latin[i:i + 32], 24)
        y += 25
    y += 6
    for row in ascii_rows:
        text(s, (10, y), row, 16)
        y += 17
    text(s, (10, y + 4), "Ombrel 0123", 64)
    text(s, (10, y + 74), "The quick brown fox jumps over the lazy dog.", 24)
    text(s, (10, y + 99), "Sphinx of black quartz, judge my vow!", 16)
    return s


SCREENS = {
    "font.png": font_sheet,
    "title.png": title_screen, "reading.png": reading_screen,
    "choosing.png": choosing_screen, "walking.png": walking_screen,
    "answer.png": answer_screen, "end_name.png": end_screen,
    "end_email.png": end_screen_typing, "exit.png": exit_screen, "cave.png": cave_screen,
}


def compose_all():
    for name, make in SCREENS.items():
        save_png(make(), OUT + name)


if __name__ == "__main__":
    os.chdir(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
    compose_all()
