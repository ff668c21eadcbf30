"""Cabin 1: the cook's kitchen. The hearth faces the door, the cook stands
at it; dressers along the sides."""
from areas.kit import talk, door, look
from common.palette import rgb

LEVEL = dict(
    hasFloor=True, hasCeiling=True, useLighting=False, useSideShading=True,
    transparentWall=False,
    rotation=90, start=(4.5, 5.5),
    background=rgb("ink"),
    textures=[
        "textures/room_plaster.png",
        "textures/room_door.png",
        "textures/room_window.png",
        "textures/room_hearth.png",
        "textures/room_cupboard.png",
        "textures/floor_boards.png",
        "textures/ceiling_beams.png",
    ],
    legend={
        "L": "textures/room_plaster.png",
        "D": "textures/room_door.png",
        "W": "textures/room_window.png",
        "H": "textures/room_hearth.png",
        "C": "textures/room_cupboard.png",
        "b": "textures/floor_boards.png",
        "e": "textures/ceiling_beams.png",
    },
    definitions=[
        look("chef", "sprites/chef.png"),
        look("table", "sprites/table.png"),
        look("barrel", "sprites/barrel.png"),
    ],
    placements=[
        ("chef", 5.5, 1.6, True),
        ("table", 3.5, 3.6, True),
        ("barrel", 8.3, 6.3, True),
    ],
    actions=[
        door("gotoTownFromCabin1", "[Leave]", 4.5, 6.5),
        talk("talk_chef", "[Talk to cook]", 5.5, 1.6),
    ],
)
