"""The cave, dark without the lantern. One way leads in, a spiral from the
daylight at the west end:

  the entrance tunnel, the tools and the tally-marked rock (Wall 6) on its
  north side; a narrow neck where the blind axe man calls the player over
  ("lookToAxeMan", on the only way in) and walks them in a straight line to
  (16.5, 21.5) beside him; his chamber, with a side passage north to a
  grotto of a child's bones and a hole with something shiny in it; the long
  passage east and north to the farmer who bars the one-cell way at
  (28, 11) (sprite 1, "talk_previousPlayer" when spoken to); the
  propped gallery west to the one-cell neck at (18, 10), where the other
  farmer (sprite 0, hidden) will stand; and north to the woman lying at
  (6.9, 3.5) at the west end of a chamber open enough that the scripted
  walks to (9.2, 3.5) and (10.5, 3.5) run straight from wherever she is
  spoken to. She and the child's bones lie behind blocked ground, so that
  the player, stopped two cells off, sees them whole above the message box
  while they are spoken of.

Once she has spoken, (18, 10) is blocked and "talk_nextPlayer" (action 0)
waits on her side of it: the only way out leads into the ending.

The story reaches into the lists by index: sprites 0 to 2 and actions 0 to 6
are fixed (see the comments), Wall 5 is the bloodied floor, Walls 6 to 20
the fifteen rock faces, the first of them carrying the tally marks.
"""
from areas.kit import talk, door, auto, look
from common.palette import rgb

ROCK = ["textures/cave_rock_%02d.png" % i for i in range(2, 16)]

LEVEL = dict(
    hasFloor=True, hasCeiling=True, useLighting=True, useSideShading=False,
    transparentWall=False,
    rotation=180, start=(3.5, 21.5),
    background=rgb("ink"),
    textures=[
        "textures/cave_floor.png",         # 1
        "textures/cave_ceiling.png",       # 2
        "textures/cave_light.png",         # 3
        "textures/cave_props.png",         # 4
        "textures/cave_floor_blood.png",   # 5: painted under the attacked farmer
        "textures/cave_rock_01.png",       # 6: the tally marks
    ] + ROCK + [                           # 7 to 20
        "textures/cave_hole.png",          # 21
        "textures/cave_light_north.png",   # 22: the mouth's shoulders
        "textures/cave_light_south.png",   # 23
        "textures/cave_floor_02.png",      # 24, 25: more floor, mixed by the map
        "textures/cave_floor_03.png",
    ],
    legend={
        "f": ["textures/cave_floor.png", "textures/cave_floor_02.png",
              "textures/cave_floor_02.png", "textures/cave_floor_03.png"],
        "c": "textures/cave_ceiling.png",
        "L": "textures/cave_light.png",
        "P": "textures/cave_props.png",
        "x": "textures/cave_floor_blood.png",
        "T": "textures/cave_rock_01.png",
        "r": ROCK,
        "H": "textures/cave_hole.png",
        "N": "textures/cave_light_north.png",
        "S": "textures/cave_light_south.png",
    },
    definitions=[
        look("farmerNext", "sprites/farmer_next.png"),
        look("farmerPrevious", "sprites/farmer_previous.png"),
        look("farmerBody", "sprites/farmer_body.png"),
        look("blindAxeman", "sprites/blind_axeman.png"),
        look("dyingWoman", "sprites/dying_woman.png"),
        look("bones", "sprites/bones.png"),
        look("tools", "sprites/tools.png"),
        look("lanternPost", "sprites/lantern_post.png"),
    ],
    placements=[
        ("farmerNext", 18.5, 10.5, False),      # 0: questions the player at the end
        ("farmerPrevious", 28.5, 11.5, True),   # 1: bars the way in
        ("farmerBody", 28.5, 11.5, False),      # 2: shown if he is attacked
        ("blindAxeman", 17.4, 21.3, True),
        ("dyingWoman", 6.9, 3.5, True),
        ("bones", 12.5, 15.5, True),
        ("tools", 6.5, 20.2, True),
        ("lanternPost", 8.5, 22.5, True),
        ("lanternPost", 15.5, 19.5, True),
        ("lanternPost", 24.5, 10.3, True),
        ("lanternPost", 6.5, 1.4, True),
        ("lanternPost", 25.5, 20.3, True),
        ("lanternPost", 29.4, 16.5, True),
    ],
    actions=[
        auto("talk_nextPlayer", 17.6, 10.5, look=True),        # 0
        talk("talk_previousPlayer", "[Talk to farmer]", 28.5, 11.5, repeat=False),  # 1
        talk("talk_deadLady", "[Talk to woman]", 8.6, 3.5, repeat=False),  # 2
        # Her sobs, spread along the way in so that they never overlap.
        auto("playCrying", 30.5, 12.5),                        # 3
        auto("playCrying", 23.5, 11.0),                        # 4
        auto("playCrying", 15.0, 10.5),                        # 5
        auto("playCrying", 11.5, 3.5),                         # 6
        door("gotoBarnFromCave", "[Leave]", 2.4, 21.5),
        auto("lookToAxeMan", 12.0, 21.5),
        talk("talk_axeman", "[Talk to blind man]", 17.4, 21.3),
        talk("talk_holeInWall", "[Look in hole]", 16.5, 12.9),
        talk("talk_bones", "[Look at bones]", 14.6, 15.5),
        talk("talk_carvingTool", "[Look at tools]", 6.5, 20.2),
    ],
)
