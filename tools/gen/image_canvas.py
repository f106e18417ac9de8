"""Drawing helpers for tools/gen/gen_images.py: pictures as numpy arrays of floats (height x width x 3,
0..255), with gradients, smooth noise, soft shapes and layers composited by alpha. Every random choice
comes from a generator seeded by the caller, so a run always gives the same pixels.
"""
import math

import numpy as np
from PIL import Image, ImageDraw, ImageFilter


def rgb(hex_text):
    """(r, g, b) of "#RRGGBB"."""
    v = int(hex_text.lstrip("#"), 16)
    return ((v >> 16) & 255, (v >> 8) & 255, v & 255)


def colorref(colour):
    """The decimal COLORREF (0x00BBGGRR) of an (r, g, b) colour."""
    r, g, b = (int(round(c)) for c in colour)
    return r | (g << 8) | (b << 16)


def gradient(w, h, stops, vertical=True):
    """A picture filled with a gradient through the stops [(position 0..1, colour)]."""
    n = h if vertical else w
    t = np.linspace(0.0, 1.0, n)
    pos = [s[0] for s in stops]
    line = np.stack([np.interp(t, pos, [s[1][c] for s in stops]) for c in range(3)], axis=-1)
    if vertical:
        return np.broadcast_to(line[:, None, :], (h, w, 3)).astype(np.float64)
    return np.broadcast_to(line[None, :, :], (h, w, 3)).astype(np.float64)


def grid(w, h):
    """Pixel-centre coordinates: (x, y) arrays of shape (h, w)."""
    y, x = np.mgrid[0:h, 0:w].astype(np.float64)
    return x + 0.5, y + 0.5


def smoothstep(edge0, edge1, v):
    t = np.clip((v - edge0) / (edge1 - edge0), 0.0, 1.0)
    return t * t * (3.0 - 2.0 * t)


def noise2d(w, h, cell, rng, octaves=4, persistence=0.5):
    """Smooth value noise in 0..1: random lattices of shrinking cell size, scaled up bicubically."""
    total = np.zeros((h, w))
    amplitude, norm = 1.0, 0.0
    for _ in range(octaves):
        gw, gh = int(math.ceil(w / cell)) + 3, int(math.ceil(h / cell)) + 3
        lattice = rng.random((gh, gw)).astype(np.float32)
        big = Image.fromarray(lattice, "F").resize((gw * cell, gh * cell), Image.BICUBIC)
        total += amplitude * np.asarray(big, dtype=np.float64)[cell:cell + h, cell:cell + w]
        norm += amplitude
        amplitude *= persistence
        cell = max(2, cell // 2)
    total /= norm
    lo, hi = total.min(), total.max()
    return (total - lo) / (hi - lo) if hi > lo else total * 0.0


def noise1d(n, cell, rng, octaves=4, persistence=0.5):
    """Smooth 1-D noise in -1..1 (for ridge lines), cosine-interpolated octaves."""
    total = np.zeros(n)
    amplitude, norm = 1.0, 0.0
    xs = np.arange(n, dtype=np.float64)
    for _ in range(octaves):
        knots = rng.random(int(n / cell) + 3) * 2.0 - 1.0
        pos = xs / cell
        i = np.floor(pos).astype(int)
        f = pos - i
        f = (1.0 - np.cos(f * math.pi)) * 0.5
        total += amplitude * (knots[i] * (1.0 - f) + knots[i + 1] * f)
        norm += amplitude
        amplitude *= persistence
        cell = max(2.0, cell / 2.0)
    return total / norm


def blend(base, colour, alpha):
    """Lays a colour (an (r, g, b) or a picture) over base with a per-pixel alpha 0..1."""
    a = np.clip(alpha, 0.0, 1.0)[..., None]
    c = np.asarray(colour, dtype=np.float64)
    return base * (1.0 - a) + c * a


def below_ridge(w, h, ridge):
    """Alpha 0..1 of the part below a ridge line (one y per column), anti-aliased over a pixel."""
    _, y = grid(w, h)
    return np.clip(y - ridge[None, :] + 0.5, 0.0, 1.0)


def radial(w, h, cx, cy, radius):
    """Distance from (cx, cy) divided by radius."""
    x, y = grid(w, h)
    return np.hypot(x - cx, y - cy) / radius


def glow(base, cx, cy, radius, colour, strength=1.0, power=2.0):
    """A soft round light: full at the centre, fading to nothing at the radius."""
    d = radial(base.shape[1], base.shape[0], cx, cy, radius)
    a = strength * np.clip(1.0 - d, 0.0, 1.0) ** power
    return blend(base, colour, a)


class Layer:
    """Shapes drawn on a transparent RGBA layer at a multiple of the picture size, scaled down when laid
    over a picture, so their edges are smooth. Each shape is laid over what the layer already holds."""

    def __init__(self, w, h, scale=3):
        self.w, self.h, self.s = w, h, scale
        self.image = Image.new("RGBA", (w * scale, h * scale), (0, 0, 0, 0))

    def _shape(self, points, fill, paint):
        """Draws one shape on a patch the size of its box, then lays the patch over the layer."""
        s = self.s
        xs = [p[0] * s for p in points]
        ys = [p[1] * s for p in points]
        x0, y0 = int(math.floor(min(xs))) - 2, int(math.floor(min(ys))) - 2
        x1, y1 = int(math.ceil(max(xs))) + 3, int(math.ceil(max(ys))) + 3
        cx0, cy0 = max(0, x0), max(0, y0)
        cx1, cy1 = min(self.image.width, x1), min(self.image.height, y1)
        if cx1 <= cx0 or cy1 <= cy0:
            return
        clear = len(fill) == 4 and fill[3] == 0  # a clear shape cuts a hole
        patch = Image.new("RGBA", (x1 - x0, y1 - y0), (0, 0, 0, 0))
        paint(ImageDraw.Draw(patch), [(x - x0, y - y0) for x, y in zip(xs, ys)], (0, 0, 0, 255) if clear else fill)
        if clear:
            hole = patch.getchannel("A")
            region = self.image.crop((x0, y0, x1, y1))
            a = region.getchannel("A")
            a.paste(0, mask=hole)
            region.putalpha(a)
            self.image.paste(region, (x0, y0))
            return
        self.image.alpha_composite(patch.crop((cx0 - x0, cy0 - y0, cx1 - x0, cy1 - y0)), dest=(cx0, cy0))

    def ellipse(self, cx, cy, rx, ry, fill):
        self._shape([(cx - rx, cy - ry), (cx + rx, cy + ry)], fill,
                    lambda d, p, f: d.ellipse([p[0], p[1]], fill=f))

    def polygon(self, points, fill):
        self._shape(points, fill, lambda d, p, f: d.polygon(p, fill=f))

    def line(self, points, fill, width):
        pad = width
        box = [(min(x for x, _ in points) - pad, min(y for _, y in points) - pad),
               (max(x for x, _ in points) + pad, max(y for _, y in points) + pad)]
        stroke = max(1, int(round(width * self.s)))
        n = len(points)
        self._shape(points + box, fill,
                    lambda d, p, f: d.line(p[:n], fill=f, width=stroke, joint="curve"))

    def rectangle(self, x0, y0, x1, y1, fill):
        self._shape([(x0, y0), (x1, y1)], fill, lambda d, p, f: d.rectangle([p[0], p[1]], fill=f))

    def rgba(self, blur_radius=0.0):
        """The layer at picture size: colour (h x w x 3) and alpha (h x w, 0..1)."""
        small = self.image.resize((self.w, self.h), Image.LANCZOS)
        if blur_radius > 0:
            # blurred with premultiplied colour, so clear pixels do not darken the edges
            small = small.convert("RGBa").filter(ImageFilter.GaussianBlur(blur_radius)).convert("RGBA")
        a = np.asarray(small, dtype=np.float64)
        return a[..., :3], a[..., 3] / 255.0

    def over(self, base, blur_radius=0.0, opacity=1.0):
        colour, alpha = self.rgba(blur_radius)
        return blend(base, colour, alpha * opacity)


def petal_points(cx, cy, length, width, angle, steps=16):
    """An almond-shaped petal or leaf from (cx, cy) pointing along the angle (radians)."""
    pts = []
    for i in range(steps + 1):
        t = i / steps
        pts.append((t * length, math.sin(t * math.pi) * width * 0.5))
    for i in range(steps, -1, -1):
        t = i / steps
        pts.append((t * length, -math.sin(t * math.pi) * width * 0.5))
    ca, sa = math.cos(angle), math.sin(angle)
    return [(cx + x * ca - y * sa, cy + x * sa + y * ca) for x, y in pts]


def star_points(cx, cy, outer, inner, tips, angle=-math.pi / 2):
    pts = []
    for i in range(tips * 2):
        r = outer if i % 2 == 0 else inner
        a = angle + i * math.pi / tips
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def to_image(picture):
    return Image.fromarray(np.clip(np.round(picture), 0, 255).astype(np.uint8), "RGB")
