"""Cabin 3: the farmers' hall. The book of farmers' names lies open on its
pedestal at the far end, in line with the door."""
from areas.kit import room, talk, door, look

LEVEL = room(
    "LDWCbeA", (5.5, 6.5), own={"b": "textures/floor_flags.png", "e": "textures/ceiling_thatch.png"},
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
