"""Cabin 4: the mother's home, two beds for four children, a warm hearth."""
from areas.kit import door, look
from common.palette import rgb

LEVEL = dict(
    hasFloor=True, hasCeiling=True, useLighting=False, useSideShading=True,
    transparentWall=False,
    rotation=90, start=(4.5, 5.5),
    background=rgb("ink"),
    textures=[
        "textures/room_planks.png",
        "textures/room_door.png",
        "textures/room_window.png",
        "textures/room_hearth.png",
        "textures/room_cupboard.png",
        "textures/floor_boards.png",
        "textures/ceiling_beams.png",
    ],
    legend={
        "P": "textures/room_planks.png",
        "D": "textures/room_door.png",
        "W": "textures/room_window.png",
        "H": "textures/room_hearth.png",
        "C": "textures/room_cupboard.png",
        "b": "textures/floor_boards.png",
        "e": "textures/ceiling_beams.png",
    },
    definitions=[
        look("bed", "sprites/bed.png"),
        look("table", "sprites/table.png"),
        look("barrel", "sprites/barrel.png"),
    ],
    placements=[
        ("bed", 1.5, 1.5, True),
        ("bed", 3.6, 1.5, True),
        ("table", 5.5, 4.0, True),
        ("barrel", 7.3, 6.3, True),
    ],
    actions=[
        door("gotoTownFromCabin4", "[Leave]", 4.5, 6.5),
    ],
)
