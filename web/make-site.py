# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the web site from the window's layout table: the page's markup with
every control in its starting state, in the window's tab order; its style,
with each control's place in the classic window and a face cut down to the
characters the page can show; the script, the engine module, the pictures,
the web app manifest and the service worker that keeps it all offline.

Usage: make-site.py --web DIR --resources DIR --layout JSON --module JS --out DIR
Needs Debian's python3-fonttools and python3-brotli (in /usr/bin/python3)."""
import argparse
import base64
import configparser
import hashlib
import html
import io
import json
import pathlib
import re
import shutil

from fontTools import subset
from fontTools.ttLib import TTFont

# The classic window wants a mouse and room; every touch screen, and any
# screen too narrow for the window, gets the layout made for a thumb.
NARROW_PX = 600
CLASSIC = f"(min-width: {NARROW_PX}px) and (not (pointer: coarse))"
TOUCH = f"(max-width: {NARROW_PX - 0.02}px), (pointer: coarse)"
# The smallest target a pointer may have in the classic window (WCAG 2.5.8).
MIN_TARGET_PX = 24

args = argparse.ArgumentParser()
for option in ("--web", "--resources", "--layout", "--module", "--out"):
    args.add_argument(option, type=pathlib.Path, required=True)
args = args.parse_args()
web, resources, out = args.web, args.resources, args.out
layout = json.loads(args.layout.read_text(encoding="utf-8"))
rows = {row["name"]: row for row in layout["rows"]}
TWIPS_PER_PX = layout["twipsPerPixel"]


def element_id(name):
    """"Option1(0)" is written Option1_0."""
    return re.sub(r"\((\d+)\)", r"_\1", name)


def attrs(**pairs):
    text = ""
    for key, value in pairs.items():
        key = key.rstrip("_").replace("_", "-")
        if value is True:
            text += f" {key}"
        elif value not in (None, False):
            text += f' {key}="{html.escape(str(value))}"'
    return text


def px(twips):
    return f"{twips / TWIPS_PER_PX:g}px"


# The desktop entry names the program in Persian and says what it does.
entry = configparser.ConfigParser(interpolation=None)
entry.optionxform = str
entry.read(resources / "delvarin-chooser.desktop", encoding="utf-8")
desktop = entry["Desktop Entry"]
persian_name, persian_summary = desktop["Name[fa]"], desktop["Comment[fa]"]

# Which caption names a control, which label shows its value.
caption_of = {name: row["labelledBy"] for name, row in rows.items() if row["labelledBy"]}
value_of = {row["valueOf"]: name for name, row in rows.items() if row["valueOf"]}
captions = set(caption_of.values())
LABELABLE = {"TextBox", "DropDown", "OptionButton", "CheckBox"}


def control(name, start):
    """The element of a row, in the window's starting state."""
    row = rows[name]
    ident, kind = element_id(name), row["kind"]
    text = start.get(name, row["text"])
    classes = ["control"]
    if kind == "Label":
        if row["spokenName"]:  # a hot spot that opens a page
            return (f'<a{attrs(id=ident, class_="control link", href=layout["homePage"], target="_blank", rel="noopener", aria_label=row["spokenName"])}></a>')
        if row["valueOf"]:
            return (f'<output{attrs(id=ident, class_="control label value", for_=element_id(row["valueOf"]), aria_live="off")}></output>')
        if name in captions:
            named = [n for n, c in caption_of.items() if c == name]
            target = next((n for n in named if rows[n]["kind"] in LABELABLE
                           and rows[n]["kind"] != "TextBox"), named[0])
            if rows[target]["kind"] in LABELABLE:
                return f'<label{attrs(id=ident, class_="control label", for_=element_id(target))}>{html.escape(text)}</label>'
            return f'<h2{attrs(id=ident, class_="control label")}>{html.escape(text)}</h2>'
        return f'<div{attrs(id=ident, class_="control label")}>{html.escape(text)}</div>'
    if kind == "Picture":
        if row["spokenName"]:
            return (f'<a{attrs(id=ident, class_="control link", href=layout["blogArticle"], target="_blank", rel="noopener")}>'
                    f'<img{attrs(src="question.webp", alt=row["spokenName"], width=24, height=24)}></a>')
        return f'<img{attrs(id=ident, class_="control", src="photo.webp", alt="", width=640, height=480)}>'
    if kind == "Line" or row["decorative"]:
        classes = "line" if kind == "Line" else "frame-box" + (" off" if name in start["off"] else "")
        return f'<div{attrs(id=ident, class_="control " + classes, aria_hidden="true")}></div>'
    labelled = element_id(caption_of[name]) if name in caption_of else None
    described = element_id(value_of[name]) if name in value_of else None
    if kind == "TextBox":
        return (f'<input{attrs(id=ident, class_="control box" + (" off" if name in start["off"] else ""), type="text", value=text, dir="rtl", lang="fa", autocomplete="off", spellcheck="false", autocapitalize="off", aria_labelledby=labelled, aria_describedby=described, disabled=name in start["disabled"], autofocus=name == "Text2")}>')
    if kind == "DropDown":
        items, chosen = start["lists"][name]
        options = "".join(f'<option{attrs(selected=i == chosen)}>{html.escape(item)}</option>'
                          for i, item in enumerate(items))
        return f'<select{attrs(id=ident, class_="control", dir="rtl", aria_labelledby=labelled)}>{options}</select>'
    if kind == "OptionButton":
        return (f'<input{attrs(id=ident, class_="control choice", type="radio", name=re.sub(r"[(].*", "", name), checked=name in start["checked"])}>')
    if kind == "CheckBox":
        return f'<input{attrs(id=ident, class_="control choice", type="checkbox", disabled=name in start["disabled"], checked=name in start["checked"])}>'
    if kind == "CommandButton":
        return f'<button{attrs(id=ident, class_="control", type="button")}>{html.escape(text)}</button>'
    if kind == "ResultBox":
        # Markup would read a CR LF as a line feed alone; the box holds both.
        shown = html.escape(text).replace("\r", "&#13;")
        return f'<div{attrs(id=ident, class_="control result")}>{shown}</div>'
    raise ValueError(f"no element for {name}")


# What Form_Load leaves, as the form itself left it when run at build time.
start = {
    "lists": {n: (r["start"]["items"], r["start"]["chosen"]) for n, r in rows.items()
              if r["kind"] == "DropDown"},
    "checked": {n for n, r in rows.items() if r["start"]["value"]},
    "disabled": {n for n, r in rows.items() if not r["start"]["enabled"]},
    "off": {n for n, r in rows.items() if r["start"]["off"]},
    **{n: r["start"]["text"] for n, r in rows.items() if r["kind"] in ("Label", "TextBox", "ResultBox")},
}


def field(*parts, cls="field"):
    """A wrapper around controls (by row name) and markup already written."""
    inner = "".join(p if p.startswith("<") else control(p, start) for p in parts)
    return f'<div class="{cls}">{inner}</div>'


# The window's controls in its tab order, each with its caption and value:
# the order screen readers read and the keyboard follows, and the phone's
# column from top to bottom.
client = "".join([
    '<div class="inputs">',
    field("Image1", "Label4(0)", "Label4(1)", cls="photo"),
    control("Text1", start), control("Text3", start), control("Line1", start),
    field("Label1", "Text2", "Label13"),
    field("Check1", "Label2", "Text6", "Label14", cls="field prefix"),
    field(field("Option2(0)", "Label11", cls="pick"), field("Option2(1)", "Label12", cls="pick"),
          cls="picks"),
    control("Line2", start),
    f'<div{attrs(id="Frame1", class_="control picks")}>'
    + field("Option1(0)", "Label3", cls="pick") + field("Option1(1)", "Label5", cls="pick") + "</div>",
    field("Label6", "Combo1"), field("Label7", "Combo2"),
    control("Label9", start), control("Command2", start),
    "</div>",
    f'<section{attrs(class_="results", aria_labelledby="Label10")}>'
    + control("Label10", start) + control("Text5", start) + control("Image2", start) + "</section>",
    control("Label8", start),
])
placed = {n for n in rows if rows[n]["kind"] != "Timer"} - {"Frame1"}
written = re.findall(r'id="([^"]+)"', client)
missing = {element_id(n) for n in placed} - set(written)
assert not missing, f"rows without an element: {missing}"
# The markup's order is the keyboard's: it must be the form's tab order.
# The check box that starts switched off is worked by its caption alone.
stops = [element_id(n) for n in layout["tabOrder"]
         if rows[n]["kind"] != "CheckBox" or rows[n]["start"]["enabled"]]
assert [i for i in written if i in stops] == stops, f"markup out of the tab order: {written}"


def classic_rules():
    """Each control's place, font and colours in the classic window."""
    faces = {"IranSansZ": '"IranSansZ"', "Arial": 'Arial, "Liberation Sans", "DejaVu Sans", sans-serif',
             "Verdana": 'Verdana, "DejaVu Sans", sans-serif'}
    order = [name for name in rows if rows[name]["kind"] != "Timer"]
    boxes, targets = {}, []
    for name in order:
        row = rows[name]
        if row["kind"] == "Line":
            x1, y1, x2, y2 = (v / TWIPS_PER_PX for v in row["ends"])
            w = layout["lineWidthPx"]
            boxes[name] = [min(x1, x2) - (w / 2 if x1 == x2 else 0),
                           min(y1, y2) - (w / 2 if y1 == y2 else 0),
                           w if x1 == x2 else abs(x2 - x1), w if y1 == y2 else abs(y2 - y1)]
            continue
        left, top, width, height = (v / TWIPS_PER_PX for v in row["box"])
        if row["kind"] in ("OptionButton", "CheckBox") or row["spokenName"]:
            # A small mark or hot spot is a target of 24 px around its centre.
            w, h = max(width, MIN_TARGET_PX), max(height, MIN_TARGET_PX)
            left, top, width, height = left + (width - w) / 2, top + (height - h) / 2, w, h
            targets.append(name)
        boxes[name] = [left, top, width, height]
    # Targets that grew into each other meet halfway.
    for a in targets:
        for b in targets:
            (ax, ay, aw, ah), (bx, by, bw, bh) = boxes[a], boxes[b]
            if a < b and ax < bx + bw and bx < ax + aw and ay < by + bh and by < ay + ah:
                upper, lower = (boxes[a], boxes[b]) if ay < by else (boxes[b], boxes[a])
                overlap = upper[1] + upper[3] - lower[1]
                upper[1] -= overlap / 2
                lower[1] += overlap / 2
    rules = []
    for name in order:
        row, (left, top, width, height) = rows[name], boxes[name]
        decls = {"z-index": str(len(order) - order.index(name)), "left": f"{left:g}px",
                 "top": f"{top:g}px", "width": f"{width:g}px", "height": f"{height:g}px"}
        if row["kind"] == "Line":
            decls["background"] = row["fore"]
        if "face" in row:
            decls["font"] = f'{row["points"]:g}pt {faces[row["face"]]}'
        if "back" in row and not row["transparent"]:
            decls["background-color"] = row["back"]
        if "fore" in row and row["kind"] != "Line":
            decls["color"] = row["fore"]
        decls["text-align"] = row["align"]
        rules.append(f"#{element_id(name)}{{" + ";".join(f"{k}:{v}" for k, v in decls.items()) + "}")
    return "\n".join(rules)


def face(shown):
    """The face, cut down to what the page shows and what a parent may type."""
    font = TTFont(resources / "iransansz-webfont.ttf")
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["*"]
    typed = list(range(0x0621, 0x0656)) + [0x0670, 0x067E, 0x0686, 0x0698, 0x06A9, 0x06AF,
                                            0x06CC, 0x200C, 0x200D] + list(range(0x06F0, 0x06FA))
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=sorted({ord(c) for c in shown} | set(typed) | set(range(0x20, 0x7F))))
    subsetter.subset(font)
    data = io.BytesIO()
    font.flavor = "woff2"
    font.save(data)
    return base64.b64encode(data.getvalue()).decode("ascii")


out.mkdir(parents=True, exist_ok=True)
for stale in out.iterdir():
    if stale.is_file():
        stale.unlink()

page_js = (web / "page.js").read_text(encoding="utf-8")
template = (web / "index.html").read_text(encoding="utf-8")
constants = {key: layout[key] for key in ("title", "clientWidth", "timerIntervalMs", "buttonFace",
                                         "twipsPerPixel", "frameTwips", "events", "eventNames", "nameCount")}
constants["rows"] = [{"id": element_id(r["name"]), "kind": r["kind"]} for r in layout["rows"]]
constants["touchQuery"] = TOUCH
(out / "page.js").write_text(page_js.replace("@CONSTANTS@", json.dumps(constants, ensure_ascii=False)),
                             encoding="utf-8")
page = (template.replace("@TITLE@", html.escape(layout["title"]))
        .replace("@MESSAGE_BUTTON@", html.escape(layout["messageButton"]))
        .replace("@DESCRIPTION@", html.escape(persian_summary))
        .replace("@CLIENT@", client))
(out / "index.html").write_text(page, encoding="utf-8")

shown = layout["shownCharacters"] + page + page_js
css = (web / "page.css").read_text(encoding="utf-8")
css = (css.replace("@FACE@", face(shown)).replace("@LIGHT_YELLOW@", layout["colours"]["lightYellow"])
       .replace("@DARK_RED@", layout["colours"]["darkRed"]).replace("@CLASSIC@", CLASSIC)
       .replace("@TOUCH@", TOUCH))
css = css.replace("@CLIENT_WIDTH@", px(layout["clientWidth"])).replace("@CLIENT_HEIGHT@", px(layout["clientHeight"]))
css += f"\n@media {CLASSIC} {{\n{classic_rules()}\n}}\n"
(out / "page.css").write_text(css, encoding="utf-8")

module = args.module
shutil.copy(module, out / "engine.js")
wasm = module.with_suffix(".wasm").read_bytes()
(out / "engine.wasm").write_bytes(wasm)
# Opened from disk a browser fetches nothing: the module comes as a script.
(out / "engine-wasm.js").write_text(
    "// SPDX-License-Identifier: GPL-3.0-or-later\n"
    f'self.delvarinWasm = "{base64.b64encode(wasm).decode("ascii")}";\n', encoding="ascii")
for picture in (resources / "web").iterdir():
    shutil.copy(picture, out / picture.name)
shutil.copy(resources / "hicolor/48x48/apps/delvarin-chooser.png", out / "icon-48.png")
shutil.copy(resources / "OFL.txt", out / "OFL.txt")
(out / "robots.txt").write_text("User-agent: *\nAllow: /\n", encoding="ascii")
manifest = {
    "id": "./", "start_url": "./", "scope": "./",
    "name": persian_name, "short_name": layout["title"], "description": persian_summary,
    "lang": "fa", "dir": "rtl", "display": "standalone",
    "theme_color": "#0a246a", "background_color": "#f0f0f0",
    "icons": [{"src": "icon-192.png", "sizes": "192x192", "type": "image/png", "purpose": "any"},
              {"src": "icon-512.png", "sizes": "512x512", "type": "image/png", "purpose": "any"},
              {"src": "icon-maskable-512.png", "sizes": "512x512", "type": "image/png",
               "purpose": "maskable"}],
}
(out / "manifest.webmanifest").write_text(json.dumps(manifest, ensure_ascii=False, indent=1),
                                          encoding="utf-8")

# What a visit needs, kept by the service worker; a new build, a new cache.
offline = ["./", "page.css", "page.js", "engine.js", "engine.wasm", "photo.webp", "question.webp",
           "icon-48.png", "manifest.webmanifest"]
# The version is every file's content (page.js still holding its placeholder)
# and the worker's own; page.js and the worker then both carry it.
sw = (web / "sw.js").read_text(encoding="utf-8").replace("@FILES@", json.dumps(offline))
digest = hashlib.sha256(sw.encode())
for name in sorted(p.name for p in out.iterdir()):
    digest.update(name.encode() + (out / name).read_bytes())
version = digest.hexdigest()[:16]
(out / "sw.js").write_text(sw.replace("@VERSION@", version), encoding="utf-8")
(out / "page.js").write_text((out / "page.js").read_text(encoding="utf-8").replace("@VERSION@", version),
                             encoding="utf-8")
