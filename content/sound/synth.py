"""A small synthesiser over numpy arrays of float samples in [-1, 1].

Every function takes and returns plain arrays (mono: shape (n,), stereo:
shape (n, 2)) at RATE. Randomness comes only from the numpy Generator a
caller passes in, so the same seed gives the same samples.

Looping pieces are built on a circle: notes that run past the end of the
loop wrap round to its start (`place`), and filters and reverb work on the
whole loop at once through the FFT (`spectral`, `reverb` with circular=True),
so the last sample leads into the first as smoothly as any other pair.
"""
import subprocess
import wave

import numpy as np

RATE = 22050          # the mixer's own rate: nothing is resampled at play time
NYQUIST = RATE / 2


# ---------------------------------------------------------------- time, pitch

def samples(seconds):
    return int(round(seconds * RATE))


def times(seconds):
    return np.arange(samples(seconds)) / RATE


def midi_hz(note):
    return 440.0 * 2.0 ** ((note - 69) / 12.0)


_STEPS = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def note(name):
    """'D5', 'Bb4', 'C#5' -> MIDI number (C4 = 60)."""
    step = _STEPS[name[0]]
    rest = name[1:]
    while rest and rest[0] in "#b":
        step += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return step + 12 * (int(rest) + 1)


def loop_hz(hz, loop_seconds):
    """The frequency nearest hz that fits a whole number of cycles into the
    loop: held tones and slow swells then meet themselves at the seam."""
    cycles = max(1, round(hz * loop_seconds))
    return cycles / loop_seconds


# ---------------------------------------------------------------- oscillators

def phase(freq, n):
    """Running phase in radians of a frequency that may change per sample."""
    freq = np.broadcast_to(np.asarray(freq, dtype=float), (n,))
    return 2 * np.pi * np.cumsum(freq) / RATE


def partials(ph, f0, amps, stretch=0.0):
    """A sum of harmonics k = 1.. of a running phase, amps[k-1] each (a number
    or a per-sample array); those above the Nyquist frequency are left out,
    so nothing folds back as a harsh alias. stretch > 0 sharpens the upper
    partials a little, as a real string does."""
    out = np.zeros_like(ph)
    f0 = np.asarray(f0, dtype=float)
    for k, a in enumerate(amps, start=1):
        ratio = k * np.sqrt(1 + stretch * k * k)
        audible = (ratio * f0) < NYQUIST * 0.95
        out += np.where(audible, a, 0.0) * np.sin(ratio * ph)
    return out


def noise(n, rng):
    return rng.standard_normal(n)


# ---------------------------------------------------------------- envelopes

def segments(n, points):
    """A piecewise-linear envelope through (seconds, level) points."""
    t = np.arange(n) / RATE
    at, level = zip(*points)
    return np.interp(t, at, level)


def decay(n, seconds):
    """exp(-t / seconds): a struck or plucked body dying away."""
    return np.exp(-np.arange(n) / (seconds * RATE))


def attack_release(n, attack, release):
    """Rises in `attack` seconds, holds, falls in `release` seconds, with
    raised-cosine ends so that neither edge clicks."""
    env = np.ones(n)
    a, r = max(1, samples(attack)), max(1, samples(release))
    a, r = min(a, n // 2), min(r, n - n // 2)
    env[:a] = 0.5 - 0.5 * np.cos(np.pi * np.arange(a) / a)
    env[n - r:] = 0.5 + 0.5 * np.cos(np.pi * np.arange(r) / r)
    return env


def fade_edges(x, seconds=0.004):
    """Short raised-cosine fades at both ends of a one-shot sound, so that it
    starts and stops at zero however it was made."""
    n = min(samples(seconds), len(x) // 2)
    ramp = 0.5 - 0.5 * np.cos(np.pi * np.arange(n) / n)
    x = x.copy()
    x[:n] *= ramp if x.ndim == 1 else ramp[:, None]
    x[len(x) - n:] *= ramp[::-1] if x.ndim == 1 else ramp[::-1, None]
    return x


# ---------------------------------------------------------------- filters

def spectral(x, gain, circular=False):
    """Zero-phase filter: multiplies the spectrum by gain(freq_hz). A one-shot
    sound is padded first so its ringing does not wrap round onto its start;
    a loop (circular=True) is filtered as the circle it is."""
    n = len(x)
    size = n if circular else n + samples(0.25)
    spectrum = np.fft.rfft(x, size, axis=0)
    g = gain(np.fft.rfftfreq(size, 1.0 / RATE))
    spectrum *= g if x.ndim == 1 else g[:, None]
    return np.fft.irfft(spectrum, size, axis=0)[:n]


def lowpass_gain(cutoff, order=2):
    return lambda f: 1.0 / np.sqrt(1.0 + (f / cutoff) ** (2 * order))


def highpass_gain(cutoff, order=2):
    return lambda f: 1.0 / np.sqrt(1.0 + (cutoff / np.maximum(f, 1e-3)) ** (2 * order))


def band_gain(low, high, order=2):
    lp, hp = lowpass_gain(high, order), highpass_gain(low, order)
    return lambda f: lp(f) * hp(f)


def shelf_gain(corner, db):
    """A first-order high shelf: unity far below the corner, db above it."""
    lift = 10 ** (db / 20) - 1
    return lambda f: 1 + lift * f ** 2 / (f ** 2 + corner ** 2)


def peak_gain(centre, width):
    """A resonance of the given -3 dB width in Hz: a formant or a body mode."""
    return lambda f: 1.0 / (1.0 + ((f - centre) / (width / 2.0)) ** 2)


def lowpass(x, cutoff, order=2, circular=False):
    return spectral(x, lowpass_gain(cutoff, order), circular)


def highpass(x, cutoff, order=2, circular=False):
    return spectral(x, highpass_gain(cutoff, order), circular)


def bandpass(x, low, high, order=2, circular=False):
    return spectral(x, band_gain(low, high, order), circular)


def svf(x, cutoff, q=0.7):
    """A state-variable filter whose cutoff (Hz) may move per sample; returns
    (lowpass, bandpass, highpass). The trapezoidal form stays stable for any
    cutoff below Nyquist, so sweeps cannot blow up."""
    n = len(x)
    cutoff = np.broadcast_to(np.asarray(cutoff, dtype=float), (n,))
    g = np.tan(np.pi * np.minimum(cutoff, NYQUIST * 0.9) / RATE)
    k = 1.0 / q
    a1 = 1.0 / (1.0 + g * (g + k))
    lp, bp, hp = np.empty(n), np.empty(n), np.empty(n)
    s1 = s2 = 0.0
    for i, (xi, gi, ai) in enumerate(zip(x.tolist(), g.tolist(), a1.tolist())):
        v1 = ai * (s1 + gi * (xi - s2))
        v2 = s2 + gi * v1
        s1, s2 = 2 * v1 - s1, 2 * v2 - s2
        lp[i], bp[i] = v2, v1
        hp[i] = xi - k * v1 - v2
    return lp, bp, hp


# ---------------------------------------------------------------- space

def room(seconds, rng, decay_low, decay_high=None, predelay=0.0, stereo=False):
    """An impulse response of a space: noise dying away, the highs sooner
    than the lows (decay_* are the times in seconds to fall by 60 dB at 200 Hz
    and at 5 kHz; between them the time slides with the octave)."""
    decay_high = decay_low * 0.4 if decay_high is None else decay_high
    n = samples(seconds)
    t = np.arange(n) / RATE
    channels = 2 if stereo else 1
    ir = np.zeros((n, channels))
    # overlapping octave-wide bands whose gains add up to one at every
    # frequency, so no band edge shows as a step in the tail's colour
    centres = 200 * 2.0 ** np.arange(0, 6)
    for c in range(channels):
        for i, centre in enumerate(centres):
            t60 = decay_low * (decay_high / decay_low) ** (i / (len(centres) - 1))
            part = spectral(noise(n, rng), _octave_share(centres, i))
            ir[:, c] += part * 10 ** (-3 * t / t60)
    start = samples(predelay)
    ir[:start] = 0.0
    onset = samples(0.01)
    ir[start:start + onset] *= np.linspace(0, 1, onset)[:, None]
    ir /= np.sqrt(np.sum(ir ** 2, axis=0))   # unit energy: wet level is set by the mix
    return ir if stereo else ir[:, 0]


def _octave_share(centres, i):
    """Raised-cosine weight of band i on a log-frequency axis; the outer bands
    take everything below the first and above the last centre."""
    def gain(f):
        octave = np.log2(np.maximum(f, 1.0) / centres[0])
        d = np.clip(octave - i, -1, 1)
        if i == 0:
            d = np.maximum(d, 0)
        if i == len(centres) - 1:
            d = np.minimum(d, 0)
        return 0.5 + 0.5 * np.cos(np.pi * d)
    return gain


def convolve(x, ir, circular=False):
    """x convolved with ir; one-shot sounds grow by the length of the tail,
    loops keep their length and their tail wraps onto the start."""
    size = len(x) if circular else len(x) + len(ir)
    out = np.fft.irfft(np.fft.rfft(x, size) * np.fft.rfft(ir, size), size)
    return out


def reverb(x, ir, wet, circular=False):
    """Dry signal plus `wet` of its reverberation. A mono ir with a stereo
    signal treats each side alike; a stereo ir spreads a mono signal."""
    if x.ndim == 1 and ir.ndim == 2:
        x = np.stack([x, x], axis=1)
    if x.ndim == 2:
        irs = ir if ir.ndim == 2 else np.stack([ir, ir], axis=1)
        return np.stack([reverb(x[:, c], irs[:, c], wet, circular) for c in range(2)], axis=1)
    tail = convolve(x, ir, circular)
    dry = np.zeros_like(tail)
    dry[:len(x)] = x
    return dry + wet * tail


# ---------------------------------------------------------------- mixing

def pan(x, position):
    """Mono to stereo at position -1 (left) .. 1 (right), equal power."""
    angle = (position + 1) * np.pi / 4
    return np.stack([x * np.cos(angle), x * np.sin(angle)], axis=1)


def place(track, sound, at, loop=False):
    """Adds sound into track starting at sample `at`. In a loop what runs past
    the end continues at the start; otherwise it is cut."""
    n = len(track)
    at %= n if loop else n + 1
    head = min(len(sound), n - at)
    track[at:at + head] += sound[:head]
    rest = sound[head:]
    while loop and len(rest):
        take = min(len(rest), n)
        track[:take] += rest[:take]
        rest = rest[take:]


def _running_min(r, width):
    """min(r[i : i + width]) for each i in range(len(r) - width + 1), by
    doubling the span rather than looking at every window afresh."""
    spans, span = r, 1
    while span * 2 <= width:
        spans = np.minimum(spans[:-span], spans[span:])
        span *= 2
    return np.minimum(spans[:len(r) - width + 1], spans[width - span:])


def limit(x, ceiling_db, hold=0.005, circular=False):
    """Turns the few peaks above ceiling_db down to it and leaves the rest
    alone. The gain looks `hold` seconds either way, falls before a peak
    and rises after it along a smooth ramp twice that long, so the wave keeps
    its shape instead of flattening as clipping would. Both channels share
    one gain, so nothing moves across the stereo picture."""
    a = np.abs(x) if x.ndim == 1 else np.max(np.abs(x), axis=1)
    need = np.minimum(1.0, 10 ** (ceiling_db / 20) / np.maximum(a, 1e-12))
    h = max(1, samples(hold))
    if circular:
        padded = np.concatenate([need[-2 * h:], need, need[:2 * h]])
    else:
        padded = np.concatenate([np.ones(2 * h), need, np.ones(2 * h)])
    # the lowest gain any peak within h asks for, then its mean over h
    # either side: never above what a peak needs, never a sudden step
    held = _running_min(padded, 2 * h + 1)
    running = np.concatenate([[0.0], np.cumsum(held)])
    gain = (running[2 * h + 1:] - running[:-2 * h - 1]) / (2 * h + 1)
    return x * (gain if x.ndim == 1 else gain[:, None])


def trim_tail(x, floor_db=-60.0):
    """Cuts the silence a reverb tail leaves once it has fallen floor_db under
    the peak, and fades the cut."""
    quiet = np.max(np.abs(x)) * 10 ** (floor_db / 20)
    loud = np.nonzero(np.abs(x) > quiet)[0]
    return fade_edges(x[:loud[-1] + 1 + samples(0.005)]) if len(loud) else x


def remove_dc(x):
    return x - np.mean(x, axis=0)


def remove_dc_keeping_ends(x):
    """Takes the mean out of a one-shot sound along a raised-cosine bump over
    its whole length, so it still starts and ends at zero; the bump is far
    too slow to hear."""
    bump = 0.5 - 0.5 * np.cos(2 * np.pi * np.arange(len(x)) / max(len(x) - 1, 1))
    return x - np.mean(x) * bump / np.mean(bump)


# ---------------------------------------------------------------- files

def write_wav(path, x):
    """16-bit PCM at RATE, mono or stereo, rounded (no dither: the same
    samples give the same bytes)."""
    pcm = np.clip(np.round(x * 32767), -32768, 32767).astype("<i2")
    with wave.open(path, "wb") as f:
        f.setnchannels(1 if x.ndim == 1 else 2)
        f.setsampwidth(2)
        f.setframerate(RATE)
        f.writeframes(pcm.tobytes())


def encode_ogg(wav_path, ogg_path, quality, serial):
    """Ogg Vorbis through oggenc. The stream's serial number is normally
    random; fixing it keeps the file the same from run to run."""
    subprocess.run(["oggenc", "-Q", "-q", str(quality), "-s", str(serial), "-o", ogg_path, wav_path],
                   check=True)
