"""The game's sound effects, one function each. Every function seeds its own
generator and returns mono samples; generate.py sets their levels."""
import numpy as np

from instruments import voice
from synth import (RATE, attack_release, bandpass, decay, fade_edges, highpass, lowpass, noise,
                   phase, reverb, room, samples, segments, svf)

# ---------------------------------------------------------------- sheep

# The open 'aa' of a bleat: a nasal, bright vowel.
SHEEP_VOWEL = [(850, 220, 1.0), (1650, 260, 0.6), (2750, 400, 0.35), (3800, 600, 0.15)]


def _bleat(pulses, rng, hz, slope=1.25, quaver=0.035, rate=7.5):
    """A bleat of one or more voiced pulses [(seconds, loudness)], each opening
    from the closed lips of the 'b' into the vowel. The voice quavers in pitch
    and strength, as a sheep's does, and sags at the end of each pulse."""
    parts = []
    for index, (seconds, strength) in enumerate(pulses):
        n = samples(seconds)
        t = np.arange(n) / RATE
        wobble = np.sin(2 * np.pi * (rate * t + 0.4 * np.sin(2 * np.pi * 0.9 * t)) + rng.uniform(0, 6.3))
        sag = 1 - 0.08 * np.clip((t - seconds * 0.7) / (seconds * 0.3), 0, 1)
        f0 = hz * (1 + quaver * wobble) * sag * (1 + 0.05 * np.exp(-t / 0.05))
        lips = 1 - np.exp(-t / 0.035)           # the 'b': resonances low until the lips part
        formants = [(c * (0.45 + 0.55 * lips), w, g) for c, w, g in SHEEP_VOWEL]
        breath = 0.06 + 0.25 * np.clip((t - seconds * 0.75) / (seconds * 0.25), 0, 1)
        sound = voice(f0, formants, rng, slope=slope, breath=breath, jitter=0.008)
        strength_of = strength * (1 + 0.25 * wobble) * attack_release(n, 0.02, min(0.12, seconds / 3))
        parts.append(sound * strength_of)
        if index < len(pulses) - 1:
            parts.append(np.zeros(samples(0.045)))   # the catch in the throat between pulses
    dry = np.concatenate(parts + [np.zeros(samples(0.05))])
    yard = room(0.6, rng, decay_low=0.5, decay_high=0.25, predelay=0.01)
    return fade_edges(reverb(dry, yard, 0.12))


def sheep_long():
    """"baaaaaaaaaaaa!": one long bleat, falling away at the end."""
    return _bleat([(2.4, 1.0)], np.random.default_rng(301), hz=330)


def sheep_medium():
    """"baaaaaaa!": a bleat of middle length."""
    return _bleat([(1.15, 1.0)], np.random.default_rng(302), hz=355)


def sheep_loud():
    """"BAAAA!": short, high and bright, shouted."""
    return _bleat([(0.6, 1.0)], np.random.default_rng(303), hz=410, slope=0.95, quaver=0.025)


def sheep_stutter():
    """"ba-a-a-aa": three catches and a longer last one."""
    return _bleat([(0.17, 0.9), (0.15, 0.85), (0.15, 0.85), (0.55, 1.0)], np.random.default_rng(304),
                  hz=345, quaver=0.045, rate=9.0)


# ---------------------------------------------------------------- the cave

# A woman's 'uh', between 'a' and 'o'.
SOB_VOWEL = [(720, 160, 1.0), (1250, 200, 0.5), (2850, 350, 0.25), (3900, 500, 0.1)]


def crying():
    """A woman sobbing somewhere off in the cave: shuddering breaths in, broken
    little sobs, one long wail falling away, and again, softer."""
    rng = np.random.default_rng(305)
    # (start, seconds, pitch at start, pitch at end, voicing, strength)
    sobs = [(0.45, 0.16, 430, 400, 1.0, 0.8), (0.68, 0.15, 440, 395, 1.0, 0.8),
            (0.90, 0.18, 450, 390, 1.0, 0.85), (1.18, 0.85, 470, 330, 1.0, 1.0),
            (2.75, 0.14, 420, 390, 1.0, 0.6), (2.95, 0.16, 425, 380, 1.0, 0.65),
            (3.25, 0.70, 440, 320, 1.0, 0.75)]
    gasps = [(0.0, 0.38, 3), (2.25, 0.40, 4)]       # (start, seconds, shudders)
    total = 4.3
    dry = np.zeros(samples(total))
    for start, seconds, high, low, voicing, strength in sobs:
        n = samples(seconds)
        t = np.arange(n) / RATE
        f0 = high + (low - high) * (t / seconds) ** 1.5
        f0 = f0 * (1 + 0.03 * np.sin(2 * np.pi * 6.0 * t) * np.clip(t / 0.2, 0, 1))
        breath = 0.35 + 0.5 * np.exp(-t / 0.04)     # each sob starts on an 'h'
        sound = voice(f0, SOB_VOWEL, rng, slope=1.5, voicing=voicing, breath=breath, jitter=0.012)
        tremble = 1 + 0.3 * np.sin(2 * np.pi * 7.0 * t + rng.uniform(0, 6.3))
        env = attack_release(n, 0.025, min(0.25, seconds / 2)) * tremble
        dry[samples(start):samples(start) + n] += sound * env * strength
    for start, seconds, shudders in gasps:
        n = samples(seconds)
        t = np.arange(n) / RATE
        inhale = bandpass(noise(n, rng), 900, 3500)
        catches = np.abs(np.sin(np.pi * shudders * t / seconds)) ** 1.5
        dry[samples(start):samples(start) + n] += inhale * catches * attack_release(n, 0.03, 0.05) * 0.05
    far = lowpass(dry, 2600)
    cavern = room(2.0, rng, decay_low=1.8, decay_high=0.8, predelay=0.03)
    return fade_edges(reverb(far, cavern, 0.9)[:samples(total + 1.2)])


def stab_pierce():
    """A knife going in: the point's sharp tick, the dull blow of the hilt
    and a short wet squelch as the blade sinks."""
    rng = np.random.default_rng(306)
    n = samples(0.4)
    t = np.arange(n) / RATE
    tick = bandpass(noise(n, rng), 2500, 7000) * np.exp(-t / 0.003) * 0.8
    thud_hz = 70 + 60 * np.exp(-t / 0.03)
    thud = np.sin(phase(thud_hz, n)) * np.exp(-t / 0.05) * (1 - np.exp(-t / 0.002))
    # the squelch: noise through a narrow band that slides down, gurgling
    wet_env = segments(n, [(0, 0), (0.01, 1.0), (0.12, 0.6), (0.28, 0.12), (0.4, 0)])
    gurgle = 1 + 0.7 * np.sin(2 * np.pi * (28 * t + 3 * np.sin(2 * np.pi * 5 * t)))
    _, band, _ = svf(noise(n, rng), 1700 * np.exp(-t / 0.12) + 350, q=5.0)
    squelch = lowpass(band * wet_env * gurgle, 2800) * 0.5
    bubbles = np.zeros(n)
    for at in (0.06, 0.11, 0.19, 0.24):
        start, length = samples(at), samples(0.03)
        bt = np.arange(length) / RATE
        pop = np.sin(phase(rng.uniform(450, 700) * (1 + 8 * bt), length)) * np.exp(-bt / 0.008)
        bubbles[start:start + length] += pop * 0.25
    body = tick + thud * 1.2 + squelch + bubbles
    return fade_edges(lowpass(body, 8000))


def door_locked():
    """A locked barn door shaken three times: the planks knock against the
    frame and the bolt clanks in its keeper, a rattle after each."""
    rng = np.random.default_rng(307)
    total = 1.5
    out = np.zeros(samples(total))
    for at, strength in ((0.02, 1.0), (0.30, 0.85), (0.56, 0.95), (0.95, 0.6)):
        knock = _knock(rng) * strength
        place_at = samples(at)
        out[place_at:place_at + len(knock)] += knock[:len(out) - place_at]
        for delay, share in ((0.022, 0.6), (0.05, 0.3)):
            clank = _clank(rng) * strength * share
            start = samples(at + delay + rng.uniform(-0.004, 0.004))
            out[start:start + len(clank)] += clank[:len(out) - start]
    barn = room(0.8, rng, decay_low=0.7, decay_high=0.3, predelay=0.008)
    return fade_edges(reverb(out, barn, 0.2)[:samples(total + 0.4)])


def _knock(rng):
    """Planks against the frame: a few low wooden modes, struck."""
    n = samples(0.25)
    t = np.arange(n) / RATE
    strike = lowpass(noise(n, rng), 900) * np.exp(-t / 0.004)
    modes = sum(a * np.sin(2 * np.pi * f * rng.uniform(0.97, 1.03) * t) * np.exp(-t / life)
                for f, a, life in ((105, 1.0, 0.07), (172, 0.7, 0.05), (251, 0.5, 0.04), (390, 0.3, 0.025)))
    return (modes * 0.6 + strike * 0.5) * (1 - np.exp(-t / 0.0015))


def _clank(rng):
    """The iron bolt knocking in its keeper: inharmonic ringing, short."""
    n = samples(0.15)
    t = np.arange(n) / RATE
    base = rng.uniform(560, 680)
    ring = sum(a * np.sin(2 * np.pi * base * r * t + rng.uniform(0, 6.3)) * np.exp(-t / life)
               for r, a, life in ((1.0, 1.0, 0.05), (2.76, 0.6, 0.035), (5.40, 0.35, 0.02), (8.93, 0.2, 0.012)))
    click = highpass(noise(n, rng), 2000) * np.exp(-t / 0.002)
    return (ring * 0.35 + click * 0.3) * (1 - np.exp(-t / 0.0005))


# ---------------------------------------------------------------- footsteps

def footstep_grass():
    """One soft step on grass: a muffled heel, then the blades crushed under
    the rolling foot."""
    rng = np.random.default_rng(308)
    n = samples(0.34)
    t = np.arange(n) / RATE
    heel = lowpass(noise(n, rng), 300) * np.exp(-t / 0.03) * (1 - np.exp(-t / 0.004))
    crackle = noise(n, rng) * (rng.random(n) < 0.04) * rng.uniform(0.2, 1.0, n)
    swish = bandpass(crackle + 0.15 * noise(n, rng), 700, 3200, order=4)
    roll = segments(n, [(0, 0), (0.03, 0.7), (0.10, 1.0), (0.22, 0.4), (0.34, 0)])
    return fade_edges(heel * 1.2 + swish * roll * 0.35)


# The four steps on rock differ in seed, in how hard the heel lands and in
# the scrape of grit that follows.
STONE_STEPS = {1: (401, 1.0, 0.8), 2: (402, 0.85, 1.1), 3: (403, 1.1, 0.6), 4: (404, 0.95, 0.95)}


def footstep_stone(variant):
    """A boot on wet rock in the cave: a hard heel, the sole's slap, a little
    grit under it and the cave answering."""
    seed, heel_strength, grit_amount = STONE_STEPS[variant]
    rng = np.random.default_rng(seed)
    n = samples(0.3)
    t = np.arange(n) / RATE
    heel = lowpass(noise(n, rng), 600) * np.exp(-t / 0.018) * (1 - np.exp(-t / 0.001))
    click = bandpass(noise(n, rng), 1500, 4500, order=3) * np.exp(-t / 0.005)
    sole_at = rng.uniform(0.055, 0.075)
    sole = np.where(t > sole_at, lowpass(noise(n, rng), 900, order=3) * np.exp(-(t - sole_at) / 0.02), 0.0)
    grit = bandpass(noise(n, rng) * (rng.random(n) < 0.05), 1500, 4500, order=4)
    grit *= segments(n, [(0, 0), (0.02, 0.0), (0.06, 1.0), (0.2, 0.3), (0.3, 0)])
    step = heel * heel_strength + click * 0.4 * heel_strength + sole * 0.45 + grit * 0.5 * grit_amount
    cave = room(1.2, rng, decay_low=1.1, decay_high=0.4, predelay=0.02)
    return fade_edges(reverb(step, cave, 0.35)[:samples(0.62)])
