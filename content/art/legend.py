"""One legend for every text-grid picture: a character per palette name.
'.' is the see-through black of sprites."""

LEGEND = {
    ".": "black",
    "k": "ink", "n": "night", "h": "shadow",
    "s": "skin", "S": "skin_shadow",
    "1": "hair_dark", "2": "hair_brown", "3": "hair_fair", "4": "hair_grey",
    "r": "cloth_red", "o": "cloth_orange", "p": "cloth_purple", "g": "cloth_green",
    "b": "cloth_blue", "d": "cloth_denim", "K": "cloth_black", "w": "cloth_white",
    "B": "cloth_brown",
    "x": "blood_dark", "X": "blood",
    "Q": "plaster_dark", "W": "plaster", "L": "plaster_light",
    "l": "parchment", "q": "parchment_dark",
    "G": "grass_dark", "V": "grass", "v": "grass_light",
    "y": "wood_dark", "Y": "wood", "u": "wood_light", "U": "wood_pale",
    "i": "iron_dark", "I": "iron", "j": "iron_light", "c": "gold",
    "f": "flame", "F": "flame_light", "O": "glow",
    "t": "stone_dark", "T": "stone", "e": "stone_light", "E": "stone_pale",
    "m": "rock_dark", "M": "rock", "R": "rock_light", "N": "rock_wet", "P": "rock_pale",
    "a": "straw_dark", "A": "straw", "H": "thatch",
    "z": "mud", "Z": "earth",
    "5": "barn_dark", "6": "barn", "7": "barn_light",
    "8": "shingle", "9": "shingle_dark",
    "C": "sky", "D": "sky_light",
    "=": "cassock", "+": "cassock_light",
    "0": "eye_white", "@": "eye_milk",
}
