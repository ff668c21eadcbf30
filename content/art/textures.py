"""Wall, floor and ceiling textures, drawn procedurally with the palette:
the index of every texture file and the drawing that makes it. The drawings
live by material, in textures_ground, textures_buildings, textures_trees,
textures_rooms and textures_cave.

Every texture is 64 texels wide and tiles sideways; floor textures tile both
ways. Cyan is left where the sky (or the far border wall) should show.
Each generator takes its own seeded random source, so output never varies.
"""
from art.textures_common import rng_for
from art.textures_ground import grass, road, cobbles, field, hay
from art.textures_buildings import (cabin_wall, cabin_door, cabin_door_mark, cabin_window, church_wall,
                                    church_door, barn_wall, barn_door)
from art.textures_trees import trees, trees_variant, hedge, fence, woodpile
from art.textures_rooms import (room_planks, room_plaster, room_panelled, room_planks_painted, room_door,
                                room_window, room_shelf, room_hearth, room_cupboard, floor_boards,
                                ceiling_beams, ceiling_plaster, ceiling_thatch, floor_flags)
from art.textures_cave import (cave_floor, cave_floor_variant, cave_ceiling, cave_floor_blood, cave_rock,
                               cave_light, cave_light_north, cave_light_south, cave_props, cave_hole,
                               cliff, cliff_variant, cave_mouth)


GENERATORS = {
    "textures/grass.png": grass,
    "textures/road.png": road,
    "textures/cobbles.png": cobbles,
    "textures/cabin_wall.png": cabin_wall,
    "textures/cabin_door.png": cabin_door,
    "textures/cabin_window.png": cabin_window,
    "textures/church_wall.png": church_wall,
    "textures/church_door.png": church_door,
    "textures/trees.png": trees,
    "textures/hedge.png": hedge,
    "textures/fence.png": fence,
    "textures/barn_wall.png": barn_wall,
    "textures/barn_door.png": barn_door,
    "textures/field.png": field,
    "textures/hay.png": hay,
    "textures/cliff.png": cliff,
    "textures/cave_mouth.png": cave_mouth,
    "textures/woodpile.png": woodpile,
    "textures/room_planks.png": room_planks,
    "textures/room_plaster.png": room_plaster,
    "textures/room_door.png": room_door,
    "textures/room_window.png": room_window,
    "textures/room_shelf.png": room_shelf,
    "textures/room_hearth.png": room_hearth,
    "textures/room_cupboard.png": room_cupboard,
    "textures/floor_boards.png": floor_boards,
    "textures/ceiling_beams.png": ceiling_beams,
    "textures/cave_floor.png": cave_floor,
    "textures/cave_ceiling.png": cave_ceiling,
    "textures/cave_light.png": cave_light,
    "textures/cave_props.png": cave_props,
    "textures/cave_floor_blood.png": cave_floor_blood,
    "textures/cave_hole.png": cave_hole,
    "textures/cave_light_north.png": cave_light_north,
    "textures/cave_light_south.png": cave_light_south,
    "textures/cave_floor_02.png": cave_floor_variant(0, (4, 6)),
    "textures/room_panelled.png": room_panelled,
    "textures/room_planks_painted.png": room_planks_painted,
    "textures/trees_02.png": trees_variant(2),
    "textures/trees_03.png": trees_variant(3),
    "textures/trees_04.png": trees_variant(4),
    "textures/trees_road.png": trees_variant(3, path=True),
    "textures/cliff_02.png": cliff_variant,
    "textures/cliff_03.png": cliff_variant,
    "textures/road_02.png": road,
    "textures/road_03.png": road,
    "textures/hay_02.png": hay,
    "textures/hay_03.png": hay,
    "textures/cabin_door_2.png": cabin_door_mark("wreath", "cloth_black"),
    "textures/cabin_door_3.png": cabin_door_mark("board", "paint_green"),
    "textures/cabin_door_4.png": cabin_door_mark("pots", "paint_blue"),
    "textures/cabin_door_1.png": cabin_door_mark("sign", "paint_red"),
    "textures/cave_floor_03.png": cave_floor_variant(2, (6, 10)),
    "textures/ceiling_plaster.png": ceiling_plaster,
    "textures/ceiling_thatch.png": ceiling_thatch,
    "textures/floor_flags.png": floor_flags,
}
for _i in range(1, 16):
    GENERATORS["textures/cave_rock_%02d.png" % _i] = cave_rock(_i)


def make(name):
    return GENERATORS[name](rng_for(name)).image()
