"""The farm: the lane from the village opens on the farmyard and the locked
barn; the road runs south past the ploughed fields, then west along the
foot of the hill to the cave mouth, where the woodcutter waits by his
woodpile. Sheep graze in the pasture south-east of the junction.

Arriving from the village the player faces south, the lane back at their
back (north); coming out of the cave they face east, the mouth behind them.

The story reaches into the lists by index: actions 0 and 1 are the two ways
out; every sheep is a "talk_sheep" action i >= 2 whose sprite is i - 2, and
sprite 2 is the stump with the lantern (action 4 picks it up). Each sheep's
look is followed in the definitions by its stabbed look, the lantern stump
by the empty stump: the story advances a sprite to the next definition.
"""
from areas.kit import SKY, talk, door, look

SHEEP = "[Pet sheep]"

LEVEL = dict(
    hasFloor=True, hasCeiling=False, useLighting=False, useSideShading=True,
    transparentWall=True,
    rotation=270, start=(15.0, 3.0),
    background=SKY,
    textures=[
        "textures/trees.png",
        "textures/grass.png",
        "textures/road.png",
        "textures/hay.png",
        "textures/field.png",
        "textures/barn_wall.png",
        "textures/barn_door.png",
        "textures/cliff.png",
        "textures/cave_mouth.png",
        "textures/woodpile.png",
        "textures/hedge.png",
        # 12 on: more looks mixed by the map
        "textures/trees_02.png",
        "textures/trees_03.png",
        "textures/trees_04.png",
        "textures/cliff_02.png",
        "textures/cliff_03.png",
        "textures/road_02.png",
        "textures/road_03.png",
        "textures/hay_02.png",
        "textures/hay_03.png",
    ],
    legend={
        "T": ["textures/trees.png", "textures/trees_02.png", "textures/trees_03.png",
              "textures/trees_04.png"],
        "g": "textures/grass.png",
        "r": ["textures/road.png", "textures/road_02.png", "textures/road_03.png"],
        "y": ["textures/hay.png", "textures/hay_02.png", "textures/hay_03.png"],
        "F": "textures/field.png",
        "b": "textures/barn_wall.png",
        "B": "textures/barn_door.png",
        "K": ["textures/cliff.png", "textures/cliff_02.png", "textures/cliff_03.png"],
        "M": "textures/cave_mouth.png",
        "p": "textures/woodpile.png",
        "f": "textures/hedge.png",
    },
    definitions=[
        look("sheep", "sprites/sheep.png"),
        look("sheepStabbed", "sprites/sheep_stabbed.png"),
        look("stumpLantern", "sprites/stump_lantern.png"),
        look("stump", "sprites/stump.png"),
        look("woodcutter", "sprites/woodcutter.png"),
        look("axe", "sprites/axe.png"),
        look("signpost", "sprites/signpost.png"),
        look("haystack", "sprites/haystack.png"),
        look("cart", "sprites/cart.png"),
        look("barrel", "sprites/barrel.png"),
        look("tree", "sprites/tree.png"),
    ],
    placements=[
        ("sheep", 21.5, 20.5, True),          # 0
        ("sheep", 24.5, 18.6, True),          # 1
        ("stumpLantern", 6.5, 24.5, True),    # 2
        ("sheep", 20.5, 24.6, True),          # 3
        ("sheep", 24.5, 25.5, True),          # 4
        ("woodcutter", 6.5, 19.5, True),
        ("axe", 7.5, 19.5, True),
        ("signpost", 16.6, 5.5, True),
        ("signpost", 16.6, 20.4, True),
        ("haystack", 17.5, 12.2, True),
        ("haystack", 8.5, 9.5, True),
        ("cart", 12.6, 5.4, True),
        ("barrel", 18.4, 6.4, True),
        ("tree", 11.5, 19.5, True),
        ("tree", 24.6, 15.6, True),
        ("tree", 12.5, 24.5, True),
        ("haystack", 10.2, 13.3, True),
        ("haystack", 5.6, 6.4, True),
        ("barrel", 5.5, 19.5, True),
    ],
    actions=[
        door("gotoTownFromBarn", "[Go to village]", 15.0, 1.5),   # 0
        door("gotoCave", "[Enter cave]", 4.5, 22.5),              # 1
        talk("talk_sheep", SHEEP, 21.5, 20.5),                    # 2: sprite 0
        talk("talk_sheep", SHEEP, 24.5, 18.6),                    # 3: sprite 1
        talk("talk_lantern", "[Pick up lantern]", 6.5, 24.5, repeat=False),  # 4
        talk("talk_sheep", SHEEP, 20.5, 24.6),                    # 5: sprite 3
        talk("talk_sheep", SHEEP, 24.5, 25.5),                    # 6: sprite 4
        # The axe first: where both are in reach, the woodcutter's label wins.
        talk("talk_axe", "[Look at axe]", 7.5, 19.5),
        talk("talk_firstAxeman", "[Talk to woodcutter]", 6.5, 19.5),
        talk("talk_barn", "[Try barn door]", 19.1, 9.6),
        talk("talk_signPostAtBarn", "[Read sign]", 16.6, 5.5),
        talk("talk_signPostCave", "[Read sign]", 16.6, 20.4),
    ],
)
