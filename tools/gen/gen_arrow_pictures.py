#!/usr/bin/env python3
"""Writes skin/controls/arrow_pictures.inc: the four small arrows of skinned scroll bars, combo boxes
and up-down controls.

Each is a solid triangle in an RGBA picture at 96 dots per inch: opaque near-black pixels (every channel
2) on white at alpha 0. The up arrow is 7 x 4 with rows of 1, 3, 5 and 7 pixels from the top, centred on
column 3; the down arrow is the same turned over; the left and right arrows are 4 x 7 with columns of 1,
3, 5 and 7 (left) or 7, 5, 3 and 1 (right) pixels, centred on row 3. Each is written as PNG bytes and
as the same pixels in 32-bpp ARGB. The art is computed here.
Run: python3 tools/gen/gen_arrow_pictures.py
"""
import os

from png_writer import encode_rgba_png, write_byte_arrays

root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
out_path = os.path.join(root, "skin", "controls", "arrow_pictures.inc")

INK = (2, 2, 2, 255)
CLEAR = (255, 255, 255, 0)
SPANS = [1, 3, 5, 7]  # opaque pixels of each row (or column) from the arrow's point


def arrow(length_of_line):
    """4 lines of 7 pixels, line i holding length_of_line(i) opaque pixels centred on pixel 3."""
    lines = []
    for i in range(4):
        n = length_of_line(i)
        lines.append([INK if abs(p - 3) <= n // 2 else CLEAR for p in range(7)])
    return lines


def transpose(lines):
    return [list(column) for column in zip(*lines)]


up = arrow(lambda i: SPANS[i])
down = arrow(lambda i: SPANS[3 - i])
left = transpose(up)     # columns from the left: 1, 3, 5, 7
right = transpose(down)  # columns from the left: 7, 5, 3, 1

pictures = [("kPngArrowUp7x4", 7, 4, up), ("kPngArrowDown7x4", 7, 4, down),
            ("kPngArrowLeft4x7", 4, 7, left), ("kPngArrowRight4x7", 4, 7, right)]
write_byte_arrays(out_path, "tools/gen/gen_arrow_pictures.py",
                  "The arrows of skinned scroll bars, combo boxes and up-down controls (RGBA, 96 dpi).",
                  [(name, encode_rgba_png(w, h, rows)) for name, w, h, rows in pictures])


def argb(pixel):
    r, g, b, a = pixel
    return (a << 24) | (r << 16) | (g << 8) | b


# The same pixels as GDI+ decodes them (straight 32-bpp ARGB, rows from the top), so that painters can
# draw an arrow without decoding its PNG at every paint.
with open(out_path, "a", encoding="ascii", newline="\n") as f:
    for name, w, h, rows in pictures:
        values = [argb(p) for row in rows for p in row]
        f.write("inline constexpr uint32_t %s[%d] = {\n" % (name.replace("kPng", "kArgb"), len(values)))
        for i in range(0, len(values), w):
            f.write("    " + ",".join("0x%08X" % v for v in values[i:i + w]) + ",\n")
        f.write("};\n")
for name, w, h, rows in pictures:
    print(name)
    for row in rows:
        print("  " + "".join("#" if p[3] else "." for p in row))
print("wrote", out_path)
