#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""make-icon.py - draws resources/delvarin.ico, the program's window icon.

The emblem is a gold five-pointed star inside a glossy deep-blue sphere.  It
is drawn once at 1024 px with Pillow and scaled down (which antialiases it),
then stored as one .ico holding 13 images, so that every Windows view and
every colour depth finds a fitting one:

    48, 32, 16 px at  4 bits per pixel (16-colour palette + AND mask)
    48, 32, 16 px at  8 bits per pixel (256-colour palette + AND mask)
    256 px as PNG
    128, 64, 48, 32, 24, 16 px at 32 bits per pixel (BGRA + AND mask)

Pillow's own ICO writer makes only 32-bit images, so the container is written
here by hand.  Needs Debian's python3-pil (in /usr/bin/python3).  The output
is the same on every run.
"""
import io
import math
import os
import struct

from colour_map import colour_map
from PIL import Image, ImageChops, ImageDraw, ImageFilter, features

S = 1024                      # drawing size
R = S * 0.48                  # sphere radius
C = S / 2                     # sphere centre (x and y)
OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)),
                   "..", "resources", "delvarin.ico")


def radial(cx, cy, r, size=(S, S)):
    """L image: 0 at (cx, cy), rising linearly to 255 at distance r."""
    n = 512
    ramp = Image.new("L", (n, n))
    ramp.putdata([min(255, round(255 * math.hypot(x - n / 2 + .5, y - n / 2 + .5) / (n / 2)))
                  for y in range(n) for x in range(n)])
    im = Image.new("L", size, 255)
    box = (round(cx - r), round(cy - r))
    im.paste(ramp.resize((round(2 * r), round(2 * r)), Image.BICUBIC), box)
    return im


def disc(cx, cy, r, size=(S, S)):
    mask = Image.new("L", size, 0)
    ImageDraw.Draw(mask).ellipse((cx - r, cy - r, cx + r, cy + r), fill=255)
    return mask


def star_points(cx, cy, r_out, r_in, turn=-90):
    pts = []
    for i in range(10):
        a = math.radians(turn + 36 * i)
        r = r_out if i % 2 == 0 else r_in
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def draw_emblem():
    body_mask = disc(C, C, R)

    # Sphere body: bright blue glow low in the ball, deep navy towards the rim.
    body = colour_map(radial(C, C + R * 0.45, R * 1.35), [
        (0.0, (70, 150, 245)), (0.35, (30, 95, 205)),
        (0.7, (12, 45, 140)), (1.0, (6, 22, 80))])
    rim = radial(C, C, R).point(lambda v: max(0, (v - 190) * 3))
    body = Image.composite(Image.new("RGB", (S, S), (3, 10, 45)), body, rim)

    # Star: ten facets, each lit by how far it faces the light (upper left).
    cy = C + R * 0.04
    pts = star_points(C, cy, R * 0.66, R * 0.66 * 0.40)
    shadow = Image.new("L", (S, S), 0)
    ImageDraw.Draw(shadow).polygon([(x + R * 0.04, y + R * 0.06) for x, y in pts], fill=150)
    shadow = shadow.filter(ImageFilter.GaussianBlur(R * 0.04))
    body = Image.composite(Image.new("RGB", (S, S), (2, 8, 35)), body, shadow)

    star = ImageDraw.Draw(body)
    light = math.radians(-135)
    for i in range(10):
        a, b = pts[i], pts[(i + 1) % 10]
        mid = math.atan2((a[1] + b[1]) / 2 - cy, (a[0] + b[0]) / 2 - C)
        lit = 0.5 + 0.5 * math.cos(mid - light)
        lit = lit * 0.8 + (0.2 if i % 2 == 0 else 0.0)   # crisp ridge lines
        dark, bright = (196, 112, 0), (255, 228, 100)
        star.polygon([(C, cy), a, b],
                     fill=tuple(round(d + (l - d) * lit) for d, l in zip(dark, bright)))
    star.line(pts + [pts[0]], fill=(120, 62, 0), width=round(S * 0.012), joint="curve")

    # Gloss: a soft white cap over the upper half, fading downwards.
    gloss_box = (C - R * 0.68, C - R * 0.94, C + R * 0.68, C + R * 0.12)
    cap = Image.new("L", (S, S), 0)
    ImageDraw.Draw(cap).ellipse(gloss_box, fill=255)
    fade = Image.linear_gradient("L").resize(
        (S, round(gloss_box[3] - gloss_box[1]))).point(lambda v: round(185 * (1 - v / 255) ** 1.6))
    fade_full = Image.new("L", (S, S), 0)
    fade_full.paste(fade, (0, round(gloss_box[1])))
    cap = ImageChops.multiply(cap, fade_full).filter(ImageFilter.GaussianBlur(S * 0.004))
    body = Image.composite(Image.new("RGB", (S, S), (255, 255, 255)), body, cap)

    # Small bright glint on the lower rim, as light coming through the glass.
    glint = Image.new("L", (S, S), 0)
    ImageDraw.Draw(glint).ellipse((C - R * 0.5, C + R * 0.72, C + R * 0.5, C + R * 0.96), fill=70)
    glint = ImageChops.multiply(glint.filter(ImageFilter.GaussianBlur(R * 0.08)), body_mask)
    body = Image.composite(Image.new("RGB", (S, S), (140, 210, 255)), body, glint)

    emblem = body.convert("RGBA")
    emblem.putalpha(body_mask)
    return emblem


# ---- ICO container ---------------------------------------------------------

# libimagequant (in Debian's Pillow) keeps the gold and the gloss best in 15
# colours; Pillow builds without it fall back to max-coverage.
QUANTIZE = (Image.Quantize.LIBIMAGEQUANT if features.check("libimagequant")
            else Image.Quantize.MAXCOVERAGE)

def and_mask(alpha):
    """1-bit AND mask, bottom-up, rows padded to 32 bits: 1 = transparent."""
    w, h = alpha.size
    row_bytes = (w + 31) // 32 * 4
    out = bytearray()
    for y in reversed(range(h)):
        row = bytearray(row_bytes)
        for x in range(w):
            if alpha.getpixel((x, y)) < 128:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def bmp_header(w, h, bpp, image_bytes):
    return struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, bpp, 0, image_bytes, 0, 0, 0, 0)


def palette_bmp(im, bpp):
    """4- or 8-bit palette BMP: an adaptive Pillow palette plus black, which
    is the XOR colour of the transparent pixels (AND 1, XOR 0 = see-through)."""
    w, h = im.size
    ncolours = 1 << bpp
    alpha = im.getchannel("A")
    opaque = alpha.point(lambda v: 255 if v >= 128 else 0)
    # Fill see-through pixels with a rim colour so they cost no palette entry.
    rgb = Image.composite(im.convert("RGB"), Image.new("RGB", im.size, (6, 22, 80)), opaque)
    q = rgb.quantize(colors=ncolours - 1, method=QUANTIZE)
    pal = q.getpalette()[:3 * (ncolours - 1)]
    pal += [0] * (3 * (ncolours - 1) - len(pal)) + [0, 0, 0]
    black = ncolours - 1
    idx = [q.getpixel((x, y)) if opaque.getpixel((x, y)) else black
           for y in range(h) for x in range(w)]
    row_bytes = (w * bpp + 31) // 32 * 4
    xor = bytearray()
    for y in reversed(range(h)):
        row = bytearray(row_bytes)
        for x in range(w):
            i = idx[y * w + x]
            if bpp == 8:
                row[x] = i
            else:
                row[x // 2] |= i << (4 if x % 2 == 0 else 0)
        xor += row
    mask = and_mask(alpha)
    rgbquads = b"".join(bytes((pal[3 * i + 2], pal[3 * i + 1], pal[3 * i], 0))
                        for i in range(ncolours))
    return bmp_header(w, h, bpp, len(xor) + len(mask)) + rgbquads + bytes(xor) + mask


def bgra_bmp(im):
    w, h = im.size
    xor = bytearray()
    for y in reversed(range(h)):
        for x in range(w):
            r, g, b, a = im.getpixel((x, y))
            xor += bytes((b, g, r, a))
    mask = and_mask(im.getchannel("A"))
    return bmp_header(w, h, 32, len(xor) + len(mask)) + bytes(xor) + mask


def png(im):
    buf = io.BytesIO()
    im.save(buf, "PNG", optimize=True)
    return buf.getvalue()


# (size, bits per pixel, encoder), in the order they are stored.
IMAGES = ([(s, 4, lambda im: palette_bmp(im, 4)) for s in (48, 32, 16)]
          + [(s, 8, lambda im: palette_bmp(im, 8)) for s in (48, 32, 16)]
          + [(256, 32, png)]
          + [(s, 32, bgra_bmp) for s in (128, 64, 48, 32, 24, 16)])


def write_ico(emblem, path):
    blobs = [(size, bpp, encode(emblem.resize((size, size), Image.LANCZOS)))
             for size, bpp, encode in IMAGES]
    offset = 6 + 16 * len(blobs)
    head = struct.pack("<HHH", 0, 1, len(blobs))
    entries, data = b"", b""
    for size, bpp, blob in blobs:
        dim = 0 if size >= 256 else size
        colours = 16 if bpp == 4 else 0
        entries += struct.pack("<BBBBHHII", dim, dim, colours, 0, 1, bpp, len(blob), offset)
        offset += len(blob)
        data += blob
    with open(path, "wb") as f:
        f.write(head + entries + data)


def check(path):
    """Read the file back: our own directory parse, then Pillow's reader."""
    with open(path, "rb") as f:
        raw = f.read()
    reserved, kind, count = struct.unpack_from("<HHH", raw, 0)
    assert (reserved, kind, count) == (0, 1, len(IMAGES))
    for i, (size, bpp, _) in enumerate(IMAGES):
        w, h, colours, _, planes, bits, length, offset = struct.unpack_from("<BBBBHHII", raw, 6 + 16 * i)
        assert (w or 256, h or 256, bits) == (size, size, bpp), i
        blob = raw[offset:offset + length]
        if size == 256:
            assert blob.startswith(b"\x89PNG\r\n\x1a\n")
        else:
            hsize, bw, bh, _, bbits = struct.unpack_from("<IiiHH", blob)
            assert (hsize, bw, bh, bbits) == (40, size, 2 * size, bpp), i
            xor = (size * bpp + 31) // 32 * 4 * size
            mask = (size + 31) // 32 * 4 * size
            pal = 4 << bpp if bpp <= 8 else 0
            assert length == 40 + pal + xor + mask, i
    with Image.open(path) as im:
        assert im.format == "ICO" and (256, 256) in im.info["sizes"]
        im.size = (16, 16)
        im.load()


# Desktops look for PNGs by size in the icon theme, not inside the .ico.
THEME_SIZES = (16, 24, 32, 48, 64, 128, 256)
THEME_DIR = os.path.join(os.path.dirname(OUT), "hicolor")


def write_theme_pngs(emblem):
    for size in THEME_SIZES:
        folder = os.path.join(THEME_DIR, f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "delvarin-chooser.png"), "wb") as f:
            f.write(png(emblem.resize((size, size), Image.LANCZOS)))


if __name__ == "__main__":
    emblem = draw_emblem()
    write_ico(emblem, OUT)
    check(OUT)
    write_theme_pngs(emblem)
    print(f"resources/delvarin.ico: {len(IMAGES)} images, {os.path.getsize(OUT)} bytes")
