"""Pictures to look at instead of listening: sox's spectrogram of a file as
it ships (harsh partials, hum, hiss), over its waveform drawn here (clipping,
DC offset, clicks), and for a loop a close-up of the seam: the last and first
15 milliseconds side by side, which must join without a step."""
import os
import subprocess
import tempfile
import wave

import numpy as np
from PIL import Image, ImageDraw

WIDTH = 720
WAVE_HEIGHT = 120
SEAM_MS = 15


def _decode(path, tmp):
    """The file's samples as sox decodes them (Ogg included), float in [-1, 1],
    shape (n, channels), and the rate."""
    wav = os.path.join(tmp, "decoded.wav")
    subprocess.run(["sox", path, "-b", "16", "-e", "signed-integer", wav], check=True)
    with wave.open(wav, "rb") as f:
        rate, channels = f.getframerate(), f.getnchannels()
        pcm = np.frombuffer(f.readframes(f.getnframes()), dtype="<i2")
    return pcm.reshape(-1, channels) / 32768.0, rate


def _waveform(x, height, title, marks=()):
    """Min and max of each column per channel, with lines at 0 and at -1 dBFS."""
    image = Image.new("RGB", (WIDTH, height * x.shape[1]), (16, 16, 24))
    draw = ImageDraw.Draw(image)
    limit = 10 ** (-1 / 20)
    for c in range(x.shape[1]):
        top, mid = c * height, c * height + height // 2
        for y in (limit, -limit):
            draw.line([(0, mid - y * height / 2), (WIDTH, mid - y * height / 2)], fill=(90, 40, 40))
        draw.line([(0, mid), (WIDTH, mid)], fill=(60, 60, 70))
        columns = np.array_split(x[:, c], WIDTH)
        for i, col in enumerate(columns):
            if len(col):
                hi, lo = float(col.max()), float(col.min())
                draw.line([(i, mid - hi * height / 2), (i, mid - lo * height / 2)], fill=(120, 200, 140))
        for at in marks:
            draw.line([(at, top), (at, top + height)], fill=(200, 180, 60))
    draw.text((4, 2), title, fill=(220, 220, 220))
    return image


def draw(path, out, seam=False):
    with tempfile.TemporaryDirectory() as tmp:
        x, rate = _decode(path, tmp)
        spectrum = os.path.join(tmp, "spectrum.png")
        subprocess.run(["sox", path, "-n", "remix", "-", "spectrogram", "-x", str(WIDTH - 144), "-y", "257",
                        "-z", "96", "-t", os.path.basename(path), "-c", "", "-o", spectrum], check=True)
        parts = [Image.open(spectrum).convert("RGB")]
    peak = 20 * np.log10(max(float(np.max(np.abs(x))), 1e-9))
    dc = float(np.mean(x))
    parts.append(_waveform(x, WAVE_HEIGHT, "%.2f s  peak %.1f dBFS  dc %+.5f" % (len(x) / rate, peak, dc)))
    if seam:
        k = rate * SEAM_MS // 1000
        joined = np.concatenate([x[-k:], x[:k]])
        # the seam, magnified so that a step of a few per cent would show
        parts.append(_waveform(joined * 4, WAVE_HEIGHT, "seam: last %d ms | first %d ms, x4" % (SEAM_MS, SEAM_MS),
                               marks=(WIDTH // 2,)))
    width = max(p.width for p in parts)
    sheet = Image.new("RGB", (width, sum(p.height for p in parts)), (0, 0, 0))
    y = 0
    for p in parts:
        sheet.paste(p, (0, y))
        y += p.height
    sheet.save(out, optimize=True)
