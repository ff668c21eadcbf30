"""Little stand-in areas that put the art together as the player will see
it, rendered with the preview raycaster into docs/art/scenes/.

Run from the repository root after the art is made:
    /usr/bin/python3 content/art/scenes.py [town farm cave room]
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

from art.preview import Scene, render  # noqa: E402

T = "textures/%s.png"
S = "sprites/%s.png"

OUT = "docs/art/scenes"


def town(images):
    rows = [
        "TTTTTTTTTTTTTTTTTTTT",
        "T..................T",
        "T.HHH.......GgG....T",
        "T.....ccc...G.G....T",
        "T.....cdw...GGG....T",
        "T..................T",
        "T..F........wdc....T",
        "T..F.......ccc.....T",
        "T..F...............T",
        "T..................T",
        "T..............b...T",
        "T..................T",
        "TTTTTTTTTTTTTTTTTTTT",
    ]
    legend = {"T": T % "trees", "H": T % "hedge", "F": T % "fence", "c": T % "cabin_wall",
              "d": T % "cabin_door", "w": T % "cabin_window", "G": T % "church_wall",
              "g": T % "church_door", "b": T % "woodpile"}
    frows = []
    for y, r in enumerate(rows):
        frows.append("".join("r" if y in (5, 6) else ("k" if 10 <= x <= 15 and 2 <= y <= 5 else "g") for x, _ in enumerate(r)))
    floor = (frows, {"g": T % "grass", "r": T % "road", "k": T % "cobbles"})
    sprites = [
        (S % "priest", 13.5, 5.5, 1, 0), (S % "housewife", 9.5, 8.5, 1, 0),
        (S % "boy_red", 8.7, 9.2, 1, 0), (S % "girl_orange", 10.4, 9.4, 1, 0),
        (S % "girl_purple", 7.6, 8.2, 1, 0), (S % "boy_green", 11.2, 8.6, 1, 0),
        (S % "well", 16.5, 8.5, 1, 0), (S % "signpost", 4.5, 5.5, 1, 0),
        (S % "barrel", 5.5, 4.5, 1, 0), (S % "tree", 17.5, 3.5, 1, 0), (S % "cart", 14.5, 10.5, 1, 0),
    ]
    sc = Scene(rows, legend, images, floor=floor, sprites=sprites)
    render(sc, (12.5, 11.0), 90, os.path.join(OUT, "town_north.png"))
    render(sc, (3.5, 10.5), 150, os.path.join(OUT, "town_east.png"))
    render(sc, (16.0, 6.5), 20, os.path.join(OUT, "town_west.png"))


def farm(images):
    rows = [
        "KKKKKKKKKKKKKKKKKK",
        "K.......mK.......T",
        "K................T",
        "K................T",
        "T..BBBD...FFFF...T",
        "T................T",
        "T..........p.....T",
        "T................T",
        "TTTTTTTTTTTTTTTTTT",
    ]
    legend = {"T": T % "trees", "K": T % "cliff", "m": T % "cave_mouth", "B": T % "barn_wall",
              "D": T % "barn_door", "F": T % "fence", "p": T % "woodpile"}
    frows = ["".join("f" if 10 <= x <= 13 and y >= 5 else ("h" if x < 8 and y >= 5 else "g") for x in range(18)) for y in range(9)]
    floor = (frows, {"g": T % "grass", "f": T % "field", "h": T % "hay"})
    sprites = [
        (S % "sheep", 11.5, 2.5, 1, 0), (S % "sheep", 13.2, 3.0, 1, 0), (S % "sheep_stabbed", 14.5, 2.2, 1, 0),
        (S % "woodcutter", 7.5, 2.5, 1, 0), (S % "stump_lantern", 6.2, 2.0, 1, 0), (S % "axe", 9.0, 2.0, 1, 0),
        (S % "haystack", 2.5, 6.5, 1, 0), (S % "signpost", 4.5, 3.0, 1, 0),
    ]
    sc = Scene(rows, legend, images, floor=floor, sprites=sprites)
    render(sc, (9.5, 6.5), 70, os.path.join(OUT, "farm_north.png"))
    render(sc, (12.5, 3.5), 350, os.path.join(OUT, "farm_barn.png"))


def cave(images):
    rows = [
        "1111111111111111",
        "1......a.......L",
        "1.bcde.f.ghijk.1",
        "1......P.......1",
        "1mnopq.1.rstuvw1",
        "1......1.......1",
        "1111111111111111",
    ]
    legend = {"L": T % "cave_light", "P": T % "cave_props", "a": T % "cave_hole"}
    for ch, n in zip("1bcdefghijkmnopqrstuvw", [6, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 2, 3, 4, 5, 7, 9]):
        legend.setdefault(ch, T % ("cave_rock_%02d" % n))
    frows = ["".join("b" if (x, y) == (10, 3) else "f" for x in range(16)) for y in range(7)]
    sprites = [
        (S % "farmer_previous", 10.5, 3.5, 1, 0), (S % "dying_woman", 4.5, 1.5, 1, 0),
        (S % "blind_axeman", 13.5, 5.5, 1, 0), (S % "lantern_post", 7.5, 5.5, 1, 0),
        (S % "bones", 2.5, 5.5, 1, 0), (S % "tools", 3.5, 3.3, 1, 0), (S % "farmer_next", 6.0, 3.5, 1, 0),
    ]
    sc = Scene(rows, legend, images, floor=(frows, {"f": T % "cave_floor", "b": T % "cave_floor_blood"}),
               ceiling=T % "cave_ceiling", background="ink", lighting=True, sprites=sprites)
    render(sc, (13.5, 3.5), 0, os.path.join(OUT, "cave_west.png"))
    render(sc, (2.5, 3.0), 180, os.path.join(OUT, "cave_east.png"))
    render(sc, (9.5, 3.5), 0, os.path.join(OUT, "cave_near.png"))


def room(images):
    rows = [
        "pppwpppp",
        "p......h",
        "s......p",
        "c......p",
        "pplpDlpp",
    ]
    legend = {"p": T % "room_planks", "l": T % "room_plaster", "w": T % "room_window", "h": T % "room_hearth",
              "s": T % "room_shelf", "c": T % "room_cupboard", "D": T % "room_door"}
    sprites = [(S % "chef", 3.5, 1.8, 1, 0), (S % "table", 5.5, 2.5, 1, 0), (S % "book_pedestal", 1.5, 1.5, 1, 0),
               (S % "bed", 6.5, 1.5, 1, 0)]
    sc = Scene(rows, legend, images, floor=T % "floor_boards", ceiling=T % "ceiling_beams",
               background="ink", sprites=sprites)
    render(sc, (5.5, 3.5), 45, os.path.join(OUT, "room_north.png"))
    render(sc, (2.5, 1.5), 250, os.path.join(OUT, "room_south.png"))


def render_all(images):
    town(images)
    farm(images)
    cave(images)
    room(images)


def main():
    """Renders the scene views from the images already in data/images/."""
    import sys
    import numpy as np
    from PIL import Image
    here = os.path.dirname(os.path.abspath(__file__))
    sys.path.insert(0, os.path.dirname(here))
    from common.assets import TEXTURES, SPRITES
    images = {n: np.asarray(Image.open(os.path.join("data/images", n)).convert("RGB"))
              for n in list(TEXTURES) + list(SPRITES)}
    which = sys.argv[1:] or ["town", "farm", "cave", "room"]
    for name in which:
        globals()[name](images)


if __name__ == "__main__":
    main()
