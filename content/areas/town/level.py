"""The village: open sky, the church with its square, four cabins, the road
west to the farm. The title screen looks out from the street at (12.5, 12.5),
swinging between north (the church and the priest) and west (the street
toward the farm), so those two views are composed to read at a glance.

Leaving a cabin faces the player away from its door: cabin 1's door is north
of its trigger, cabin 2's south (the widow's house, on the right as one walks
west toward the farm), cabins 3 and 4 east; the farm road lies west.
"""
from areas.kit import SKY, talk, door, look

LEVEL = dict(
    hasFloor=True, hasCeiling=False, useLighting=False, useSideShading=True,
    transparentWall=True,
    rotation=0, start=(19.5, 13.5),
    background=SKY,
    textures=[
        "textures/trees.png",
        "textures/grass.png",
        "textures/road.png",
        "textures/cobbles.png",
        "textures/church_wall.png",
        "textures/church_door.png",
        "textures/cabin_wall.png",
        "textures/cabin_door.png",
        "textures/cabin_window.png",
        "textures/woodpile.png",
    ],
    legend={
        "T": "textures/trees.png",
        "g": "textures/grass.png",
        "r": "textures/road.png",
        "c": "textures/cobbles.png",
        "s": "textures/church_wall.png",
        "C": "textures/church_door.png",
        "w": "textures/cabin_wall.png",
        "d": "textures/cabin_door.png",
        "n": "textures/cabin_window.png",
        "p": "textures/woodpile.png",
    },
    definitions=[
        look("priest", "sprites/priest.png"),
        look("housewife", "sprites/housewife.png"),
        look("boyRed", "sprites/boy_red.png"),
        look("girlOrange", "sprites/girl_orange.png"),
        look("girlPurple", "sprites/girl_purple.png"),
        look("boyGreen", "sprites/boy_green.png"),
        look("signpost", "sprites/signpost.png"),
        look("well", "sprites/well.png"),
        look("cart", "sprites/cart.png"),
        look("barrel", "sprites/barrel.png"),
        look("tree", "sprites/tree.png"),
    ],
    placements=[
        ("priest", 12.5, 6.6, True),
        ("housewife", 16.5, 16.5, True),
        ("boyRed", 15.2, 17.6, True),
        ("girlOrange", 13.1, 8.5, True),
        ("girlPurple", 15.6, 10.0, True),
        ("boyGreen", 17.9, 15.4, True),
        ("signpost", 2.5, 11.6, True),
        ("well", 14.4, 8.7, True),
        ("cart", 8.2, 8.4, True),
        ("barrel", 7.5, 9.5, True),
        ("barrel", 20.4, 22.6, True),
        ("tree", 14.5, 18.5, True),
        ("tree", 9.2, 6.6, True),
        ("tree", 1.4, 11.3, True),
        ("tree", 1.4, 14.7, True),
    ],
    actions=[
        door("gotoBarnFromTown", "[Go to farm]", 1.5, 13.5),
        door("gotoCabin1", "[Enter]", 4.5, 11.5),
        door("gotoCabin2", "[Enter]", 4.5, 15.5),
        door("gotoCabin3", "[Enter]", 20.5, 5.5),
        door("gotoCabin4", "[Enter]", 20.5, 20.5),
        talk("talk_priest", "[Talk to priest]", 12.5, 6.6),
        talk("talk_housewife", "[Talk to mother]", 16.5, 16.5),
        talk("talk_boyRed", "[Talk to boy]", 15.2, 17.6),
        talk("talk_girlOrange", "[Talk to girl]", 13.1, 8.5),
        talk("talk_girlPurple", "[Talk to girl]", 15.6, 10.0),
        talk("talk_boyGreen", "[Talk to boy]", 17.9, 15.4),
        talk("talk_signPostBarn", "[Read sign]", 2.5, 11.6),
    ],
)
