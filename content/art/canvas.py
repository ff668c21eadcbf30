"""Drawing helpers shared by the texture, sprite and hand generators.

A Canvas is an RGB numpy array painted only with palette names, so every
texel of the game's pictures comes from the one palette. Its fill is the
see-through colour the outline goes around. A texture's canvas wraps
sideways so that it tiles; a figure's (wrap=False) clips at every edge.
Noise is periodic (it wraps at the canvas edges) so that textures tile
without seams, and every random choice comes from a seeded generator, so the
output never varies.
"""
import numpy as np
from PIL import Image

from common.palette import rgb


class Canvas:
    def __init__(self, w, h, fill="cyan", wrap=True):
        self.w, self.h = w, h
        self.wrap = wrap
        self.clear = np.array(rgb(fill), np.uint8)
        self.a = np.zeros((h, w, 3), np.uint8)
        self.a[:] = self.clear

    def _column(self, x):
        """The column x lands in, or None where a clipped canvas ends."""
        if self.wrap:
            return x % self.w
        return x if 0 <= x < self.w else None

    # -- painting -----------------------------------------------------------
    def put(self, mask, name):
        self.a[mask] = rgb(name)

    def px(self, x, y, name):
        """One texel; x wraps around (textures tile sideways) or is clipped,
        y is clipped."""
        x = self._column(x)
        if x is not None and 0 <= y < self.h:
            self.a[y, x] = rgb(name)

    def rect(self, x0, y0, x1, y1, name):
        """Fills [x0, x1) x [y0, y1); x wraps or is clipped, y is clipped."""
        for x in range(x0, x1):
            x = self._column(x)
            if x is not None:
                self.a[max(y0, 0):max(min(y1, self.h), 0), x] = rgb(name)

    def hline(self, x0, x1, y, name):
        self.rect(x0, y, x1, y + 1, name)

    def vline(self, x, y0, y1, name):
        self.rect(x, y0, x + 1, y1, name)

    def tones(self, field, names, mask=None, cuts=None):
        """Paints a 0..1 field quantised into the given tones (dark to
        light), with even cuts unless given."""
        n = len(names)
        if cuts is None:
            cuts = [(i + 1) / n for i in range(n - 1)]
        idx = np.digitize(field, cuts)
        for i, name in enumerate(names):
            m = idx == i
            if mask is not None:
                m &= mask
            self.put(m, name)

    def line(self, x0, y0, x1, y1, name):
        steps = max(abs(x1 - x0), abs(y1 - y0))
        for i in range(steps + 1):
            t = i / steps if steps else 0
            self.px(round(x0 + (x1 - x0) * t), round(y0 + (y1 - y0) * t), name)

    def polygon(self, points, shade):
        """Fills a polygon; shade(x, y, u) gives the name, u = 0..1 across the
        row from its left to its right edge."""
        ys = [p[1] for p in points]
        for y in range(max(0, min(ys)), min(self.h, max(ys) + 1)):
            xs = []
            n = len(points)
            for i in range(n):
                (x0, y0), (x1, y1) = points[i], points[(i + 1) % n]
                if y0 == y1:
                    continue
                if min(y0, y1) <= y + 0.5 < max(y0, y1):
                    xs.append(x0 + (y + 0.5 - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            for a, b in zip(xs[0::2], xs[1::2]):
                left, right = int(round(a)), int(round(b)) - 1
                for x in range(left, right + 1):
                    u = (x - left) / max(1, right - left)
                    self.px(x, y, shade(x, y, u))

    def outline(self, name="ink"):
        """Turns see-through texels that touch the figure into the outline
        colour; returns the canvas."""
        empty = np.all(self.a == self.clear, axis=2)
        solid = ~empty
        near = np.zeros_like(solid)
        near[1:, :] |= solid[:-1, :]
        near[:-1, :] |= solid[1:, :]
        near[:, 1:] |= solid[:, :-1]
        near[:, :-1] |= solid[:, 1:]
        self.put(empty & near, name)
        return self

    def is_colour(self, name):
        return np.all(self.a == np.array(rgb(name), np.uint8), axis=2)

    def holds(self, x, y, name):
        """Whether texel (x, y), inside the canvas, is painted with name."""
        return bool(np.all(self.a[y, x] == np.array(rgb(name), np.uint8)))

    def is_clear(self, x, y):
        """Whether texel (x, y), inside the canvas, is still see-through."""
        return bool(np.all(self.a[y, x] == self.clear))

    def blit(self, other, x, y):
        """Copies another canvas in, skipping its cyan texels."""
        src = other.a
        keep = ~np.all(src == np.array(rgb("cyan"), np.uint8), axis=2)
        for yy in range(other.h):
            ty = y + yy
            if not 0 <= ty < self.h:
                continue
            for xx in range(other.w):
                if keep[yy, xx]:
                    self.a[ty, (x + xx) % self.w] = src[yy, xx]

    def image(self):
        return Image.fromarray(self.a, "RGB")


# -- periodic noise ----------------------------------------------------------

def value_noise(w, h, cw, ch, rng):
    """Smooth noise in 0..1 that wraps at both edges; cw, ch lattice steps
    (each must divide w, h)."""
    gw, gh = max(w // cw, 1), max(h // ch, 1)
    g = rng.random((gh, gw))
    ys = np.arange(h) / ch
    xs = np.arange(w) / cw
    y0 = np.floor(ys).astype(int)
    x0 = np.floor(xs).astype(int)
    fy = ys - y0
    fx = xs - x0
    fy = fy * fy * (3 - 2 * fy)
    fx = fx * fx * (3 - 2 * fx)
    y0m, y1m = y0 % gh, (y0 + 1) % gh
    x0m, x1m = x0 % gw, (x0 + 1) % gw
    a = g[np.ix_(y0m, x0m)]
    b = g[np.ix_(y0m, x1m)]
    c = g[np.ix_(y1m, x0m)]
    d = g[np.ix_(y1m, x1m)]
    fx = fx[None, :]
    fy = fy[:, None]
    top = a + (b - a) * fx
    bot = c + (d - c) * fx
    return top + (bot - top) * fy


def fbm(w, h, rng, octaves=((16, 0.5), (8, 0.3), (4, 0.2))):
    out = np.zeros((h, w))
    for step, weight in octaves:
        out += weight * value_noise(w, h, step, step, rng)
    return normalise(out)


def normalise(f):
    lo, hi = f.min(), f.max()
    if hi - lo < 1e-9:
        return np.zeros_like(f)
    return (f - lo) / (hi - lo)


def voronoi(w, h, points, warp=None):
    """For wrapped feature points returns (nearest index, F1, F2) per texel;
    warp, a pair of offset fields, bends the cells into softer shapes."""
    ys, xs = np.mgrid[0:h, 0:w].astype(float)
    if warp is not None:
        xs = xs + warp[0]
        ys = ys + warp[1]
    d = []
    for (px_, py_) in points:
        dx = np.abs(xs - px_)
        dx = np.minimum(dx, w - dx)
        dy = np.abs(ys - py_)
        dy = np.minimum(dy, h - dy)
        d.append(np.sqrt(dx * dx + dy * dy))
    d = np.stack(d)
    order = np.argsort(d, axis=0)
    f1 = np.take_along_axis(d, order[0:1], 0)[0]
    f2 = np.take_along_axis(d, order[1:2], 0)[0]
    return order[0], f1, f2


def jittered_points(w, h, nx, ny, rng, jitter=0.7):
    pts = []
    for j in range(ny):
        for i in range(nx):
            x = (i + 0.5 + (rng.random() - 0.5) * jitter) * w / nx
            y = (j + 0.5 + (rng.random() - 0.5) * jitter) * h / ny
            pts.append((x, y))
    return pts


def relief(height, light=(-1, -1), strength=1.0):
    """Lambert-like shading of a wrapped height field lit from the upper
    left: positive where a slope faces the light."""
    lx, ly = light
    gx = (np.roll(height, -1, 1) - np.roll(height, 1, 1)) * 0.5
    gy = (np.roll(height, -1, 0) - np.roll(height, 1, 0)) * 0.5
    return -(gx * lx + gy * ly) * strength
