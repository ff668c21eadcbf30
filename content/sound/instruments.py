"""The voices the music and effects are played on, built from synth.py."""
import numpy as np

from synth import (RATE, NYQUIST, attack_release, bandpass, noise, partials, phase,
                   peak_gain, samples, spectral)


def pluck(hz, seconds, rng, brightness=1.0, ring=1.6):
    """A plucked string: harmonics that die away faster the higher they
    are, a notch where the finger plucks, and a touch of the nail. Brightness
    1 is gut under the flesh of the finger; above it the string is struck
    nearer the nail, its upper harmonics stronger and longer lived."""
    n = samples(seconds)
    t = np.arange(n) / RATE
    out = np.zeros(n)
    for k in range(1, 25):
        f = hz * k * np.sqrt(1 + 0.0004 * k * k)
        if f > NYQUIST * 0.9:
            break
        amp = abs(np.sin(np.pi * k * 0.19)) / k ** (1.4 - 0.3 * brightness)
        life = ring / (1 + 0.35 * (k - 1) * (hz / 220) ** 0.5 / brightness)
        out += amp * np.exp(-t / life) * np.sin(2 * np.pi * f * t + rng.uniform(0, 2 * np.pi))
    touch = bandpass(noise(n, rng), 1500, 6000) * np.exp(-t / 0.004) * 0.08 * brightness
    return (out + touch) * attack_release(n, 0.002, min(0.08, seconds / 3))


def flute(hz, seconds, rng, swell=0.0):
    """A recorder: a nearly pure tone with a little breath, a slight scoop up
    to pitch, and vibrato that only comes in once the note is held."""
    n = samples(seconds)
    t = np.arange(n) / RATE
    depth = 0.0045 * np.clip((t - 0.3) / 0.4, 0, 1)
    vibrato = depth * np.sin(2 * np.pi * rng.uniform(4.8, 5.4) * t + rng.uniform(0, 6.3))
    scoop = -0.012 * np.exp(-t / 0.035)
    f = hz * (1 + vibrato + scoop)
    tone = partials(phase(f, n), f, [1.0, 0.4, 0.22, 0.1, 0.06, 0.03])
    chiff = np.exp(-t / 0.03) * 0.6 + 0.08
    breath = bandpass(noise(n, rng), hz * 0.9, hz * 8) * chiff * 0.07
    # long notes fade a little, or swell when asked, as a player's breath does
    shape = 1 + (swell - 0.15) * np.clip(t / max(seconds, 0.1), 0, 1)
    tremolo = 1 + 5.0 * vibrato
    return (tone + breath) * shape * tremolo * attack_release(n, 0.05, min(0.12, seconds / 3))


def voice(f0, formants, rng, slope=1.2, voicing=1.0, breath=0.1, jitter=0.004):
    """A voice by source and filter: the harmonics of a glottal buzz at f0
    (per-sample Hz) weighted by resonances formants = [(centre, width, gain)]
    (each centre a number or a per-sample array), plus breath noise through
    the same resonances. slope: how fast the buzz falls off (higher: softer);
    voicing and breath (numbers or per-sample arrays) weigh buzz and air."""
    n = len(f0)
    wobble = spectral(noise(n, rng), lambda f: 1.0 / (1.0 + (f / 12.0) ** 2))
    wobble *= jitter / (np.std(wobble) + 1e-12)
    f0 = f0 * (1 + wobble)
    ph = phase(f0, n)
    out = np.zeros(n)
    for k in range(1, int(NYQUIST * 0.95 / np.min(f0)) + 1):
        fk = k * f0
        weight = sum(g * peak_gain(c, w)(fk) for c, w, g in formants) + 0.01
        out += np.where(fk < NYQUIST * 0.95, weight, 0.0) * np.sin(k * ph) / k ** slope
    # breath through the mean resonances: enough for an 'h' and for air
    centres = [(float(np.mean(c)), w, g) for c, w, g in formants]
    air = spectral(noise(n, rng), lambda f: sum(g * peak_gain(c, w)(f) for c, w, g in centres))
    air *= np.std(out) / (np.std(air) + 1e-12)
    return out * voicing + air * breath
