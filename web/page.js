// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a page. Every place, text, font, colour and tab index comes
// from the layout table the module exports; every value, message, planet
// label and list from the engine inside it. Handlers keep the window's names
// and do what the window's do: read controls, ask the engine, write controls.
"use strict";

(async () => {
  // The face decodes while the module compiles.
  const faceLoaded = document.fonts.load('12pt "IranSansZ"');
  const M = await DelvarinModule();

  // Texts go in as UTF-16 code units, as the window's boxes hold them.
  const call = (fn, ...args) => {
    const held = [];
    const flat = [];
    for (const a of args) {
      if (typeof a === "string") {
        const p = M._malloc(a.length * 2 + 2);
        for (let i = 0; i < a.length; ++i) M.HEAPU16[(p >> 1) + i] = a.charCodeAt(i);
        held.push(p);
        flat.push(p, a.length);
      } else {
        flat.push(a ? Number(a) : 0);
      }
    }
    const result = M["_delvarin_" + fn](...flat);
    held.forEach((p) => M._free(p));
    return result;
  };
  const answer = () => {
    const at = M._delvarin_answer() >> 1;
    const n = M._delvarin_answer_length();
    let text = "";
    for (let i = 0; i < n; i += 8192)
      text += String.fromCharCode.apply(null, M.HEAPU16.subarray(at + i, at + Math.min(n, i + 8192)));
    return text;
  };

  call("layout");
  const L = JSON.parse(answer());
  const px = (twips) => twips / 15;
  const byName = {};

  const Form1 = document.getElementById("Form1");
  const Client = document.getElementById("Client");
  const frame = (Form1.offsetWidth - Form1.clientWidth) / 2 || 2;
  document.getElementById("Title").textContent = L.title;
  document.title = L.title;
  Form1.setAttribute("aria-label", L.title);
  Client.style.width = px(L.clientWidth) + "px";
  Client.style.height = px(L.clientHeight) + "px";

  // Each control is an element whose id is its control name, "Option1(0)"
  // becoming "Option1_0".
  const idOf = (name) => name.replace(/\((\d+)\)/, "_$1");
  const focusable = new Set(["DropDown", "OptionButton", "TextBox", "ResultBox", "CommandButton", "CheckBox"]);
  const fonts = {
    IranSansZ: '"IranSansZ"',
    Arial: 'Arial, "Liberation Sans", "DejaVu Sans", sans-serif',
    Verdana: 'Verdana, "DejaVu Sans", sans-serif',
  };
  const place = (el, r) => {
    el.id = idOf(r.name);
    el.classList.add("control");
    const [left, top, width, height] = r.box;
    Object.assign(el.style, {
      left: px(left) + "px",
      top: px(top) + "px",
      width: px(width) + "px",
      height: px(height) + "px",
    });
    if (r.face) el.style.font = `${r.points}pt ${fonts[r.face]}`;
    if (r.back) el.style.background = r.back;
    if (r.fore) el.style.color = r.fore;
    if (r.transparent) el.style.background = "transparent";
    el.style.textAlign = r.align;
    if (r.rightToLeft) el.dir = "rtl";
    if (r.help) el.classList.add("help");
    if (r.tabIndex !== undefined && focusable.has(r.kind)) el.tabIndex = r.tabIndex + 1;
    byName[r.name] = el;
    return el;
  };

  const createControl = (r) => {
    let el;
    switch (r.kind) {
      case "Timer":
        return null;
      case "Frame":
        el = place(document.createElement("div"), r);
        el.tabIndex = -1;
        el.style.background = "transparent";
        return el;
      case "DropDown":
        el = place(document.createElement("select"), r);
        el.dir = "rtl";
        return el;
      case "OptionButton":
      case "CheckBox":
        el = place(document.createElement("input"), r);
        el.type = r.kind === "CheckBox" ? "checkbox" : "radio";
        // An array's members share a group: "Option1(0)" and "Option1(1)".
        if (r.kind === "OptionButton") el.name = r.name.replace(/\(\d+\)/, "");
        return el;
      case "Label":
        el = place(document.createElement("div"), r);
        el.classList.add("label");
        el.textContent = r.text;
        return el;
      case "TextBox":
        if (!r.enabled) {
          // The sunken boxes behind the name boxes take no input.
          el = place(document.createElement("div"), r);
          el.classList.add("frame-box");
          return el;
        }
        el = place(document.createElement("input"), r);
        Object.assign(el, { type: "text", value: r.text, lang: "fa", spellcheck: false, autocomplete: "off" });
        el.setAttribute("autocapitalize", "off");
        el.setAttribute("inputmode", "text");
        return el;
      case "ResultBox":
        el = place(document.createElement("div"), r);
        el.classList.add("result");
        el.setAttribute("role", "textbox");
        el.setAttribute("aria-readonly", "true");
        el.setAttribute("aria-multiline", "true");
        el.textContent = r.text;
        return el;
      case "CommandButton":
        el = place(document.createElement("button"), r);
        el.type = "button";
        el.textContent = r.text;
        return el;
      case "Picture":
        el = place(document.createElement("img"), r);
        el.alt = "";
        return el;
      case "Line": {
        el = document.createElement("div");
        el.id = r.name;
        el.classList.add("control");
        const [x1, y1, x2, y2] = r.ends;
        const w = L.lineWidthPx;
        Object.assign(el.style, {
          left: px(Math.min(x1, x2)) - (x1 === x2 ? w / 2 : 0) + "px",
          top: px(Math.min(y1, y2)) - (y1 === y2 ? w / 2 : 0) + "px",
          width: (x1 === x2 ? w : px(Math.abs(x2 - x1))) + "px",
          height: (y1 === y2 ? w : px(Math.abs(y2 - y1))) + "px",
          background: r.fore,
        });
        byName[r.name] = el;
        return el;
      }
    }
    return null;
  };

  // Earlier rows lie over later ones.
  L.rows.forEach((r, i) => {
    const el = createControl(r);
    if (!el) return;
    el.style.zIndex = String(L.rows.length - i);
    if (r.inFrame) byName.Frame1.appendChild(el);
    else Client.appendChild(el);
  });

  const [Combo1, Combo2, Check1, Command2] = ["Combo1", "Combo2", "Check1", "Command2"].map((n) => byName[n]);
  const [Text2, Text3, Text5, Text6] = ["Text2", "Text3", "Text5", "Text6"].map((n) => byName[n]);
  const [Label2, Label9, Label13, Label14] = ["Label2", "Label9", "Label13", "Label14"].map((n) => byName[n]);
  const Option1 = [byName["Option1(0)"], byName["Option1(1)"]];
  const Option2 = [byName["Option2(0)"], byName["Option2(1)"]];
  byName.Image1.src = document.body.dataset.photo;
  byName.Image2.src = document.body.dataset.question;
  for (const g of L.groups) Combo1.add(new Option(g));

  // Screen readers hear each control by the label beside it.
  const labelled = {
    Text2: "Label1", Text6: "Label2", Combo1: "Label6", Combo2: "Label7", Text5: "Label10",
    "Option2(0)": "Label11", "Option2(1)": "Label12", "Option1(0)": "Label3", "Option1(1)": "Label5",
  };
  for (const [control, label] of Object.entries(labelled))
    byName[control].setAttribute("aria-labelledby", idOf(label));
  const shortcut = "كليد ميانبر: Alt+P";
  for (const el of [Label2, Check1]) {
    el.title = shortcut;
    el.setAttribute("aria-description", shortcut);
  }
  Check1.setAttribute("aria-labelledby", "Label2");

  const setBack = (el, colour) => (el.style.background = colour);

  // Width of the whole window, borders included, in twips.
  let outer = L.clientWidth + frame * 2 * 15;
  const FullWidth = outer;
  const widths = [];
  const fit = () => {
    const avail = document.documentElement.clientWidth - 16;
    const scale = Math.min(1, avail / (FullWidth / 15));
    Form1.style.transform = scale < 1 ? `scale(${scale})` : "";
    const desk = document.getElementById("desk");
    desk.style.height = Form1.offsetHeight * scale + "px";
    desk.style.width = (FullWidth / 15) * scale + "px";
  };
  const outerWidth = () => outer;
  const setOuterWidth = (twips) => {
    outer = twips;
    widths.push(twips);
    Form1.style.width = twips / 15 + "px";
  };
  window.addEventListener("resize", fit);

  // Modal message boxes: one OK button, the application title.
  const dialog = document.getElementById("MsgBox");
  document.getElementById("MsgBoxTitle").textContent = L.title;
  const MsgBox = (text) =>
    new Promise((resolve) => {
      document.getElementById("MsgBoxText").textContent = text;
      dialog.addEventListener("close", () => resolve(), { once: true });
      dialog.showModal();
    });

  // The group list fills the planet list; choosing a planet shows its
  // description. A selection made by the program counts as a click.
  const setListIndex = (combo, index, click) => {
    combo.selectedIndex = index;
    click();
  };
  const Combo1_Click = () => {
    Combo2.length = 0;
    const selected = call("group_entries", Combo1.selectedIndex);
    if (selected < 0) return;
    answer()
      .split("\n")
      .slice(0, -1)
      .forEach((label, i) => {
        Combo2.add(new Option(label));
        if (i === selected) setListIndex(Combo2, i, Combo2_Click);
      });
  };
  const Combo2_Click = () => {
    const label = Combo2.selectedIndex >= 0 ? Combo2.options[Combo2.selectedIndex].text : "";
    call("planet_description", label);
    Label9.textContent = answer();
  };

  // What a name box keeps: the engine's rule, applied to every edit.
  const kept = new Map();
  const edited = (box, change) => {
    const caret = call("edit", kept.get(box), box.value, box.selectionEnd ?? box.value.length);
    const text = answer();
    if (text !== box.value) {
      box.value = text;
      box.setSelectionRange(caret, caret);
    }
    if (text === kept.get(box)) return;
    kept.set(box, text);
    change();
  };
  const valueText = (text) => {
    call("value_text", text, !Option1[0].checked);
    return answer();
  };
  const Text2_Change = () => (Label13.textContent = valueText(Text2.value));
  const Text6_Change = () => (Label14.textContent = valueText(Text6.value));

  const Label2_Click = () => {
    if (Check1.checked) {
      setBack(Text3, L.buttonFace);
      setBack(Text6, L.buttonFace);
      Text6.disabled = true;
      Check1.checked = false;
      Text2.focus();
      Label14.textContent = "";
    } else {
      setBack(Text3, L.lightYellow);
      setBack(Text6, L.lightYellow);
      Text6.disabled = false;
      Check1.checked = true;
      Text6.focus();
    }
  };

  let timer = null;
  const Timer1_Timer = () => {
    timer = null;
    MakeNameList();
  };
  const Command2_Click = async () => {
    if (!(await CheckComplete())) return;
    const width = outerWidth();
    if (width !== FullWidth) {
      for (let counter = width; counter <= FullWidth - 1; counter += L.wideningStep)
        setOuterWidth(outerWidth() + L.wideningStep);
      setOuterWidth(FullWidth);
    }
    if (timer === null) timer = setTimeout(Timer1_Timer, L.timerIntervalMs);
  };

  const CheckComplete = async () => {
    const refused = call("check", Text2.value, Option2[0].checked, Option2[1].checked, Text6.value,
                         Check1.checked);
    if (refused) await MsgBox(answer());
    return !refused;
  };

  const resultTabIndex = Text5.tabIndex;
  const setBusy = (busy) => {
    Form1.classList.toggle("busy", busy);
    setBack(Text5, busy ? L.buttonFace : L.lightYellow);
    Text5.setAttribute("aria-disabled", String(busy));
    Text5.tabIndex = busy ? -1 : resultTabIndex;
  };
  const page = (window.delvarinPage = { widths, listMs: 0, floorMs: 0 });
  const MakeNameList = async () => {
    setBusy(true);
    // Let the busy state show before the work.
    await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
    const started = performance.now();
    const entries = Array.from(Combo2.options, (o) => o.text + "\n").join("");
    const chosen = Combo2.selectedIndex >= 0 ? Combo2.options[Combo2.selectedIndex].text : "";
    const refused = call("make_list", !Option1[0].checked, Text2.value, Text6.value, Check1.checked,
                         Option2[0].checked, chosen, entries);
    if (refused) await MsgBox(answer());
    else showList(answer());
    void Text5.offsetHeight; // laid out, as the floor is
    page.listMs = performance.now() - started;
    setBusy(false);
    Text5.scrollTop = 0;
    page.lists = (page.lists || 0) + 1;
  };
  // Writes the list ten lines at a time, as the window does.
  const showList = (all) => {
    Text5.textContent = "";
    const node = Text5.appendChild(document.createTextNode(""));
    let written = 0;
    let at = 0;
    for (let k = 0; ; ++k) {
      const end = all.indexOf("\r\n", at);
      if (end < 0) break;
      at = end + 2;
      if (k % L.repaintEvery === 0) {
        node.appendData(all.substring(written, at));
        written = at;
      }
    }
    node.appendData(all.substring(written));
  };
  page.floor = (text) => {
    const started = performance.now();
    Text5.textContent = text;
    void Text5.offsetHeight;
    page.floorMs = performance.now() - started;
  };

  const openLink = (address) => window.open(address, "_blank", "noopener");

  Combo1.addEventListener("change", Combo1_Click);
  Combo2.addEventListener("change", Combo2_Click);
  for (const [box, change] of [[Text2, Text2_Change], [Text6, Text6_Change]]) {
    kept.set(box, box.value);
    box.addEventListener("input", (e) => e.isComposing || edited(box, change));
    box.addEventListener("compositionend", () => edited(box, change));
    box.addEventListener("keydown", (e) => {
      if (e.key === "Enter" && !e.isComposing) {
        e.preventDefault();
        Command2.click();
      }
    });
  }
  Label2.classList.add("clickable");
  Label2.addEventListener("click", Label2_Click);
  document.addEventListener("keydown", (e) => {
    if (e.altKey && e.code === "KeyP" && !dialog.open) {
      e.preventDefault();
      Label2_Click();
    }
  });
  for (const [label, option] of [["Label3", Option1[0]], ["Label5", Option1[1]],
                                 ["Label11", Option2[0]], ["Label12", Option2[1]]]) {
    byName[label].classList.add("clickable");
    byName[label].addEventListener("click", () => (option.checked = true));
  }
  Command2.addEventListener("click", Command2_Click);
  byName.Image2.addEventListener("click", () => openLink(L.blogArticle));
  byName.Label8.addEventListener("click", () => openLink(L.homePage));

  // The window's start-up. A page is always Unicode: no code page to ask about.
  setListIndex(Combo1, 0, Combo1_Click);
  Option1[1].checked = true;
  Check1.checked = false;
  Check1.disabled = true;
  setBack(Text3, L.buttonFace);
  setBack(Text6, L.buttonFace);
  Text6.disabled = true;
  Label9.textContent = "";
  setOuterWidth(L.narrowWidth);
  widths.length = 0;
  Label13.textContent = "";
  Label14.textContent = "";
  page.names = call("read_data");
  fit();
  await faceLoaded;
  await document.fonts.ready;
  document.documentElement.dataset.ready = "1";
  page.readyMs = performance.now();
})();
