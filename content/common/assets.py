"""The pictures the areas are built from: one name per file below data/images/.

The art generator (content/art/) draws every entry; the level generator
(content/areas/) names them in the levels' main.xml. A level file may name only
what is listed here, so a new texture or sprite starts with a line here.

Textures are 64 texels wide and 64 * storeys tall; cyan (0, 255, 255) texels
are see-through. Only the top 64 x 64 block of a texture is used on floors and
ceilings. Sprites are 64 x 64 with black (0, 0, 0) see-through, feet on the
bottom rows so that they stand on the floor at scale 1.
"""

# file below data/images/ -> (storeys, what it shows)
TEXTURES = {
    # the village and the farm, under open sky
    "textures/grass.png": (1, "short grass, a few flowers and stones: the village ground"),
    "textures/road.png": (1, "packed earth road with wheel ruts"),
    "textures/cobbles.png": (1, "worn cobbles: the square before the church"),
    "textures/cabin_wall.png": (2, "timber frame and plaster, eaves and shingle roof edge at the top"),
    "textures/cabin_door.png": (2, "the same wall with a plank door and step"),
    "textures/cabin_window.png": (2, "the same wall with a shuttered window"),
    "textures/church_wall.png": (3, "grey stone courses, a narrow arched window high up"),
    "textures/church_door.png": (3, "stone with an arched double door and a small cross above"),
    "textures/trees.png": (2, "dark pine and oak crowns against cyan sky: the wood around the areas"),
    "textures/hedge.png": (1, "a low dark hedge, cyan above its ragged top"),
    "textures/fence.png": (1, "split-rail fence, cyan between the rails"),
    "textures/barn_wall.png": (2, "dark red-brown barn planks with a loft hatch"),
    "textures/barn_door.png": (2, "the barn's big double door, barred and padlocked"),
    "textures/field.png": (1, "ploughed furrows with green shoots"),
    "textures/hay.png": (1, "trampled straw and hay: the farmyard ground"),
    "textures/cliff.png": (2, "rough grey rock face with moss: the hill over the cave"),
    "textures/cave_mouth.png": (2, "the cliff with a dark opening and timber props"),
    "textures/woodpile.png": (1, "stacked split logs"),
    # cabin interiors
    "textures/room_planks.png": (1, "interior wall of dark vertical planks"),
    "textures/room_plaster.png": (1, "interior limewashed plaster with a beam"),
    "textures/room_door.png": (1, "the inside of the front door, light under it"),
    "textures/room_window.png": (1, "a small window with daylight and curtains"),
    "textures/room_shelf.png": (1, "planks with a shelf holding a small framed family picture"),
    "textures/room_hearth.png": (1, "a stone hearth with embers"),
    "textures/room_cupboard.png": (1, "a kitchen dresser with plates and pots"),
    "textures/floor_boards.png": (1, "worn floorboards"),
    "textures/ceiling_beams.png": (1, "ceiling planks crossed by a dark beam"),
    # the cave
    "textures/cave_floor.png": (1, "wet dark rock floor with grit"),
    "textures/cave_ceiling.png": (1, "rough rock ceiling with drips"),
    "textures/cave_light.png": (2, "the way out: rock around a pale daylight opening"),
    "textures/cave_props.png": (2, "rock shored up with old mine timbers"),
    "textures/cave_floor_blood.png": (1, "the cave floor with a pool of blood"),
    "textures/cave_hole.png": (1, "rock with a small dark hole and a glint of gold deep inside"),
}
# Wall numbers 6 to 20 of the cave: fifteen rock faces, all different, the
# first of them the one the tally marks are carved into.
for _i in range(1, 16):
    TEXTURES["textures/cave_rock_%02d.png" % _i] = (1, "dark wet rock face, variant %d" % _i)
# The cave mouth is three cells wide: its middle is cave_light.png, these
# its two shoulders, so that one arch of daylight spans them.
TEXTURES["textures/cave_light_north.png"] = (2, "the mouth's north shoulder: daylight closing against rock")
TEXTURES["textures/cave_light_south.png"] = (2, "the mouth's south shoulder: daylight closing against rock")

# file below data/images/ -> what it shows (64 x 64)
SPRITES = {
    # villagers
    "sprites/priest.png": "the priest: black cassock, white collar, grey hair, hands folded",
    "sprites/housewife.png": "the mother: long brown skirt, apron, headscarf",
    "sprites/boy_red.png": "a small boy in a red shirt",
    "sprites/girl_orange.png": "a small girl in an orange dress, plaits",
    "sprites/girl_purple.png": "a small girl in a purple dress, loose fair hair",
    "sprites/boy_green.png": "a small boy in a green jerkin and cap",
    "sprites/chef.png": "the cook: white apron and cap, wooden spoon",
    "sprites/woodcutter.png": "the woodcutter: checked shirt, beard, axe on his shoulder",
    # objects of the village, cabins and farm
    "sprites/signpost.png": "a wooden signpost with two arrow boards",
    "sprites/well.png": "the village well with a little roof",
    "sprites/cart.png": "a two-wheeled hand cart",
    "sprites/barrel.png": "a barrel",
    "sprites/tree.png": "a single bare tree",
    "sprites/book_pedestal.png": "a heavy book lying open on a stone pedestal",
    "sprites/table.png": "a plain table with a jug",
    "sprites/bed.png": "a low bed with a blanket",
    "sprites/stump_lantern.png": "a tree stump with a lit lantern on it",
    "sprites/stump.png": "the same stump, empty",
    "sprites/axe.png": "an axe stuck in a chopping block",
    "sprites/sheep.png": "a woolly sheep, side on",
    "sprites/sheep_stabbed.png": "the same sheep lying on its side, bleeding",
    "sprites/haystack.png": "a haystack",
    # the cave
    "sprites/blind_axeman.png": "the woodcutter's brother: same shirt, clouded eyes, sitting on a rock",
    "sprites/farmer_next.png": "a farmer in bloodied overalls holding a knife, facing the viewer",
    "sprites/farmer_previous.png": "another farmer in bloodied overalls, cap, arms out barring the way",
    "sprites/farmer_body.png": "that farmer lying dead on the floor",
    "sprites/dying_woman.png": "the widow lying on the cave floor, grey dress, pale",
    "sprites/bones.png": "a small heap of bones with a child's skull",
    "sprites/tools.png": "a pick and a chisel leaning against the wall",
    "sprites/lantern_post.png": "a dim lantern hanging from a post: light in the cave",
}
TEXTURES["textures/cave_floor_02.png"] = (1, "the cave floor without standing water")
TEXTURES["textures/cave_floor_03.png"] = (1, "the cave floor with two puddles")
# More of the outdoor looks, mixed by the maps so that no horizon or ground
# repeats one cell's pattern.
for _i in (2, 3, 4):
    TEXTURES["textures/trees_%02d.png" % _i] = (2, "the wood around the areas, other trees")
TEXTURES["textures/trees_road.png"] = (2, "the wood with the road running on into a gap")
for _i in (2, 3):
    TEXTURES["textures/cliff_%02d.png" % _i] = (2, "the hill's rock face, other boulders and a grassy ledge")
    TEXTURES["textures/road_%02d.png" % _i] = (1, "more of the packed earth road")
    TEXTURES["textures/hay_%02d.png" % _i] = (1, "more of the farmyard straw")
# The four cabins' doors, each marked from the street.
TEXTURES["textures/cabin_door_1.png"] = (2, "the cook's door: red, a sign with a pot")
TEXTURES["textures/cabin_door_2.png"] = (2, "the widow's door: black, a mourning wreath")
TEXTURES["textures/cabin_door_3.png"] = (2, "the farmers' hall: green door, a notice board")
TEXTURES["textures/cabin_door_4.png"] = (2, "the mother's door: blue, flower pots on the step")
# Each cabin's own material inside.
TEXTURES["textures/room_panelled.png"] = (1, "limewash above a dado of dark boards: the farmers' hall")
TEXTURES["textures/room_planks_painted.png"] = (1, "boards painted a faded blue: the mother's home")
TEXTURES["textures/ceiling_plaster.png"] = (1, "limewash between slim joists: the widow's ceiling")
TEXTURES["textures/ceiling_thatch.png"] = (1, "thatch on rafters seen from under: the farmers' hall")
TEXTURES["textures/floor_flags.png"] = (1, "big worn flagstones: the farmers' hall")
