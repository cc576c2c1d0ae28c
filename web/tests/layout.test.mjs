// SPDX-License-Identifier: GPL-3.0-or-later
// The two layouts of one set of controls: on every touch screen (phones of
// 320 to 412 px upright and sideways, tablets both ways) every control is a
// thumb's target, text is legible, nothing scrolls sideways and no list line
// is cut; on a desktop with a mouse the classic window stands centred. Both
// follow the window's tab order.
import { after, before, describe, it } from "node:test";
import assert from "node:assert/strict";
import { desktop, openBrowser, openPage, phones, request, shots, touchScreens, typeInto } from "./browser.mjs";

let browser;
before(async () => (browser = await openBrowser()));
after(() => browser.close());

// Every control and every caption that acts as one, with its size and the
// sizes of the text in it.
const measure = (page) =>
  page.evaluate(() => {
    const shown = (el) => el.getClientRects().length > 0 && getComputedStyle(el).visibility !== "hidden";
    const targets = Array.from(document.querySelectorAll(
      "main input, main select, main button, main a, main label, #Text5List [role=option], #MsgBoxOK"))
      .filter(shown)
      .map((el) => {
        const r = el.getBoundingClientRect();
        return { id: el.id || el.textContent.slice(0, 12), width: r.width, height: r.height };
      });
    const texts = [];
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let node; (node = walker.nextNode());) {
      const el = node.parentElement;
      if (!node.textContent.trim() || !shown(el) || el.closest("noscript, title")) continue;
      const field = el.closest("input, select, .result, #Shortlist");
      texts.push({ id: el.id || el.tagName, size: parseFloat(getComputedStyle(el).fontSize), field: !!field });
    }
    for (const el of document.querySelectorAll("main input.box, main select"))
      if (shown(el)) texts.push({ id: el.id, size: parseFloat(getComputedStyle(el).fontSize), field: true });
    return {
      targets, texts,
      sideways: document.documentElement.scrollWidth - document.documentElement.clientWidth,
    };
  });

describe("the touch layout", () => {
  for (const viewport of touchScreens) {
    it(`at ${viewport.width}x${viewport.height}: 48 px targets, legible text, no sideways scroll, every line whole`, async () => {
      const page = await openPage(browser, viewport);
      assert.equal(await page.$eval("#TitleBar", (bar) => bar.getBoundingClientRect().height >= 56), true);
      await typeInto(page, "Text2", "مريم");
      await page.click("#Label11");
      await page.click("#Label2");
      // The longest prefix a box takes, of the widest letter.
      await typeInto(page, "Text6", "ش".repeat(20));
      await request(page);
      // Starred, so the shortlist holds the longest lines too.
      await page.$$eval("#Text5List [role=option]", (rows) => rows.slice(0, 3).forEach((r) => r.click()));
      const seen = await measure(page);
      for (const t of seen.targets)
        assert.ok(t.width >= 48 && t.height >= 48, `${t.id}: ${t.width}x${t.height}`);
      for (const t of seen.texts) assert.ok(t.size >= (t.field ? 16 : 14), `${t.id}: ${t.size}px`);
      assert.equal(seen.sideways, 0);
      const cut = await page.$$eval("#Text5List [role=option]", (rows) =>
        rows.filter((r) => r.scrollWidth > r.clientWidth + 1 || r.getBoundingClientRect().right > innerWidth)
          .map((r) => r.textContent));
      assert.deepEqual(cut, []);
      if (viewport.width > viewport.height)
        await page.screenshot({ path: `${shots}/page-touch-${viewport.width}x${viewport.height}.png` });
      await page.close();
    });
  }

  it("shows the opened page at 360 px", async () => {
    const page = await openPage(browser, phones[1]);
    await page.screenshot({ path: `${shots}/page-phone.png` });
    const seen = await measure(page);
    assert.equal(seen.sideways, 0);
    await page.close();
  });
});

describe("both layouts", () => {
  for (const viewport of [desktop, phones[0]]) {
    it(`follow the window's tab order (${viewport.width} px)`, async () => {
      const page = await openPage(browser, viewport);
      const stops = [];
      for (let i = 0; i < 6; ++i) {
        await page.keyboard.press("Tab");
        stops.push(await page.evaluate(() => document.activeElement.id));
      }
      // From Text2: Text6 (and, in the classic window, Check1) are switched off at start; each option
      // group is one stop; what the narrowed window hides is none; the links
      // come last.
      // On a touch screen the prefix's box is a switch of its own.
      const touch = viewport.hasTouch ? ["Check1"] : [];
      assert.deepEqual(stops, [...touch, "Option2_0", "Option1_1", "Combo1", "Combo2", "Command2", "Label8"]
        .slice(0, 6));
      await page.close();
    });
  }

  it("stand the classic window centred on a desktop, widening to the right", async () => {
    const page = await openPage(browser, desktop);
    const place = () => page.$eval("#Window", (w) => w.getBoundingClientRect().toJSON());
    const opened = await place();
    const full = (6195 + 60) / 15;
    assert.ok(Math.abs(opened.left + full / 2 - desktop.width / 2) <= 1, JSON.stringify(opened));
    await typeInto(page, "Text2", "مريم");
    await page.click("#Label11");
    await request(page);
    const widened = await place();
    assert.equal(widened.left, opened.left);
    assert.equal(widened.width, full);
    await page.screenshot({ path: `${shots}/page-desktop-list.png` });
    await page.close();
  });
});
