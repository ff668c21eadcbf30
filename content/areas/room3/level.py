"""Cabin 3: the farmers' hall. The book of farmers' names lies open on its
pedestal at the far end, in line with the door."""
from areas.kit import talk, door, look
from common.palette import rgb

LEVEL = dict(
    hasFloor=True, hasCeiling=True, useLighting=False, useSideShading=True,
    transparentWall=False,
    rotation=90, start=(5.5, 6.5),
    background=rgb("ink"),
    textures=[
        "textures/room_plaster.png",
        "textures/room_door.png",
        "textures/room_window.png",
        "textures/room_cupboard.png",
        "textures/floor_boards.png",
        "textures/ceiling_beams.png",
    ],
    legend={
        "L": "textures/room_plaster.png",
        "D": "textures/room_door.png",
        "W": "textures/room_window.png",
        "C": "textures/room_cupboard.png",
        "b": "textures/floor_boards.png",
        "e": "textures/ceiling_beams.png",
    },
    definitions=[
        look("bookPedestal", "sprites/book_pedestal.png"),
        look("table", "sprites/table.png"),
        look("barrel", "sprites/barrel.png"),
    ],
    placements=[
        ("bookPedestal", 5.5, 2.5, True),
        ("table", 2.5, 4.5, True),
        ("table", 8.5, 4.5, True),
        ("barrel", 9.3, 1.4, True),
    ],
    actions=[
        door("gotoTownFromCabin3", "[Leave]", 5.5, 7.5),
        talk("talk_book", "[Read book]", 5.5, 2.5),
    ],
)
