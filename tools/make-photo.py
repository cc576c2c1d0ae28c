#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""make-photo.py - draws resources/photo.jpg, the picture in the main window.

An illustration (drawn here with Pillow, not a photograph) of two hands
typing on a computer keyboard in front of a blue gradient.  It is drawn at
3x and scaled down to 640x480, which antialiases it, and saved as a
progressive RGB JPEG.

The program writes small white text ("2026" top left, "Ver 3" top right)
over the top of the picture, so the top strip and its corners stay dark
blue.  The right index finger wears a gold ring with a small stone, lying
wholly inside the box (284,249)-(334,299), where the program has a click
target; the script checks this.  The program shows the picture at 216x162,
so hands and keys are drawn large enough to read at that size.

Key legends use the program's own font, resources/iransansz-webfont.ttf
(made by make-font.sh).  Needs Debian's python3-pil (in /usr/bin/python3).
The output is the same on every run.
"""
import math
import os
import random

from colour_map import colour_map
from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
RESOURCES = os.path.join(HERE, "..", "resources")
OUT = os.path.join(RESOURCES, "photo.jpg")
FONT = os.path.join(RESOURCES, "iransansz-webfont.ttf")

W, H = 640, 480
K = 3                          # drawing scale
RING_BOX = (284, 249, 334, 299)   # the ring must lie inside this box
RING = (309, 274)                  # aim for its middle


def P(x, y):
    return (x * K, y * K)


def canvas(mode="RGB", colour=0):
    return Image.new(mode, (W * K, H * K), colour)


def solid(rgb):
    return canvas("RGB", rgb)


def lerp(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def radial(cx, cy, r):
    """L image: 0 at (cx, cy) (640x480 units), 255 at distance r and beyond."""
    n = 256
    ramp = Image.new("L", (n, n))
    ramp.putdata([min(255, round(255 * math.hypot(x - n / 2 + .5, y - n / 2 + .5) / (n / 2)))
                  for y in range(n) for x in range(n)])
    im = canvas("L", 255)
    im.paste(ramp.resize((round(2 * r * K),) * 2, Image.BICUBIC), (round((cx - r) * K), round((cy - r) * K)))
    return im


def paint(base, rgb, alpha):
    """Paint colour rgb over base through the L image alpha."""
    return Image.composite(solid(rgb), base, alpha)


def scaled(mask, f):
    return mask.point(lambda v: round(v * f))


def rounded_polygon(draw, pts, radius, fill):
    """Polygon (in drawing pixels) with its corners rounded off."""
    cx = sum(p[0] for p in pts) / len(pts)
    cy = sum(p[1] for p in pts) / len(pts)
    inner = []
    for x, y in pts:
        d = math.hypot(x - cx, y - cy) or 1
        k = max(0.0, (d - radius * 1.4) / d)
        inner.append((cx + (x - cx) * k, cy + (y - cy) * k))
    draw.polygon(inner, fill=fill)
    draw.line(inner + [inner[0]], fill=fill, width=round(2 * radius), joint="curve")
    for x, y in inner:
        draw.ellipse((x - radius, y - radius, x + radius, y + radius), fill=fill)


# ---- background --------------------------------------------------------------

def background():
    vertical = Image.linear_gradient("L").resize((W * K, H * K))
    im = colour_map(vertical, [(0.0, (6, 20, 52)), (0.12, (9, 30, 72)),
                               (0.45, (26, 84, 160)), (1.0, (40, 112, 196))])
    glow = radial(330, 190, 330).point(lambda v: round(110 * (1 - v / 255) ** 2))
    im = paint(im, (120, 190, 255), glow)
    # Soft out-of-focus lights in the band above the keyboard.
    rnd = random.Random(2026)
    lights = canvas("L")
    d = ImageDraw.Draw(lights)
    for _ in range(18):
        x, y, r = rnd.uniform(30, 610), rnd.uniform(70, 150), rnd.uniform(8, 22)
        d.ellipse((*P(x - r, y - r), *P(x + r, y + r)), fill=rnd.randint(25, 60))
    im = paint(im, (170, 215, 255), lights.filter(ImageFilter.GaussianBlur(2 * K)))
    # Keep the top strip and corners dark for the white captions.
    top = Image.linear_gradient("L").resize((W * K, H * K)).point(
        lambda v: round(150 * max(0.0, 1 - v / 255 / 0.16)))
    im = paint(im, (4, 14, 40), top)
    vignette = radial(320, 260, 470).point(lambda v: round(200 * max(0.0, (v - 150) / 105) ** 1.5))
    return paint(im, (3, 10, 32), vignette)


# ---- keyboard ----------------------------------------------------------------
# Keys live on a plane: X runs across in key widths (the main block spans
# 0..15), r runs from the front edge towards the back in key depths.  A
# simple vanishing-point projection maps them to the 640x480 picture.

HY, F, DZ, G, XC = -341.0, 681.0, 0.0699, 38.7, 268.0
KEY_H = 9.0                    # on-screen height of a keycap at the front edge


def proj(X, r, h=0.0):
    z = 1 + r * DZ
    return (XC + G * (X - 7.5) / z, HY + F / z - KEY_H * h / z)


def key_rows():
    """(X0, X1, r0, r1, latin, persian) for every key, back row first."""
    rows = [
        (6.0, 0.72, [("Esc", "", 1)] + [("", "", 0.5)]
         + [(f"F{i}", "", 1) for i in range(1, 5)] + [("", "", 0.5)]
         + [(f"F{i}", "", 1) for i in range(5, 9)] + [("", "", 0.5)]
         + [(f"F{i}", "", 1) for i in range(9, 13)]),
        (4.6, 1, list(zip("`1234567890-=", "÷۱۲۳۴۵۶۷۸۹۰-=", [1] * 13)) + [("\u2190", "", 2)]),
        (3.6, 1, [("Tab", "", 1.5)] + list(zip("QWERTYUIOP[]", "ضصثقفغعهخحجچ", [1] * 12))
         + [("\\", "پ", 1.5)]),
        (2.6, 1, [("Caps", "", 1.75)] + list(zip("ASDFGHJKL;'", "شسیبلاتنمکگ", [1] * 11))
         + [("Enter", "", 2.25)]),
        (1.6, 1, [("Shift", "", 2.25)] + list(zip("ZXCVBNM,./", "ظطزرذدئو./", [1] * 10))
         + [("Shift", "", 2.75)]),
        (0.6, 1, [("Ctrl", "", 1.25), ("", "", 1.25), ("Alt", "", 1.25), ("", "", 6.25),
                  ("Alt", "", 1.25), ("", "", 1.25), ("", "", 1.25), ("Ctrl", "", 1.25)]),
    ]
    keys = []
    for r0, depth, row in rows:
        x = 0.0
        for latin, persian, width in row:
            if latin or persian or width != 0.5:
                keys.append((x, x + width, r0, r0 + depth, latin, persian))
            x += width
    # Navigation cluster to the right of the main block (mostly off-picture).
    for r0 in (4.6, 3.6):
        for i in range(3):
            keys.append((15.5 + i, 16.5 + i, r0, r0 + 1, "", ""))
    keys += [(16.5, 17.5, 1.6, 2.6, "\u2191", "")]
    keys += [(15.5 + i, 16.5 + i, 0.6, 1.6, "", "") for i in range(3)]
    return keys


def key_centre(label):
    for x0, x1, r0, r1, latin, _ in key_rows():
        if latin == label:
            return proj((x0 + x1) / 2, (r0 + r1) / 2 - 0.08, 1)
    raise KeyError(label)


def hull(points):
    pts = sorted(set(points))
    def half(seq):
        out = []
        for p in seq:
            while len(out) >= 2 and ((out[-1][0] - out[-2][0]) * (p[1] - out[-2][1])
                                     - (out[-1][1] - out[-2][1]) * (p[0] - out[-2][0])) <= 0:
                out.pop()
            out.append(p)
        return out[:-1]
    return half(pts) + half(reversed(pts))


def keyboard(im):
    # Case: a shadow, then an aluminium slab with a visible front edge.
    corners = [proj(-0.45, -0.35), proj(19.0, -0.35), proj(19.0, 7.15), proj(-0.45, 7.15)]
    shadow = canvas("L")
    ImageDraw.Draw(shadow).polygon([P(x + 4, y + 16) for x, y in corners], fill=150)
    im = paint(im, (4, 16, 44), shadow.filter(ImageFilter.GaussianBlur(12 * K)))
    d = ImageDraw.Draw(im)
    front = [corners[0], corners[1], (corners[1][0], corners[1][1] + 11), (corners[0][0], corners[0][1] + 11)]
    rounded_polygon(d, [P(*p) for p in front], 3 * K, (120, 128, 140))
    rounded_polygon(d, [P(*p) for p in corners], 4 * K, (196, 203, 214))
    # A faint sheen across the case top.
    sheen = canvas("L")
    ImageDraw.Draw(sheen).polygon([P(*p) for p in corners], fill=255)
    fade = radial(250, 120, 420).point(lambda v: round(60 * (1 - v / 255)))
    im = paint(im, (255, 255, 255), ImageChops.multiply(sheen, fade))

    d = ImageDraw.Draw(im)
    fonts = {}
    for x0, x1, r0, r1, latin, persian in key_rows():
        g = 0.05
        base = [proj(x0 + g, r0 + g), proj(x1 - g, r0 + g), proj(x1 - g, r1 - g), proj(x0 + g, r1 - g)]
        t = 0.13
        top = [proj(x0 + t, r0 + t + 0.05, 1), proj(x1 - t, r0 + t + 0.05, 1),
               proj(x1 - t, r1 - t, 1), proj(x0 + t, r1 - t, 1)]
        rounded_polygon(d, [P(*p) for p in hull(base + top)], 2.2 * K, (150, 156, 168))
        rounded_polygon(d, [P(*p) for p in top], 2.0 * K, (250, 251, 253))
        # Legends: Latin upper left, Persian lower right.
        unit = top[1][0] - top[0][0]
        size = round(min(unit, 34) * 0.3 * K)
        if size not in fonts:
            fonts[size] = ImageFont.truetype(FONT, size)
        if latin:
            d.text(P(top[3][0] + 3, top[3][1] + 2), latin, font=fonts[size], fill=(70, 76, 88))
        if persian:
            d.text(P(top[1][0] - 3, top[1][1] - 2), persian, font=fonts[size], fill=(40, 110, 190),
                   anchor="rd")
    return im


# ---- hands -------------------------------------------------------------------

SKIN = (234, 186, 154)
SKIN_LIGHT = (255, 226, 204)
SKIN_SHADE = (170, 104, 80)


def bezier(p0, c, p1, t):
    return tuple((1 - t) ** 2 * a + 2 * (1 - t) * t * b + t ** 2 * e for a, b, e in zip(p0, c, p1))


class Finger:
    """A finger from its knuckle k to its tip t, slightly bowed."""

    def __init__(self, knuckle, tip, width, bend=0.0, taper=0.8):
        self.k, self.t, self.w, self.taper = knuckle, tip, width, taper
        dx, dy = tip[0] - knuckle[0], tip[1] - knuckle[1]
        n = math.hypot(dx, dy)
        self.dir = (dx / n, dy / n)
        self.side = (-dy / n, dx / n)
        self.c = ((knuckle[0] + tip[0]) / 2 + self.side[0] * bend,
                  (knuckle[1] + tip[1]) / 2 + self.side[1] * bend)

    def at(self, u):
        return bezier(self.k, self.c, self.t, u)

    def draw(self, draw, u0=0.0, u1=1.0, fill=255, grow=0.0):
        """Sweep discs along the finger from u0 to u1: a tapering stroke."""
        steps = 60
        for i in range(steps + 1):
            u = u0 + (u1 - u0) * i / steps
            x, y = self.at(u)
            r = self.w * (1 - (1 - self.taper) * u) / 2 + grow
            draw.ellipse((*P(x - r, y - r), *P(x + r, y + r)), fill=fill)


def shift(mask, dx, dy):
    """Move an L image by (dx, dy) drawing pixels, without wrapping round."""
    out = Image.new("L", mask.size, 0)
    out.paste(mask, (round(dx), round(dy)))
    return out


def soft(mask, radius):
    return mask.filter(ImageFilter.GaussianBlur(radius * K))


def hand(right):
    """Outline of one hand (L mask, 3x), its fingers, thumb and wrist."""
    s = 1 if right else -1
    labels = ["J", "K", "L", ";"] if right else ["F", "D", "S", "A"]
    lengths = [80, 85, 80, 64]          # index, middle, ring, little
    widths = [25, 26, 24.5, 21]
    fingers = []
    for i, (label, length, width) in enumerate(zip(labels, lengths, widths)):
        tx, ty = key_centre(label)
        ang = math.radians(96 + s * (10 + 4 * i))      # the fingers fan out
        knuckle = (tx - length * math.cos(ang), ty + length * math.sin(ang))
        fingers.append(Finger(knuckle, (tx - s * 2, ty), width, bend=s * 3))
    ks = [f.k for f in fingers]
    index_k, little_k = ks[0], ks[3]
    wrist = ((index_k[0] + little_k[0]) / 2 + s * 30, index_k[1] + 100)
    ww = 86
    back = [(index_k[0] - s * 12, index_k[1] - 4), (ks[1][0], ks[1][1] - 8), (ks[2][0], ks[2][1] - 8),
            (little_k[0] + s * 10, little_k[1] - 2), (little_k[0] + s * 16, little_k[1] + 40),
            (wrist[0] + s * ww / 2, wrist[1]), (wrist[0] + s * ww / 2 + s * 36, 520),
            (wrist[0] - s * ww / 2 + s * 26, 520), (wrist[0] - s * ww / 2, wrist[1]),
            (index_k[0] - s * 20, index_k[1] + 40)]
    mask = canvas("L")
    d = ImageDraw.Draw(mask)
    d.polygon([P(*p) for p in back], fill=255)
    for f in fingers:
        f.draw(d)
    # Blur and threshold: rounded joins, webbing between the fingers.
    mask = soft(soft(mask, 4).point(lambda v: 255 if v > 110 else 0), 0.6)
    # The thumb lies lower, reaching in under the index finger to the space bar.
    thumb = Finger((index_k[0] - s * 4, index_k[1] + 66), (index_k[0] - s * 37, index_k[1] + 19),
                   28, bend=-s * 5, taper=0.82)
    return mask, fingers, thumb, wrist


def shade(mask, blur, light=(-1.0, -1.4)):
    """Skin-coloured RGB image for a mask, lit from the upper left."""
    h = soft(mask, blur)
    dx, dy = round(-light[0] * 2.5 * K), round(-light[1] * 2.5 * K)
    lit = ImageChops.subtract(shift(h, dx, dy), h, scale=0.25, offset=128)
    layer = solid(SKIN)
    layer = paint(layer, SKIN_LIGHT, lit.point(lambda v: min(255, max(0, (v - 128) * 3))))
    layer = paint(layer, SKIN_SHADE, lit.point(lambda v: min(200, max(0, (128 - v) * 3))))
    rim = ImageChops.multiply(h.point(lambda v: max(0, 255 - v * 2)), mask)
    return paint(layer, SKIN_SHADE, scaled(rim, 0.8))


def nail(draw, f, aside=0.0):
    """The nail, seen from behind as the finger curls down onto its key
    (a thumb, lying on its side, shows it moved aside and narrowed)."""
    ux, uy = f.dir
    px, py = f.side
    cx, cy = f.at(0.87)
    half_w, half_l = f.w * f.taper * 0.3 * (1 - abs(aside)), 7.8
    cx, cy = cx + px * f.w * aside, cy + py * f.w * aside

    def outline(grow, u0=0.0, u1=1.0):
        pts = []
        for i in range(41):
            a = 2 * math.pi * (u0 + (u1 - u0) * i / 40)
            c, s_ = math.cos(a), math.sin(a)
            # A rounded rectangle (superellipse) along the finger.
            along = math.copysign(abs(c) ** 0.8, c) * (half_l + grow)
            across = math.copysign(abs(s_) ** 0.8, s_) * (half_w + grow)
            pts.append(P(cx + ux * along + px * across, cy + uy * along + py * across))
        return pts

    draw.polygon(outline(0.8), fill=(206, 142, 122))                 # nail fold
    draw.polygon(outline(0), fill=(238, 186, 172))
    draw.line(outline(-0.6, -0.2, 0.2), fill=(250, 226, 216), width=K)   # free edge
    hx, hy = cx - ux * 1.5 - px * half_w * 0.3, cy - uy * 1.5 - py * half_w * 0.3
    draw.ellipse((*P(hx - 1.6, hy - 1.0), *P(hx + 1.6, hy + 1.0)), fill=(252, 230, 222))


def detail(rgb, alpha, fingers, wrist, nail_aside=0.0):
    """Joints, creases, tendons and nails on a shaded hand or thumb."""
    light, dark = canvas("L"), canvas("L")
    dl, dd = ImageDraw.Draw(light), ImageDraw.Draw(dark)
    for f in fingers:
        # Curling down to the key, the last joints face away from the light.
        f.draw(dd, 0.66, 1.0, fill=70, grow=-3)
        for u, strength, r in ((0.02, 110, 8), (0.6, 120, 7)):       # knuckle, middle joint
            x, y = f.at(u)
            dl.ellipse((*P(x - r, y - r * 0.8), *P(x + r, y + r * 0.8)), fill=strength)
        if nail_aside:
            continue
        # Tendon from the knuckle back towards the wrist.
        kx, ky = f.k
        dl.line([P(kx, ky + 6), P(wrist[0] + (kx - wrist[0]) * 0.35, wrist[1] - 12)], fill=45, width=3 * K)
    rgb = paint(rgb, SKIN_SHADE, ImageChops.multiply(soft(dark, 3), alpha))
    rgb = paint(rgb, SKIN_LIGHT, ImageChops.multiply(soft(light, 3.5), alpha))
    d = ImageDraw.Draw(rgb)
    for f in fingers:
        px, py = f.side
        for u, frac in ((0.66, 0.3), (0.7, 0.22)):             # fine wrinkles
            x, y = f.at(u)
            hw = f.w * frac
            d.line([P(x - px * hw, y - py * hw), P(x + px * hw, y + py * hw)], fill=(204, 146, 122), width=K)
        nail(d, f, nail_aside)
    return rgb


def sleeve(wrist, right):
    """A dark knitted sleeve over the forearm: (RGB image, L mask)."""
    s = 1 if right else -1
    x, y = wrist[0] + s * 22, wrist[1] + 34
    pts = [(x - 62, y + s * 6), (x + 62, y - s * 6), (x + 92, 500), (x - 70, 500)]
    mask = canvas("L")
    rounded_polygon(ImageDraw.Draw(mask), [P(*p) for p in pts], 10 * K, 255)
    cloth = colour_map(Image.linear_gradient("L").resize((W * K, H * K)),
                       [(0, (70, 78, 100)), (0.8, (50, 56, 76)), (1, (24, 28, 40))])
    rim = ImageChops.multiply(soft(mask, 9).point(lambda v: max(0, 255 - 2 * v)), mask)
    cloth = paint(cloth, (14, 16, 26), rim)
    # A cuff seam across the sleeve's end.
    ImageDraw.Draw(cloth).line([P(x - 58, y + 12 + s * 6), P(x + 60, y + 12 - s * 6)], fill=(36, 40, 56), width=2 * K)
    return cloth, mask


def ring(im, f):
    """A gold band with a small stone round finger f, where it crosses the
    height of RING; the whole band must fall inside RING_BOX."""
    u = min((abs(f.at(i / 200)[1] - RING[1]), i / 200) for i in range(201))[1]
    cx, cy = f.at(u)
    ux, uy = f.dir
    px, py = f.side
    hw = f.w * (1 - (1 - f.taper) * u) / 2 + 1.2
    # Seen from above and behind, the band's middle (on top of the finger)
    # shows nearer the fingertip than its sides.
    edge_a = [(cx + px * hw * v + ux * 2.4 * (1 - v * v) - ux * 3, cy + py * hw * v + uy * 2.4 * (1 - v * v) - uy * 3)
              for v in [i / 12 - 1 for i in range(25)]]
    edge_b = [(x + ux * 6, y + uy * 6) for x, y in reversed(edge_a)]
    xs, ys = [p[0] for p in edge_a + edge_b], [p[1] for p in edge_a + edge_b]
    assert RING_BOX[0] <= min(xs) and max(xs) <= RING_BOX[2], (min(xs), max(xs))
    assert RING_BOX[1] <= min(ys) and max(ys) <= RING_BOX[3], (min(ys), max(ys))
    band = canvas("L")
    ImageDraw.Draw(band).polygon([P(*p) for p in edge_a + edge_b], fill=255)
    im = paint(im, (120, 64, 44), scaled(soft(shift(band, K, 2 * K), 1.2), 0.6))
    gold = colour_map(radial(cx - 5, cy - 3, 17), [(0, (255, 244, 180)), (0.35, (240, 190, 60)),
                                                   (0.75, (180, 118, 14)), (1, (110, 66, 0))])
    im = Image.composite(gold, im, band)
    d = ImageDraw.Draw(im)
    d.line([P(*p) for p in edge_b[4:-4]], fill=(255, 240, 170), width=K)
    # Stone: a small blue-white brilliant in a gold setting, with a glint.
    sx, sy = cx - ux * 0.5, cy - uy * 0.5
    d.ellipse((*P(sx - 4.6, sy - 4.6), *P(sx + 4.6, sy + 4.6)), fill=(176, 126, 24))
    d.ellipse((*P(sx - 3.4, sy - 3.4), *P(sx + 3.4, sy + 3.4)), fill=(120, 190, 250))
    d.polygon([P(sx - 3.4, sy), P(sx, sy - 3.4), P(sx + 3.4, sy), P(sx, sy + 3.4)], fill=(205, 238, 255))
    d.ellipse((*P(sx - 1.7, sy - 2.0), *P(sx + 0.1, sy - 0.2)), fill=(255, 255, 255))
    return im


def draw():
    im = keyboard(background())
    hands = [hand(False), hand(True)]
    # Soft shadows of both hands and thumbs on the keys.
    shadow = canvas("L")
    for mask, _, thumb, _ in hands:
        shadow = ImageChops.lighter(shadow, mask)
        thumb.draw(ImageDraw.Draw(shadow))
    im = paint(im, (16, 24, 48), scaled(soft(shift(shadow, 6 * K, 12 * K), 9), 0.45))
    for mask, fingers, thumb, wrist in hands:
        right = fingers[0].t[0] > fingers[3].t[0]
        cloth, cloth_mask = sleeve(wrist, right)
        # Thumb first: the hand lies over its root.
        tmask = canvas("L")
        thumb.draw(ImageDraw.Draw(tmask))
        tmask = soft(tmask, 0.6)
        trgb = detail(shade(tmask, 8), tmask, [thumb], wrist, nail_aside=0.22 if right else -0.22)
        im = Image.composite(trgb, im, tmask)
        im = paint(im, (120, 66, 46), scaled(ImageChops.subtract(soft(shift(mask, 0, 3 * K), 3), mask), 0.7))
        rgb = detail(shade(mask, 9), mask, fingers, wrist)
        # The forearm sinks into shade towards the sleeve.
        fall = Image.linear_gradient("L").resize((W * K, H * K)).point(
            lambda v: round(150 * max(0.0, (v / 255 - 0.6) / 0.4)))
        im = Image.composite(paint(rgb, SKIN_SHADE, fall), im, mask)
        im = paint(im, (10, 14, 30), scaled(ImageChops.subtract(soft(shift(cloth_mask, 0, -3 * K), 4), cloth_mask), 0.5))
        im = Image.composite(cloth, im, cloth_mask)
    im = ring(im, hands[1][1][0])
    return im.resize((W, H), Image.LANCZOS)


if __name__ == "__main__":
    photo = draw()
    photo.save(OUT, "JPEG", quality=85, optimize=True, progressive=True)
    with Image.open(OUT) as check:
        assert check.size == (W, H) and check.mode == "RGB" and check.info.get("progressive")
    print(f"resources/photo.jpg: {W}x{H}, {os.path.getsize(OUT)} bytes")
