"""The game's one palette: muted, slightly sombre colours for a village with a
sad story. Every generator draws with these names so that the interface, the
areas and the sprites look like one game. Add a colour here, never inline.

Reserved values the engine treats specially (never use them as art colours):
  CYAN  (0, 255, 255)   transparent in wall textures and hand images
  BLACK (0, 0, 0)       transparent in sprites; empty in walls.png
  WHITE (255, 255, 255) transparent in the tally-mark stamps
"""

CYAN = (0, 255, 255)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)

COLOURS = {
    # darks and inks
    "ink": (18, 16, 20),
    "night": (28, 26, 34),
    "shadow": (44, 40, 48),
    # stone and rock
    "stone_dark": (62, 60, 64),
    "stone": (92, 90, 92),
    "stone_light": (128, 124, 122),
    "stone_pale": (164, 158, 150),
    "rock_dark": (40, 36, 38),
    "rock": (66, 58, 56),
    "rock_light": (94, 84, 78),
    "rock_wet": (78, 82, 88),
    "rock_pale": (122, 110, 100),
    # wood
    "wood_dark": (52, 36, 28),
    "wood": (86, 60, 42),
    "wood_light": (122, 88, 60),
    "wood_pale": (152, 118, 82),
    # plaster, parchment, cloth
    "plaster_dark": (150, 138, 116),
    "plaster": (186, 174, 150),
    "plaster_light": (210, 200, 178),
    "parchment": (206, 190, 154),
    "parchment_dark": (164, 146, 110),
    # earth and fields
    "mud": (70, 56, 40),
    "earth": (98, 80, 56),
    "straw": (170, 150, 92),
    "straw_dark": (132, 112, 64),
    "grass_dark": (52, 66, 42),
    "grass": (72, 90, 54),
    "grass_light": (98, 116, 70),
    # the barn's weathered red-brown boards
    "barn_dark": (70, 34, 30),
    "barn": (98, 46, 38),
    "barn_light": (124, 64, 50),
    # roofs
    "thatch": (120, 100, 60),
    "shingle": (76, 60, 62),
    "shingle_dark": (54, 42, 46),
    # sky
    "sky": (126, 142, 156),
    "sky_light": (160, 172, 180),
    # people
    "skin": (196, 160, 130),
    "skin_shadow": (160, 124, 100),
    "skin_light": (220, 188, 158),
    "skin_dark": (120, 88, 70),
    "hair_dark": (48, 38, 32),
    "hair_brown": (96, 66, 42),
    "hair_fair": (176, 150, 96),
    "hair_grey": (140, 136, 132),
    "cloth_red": (128, 52, 46),
    "cloth_orange": (160, 96, 48),
    "cloth_purple": (92, 66, 106),
    "cloth_green": (66, 96, 62),
    "cloth_blue": (62, 78, 110),
    "cloth_denim": (72, 90, 120),
    "cloth_black": (34, 32, 36),
    "cloth_white": (200, 196, 186),
    "cloth_brown": (104, 78, 54),
    # blood and fire
    "blood_dark": (92, 16, 18),
    "blood": (140, 24, 26),
    "blood_light": (178, 40, 36),
    "flame": (236, 176, 80),
    "flame_light": (252, 226, 150),
    "glow": (200, 140, 60),
    # metal
    "iron_dark": (60, 64, 70),
    "iron": (110, 116, 122),
    "iron_light": (170, 176, 182),
    "gold": (200, 166, 70),
    # interface panels (white text stands on these)
    "panel": (38, 34, 42),
    "panel_well": (24, 22, 28),
    "panel_mark": (226, 214, 184),
    # the player's coat sleeves (first-person hands)
    "coat_dark": (40, 38, 36),
    "coat": (66, 62, 54),
    "coat_light": (94, 88, 74),
    "coat_warm": (132, 106, 70),
    # the cave's rock under the lantern: warm, and light enough that the
    # distance darkness leaves the near faces readable
    "cave_ink": (36, 29, 26),
    "cave_rock_dark": (70, 57, 48),
    "cave_rock": (104, 87, 72),
    "cave_rock_light": (136, 115, 94),
    "cave_rock_pale": (168, 146, 118),
    "cave_wet": (80, 74, 72),
    "cave_sheen": (206, 198, 180),
    "cave_puddle": (58, 60, 66),
    "cave_puddle_light": (128, 134, 140),
    # a painted door or sign that marks one cabin from the next
    "paint_blue": (58, 92, 128),
    "paint_green": (60, 104, 70),
    "paint_red": (138, 48, 40),
    "paint_yellow": (188, 150, 58),
    # the priest's cassock: dark blue-grey, not the black of a doorway
    "cassock": (46, 50, 70),
    "cassock_light": (78, 84, 108),
    # eyes: whites, and the milky eyes of the blind man
    "eye_white": (226, 222, 210),
    "eye_milk": (196, 202, 206),
}


def rgb(name):
    """The RGB triple of a palette name (or of the reserved names)."""
    if name == "cyan":
        return CYAN
    if name == "black":
        return BLACK
    if name == "white":
        return WHITE
    return COLOURS[name]
