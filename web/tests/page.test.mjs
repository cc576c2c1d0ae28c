// SPDX-License-Identifier: GPL-3.0-or-later
// The page in real headless Chromium, opened from disk and driven as a parent
// would; its lists are checked against delvarin-list, byte for byte.
import { after, before, describe, it } from "node:test";
import assert from "node:assert/strict";
import {
  choose, desktop, dialogAfter, fromDisk, groupEntries, list, message, openBrowser, openPage,
  phones, request, shots, text, typeInto, typedCharacters, windowText,
} from "./browser.mjs";

let browser;
before(async () => (browser = await openBrowser()));
after(() => browser.close());

describe("the page", () => {
  it("opens narrowed without an error, in the Persian face, with no positive tab index", async () => {
    const page = await openPage(browser);
    const state = await page.evaluate(() => ({
      outer: document.getElementById("Window").offsetWidth,
      face: document.fonts.check("12pt IranSansZ") && getComputedStyle(document.getElementById("Text2")).fontFamily,
      positiveTabIndex: Array.from(document.querySelectorAll("[tabindex]")).filter((e) => e.tabIndex > 0).length,
    }));
    assert.deepEqual(page.errors, []);
    assert.equal(state.outer, 3300 / 15);
    assert.ok(state.face.includes("IranSansZ"));
    assert.equal(state.positiveTabIndex, 0);
    assert.ok((await text(page, "Text5")).startsWith("اين نرم\u200Cافزار با گرفتن\r\n"));
    await page.close();
  });

  it("shows values while typing or composing, and keeps the text rule of every box", async () => {
    const page = await openPage(browser);
    await page.click("#Text2");
    await page.keyboard.type("مريم");
    assert.equal(await text(page, "Label13"), "290");
    // A phone's Persian keyboard types U+06CC.
    assert.equal(await typeInto(page, "Text2", "مری\u06CCم"), "مرييم");
    // While an input method composes, the value follows the text as shown.
    await typeInto(page, "Text2", "");
    const cdp = await page.createCDPSession();
    await cdp.send("Input.imeSetComposition", { text: "علي", selectionStart: 3, selectionEnd: 3 });
    assert.equal(await text(page, "Label13"), "110");
    await cdp.send("Input.insertText", { text: "علي" });
    assert.equal(await text(page, "Label13"), "110");
    await page.click("#Label2");
    for (const { name, c, kept } of typedCharacters()) {
      if (c === "\0") continue;
      const shown = await typeInto(page, "Text6", `${c}س${c}يد${c}`);
      assert.equal(shown, kept ? `${c}س${c}يد${c}` : "سيد", name);
    }
    assert.equal(await typeInto(page, "Text6", "ا".repeat(19) + "😀"), "ا".repeat(19));
    await page.close();
  });

  it("refuses in a modal box titled Delvarin Chooser, with one button and the normal pointer", async () => {
    const page = await openPage(browser);
    assert.deepEqual(await dialogAfter(page, () => page.click("#Command2")),
                     { title: "Delvarin Chooser", text: message(["--mother", "", "--boy"]), buttons: 1, cursor: "default" });
    await page.close();
  });

  it("widens by exact steps and lists under the busy state, on a desktop and on a phone", async () => {
    for (const viewport of [desktop, phones[1]]) {
      const page = await openPage(browser, viewport);
      await typeInto(page, "Text2", "مريم");
      await page.click("#Label11");
      // The busy state goes on before the list is written and off after it.
      await page.evaluate(() => {
        const seen = (window.busySeen = []);
        const note = (what) => seen.at(-1) !== what && seen.push(what);
        new MutationObserver((records) => {
          for (const r of records) {
            if (r.type === "childList") note("list");
            else if (r.target.id === "Form1") note((r.oldValue ?? "").includes("busy") ? "idle" : "busy");
            else if (r.attributeName === "aria-disabled") note(r.oldValue === "true" ? "box on" : "box off");
          }
        }).observe(document.getElementById("Form1"), {
          attributes: true, attributeOldValue: true, attributeFilter: ["class", "aria-disabled"],
          childList: true, subtree: true });
      });
      assert.equal(await request(page), windowText(["--mother", "مريم", "--boy"]));
      assert.deepEqual(await page.evaluate(() => window.busySeen),
                       ["busy", "box off", "list", "idle", "box on"]);
      const widths = await page.evaluate(() => window.delvarinPage.widths);
      assert.equal(widths.at(-1), 6195 + 60);
      widths.slice(0, -1).forEach((w, i) => assert.equal(w, 3300 + 100 * (i + 1)));
      const state = await page.evaluate(() => ({
        busy: document.getElementById("Form1").classList.contains("busy"),
        results: document.querySelector(".results").getBoundingClientRect().top,
      }));
      assert.equal(state.busy, false);
      // On a phone the result section was brought into view.
      if (viewport.isMobile) assert.ok(state.results < viewport.height, JSON.stringify(state));
      await page.close();
    }
  });

  it("lists what delvarin-list lists, for each group and gender and 50 more requests", async () => {
    const page = await openPage(browser);
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
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  it("stars names by tap and by keyboard, gathers them in a shortlist, and copies the list", async () => {
    const page = await browser.newPage();
    await page.evaluateOnNewDocument(() => {
      navigator.clipboard.writeText = async (copied) => (window.copied = copied);
    });
    await page.setViewport(phones[1]);
    await page.goto(fromDisk);
    await page.waitForFunction(() => document.documentElement.dataset.ready === "1");
    await typeInto(page, "Text2", "مريم");
    await page.click("#Label12");
    await choose(page, "Combo1", 1);
    await request(page);
    await page.screenshot({ path: `${shots}/page-phone-list.png` });
    const rows = await page.$$("#Text5List [role=option]");
    // Each row tapped where a thumb sees it, clear of the bar at the bottom.
    const tap = async (row) => {
      await row.evaluate((r) => r.scrollIntoView({ block: "center" }));
      await row.tap();
    };
    await tap(rows[3]);
    await tap(rows[1]);
    await tap(rows[5]);
    await tap(rows[5]);
    await page.focus("#Text5List");
    await page.keyboard.press("End");
    await page.keyboard.press("Space");
    const state = await page.evaluate(() => ({
      checked: Array.from(document.querySelectorAll("#Text5List [role=option]"))
        .flatMap((r, k) => (r.getAttribute("aria-checked") === "true" ? [k] : [])),
      shortlist: Array.from(document.querySelectorAll("#Shortlist button"), (b) => b.textContent),
      address: location.hash,
    }));
    const lines = windowText(["--mother", "مريم", "--girl", "--group", "1"]).split("\r\n");
    assert.deepEqual(state.checked, [1, 3, lines.length - 2]);
    assert.deepEqual(state.shortlist, [lines[1], lines[3], lines[lines.length - 2]]);
    assert.match(decodeURIComponent(state.address), /stars=\d+\.\d+\.\d+$/);
    await page.$eval("#ShortlistTitle", (t) => t.scrollIntoView({ block: "center" }));
    await page.screenshot({ path: `${shots}/page-phone-shortlist.png` });
    await page.click("#CopyList");
    assert.equal(await page.evaluate(() => window.copied), list("--mother", "مريم", "--girl", "--group", "1").out);
    assert.equal(await text(page, "Status"), "فهرست در حافظه رونوشت شد");
    await page.close();
  });

  it("opens both links in a new tab, by pointer and by keyboard", async () => {
    const page = await browser.newPage();
    // The hosts do not answer here; what the page asks the browser to open is
    // what counts.
    await page.evaluateOnNewDocument(() => {
      window.opened = [];
      window.open = (...args) => window.opened.push(args);
    });
    await page.goto(fromDisk);
    await page.waitForFunction(() => document.documentElement.dataset.ready === "1");
    await page.click("#Label8");
    await page.focus("#Label8");
    await page.keyboard.press("Enter");
    await typeInto(page, "Text2", "مريم");
    await page.click("#Label11");
    await request(page);
    await page.click("#Image2");
    const blog = ["http://blog.delvarin.example/Posts/272", "_blank", "noopener"];
    const home = ["http://www.delvarin.example", "_blank", "noopener"];
    assert.deepEqual(await page.evaluate(() => window.opened), [home, home, blog]);
    await page.close();
  });
});
