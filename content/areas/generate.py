#!/usr/bin/python3
"""Builds the seven areas under data/levels/ from their sources here.

Each area is a folder named after its level:
  walls.txt      one character per cell; '.' is open ground
  floor.txt      one character per cell (only when the area has a floor)
  ceiling.txt    one character per cell (only when the area has a ceiling)
  collision.txt  '#' blocks the player, '.' lets them through
  level.py       everything else of main.xml: flags, start and facing, the
                 texture list and what each map character stands for, the
                 sprite looks and placements, and the trigger points.

Walls, floor and ceiling share one vocabulary per area: each character names
a texture of common/assets.py, and each texture gets one opaque map colour,
declared in main.xml and painted into the PNGs. A character may stand for a
list of textures (the cave's rock faces); the cell then takes one of them by
a fixed pattern of its position, so the same sources give the same maps.

The checks here catch a slip while editing (a ragged row, an open border, a
wall the player could walk into); the game's own level check in
tests/ShippedLevelsTest.cpp holds the areas to what the story needs.
"""
import os
import runpy
import sys

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))

from common.assets import TEXTURES, SPRITES     # noqa: E402
from common.palette import rgb                  # noqa: E402
from common.pixelart import rows_of, save_png   # noqa: E402

# In the order of the game's level numbers.
AREAS = ["town", "cave", "room1", "room2", "room3", "room4", "farm"]
OUT = "data/levels"

# Map colours: close to what the texture shows, so that the PNGs read as
# maps, and distinct within every area that uses them together.
MAP_COLOURS = {
    "textures/grass.png": (72, 120, 54),
    "textures/road.png": (140, 110, 70),
    "textures/cobbles.png": (128, 128, 136),
    "textures/cabin_wall.png": (200, 180, 140),
    "textures/cabin_door.png": (150, 90, 40),
    "textures/cabin_window.png": (120, 160, 200),
    "textures/church_wall.png": (96, 96, 104),
    "textures/church_door.png": (170, 60, 60),
    "textures/trees.png": (30, 80, 40),
    "textures/hedge.png": (40, 110, 50),
    "textures/fence.png": (160, 130, 90),
    "textures/barn_wall.png": (140, 40, 30),
    "textures/barn_door.png": (200, 60, 40),
    "textures/field.png": (110, 90, 40),
    "textures/hay.png": (210, 190, 100),
    "textures/cliff.png": (110, 104, 100),
    "textures/cave_mouth.png": (20, 20, 24),
    "textures/woodpile.png": (170, 110, 60),
    "textures/room_planks.png": (100, 70, 50),
    "textures/room_plaster.png": (220, 210, 190),
    "textures/room_door.png": (150, 90, 40),
    "textures/room_window.png": (120, 160, 200),
    "textures/room_shelf.png": (200, 150, 60),
    "textures/room_hearth.png": (220, 80, 30),
    "textures/room_cupboard.png": (90, 120, 150),
    "textures/floor_boards.png": (130, 100, 70),
    "textures/ceiling_beams.png": (80, 60, 50),
    "textures/cave_floor.png": (60, 56, 54),
    "textures/cave_ceiling.png": (44, 40, 42),
    "textures/cave_light.png": (230, 230, 200),
    "textures/cave_props.png": (130, 90, 50),
    "textures/cave_floor_blood.png": (150, 20, 20),
    "textures/cave_hole.png": (220, 180, 40),
    "textures/cave_light_north.png": (236, 236, 210),
    "textures/cave_light_south.png": (224, 224, 190),
    "textures/cave_floor_02.png": (64, 58, 52),
    "textures/cave_floor_03.png": (56, 56, 60),
    "textures/trees_02.png": (30, 84, 44),
    "textures/trees_03.png": (34, 80, 40),
    "textures/trees_04.png": (26, 76, 36),
    "textures/trees_road.png": (120, 96, 60),
    "textures/cliff_02.png": (114, 108, 104),
    "textures/cliff_03.png": (106, 100, 96),
    "textures/road_02.png": (144, 114, 74),
    "textures/road_03.png": (136, 106, 66),
    "textures/hay_02.png": (214, 194, 104),
    "textures/hay_03.png": (206, 186, 96),
    "textures/cabin_door_1.png": (160, 60, 40),
    "textures/room_panelled.png": (180, 160, 130),
    "textures/room_planks_painted.png": (60, 92, 128),
    "textures/cabin_door_2.png": (40, 36, 40),
    "textures/cabin_door_3.png": (60, 110, 70),
    "textures/cabin_door_4.png": (60, 90, 130),
    "textures/ceiling_plaster.png": (196, 186, 164),
    "textures/ceiling_thatch.png": (160, 136, 80),
    "textures/floor_flags.png": (140, 136, 132),
}
for _i in range(1, 16):
    MAP_COLOURS["textures/cave_rock_%02d.png" % _i] = (80 + 8 * _i, 72 + 6 * _i, 68 + 5 * _i)


class AreaError(Exception):
    pass


def fmt(value):
    """A number as main.xml writes it: shortest fixed form, no exponent."""
    text = "%.4f" % value
    return text.rstrip("0").rstrip(".") if "." in text else text


def xml_text(text):
    return (text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
            .replace('"', "&quot;"))


def colour_attr(rgb_triple):
    return "#ff%02x%02x%02x" % rgb_triple


def read_grid(folder, name, required):
    path = os.path.join(folder, name)
    if not os.path.exists(path):
        if required:
            raise AreaError("%s is missing" % path)
        return None
    with open(path) as f:
        try:
            return rows_of(f.read())
        except ValueError as e:
            raise AreaError("%s: %s" % (path, e))


class Area:
    def __init__(self, name):
        self.name = name
        self.folder = os.path.join(HERE, name)
        self.description = runpy.run_path(os.path.join(self.folder, "level.py"))["LEVEL"]
        description = self.description
        self.walls = read_grid(self.folder, "walls.txt", True)
        self.collision = read_grid(self.folder, "collision.txt", True)
        self.floor = read_grid(self.folder, "floor.txt", description["hasFloor"])
        self.ceiling = read_grid(self.folder, "ceiling.txt", description["hasCeiling"])
        self.height = len(self.walls)
        self.width = len(self.walls[0])
        self.textures = description["textures"]
        self.legend = description["legend"]
        self.check()

    def fail(self, what):
        raise AreaError("area %s: %s" % (self.name, what))

    # -- the texture vocabulary ------------------------------------------------
    def number_of(self, texture):
        return self.textures.index(texture) + 1

    def wall_number(self, ch, x, y):
        """The Wall number a map character stands for at cell (x, y)."""
        meaning = self.legend[ch]
        if isinstance(meaning, str):
            return self.number_of(meaning)
        # A family of looks: neighbours rarely repeat one another.
        return self.number_of(meaning[(x * 7 + y * 11 + (x * y) % 5) % len(meaning)])

    def colour_of(self, number):
        return MAP_COLOURS[self.textures[number - 1]]

    # -- checks -----------------------------------------------------------------
    def check(self):
        description = self.description
        for t in self.textures:
            if t not in TEXTURES:
                self.fail("texture %s is not in common/assets.py" % t)
        if len(set(self.textures)) != len(self.textures):
            self.fail("a texture is listed twice")
        colours = [MAP_COLOURS[t] for t in self.textures]
        if len(set(colours)) != len(colours) or (0, 0, 0) in colours:
            self.fail("map colours must be distinct and not black")
        for ch, meaning in self.legend.items():
            for t in [meaning] if isinstance(meaning, str) else meaning:
                if t not in self.textures:
                    self.fail("character %r names %s, which is not in the texture list" % (ch, t))
        grids = [("walls.txt", self.walls), ("collision.txt", self.collision),
                 ("floor.txt", self.floor), ("ceiling.txt", self.ceiling)]
        for fname, grid in grids:
            if grid is not None and (len(grid) != self.height or len(grid[0]) != self.width):
                self.fail("%s is %dx%d, walls.txt is %dx%d" % (
                    fname, len(grid[0]), len(grid), self.width, self.height))
        for y in range(self.height):
            for x in range(self.width):
                w = self.walls[y][x]
                c = self.collision[y][x]
                if w != "." and w not in self.legend:
                    self.fail("walls.txt (%d, %d): unknown character %r" % (x, y, w))
                if c not in "#.":
                    self.fail("collision.txt (%d, %d): use '#' or '.'" % (x, y))
                border = x in (0, self.width - 1) or y in (0, self.height - 1)
                if border and w == ".":
                    self.fail("walls.txt (%d, %d): the border must be walls" % (x, y))
                if w != "." and c != "#":
                    self.fail("collision.txt (%d, %d): a wall cell must block" % (x, y))
                for fname, grid in (("floor.txt", self.floor), ("ceiling.txt", self.ceiling)):
                    if grid is not None and grid[y][x] not in self.legend:
                        self.fail("%s (%d, %d): unknown character %r" % (fname, x, y, grid[y][x]))
        sx, sy = description["start"]
        if self.collision[int(sy)][int(sx)] != ".":
            self.fail("the start stands in a blocked cell")
        names = [d[0] for d in description["definitions"]]
        if len(set(names)) != len(names):
            self.fail("two sprite definitions share a name")
        for d in description["definitions"]:
            if d[1] not in SPRITES:
                self.fail("sprite image %s is not in common/assets.py" % d[1])
        for p in description["placements"]:
            if p[0] not in names:
                self.fail("placement of unknown sprite %s" % p[0])
            if not (0 < p[1] < self.width and 0 < p[2] < self.height):
                self.fail("sprite %s stands off the map" % p[0])
        for a in description["actions"]:
            if not (0 < a["x"] < self.width and 0 < a["y"] < self.height):
                self.fail("action %s lies off the map" % a["name"])

    # -- output -----------------------------------------------------------------
    def grid_image(self, grid, materials):
        image = Image.new("RGB", (self.width, self.height))
        px = image.load()
        for y in range(self.height):
            for x in range(self.width):
                ch = grid[y][x] if grid is not None else "."
                if ch == "." and not materials:
                    px[x, y] = (0, 0, 0)
                elif ch == ".":
                    raise AreaError("area %s: open '.' in a floor or ceiling map" % self.name)
                else:
                    px[x, y] = self.colour_of(self.wall_number(ch, x, y))
        return image

    def collision_image(self):
        image = Image.new("RGB", (self.width, self.height))
        px = image.load()
        for y in range(self.height):
            for x in range(self.width):
                px[x, y] = (255, 255, 255) if self.collision[y][x] == "#" else (0, 0, 0)
        return image

    def main_xml(self):
        s = self.description

        def flag(v):
            return "true" if v else "false"

        out = ['<?xml version="1.0" encoding="UTF-8"?>',
               "<!-- Generated by content/areas/generate.py from content/areas/%s/; "
               "edit the sources, not this file. -->" % self.name,
               '<level hasFloor="%s" hasCeiling="%s" useLighting="%s" useSideShading="%s" '
               'transparentWall="%s">' % (flag(s["hasFloor"]), flag(s["hasCeiling"]),
                                          flag(s["useLighting"]), flag(s["useSideShading"]),
                                          flag(s["transparentWall"])),
               '  <facing rotation="%s"/>' % fmt(s["rotation"]),
               '  <start x="%s" y="%s"/>' % (fmt(s["start"][0]), fmt(s["start"][1])),
               '  <size width="%d" height="%d"/>' % (self.width, self.height),
               "  <walls>"]
        for n, t in enumerate(self.textures, 1):
            out.append('    <wall color="%s" image="%s"/><!-- %d -->' % (
                colour_attr(MAP_COLOURS[t]), xml_text(t), n))
        out.append("  </walls>")
        out.append("  <sprites>")
        out.append("    <definition>")
        for i, d in enumerate(s["definitions"]):
            name, image, scale, move = d
            out.append("      <sprite><!-- %d -->" % i)
            out.append("        <name>%s</name>" % xml_text(name))
            out.append("        <image>%s</image>" % xml_text(image))
            out.append("        <scale><x>%s</x><y>%s</y></scale>" % (fmt(scale[0]), fmt(scale[1])))
            out.append("        <move>%s</move>" % fmt(move))
            out.append("      </sprite>")
        out.append("    </definition>")
        out.append("    <placement>")
        for i, p in enumerate(s["placements"]):
            out.append('      <sprite name="%s" x="%s" y="%s" isVisible="%s"/><!-- %d -->' % (
                xml_text(p[0]), fmt(p[1]), fmt(p[2]), flag(p[3]), i))
        out.append("    </placement>")
        out.append("  </sprites>")
        out.append('  <background color="%s"/>' % colour_attr(s["background"]))
        out.append("  <actions>")
        for i, a in enumerate(s["actions"]):
            out.append('    <action type="%s" repeat="%s" name="%s" lookAt="%s" text="%s" '
                       'x="%s" y="%s"/><!-- %d -->' % (
                           a["type"], flag(a["repeat"]), xml_text(a["name"]), flag(a["lookAt"]),
                           xml_text(a["text"]), fmt(a["x"]), fmt(a["y"]), i))
        out.append("  </actions>")
        out.append("</level>")
        return "\n".join(out) + "\n"

    def write(self):
        folder = os.path.join(OUT, self.name)
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "main.xml"), "w", newline="\n") as f:
            f.write(self.main_xml())
        save_png(self.grid_image(self.walls, False), os.path.join(folder, "walls.png"))
        save_png(self.grid_image(self.floor, self.floor is not None),
                 os.path.join(folder, "floor.png"))
        save_png(self.grid_image(self.ceiling, self.ceiling is not None),
                 os.path.join(folder, "ceiling.png"))
        save_png(self.collision_image(), os.path.join(folder, "collision.png"))


    # -- a plan for reviewing ----------------------------------------------------
    def plan(self, path):
        """The area from above, as the map images paint it, with what the
        level file adds: sprites (dots; hollow while hidden), trigger points
        with their reach (yellow: manual, red: automatic) and the start with
        its facing. Blocked open cells are hatched."""
        from PIL import ImageDraw
        k = 16
        image = Image.new("RGB", (self.width * k, self.height * k))
        draw = ImageDraw.Draw(image)
        ground = self.floor
        for y in range(self.height):
            for x in range(self.width):
                box = (x * k, y * k, x * k + k - 1, y * k + k - 1)
                w = self.walls[y][x]
                if w != ".":
                    draw.rectangle(box, fill=self.colour_of(self.wall_number(w, x, y)))
                    continue
                base = self.colour_of(self.wall_number(ground[y][x], x, y)) if ground else (40, 40, 40)
                draw.rectangle(box, fill=tuple(c // 2 for c in base))
                if self.collision[y][x] == "#":
                    for i in range(0, k, 4):
                        draw.line((x * k + i, y * k, x * k, y * k + i), fill=(255, 255, 255))
        for a in self.description["actions"]:
            cx, cy = a["x"] * k, a["y"] * k
            colour = (250, 220, 60) if a["type"] == "manual" else (240, 70, 60)
            draw.ellipse((cx - k, cy - k, cx + k, cy + k), outline=colour)
        for p in self.description["placements"]:
            cx, cy = p[1] * k, p[2] * k
            draw.ellipse((cx - 3, cy - 3, cx + 3, cy + 3), outline=(255, 255, 255),
                         fill=(255, 255, 255) if p[3] else None)
        import math
        sx, sy = self.description["start"]
        a = math.radians(self.description["rotation"])
        dx, dy = -math.cos(a), -math.sin(a)
        draw.line((sx * k, sy * k, (sx + dx) * k, (sy + dy) * k), fill=(80, 200, 255), width=3)
        draw.ellipse((sx * k - 4, sy * k - 4, sx * k + 4, sy * k + 4), fill=(80, 200, 255))
        save_png(image, path)


def main():
    try:
        areas = [Area(name) for name in AREAS]
    except AreaError as e:
        raise SystemExit("areas: %s" % e)
    for area in areas:
        area.write()
        area.plan(os.path.join("docs", "areas", "%s-plan.png" % area.name))


if __name__ == "__main__":
    main()
