"""The small pictures of tools/gen/gen_images.py: the navigation bar's pictures and the program icon,
rendered from Debian's tango-icon-theme (public domain) with rsvg-convert, and the caption button
换皮肤 and the skin settings window's current-skin marker, drawn here.
"""
import io
import os
import struct
import subprocess

import numpy as np
from PIL import Image, ImageDraw, ImageFilter

TANGO = "/usr/share/icons/Tango"

# The navigation bar's items in bar order: (array name, caption, Tango icon, side in pixels).
NAV_ITEMS = [
    ("kNavNamingPng", "宝宝取名", "emotes/face-angel", 128),
    ("kNavScoringPng", "姓名评测", "apps/accessories-calculator", 128),
    ("kNavFavouritesPng", "自选列表", "emblems/emblem-favorite", 256),
    ("kNavCombinationPng", "组合模式", "categories/applications-games", 128),
    ("kNavPoemPng", "诗词模式", "apps/accessories-text-editor", 128),
    ("kNavEnglishPng", "取英文名", "apps/internet-web-browser", 128),
    ("kNavNicknamePng", "取小名", "emotes/face-wink", 128),
    ("kNavBirthChartPng", "生辰八字", "mimetypes/x-office-calendar", 128),
]

# The program icon: Tango's hand-drawn small sizes, the larger ones rendered from the scalable picture.
ICON_NAME = "emotes/face-angel"
ICON_SIZES = [16, 24, 32, 48, 64, 128, 256]
ICON_HAND_DRAWN = (16, 24, 32)


def render_svg(name, side):
    """An RGBA picture of a Tango icon rendered at side x side."""
    svg = os.path.join(TANGO, "scalable", name + ".svg")
    png = subprocess.run(["rsvg-convert", "-w", str(side), "-h", str(side), svg], check=True,
                         stdout=subprocess.PIPE).stdout
    return Image.open(io.BytesIO(png)).convert("RGBA")


def icon_picture(side):
    if side in ICON_HAND_DRAWN:
        return Image.open(os.path.join(TANGO, "%dx%d" % (side, side), ICON_NAME + ".png")).convert("RGBA")
    return render_svg(ICON_NAME, side)


def png_bytes(image):
    """PNG with an alpha channel at 96 dots per inch (GDI+ then draws one pixel per pixel)."""
    out = io.BytesIO()
    image.save(out, "PNG", optimize=True, dpi=(96, 96))
    return out.getvalue()


def skin_button():
    """The caption button 换皮肤, 26 x 18, in the look of the standard caption buttons: a white gloss
    fading from alpha 57 at the top toward the bottom, and a white T-shirt over a soft dark shadow."""
    w, h, s = 26, 18, 8
    shirt = [(9.0, 3.5), (11.3, 3.5), (13.0, 5.2), (14.7, 3.5), (17.0, 3.5), (21.0, 7.0), (19.2, 9.2),
             (17.4, 8.0), (17.4, 14.5), (8.6, 14.5), (8.6, 8.0), (6.8, 9.2), (5.0, 7.0)]
    mask = Image.new("L", (w * s, h * s), 0)
    ImageDraw.Draw(mask).polygon([(x * s, y * s) for x, y in shirt], fill=255)
    mask = np.asarray(mask.resize((w, h), Image.LANCZOS), dtype=np.float64) / 255.0
    shadow = np.roll(np.roll(mask, 1, axis=0), 1, axis=1)
    shadow = np.asarray(Image.fromarray((shadow * 255).astype(np.uint8), "L").filter(ImageFilter.GaussianBlur(0.8)),
                        dtype=np.float64) / 255.0 * 0.45
    rows = np.arange(h, dtype=np.float64)[:, None] * np.ones((1, w))
    gloss = (57.0 + (1.0 - 57.0) * rows / (h - 1)) / 255.0

    colour = np.zeros((h, w, 3))
    alpha = np.zeros((h, w))
    for layer_colour, layer_alpha in ((255.0, gloss), (0.0, shadow), (255.0, mask)):
        out_alpha = layer_alpha + alpha * (1.0 - layer_alpha)
        safe = np.where(out_alpha > 0, out_alpha, 1.0)
        colour = (layer_colour * layer_alpha[..., None] + colour * (alpha * (1.0 - layer_alpha))[..., None]) / safe[..., None]
        alpha = out_alpha
    pixels = np.dstack([colour, alpha[..., None] * 255.0])
    return Image.fromarray(np.clip(np.round(pixels), 0, 255).astype(np.uint8), "RGBA")


def skin_marker():
    """The current-skin marker of the skin settings window, 22 x 22: a green disc with a white ring and
    a white tick, drawn at eight times the size and scaled down for smooth edges."""
    w = h = 22
    s = 8
    big = Image.new("RGBA", (w * s, h * s), (0, 0, 0, 0))
    draw = ImageDraw.Draw(big)
    draw.ellipse((1 * s, 1 * s, 21 * s - 1, 21 * s - 1), fill=(255, 255, 255, 255))
    draw.ellipse((2.5 * s, 2.5 * s, 19.5 * s - 1, 19.5 * s - 1), fill=(46, 160, 67, 255))
    tick = [(6.0 * s, 11.0 * s), (9.5 * s, 14.5 * s), (16.0 * s, 7.5 * s)]
    draw.line(tick, fill=(255, 255, 255, 255), width=int(2.4 * s), joint="curve")
    return big.resize((w, h), Image.LANCZOS)


def _bmp_icon_entry(image):
    """An icon image in the classic form: a 32-bpp bottom-up DIB with alpha, then its AND mask."""
    w, h = image.size
    pixels = np.asarray(image, dtype=np.uint8)
    bgra = pixels[::-1, :, [2, 1, 0, 3]].tobytes()
    mask_stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for row in pixels[::-1]:
        bits = bytearray(mask_stride)
        for x in range(w):
            if row[x, 3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(bgra) + len(mask), 0, 0, 0, 0)
    return header + bgra + bytes(mask)


def ico_bytes(images):
    """An .ico file holding the images (the 256-pixel one as PNG, the others as DIBs)."""
    entries = []
    for image in images:
        data = png_bytes(image) if image.size[0] >= 256 else _bmp_icon_entry(image)
        entries.append((image.size[0], data))
    offset = 6 + 16 * len(entries)
    head = struct.pack("<HHH", 0, 1, len(entries))
    body = b""
    for side, data in entries:
        head += struct.pack("<BBBBHHII", side % 256, side % 256, 0, 0, 1, 32, len(data), offset + len(body))
        body += data
    return head + body


def nav_pictures():
    """[(array name, caption, PNG bytes, side)] in bar order."""
    return [(name, caption, png_bytes(render_svg(icon, side)), side) for name, caption, icon, side in NAV_ITEMS]


def program_icon():
    return ico_bytes([icon_picture(side) for side in ICON_SIZES])
