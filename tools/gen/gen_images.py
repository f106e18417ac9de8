#!/usr/bin/python3
"""Writes the program's pictures and the skins it ships:

- app/pictures/builtin_skin.jpg, skin_button.png, skin_marker.png and nav_*.png: the pictures built
  into the program as resources (listed in app/pictures/program.rc): the built-in skin picture (a JPEG
  drawn here, exactly BUILTIN_SKIN_BYTES long), the eight pictures of the navigation bar (PNG,
  128 x 128, the third 256 x 256), the caption button 换皮肤 (PNG, 26 x 18) and the current-skin marker
  of the skin settings window (PNG, 22 x 22);
- app/pictures/program.ico: the program icon (icon resource 129 through program.rc);
- Dskin/<folder>/bk.jpg (SKIN_SIZE), small.jpg (95 x 60) and conf.ini (section CONF: Name and four
  colours as decimal COLORREFs, GBK, CR LF) for every skin of skin_scenes.SKINS, and Dskin/Dskin.xml
  listing the folders in display order.

The landscapes and patterns are drawn by skin_scenes.py; the navigation pictures and the icon are
Tango icons (Debian's tango-icon-theme, public domain) rendered by rsvg-convert (librsvg2-bin). Needs
Debian's python3-pil and python3-numpy: run with Debian's Python,
    /usr/bin/python3 tools/gen/gen_images.py
Every random choice is seeded from the skin's folder name, so two runs write identical bytes.
"""
import io
import os
import sys
import zlib

import numpy as np
from PIL import Image

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import icon_pictures  # noqa: E402
import skin_scenes  # noqa: E402
from image_canvas import colorref, rgb, to_image  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
PICTURES = os.path.join(ROOT, "app", "pictures")
DSKIN = os.path.join(ROOT, "Dskin")

BUILTIN_SKIN_SIZE = (900, 420)
BUILTIN_SKIN_BYTES = 57344
SKIN_SIZE = (950, 600)
THUMBNAIL_SIZE = (95, 60)
SKIN_QUALITY = 88
THUMBNAIL_QUALITY = 92


def seeded(name):
    return np.random.default_rng(zlib.crc32(name.encode("ascii")))


def jpeg_bytes(image, quality):
    out = io.BytesIO()
    image.save(out, "JPEG", quality=quality, optimize=True, dpi=(96, 96))
    return out.getvalue()


def padded_jpeg(image, size):
    """The JPEG at the best quality that fits in size bytes, made exactly size bytes long by a comment
    segment after the JFIF header."""
    for quality in range(95, 40, -1):
        data = jpeg_bytes(image, quality)
        gap = size - len(data)
        if gap >= 4:
            break
    else:
        raise SystemExit("the built-in skin picture does not fit in %d bytes" % size)
    assert data[:4] == b"\xff\xd8\xff\xe0", "JFIF header expected"
    app0_end = 4 + int.from_bytes(data[4:6], "big")
    comment = b"\xff\xfe" + (gap - 2).to_bytes(2, "big") + b" " * (gap - 4)
    return data[:app0_end] + comment + data[app0_end:]


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


# The navigation pictures' files in the bar's order (icon_pictures.nav_pictures gives them so);
# program.rc numbers them on from IDR_NAV_FIRST_PNG in this order.
NAV_FILES = ("nav_naming.png", "nav_scoring.png", "nav_favourites.png", "nav_combination.png",
             "nav_poem.png", "nav_english.png", "nav_nickname.png", "nav_birth_chart.png")


def write_pictures():
    builtin = padded_jpeg(to_image(skin_scenes.green_hills_builtin(*BUILTIN_SKIN_SIZE, seeded("builtin"))),
                          BUILTIN_SKIN_BYTES)
    write(os.path.join(PICTURES, "builtin_skin.jpg"), builtin)
    write(os.path.join(PICTURES, "skin_button.png"), icon_pictures.png_bytes(icon_pictures.skin_button()))
    write(os.path.join(PICTURES, "skin_marker.png"), icon_pictures.png_bytes(icon_pictures.skin_marker()))
    nav = icon_pictures.nav_pictures()
    assert len(nav) == len(NAV_FILES), "program.rc lists eight navigation pictures"
    for file, (_, _, data, _) in zip(NAV_FILES, nav):
        write(os.path.join(PICTURES, file), data)
    write(os.path.join(PICTURES, "program.ico"), icon_pictures.program_icon())


def write_skins():
    folders = []
    for folder, name, scene, *colours in skin_scenes.SKINS:
        picture = to_image(scene(*SKIN_SIZE, seeded(folder)))
        write(os.path.join(DSKIN, folder, "bk.jpg"), jpeg_bytes(picture, SKIN_QUALITY))
        write(os.path.join(DSKIN, folder, "small.jpg"),
              jpeg_bytes(picture.resize(THUMBNAIL_SIZE, Image.LANCZOS), THUMBNAIL_QUALITY))
        keys = ("TitleColor", "SongColor", "TimeColor", "PartColor")
        lines = ["[CONF]", "Name=" + name] + ["%s=%d" % (k, colorref(rgb(c))) for k, c in zip(keys, colours)]
        write(os.path.join(DSKIN, folder, "conf.ini"), ("\r\n".join(lines) + "\r\n").encode("gbk"))
        folders.append(folder)
    xml = ['<?xml version="1.0" encoding="UTF-8"?>', "<skins>"] + ["  <skin>%s</skin>" % f for f in folders] + ["</skins>"]
    write(os.path.join(DSKIN, "Dskin.xml"), ("\r\n".join(xml) + "\r\n").encode("ascii"))


def main():
    write_pictures()
    write_skins()
    print("wrote", PICTURES, "and", DSKIN)


if __name__ == "__main__":
    main()
