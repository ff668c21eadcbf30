"""Loudness as a listener hears it, after ITU-R BS.1770: K-weighting, the
400 ms momentary and 3 s short-term windows, and the gated integrated figure,
in LUFS, of each sound as the game's mixer plays it: a mono effect goes to
both speakers alike, and is added to the music sample by sample with no
volume of its own, which is what `worst_sum` does.

Filters work in the frequency domain (zero-phase, by the magnitude of the
standard's two biquads at this rate): loudness depends on power only, and a
loop (circular=True) is then measured as the circle the game plays, windows
wrapping round the seam.
"""
import os
import subprocess
import tempfile
import wave

import numpy as np

from synth import RATE, highpass_gain, samples

HOP = 0.1           # both sliding windows step by 100 ms
ABSOLUTE_GATE = -70.0


def _biquad_response(b, a, f):
    z = np.exp(-2j * np.pi * f / RATE)
    return np.abs((b[0] + b[1] * z + b[2] * z * z) / (a[0] + a[1] * z + a[2] * z * z))


def k_gain(f):
    """|H(f)| of the K-weighting: the head's high shelf of +4 dB from about
    1.7 kHz, and the high-pass that stops the lowest octave counting."""
    k = np.tan(np.pi * 1681.974450955533 / RATE)
    q, vh = 0.7071752369554196, 10 ** (3.999843853973347 / 20)
    vb = vh ** 0.4996667741545416
    shelf = _biquad_response([vh + vb * k / q + k * k, 2 * (k * k - vh), vh - vb * k / q + k * k],
                             [1 + k / q + k * k, 2 * (k * k - 1), 1 - k / q + k * k], f)
    k = np.tan(np.pi * 38.13547087602444 / RATE)
    q = 0.5003270373238773
    a0 = 1 + k / q + k * k
    # as the standard writes it: the denominator normalised, the numerator not
    return shelf * _biquad_response([1, -2, 1], [1, 2 * (k * k - 1) / a0, (1 - k / q + k * k) / a0], f)


def as_played(x):
    """The sound as the mixer sends it to the two speakers: a mono effect
    is the same on both."""
    return np.stack([x, x], axis=1) if x.ndim == 1 else x


def filtered(x, gain, circular=False):
    """x (n, 2) through a zero-phase gain(f); a one-shot is padded so its
    filtering does not wrap its end onto its start."""
    size = len(x) if circular else len(x) + samples(0.5)
    spectrum = np.fft.rfft(x, size, axis=0) * gain(np.fft.rfftfreq(size, 1.0 / RATE))[:, None]
    return np.fft.irfft(spectrum, size, axis=0)[:len(x)]


def _lufs(power):
    return -0.691 + 10 * np.log10(np.maximum(power, 1e-20))


def blocks(x, seconds, circular=False, gain=None):
    """Loudness (LUFS) of every window of `seconds`, stepping by HOP, of the
    sound as played; a loop's windows run on round the seam, a one-shot
    shorter than one window is one window padded with silence."""
    y = filtered(as_played(x), k_gain if gain is None else lambda f: k_gain(f) * gain(f), circular)
    energy = np.sum(y ** 2, axis=1)
    w, hop = samples(seconds), samples(HOP)
    if circular:
        energy = np.concatenate([energy, energy[:w]])
        starts = np.arange(0, len(x), hop)
    else:
        energy = np.concatenate([energy, np.zeros(max(0, w - len(energy)))])
        starts = np.arange(0, len(energy) - w + 1, hop)
    running = np.concatenate([[0.0], np.cumsum(energy)])
    return _lufs((running[starts + w] - running[starts]) / w)


def integrated(x, circular=False, gain=None):
    """Gated integrated loudness: 400 ms blocks overlapping by three quarters
    (so stepping by HOP), without those under -70 LUFS and then those 10 LU
    under the mean of the rest."""
    loud = blocks(x, 0.4, circular, gain)
    loud = loud[loud > ABSOLUTE_GATE]
    if not len(loud):
        return ABSOLUTE_GATE
    mean = _lufs(np.mean(10 ** ((loud + 0.691) / 10)))
    kept = loud[loud > mean - 10]
    return float(_lufs(np.mean(10 ** ((kept + 0.691) / 10))))


def true_peak(x):
    """Peak in dBFS between the samples as well as on them: four times
    oversampled, as a reconstruction filter would draw the wave."""
    y = as_played(x)
    size = len(y)
    up = np.fft.irfft(np.fft.rfft(y, axis=0), 4 * size, axis=0) * 4
    return 20 * np.log10(max(float(np.max(np.abs(up))), 1e-12))


def hp250(f):
    """About what a laptop's small speakers give back: nothing much below
    250 Hz (second order)."""
    return highpass_gain(250, order=2)(f)


def strike(x, circular=False):
    """How loud an effect is when it strikes: its loudest 100 ms, as played."""
    return float(np.max(blocks(x, 0.1, circular)))


def figures(x, circular=False):
    """name -> value of the figures every file is judged by."""
    return {
        "integrated": integrated(x, circular),
        "short_max": float(np.max(blocks(x, 3.0, circular))),
        "short_median": float(np.median(blocks(x, 3.0, circular))),
        "momentary_max": float(np.max(blocks(x, 0.4, circular))),
        "strike": strike(x, circular),
        "true_peak": true_peak(x),
        "hp250": integrated(x, circular, hp250),
    }


def worst_sum(effect, music, offsets=400):
    """The largest sample, in absolute value, of the effect mixed over the
    music starting at each of `offsets` moments evenly spread over its loop."""
    e = as_played(effect)
    n = len(music)
    worst = 0.0
    for start in np.linspace(0, n, offsets, endpoint=False).astype(int):
        idx = (start + np.arange(len(e))) % n
        worst = max(worst, float(np.max(np.abs(music[idx] + e))))
    return worst


def spectrum_figures(x):
    """(share of the energy above 2.4 kHz, spectral centroid in Hz) of the
    whole sound: how bright it is."""
    power = np.sum(np.abs(np.fft.rfft(as_played(x), axis=0)) ** 2, axis=1)
    f = np.fft.rfftfreq(len(x), 1.0 / RATE)
    return float(np.sum(power[f > 2400]) / np.sum(power)), float(np.sum(power * f) / np.sum(power))


def read(path):
    """A file's samples as the game gets them, float, mono (n,) or stereo
    (n, 2): WAV as written, Ogg decoded by oggdec."""
    with tempfile.TemporaryDirectory() as tmp:
        if path.endswith(".ogg"):
            wav = os.path.join(tmp, "decoded.wav")
            subprocess.run(["oggdec", "-Q", "-o", wav, path], check=True)
            path = wav
        with wave.open(path, "rb") as f:
            channels = f.getnchannels()
            pcm = np.frombuffer(f.readframes(f.getnframes()), dtype="<i2") / 32768.0
    return pcm if channels == 1 else pcm.reshape(-1, channels)
