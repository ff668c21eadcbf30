"""The people of the village, the farm and the cave.

A figure is built from parts (head, hair, body, garment, arms) so that all of
them share proportions; then each gets what tells them apart. Adults stand
about 60 texels tall, children about 38, feet always on rows 60-63.
"""
import numpy as np

from art.sprites import blank, outline, rect, ellipse, line


def head(c, cx, top, w=10, h=11, skin="skin", eyes="ink"):
    x0 = cx - w // 2
    rect(c, x0 + 1, top, x0 + w - 1, top + h, skin)
    rect(c, x0, top + 2, x0 + w, top + h - 2, skin)
    rect(c, x0 + w - 2, top + 2, x0 + w, top + h - 2, "skin_shadow")   # shaded side
    rect(c, x0 + 1, top + h - 1, x0 + w - 1, top + h, "skin_shadow")
    ey = top + h // 2
    if eyes:
        rect(c, x0 + 2, ey, x0 + 4, ey + 1, eyes)
        rect(c, x0 + w - 4, ey, x0 + w - 2, ey + 1, eyes)
    return x0


def mouth(c, cx, y, name="skin_shadow", wide=2):
    rect(c, cx - wide // 2, y, cx - wide // 2 + wide, y + 1, name)


def legs(c, cx, top, bottom, trousers, shoes="shadow", gap=2, wide=5):
    rect(c, cx - gap // 2 - wide, top, cx - gap // 2, bottom - 3, trousers)
    rect(c, cx + (gap + 1) // 2, top, cx + (gap + 1) // 2 + wide, bottom - 3, trousers)
    rect(c, cx - gap // 2 - wide - 1, bottom - 3, cx - gap // 2, bottom, shoes)
    rect(c, cx + (gap + 1) // 2, bottom - 3, cx + (gap + 1) // 2 + wide + 1, bottom, shoes)


def torso(c, cx, top, bottom, half, cloth, shade):
    rect(c, cx - half, top, cx + half, bottom, cloth)
    rect(c, cx + half - 3, top, cx + half, bottom, shade)
    rect(c, cx - half, top, cx + half, top + 1, shade)


def arm_down(c, x, top, length, cloth, hand="skin", wide=3):
    rect(c, x, top, x + wide, top + length, cloth)
    rect(c, x, top + length, x + wide, top + length + 3, hand)


# == adults ==================================================================

def priest(rng):
    c = blank()
    cx = 32
    # long black cassock, widening to the hem
    for y in range(16, 61):
        half = 8 + (y - 16) // 6
        rect(c, cx - half, y, cx + half, y + 1, "cloth_black")
        rect(c, cx + half - 3, y, cx + half, y + 1, "night")
    for y in range(22, 60, 4):
        rect(c, cx, y, cx + 1, y + 1, "shadow")           # buttons
    rect(c, cx - 5, 61, cx - 1, 64, "shadow")
    rect(c, cx + 1, 61, cx + 5, 64, "shadow")
    # sleeves meeting at the front, hands folded
    rect(c, cx - 10, 18, cx - 6, 33, "cloth_black")
    rect(c, cx + 6, 18, cx + 10, 33, "night")
    rect(c, cx - 7, 31, cx + 7, 35, "cloth_black")
    rect(c, cx - 3, 30, cx + 3, 34, "skin")
    rect(c, cx - 1, 30, cx, 34, "skin_shadow")
    # white collar and cross
    rect(c, cx - 3, 15, cx + 3, 17, "cloth_white")
    rect(c, cx - 1, 38, cx + 1, 46, "gold")
    rect(c, cx - 3, 40, cx + 3, 42, "gold")
    head(c, cx, 4, 10, 11)
    rect(c, cx - 5, 3, cx + 5, 6, "hair_grey")            # grey hair, receding
    rect(c, cx - 5, 3, cx - 3, 11, "hair_grey")
    rect(c, cx + 3, 3, cx + 5, 11, "hair_grey")
    rect(c, cx - 3, 3, cx + 3, 4, "skin")
    mouth(c, cx, 12)
    return outline(c)


def housewife(rng):
    c = blank()
    cx = 32
    # long brown skirt with a white apron
    for y in range(34, 61):
        half = 9 + (y - 34) // 5
        rect(c, cx - half, y, cx + half, y + 1, "cloth_brown")
        rect(c, cx + half - 3, y, cx + half, y + 1, "wood_dark")
    rect(c, cx - 6, 32, cx + 6, 58, "cloth_white")
    rect(c, cx + 4, 32, cx + 6, 58, "plaster")
    rect(c, cx - 9, 32, cx + 9, 34, "cloth_white")        # apron band
    rect(c, cx - 5, 61, cx - 1, 64, "shadow")
    rect(c, cx + 1, 61, cx + 5, 64, "shadow")
    torso(c, cx, 16, 34, 8, "cloth_green", "grass_dark")
    # hands on hips
    line(c, cx - 9, 18, cx - 13, 26, "cloth_green", 3)
    line(c, cx - 13, 26, cx - 9, 32, "cloth_green", 3)
    rect(c, cx - 10, 30, cx - 7, 33, "skin")
    line(c, cx + 8, 18, cx + 12, 26, "grass_dark", 3)
    line(c, cx + 12, 26, cx + 8, 32, "grass_dark", 3)
    rect(c, cx + 7, 30, cx + 10, 33, "skin")
    head(c, cx, 5, 10, 11)
    # headscarf: red, knotted under the chin
    rect(c, cx - 6, 3, cx + 6, 8, "cloth_red")
    rect(c, cx - 6, 3, cx - 4, 15, "cloth_red")
    rect(c, cx + 4, 3, cx + 6, 15, "blood_dark")
    rect(c, cx - 2, 15, cx + 2, 17, "cloth_red")
    mouth(c, cx, 13)
    return outline(c)


def chef(rng):
    c = blank()
    cx = 32
    legs(c, cx, 40, 64, "cloth_denim", wide=6)
    torso(c, cx, 17, 42, 10, "cloth_white", "plaster")        # a broad belly
    ellipse(c, cx, 34, 11, 8, "cloth_white")
    rect(c, cx + 6, 28, cx + 11, 42, "plaster")
    rect(c, cx - 10, 24, cx + 10, 25, "plaster_dark")         # apron strings
    arm_down(c, cx - 14, 18, 16, "cloth_white")
    arm_down(c, cx + 11, 18, 10, "plaster")
    # the wooden spoon held up
    line(c, cx + 13, 31, cx + 17, 14, "wood_light", 1)
    ellipse(c, cx + 17, 12, 2, 3, "wood_light")
    rect(c, cx + 11, 28, cx + 15, 31, "skin")
    head(c, cx, 6, 12, 11)
    rect(c, cx - 4, 14, cx + 4, 15, "hair_brown")             # moustache
    # tall white cap
    rect(c, cx - 6, 0, cx + 6, 7, "cloth_white")
    rect(c, cx - 7, 5, cx + 7, 7, "plaster")
    rect(c, cx + 3, 0, cx + 6, 5, "plaster")
    return outline(c)


def woodcutter_body(c, cx, checks=True):
    legs(c, cx, 38, 64, "cloth_brown", "wood_dark", wide=6)
    torso(c, cx, 16, 40, 10, "cloth_red", "blood_dark")
    if checks:
        for y in range(17, 40, 4):
            rect(c, cx - 10, y, cx + 10, y + 1, "blood_dark")
        for x in range(cx - 9, cx + 10, 4):
            rect(c, x, 17, x + 1, 40, "blood_dark")
    rect(c, cx - 10, 38, cx + 10, 40, "wood_dark")           # belt
    rect(c, cx - 1, 38, cx + 2, 40, "iron_light")


def woodcutter(rng):
    c = blank()
    cx = 30
    woodcutter_body(c, cx)
    arm_down(c, cx - 13, 17, 17, "cloth_red")
    # right arm raised to the axe on his shoulder
    line(c, cx + 10, 18, cx + 14, 10, "cloth_red", 3)
    rect(c, cx + 13, 7, cx + 17, 11, "skin")
    line(c, cx + 2, 30, cx + 24, 2, "wood_light", 2)           # haft
    rect(c, cx + 20, 0, cx + 28, 5, "iron")
    rect(c, cx + 20, 0, cx + 28, 1, "iron_light")
    head(c, cx, 4, 10, 11)
    rect(c, cx - 5, 2, cx + 5, 6, "hair_brown")
    rect(c, cx - 5, 10, cx + 5, 16, "hair_brown")            # full beard
    rect(c, cx - 3, 10, cx + 3, 11, "skin")
    rect(c, cx - 1, 12, cx + 1, 13, "skin_shadow")
    return outline(c)


def blind_axeman(rng):
    c = blank()
    cx = 32
    # the rock he sits on
    ellipse(c, 32, 56, 18, 8, "rock_light")
    ellipse(c, 30, 54, 14, 5, "stone")
    rect(c, 14, 60, 50, 64, "rock")
    # sitting: thighs forward, shins down
    rect(c, cx - 9, 40, cx + 13, 46, "cloth_brown")
    rect(c, cx + 7, 46, cx + 13, 60, "cloth_brown")
    rect(c, cx + 6, 60, cx + 15, 64, "wood_dark")
    rect(c, cx - 3, 46, cx + 3, 60, "wood_dark")
    rect(c, cx - 4, 60, cx + 4, 64, "wood_dark")
    torso(c, cx - 2, 20, 42, 9, "cloth_red", "blood_dark")
    for y in range(21, 42, 4):
        rect(c, cx - 11, y, cx + 7, y + 1, "blood_dark")
    for x in range(cx - 10, cx + 7, 4):
        rect(c, x, 21, x + 1, 42, "blood_dark")
    # hands resting on his knees, stooped head
    arm_down(c, cx - 13, 22, 18, "cloth_red")
    line(c, cx + 7, 22, cx + 10, 38, "blood_dark", 3)
    rect(c, cx + 9, 38, cx + 13, 41, "skin")
    head(c, cx - 1, 9, 10, 11, eyes=None)
    ey = 14
    rect(c, cx - 5, ey, cx - 3, ey + 1, "stone_pale")          # clouded eyes
    rect(c, cx + 1, ey, cx + 3, ey + 1, "stone_pale")
    rect(c, cx - 6, 7, cx + 4, 10, "hair_grey")
    rect(c, cx - 6, 15, cx + 4, 22, "hair_grey")               # grey beard
    rect(c, cx - 4, 15, cx + 2, 16, "skin")
    return outline(c)


def farmer(c, cx, cap, hair, blood_spots, arms_out=False, knife=False):
    legs(c, cx, 38, 64, "cloth_denim", "wood_dark", wide=6)
    torso(c, cx, 16, 40, 10, "cloth_white", "plaster")        # shirt
    rect(c, cx - 8, 24, cx + 8, 40, "cloth_denim")            # bib
    rect(c, cx + 5, 24, cx + 8, 40, "cloth_blue")
    rect(c, cx - 7, 16, cx - 4, 24, "cloth_denim")            # straps
    rect(c, cx + 4, 16, cx + 7, 24, "cloth_denim")
    rect(c, cx - 6, 24, cx - 4, 26, "iron_light")
    rect(c, cx + 4, 24, cx + 6, 26, "iron_light")
    rect(c, cx - 4, 28, cx + 4, 33, "cloth_blue")             # pocket
    for (x, y, r) in blood_spots:
        ellipse(c, cx + x, y, r, r, "blood")
        ellipse(c, cx + x + 1, y + 1, max(r - 1, 1), max(r - 1, 1), "blood_dark")
    if arms_out:
        rect(c, cx - 22, 19, cx - 10, 22, "cloth_white")
        rect(c, cx + 10, 19, cx + 22, 22, "plaster")
        rect(c, cx - 25, 18, cx - 21, 23, "skin")
        rect(c, cx + 21, 18, cx + 25, 23, "skin")
    else:
        arm_down(c, cx - 13, 17, 16, "cloth_white")
        arm_down(c, cx + 10, 17, 16, "plaster")
    if knife:
        rect(c, cx + 11, 36, cx + 12, 40, "wood_dark")
        line(c, cx + 11, 40, cx + 11, 47, "iron_light", 1)
        rect(c, cx + 12, 40, cx + 13, 46, "iron")
        rect(c, cx + 11, 43, cx + 12, 45, "blood")
    head(c, cx, 4, 10, 11)
    mouth(c, cx, 12, "skin_shadow", 4)
    rect(c, cx - 5, 2, cx + 5, 6, hair)
    if cap:
        rect(c, cx - 6, 1, cx + 6, 5, cap)
        rect(c, cx - 7, 5, cx + 8, 6, cap)
        rect(c, cx + 3, 1, cx + 6, 5, "shadow")


def farmer_next(rng):
    c = blank()
    farmer(c, 32, None, "hair_fair",
           ((-6, 34, 2), (3, 44, 2), (-3, 52, 1), (6, 29, 1), (-9, 46, 1)), knife=True)
    return outline(c)


def farmer_previous(rng):
    c = blank()
    farmer(c, 32, "cloth_green", "hair_dark",
           ((5, 36, 2), (-5, 48, 2), (2, 56, 1), (-6, 28, 1)), arms_out=True)
    return outline(c)


def farmer_body(rng):
    c = blank()
    # lying on his back, head to the left, blood pooled under him
    ellipse(c, 34, 60, 28, 3, "blood_dark")
    ellipse(c, 30, 61, 16, 2, "blood")
    rect(c, 14, 50, 40, 60, "cloth_denim")          # body in overalls
    rect(c, 14, 50, 40, 52, "cloth_blue")
    rect(c, 40, 52, 58, 56, "cloth_denim")          # legs
    rect(c, 40, 56, 58, 60, "cloth_blue")
    rect(c, 58, 51, 62, 60, "wood_dark")            # boots up
    rect(c, 14, 48, 28, 50, "cloth_white")          # a sleeve flung out
    rect(c, 28, 47, 31, 50, "skin")
    ellipse(c, 9, 54, 5, 5, "skin")                 # head
    rect(c, 4, 50, 8, 58, "hair_dark")
    rect(c, 10, 53, 12, 54, "ink")                  # shut eye
    ellipse(c, 26, 54, 4, 3, "blood")
    ellipse(c, 34, 57, 3, 2, "blood_dark")
    rect(c, 18, 58, 22, 60, "cloth_green")          # his cap fallen
    return outline(c)


def dying_woman(rng):
    c = blank()
    # lying on her side, head to the right, one hand reaching out
    ellipse(c, 30, 61, 22, 2, "blood_dark")
    for x in range(8, 48):
        top = 52 - (2 if 20 < x < 38 else 0)
        rect(c, x, top, x + 1, 61, "stone")
    rect(c, 8, 58, 48, 61, "stone_dark")
    rect(c, 4, 57, 10, 61, "skin_shadow")           # bare feet
    rect(c, 22, 50, 36, 52, "stone_light")
    ellipse(c, 30, 56, 4, 2, "blood")               # blood at her side
    ellipse(c, 54, 53, 6, 5, "plaster_light")      # pale face
    rect(c, 48, 47, 60, 51, "hair_grey")           # hair spread on the floor
    rect(c, 58, 49, 62, 60, "hair_grey")
    rect(c, 52, 53, 54, 54, "shadow")               # closed eyes
    rect(c, 55, 53, 57, 54, "shadow")
    rect(c, 53, 56, 56, 57, "blood")                # blood at the lips
    line(c, 44, 54, 56, 62, "stone_light", 2)       # the arm reaching out
    rect(c, 56, 61, 60, 63, "plaster_light")
    return outline(c)


# == children ================================================================

CHILD_TOP = 26


def child(c, cx, shirt, shirt_shade, lower, lower_kind, hair, hair_style, shoes="shadow"):
    top = CHILD_TOP
    if lower_kind == "dress":
        for y in range(top + 18, 60):
            half = 6 + (y - top - 18) // 4
            rect(c, cx - half, y, cx + half, y + 1, shirt)
            rect(c, cx + half - 2, y, cx + half, y + 1, shirt_shade)
        rect(c, cx - 4, 60, cx - 1, 61, "skin")
        rect(c, cx + 1, 60, cx + 4, 61, "skin")
        rect(c, cx - 5, 61, cx - 1, 64, shoes)
        rect(c, cx + 1, 61, cx + 5, 64, shoes)
    else:
        legs(c, cx, top + 24, 64, lower, shoes, gap=2, wide=4)
    torso(c, cx, top + 10, top + 25, 7, shirt, shirt_shade)
    arm_down(c, cx - 9, top + 11, 11, shirt, wide=2)
    arm_down(c, cx + 7, top + 11, 11, shirt_shade, wide=2)
    head(c, cx, top, 10, 10)
    mouth(c, cx, top + 8)
    if hair_style == "short":
        rect(c, cx - 5, top - 1, cx + 5, top + 3, hair)
        rect(c, cx - 5, top - 1, cx - 4, top + 5, hair)
    elif hair_style == "cap":
        rect(c, cx - 5, top + 2, cx + 5, top + 3, hair)
        rect(c, cx - 6, top - 2, cx + 5, top + 2, "cloth_green")
        rect(c, cx - 9, top + 1, cx - 4, top + 2, "grass_dark")   # peak
        rect(c, cx - 1, top - 3, cx + 1, top - 2, "grass_dark")
    elif hair_style == "plaits":
        rect(c, cx - 5, top - 1, cx + 5, top + 3, hair)
        rect(c, cx - 7, top + 2, cx - 5, top + 14, hair)
        rect(c, cx + 5, top + 2, cx + 7, top + 14, hair)
        rect(c, cx - 7, top + 13, cx - 5, top + 15, "cloth_red")
        rect(c, cx + 5, top + 13, cx + 7, top + 15, "cloth_red")
    elif hair_style == "loose":
        rect(c, cx - 6, top - 1, cx + 6, top + 3, hair)
        rect(c, cx - 7, top + 1, cx - 4, top + 16, hair)
        rect(c, cx + 4, top + 1, cx + 7, top + 16, hair)


def boy_red(rng):
    c = blank()
    child(c, 32, "cloth_red", "blood_dark", "cloth_brown", "trousers", "hair_brown", "short")
    return outline(c)


def boy_green(rng):
    c = blank()
    child(c, 32, "cloth_green", "grass_dark", "cloth_denim", "trousers", "hair_dark", "cap")
    return outline(c)


def girl_orange(rng):
    c = blank()
    child(c, 32, "cloth_orange", "straw_dark", None, "dress", "hair_brown", "plaits")
    return outline(c)


def girl_purple(rng):
    c = blank()
    child(c, 32, "cloth_purple", "shadow", None, "dress", "hair_fair", "loose")
    return outline(c)


PEOPLE = {
    "sprites/priest.png": priest,
    "sprites/housewife.png": housewife,
    "sprites/boy_red.png": boy_red,
    "sprites/girl_orange.png": girl_orange,
    "sprites/girl_purple.png": girl_purple,
    "sprites/boy_green.png": boy_green,
    "sprites/chef.png": chef,
    "sprites/woodcutter.png": woodcutter,
    "sprites/blind_axeman.png": blind_axeman,
    "sprites/farmer_next.png": farmer_next,
    "sprites/farmer_previous.png": farmer_previous,
    "sprites/farmer_body.png": farmer_body,
    "sprites/dying_woman.png": dying_woman,
}
