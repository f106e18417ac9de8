#!/usr/bin/env python3
"""Writes skin/core/caption_glyphs.inc: the PNG pictures of the caption buttons of skinned forms, and
skin/core/dialog_glyphs.inc: the close picture of skinned dialogs and message boxes.

Each picture is a whole button face with an alpha channel: a white gloss fading toward the bottom and a
white symbol over a soft dark shadow. The window buttons (minimise, maximise, restore, close) start with a
white top row at alpha 80, continue with the gloss from alpha 29 down to 1 and have a brighter one-pixel
left edge; the help picture fades from alpha 57 and the main-menu picture from alpha 44, without an edge.
Sizes: 26 x 18, the close button 38 x 18. The dialog close picture (38 x 18) has no gloss: a transparent
face with a white diagonal cross, 11 pixels square and centred at (18, 8), ringed by a dark grey outline.
The art is drawn here, pixel by pixel; nothing is taken from
elsewhere. Run: python3 tools/gen/gen_caption_glyphs.py
"""
import os

from png_writer import encode_rgba_png, write_byte_arrays

root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
out_path = os.path.join(root, "skin", "core", "caption_glyphs.inc")
dialog_out_path = os.path.join(root, "skin", "core", "dialog_glyphs.inc")

HEIGHT = 18


class Canvas:
    def __init__(self, width, height):
        self.w, self.h = width, height
        # Straight (not premultiplied) RGBA, floats 0..255.
        self.px = [[(0.0, 0.0, 0.0, 0.0) for _ in range(width)] for _ in range(height)]

    def over(self, x, y, rgb, alpha):
        if not (0 <= x < self.w and 0 <= y < self.h) or alpha <= 0:
            return
        r, g, b, a = self.px[y][x]
        sa = alpha / 255.0
        da = a / 255.0
        oa = sa + da * (1 - sa)
        if oa <= 0:
            return
        mix = [(c_s * sa + c_d * da * (1 - sa)) / oa for c_s, c_d in zip(rgb, (r, g, b))]
        self.px[y][x] = (mix[0], mix[1], mix[2], oa * 255.0)

    def png(self):
        return encode_rgba_png(self.w, self.h, self.px)


def gloss(canvas, top_alpha, window_button):
    """The white gloss: from top_alpha at the top down to 1 at the bottom row."""
    for y in range(canvas.h):
        if window_button and y == 0:
            alpha = 80
        else:
            start = 1 if window_button else 0
            steps = canvas.h - 1 - start
            t = (y - start) / steps if steps else 1.0
            alpha = round(top_alpha + (1 - top_alpha) * t)
        for x in range(canvas.w):
            a = alpha
            if window_button and x == 0:
                a = min(255, alpha + 40)
            canvas.over(x, y, (255, 255, 255), a)


def draw_symbol(canvas, mask):
    """A soft dark shadow one pixel right and below, then the symbol in white."""
    shadow = {}
    for (x, y) in mask:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                weight = 2 if dx == 0 and dy == 0 else 1
                key = (x + 1 + dx, y + 1 + dy)
                shadow[key] = shadow.get(key, 0) + weight
    for (x, y), weight in shadow.items():
        canvas.over(x, y, (0, 0, 0), min(110, 14 * weight))
    for (x, y) in mask:
        canvas.over(x, y, (255, 255, 255), 255)


def rect_outline(x0, y0, x1, y1, top_thickness=1):
    cells = set()
    for x in range(x0, x1 + 1):
        for t in range(top_thickness):
            cells.add((x, y0 + t))
        cells.add((x, y1))
    for y in range(y0, y1 + 1):
        cells.add((x0, y))
        cells.add((x1, y))
    return cells


def line(x0, y0, x1, y1):
    cells = set()
    steps = max(abs(x1 - x0), abs(y1 - y0))
    for i in range(steps + 1):
        cells.add((round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps)))
    return cells


def minimise():
    c = Canvas(26, HEIGHT)
    gloss(c, 29, True)
    draw_symbol(c, {(x, y) for x in range(9, 17) for y in (11, 12)})
    return c


def maximise():
    c = Canvas(26, HEIGHT)
    gloss(c, 29, True)
    draw_symbol(c, rect_outline(8, 4, 17, 12, top_thickness=2))
    return c


def restore():
    c = Canvas(26, HEIGHT)
    gloss(c, 29, True)
    back = rect_outline(10, 3, 18, 10, top_thickness=2)
    front = rect_outline(7, 6, 15, 13, top_thickness=2)
    inside_front = {(x, y) for x in range(7, 16) for y in range(6, 14)}
    draw_symbol(c, (back - inside_front) | front)
    return c


def close():
    c = Canvas(38, HEIGHT)
    gloss(c, 29, True)
    cells = set()
    for offset in (0, 1):
        cells |= line(14 + offset, 4, 22 + offset, 12)
        cells |= line(22 + offset, 4, 14 + offset, 12)
    draw_symbol(c, cells)
    return c


def dialog_close():
    """The white cross two pixels thick from (13, 3) to (23, 13), each pixel next to it dark grey."""
    c = Canvas(38, HEIGHT)
    cross = set()
    for offset in (0, 1):
        cross |= line(13 + offset, 3, 22 + offset, 12)
        cross |= line(22 + offset, 3, 13 + offset, 12)
    ring = set()
    for (x, y) in cross:
        for dx in (-1, 0, 1):
            for dy in (-1, 0, 1):
                if (x + dx, y + dy) not in cross:
                    ring.add((x + dx, y + dy))
    for (x, y) in ring:
        c.over(x, y, (64, 64, 64), 200)
    for (x, y) in cross:
        c.over(x, y, (255, 255, 255), 255)
    return c


def help_balloon():
    c = Canvas(26, HEIGHT)
    gloss(c, 57, False)
    balloon = set()
    for x in range(7, 19):
        balloon.add((x, 3))
        balloon.add((x, 11))
    for y in range(4, 11):
        balloon.add((6, y))
        balloon.add((19, y))
    balloon -= {(6, 3), (19, 3), (6, 11), (19, 11)}
    balloon |= {(9, 12), (9, 13), (10, 12), (8, 14)}  # the tail
    question = {(11, 5), (12, 5), (13, 5), (14, 6), (13, 7), (12, 8), (12, 10)}
    draw_symbol(c, balloon | question)
    return c


def main_menu():
    c = Canvas(26, HEIGHT)
    gloss(c, 44, False)
    window = rect_outline(6, 3, 17, 13, top_thickness=2)
    text_lines = {(x, 7) for x in range(8, 16)} | {(x, 10) for x in range(8, 14)}
    pointer = {(17, 10), (18, 11), (19, 12), (18, 12), (20, 13), (17, 11), (17, 12), (17, 13), (18, 13)}
    draw_symbol(c, window | text_lines | pointer)
    return c


glyphs = [
    ("kCaptionGlyphHelpPng", help_balloon()),
    ("kCaptionGlyphMenuPng", main_menu()),
    ("kCaptionGlyphMinimizePng", minimise()),
    ("kCaptionGlyphMaximizePng", maximise()),
    ("kCaptionGlyphRestorePng", restore()),
    ("kCaptionGlyphClosePng", close()),
]

write_byte_arrays(out_path, "tools/gen/gen_caption_glyphs.py",
                  "PNG pictures of the caption buttons (26 x 18, the close button 38 x 18, RGBA, 96 dpi).",
                  [(name, canvas.png()) for name, canvas in glyphs])
print("wrote", out_path)

write_byte_arrays(dialog_out_path, "tools/gen/gen_caption_glyphs.py",
                  "PNG picture of the close button of skinned dialogs (38 x 18, RGBA, 96 dpi).",
                  [("kDialogCloseGlyphPng", dialog_close().png())])
print("wrote", dialog_out_path)
