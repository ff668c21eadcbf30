#!/usr/bin/python3
"""Writes the level fuzzer's seed corpus into fuzz/corpus/.

Each seed is the fuzzer's input layout: width - 1, height - 1, a byte saying
which map images to write, one palette index per pixel, then main.xml.
Palette: 0 empty black, 1 grey ff808080, 2 ff102030, 3 transparent black,
4 cyan, 5 white, 6 ff000001, 7 00808080.
"""

import pathlib

CORPUS = pathlib.Path(__file__).resolve().parent / "corpus"


def ring(w, h, border, inside):
    return bytes(border if x in (0, w - 1) or y in (0, h - 1) else inside
                 for y in range(h) for x in range(w))


def seed(name, w, h, which, pixels, xml):
    CORPUS.mkdir(exist_ok=True)
    (CORPUS / name).write_bytes(bytes([w - 1, h - 1, which]) + pixels + xml.encode())


SPRITES = """<sprites>
 <definition>
  <sprite><name>villager</name><image>sprite.png</image><scale><x>1</x><y>2</y></scale><move>120</move></sprite>
  <sprite><name>villager</name><image>sprite.png</image><scale><x>2</x><y>2</y></scale></sprite>
 </definition>
 <placement><sprite name="villager" x="2.5" y="2.5" isVisible="true"/></placement>
</sprites>"""

ACTIONS = """<actions>
 <action type="manual" repeat="true" name="talk_priest" lookAt="true" text="[Talk]" x="2.5" y="1.5"/>
 <action type="auto" name="lookAround" x="3" y="3"/>
</actions>"""


def level(flags, size, walls, start="2.5", extra=SPRITES + ACTIONS):
    return (f'<?xml version="1.0"?>\n<level {flags}>\n<facing rotation="90"/>\n'
            f'<start x="{start}" y="{start}"/>\n<size width="{size[0]}" height="{size[1]}"/>\n'
            f'<walls>{walls}</walls>\n{extra}\n<background color="#ff405060"/>\n</level>\n')


GREY = '<wall color="#ff808080" image="stone.png"/>'
BLACK = '<wall color="#ff000000" image="tall.png"/>'
ALL = 0x0F

seed("sound_floor_ceiling", 5, 5, ALL, ring(5, 5, 1, 0),
     level('hasFloor="true" hasCeiling="true" useLighting="true"', (5, 5), GREY + BLACK))
seed("sound_open_sky", 6, 4, 0x03, ring(6, 4, 1, 0),
     level('useSideShading="true" transparentWall="true"', (6, 4), GREY))
seed("two_colours_tall", 8, 8, ALL, ring(8, 8, 2, 1),
     level('hasFloor="true" hasCeiling="true"', (8, 8),
           '<wall color="#FF102030" image="tall.png"/><wall color="#ff102030" image="stone.png"/>' + GREY,
           start="4.5"))
seed("colour_zero_wall", 5, 5, 0x03, ring(5, 5, 3, 0),
     level("", (5, 5), '<wall color="x" image="stone.png"/>'))
seed("wrong_size_floor", 5, 5, ALL | 0x40 | 0x20, ring(5, 5, 1, 1),
     level('hasFloor="true"', (5, 5), GREY))
seed("bad_textures", 5, 5, ALL, ring(5, 5, 1, 0),
     level("", (5, 5), GREY + '<wall color="#ff00ffff" image="odd.png"/>'
           '<wall color="#ffffffff" image="bad.png"/><wall image="narrow.png"/>'))
seed("case_placement", 5, 5, 0x03, ring(5, 5, 1, 0),
     level("", (5, 5), GREY, extra=SPRITES.replace('name="villager" x', 'name="Villager" x')))
seed("malformed", 5, 5, 0x03, ring(5, 5, 1, 0),
     level("", (5, 5), GREY)[:150])
