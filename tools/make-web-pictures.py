#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""make-web-pictures.py - writes the web page's pictures into resources/web/.

From the drawings of make-icon.py and make-question.py and the photograph
resources/photo.jpg:

    photo.webp             the photograph, 640x480, as the page shows it
    question.webp          the help button at 144 px: sharp at 48 CSS px on a
                           3x screen
    icon-192.png           the installed page's icons, from the program's
    icon-512.png           emblem
    icon-maskable-512.png  the emblem inside the safe circle of a maskable
                           icon, on the title bar's blue

Needs Debian's python3-pil (in /usr/bin/python3). The output is the same on
every run.
"""
import importlib.util
import os

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
RESOURCES = os.path.join(HERE, "..", "resources")
OUT = os.path.join(RESOURCES, "web")
TITLE_BLUE = (10, 36, 106)


def load(script):
    found = importlib.util.spec_from_file_location(script.replace("-", "_"),
                                                   os.path.join(HERE, script))
    module = importlib.util.module_from_spec(found)
    found.loader.exec_module(module)
    return module


def save_png(im, name):
    im.save(os.path.join(OUT, name), "PNG", optimize=True)


def main():
    os.makedirs(OUT, exist_ok=True)
    with Image.open(os.path.join(RESOURCES, "photo.jpg")) as photo:
        photo.convert("RGB").save(os.path.join(OUT, "photo.webp"), "WEBP", quality=80, method=6)

    question = load("make-question.py")
    question.SIZE = 144
    question.draw().save(os.path.join(OUT, "question.webp"), "WEBP", quality=85, method=6)

    emblem = load("make-icon.py").draw_emblem()
    for size in (192, 512):
        save_png(emblem.resize((size, size), Image.LANCZOS), f"icon-{size}.png")
    # A maskable icon keeps what matters inside the middle 80 %.
    maskable = Image.new("RGBA", (512, 512), TITLE_BLUE + (255,))
    inner = emblem.resize((360, 360), Image.LANCZOS)
    maskable.alpha_composite(inner, (76, 76))
    save_png(maskable, "icon-maskable-512.png")
    for name in sorted(os.listdir(OUT)):
        print(f"resources/web/{name}: {os.path.getsize(os.path.join(OUT, name))} bytes")


if __name__ == "__main__":
    main()
