# SPDX-License-Identifier: GPL-3.0-or-later
"""colour_map: the picture scripts' gradient, shared by make-icon.py and
make-photo.py."""


def colour_map(grey, stops):
    """Map an L image to RGB through colour stops [(0..1, (r, g, b)), ...]."""
    lut = []
    for i in range(256):
        t = i / 255
        for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
            if t0 <= t <= t1:
                f = (t - t0) / (t1 - t0) if t1 > t0 else 0
                lut += [round(a + (b - a) * f) for a, b in zip(c0, c1)]
                break
    im = grey.copy()
    im.putpalette(lut)
    return im.convert("RGB")
