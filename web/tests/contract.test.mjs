// SPDX-License-Identifier: GPL-3.0-or-later
// The contract every front end keeps (tests/contract/cases.txt), on the page
// in Chromium's classic layout: acts as a parent does and looks at what the
// page shows.
import { after, before, describe, it } from "node:test";
import assert from "node:assert/strict";
import fs from "node:fs";
import path from "node:path";
import { fileURLToPath } from "node:url";
import { choose, desktop, fromDisk, openBrowser, typeInto } from "./browser.mjs";

const here = path.dirname(fileURLToPath(import.meta.url));
const cases = [];
for (const line of fs.readFileSync(path.join(here, "../../tests/contract/cases.txt"), "utf8").split("\n")) {
  if (line.startsWith("case ")) cases.push({ name: line.slice(5), lines: [] });
  else if (line && !line.startsWith("#") && cases.length) cases.at(-1).lines.push(line);
}
// "Option1(0)" is the element Option1_0.
const id = (name) => name.replace(/\((\d+)\)/, "_$1");
// The rest of a line after n words.
const rest = (line, n) => line.split(" ").slice(n).join(" ");

let browser;
before(async () => (browser = await openBrowser()));
after(() => browser.close());

const open = async () => {
  const page = await browser.newPage();
  // What would leave the page is caught: messages shown, pages opened.
  await page.evaluateOnNewDocument(() => {
    window.caught = { messages: [], opened: [] };
    const showModal = HTMLDialogElement.prototype.showModal;
    HTMLDialogElement.prototype.showModal = function () {
      window.caught.messages.push(document.getElementById("MsgBoxText").textContent);
      showModal.call(this);
    };
    window.open = (address) => void window.caught.opened.push(address);
  });
  await page.setViewport(desktop);
  await page.goto(fromDisk);
  await page.waitForFunction(() => document.documentElement.dataset.ready === "1");
  return page;
};

const act = {
  type: (page, line) => typeInto(page, id(line.split(" ")[1]), rest(line, 2)),
  click: (page, line) => page.$eval("#" + id(line.split(" ")[1]), (el) => el.click()),
  pick: (page, line) => choose(page, id(line.split(" ")[1]), Number(line.split(" ")[2])),
  return: async (page, line) => {
    await page.focus("#" + id(line.split(" ")[1]));
    await page.keyboard.press("Enter");
  },
  shortcut: async (page) => {
    await page.keyboard.down("Alt");
    await page.keyboard.press("KeyP");
    await page.keyboard.up("Alt");
  },
  tick: async (page) => {
    const lists = await page.evaluate(() => window.delvarinPage.lists);
    await page.waitForFunction((n) => window.delvarinPage.lists > n, {}, lists);
  },
  close: (page) => page.$eval("#MsgBox", (d) => d.close()),
  scroll: (page, line) =>
    page.$eval("#" + id(line.split(" ")[1]), (el) => {
      el.scrollTop = el.scrollHeight;
      el.scrollLeft = -el.scrollWidth;  // right to left: the far end is to the left
    }),
};

// Each look answers as the case file spells it.
const look = (page, what, name) =>
  page.evaluate(
    (what, name) => {
      const el = document.getElementById(name);
      const colour = (e) => getComputedStyle(e).backgroundColor;
      const probe = Object.assign(document.createElement("div"), { style: "background: ButtonFace" });
      document.body.append(probe);
      const face = colour(probe);
      probe.remove();
      const lines = () => document.getElementById("Text5").textContent.split("\r\n").filter((l, i, all) => l || i < all.length - 1);
      switch (what) {
        case "text": return el instanceof HTMLInputElement ? el.value : el.textContent;
        case "enabled": return (el.id === "Text5" ? el.getAttribute("aria-disabled") !== "true" : !el.disabled) ? "yes" : "no";
        case "back": return colour(el) === "rgb(255, 255, 192)" ? "yellow" : colour(el) === face ? "face" : colour(el);
        case "focus": return document.activeElement.id;
        case "value": return el.checked ? "yes" : "no";
        case "chosen": return el.selectedIndex < 0 ? "" : el.options[el.selectedIndex].text;
        case "items": return String(el.length);
        case "wide": return document.getElementById("Window").dataset.wide === "true" ? "yes" : "no";
        case "message": return window.caught.messages.at(-1);
        case "messages": return String(window.caught.messages.length);
        case "opened": return window.caught.opened.includes(name) ? name : window.caught.opened.join(" ");
        case "lines": return String(lines().length);
        case "line": return lines();
        case "scrolled-to-start": return el.scrollTop === 0 && el.scrollLeft === 0 ? "yes" : `${el.scrollTop},${el.scrollLeft}`;
        case "scrolled": return `${el.scrollTop},${el.scrollLeft}`;
      }
      return `no such look: ${what}`;
    },
    what,
    name,
  );

describe("the contract on the page", () => {
  for (const c of cases) {
    it(c.name, async () => {
      const page = await open();
      for (const line of c.lines) {
        const [verb, what, name] = line.split(" ");
        if (verb !== "see") {
          await act[verb](page, line);
          continue;
        }
        const seen = await look(page, what, what === "opened" ? name : id(name ?? ""));
        const expected = {
          focus: id(name), wide: name, messages: name, lines: name, opened: name,
          message: rest(line, 2), "scrolled-to-start": "yes",
        }[what] ?? rest(line, 3);
        if (what === "line") assert.equal(seen[Number(name) - 1], expected, line);
        else assert.equal(seen, expected, line);
      }
      await page.close();
    });
  }
});
