#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""make-question.py - draws resources/question.gif, the window's help button.

A 24x24 GIF89a: a round, glossy blue button with a white question mark.
Outside the circle the GIF is transparent (one palette index marked as the
transparent colour).  GIF has no partial transparency, so the circle's
antialiased edge is blended against the window's light grey (#F0F0F0).
It is drawn at 16x and scaled down.  Needs Debian's python3-pil (in
/usr/bin/python3).  The output is the same on every run.
"""
import math
import os

from PIL import Image, ImageChops, ImageDraw, ImageFilter

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                   "..", "resources", "question.gif")
SIZE, K = 24, 16
S = SIZE * K
MATTE = (240, 240, 240)


def P(x, y):
    return (x * K, y * K)


def disc(cx, cy, r):
    mask = Image.new("L", (S, S), 0)
    ImageDraw.Draw(mask).ellipse((*P(cx - r, cy - r), *P(cx + r, cy + r)), fill=255)
    return mask


def vertical(top, bottom, y0=0.0, y1=SIZE):
    """RGB image shading from top colour at y0 to bottom colour at y1."""
    ramp = Image.linear_gradient("L").resize((S, round((y1 - y0) * K)))
    im = Image.new("RGB", (S, S), bottom)
    im.paste(top, (0, 0, S, round(y0 * K)))
    im.paste(Image.composite(Image.new("RGB", ramp.size, bottom),
                             Image.new("RGB", ramp.size, top), ramp), (0, round(y0 * K)))
    return im


def question_mark(draw, fill, dx=0.0, dy=0.0):
    """A hook of a rounded stroke above a round dot."""
    cx, cy, r, width = 12 + dx, 8.9 + dy, 3.7, 2.7
    path = [(cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a)))
            for a in range(195, 406, 5)]                     # over the top, down the right
    path += [(cx + 0.1, cy + 4.2), (cx, cy + 5.6)]             # bend in to the stem
    draw.line([P(*p) for p in path], fill=fill, width=round(width * K), joint="curve")
    for x, y in (path[0], path[-1]):
        h = width / 2
        draw.ellipse((*P(x - h, y - h), *P(x + h, y + h)), fill=fill)
    x, y, h = cx, cy + 9.2, 1.65
    draw.ellipse((*P(x - h, y - h), *P(x + h, y + h)), fill=fill)


def draw():
    c, r = 12, 11.5
    body = disc(c, c, r)
    im = vertical((96, 164, 240), (20, 78, 176))
    # Light coming through the lower half, like a glass bead.
    glow = disc(c, c + 5, 7).filter(ImageFilter.GaussianBlur(3 * K)).point(lambda v: v // 2)
    im = Image.composite(Image.new("RGB", (S, S), (110, 190, 255)), im, glow)
    # A darker rim.
    rim = ImageChops.subtract(body, disc(c, c, r - 1.3).filter(ImageFilter.GaussianBlur(0.6 * K)))
    im = Image.composite(Image.new("RGB", (S, S), (14, 52, 128)), im, rim)
    # Gloss: a soft white cap over the top.
    cap = disc(c, c - 5.2, 7.6)
    cap = ImageChops.multiply(cap, ImageChops.multiply(body, disc(c, c, r - 1.4)))
    fade = vertical((255, 255, 255), (0, 0, 0), 0.8, 11).convert("L").point(lambda v: round(v * 0.55))
    im = Image.composite(Image.new("RGB", (S, S), (255, 255, 255)), im, ImageChops.multiply(cap, fade))
    # The question mark, with a faint dark shadow under it.
    shadow = Image.new("L", (S, S), 0)
    question_mark(ImageDraw.Draw(shadow), 110, dy=0.5)
    im = Image.composite(Image.new("RGB", (S, S), (8, 40, 110)),
                         im, shadow.filter(ImageFilter.GaussianBlur(0.5 * K)))
    question_mark(ImageDraw.Draw(im), (255, 255, 255))
    im = im.convert("RGBA")
    im.putalpha(body)
    return im.resize((SIZE, SIZE), Image.LANCZOS)


def to_gif(im, path):
    """Blend the edge against the matte and mark the outside transparent."""
    alpha = im.getchannel("A")
    flat = Image.alpha_composite(Image.new("RGBA", im.size, MATTE + (255,)), im).convert("RGB")
    pal = flat.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    transparent = 255
    out = pal.copy()
    colours = pal.getpalette()[:3 * 255]
    out.putpalette(colours + [0] * (3 * 255 - len(colours)) + list(MATTE))
    out.paste(transparent, mask=alpha.point(lambda v: 255 if v < 40 else 0))
    out.save(path, "GIF", transparency=transparent, optimize=False)


if __name__ == "__main__":
    to_gif(draw(), OUT)
    with open(OUT, "rb") as f:
        assert f.read(6) == b"GIF89a"
    with Image.open(OUT) as check:
        assert check.size == (SIZE, SIZE) and check.info.get("transparency") is not None
        assert check.getpixel((0, 0)) == check.info["transparency"]
    print(f"resources/question.gif: {SIZE}x{SIZE}, {os.path.getsize(OUT)} bytes")
