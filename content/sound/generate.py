#!/usr/bin/python3
"""Makes the game's sound: the two looping pieces below data/music/ (Ogg
Vorbis through oggenc) and the effects below data/sfx/ (16-bit mono WAV), all
at the mixer's 22050 Hz, and draws a picture of each beside this file in
pictures/: a spectrogram by sox over a waveform, and for the music the few
milliseconds either side of the loop's seam.

Levels, as the game mixes them with no volume control of its own: effects
strike at the loudness given here (dBFS over their loudest tenth of a second),
footsteps well under the story's sounds, and the music under everything, so
that a bleat or a stab is never lost in it. No peak passes -1 dBFS.
"""
import os
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import effects                                              # noqa: E402
import music                                                # noqa: E402
import pictures                                             # noqa: E402
from synth import RATE, encode_ogg, level, loudness_db, peak_db, remove_dc, trim_tail, write_wav  # noqa: E402

MUSIC = "data/music/"
SFX = "data/sfx/"
PICTURES = os.path.join(HERE, "pictures")

# file -> (maker, loudness dBFS, fixed Ogg serial number)
PIECES = {
    "village2.ogg": (music.village, -23.0, 1101),
    "cave.ogg": (music.cave, -24.0, 2202),
}

# file -> (maker, loudness dBFS); the makers take no arguments and seed
# their own randomness, so each sound is the same on every run
EFFECTS = {
    "sheep1.wav": (effects.sheep_long, -14.0),
    "sheep2.wav": (effects.sheep_medium, -14.0),
    "sheep3.wav": (effects.sheep_loud, -11.5),
    "sheep4.wav": (effects.sheep_stutter, -14.0),
    "crying1.wav": (effects.crying, -17.0),
    "stab_pierce.wav": (effects.stab_pierce, -13.0),
    "door_locked.wav": (effects.door_locked, -14.0),
    "footstep_grass_3.wav": (effects.footstep_grass, -25.0),
    "footstep_stone_1.wav": (lambda: effects.footstep_stone(1), -24.0),
    "footstep_stone_2.wav": (lambda: effects.footstep_stone(2), -24.0),
    "footstep_stone_3.wav": (lambda: effects.footstep_stone(3), -24.0),
    "footstep_stone_4.wav": (lambda: effects.footstep_stone(4), -24.0),
}


def report(name, samples):
    print("  %-22s %6.2f s  loudness %6.1f dBFS  peak %6.1f dBFS"
          % (name, len(samples) / RATE, loudness_db(samples), peak_db(samples)))


def make_piece(name, maker, loudness, serial):
    # music keeps more headroom than effects: it plays under all of them
    samples = level(remove_dc(maker()), loudness, peak_limit=-4.0)
    with tempfile.TemporaryDirectory() as tmp:
        wav = os.path.join(tmp, "piece.wav")
        write_wav(wav, samples)
        encode_ogg(wav, MUSIC + name, quality=5, serial=serial)
    report(name, samples)
    pictures.draw(MUSIC + name, os.path.join(PICTURES, name + ".png"), seam=True)


def make_effect(name, maker, loudness):
    samples = level(trim_tail(remove_dc(maker())), loudness, peak_limit=-1.5)
    write_wav(SFX + name, samples)
    report(name, samples)
    pictures.draw(SFX + name, os.path.join(PICTURES, name + ".png"))


def main():
    for folder in (MUSIC, SFX, PICTURES):
        os.makedirs(folder, exist_ok=True)
    for name, (maker, loudness, serial) in PIECES.items():
        make_piece(name, maker, loudness, serial)
    for name, (maker, loudness) in EFFECTS.items():
        make_effect(name, maker, loudness)


if __name__ == "__main__":
    main()
