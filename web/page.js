// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a page. Its controls stand in the markup as the window opens
// (written from the window's layout table); the form's handlers are the
// window's own, in the module, and work the elements through the toolkit
// below. The page adds what a parent on a phone needs: stars and a
// shortlist, an address that carries the request and the stars, and sharing
// it. Nothing a parent types or stars is stored or sent anywhere.
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
    return String.fromCharCode.apply(null, M.HEAPU16.subarray(at, at + M._delvarin_answer_length()));
  };
  const lineIndices = () => {
    const at = M._delvarin_line_indices() >> 2;
    return Array.from(M.HEAP32.subarray(at, at + M._delvarin_line_count()));
  };

  const windowBox = $("Window");
  const [Form1, Combo1, Combo2, Check1, Command2, Text2, Text5, Text6] =
    ["Form1", "Combo1", "Combo2", "Check1", "Command2", "Text2", "Text5", "Text6"].map($);
  const results = Text5.closest("section");
  const phone = matchMedia(`(max-width: ${L.phoneBreakpointPx - 0.02}px)`);
  const widths = [];
  const page = (window.delvarinPage = { widths, lists: 0, listMs: 0, floorMs: 0 });

  // The list as the result box holds it, the catalogue index of each line,
  // and the starred indices.
  let list = null;
  let stars = new Set();
  let pendingStars = null;

  // The toolkit the form works the page with: each operation is called with
  // a control's name and, where it takes them, a number and a text. Setting
  // a drop-down's index from code runs its handler when the index changes;
  // adding items chooses none. As in the window, nothing is chosen until
  // Form_Load chooses.
  const chosen = new Map([[Combo1, -1], [Combo2, -1]]);
  const choose = (combo, index) => {
    combo.selectedIndex = index;
    if (chosen.get(combo) === index) return;
    chosen.set(combo, index);
    M["_" + combo.id + "_Click"]();
  };
  // The design's client area and a frame of 2 px a side, in twips.
  const FullWidth = L.clientWidth + 4 * 15;
  let outer = FullWidth;
  let timer = null;
  const dialog = $("MsgBox");
  M.toolkit = {
    text: (name) => (name === "Text5" ? list?.text ?? Text5.textContent : $(name).value),
    setText: (name, _, text) => {
      const el = $(name);
      if (name === "Text5") startList(text);
      else if (el instanceof HTMLInputElement) el.value = text;
      else if (el.textContent !== text) el.textContent = text;  // no needless layout
    },
    appendText: (name, _, text) => appendList(text),
    // A browser paints once the handler is done; nothing to do here.
    refresh: () => {},
    scrollToStart: () => {
      Text5.scrollTop = 0;
      Text5.scrollLeft = 0;
    },
    // A box's own colour, or button face for a box that is off or busy.
    setBackColour: (name, colour) => $(name).classList.toggle("off", colour === L.buttonFace),
    setEnabled: (name, on) => {
      if (name !== "Text5") {
        $(name).disabled = !on;
        return;
      }
      Text5.setAttribute("aria-disabled", String(!on));
      const box = $("Text5List");
      if (box) box.tabIndex = on ? 0 : -1;
    },
    setFocus: (name) => $(name).focus(),
    listCount: (name) => $(name).length,
    list: (name, index) => $(name).options[index]?.text ?? "",
    addItem: (name, _, text) => {
      const combo = $(name);
      combo.add(new Option(text));
      // A browser chooses the first item added to an empty list; the form has not.
      combo.selectedIndex = chosen.get(combo);
    },
    removeItem: (name, index) => {
      const combo = $(name);
      combo.remove(index);
      chosen.set(combo, combo.selectedIndex);
    },
    newIndex: (name) => $(name).length - 1,
    listIndex: (name) => chosen.get($(name)),
    setListIndex: (name, index) => choose($(name), index),
    optionValue: (name, member) => $(`${name}_${member}`).checked,
    selectOption: (name, member) => ($(`${name}_${member}`).checked = true),
    checkValue: () => (Check1.checked ? 1 : 0),
    setCheckValue: (name, value) => (Check1.checked = value !== 0),
    outerWidth: () => outer,
    setOuterWidth: (name, twips) => {
      widths.push(twips);
      if (twips === outer) return;
      const widening = twips >= FullWidth && outer < FullWidth;
      outer = twips;
      windowBox.style.setProperty("--outer", twips / 15 + "px");
      windowBox.dataset.wide = String(twips >= FullWidth);
      // On a phone the widening uncovers the result section below the inputs.
      if (widening && phone.matches) results.scrollIntoView({ block: "start" });
    },
    setPointer: (name, busy) => Form1.classList.toggle("busy", busy !== 0),
    setTimerEnabled: (name, on) => {
      if (!on) {
        clearInterval(timer);
        timer = null;
      } else if (timer === null) {
        timer = setInterval(tick, L.timerIntervalMs);
      }
    },
    // Modal, one OK button, the application's title; what follows it runs
    // when it is closed.
    msgBox: (name, _, text) => {
      $("MsgBoxText").textContent = text;
      dialog.addEventListener("close", () => M._delvarin_message_closed(), { once: true });
      dialog.showModal();
    },
    openAddress: (name, _, address) => window.open(address, "_blank", "noopener"),
  };

  // The list is written into the box a few lines at a time; each line is an
  // option of a list box (a click, Enter or Space stars its name), the text
  // the window's, line ends and all.
  const startList = (text) => {
    const indices = lineIndices();
    // Stars stay on the names the new list still holds.
    const wanted = pendingStars ?? stars;
    stars = new Set(indices.filter((n) => wanted.has(n)));
    pendingStars = null;
    const box = document.createElement("div");
    Object.assign(box, { id: "Text5List", tabIndex: -1 });
    box.setAttribute("role", "listbox");
    box.setAttribute("aria-multiselectable", "true");
    box.setAttribute("aria-labelledby", "Label10");
    box.addEventListener("click", (e) => {
      const k = list.rows.indexOf(e.target.closest("[role=option]"));
      // A drag that selects text is no click on a name.
      if (k < 0 || !getSelection().isCollapsed) return;
      activate(k);
      toggleStar(k);
    });
    box.addEventListener("keydown", listKeys);
    box.addEventListener("focus", () => activate(active < 0 ? 0 : active));
    list = { text: "", indices, rows: [], box, tail: document.createTextNode("") };
    active = -1;
    Text5.replaceChildren(box, list.tail);
    appendList(text);
  };
  const appendList = (text) => {
    list.text += text;
    const lines = text.split("\r\n");
    const tail = lines.pop();
    const added = [];
    for (const line of lines) {
      const k = list.rows.length;
      const row = document.createElement("span");
      row.id = "Text5_" + k;
      row.setAttribute("role", "option");
      row.setAttribute("aria-checked", String(stars.has(list.indices[k])));
      row.textContent = list.tail.data + line;
      list.tail.data = "";
      added.push(row, "\r\n");
      list.rows.push(row);
    }
    list.box.append(...added);
    list.tail.data += tail;
  };

  // A tick of Timer1; a list it wrote is what stars, the shortlist and the
  // address follow.
  const tick = () => {
    const started = performance.now();
    const before = list;
    M._Timer1_Timer();
    if (list === before) return;
    void Text5.offsetHeight; // laid out, as the floor is
    page.listMs = performance.now() - started;
    windowBox.dataset.listed = "true";
    showShortlist();
    writeAddress();
    page.lists += 1;
  };

  let active = -1;
  const activate = (k) => {
    if (!list || !list.rows.length) return;
    if (active >= 0) list.rows[active].classList.remove("active");
    active = Math.max(0, Math.min(list.rows.length - 1, k));
    const row = list.rows[active];
    row.classList.add("active");
    list.box.setAttribute("aria-activedescendant", row.id);
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
    const [boy, girl, deleting] = ["Option2_0", "Option2_1", "Option1_0"].map((id) => $(id).checked);
    if (boy || girl) a.set("gender", boy ? "boy" : "girl");
    if (deleting) a.set("delete-letters", "1");
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
  const readAddress = () => {
    const a = new URLSearchParams(location.hash.slice(1));
    if (!requestKeys.some((key) => a.has(key))) return;
    if (a.has("mother")) typeInto(Text2, a.get("mother"));
    const gender = ["boy", "girl"].indexOf(a.get("gender"));
    if (gender >= 0) [M._Label11_Click, M._Label12_Click][gender]();
    (a.get("delete-letters") === "1" ? M._Label3_Click : M._Label5_Click)();
    if (a.get("use-prefix") === "1") {
      M._Label2_Click();
      if (a.has("prefix")) typeInto(Text6, a.get("prefix"));
    }
    const group = ["0", "1", "2", "3"].indexOf(a.get("group"));
    if (group >= 0) choose(Combo1, group);
    const planet = Array.from(Combo2.options, (o) => o.text).indexOf(a.get("planet"));
    if (planet >= 0) choose(Combo2, planet);
    pendingStars = new Set(
      (a.get("stars") ?? "").split(".").filter((s) => /^[0-9]{1,4}$/.test(s)).map(Number));
    M._Command2_Click();
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


  // What a name box keeps: the engine's rule, applied to every edit; its
  // change handler runs when the kept text changes. While an input method
  // composes, the value follows the text as shown.
  const kept = new Map([[Text2, Text2.value], [Text6, Text6.value]]);
  const changed = (box) => M[`_${box.id}_Change`]();
  const edited = (box) => {
    const caret = call("edit", kept.get(box), box.value, box.selectionEnd ?? box.value.length);
    const text = answer();
    if (text !== box.value) {
      box.value = text;
      box.setSelectionRange(caret, caret);
    }
    if (text === kept.get(box)) return;
    kept.set(box, text);
    changed(box);
  };
  const typeInto = (box, text) => {
    box.value = text;
    box.setSelectionRange(text.length, text.length);
    edited(box);
  };

  const on = (id, event, handler) => $(id).addEventListener(event, handler);
  // A control's event runs its handler under the window's name; a caption
  // that is a switch or picks an option does only what its handler does.
  const click = (id, handler) =>
    on(id, "click", (e) => {
      e.preventDefault();
      handler();
    });
  Combo1.addEventListener("change", () => choose(Combo1, Combo1.selectedIndex));
  Combo2.addEventListener("change", () => choose(Combo2, Combo2.selectedIndex));
  for (const box of [Text2, Text6]) {
    box.addEventListener("input", (e) => (e.isComposing ? changed(box) : edited(box)));
    box.addEventListener("compositionend", () => edited(box));
    box.addEventListener("keydown", (e) => {
      if (e.key === "Enter" && !e.isComposing) {
        e.preventDefault();
        Command2.click();
      }
    });
  }
  click("Label2", M._Label2_Click);
  document.addEventListener("keydown", (e) => {
    if (e.altKey && e.code === "KeyP" && !dialog.open) {
      e.preventDefault();
      M._Label2_Click();
    }
  });
  for (const [id, handler] of [["Label3", M._Label3_Click], ["Label5", M._Label5_Click],
                               ["Label11", M._Label11_Click], ["Label12", M._Label12_Click]])
    click(id, handler);
  on("Option2_0", "change", () => M._Option2_Click(0));
  on("Option2_1", "change", () => M._Option2_Click(1));
  on("Command2", "click", M._Command2_Click);
  click("Image2", M._Image2_Click);
  click("Label8", M._Label8_Click);

  // The window's start-up. The markup already holds the state it leaves,
  // so it changes nothing a parent sees.
  M._Form_Load();
  widths.length = 0;
  // What was typed before the module was ready goes through the rule now.
  edited(Text2);
  edited(Text6);
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
  readAddress();
})();
