"""Cabin 2: the widow's house, quiet and tidy. The shelf with the family
picture faces the door, so it is the first thing the player sees."""
from areas.kit import talk, door, look
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
        "textures/room_shelf.png",
        "textures/room_hearth.png",
        "textures/floor_boards.png",
        "textures/ceiling_beams.png",
    ],
    legend={
        "P": "textures/room_planks.png",
        "D": "textures/room_door.png",
        "W": "textures/room_window.png",
        "S": "textures/room_shelf.png",
        "H": "textures/room_hearth.png",
        "b": "textures/floor_boards.png",
        "e": "textures/ceiling_beams.png",
    },
    definitions=[
        look("bed", "sprites/bed.png"),
        look("table", "sprites/table.png"),
    ],
    placements=[
        ("bed", 1.6, 1.5, True),
        ("table", 6.5, 4.0, True),
    ],
    actions=[
        door("gotoTownFromCabin2", "[Leave]", 4.5, 6.5),
        talk("talk_picture", "[Look at picture]", 4.5, 1.0),
    ],
)
