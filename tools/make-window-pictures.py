#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""make-window-pictures.py - writes the Qt window's photograph into
resources/window/, from resources/photo.jpg:

    photo-1x.png   216x162, the size the window shows it at
    photo-2x.png   432x324, for a screen of twice the density

Scaled once here rather than at every start, and lossless, so the window
reads it with the PNG reader Qt has loaded already instead of loading a JPEG
decoder for one picture. Needs Debian's python3-pil (in /usr/bin/python3).
The output is the same on every run.
"""
import os

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
RESOURCES = os.path.join(HERE, "..", "resources")
OUT = os.path.join(RESOURCES, "window")
SHOWN = (216, 162)  # Image1's box, 3240 x 2430 twips


def main():
    os.makedirs(OUT, exist_ok=True)
    with Image.open(os.path.join(RESOURCES, "photo.jpg")) as photo:
        photo = photo.convert("RGB")
        for scale in (1, 2):
            size = (SHOWN[0] * scale, SHOWN[1] * scale)
            name = f"photo-{scale}x.png"
            photo.resize(size, Image.LANCZOS).save(os.path.join(OUT, name), "PNG", optimize=True)
            print(f"resources/window/{name}: {os.path.getsize(os.path.join(OUT, name))} bytes")


if __name__ == "__main__":
    main()
