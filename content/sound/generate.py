#!/usr/bin/python3
"""Makes the game's sound: the two looping pieces below data/music/ (Ogg
Vorbis through oggenc) and the effects below data/sfx/ (16-bit mono WAV), all
at the mixer's 22050 Hz, and draws a picture of each beside this file in
pictures/: a spectrogram by sox over a waveform, and for the music the few
milliseconds either side of the loop's seam.

Levels, as the game mixes them with no volume control of its own and no way
for a player to turn one thing down against another: the music at the
integrated loudness given here, an effect at the loudness of its loudest
tenth of a second (both in LUFS, see loudness.py), footsteps a little over
the music and the story's sounds over that, but never so far over that a
player who set the speakers by the music is startled. Peaks are held so low
that the loudest effect over the loudest moment of either piece still stays
under full scale.

Everything is made and measured in a scratch folder first; if any file
breaks one of the rules in `broken_rules`, nothing is written.
"""
import os
import shutil
import sys
import tempfile

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import effects                                              # noqa: E402
import loudness                                             # noqa: E402
import music                                                # noqa: E402
import pictures                                             # noqa: E402
from synth import RATE, encode_ogg, limit, remove_dc, remove_dc_keeping_ends, trim_tail, write_wav  # noqa: E402

MUSIC = "data/music/"
SFX = "data/sfx/"
PICTURES = os.path.join(HERE, "pictures")

# file -> (maker, integrated loudness LUFS, fixed Ogg serial number)
PIECES = {
    "village2.ogg": (music.village, -20.0, 1101),
    "cave.ogg": (music.cave, -20.0, 2202),
}

# file -> (maker, loudness LUFS of its loudest 100 ms); the makers take no
# arguments and seed their own randomness, so each sound is the same on
# every run
EFFECTS = {
    "sheep1.wav": (effects.sheep_long, -11.5),
    "sheep2.wav": (effects.sheep_medium, -11.5),
    "sheep3.wav": (effects.sheep_loud, -11.0),
    "sheep4.wav": (effects.sheep_stutter, -11.5),
    "crying1.wav": (effects.crying, -12.5),
    "stab_pierce.wav": (effects.stab_pierce, -10.9),
    "door_locked.wav": (effects.door_locked, -11.5),
    "footstep_grass_3.wav": (effects.footstep_grass, -19.0),
    "footstep_stone_1.wav": (lambda: effects.footstep_stone(1), -19.0),
    "footstep_stone_2.wav": (lambda: effects.footstep_stone(2), -19.0),
    "footstep_stone_3.wav": (lambda: effects.footstep_stone(3), -19.0),
    "footstep_stone_4.wav": (lambda: effects.footstep_stone(4), -19.0),
}

# True peaks (dBFS) of the files as the game decodes them: together they
# stay under full scale, so no effect over either piece can clip the mix.
MUSIC_PEAK = -7.5
EFFECT_PEAK = -5.0
# How far under those limits the limiter aims: Vorbis moves a peak by some
# tenths of a dB, and any wave can peak a little between its samples.
MUSIC_MARGIN, EFFECT_MARGIN = 1.2, 0.3

# How far an effect's loudest 100 ms may stand over the music's median
# short-term loudness.
OVER_MUSIC = 10.0
# A laptop's speakers give back nothing much below 250 Hz: there the cave
# must stay within this of the village (LU).
SMALL_SPEAKER_SPREAD = 3.0
# The village is not muffled: this share of its energy above 2.4 kHz, or
# this spectral centroid (Hz).
BRIGHT_SHARE, BRIGHT_CENTROID = 0.03, 700.0
# Offsets of each effect over each piece at which the sum is checked.
OFFSETS = 400
# The most a file's mean may stray from zero (of full scale).
MOST_OFFSET = 0.0005


def make_piece(maker, target, serial, path):
    samples = remove_dc(maker())
    # limiting takes a little of the loudness; a second pass gives it back
    for _ in range(2):
        samples *= 10 ** ((target - loudness.integrated(samples, circular=True)) / 20)
        samples = limit(samples, MUSIC_PEAK - MUSIC_MARGIN, hold=0.015, circular=True)
    wav = path + ".wav"
    write_wav(wav, remove_dc(samples))
    encode_ogg(wav, path, quality=5, serial=serial)
    os.remove(wav)


def make_effect(maker, target, path):
    samples = trim_tail(remove_dc(maker()))
    for _ in range(2):
        samples *= 10 ** ((target - loudness.strike(samples)) / 20)
        samples = limit(samples, EFFECT_PEAK - EFFECT_MARGIN, hold=0.002)
    # the limiter's gain, turned down on one side of a lopsided wave, leaves
    # a little offset behind it
    write_wav(path, remove_dc_keeping_ends(samples))


def broken_rules(pieces, sounds):
    """What is wrong with the files as made, one line each, after printing
    how near each rule they come; pieces and sounds map a name to (samples
    as decoded, figures)."""
    wrong = []
    for name, (_, f) in pieces.items():
        if f["true_peak"] > MUSIC_PEAK:
            wrong.append("%s peaks at %.1f dBFS, over %.1f" % (name, f["true_peak"], MUSIC_PEAK))
    quietest = min(pieces, key=lambda name: pieces[name][1]["short_median"])
    ceiling = pieces[quietest][1]["short_median"] + OVER_MUSIC
    worst_of_all = 0.0
    for name, (x, f) in sounds.items():
        if f["true_peak"] > EFFECT_PEAK:
            wrong.append("%s peaks at %.1f dBFS, over %.1f" % (name, f["true_peak"], EFFECT_PEAK))
        if f["strike"] > ceiling:
            wrong.append("%s strikes at %.1f LUFS, more than %.0f LU over %s's median short-term loudness"
                         % (name, f["strike"], OVER_MUSIC, quietest))
        for piece, (m, _) in pieces.items():
            worst = loudness.worst_sum(x, m, OFFSETS)
            worst_of_all = max(worst_of_all, worst)
            if worst >= 1.0:
                wrong.append("%s over %s reaches %.3f of full scale" % (name, piece, worst))
    for name, (x, _) in list(pieces.items()) + list(sounds.items()):
        if np.max(np.abs(np.mean(x, axis=0))) > MOST_OFFSET:
            wrong.append("%s is offset from zero by %.5f" % (name, np.max(np.abs(np.mean(x, axis=0)))))
    for name, (x, _) in sounds.items():
        if max(abs(x[0]), abs(x[-1])) > 1 / 16384:
            wrong.append("%s does not start and end at zero" % name)
    village, cave = pieces["village2.ogg"][1]["hp250"], pieces["cave.ogg"][1]["hp250"]
    if abs(village - cave) > SMALL_SPEAKER_SPREAD:
        wrong.append("above 250 Hz the cave is %.1f LUFS and the village %.1f" % (cave, village))
    share, centroid = loudness.spectrum_figures(pieces["village2.ogg"][0])
    if share < BRIGHT_SHARE and centroid < BRIGHT_CENTROID:
        wrong.append("village2.ogg is muffled: %.1f%% of its energy above 2.4 kHz, centroid %.0f Hz"
                     % (100 * share, centroid))
    print("  effects may strike up to %.1f LUFS (%s's median short-term %+.0f); the loudest strikes at %.1f"
          % (ceiling, quietest, OVER_MUSIC, max(f["strike"] for _, f in sounds.values())))
    print("  the largest sum of an effect over a piece, at %d offsets each: %.3f of full scale"
          % (OFFSETS, worst_of_all))
    print("  above 250 Hz: village %.1f, cave %.1f LUFS; village: %.1f%% of its energy above 2.4 kHz,"
          " centroid %.0f Hz" % (village, cave, 100 * share, centroid))
    return wrong


def report(name, x, f):
    print("  %-22s %6.2f s  integrated %6.1f  short-term max %6.1f  momentary max %6.1f  100 ms %6.1f"
          "  true peak %5.1f  above 250 Hz %6.1f"
          % (name, len(x) / RATE, f["integrated"], f["short_max"], f["momentary_max"], f["strike"],
             f["true_peak"], f["hp250"]))


def main():
    for folder in (MUSIC, SFX, PICTURES):
        os.makedirs(folder, exist_ok=True)
    with tempfile.TemporaryDirectory() as tmp:
        pieces, sounds = {}, {}
        for name, (maker, target, serial) in PIECES.items():
            make_piece(maker, target, serial, os.path.join(tmp, name))
            x = loudness.read(os.path.join(tmp, name))
            pieces[name] = (x, loudness.figures(x, circular=True))
            report(name, x, pieces[name][1])
        for name, (maker, target) in EFFECTS.items():
            make_effect(maker, target, os.path.join(tmp, name))
            x = loudness.read(os.path.join(tmp, name))
            sounds[name] = (x, loudness.figures(x))
            report(name, x, sounds[name][1])
        wrong = broken_rules(pieces, sounds)
        if wrong:
            raise SystemExit("sound: nothing written:\n  " + "\n  ".join(wrong))
        for name in PIECES:
            shutil.copyfile(os.path.join(tmp, name), MUSIC + name)
        for name in EFFECTS:
            shutil.copyfile(os.path.join(tmp, name), SFX + name)
    for name in PIECES:
        pictures.draw(MUSIC + name, os.path.join(PICTURES, name + ".png"), seam=True)
    for name in EFFECTS:
        pictures.draw(SFX + name, os.path.join(PICTURES, name + ".png"))


if __name__ == "__main__":
    main()
