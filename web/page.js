// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a page. Its controls stand in the markup as the window opens
// (written from the window's layout table); every value, message, planet
// label and list comes from the engine. Handlers keep the window's names and
// do what the window's do: read controls, ask the engine, write controls.
// The page adds what a parent on a phone needs: stars and a shortlist, an
// address that carries the request and the stars, and sharing it. Nothing a
// parent types or stars is stored or sent anywhere.
"use strict";

const L = @CONSTANTS@;

// From disk a browser fetches nothing: the module then comes as a script.
const loadEngine = () =>
  location.protocol !== "file:"
    ? DelvarinModule()
    : new Promise((resolve, reject) => {
        const script = document.createElement("script");
        script.src = "engine-wasm.js";
        script.onload = () =>
          resolve(DelvarinModule({ wasmBinary: Uint8Array.from(atob(self.delvarinWasm), (c) => c.charCodeAt(0)) }));
        script.onerror = reject;
        document.head.append(script);
      });

// Served, the page can be installed; from disk a browser would refuse to
// read the manifest.
if (location.protocol !== "file:") {
  const manifest = Object.assign(document.createElement("link"), { rel: "manifest", href: "manifest.webmanifest" });
  document.head.append(manifest);
}

(async () => {
  const M = await loadEngine();
  const moduleMs = performance.now();
  const $ = (id) => document.getElementById(id);

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
  const lineIndices = () => {
    const at = M._delvarin_line_indices() >> 2;
    return Array.from(M.HEAP32.subarray(at, at + M._delvarin_line_count()));
  };

  const windowBox = $("Window");
  const [Form1, Combo1, Combo2, Check1, Command2] = ["Form1", "Combo1", "Combo2", "Check1", "Command2"].map($);
  const [Text2, Text3, Text5, Text6] = ["Text2", "Text3", "Text5", "Text6"].map($);
  const [Label2, Label9, Label13, Label14] = ["Label2", "Label9", "Label13", "Label14"].map($);
  const Option1 = [$("Option1_0"), $("Option1_1")];
  const Option2 = [$("Option2_0"), $("Option2_1")];
  const results = Text5.closest("section");
  const phone = matchMedia(`(max-width: ${L.phoneBreakpointPx - 0.02}px)`);
  // The two back colours a box takes: its own, or button face for a box that
  // is off or busy. The markup holds the state the window opens with, so
  // start-up changes nothing that is already so.
  const setBack = (el, colour) => el.classList.toggle("off", colour === L.buttonFace);
  const setText = (el, text) => el.textContent !== text && (el.textContent = text);

  // Width of the whole window, borders included, in twips: the design's
  // client area and a frame of 2 px a side.
  const FullWidth = L.clientWidth + 4 * 15;
  let outer = L.narrowWidth;
  const widths = [];
  const outerWidth = () => outer;
  const setOuterWidth = (twips) => {
    widths.push(twips);
    if (twips === outer) return;
    outer = twips;
    windowBox.style.setProperty("--outer", twips / 15 + "px");
    windowBox.dataset.wide = String(twips >= FullWidth);
  };

  // Modal message boxes: one OK button, the application title.
  const dialog = $("MsgBox");
  const MsgBox = (text) =>
    new Promise((resolve) => {
      $("MsgBoxText").textContent = text;
      dialog.addEventListener("close", () => resolve(), { once: true });
      dialog.showModal();
    });

  // A drop-down's handler runs when its chosen item changes, by the user or
  // by code; adding items chooses none.
  const chosen = new Map([[Combo1, Combo1.selectedIndex], [Combo2, Combo2.selectedIndex]]);
  const setListIndex = (combo, index, click) => {
    combo.selectedIndex = index;
    if (chosen.get(combo) === index) return;
    chosen.set(combo, index);
    click();
  };
  const Combo1_Click = () => {
    Combo2.length = 0;
    chosen.set(Combo2, -1);
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

  // What a name box keeps: the engine's rule, applied to every edit. While
  // an input method composes, the value follows the text as shown.
  const kept = new Map([[Text2, Text2.value], [Text6, Text6.value]]);
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
  const typeInto = (box, text, change) => {
    box.value = text;
    box.setSelectionRange(text.length, text.length);
    edited(box, change);
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
      // On a phone the widening uncovers the result section below the inputs.
      if (phone.matches) results.scrollIntoView({ block: "start" });
    }
    if (timer === null) timer = setTimeout(Timer1_Timer, L.timerIntervalMs);
  };

  const CheckComplete = async () => {
    const refused = call("check", Text2.value, Option2[0].checked, Option2[1].checked, Text6.value,
                         Check1.checked);
    if (refused) await MsgBox(answer());
    return !refused;
  };

  // The list as the window holds it, the catalogue index of each line, and
  // the starred indices.
  let list = null;
  let stars = new Set();
  let pendingStars = null;
  const setBusy = (busy) => {
    Form1.classList.toggle("busy", busy);
    setBack(Text5, busy ? L.buttonFace : L.lightYellow);
    Text5.setAttribute("aria-disabled", String(busy));
    const box = $("Text5List");
    if (box) box.tabIndex = busy ? -1 : 0;
  };
  const page = (window.delvarinPage = { widths, lists: 0, listMs: 0, floorMs: 0 });
  const MakeNameList = async () => {
    setBusy(true);
    // Let the busy state show before the work.
    await new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));
    const started = performance.now();
    const entries = Array.from(Combo2.options, (o) => o.text + "\n").join("");
    const label = Combo2.selectedIndex >= 0 ? Combo2.options[Combo2.selectedIndex].text : "";
    const refused = call("make_list", !Option1[0].checked, Text2.value, Text6.value, Check1.checked,
                         Option2[0].checked, label, entries);
    if (refused) {
      await MsgBox(answer());
    } else {
      const indices = lineIndices();
      // Stars stay on the names the new list still holds.
      const wanted = pendingStars ?? stars;
      stars = new Set(indices.filter((n) => wanted.has(n)));
      pendingStars = null;
      showList(answer(), indices);
    }
    void Text5.offsetHeight; // laid out, as the floor is
    page.listMs = performance.now() - started;
    setBusy(false);
    Text5.scrollTop = 0;
    Text5.scrollLeft = 0;
    writeAddress();
    page.lists += 1;
  };

  // Each line is an option of a list box: a click, or Enter or Space on it,
  // stars the name. The text is the window's, line ends and all.
  const showList = (text, indices) => {
    list = { text, indices, rows: [] };
    const box = document.createElement("div");
    Object.assign(box, { id: "Text5List", tabIndex: 0 });
    box.setAttribute("role", "listbox");
    box.setAttribute("aria-multiselectable", "true");
    box.setAttribute("aria-labelledby", "Label10");
    let at = 0;
    for (let k = 0; k < indices.length; ++k) {
      const end = text.indexOf("\r\n", at);
      const row = document.createElement("span");
      row.id = "Text5_" + k;
      row.setAttribute("role", "option");
      row.setAttribute("aria-checked", String(stars.has(indices[k])));
      row.textContent = text.substring(at, end);
      box.append(row, "\r\n");
      list.rows.push(row);
      at = end + 2;
    }
    Text5.replaceChildren(box, text.substring(at));
    box.addEventListener("click", (e) => {
      const k = list.rows.indexOf(e.target.closest("[role=option]"));
      // A drag that selects text is no click on a name.
      if (k < 0 || !getSelection().isCollapsed) return;
      activate(k);
      toggleStar(k);
    });
    box.addEventListener("keydown", listKeys);
    box.addEventListener("focus", () => activate(active < 0 ? 0 : active));
    active = -1;
    windowBox.dataset.listed = "true";
    showShortlist();
  };
  let active = -1;
  const activate = (k) => {
    const box = $("Text5List");
    if (!list || !list.rows.length) return;
    if (active >= 0) list.rows[active].classList.remove("active");
    active = Math.max(0, Math.min(list.rows.length - 1, k));
    const row = list.rows[active];
    row.classList.add("active");
    box.setAttribute("aria-activedescendant", row.id);
    row.scrollIntoView({ block: "nearest" });
  };
  const listKeys = (e) => {
    const step = 10;
    const moves = { ArrowDown: active + 1, ArrowUp: active - 1, Home: 0, End: Infinity,
                    PageDown: active + step, PageUp: active - step };
    if (Object.hasOwn(moves, e.key)) {
      activate(moves[e.key]);
    } else if (e.key === " " || e.key === "Enter") {
      if (active >= 0) toggleStar(active);
    } else {
      return;
    }
    e.preventDefault();
  };
  const toggleStar = (k) => {
    const n = list.indices[k];
    if (stars.has(n)) stars.delete(n);
    else stars.add(n);
    list.rows[k].setAttribute("aria-checked", String(stars.has(n)));
    showShortlist();
    writeAddress();
  };
  // The starred names together, in the list's order, which is the catalogue's.
  const showShortlist = () => {
    const items = [];
    list.rows.forEach((row, k) => {
      if (!stars.has(list.indices[k])) return;
      const item = document.createElement("li");
      const button = document.createElement("button");
      button.type = "button";
      button.textContent = row.textContent;
      button.setAttribute("aria-pressed", "true");
      button.addEventListener("click", () => toggleStar(k));
      item.append(button);
      items.push(item);
    });
    $("Shortlist").replaceChildren(...items);
  };

  // The address carries the request and the stars, as the list command's
  // options name them; it changes in place, adding nothing to the history.
  const requestKeys = ["mother", "gender", "delete-letters", "use-prefix", "prefix", "group",
                       "planet", "stars"];
  const writeAddress = () => {
    const a = new URLSearchParams();
    a.set("mother", Text2.value);
    if (Option2[0].checked || Option2[1].checked) a.set("gender", Option2[0].checked ? "boy" : "girl");
    if (Option1[0].checked) a.set("delete-letters", "1");
    if (Check1.checked) {
      a.set("use-prefix", "1");
      a.set("prefix", Text6.value);
    }
    a.set("group", String(Combo1.selectedIndex));
    if (Combo2.selectedIndex >= 0) a.set("planet", Combo2.options[Combo2.selectedIndex].text);
    if (stars.size) a.set("stars", [...stars].sort((x, y) => x - y).join("."));
    history.replaceState(null, "", "#" + a.toString());
  };
  // An address is read as typing and clicking would give it: texts through
  // the boxes' rule, choices that are none of the choices dropped; then the
  // button is pressed, and whatever is missing is refused as usual.
  const readAddress = async () => {
    const a = new URLSearchParams(location.hash.slice(1));
    if (!requestKeys.some((key) => a.has(key))) return;
    if (a.has("mother")) typeInto(Text2, a.get("mother"), Text2_Change);
    const gender = ["boy", "girl"].indexOf(a.get("gender"));
    if (gender >= 0) Option2[gender].checked = true;
    Option1[a.get("delete-letters") === "1" ? 0 : 1].checked = true;
    if (a.get("use-prefix") === "1") {
      Label2_Click();
      if (a.has("prefix")) typeInto(Text6, a.get("prefix"), Text6_Change);
    }
    const group = ["0", "1", "2", "3"].indexOf(a.get("group"));
    if (group >= 0) setListIndex(Combo1, group, Combo1_Click);
    const planet = Array.from(Combo2.options, (o) => o.text).indexOf(a.get("planet"));
    if (planet >= 0) setListIndex(Combo2, planet, Combo2_Click);
    pendingStars = new Set(
      (a.get("stars") ?? "").split(".").filter((s) => /^[0-9]{1,4}$/.test(s)).map(Number));
    await Command2_Click();
  };

  const status = $("Status");
  // Copies exactly `text`, whatever its line ends.
  const copy = async (text) => {
    try {
      await navigator.clipboard.writeText(text);
    } catch {
      const put = (e) => {
        e.clipboardData.setData("text/plain", text);
        e.preventDefault();
      };
      document.addEventListener("copy", put, { once: true });
      document.execCommand("copy");
    }
  };
  // The list as the list command prints it: the window's text and a line feed.
  $("CopyList").addEventListener("click", async () => {
    await copy(list.text + "\n");
    status.textContent = "فهرست در حافظه رونوشت شد";
  });
  $("ShareLink").addEventListener("click", async () => {
    const url = location.href;
    if (navigator.share) {
      try {
        await navigator.share({ title: L.title, url });
        status.textContent = "پيوند فرستاده شد";
        return;
      } catch (e) {
        if (e.name === "AbortError") return;
      }
    }
    await copy(url);
    status.textContent = "پيوند در حافظه رونوشت شد";
  });

  const openLink = (e, address) => {
    e.preventDefault();
    window.open(address, "_blank", "noopener");
  };

  Combo1.addEventListener("change", () => setListIndex(Combo1, Combo1.selectedIndex, Combo1_Click));
  Combo2.addEventListener("change", () => setListIndex(Combo2, Combo2.selectedIndex, Combo2_Click));
  for (const [box, change] of [[Text2, Text2_Change], [Text6, Text6_Change]]) {
    box.addEventListener("input", (e) => (e.isComposing ? change() : edited(box, change)));
    box.addEventListener("compositionend", () => edited(box, change));
    box.addEventListener("keydown", (e) => {
      if (e.key === "Enter" && !e.isComposing) {
        e.preventDefault();
        Command2.click();
      }
    });
  }
  // The prefix's caption is its switch; the check box only shows the state.
  Label2.addEventListener("click", (e) => {
    e.preventDefault();
    Label2_Click();
  });
  document.addEventListener("keydown", (e) => {
    if (e.altKey && e.code === "KeyP" && !dialog.open) {
      e.preventDefault();
      Label2_Click();
    }
  });
  Command2.addEventListener("click", Command2_Click);
  $("Image2").addEventListener("click", (e) => openLink(e, L.blogArticle));
  $("Label8").addEventListener("click", (e) => openLink(e, L.homePage));

  // The window's start-up. A page is always Unicode: no code page to ask about.
  setListIndex(Combo1, 0, Combo1_Click);
  Option1[1].checked = true;
  Check1.checked = false;
  Check1.disabled = true;
  setBack(Text3, L.buttonFace);
  setBack(Text6, L.buttonFace);
  Text6.disabled = true;
  setText(Label9, "");
  setOuterWidth(L.narrowWidth);
  widths.length = 0;
  setText(Label13, "");
  setText(Label14, "");
  // What was typed before the module was ready goes through the rule now.
  edited(Text2, Text2_Change);
  edited(Text6, Text6_Change);
  page.floor = (text) => {
    const started = performance.now();
    Text5.textContent = text;
    void Text5.offsetHeight;
    page.floorMs = performance.now() - started;
  };
  if (location.protocol !== "file:" && "serviceWorker" in navigator)
    navigator.serviceWorker.register("sw.js").then((r) => (page.worker = r), () => {});
  document.documentElement.dataset.ready = "1";
  page.readyMs = performance.now();
  page.startMs = page.readyMs - moduleMs;
  // The catalogue and its sign lists are read when the first list needs
  // them, in the button's half second, not while the page opens.
  await readAddress();
})();
