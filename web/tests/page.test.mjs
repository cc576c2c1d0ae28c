// SPDX-License-Identifier: GPL-3.0-or-later
// The page in real headless Chromium, opened from disk and driven as a parent
// would; its lists are checked against delvarin-list, byte for byte.
// Usage: node --test web/tests/  with SITE (build/web/site), LIST (the Linux
// delvarin-list) and SHOTS (where the screenshots go) in the environment.
import { after, before, describe, it } from "node:test";
import assert from "node:assert/strict";
import { spawnSync } from "node:child_process";
import fs from "node:fs";
import { openBrowser, openPage, pageAddress } from "./browser.mjs";

const site = process.env.SITE || "build/web/site";
const listCommand = process.env.LIST || "build/ci/tools/delvarin-list";
const shots = process.env.SHOTS || "build/web/screenshots";

const list = (...args) => {
  const r = spawnSync(listCommand, args, { encoding: "utf8" });
  return { status: r.status, out: r.stdout, err: r.stderr };
};
// The window's text is delvarin-list's output without its closing line feed.
const windowText = (args) => {
  const r = list(...args);
  assert.equal(r.status, 0, r.err);
  return r.out.slice(0, -1);
};
const message = (args) => {
  const r = list(...args);
  assert.equal(r.status, 2);
  return r.err.trim();
};
// The refusal of an unknown planet names the group's entries, one a line.
const groupEntries = (group) => {
  const lines = list("--mother", "x", "--group", String(group), "--planet", "?").err.split("\n");
  return lines.slice(1, lines.findIndex((l) => l.startsWith("usage:"))).map((l) => l.slice(2));
};

let browser;
before(async () => {
  browser = await openBrowser();
  fs.mkdirSync(shots, { recursive: true });
});
after(() => browser.close());

// Sets a name box as typing would, through the page's own input handling.
const typeInto = (page, id, text) =>
  page.evaluate(
    (id, text) => {
      const box = document.getElementById(id);
      box.focus();
      box.value = text;
      box.setSelectionRange(text.length, text.length);
      box.dispatchEvent(new InputEvent("input", { bubbles: true }));
      return box.value;
    },
    id,
    text,
  );
const choose = (page, id, index) =>
  page.evaluate(
    (id, index) => {
      const combo = document.getElementById(id);
      combo.selectedIndex = index;
      combo.dispatchEvent(new Event("change"));
    },
    id,
    index,
  );
const text = (page, id) => page.$eval("#" + id, (el) => ("value" in el && el.tagName !== "DIV" ? el.value : el.textContent));
const request = async (page) => {
  const done = await page.evaluate(() => window.delvarinPage.lists || 0);
  await page.click("#Command2");
  await page.waitForFunction(
    (n) => window.delvarinPage.lists === n + 1 || document.getElementById("MsgBox").open, {}, done);
  const refused = await page.$eval("#MsgBox", (d) => d.open && d.textContent);
  assert.equal(refused, false, "the page refused the request");
  return text(page, "Text5");
};
const dialogAfter = async (page, action) => {
  await action();
  await page.waitForSelector("#MsgBox[open]");
  const shown = await page.evaluate(() => ({
    title: document.getElementById("MsgBoxTitle").textContent,
    text: document.getElementById("MsgBoxText").textContent,
    buttons: document.querySelectorAll("#MsgBox button").length,
    cursor: getComputedStyle(document.getElementById("MsgBox")).cursor,
  }));
  await page.keyboard.press("Enter");
  await page.waitForFunction(() => !document.getElementById("MsgBox").open);
  return shown;
};

describe("the page", () => {
  it("opens narrowed, in the window's starting state, with every control named", async () => {
    const page = await openPage(browser, site);
    const state = await page.evaluate(() => {
      const $ = (id) => document.getElementById(id);
      return {
        outer: $("Form1").offsetWidth,
        ids: ["Text2", "Text6", "Label11", "Command2", "Text5", "Option2_0", "Option1_1", "Line1", "Image2"].every($),
        group: $("Combo1").selectedIndex,
        planets: Array.from($("Combo2").options, (o) => o.text),
        planet: $("Combo2").selectedIndex,
        convert: $("Option1_1").checked,
        gender: $("Option2_0").checked || $("Option2_1").checked,
        prefix: [$("Check1").checked, $("Check1").disabled, $("Text6").disabled, $("Text6").value],
        labels: [$("Label9").textContent, $("Label13").textContent, $("Label14").textContent],
        face: getComputedStyle($("Text2")).fontFamily,
        faceLoaded: document.fonts.check("12pt IranSansZ"),
        dialog: $("MsgBox").open,
      };
    });
    assert.deepEqual(page.errors, []);
    assert.equal(state.outer, 3300 / 15);
    assert.ok(state.ids);
    assert.deepEqual(state.planets, groupEntries(0));
    assert.deepEqual([state.group, state.planet, state.convert, state.gender], [0, 0, true, false]);
    assert.deepEqual(state.prefix, [false, true, true, "سيد"]);
    assert.deepEqual(state.labels, ["", "", ""]);
    assert.ok(state.faceLoaded && state.face.includes("IranSansZ"));
    assert.equal(state.dialog, false);
    assert.ok((await text(page, "Text5")).startsWith("اين نرم\u200Cافزار"));
    await page.screenshot({ path: `${shots}/page-opened.png` });
    await page.close();
  });

  it("shows values while typing, folds the Farsi yeh and keeps the text rule", async () => {
    const page = await openPage(browser, site);
    await page.click("#Text2");
    await page.keyboard.type("مريم");
    assert.equal(await text(page, "Label13"), "290");
    // A phone's Persian keyboard types U+06CC.
    assert.equal(await typeInto(page, "Text2", "مری\u06CCم"), "مرييم");
    await page.click("#Label2");
    const hostile = await typeInto(page, "Text6", "\u202Eسيد\r\nا\u200Cب\u2066\u200F");
    assert.equal(hostile, "سيدا\u200Cب");
    assert.equal(await text(page, "Label14"), "77");
    const long = await typeInto(page, "Text6", "ا".repeat(19) + "😀");
    assert.equal(long, "ا".repeat(19));
    await page.close();
  });

  it("switches the prefix through its label and Alt+P, and chooses through labels", async () => {
    const page = await openPage(browser, site);
    const prefix = () =>
      page.evaluate(() => [
        document.getElementById("Check1").checked,
        document.getElementById("Text6").disabled,
        document.activeElement.id,
      ]);
    await page.click("#Label2");
    assert.deepEqual(await prefix(), [true, false, "Text6"]);
    await page.keyboard.down("Alt");
    await page.keyboard.press("KeyP");
    await page.keyboard.up("Alt");
    assert.deepEqual(await prefix(), [false, true, "Text2"]);
    await page.click("#Label12");
    await page.click("#Label3");
    const chosen = await page.evaluate(() => [
      document.getElementById("Option2_1").checked,
      document.getElementById("Option1_0").checked,
    ]);
    assert.deepEqual(chosen, [true, true]);
    await page.close();
  });

  it("refuses in a modal box titled Delvarin Chooser, and the window stays as it was", async () => {
    const page = await openPage(browser, site);
    const expect = (text) => ({ title: "Delvarin Chooser", text, buttons: 1, cursor: "default" });
    assert.deepEqual(await dialogAfter(page, () => page.click("#Command2")),
                     expect(message(["--mother", "", "--boy"])));
    await typeInto(page, "Text2", "مريم");
    assert.deepEqual(await dialogAfter(page, () => page.click("#Command2")),
                     expect(message(["--mother", "مريم"])));
    await page.click("#Label11");
    await page.click("#Label2");
    await typeInto(page, "Text6", "abc");
    assert.deepEqual(await dialogAfter(page, () => page.focus("#Text6").then(() => page.keyboard.press("Enter"))),
                     expect(message(["--mother", "مريم", "--boy", "--use-prefix", "--prefix", "abc"])));
    assert.equal(await page.$eval("#Form1", (f) => f.offsetWidth), 220);
    await page.close();
  });

  it("widens by exact steps, shows the busy state, lists, and fits a phone", async () => {
    const page = await openPage(browser, site, { width: 360, height: 740, isMobile: true, hasTouch: true });
    await typeInto(page, "Text2", "مريم");
    await page.click("#Label11");
    const busy = page.waitForFunction(
      () => document.getElementById("Form1").classList.contains("busy") &&
            document.getElementById("Text5").getAttribute("aria-disabled") === "true",
      { polling: "raf" });
    const listed = request(page);
    await busy;
    assert.equal(await listed, windowText(["--mother", "مريم", "--boy"]));
    const widths = await page.evaluate(() => window.delvarinPage.widths);
    assert.equal(widths.at(-1), 6195 + 60);
    widths.slice(0, -1).forEach((w, i) => assert.equal(w, 3300 + 100 * (i + 1)));
    const fits = await page.evaluate(() => ({
      scroll: document.documentElement.scrollWidth,
      right: document.getElementById("Form1").getBoundingClientRect().right,
      busy: document.getElementById("Form1").classList.contains("busy"),
    }));
    assert.ok(fits.scroll <= 360 && fits.right <= 360, JSON.stringify(fits));
    assert.equal(fits.busy, false);
    await page.screenshot({ path: `${shots}/page-phone.png` });
    await page.close();
  });

  it("lists what delvarin-list lists, for each group and gender and 50 more requests", async () => {
    const page = await openPage(browser, site);
    const mothers = windowText(["--catalogue"])
      .split("\n")
      .map((row) => row.split("\t")[2])
      .filter(Boolean);
    let seed = 20261208;
    const random = (n) => ((seed = (seed * 1103515245 + 12345) % 2147483648), seed % n);
    const requests = [];
    for (let group = 0; group < 4; ++group)
      for (const boy of [true, false])
        requests.push({ mother: "مريم", boy, group, planet: 0, convert: true, prefix: null });
    for (let i = 0; i < 50; ++i) {
      const group = random(4);
      requests.push({
        mother: mothers[random(mothers.length)],
        boy: random(2) === 0,
        group,
        planet: random(groupEntries(group).length),
        convert: random(3) !== 0,
        prefix: random(3) === 0 ? ["سيد", "سيده", "مير", "آقا"][random(4)] : null,
      });
    }
    let prefixOn = false;
    for (const r of requests) {
      await typeInto(page, "Text2", r.mother);
      await page.click(r.boy ? "#Label11" : "#Label12");
      await page.click(r.convert ? "#Label5" : "#Label3");
      if ((r.prefix !== null) !== prefixOn) {
        await page.click("#Label2");
        prefixOn = !prefixOn;
      }
      if (r.prefix !== null) await typeInto(page, "Text6", r.prefix);
      await choose(page, "Combo1", r.group);
      await choose(page, "Combo2", r.planet);
      const args = ["--mother", r.mother, r.boy ? "--boy" : "--girl", "--group", String(r.group),
                    "--planet", groupEntries(r.group)[r.planet]];
      if (!r.convert) args.push("--delete-letters");
      if (r.prefix !== null) args.push("--use-prefix", "--prefix", r.prefix);
      assert.equal(await request(page), windowText(args), args.join(" "));
    }
    await typeInto(page, "Text2", "مريم");
    await page.screenshot({ path: `${shots}/page-list.png` });
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  it("opens both links in a new tab", async () => {
    const page = await browser.newPage();
    // The hosts do not answer here; what the page asks the browser to open is
    // what counts.
    await page.evaluateOnNewDocument(() => {
      window.opened = [];
      window.open = (...args) => window.opened.push(args);
    });
    await page.goto(pageAddress(site));
    await page.waitForFunction(() => document.documentElement.dataset.ready === "1");
    await page.click("#Image2");
    await page.click("#Label8");
    assert.deepEqual(await page.evaluate(() => window.opened), [
      ["http://blog.delvarin.example/Posts/272", "_blank", "noopener"],
      ["http://www.delvarin.example", "_blank", "noopener"],
    ]);
    await page.close();
  });
});
