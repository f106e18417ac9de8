#!/usr/bin/env python3
"""Writes skin/controls/tick_picture.inc: the tick of skinned check boxes and checked menu items.

A 13 x 12 RGBA picture at 96 dots per inch: a tick about two pixels thick, a short stroke from the left
edge at mid-height down to the bottom centre (column 5, last row) and a long stroke from there up to the
top-right corner, in opaque dark greens that lighten toward the top right, with anti-aliased edges of
partly transparent light green; every other pixel is white at alpha 0. The painters recolour it with
the theme colour. The art is computed here from the two strokes; nothing is taken from elsewhere.
Run: python3 tools/gen/gen_tick_picture.py
"""
import math
import os

from png_writer import encode_rgba_png, write_byte_arrays

root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
out_path = os.path.join(root, "skin", "controls", "tick_picture.inc")

WIDTH, HEIGHT = 13, 12
# The stroke's corner points in pixel-centre coordinates.
STROKES = [((0.0, 6.0), (5.0, 10.6)), ((5.0, 10.6), (12.0, 0.4))]
CORE = 0.72  # distance from the stroke's middle line within which a pixel is fully covered
EDGE = 1.55  # beyond this distance a pixel is not covered at all
DARK = (16, 92, 20)      # at the bottom left
LIGHT = (64, 160, 48)    # toward the top right
EDGE_GREEN = (150, 214, 130)
TRANSPARENT_WHITE = (255, 255, 255, 0)


def distance_to_segment(px, py, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def pixel(x, y):
    d = min(distance_to_segment(x, y, a, b) for a, b in STROKES)
    if d <= CORE:
        t = (x + (HEIGHT - 1 - y)) / float(WIDTH - 1 + HEIGHT - 1)
        return tuple(dark + (light - dark) * t for dark, light in zip(DARK, LIGHT)) + (255,)
    if d < EDGE:
        return EDGE_GREEN + (255 * (EDGE - d) / (EDGE - CORE) * 0.8,)
    return TRANSPARENT_WHITE


rows = [[pixel(x, y) for x in range(WIDTH)] for y in range(HEIGHT)]
write_byte_arrays(out_path, "tools/gen/gen_tick_picture.py",
                  "PngTick13x12: the check-box tick (13 x 12, RGBA, 96 dpi).",
                  [("kPngTick13x12", encode_rgba_png(WIDTH, HEIGHT, rows))])
for row in rows:
    print("".join("#" if p[3] == 255 else ("+" if p[3] > 0 else ".") for p in row))
print("wrote", out_path)
