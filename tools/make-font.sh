#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# make-font.sh - builds resources/iransansz-webfont.ttf and resources/OFL.txt.
#
# The window's Persian text is drawn in a font the program ships, so it looks
# the same on every machine.  That font is Vazirmatn Regular (SIL Open Font
# License 1.1, no Reserved Font Name), taken from the npm package "vazirmatn"
# at a pinned version, with its family renamed to "IranSansZ", the name the
# program asks for.  The package's licence text is shipped beside it.
#
# Needs: npm (reaching the npm registry), tar, and Debian's python3-fonttools,
# which loads only in /usr/bin/python3 (override with PYTHON=...).
# Running it again gives the same bytes.
set -euo pipefail

VERSION=33.0.3
FONT_IN_TARBALL=package/fonts/ttf/Vazirmatn-Regular.ttf
LICENCE_IN_TARBALL=package/OFL.txt
# sha256 of the Regular TTF in vazirmatn@33.0.3, checked before it is used.
FONT_SHA256=b69fd4c680b8f3f225feabcc655a2c585d97627b8f5f5c0f9985e894069f3a56
PYTHON=${PYTHON:-/usr/bin/python3}

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out="$here/../resources"
mkdir -p "$out"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

(cd "$tmp" && npm pack --silent "vazirmatn@$VERSION" >/dev/null)
tar -xzf "$tmp/vazirmatn-$VERSION.tgz" -C "$tmp" "$FONT_IN_TARBALL" "$LICENCE_IN_TARBALL"
echo "$FONT_SHA256  $tmp/$FONT_IN_TARBALL" | sha256sum -c --quiet -

"$PYTHON" - "$tmp/$FONT_IN_TARBALL" "$tmp/$LICENCE_IN_TARBALL" "$out" "$VERSION" <<'EOF'
"""Rename the family to IranSansZ, write the licence, and check the result."""
import os
import sys

from fontTools.ttLib import TTFont

src, licence_src, out, version = sys.argv[1:]
FAMILY = "IranSansZ"
ttf_out = os.path.join(out, "iransansz-webfont.ttf")

font = TTFont(src, recalcTimestamp=False)
name = font["name"]
platforms = {(r.platformID, r.platEncID, r.langID) for r in name.names}
for plat, enc, lang in sorted(platforms):
    # 1 family, 4 full name, 6 PostScript name, 16 typographic family;
    # 2/17 (subfamily) stay "Regular"; 0 (copyright) and 13/14 (licence) stay.
    for name_id in (1, 4, 6, 16):
        name.setName(FAMILY, name_id, plat, enc, lang)
copyright_line = name.getDebugName(0)
font.save(ttf_out)

# Licence: the package's OFL.txt, copyright line first, then a one-line note.
with open(licence_src, encoding="utf-8") as f:
    lines = f.read().splitlines()
if lines and lines[0].strip() == copyright_line:
    lines = lines[1:]
note = (f"IranSansZ (iransansz-webfont.ttf) is Vazirmatn Regular {version}, "
        f"unchanged except that its family is renamed to IranSansZ.")
with open(os.path.join(out, "OFL.txt"), "w", encoding="utf-8", newline="\n") as f:
    f.write("\n".join([copyright_line, "", note] + lines) + "\n")

# Check: the family reads IranSansZ and the font covers Persian.
check = TTFont(ttf_out)
for name_id in (1, 4, 6, 16):
    assert check["name"].getDebugName(name_id) == FAMILY, name_id
assert check["name"].getDebugName(2) == "Regular"
cmap = check.getBestCmap()
# Every letter Persian writes: the Arabic letters U+0621..U+063A and
# U+0641..U+064A, the Persian-only letters U+067E..U+06CC (pe, che, zhe, kaf,
# gaf, ye), short vowels, Persian digits, punctuation, ZWNJ and guillemets.
# (Letters in U+0627..U+06CC used only by Urdu, Sindhi and the like - e.g.
# U+067A, U+0687 - are not in Vazirmatn and not needed for Persian.)
needed = (list(range(0x0621, 0x063A + 1)) + list(range(0x0640, 0x0652 + 1))
          + [0x067E, 0x0686, 0x0698, 0x06A9, 0x06AF, 0x06CC]
          + list(range(0x06F0, 0x06F9 + 1))
          + [0x060C, 0x061B, 0x061F, 0x200C, 0x00AB, 0x00BB])
missing = [f"U+{c:04X}" for c in needed if c not in cmap]
assert not missing, "font lacks " + " ".join(missing)
print(f"resources/iransansz-webfont.ttf: family {FAMILY!r}, {len(cmap)} code points, Persian covered")
EOF
