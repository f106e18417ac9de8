"""The skin pictures of tools/gen/gen_images.py, drawn by code: landscapes, soft patterns and gradients.

Each scene is a function (width, height, rng) -> picture (numpy, height x width x 3, 0..255). The skin
engine lays a skin picture at the top left of every skinned window and fades its right and bottom edges
into the picture's average colour, which also fills the rest of the window: so the scenes keep their
detail in the upper left and their average light enough for dark text.
"""
import math

import numpy as np
from PIL import Image, ImageFilter

from image_canvas import (Layer, blend, below_ridge, glow, gradient, grid, noise1d, noise2d,
                          petal_points, radial, rgb, smoothstep, star_points)


def _hills(pic, rng, layers):
    """Rolling hills: layers [(base y fraction, amplitude, cell, colour top, colour bottom)], back to front."""
    h, w = pic.shape[:2]
    _, y = grid(w, h)
    for base, amp, cell, top, bottom in layers:
        ridge = h * base + amp * noise1d(w, cell, rng, octaves=3)
        shade = gradient(w, h, [(0.0, top), (1.0, bottom)])
        depth = np.clip((y - ridge[None, :]) / (h * 0.35), 0.0, 1.0)[..., None]
        colour = shade * (1.0 - depth * 0.25) + np.asarray(top) * depth * 0.25
        pic = blend(pic, colour, below_ridge(w, h, ridge))
    return pic


def _mountains(pic, rng, layers, roughness=5):
    """Jagged mountain ranges: layers [(base y fraction, height px, cell, colour, mist colour)]."""
    h, w = pic.shape[:2]
    _, y = grid(w, h)
    for base, height, cell, colour, mist in layers:
        n = noise1d(w, cell, rng, octaves=roughness, persistence=0.55)
        ridge = h * base - height * (0.5 + 0.5 * n)
        soft = _smooth(ridge, 40)
        fade = smoothstep(0.0, h * 0.28, y - soft[None, :])  # mist rising from the valleys
        body = blend(np.broadcast_to(np.asarray(colour, dtype=np.float64), pic.shape), mist, fade * 0.85)
        pic = blend(pic, body, below_ridge(w, h, ridge))
    return pic


def _smooth(line, radius):
    """A line averaged over a window of about twice the radius (edges held)."""
    kernel = np.exp(-np.linspace(-2.5, 2.5, 2 * radius + 1) ** 2)
    padded = np.concatenate([np.full(radius, line[0]), line, np.full(radius, line[-1])])
    return np.convolve(padded, kernel / kernel.sum(), mode="valid")


def _soften(mask, radius):
    """A 0..1 mask with its edges blurred."""
    grey = Image.fromarray(np.clip(np.round(mask * 255.0), 0, 255).astype(np.uint8), "L")
    return np.asarray(grey.filter(ImageFilter.GaussianBlur(radius)), dtype=np.float64) / 255.0


def _clouds(pic, rng, cell, cover, colour, top=0.0, bottom=0.6, strength=0.9, stretch=2.5):
    """Soft clouds between two heights (fractions of the picture), stretched sideways."""
    h, w = pic.shape[:2]
    narrow = noise2d(int(w / stretch) + 2, h, cell, rng, octaves=5)
    n = np.asarray(Image.fromarray(narrow.astype(np.float32), "F").resize((w, h), Image.BICUBIC), dtype=np.float64)
    _, y = grid(w, h)
    band = smoothstep(h * bottom, h * (bottom - 0.15), y) * smoothstep(h * top - 1, h * (top + 0.05), y)
    return blend(pic, colour, smoothstep(cover, cover + 0.25, n) * band * strength)


def _bokeh(pic, rng, count, colours, rmin, rmax, blur_radius, opacity=1.0, region=(0, 0, 1, 1), ring=False):
    """Out-of-focus lights: translucent discs with a lighter rim (ring: soap bubbles with a highlight)."""
    h, w = pic.shape[:2]
    layer = Layer(w, h, 2)
    for _ in range(count):
        cx = (region[0] + rng.random() * (region[2] - region[0])) * w
        cy = (region[1] + rng.random() * (region[3] - region[1])) * h
        r = rmin + rng.random() * (rmax - rmin)
        c = colours[int(rng.integers(len(colours)))]
        alpha = int(50 + rng.random() * 80)
        if ring:
            layer.ellipse(cx, cy, r, r, (*c, alpha))
            layer.ellipse(cx, cy, r * 0.9, r * 0.9, (*c, alpha // 3))
            layer.ellipse(cx - r * 0.4, cy - r * 0.4, r * 0.2, r * 0.14, (255, 255, 255, 230))
        else:
            layer.ellipse(cx, cy, r, r, (*c, alpha))
            layer.ellipse(cx, cy, r * 0.93, r * 0.93, (*c, int(alpha * 0.7)))
    return layer.over(pic, blur_radius, opacity)


# ---------------------------------------------------------------- landscapes

def spring_meadow(w, h, rng):
    pic = gradient(w, h, [(0.0, rgb("#8ec9ef")), (0.45, rgb("#d6eefa")), (0.7, rgb("#eef8e8")), (1.0, rgb("#eef8e8"))])
    pic = glow(pic, w * 0.2, h * 0.12, h * 0.9, rgb("#fffbe6"), 0.85, 1.6)
    pic = _clouds(pic, rng, 96, 0.52, (255, 255, 255), 0.0, 0.45, 0.8)
    pic = _hills(pic, rng, [
        (0.52, 40, 260, rgb("#a9d6a0"), rgb("#c6e4bb")),
        (0.62, 45, 220, rgb("#7fc26f"), rgb("#a8d89a")),
        (0.74, 40, 300, rgb("#5fb24f"), rgb("#93cf7f")),
    ])
    layer = Layer(w, h, 2)
    for _ in range(260):
        x, y = rng.random() * w, h * (0.76 + rng.random() * 0.24)
        c = [rgb("#fff4a3"), rgb("#ffffff"), rgb("#ffc4d6"), rgb("#ffd36e")][int(rng.integers(4))]
        r = 1.2 + rng.random() * 2.2 * (y / h)
        layer.ellipse(x, y, r, r * 0.8, (*c, 220))
    return layer.over(pic)


def blue_sea(w, h, rng):
    horizon = 0.5
    pic = gradient(w, h, [(0.0, rgb("#4aa3e0")), (horizon, rgb("#d9f0fb")), (horizon + 0.001, rgb("#4db3d6")),
                          (0.75, rgb("#8fd3e6")), (1.0, rgb("#e6f7f5"))])
    pic = glow(pic, w * 0.28, h * 0.16, h * 0.5, rgb("#ffffff"), 0.9, 2.0)
    pic = _clouds(pic, rng, 80, 0.5, (255, 255, 255), 0.02, horizon - 0.02, 0.85, 3.0)
    x, y = grid(w, h)
    sea = y > h * horizon
    waves = np.sin(x / 23.0 + np.sin(y / 9.0) * 2.0 + y * 0.9) * 0.5 + 0.5
    streak = np.exp(-((x - w * 0.28) / (w * 0.06 + (y - h * horizon) * 0.5)) ** 2)
    pic = blend(pic, (255, 255, 255), sea * smoothstep(0.82, 1.0, waves) * (0.25 + 0.6 * streak))
    sand = h * 0.86 + 10 * noise1d(w, 200, rng, 3)
    pic = blend(pic, gradient(w, h, [(0.0, rgb("#fbf1d6")), (1.0, rgb("#f3e2b5"))]), below_ridge(w, h, sand))
    foam = below_ridge(w, h, sand - 4) - below_ridge(w, h, sand)
    return blend(pic, (255, 255, 255), foam * 0.8)


def sunset_glow(w, h, rng):
    pic = gradient(w, h, [(0.0, rgb("#7f7fc9")), (0.25, rgb("#e9a6c0")), (0.5, rgb("#ffd0a0")), (0.62, rgb("#ffe6c4")),
                          (1.0, rgb("#f7d9c4"))])
    pic = glow(pic, w * 0.32, h * 0.5, h * 0.75, rgb("#fff1c9"), 0.9, 1.5)
    pic = blend(pic, rgb("#fff6dc"), smoothstep(1.0, 0.92, radial(w, h, w * 0.32, h * 0.47, 42)))
    pic = _clouds(pic, rng, 70, 0.55, rgb("#f7b3a6"), 0.05, 0.42, 0.7, 4.0)
    return _mountains(pic, rng, [
        (0.66, 120, 240, rgb("#b9a0c6"), rgb("#f2d5cf")),
        (0.78, 110, 200, rgb("#9c86b4"), rgb("#e8c7c9")),
        (0.92, 90, 260, rgb("#83709f"), rgb("#dcbfc7")),
    ])


def _peak_range(w, h, rng, peaks, jitter):
    """A range of pointed peaks [(x, top y, steepness)]: its ridge line and, per column, the peak it
    belongs to."""
    xs = np.arange(w, dtype=np.float64) + 0.5
    heights = np.stack([top + np.abs(xs - px) * steep for px, top, steep in peaks])
    owner = np.argmin(heights, axis=0)
    ridge = heights.min(axis=0) + jitter * noise1d(w, 24, rng, octaves=3)
    return ridge, owner


def snow_peaks(w, h, rng):
    pic = gradient(w, h, [(0.0, rgb("#9fc4ec")), (0.45, rgb("#e4eefa")), (0.62, rgb("#fbe8e0")), (1.0, rgb("#f4f6fb"))])
    pic = glow(pic, w * 0.72, h * 0.28, h * 0.7, rgb("#fff0dc"), 0.7, 1.8)
    x, y = grid(w, h)
    ranges = [
        ([(120, 150, 0.9), (330, 90, 0.75), (560, 170, 0.85), (760, 110, 0.8), (980, 180, 0.9)], rgb("#b6c4da"), 0.8),
        ([(30, 300, 0.7), (240, 240, 0.8), (470, 280, 0.65), (690, 250, 0.75), (900, 300, 0.7)], rgb("#a2b4cc"), 1.0),
    ]
    for peaks, rock, light in ranges:
        ridge, owner = _peak_range(w, h, rng, peaks, 5.0)
        px = np.array([p[0] for p in peaks])[owner][None, :]
        ptop = np.array([p[1] for p in peaks])[owner][None, :]
        below = y - ridge[None, :]
        # the shaded face lies right of a crest line running down from each summit
        crest = px + (y - ptop) * 0.35 + 6 * noise2d(w, h, 16, rng, 2)
        shaded = _soften(smoothstep(-1.0, 1.0, x - crest), 5.0) * np.exp(-np.maximum(below, 0.0) / 110.0)
        snowline = 70 + 60 * noise2d(w, h, 30, rng, 3)
        body = blend(np.broadcast_to(np.asarray(rock, dtype=np.float64), pic.shape), (255, 255, 255),
                     smoothstep(snowline + 25, snowline - 25, below))
        body = blend(body, rgb("#8fa3c2"), shaded * 0.42 * light)
        body = blend(body, rgb("#eef3f9"), smoothstep(h * 0.04, h * 0.4, below))  # haze below
        pic = blend(pic, body, below_ridge(w, h, ridge))
    return _hills(pic, rng, [(0.86, 10, 160, rgb("#b7cbc6"), rgb("#dbe6e2"))])


def ink_landscape(w, h, rng):
    paper = gradient(w, h, [(0.0, rgb("#f3eddc")), (1.0, rgb("#ece4cd"))])
    paper += (noise2d(w, h, 8, rng, 3) - 0.5)[..., None] * 8.0
    pic = _mountains(paper, rng, [
        (0.55, 230, 220, rgb("#a9aaa3"), rgb("#efe8d6")),
        (0.70, 200, 170, rgb("#7f817c"), rgb("#e9e2cf")),
        (0.92, 160, 240, rgb("#55584f"), rgb("#e3dcc8")),
    ], roughness=6)
    # a boat on the still water and the red seal in the corner
    layer = Layer(w, h, 3)
    layer.polygon([(360, 470), (420, 470), (410, 478), (370, 478)], (60, 60, 56, 200))
    layer.line([(392, 470), (392, 446)], (60, 60, 56, 200), 1.2)
    layer.rectangle(880, 40, 914, 74, (185, 48, 42, 235))
    layer.rectangle(885, 45, 909, 69, (0, 0, 0, 0))
    layer.rectangle(888, 48, 906, 66, (185, 48, 42, 235))
    pic = layer.over(pic)
    return glow(pic, w * 0.78, h * 0.18, 34, rgb("#d9674f"), 0.8, 0.6)


def bamboo_grove(w, h, rng):
    pic = gradient(w, h, [(0.0, rgb("#e9f6df")), (0.6, rgb("#d4ecc6")), (1.0, rgb("#e8f4de"))])
    pic = glow(pic, w * 0.6, h * 0.2, h * 0.8, rgb("#ffffff"), 0.7, 1.5)
    for depth, count, blur_radius, colour, alpha in [(0, 14, 6.0, rgb("#a9d395"), 140), (1, 9, 2.5, rgb("#6fae5a"), 200),
                                                     (2, 5, 0.0, rgb("#3f8a3a"), 240)]:
        layer = Layer(w, h, 2)
        for _ in range(count):
            x = rng.random() * w
            lean = (rng.random() - 0.5) * 40
            width = 8 + depth * 6 + rng.random() * 4
            y = -10
            while y < h:
                seg = 70 + rng.random() * 50
                x0, x1 = x + lean * y / h, x + lean * (y + seg) / h
                layer.polygon([(x0 - width / 2, y), (x0 + width / 2, y), (x1 + width / 2, y + seg - 3),
                               (x1 - width / 2, y + seg - 3)], (*colour, alpha))
                layer.ellipse(x1, y + seg - 1.5, width * 0.62, 2.2, (*colour, min(255, alpha + 15)))
                y += seg
            for _ in range(3 + depth):
                lx, ly = x + lean * 0.3, rng.random() * h * 0.7
                for k in range(4):
                    ang = math.pi * (0.1 + rng.random() * 0.8) * (1 if rng.random() < 0.5 else -1) + math.pi * 0.5
                    layer.polygon(petal_points(lx, ly, 50 + depth * 10, 9 + depth * 2, ang), (*colour, alpha))
        pic = layer.over(pic, blur_radius)
    return pic


def cherry_blossom(w, h, rng):
    pic = gradient(w, h, [(0.0, rgb("#fbe3ec")), (0.6, rgb("#fdf1f4")), (1.0, rgb("#fff8f6"))])
    pic = glow(pic, w * 0.15, h * 0.1, h * 0.8, rgb("#ffffff"), 0.8, 1.4)
    branch = Layer(w, h, 3)
    stems = [[(-10, 60), (120, 95), (260, 90), (390, 150), (520, 170)], [(180, 93), (250, 40), (330, 10)],
             [(330, 130), (420, 230), (470, 300)]]
    for stem in stems:
        branch.line(stem, (110, 78, 72, 235), 8)
    pic = branch.over(pic)
    flowers = Layer(w, h, 3)
    for stem in stems:
        for (x0, y0), (x1, y1) in zip(stem, stem[1:]):
            for _ in range(16):
                t = rng.random()
                cx, cy = x0 + (x1 - x0) * t + rng.normal(0, 18), y0 + (y1 - y0) * t + rng.normal(0, 16)
                r = 13 + rng.random() * 9
                c = [(255, 214, 228), (250, 190, 210), (255, 236, 242)][int(rng.integers(3))]
                turn = rng.random() * math.pi
                for k in range(5):
                    a = turn + k * 2 * math.pi / 5
                    flowers.ellipse(cx + math.cos(a) * r * 0.55, cy + math.sin(a) * r * 0.55, r * 0.55, r * 0.55,
                                    (*c, 240))
                flowers.ellipse(cx, cy, r * 0.22, r * 0.22, (230, 120, 150, 255))
    pic = flowers.over(pic)
    return _bokeh(pic, rng, 70, [(255, 200, 220), (255, 225, 235), (250, 180, 205)], 3, 9, 1.2, 0.9,
                  (0.0, 0.0, 1.0, 0.9))


def lotus_pond(w, h, rng):
    pic = gradient(w, h, [(0.0, rgb("#dff1ee")), (0.35, rgb("#cce9e4")), (1.0, rgb("#b9dfd8"))])
    x, y = grid(w, h)
    pic = blend(pic, (255, 255, 255), (np.sin(x / 61.0 + np.sin(y / 23.0) * 1.2 + y / 17.0) * 0.5 + 0.5) ** 10 * 0.18)
    leaves = Layer(w, h, 3)
    for _ in range(16):
        cx, cy = rng.random() * w * 0.8, h * (0.25 + rng.random() * 0.75)
        r = 40 + rng.random() * 50
        cut = rng.random() * 2 * math.pi
        pts = [(cx, cy)] + [(cx + r * math.cos(cut + 0.25 + a / 40 * (2 * math.pi - 0.5)),
                             cy + r * 0.45 * math.sin(cut + 0.25 + a / 40 * (2 * math.pi - 0.5))) for a in range(41)]
        shade = [(96, 170, 104), (120, 186, 110), (82, 156, 96)][int(rng.integers(3))]
        leaves.polygon(pts, (*shade, 235))
    pic = leaves.over(pic, 0.4)
    flowers = Layer(w, h, 3)
    for cx, cy, r in [(170, 190, 58), (430, 120, 48), (300, 330, 40), (560, 250, 36)]:
        flowers.line([(cx, cy + r * 0.4), (cx + 6, cy + r * 2.2)], (80, 140, 90, 230), 3)
        for k, a in enumerate([-1.9, -1.35, -1.57, -0.95, -2.25, -0.6, -2.55]):
            c = (247, 176, 196) if k % 2 else (252, 206, 218)
            flowers.polygon(petal_points(cx, cy + r * 0.3, r * (1.0 if k < 3 else 0.85), r * 0.5, a), (*c, 245))
        flowers.ellipse(cx, cy - r * 0.05, r * 0.18, r * 0.12, (250, 214, 110, 255))
    return flowers.over(pic)


def lavender_field(w, h, rng):
    horizon = 0.42
    pic = gradient(w, h, [(0.0, rgb("#b7c8f0")), (horizon, rgb("#f1e7f5")), (1.0, rgb("#e6dcf2"))])
    pic = glow(pic, w * 0.7, h * 0.36, h * 0.5, rgb("#fff4e0"), 0.8, 1.6)
    pic = _hills(pic, rng, [(horizon + 0.02, 8, 200, rgb("#b5a6d6"), rgb("#c9bce2"))])
    x, y = grid(w, h)
    vx, vy = w * 0.62, h * horizon
    depth = np.clip((y - vy) / (h - vy), 0.0, 1.0)
    angle = np.arctan2(x - vx, np.maximum(y - vy, 1.0))
    rows = np.sin(angle * 26.0) * 0.5 + 0.5
    row_colour = blend(np.broadcast_to(np.asarray(rgb("#9c7fd0"), dtype=np.float64), pic.shape), rgb("#6b9a5c"),
                       smoothstep(0.35, 0.05, rows) * 0.9)
    field = (y > vy + 6).astype(np.float64) * smoothstep(0.0, 0.12, depth)
    pic = blend(pic, row_colour, field * (0.35 + 0.55 * depth))
    return blend(pic, rgb("#efe6f7"), smoothstep(0.9, 1.0, depth) * 0.4)


def autumn_maple(w, h, rng):
    pic = gradient(w, h, [(0.0, rgb("#fbe1b8")), (0.5, rgb("#fdf0d8")), (1.0, rgb("#fbe9d2"))], vertical=False)
    pic = glow(pic, w * 0.1, h * 0.05, h * 1.0, rgb("#ffd79a"), 0.6, 1.2)
    for blur_radius, count, size, alpha in [(4.0, 8, 40, 110), (1.2, 12, 32, 200), (0.0, 12, 28, 245)]:
        layer = Layer(w, h, 3)
        for _ in range(count):
            cx, cy = rng.random() * w * 0.85, rng.random() * h * 0.85
            s = size * (0.7 + rng.random() * 0.6)
            c = [(214, 84, 42), (232, 128, 40), (242, 170, 60), (196, 60, 46)][int(rng.integers(4))]
            turn = rng.random() * 2 * math.pi
            for k in range(5):  # five lobes of a maple leaf
                a = turn + (k - 2) * 0.62
                layer.polygon(petal_points(cx, cy, s * (1.0 if k == 2 else 0.78 if k in (1, 3) else 0.55),
                                           s * 0.42, a - math.pi / 2), (*c, alpha))
            layer.line([(cx, cy), (cx + math.cos(turn + math.pi / 2) * s * 0.5,
                                   cy + math.sin(turn + math.pi / 2) * s * 0.5)], (*c, alpha), 2)
        pic = layer.over(pic, blur_radius)
    return pic


def twilight_stars(w, h, rng):
    pic = gradient(w, h, [(0.0, rgb("#4b5aa8")), (0.45, rgb("#9b8fd0")), (0.75, rgb("#e8bfd8")), (1.0, rgb("#f6dde6"))])
    x, y = grid(w, h)
    band = np.exp(-((y - (h * 0.1 + x * 0.35)) / 70.0) ** 2)
    pic = blend(pic, (235, 230, 255), band * noise2d(w, h, 64, rng, 5) * 0.45)
    layer = Layer(w, h, 3)
    for _ in range(260):
        sx, sy = rng.random() * w, rng.random() * h * 0.6
        r = 0.5 + rng.random() ** 4 * 2.2
        layer.ellipse(sx, sy, r, r, (255, 255, 255, int(140 + rng.random() * 115)))
    for sx, sy, r in [(120, 70, 9), (380, 40, 7), (600, 110, 8)]:
        layer.polygon(star_points(sx, sy, r * 1.6, r * 0.35, 4), (255, 255, 240, 230))
    pic = layer.over(pic)
    pic = glow(pic, w * 0.82, h * 0.16, 60, rgb("#fffbe8"), 0.6, 1.2)
    moon = Layer(w, h, 3)
    moon.ellipse(w * 0.82, h * 0.16, 22, 22, (255, 250, 226, 255))
    moon.ellipse(w * 0.82 + 10, h * 0.16 - 6, 20, 20, (0, 0, 0, 0))
    pic = moon.over(pic)
    return _hills(pic, rng, [(0.88, 18, 240, rgb("#8a78b8"), rgb("#b6a2cf"))])


def desert_dunes(w, h, rng):
    pic = gradient(w, h, [(0.0, rgb("#a9cdeb")), (0.42, rgb("#f5e8d2")), (1.0, rgb("#f7e6c8"))])
    pic = glow(pic, w * 0.3, h * 0.22, 40, rgb("#fffaf0"), 1.0, 0.4)
    pic = glow(pic, w * 0.3, h * 0.22, h * 0.6, rgb("#fff2da"), 0.6, 1.8)
    x, y = grid(w, h)
    for base, amp, cell, lit, shade in [(0.5, 30, 320, rgb("#f1d3a4"), rgb("#deb886")),
                                        (0.64, 45, 260, rgb("#efc892"), rgb("#d3a56c")),
                                        (0.8, 50, 360, rgb("#f3d3a0"), rgb("#dbb07a"))]:
        ridge = h * base + amp * noise1d(w, cell, rng, 3)
        slope = _smooth(np.gradient(ridge), 8)
        below = np.maximum(y - ridge[None, :], 0.0)
        side = smoothstep(-0.1, 0.25, slope)[None, :] * np.exp(-below / 45.0)  # the lee face under the crest
        body = blend(np.broadcast_to(np.asarray(lit, dtype=np.float64), pic.shape), shade, side * 0.8)
        ripples = (np.sin((y - ridge[None, :]) / 5.0 + x / 60.0) * 0.5 + 0.5) ** 6 * 0.12
        body = blend(body, shade, ripples)
        pic = blend(pic, body, below_ridge(w, h, ridge))
    return pic


def forest_mist(w, h, rng):
    pic = gradient(w, h, [(0.0, rgb("#cfe3e6")), (0.5, rgb("#e7f0ee")), (1.0, rgb("#dde9e3"))])
    pic = glow(pic, w * 0.45, h * 0.0, h * 0.9, rgb("#fffbe8"), 0.7, 1.4)
    x, y = grid(w, h)
    for base, size, count, colour, mist in [(0.45, 60, 40, rgb("#a8c3bb"), 0.55), (0.6, 85, 30, rgb("#7ea596"), 0.4),
                                            (0.8, 120, 22, rgb("#54806e"), 0.2)]:
        layer = Layer(w, h, 2)
        for _ in range(count):
            cx = rng.random() * (w + 60) - 30
            top = h * base - size * (0.6 + rng.random() * 0.6)
            half = size * (0.18 + rng.random() * 0.06)
            tiers = 5
            for k in range(tiers):
                t0 = top + (h * base - top) * k / tiers * 0.9
                layer.polygon([(cx, t0), (cx + half * (0.5 + k * 0.25), t0 + size * 0.45),
                               (cx - half * (0.5 + k * 0.25), t0 + size * 0.45)], (*colour, 255))
            layer.rectangle(cx - half * 0.12, h * base - 4, cx + half * 0.12, h * base + size * 0.3, (*colour, 255))
        pic = layer.over(pic)
        fog = noise2d(w, h, 120, rng, 4)
        pic = blend(pic, rgb("#eef4f1"), smoothstep(h * (base - 0.05), h * (base + 0.12), y) * mist *
                    (0.6 + 0.4 * fog))
    return pic


def wheat_field(w, h, rng):
    horizon = 0.46
    pic = gradient(w, h, [(0.0, rgb("#8fc1ea")), (horizon, rgb("#eaf3f7")), (1.0, rgb("#f6e7be"))])
    pic = _clouds(pic, rng, 90, 0.55, (255, 255, 255), 0.0, horizon - 0.05, 0.85, 3.0)
    pic = _hills(pic, rng, [(horizon, 10, 220, rgb("#e8c66a"), rgb("#f1d88e")),
                            (horizon + 0.1, 14, 300, rgb("#e2b54d"), rgb("#efd283"))])
    layer = Layer(w, h, 2)
    for _ in range(900):
        bx = rng.random() * w
        by = h * (horizon + 0.12 + rng.random() ** 0.7 * (1.0 - horizon))
        scale = (by / h - horizon) / (1.0 - horizon)
        length = 14 + 40 * scale
        sway = (rng.random() - 0.3) * 10 * scale
        c = [(214, 160, 52), (232, 186, 80), (196, 140, 40), (240, 204, 110)][int(rng.integers(4))]
        layer.line([(bx, by), (bx + sway, by - length)], (*c, 230), 0.6 + 1.2 * scale)
        layer.polygon(petal_points(bx + sway, by - length, length * 0.35, 3 + 4 * scale, -math.pi / 2 + sway / 40),
                      (*c, 240))
    return layer.over(pic)


def rice_terraces(w, h, rng):
    pic = gradient(w, h, [(0.0, rgb("#cde6f2")), (0.3, rgb("#eaf5f4")), (1.0, rgb("#dcefd2"))])
    pic = _mountains(pic, rng, [(0.32, 70, 260, rgb("#b8d1c6"), rgb("#e6f1ec"))])
    x, y = grid(w, h)
    terrain = noise2d(w, h, 220, rng, 3) * 0.5 + (y / h) * 1.6 + (x / w) * 0.3
    levels = terrain * 14.0
    frac = levels - np.floor(levels)
    shade = (np.floor(levels) % 3) / 3.0
    field = blend(np.broadcast_to(np.asarray(rgb("#9ccf78"), dtype=np.float64), pic.shape), rgb("#c9e6a0"), shade)
    field = blend(field, rgb("#5c9a4a"), smoothstep(0.9, 1.0, frac) * 0.8)  # the terrace walls
    field = blend(field, (255, 255, 255), smoothstep(0.06, 0.0, frac) * 0.35)  # water catching the sky
    return blend(pic, field, smoothstep(h * 0.3, h * 0.38, y))


def cloud_sea(w, h, rng):
    pic = gradient(w, h, [(0.0, rgb("#6fa5dc")), (0.4, rgb("#c9dff3")), (1.0, rgb("#f2f6fb"))])
    pic = glow(pic, w * 0.2, h * 0.35, h * 0.7, rgb("#fff3d8"), 0.8, 1.6)
    pic = _mountains(pic, rng, [(0.52, 200, 200, rgb("#7d8fa6"), rgb("#c3cfdc"))], roughness=6)
    x, y = grid(w, h)
    n = noise2d(w, h, 110, rng, 5)
    top = h * 0.46 + 30 * noise1d(w, 170, rng, 3)
    billow = smoothstep(top[None, :] - 10, top[None, :] + 40 + n * 60, y + n * 50)
    clouds = blend(np.full(pic.shape, 252.0), rgb("#d5e0ee"), smoothstep(0.3, 0.9, n) * 0.6)
    return blend(pic, clouds, billow)


# ---------------------------------------------------------------- soft patterns

def mint_bokeh(w, h, rng):
    pic = gradient(w, h, [(0.0, rgb("#c9f0e1")), (0.5, rgb("#e9f9f1")), (1.0, rgb("#d8f3f0"))], vertical=False)
    pic = glow(pic, w * 0.25, h * 0.2, h * 0.9, rgb("#ffffff"), 0.7, 1.3)
    pic = _bokeh(pic, rng, 22, [(255, 255, 255), (190, 240, 220)], 40, 90, 6, 0.8)
    pic = _bokeh(pic, rng, 40, [(255, 255, 255), (160, 228, 205), (180, 230, 236)], 10, 30, 1.2, 0.9)
    return _bokeh(pic, rng, 60, [(255, 255, 255)], 2, 5, 0.5, 0.9)


def pink_bubbles(w, h, rng):
    pic = gradient(w, h, [(0.0, rgb("#fcd7e6")), (0.6, rgb("#fdeaf1")), (1.0, rgb("#f6e4f6"))])
    pic = _bokeh(pic, rng, 20, [(255, 255, 255), (255, 214, 230)], 40, 90, 6, 0.7)
    return _bokeh(pic, rng, 34, [(255, 150, 190), (220, 160, 240), (255, 190, 210)], 12, 42, 0.5, 1.0, ring=True)


def silk_flow(w, h, rng):
    pic = gradient(w, h, [(0.0, rgb("#f7ead4")), (1.0, rgb("#f3e2cc"))])
    x, y = grid(w, h)
    for k, (amp, period, phase, width, colour, alpha) in enumerate([
            (60, 520, 0.0, 90, rgb("#fff8ec"), 0.75), (45, 430, 1.3, 60, rgb("#e9c99a"), 0.45),
            (70, 610, 2.1, 120, rgb("#fffdf6"), 0.55), (40, 380, 3.0, 40, rgb("#dcb283"), 0.35)]):
        centre = h * (0.15 + 0.18 * k) + amp * np.sin(x / period * 2 * math.pi + phase) + x * 0.12
        d = (y - centre) / width
        pic = blend(pic, colour, np.exp(-d * d * 2.0) * alpha)
        pic = blend(pic, (255, 255, 255), np.exp(-((d - 0.35) * 6.0) ** 2) * alpha * 0.5)
    return pic


def blue_ripples(w, h, rng):
    pic = gradient(w, h, [(0.0, rgb("#cfe4fa")), (1.0, rgb("#e9f2fb"))], vertical=False)
    x, y = grid(w, h)
    for cx, cy, spacing, alpha in [(w * 0.2, h * 0.25, 26.0, 0.35), (w * 0.7, h * 0.1, 34.0, 0.25),
                                   (w * 0.45, h * 0.65, 30.0, 0.2)]:
        d = np.hypot(x - cx, (y - cy) * 1.2)
        rings = (np.cos(d / spacing * 2 * math.pi) * 0.5 + 0.5) ** 6
        pic = blend(pic, (255, 255, 255), rings * np.exp(-d / 420.0) * alpha * 2.2)
        pic = blend(pic, rgb("#8fb8e6"), (np.cos(d / spacing * 2 * math.pi + 1.2) * 0.5 + 0.5) ** 8 *
                    np.exp(-d / 380.0) * alpha)
    return pic


def low_poly_dawn(w, h, rng):
    base = gradient(w, h, [(0.0, rgb("#ffd9c2")), (0.5, rgb("#f9e7ef")), (1.0, rgb("#dfe7fb"))], vertical=False)
    base = blend(base, rgb("#e6f1fc"), smoothstep(0, h, grid(w, h)[1]) * 0.5)
    layer = Layer(w, h, 2)
    cols, rows = 13, 9
    pts = {}
    for j in range(rows + 1):
        for i in range(cols + 1):
            jitter = 0 if i in (0, cols) or j in (0, rows) else 1
            pts[i, j] = (i * w / cols + jitter * (rng.random() - 0.5) * w / cols * 0.7,
                         j * h / rows + jitter * (rng.random() - 0.5) * h / rows * 0.7)
    for j in range(rows):
        for i in range(cols):
            a, b, c, d = pts[i, j], pts[i + 1, j], pts[i + 1, j + 1], pts[i, j + 1]
            for tri in ([a, b, c], [a, c, d]) if (i + j) % 2 else ([a, b, d], [b, c, d]):
                cx = sum(p[0] for p in tri) / 3
                cy = sum(p[1] for p in tri) / 3
                colour = base[min(h - 1, int(cy)), min(w - 1, int(cx))]
                light = (rng.random() - 0.5) * 26
                layer.polygon(tri, tuple(int(max(0, min(255, v + light))) for v in colour) + (255,))
    return layer.over(base)


def kids_stars(w, h, rng):
    pic = gradient(w, h, [(0.0, rgb("#cfe8fb")), (0.55, rgb("#eef6fd")), (1.0, rgb("#fdf3e6"))])
    layer = Layer(w, h, 3)
    palette = [(255, 214, 102), (255, 170, 190), (160, 210, 255), (180, 230, 170), (214, 190, 250)]
    for _ in range(46):
        cx, cy = rng.random() * w, rng.random() * h * 0.9
        r = 8 + rng.random() * 18
        c = palette[int(rng.integers(len(palette)))]
        shape = int(rng.integers(3))
        if shape == 0:
            layer.polygon(star_points(cx, cy, r, r * 0.48, 5, rng.random()), (*c, 230))
        elif shape == 1:
            layer.ellipse(cx, cy, r * 0.6, r * 0.6, (*c, 200))
        else:
            layer.ellipse(cx, cy, r * 0.7, r * 0.7, (*c, 230))
            layer.ellipse(cx + r * 0.35, cy - r * 0.2, r * 0.62, r * 0.62, (0, 0, 0, 0))
    pic = layer.over(pic)
    clouds = Layer(w, h, 2)
    for cx, cy, s in [(120, 420, 1.3), (520, 470, 1.0), (820, 400, 1.2)]:
        for dx, dy, r in [(-40, 10, 30), (-10, -12, 38), (30, 0, 32), (55, 14, 22), (-65, 18, 20)]:
            clouds.ellipse(cx + dx * s, cy + dy * s, r * s, r * s, (255, 255, 255, 235))
    return clouds.over(pic, 1.0)


def _willow(pic, rng, x_from, x_to, count, length, colours, blur_radius, opacity):
    """Willow twigs hanging from the top edge: curved threads set with narrow leaves."""
    h, w = pic.shape[:2]
    layer = Layer(w, h, 3)
    for _ in range(count):
        x0 = w * (x_from + rng.random() * (x_to - x_from))
        size = length * (0.55 + rng.random() * 0.6)
        bend = (rng.random() - 0.3) * 30
        phase = rng.random() * 6.0
        path = [(x0 + bend * t * t + 4 * math.sin(t * 5 + phase), -4 + t * size) for t in np.linspace(0, 1, 30)]
        c = colours[int(rng.integers(len(colours)))]
        layer.line(path, (*c, 200), 1.1)
        t = 0.08 + rng.random() * 0.04
        while t < 1.0:
            i = min(len(path) - 1, int(t * (len(path) - 1)))
            px, py = path[i]
            side = 1 if rng.random() < 0.5 else -1
            leaf = colours[int(rng.integers(len(colours)))]
            layer.polygon(petal_points(px, py, 11 + rng.random() * 7, 3.2 + rng.random() * 1.2,
                                       math.pi / 2 + side * (0.35 + rng.random() * 0.35)), (*leaf, 235))
            t += 0.035 + rng.random() * 0.03
    return layer.over(pic, blur_radius, opacity)


def green_hills_builtin(w, h, rng):
    """The picture built into the program: a fresh green morning under willows. The main window lays
    it at its top right and fades its left and bottom edges, so the detail sits in the upper right."""
    pic = gradient(w, h, [(0.0, rgb("#7fc3e8")), (0.36, rgb("#d4edf6")), (0.5, rgb("#ecf7e6")), (1.0, rgb("#e6f3dc"))])
    pic = glow(pic, w * 0.72, h * 0.12, h * 0.8, rgb("#fffbe3"), 0.9, 1.5)
    pic = _clouds(pic, rng, 80, 0.5, (255, 255, 255), 0.0, 0.34, 0.85, 3.0)
    pic = _hills(pic, rng, [
        (0.36, 22, 240, rgb("#b5dba6"), rgb("#cde8c0")),
        (0.45, 30, 210, rgb("#86c573"), rgb("#addb9c")),
        (0.58, 30, 280, rgb("#5aab4c"), rgb("#8fcb7b")),
    ])
    light = [(150, 200, 110), (170, 212, 120), (130, 186, 96)]
    dark = [(92, 150, 66), (110, 168, 78), (78, 136, 58)]
    pic = _willow(pic, rng, 0.45, 1.0, 10, h * 0.55, light, 1.5, 0.6)
    pic = _willow(pic, rng, 0.55, 1.0, 12, h * 0.8, dark, 0.0, 1.0)
    return _bokeh(pic, rng, 30, [(255, 255, 255), (255, 250, 210)], 2, 5, 0.8, 0.9, (0.3, 0.35, 1.0, 0.95))


# (folder, name, scene, title, song, time and list colours)
SKINS = [
    ("spring", "春日草原", spring_meadow, "#ffffff", "#2f7d32", "#5a9e3c", "#1f4e24"),
    ("sea", "碧海蓝天", blue_sea, "#ffffff", "#1565a8", "#2e8bc0", "#0f3c66"),
    ("sunset", "落日余晖", sunset_glow, "#ffffff", "#b0475c", "#d9734a", "#5a3b6b"),
    ("snow", "雪山晨曦", snow_peaks, "#ffffff", "#3a5f8f", "#6f8fb8", "#23395b"),
    ("ink", "水墨江南", ink_landscape, "#ffffff", "#3c3c38", "#b9302a", "#24241f"),
    ("bamboo", "竹影清风", bamboo_grove, "#ffffff", "#2e6b2a", "#4f8d3c", "#1b3f1a"),
    ("sakura", "樱花烂漫", cherry_blossom, "#ffffff", "#c2416e", "#e07a9a", "#6e2a42"),
    ("lotus", "荷塘清韵", lotus_pond, "#ffffff", "#c04d72", "#3f8a5c", "#1f4f3a"),
    ("lavender", "薰衣草田", lavender_field, "#ffffff", "#6a4c9c", "#8e6cc2", "#3b2a5c"),
    ("maple", "金秋枫叶", autumn_maple, "#ffffff", "#b4441f", "#d9822b", "#5c2a14"),
    ("twilight", "暮色星空", twilight_stars, "#ffffff", "#4b4e9e", "#c77aa6", "#2a2c5c"),
    ("desert", "大漠黄沙", desert_dunes, "#ffffff", "#a0662a", "#c98a3e", "#5a3a18"),
    ("forest", "林间晨雾", forest_mist, "#ffffff", "#2f6b57", "#5d8f7c", "#1c3f33"),
    ("wheat", "麦浪金黄", wheat_field, "#ffffff", "#a57a1c", "#3a78b5", "#5a4210"),
    ("terrace", "层层梯田", rice_terraces, "#ffffff", "#3f7f2e", "#6aa84f", "#234a1a"),
    ("cloudsea", "云海日出", cloud_sea, "#ffffff", "#3d6fa8", "#d9904a", "#20406a"),
    ("mint", "清新薄荷", mint_bokeh, "#ffffff", "#23876a", "#3aa88a", "#14513f"),
    ("bubble", "粉色泡泡", pink_bubbles, "#ffffff", "#c4487e", "#a35cc4", "#6a2748"),
    ("silk", "丝绸流光", silk_flow, "#ffffff", "#a8742e", "#c99550", "#5a3c14"),
    ("ripple", "蓝调涟漪", blue_ripples, "#ffffff", "#2a6fb5", "#4a8fd0", "#173f6b"),
    ("lowpoly", "晨光几何", low_poly_dawn, "#ffffff", "#c0605a", "#6a7fc4", "#4a3350"),
    ("kids", "童趣星星", kids_stars, "#ffffff", "#e0733a", "#4a9ad9", "#3a4a6a"),
]
