"""The two looping pieces: the village theme and the cave.

Both are rendered on a circle of exactly their loop length (see synth.py),
so the game's endless repeat has no seam to hear.
"""
import numpy as np

from instruments import flute, pluck
from synth import (RATE, band_gain, bandpass, loop_hz, lowpass, midi_hz, noise, note, pan,
                   partials, peak_gain, phase, place, reverb, room, samples, shelf_gain, spectral, highpass)

# ---------------------------------------------------------------- the village

# D minor, 3/4 at 90 beats a minute: a bar is two seconds.
BEAT = 60 / 90
BAR = 3 * BEAT

# Chord -> notes an arpeggio walks through, low to high.
VOICINGS = {
    "Dm": ["D3", "A3", "D4", "F4", "A4"],
    "C": ["C3", "G3", "C4", "E4", "G4"],
    "Bb": ["Bb2", "F3", "Bb3", "D4", "F4"],
    "A": ["A2", "E3", "A3", "C#4", "E4"],
    "Am": ["A2", "E3", "A3", "C4", "E4"],
    "F": ["F2", "C3", "F3", "A3", "C4"],
    "Gm": ["G2", "D3", "G3", "Bb3", "D4"],
}

# Six eighths to a bar: which voicing note each plays (None rests). The
# sections take turns, so the accompaniment never settles into one figure.
FIGURES = {
    "rolling": [0, 2, 3, 4, 3, 2],
    "crossing": [0, 3, 1, 4, 2, 3],
    "rising": [0, 2, 4, 3, 4, 2],
    "sparse": [0, None, 3, None, 4, None],
    "held": [0, None, None, None, None, None],
}

# Melodies as (note or None for a rest, beats); every bar adds up to three.
A_FIRST = [("D5", 1.5), ("C5", .5), ("A4", 1), ("G4", 1), ("E4", 1), ("G4", 1),
           ("F4", 1.5), ("G4", .5), ("A4", 1), ("E4", 3),
           ("D5", 1.5), ("E5", .5), ("F5", 1), ("C5", 1), ("A4", 1), ("C5", 1),
           ("G4", 1), ("A4", .5), ("G4", .5), ("E4", 1), ("D4", 3)]
A_SECOND = [("D5", 1), ("E5", .5), ("D5", .5), ("C5", .5), ("A4", .5), ("G4", 1.5), ("A4", .5), ("G4", 1),
            ("F4", 1), ("D4", 1), ("F4", 1), ("A4", 2), (None, 1),
            ("F5", 1.5), ("E5", .5), ("D5", 1), ("D5", 1), ("C5", .5), ("Bb4", .5), ("A4", 1),
            ("G4", 1), ("Bb4", 1), ("A4", .5), ("G4", .5), ("A4", 3)]
B_FIRST = [("C5", 1), ("F5", 1), ("A5", 1), ("G5", 1.5), ("F5", .5), ("E5", 1),
           ("F5", 1), ("D5", 1), ("A4", 1), ("C5", 1.5), ("D5", .5), ("E5", 1),
           ("F5", 1.5), ("E5", .5), ("D5", 1), ("C5", 1), ("A4", 1), ("F4", 1),
           ("G4", 1), ("Bb4", 1), ("D5", 1), ("E5", 1.5), ("D5", .5), ("C#5", 1)]
B_SECOND = [("A5", 1.5), ("G5", .5), ("F5", 1), ("E5", 1), ("G5", 1), ("E5", 1),
            ("D5", 1.5), ("E5", .5), ("F5", 1), ("E5", 3),
            ("D5", 1), ("F5", 1), ("D5", 1), ("C5", 1), ("E5", 1), ("G4", 1),
            ("A4", 1.5), ("C#5", .5), ("E5", 1), ("D5", 3)]
# Over the last statement of A the strings carry the tune and the recorder
# holds a quiet line above them from its fifth bar.
A_COUNTER = [(None, 12), ("A4", 3), ("C5", 3), ("G4", 3), ("F4", 3)]

# (bars of chords, accompaniment figure, recorder line, plucked tune)
SECTIONS = [
    (["Dm", "Dm"], "sparse", None, None),
    (["Dm", "C", "Bb", "A", "Dm", "F", "C", "Dm"], "rolling", A_FIRST, None),
    (["Dm", "C", "Bb", "A", "Dm", "Bb", "Gm", "A"], "crossing", A_SECOND, None),
    (["F", "C", "Dm", "C", "Bb", "F", "Gm", "A"], "rising", B_FIRST, None),
    (["F", "C", "Dm", "Am", "Bb", "C", "A", "Dm"], "rolling", B_SECOND, None),
    (["Dm", "C", "Bb", "A", "Dm", "F", "C", "Dm"], "held", A_COUNTER, A_FIRST),
    (["Bb", "A"], "sparse", None, None),
]


def _play_line(track, line, start, rng, voice, position, gain, loop_seconds):
    at = start
    for name, beats in line:
        seconds = beats * BEAT
        if name is not None:
            hz = midi_hz(note(name))
            sound = voice(hz, seconds, rng) * gain * rng.uniform(0.85, 1.0)
            place(track, pan(sound, position), samples(at + rng.normal(0, 0.006)), loop=True)
        at += seconds


def village():
    rng = np.random.default_rng(1101)
    bars = sum(len(chords) for chords, *_ in SECTIONS)
    loop_seconds = bars * BAR
    n = samples(loop_seconds)
    strings = np.zeros((n, 2))
    lead = np.zeros((n, 2))

    bar_at = 0.0
    for chords, figure, recorder, tune in SECTIONS:
        section_at = bar_at
        for chord in chords:
            notes = VOICINGS[chord]
            for eighth, pick in enumerate(FIGURES[figure]):
                if pick is None:
                    continue
                hz = midi_hz(note(notes[pick]))
                # the bass note on the downbeat rings under the whole bar
                ring, seconds, gain = (2.6, 2.4, 0.34) if eighth == 0 else (1.3, 1.6, 0.32)
                at = bar_at + eighth * BEAT / 2 + rng.normal(0, 0.005)
                sound = pluck(hz, seconds, rng, brightness=1.8, ring=ring) * gain * rng.uniform(0.8, 1.0)
                place(strings, pan(sound, -0.35 + 0.1 * pick / 4), samples(at), loop=True)
            bar_at += BAR
        if recorder:
            _play_line(lead, recorder, section_at, rng, flute, 0.3, 0.30, loop_seconds)
        if tune:
            _play_line(lead, tune, section_at, rng,
                       lambda hz, s, r: pluck(hz, s + 0.8, r, brightness=2.0, ring=1.8), -0.1, 0.55,
                       loop_seconds)

    drone = _village_drone(n, loop_seconds, rng)
    dry = strings + lead + drone
    hall = room(2.6, rng, decay_low=2.2, decay_high=0.9, predelay=0.015, stereo=True)
    wet = reverb(dry, hall, 0.22, circular=True)
    # keep the drone's rumble out of the floor, and give the strings' nails
    # the presence that carries them over a small speaker
    air = shelf_gain(2000, 2.5)
    return spectral(wet, lambda f: band_gain(45, 10000, order=1)(f) * air(f), circular=True)


def _village_drone(n, loop_seconds, rng):
    """A soft drone on D and A, breathing slowly; every frequency fits the
    loop a whole number of times, so it meets itself at the seam."""
    t = np.arange(n) / RATE
    out = np.zeros((n, 2))
    for name, position in (("D2", -0.2), ("A2", 0.2), ("D3", 0.0)):
        hz = loop_hz(midi_hz(note(name)), loop_seconds)
        tone = partials(phase(hz, n), hz, [1 / k ** 1.6 for k in range(1, 9)])
        breathe = 0.75 + 0.25 * np.sin(2 * np.pi * loop_hz(0.045, loop_seconds) * t + rng.uniform(0, 6.3))
        out += pan(lowpass(tone, 500, circular=True) * breathe * 0.035, position)
    return out


# ---------------------------------------------------------------- the cave

CAVE_SECONDS = 96.0

# Seconds into the loop where two tones an uneasy interval apart swell up:
# (start, length, low note, semitones above).
OMENS = [(8.0, 11.0, "A3", 6), (37.0, 9.0, "E4", 1), (58.0, 12.0, "C3", 6), (81.0, 8.0, "F4", 1)]


def cave():
    rng = np.random.default_rng(2202)
    loop_seconds = CAVE_SECONDS
    n = samples(loop_seconds)
    t = np.arange(n) / RATE

    def slow(hz, depth):
        """A slow swell between 1 - depth and 1, with a whole number of cycles
        in the loop."""
        wave = np.sin(2 * np.pi * loop_hz(hz, loop_seconds) * t + rng.uniform(0, 6.3))
        return 1 - depth * (0.5 - 0.5 * wave)

    # the deep drone: two close low tones beating against each other. Its
    # fundamentals are felt more than heard, and a small speaker gives back
    # none of them, so its upper harmonics growl on their own in the low
    # middle, where the ear finds the missing pitch from them; there the
    # beating runs faster, a slow shiver in the rock
    drone = np.zeros((n, 2))
    for hz, position in ((41.2, -0.3), (41.5, 0.3), (61.8, 0.0)):
        f = loop_hz(hz, loop_seconds)
        swell = slow(0.03, 0.35)
        body = lowpass(partials(phase(f, n), f, [1, 0.5, 0.3, 0.2, 0.12, 0.08]), 260, circular=True)
        growl = _growl(f, n, rng, loop_seconds)
        growl *= 0.058 / np.std(growl)
        drone += pan((body * 0.048 + growl) * swell, position)

    # air moving through the passages: a low rumble, a faint hiss, and the
    # hollow note of the wind across some opening far off, coming and going
    rumble = np.stack([bandpass(noise(n, rng), 30, 160, circular=True) for _ in range(2)], axis=1)
    hiss = np.stack([spectral(noise(n, rng), band_gain(500, 1400, order=2), circular=True) for _ in range(2)],
                    axis=1)
    def hollow(f):
        return peak_gain(290, 60)(f) + 0.6 * peak_gain(470, 90)(f)

    wind = np.stack([spectral(noise(n, rng), hollow, circular=True) for _ in range(2)], axis=1)
    rumble *= 0.05 / np.std(rumble) * slow(0.021, 0.5)[:, None]
    hiss *= 0.04 / np.std(hiss) * slow(0.033, 0.7)[:, None]
    wind *= 0.06 / np.std(wind) * (slow(0.017, 0.9) ** 2)[:, None]

    omens = np.zeros((n, 2))
    for start, length, low, semitones in OMENS:
        for step, position in ((0, -0.5), (semitones, 0.5)):
            hz = midi_hz(note(low) + step)
            omens_part = _glass(hz, length, rng)
            place(omens, pan(omens_part, position), samples(start + step * 0.35), loop=True)

    drips = np.zeros((n, 2))
    at = 1.0
    while at < loop_seconds:
        place(drips, pan(_drip(rng), rng.uniform(-0.8, 0.8)), samples(at), loop=True)
        at += rng.choice([rng.uniform(0.6, 1.4), rng.uniform(2.5, 6.0)], p=[0.25, 0.75])

    cavern = room(4.5, rng, decay_low=4.0, decay_high=1.6, predelay=0.04, stereo=True)
    near = drone + rumble + hiss + wind
    far = reverb(omens, cavern, 0.8, circular=True) + reverb(drips, cavern, 1.4, circular=True)
    return spectral(near + far, band_gain(25, 6000, order=1), circular=True)


def _growl(hz, n, rng, loop_seconds):
    """The drone's harmonics in the low middle, each at a phase of its own
    (in step they would add up to a buzzing pulse at the drone's pitch) and
    each slowly waxing and waning, so the colour of the rock's note shifts."""
    t = np.arange(n) / RATE
    ph = phase(hz, n)
    out = np.zeros(n)
    for k in range(1, 21):
        drift = 0.6 + 0.4 * np.sin(2 * np.pi * loop_hz(rng.uniform(0.02, 0.08), loop_seconds) * t
                                   + rng.uniform(0, 6.3))
        out += drift * np.sin(k * ph + rng.uniform(0, 2 * np.pi)) / k ** 0.8
    return bandpass(out, 180, 700, circular=True)


def _glass(hz, seconds, rng):
    """A cold, hollow tone that swells in and dies away over `seconds`."""
    n = samples(seconds)
    t = np.arange(n) / RATE
    f = hz * (1 + 0.002 * np.sin(2 * np.pi * 0.23 * t))
    tone = partials(phase(f, n), f, [1.0, 0.0, 0.3, 0.0, 0.1])
    swell = np.sin(np.pi * t / seconds) ** 2
    return tone * swell * 0.112


def _drip(rng):
    """One drop falling into a pool far off: a short rising blip."""
    seconds = 0.09
    n = samples(seconds)
    t = np.arange(n) / RATE
    hz = rng.uniform(900, 1700)
    f = hz * (1 + 0.9 * t / seconds)
    blip = np.sin(phase(f, n)) * np.exp(-t / 0.018) * (1 - np.exp(-t / 0.001))
    return highpass(blip, 400) * rng.uniform(0.3, 0.68)
