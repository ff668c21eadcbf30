"""Short forms for the level sources: trigger points and sprite looks."""
from common.palette import rgb

SKY = rgb("sky")


def talk(name, text, x, y, repeat=True):
    """Something to speak to or look at: Space fires it, the view turns to it."""
    return dict(type="manual", repeat=repeat, name=name, lookAt=True, text=text, x=x, y=y)


def door(name, text, x, y):
    """A way to another area. Manual and repeating: the player comes back on
    the very spot where they left, so an automatic one would fire again on
    their first step."""
    return dict(type="manual", repeat=True, name=name, lookAt=False, text=text, x=x, y=y)


def auto(name, x, y, look=False, repeat=False):
    """Fires by itself as the player comes within reach."""
    return dict(type="auto", repeat=repeat, name=name, lookAt=look, text="", x=x, y=y)


def look(name, image, scale=1, move=0):
    """A sprite definition. People and things are drawn with their feet on
    the bottom rows, so at scale 1 they stand on the ground; one shrunk by an
    integer y divisor k needs move = 240 * (1 - 1/k) to stay there."""
    return (name, image, (scale, scale), move)


# The cabins' one material vocabulary, by the letter their grids use.
ROOM_MATERIALS = {
    "P": "textures/room_planks.png",
    "L": "textures/room_plaster.png",
    "D": "textures/room_door.png",
    "W": "textures/room_window.png",
    "S": "textures/room_shelf.png",
    "H": "textures/room_hearth.png",
    "C": "textures/room_cupboard.png",
    "b": "textures/floor_boards.png",
    "e": "textures/ceiling_beams.png",
    # added later, each cabin's own: listed after the letters above in a
    # cabin's letters, so that its earlier Wall numbers stay as they were
    "F": "textures/cobbles.png",
    "A": "textures/room_panelled.png",
    "K": "textures/room_planks_painted.png",
}


def room(letters, start, own=None, **rest):
    """A cabin interior: floor and ceiling, daylight (no darkness), entered
    facing the back wall (rotation 90) from the door in the bottom row.
    letters names the materials its grids use, in Wall-number order; own
    gives the cabin its own texture for some of those letters."""
    legend = {ch: (own or {}).get(ch, ROOM_MATERIALS[ch]) for ch in letters}
    level = dict(
        hasFloor=True, hasCeiling=True, useLighting=False, useSideShading=False,
        transparentWall=False, rotation=90, start=start, background=rgb("ink"),
        textures=list(dict.fromkeys(legend.values())), legend=legend)
    level.update(rest)
    return level
