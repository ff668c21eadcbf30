"""Cabin 1: the cook's kitchen. The hearth faces the door, the cook stands
at it; dressers along the sides."""
from areas.kit import room, talk, door, look

LEVEL = room(
    "LDWHCbeF", (4.5, 5.5),
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
