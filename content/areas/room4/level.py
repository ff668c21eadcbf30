"""Cabin 4: the mother's home, two beds for four children, a warm hearth."""
from areas.kit import room, door, look

LEVEL = room(
    "PDWHCbeK", (4.5, 5.5),
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
