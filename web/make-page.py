# SPDX-License-Identifier: GPL-3.0-or-later
"""Assembles the page: the style, the module and the script inline, the face
and the pictures as data addresses, so the page is one self-sufficient file.
Usage: make-page.py WEB_DIR MODULE_JS RESOURCES_DIR OUT_HTML"""
import base64
import pathlib
import sys

web, module, resources, out = (pathlib.Path(a) for a in sys.argv[1:5])


def data_address(path, kind):
    return f"data:{kind};base64," + base64.b64encode(path.read_bytes()).decode("ascii")


css = (web / "page.css").read_text(encoding="utf-8").replace(
    "@FONT@", data_address(resources / "iransansz-webfont.ttf", "font/ttf"))
page = (web / "index.html").read_text(encoding="utf-8")
for key, value in {
    "@STYLE@": css,
    "@ICON@": data_address(resources / "hicolor/32x32/apps/delvarin-chooser.png", "image/png"),
    "@PHOTO@": data_address(resources / "photo.jpg", "image/jpeg"),
    "@QUESTION@": data_address(resources / "question.gif", "image/gif"),
    # A script element ends at the first "</script", so none may stand inside.
    "@MODULE@": module.read_text(encoding="utf-8").replace("</script", "<\\/script"),
    "@SCRIPT@": (web / "page.js").read_text(encoding="utf-8"),
}.items():
    page = page.replace(key, value)
out.parent.mkdir(parents=True, exist_ok=True)
out.write_text(page, encoding="utf-8")
