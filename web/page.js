// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a page. Its controls stand in the markup as the window opens
// (written from the form's layout table and the state its Form_Load leaves);
// the form, in the module, keeps every control's state and rules and runs
// the handlers; the page draws what it is shown and reports what the parent
// does. The page adds what a parent on a phone needs: stars and a
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
  const touch = matchMedia(L.touchQuery);
  const widths = [];
  const page = (window.delvarinPage = { widths, lists: 0, listMs: 0, floorMs: 0 });

  // The list as the result box holds it, the catalogue index of each line,
  // and the starred indices.
  let list = null;
  // Stars are the parent's: they outlive every new request.
  let stars = new Set();
  // A request read from the address replaces the history entry it came in;
  // one the parent makes adds an entry, so Back brings the last one again.
  let fromAddress = false;

  // On a touch screen the prefix's check box is a switch worked as its
  // caption is; the classic window keeps it as the form sets it.
  let check1On = !Check1.disabled;
  const switchable = () => (Check1.disabled = !check1On && !touch.matches);
  switchable();
  touch.addEventListener("change", switchable);
  Check1.addEventListener("click", () => {
    if (touch.matches && !check1On) report("Label2", "Click");
  });

  // Each row of the form's table is an element; a message is on no row.
  const element = (row) => $(L.rows[row].id);
  const rowOf = new Map(L.rows.map((r, i) => [r.id, i]));
  const noRow = L.rows.length;
  const Event = Object.fromEntries(L.eventNames.map((name, i) => [name, i]));
  // What the parent did, to the form: the one way in.
  const report = (id, event, index = 0, text = "") => call("report", rowOf.get(id) ?? noRow, Event[event], index, text);

  // The design's client area and the page's frame, in twips.
  const FullWidth = L.clientWidth + L.frameTwips;
  let outer = FullWidth;
  let timer = null;
  const dialog = $("MsgBox");
  M.frontEnd = {
    showText: (row, _, text) => {
      const el = element(row);
      if (el === Text5) startList(text);
      else if (el instanceof HTMLInputElement) el.value = text;
      else if (el.textContent !== text) el.textContent = text;  // no needless layout
    },
    appendText: (row, _, text) => appendList(text),
    scrollToStart: () => {
      Text5.scrollTop = 0;
      Text5.scrollLeft = 0;
    },
    // A box's own colour, or button face for a box that is off or busy.
    showBackColour: (row, colour) => element(row).classList.toggle("off", colour === L.buttonFace),
    showEnabled: (row, on) => {
      const el = element(row);
      if (el === Check1) {
        check1On = on;
        switchable();
        return;
      }
      if (el !== Text5) {
        el.disabled = !on;
        return;
      }
      Text5.setAttribute("aria-disabled", String(!on));
      const box = $("Text5List");
      if (box) box.tabIndex = on ? 0 : -1;
    },
    focus: (row) => element(row).focus(),
    showItems: (row, chosen, lines) => {
      const combo = element(row);
      const items = lines.split("\n").slice(0, -1);
      if (items.join("\n") !== Array.from(combo.options, (o) => o.text).join("\n"))
        combo.replaceChildren(...items.map((item) => new Option(item)));
      combo.selectedIndex = chosen;
    },
    showValue: (row, on) => (element(row).checked = on !== 0),
    showOuterWidth: (row, twips) => {
      widths.push(twips);
      if (twips === outer) return;
      const widening = twips >= FullWidth && outer < FullWidth;
      outer = twips;
      windowBox.style.setProperty("--outer", twips / L.twipsPerPixel + "px");
      windowBox.dataset.wide = String(twips >= FullWidth);
      // On a phone the widening uncovers the result section below the inputs.
      if (widening && touch.matches) results.scrollIntoView({ block: "start" });
    },
    showPointer: (row, busy) => Form1.classList.toggle("busy", busy !== 0),
    runTimer: (row, on) => {
      clearInterval(timer);
      timer = on ? setInterval(tick, L.timerIntervalMs) : null;
    },
    frameTwips: () => L.frameTwips,
    // Modal, one OK button, the application's title; its closing goes back
    // to the form.
    showMessage: (row, _, text) => {
      $("MsgBoxText").textContent = text;
      dialog.addEventListener("close", () => report("", "Closed"), { once: true });
      dialog.showModal();
    },
    openAddress: (row, _, address) => window.open(address, "_blank", "noopener"),
  };

  // The list is written into the box a few lines at a time; each line is an
  // option of a list box (a click, Enter or Space stars its name), the text
  // the window's, line ends and all.
  const startList = (text) => {
    const indices = lineIndices();
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
    list = { text: "", indices, rows: [], box, chunk: null, tail: document.createTextNode("") };
    active = -1;
    Text5.replaceChildren(box, list.tail);
    appendList(text);
  };
  // Rows come in blocks of a fixed count, which the browser lays out and
  // paints only once they are near the view (content-visibility), while
  // find, copy and screen readers still reach every row.
  const chunkRows = 64;
  const appendList = (text) => {
    list.text += text;
    const lines = text.split("\r\n");
    const tail = lines.pop();
    let added = [];
    const flush = () => {
      if (list.chunk && added.length) list.chunk.append(...added);
      added = [];
    };
    for (const line of lines) {
      const k = list.rows.length;
      if (k % chunkRows === 0) {
        flush();
        list.chunk = document.createElement("div");
        list.chunk.className = "rows";
        list.chunk.setAttribute("role", "none");
        list.box.append(list.chunk);
      }
      const row = document.createElement("span");
      row.id = "Text5_" + k;
      row.setAttribute("role", "option");
      row.setAttribute("aria-checked", String(stars.has(list.indices[k])));
      row.textContent = list.tail.data + line;
      list.tail.data = "";
      added.push(row, "\r\n");
      list.rows.push(row);
    }
    flush();
    list.tail.data += tail;
  };

  // A tick of Timer1; a list it wrote is what stars, the shortlist and the
  // address follow.
  const tick = () => {
    const started = performance.now();
    const before = list;
    report("Timer1", "Tick");
    if (list === before) return;
    void Text5.offsetHeight; // laid out, as the floor is
    page.listMs = performance.now() - started;
    windowBox.dataset.listed = "true";
    showShortlist();
    writeAddress(fromAddress ? "replace" : "push");
    fromAddress = false;
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
    writeAddress("replace");
  };
  const unstar = (n) => {
    stars.delete(n);
    const k = list.indices.indexOf(n);
    if (k >= 0) list.rows[k].setAttribute("aria-checked", "false");
    showShortlist();
    writeAddress("replace");
  };
  // A catalogue name by its index, for a star the list on screen lacks.
  const nameOf = (n) => {
    const length = M._delvarin_name(n);
    const at = M._delvarin_answer() >> 1;
    return String.fromCharCode.apply(null, M.HEAPU16.subarray(at, at + length));
  };
  // Every starred name in catalogue order: as the list shows it, or by its
  // name alone, marked as not in this list.
  const showShortlist = () => {
    const items = [...stars].sort((x, y) => x - y).map((n) => {
      const k = list ? list.indices.indexOf(n) : -1;
      const item = document.createElement("li");
      const button = document.createElement("button");
      button.type = "button";
      button.setAttribute("aria-pressed", "true");
      button.addEventListener("click", () => unstar(n));
      if (k >= 0) {
        button.textContent = list.rows[k].textContent;
      } else {
        const note = Object.assign(document.createElement("span"), { className: "absent", textContent: "در اين فهرست نيست" });
        button.append(nameOf(n), " ", note);
        item.className = "absent";
      }
      item.append(button);
      return item;
    });
    $("Shortlist").replaceChildren(...items);
    const count = `${$("ShortlistTitle").textContent}: ${stars.size}`;
    if ($("ToShortlist").textContent !== count) $("ToShortlist").textContent = count;
  };

  // The address carries the request and the stars, as the list command's
  // options name them: a new entry for each request the parent makes, the
  // same entry for a star.
  const requestKeys = ["mother", "gender", "delete-letters", "use-prefix", "prefix", "group",
                       "planet", "stars"];
  let written = location.hash;
  const writeAddress = (how) => {
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
    written = "#" + a.toString();
    if (written === location.hash) return;
    if (how === "push") history.pushState(null, "", written);
    else history.replaceState(null, "", written);
  };
  // An address is read as typing and clicking would give it: texts through
  // the boxes' rule, choices that are none of the choices dropped; then the
  // button is pressed, and whatever is missing is refused as usual.
  const readAddress = () => {
    written = location.hash;
    const a = new URLSearchParams(location.hash.slice(1));
    if (!requestKeys.some((key) => a.has(key))) return;
    typeInto(Text2, a.get("mother") ?? "");
    const gender = ["boy", "girl"].indexOf(a.get("gender"));
    if (gender >= 0) report(["Label11", "Label12"][gender], "Click");
    report(a.get("delete-letters") === "1" ? "Label3" : "Label5", "Click");
    // The prefix switch is a switch: clicked only where it differs.
    if ((a.get("use-prefix") === "1") !== Check1.checked) report("Label2", "Click");
    if (Check1.checked && a.has("prefix")) typeInto(Text6, a.get("prefix"));
    const group = ["0", "1", "2", "3"].indexOf(a.get("group"));
    if (group >= 0) report("Combo1", "Click", group);
    const planet = Array.from(Combo2.options, (o) => o.text).indexOf(a.get("planet"));
    if (planet >= 0) report("Combo2", "Click", planet);
    stars = new Set((a.get("stars") ?? "").split(".").filter((s) => /^[0-9]{1,4}$/.test(s)).map(Number)
      .filter((n) => n >= 1 && n <= L.nameCount));
    if (list) showShortlist();
    fromAddress = true;
    report("Command2", "Click");
  };
  // Another address in the same tab, Back and Forward: each shows its own
  // request and stars.
  const followAddress = () => {
    if (location.hash !== written) readAddress();
  };
  addEventListener("hashchange", followAddress);
  addEventListener("popstate", followAddress);

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


  $("ToShortlist").addEventListener("click", () => $("ShortlistTitle").scrollIntoView({ block: "start" }));

  // Another version is kept beside the one open, or instead of it (it may
  // have come while the page loaded): say so, and offer it. The address keeps the request, so a
  // reload loses nothing.
  const update = $("Update");
  $("Reload").addEventListener("click", () => location.reload());
  const version = "@VERSION@";
  const checkVersion = async () => {
    const kept = (await caches.keys()).filter((name) => name.startsWith("delvarin-"));
    if (kept.some((name) => name !== "delvarin-" + version)) update.hidden = false;
  };
  if (location.protocol !== "file:" && "serviceWorker" in navigator) {
    navigator.serviceWorker.addEventListener("controllerchange", checkVersion);
    navigator.serviceWorker.ready.then(checkVersion);
  }

  // What a name box keeps: the form's rule, applied to every edit; the form
  // hears of the kept text. While an input method composes, the value
  // follows the text as shown.
  const edited = (box) => {
    const caret = call("edit", rowOf.get(box.id), box.value, box.selectionEnd ?? box.value.length);
    const text = answer();
    if (text !== box.value) {
      box.value = text;
      box.setSelectionRange(caret, caret);
    }
    report(box.id, "Change", 0, text);
  };
  const typeInto = (box, text) => {
    box.value = text;
    box.setSelectionRange(text.length, text.length);
    edited(box);
  };

  // Every control reports what the parent does to it, by its kind; the
  // form's events table says what follows. A caption that is a switch or
  // picks an option does only what the form does.
  L.rows.forEach((r) => {
    const el = $(r.id);
    switch (r.kind) {
      case "TextBox":
        if (!(el instanceof HTMLInputElement)) break;  // a frame drawn for the eye
        el.addEventListener("input", (e) => (e.isComposing ? report(el.id, "Change", 0, el.value) : edited(el)));
        el.addEventListener("compositionend", () => edited(el));
        el.addEventListener("keydown", (e) => {
          if (e.key === "Enter" && !e.isComposing) {
            e.preventDefault();
            report(el.id, "Return");
          }
        });
        break;
      case "DropDown":
        el.addEventListener("change", () => report(el.id, "Click", el.selectedIndex));
        break;
      case "OptionButton":
      case "CheckBox":
        el.addEventListener("change", () => report(el.id, "Click"));
        break;
      case "CommandButton":
        el.addEventListener("click", () => report(el.id, "Click"));
        break;
    }
  });
  // A caption or picture is a control only where the table gives it a click.
  for (const e of L.events) {
    const el = element(e.row);
    if (e.name === "Click" && ["Label", "Picture"].includes(L.rows[e.row].kind))
      el.addEventListener("click", (event) => {
        event.preventDefault();
        report(el.id, "Click");
      });
  }
  const shortcuts = L.events.filter((e) => e.name === "Shortcut");
  document.addEventListener("keydown", (e) => {
    const hit = shortcuts.find((s) => e.altKey && e.code === "Key" + s.key);
    if (!hit || dialog.open) return;
    e.preventDefault();
    report(L.rows[hit.row].id, "Shortcut");
  });

  // The window's start-up. The markup already holds the state it leaves,
  // so it changes nothing a parent sees.
  call("load");
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
