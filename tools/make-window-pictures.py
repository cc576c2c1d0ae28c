#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""make-window-pictures.py - writes the Qt window's pictures into
resources/window/, from resources/photo.jpg and resources/question.gif:

    photo-1x.png   216x162, the size the window shows it at
    photo-2x.png   432x324, for a screen of twice the density
    question.png   the help button's question mark, pixel for pixel

Scaled once here rather than at every start, and lossless, so the window
reads them with the PNG reader Qt has built in instead of loading a JPEG
and a GIF decoder for one picture each. Needs Debian's python3-pil (in /usr/bin/python3).
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
    with Image.open(os.path.join(RESOURCES, "question.gif")) as question:
        # Its palette and transparent entry as they are.
        question.save(os.path.join(OUT, "question.png"), "PNG", optimize=True)
        print(f"resources/window/question.png: {os.path.getsize(os.path.join(OUT, 'question.png'))} bytes")


if __name__ == "__main__":
    main()
