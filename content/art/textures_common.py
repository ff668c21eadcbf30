"""What every texture shares: the 64-texel width they tile across, the
seeded random source each is drawn from, and the sideways wrap."""
import numpy as np

W = 64


def rng_for(name):
    seed = sum((i + 1) * ord(c) for i, c in enumerate(name))
    return np.random.default_rng(seed)


def wrapped_dx(xs, cx):
    """Signed distance across from cx, the short way round the wrap."""
    dx = (xs - cx + W / 2) % W - W / 2
    return dx
