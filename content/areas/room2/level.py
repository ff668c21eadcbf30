"""Cabin 2: the widow's house, quiet and tidy. The shelf with the family
picture faces the door, so it is the first thing the player sees."""
from areas.kit import room, talk, door, look

LEVEL = room(
    "PDWSHbe", (4.5, 5.5), own={"e": "textures/ceiling_plaster.png"},
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
        talk("talk_picture", "[Look at picture]", 4.5, 0.9),
    ],
)
