"""A small stand-in for the game's raycaster, for judging the art at the
distances and storey heights the player sees: walls stretched over their
storeys, cyan see-through with the border wall behind, floors and ceilings
from the top 64 x 64 block, side shading, distance darkness and billboard
sprites with black see-through. It writes the scene views in docs/art/.

It follows the game's drawing rules closely but is only a preview; the real
views come from the game's own renderer.
"""
import math
import os

import numpy as np
from PIL import Image

from common.palette import rgb

W, H = 640, 480
CYAN = np.array(rgb("cyan"), np.uint8)
DARK_LANTERN = [0, 96, 128, 160, 192, 224, 240, 248]


class Scene:
    """rows: strings of the plan; legend: char -> texture name ('.' open).
    floor/ceiling: char -> texture name grids (or one name for all)."""

    def __init__(self, rows, legend, images, floor=None, ceiling=None,
                 background="sky", lighting=False, sprites=()):
        self.rows = rows
        self.h = len(rows)
        self.w = len(rows[0])
        self.legend = legend
        self.images = images
        self.floor = floor
        self.ceiling = ceiling
        self.background = np.array(rgb(background), np.uint8)
        self.lighting = lighting
        self.sprites = sprites   # (image name, x, y, scale, move)

    def wall(self, x, y):
        ch = self.rows[y][x]
        return None if ch == "." else self.legend[ch]

    def grid(self, which):
        """(cell -> index array, stacked 64 x 64 blocks) of the floor or
        ceiling; recipe is one texture name, or (rows, legend)."""
        recipe = self.floor if which == "floor" else self.ceiling
        if recipe is None:
            return None
        if isinstance(recipe, str):
            recipe = (["a" * self.w] * self.h, {"a": recipe})
        rows, legend = recipe
        keys = sorted(legend)
        stack = np.stack([self.images[legend[k]][:64] for k in keys])
        ids = np.array([[keys.index(ch) for ch in r] for r in rows])
        return ids, stack


def texture(images, name):
    return images[name]


def render(scene, pos, rotation, path):
    images = scene.images
    frame = np.empty((H, W, 3), np.uint8)
    frame[:] = scene.background
    dark = np.zeros((H, W), np.float32)
    a = math.radians(rotation)
    dx, dy = -math.cos(a), -math.sin(a)
    px_, py_ = 0.0 * math.cos(a) - 0.66 * math.sin(a), 0.0 * math.sin(a) + 0.66 * math.cos(a)
    zbuf = np.zeros(W)
    grids = {w_: scene.grid(w_) for w_ in ("floor", "ceiling")}
    posx, posy = pos
    mx0, my0 = int(posx), int(posy)

    def cast(rdx, rdy, near_only):
        mapx, mapy = int(posx), int(posy)
        ddx = abs(1 / rdx) if rdx != 0 else 1e30
        ddy = abs(1 / rdy) if rdy != 0 else 1e30
        if rdx < 0:
            sx, sdx = -1, (posx - mapx) * ddx
        else:
            sx, sdx = 1, (mapx + 1 - posx) * ddx
        if rdy < 0:
            sy, sdy = -1, (posy - mapy) * ddy
        else:
            sy, sdy = 1, (mapy + 1 - posy) * ddy
        hits = []
        while True:
            if sdy > sdx:
                sdx += ddx
                mapx += sx
                side = 0
            else:
                sdy += ddy
                mapy += sy
                side = 1
            border = mapx in (0, scene.w - 1) or mapy in (0, scene.h - 1)
            if scene.wall(mapx, mapy) and not hits:
                hits.append((mapx, mapy, side))
                if near_only or border:
                    return hits
            elif border:
                hits.append((mapx, mapy, side))
                return hits

    def draw_wall(x, rdx, rdy, cell, side):
        mapx, mapy = cell
        sx = -1 if rdx < 0 else 1
        sy = -1 if rdy < 0 else 1
        if side == 0:
            perp = abs((mapx - posx + (1 - sx) / 2) / rdx)
        else:
            perp = abs((mapy - posy + (1 - sy) / 2) / rdy)
        perp = max(perp, 1e-4)
        L = abs(int(H / perp))
        img = images[scene.wall(mapx, mapy)]
        hgt = img.shape[0] // 64
        start = H // 2 - L // 2 + (1 - hgt) * L - 1
        top = max(start, 0)
        end = H // 2 + L // 2
        if end >= H:
            end = H - 1
        if side == 0:
            wx = posy + ((mapx - posx + (1 - sx) / 2) / rdx) * rdy
        else:
            wx = posx + ((mapy - posy + (1 - sy) / 2) / rdy) * rdx
        wx -= math.floor(wx)
        tx = int(64 * wx)
        if (side == 0 and rdx > 0) or (side == 1 and rdy < 0):
            tx = 64 - tx - 1
        if top <= end:
            ys = np.arange(top, end + 1)
            ty = (hgt * 64 * ((ys - start) / (hgt * L + 2))).astype(int)
            ty = np.clip(ty, 0, img.shape[0] - 1)
            col = img[ty, tx]
            keep = ~np.all(col == CYAN, axis=1)
            if side == 1:
                col = col >> 1
            frame[ys[keep], x] = col[keep]
            d = abs(mx0 - mapx) + abs(my0 - mapy)
            dark[ys[keep], x] = DARK_LANTERN[d] / 255 if d <= 7 else 1.0
        return perp, wx, end

    for x in range(W):
        cam = 2 * x / W - 1
        rdx, rdy = dx + px_ * cam, dy + py_ * cam
        hits = cast(rdx, rdy, False)
        if len(hits) > 1:
            draw_wall(x, rdx, rdy, hits[1][:2], hits[1][2])
        (mapx, mapy, side) = hits[0]
        perp, wx, end = draw_wall(x, rdx, rdy, (mapx, mapy), side)
        zbuf[x] = perp
        # floor and ceiling
        if side == 0 and rdx > 0:
            fxw, fyw = mapx, mapy + wx
        elif side == 0 and rdx < 0:
            fxw, fyw = mapx + 1, mapy + wx
        elif side == 1 and rdy > 0:
            fxw, fyw = mapx + wx, mapy
        else:
            fxw, fyw = mapx + wx, mapy + 1
        if end + 1 < H:
            ys = np.arange(end + 1, H)
            cur = H / (2 * ys - H)
            wgt = cur / perp
            fx = wgt * fxw + (1 - wgt) * posx
            fy = wgt * fyw + (1 - wgt) * posy
            tx = (np.floor(64 * fx).astype(int)) % 64
            ty = (np.floor(64 * fy).astype(int)) % 64
            cx, cy = fx.astype(int), fy.astype(int)
            d = np.abs(mx0 - cx) + np.abs(my0 - cy)
            dv = np.where(d <= 7, np.array(DARK_LANTERN + [255])[np.minimum(d, 8)] / 255, 1.0)
            for which, rows_ in (("floor", ys), ("ceiling", H - 1 - ys)):
                g = grids[which]
                if g is None:
                    continue
                ids, stack = g
                t = ids[np.clip(cy, 0, scene.h - 1), np.clip(cx, 0, scene.w - 1)]
                frame[rows_, x] = stack[t, ty, tx]
                dark[rows_, x] = dv
    # sprites far to near
    order = sorted(scene.sprites, key=lambda s: -((posx - s[1]) ** 2 + (posy - s[2]) ** 2))
    inv = 1 / (px_ * dy - dx * py_)
    for name, sx_, sy_, scale, move in order:
        img = images[name]
        rx, ry = sx_ - posx, sy_ - posy
        tX = inv * (dy * rx - dx * ry)
        tY = inv * (-py_ * rx + px_ * ry)
        if tY <= 0:
            continue
        scr = int((W // 2) * (1 + tX / tY))
        mv = int(int(move) / tY)
        size = abs(int(H / tY))
        sh, sw = size // scale, size // scale
        y0 = max(H // 2 - sh // 2 + mv, 0)
        y1 = min(sh // 2 + H // 2 + mv, H - 1)
        x0 = max(scr - sw // 2, 0)
        x1 = min(sw // 2 + scr, W - 1)
        d = max(abs(mx0 - int(sx_)) + abs(my0 - int(sy_)) - 1, 0)
        dv = DARK_LANTERN[d] / 255 if d <= 7 else 1.0
        for stripe in range(x0, x1):
            if not (0 < stripe < W and zbuf[stripe] > tY and y0 < y1):
                continue
            tx = ((stripe - scr + sw // 2) * 256 * 64 // max(sw, 1)) // 256
            ys = np.arange(y0, y1)
            t = 256 * (ys - mv) - 128 * H + 128 * sh
            ty = np.clip((64 * t // max(sh, 1)) // 256, 0, 63)
            col = img[ty, min(tx, 63)]
            keep = np.any(col != 0, axis=1)
            frame[ys[keep], stripe] = col[keep]
            dark[ys[keep], stripe] = dv
    if scene.lighting:
        frame = (frame * (1 - dark[..., None])).astype(np.uint8)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    Image.fromarray(frame, "RGB").save(path, compress_level=9)
