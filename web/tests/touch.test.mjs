// SPDX-License-Identifier: GPL-3.0-or-later
// What a parent's hands meet: stars that outlive a request, addresses that
// always open (a second one in the tab, Back and Forward), copy, share and
// the shortlist in reach at any length of list, the prefix's own box under a
// thumb, and the touch layout at night.
import { after, before, describe, it } from "node:test";
import assert from "node:assert/strict";
import { controls, desktop, fromDisk, openBrowser, openPage, phones, request, shots, typeInto, windowText } from "./browser.mjs";

let browser;
before(async () => (browser = await openBrowser()));
after(() => browser.close());

const phone = phones[1];
const lists = (page) => page.evaluate(() => window.delvarinPage.lists);
const nextList = async (page, before) =>
  page.waitForFunction((n) => window.delvarinPage.lists > n, {}, before);
const shortlist = (page) =>
  page.$$eval("#Shortlist li", (items) => items.map((i) => [i.className, i.textContent]));

describe("every touch screen and every return", () => {
  it("keeps the parent's stars through new requests and in the address; Back and Forward bring each request back", async () => {
    const page = await openPage(browser, phone);
    await typeInto(page, "Text2", "مريم");
    await page.click("#Label11");
    const all = await request(page);
    const starred = await page.$$eval("#Text5List [role=option]", (rows) =>
      [rows[0], rows[1]].map((r) => (r.click(), r.textContent)));
    // The Sun's list lacks at least one of them: it stays, marked.
    await page.select("#Combo1", "سعد اعظم");
    const sun = await request(page);
    assert.notEqual(sun, all);
    const kept = await shortlist(page);
    assert.equal(kept.length, 2);
    assert.ok(kept.some(([cls]) => cls === "absent"), JSON.stringify(kept));
    assert.match(await page.evaluate(() => location.hash), /stars=\d+\.\d+/);
    assert.match(await page.$eval("#ToShortlist", (b) => b.textContent), /: 2$/);
    let n = await lists(page);
    await page.goBack();
    await nextList(page, n);
    assert.equal((await controls(page)).list, all);
    assert.deepEqual((await controls(page)).stars, starred);
    n = await lists(page);
    await page.goForward();
    await nextList(page, n);
    assert.equal((await controls(page)).list, sun);
    await page.close();
  });

  it("opens a second address in the same tab with its own request and stars, and shares what it shows", async () => {
    const page = await openPage(browser, phone);
    const n = await lists(page);
    await page.evaluate(() => (location.hash = "#mother=فاطمه&gender=girl&group=2&stars=5.17"));
    await nextList(page, n);
    const shown = await controls(page);
    assert.equal(shown.list, windowText(["--mother", "فاطمه", "--girl", "--group", "2"]));
    assert.equal((await shortlist(page)).length, 2);
    const hash = await page.evaluate(() => location.hash);
    assert.match(hash, /mother=%D9%81/);
    assert.match(hash, /stars=5\.17$/);
    await page.close();
  });

  it("keeps copy, share and the shortlist in reach at the end of the longest list", async () => {
    const page = await openPage(browser, phone);
    await typeInto(page, "Text2", "مريم");
    await page.click("#Label12");
    await request(page);
    await page.evaluate(() => window.scrollTo(0, document.documentElement.scrollHeight / 2));
    const inView = await page.$$eval("#CopyList, #ShareLink, #ToShortlist", (buttons) =>
      buttons.map((b) => {
        const r = b.getBoundingClientRect();
        return r.top >= 0 && r.bottom <= innerHeight && r.height >= 48;
      }));
    assert.deepEqual(inView, [true, true, true]);
    await page.close();
  });

  it("lets a thumb switch the prefix on its own box, an enabled check box; the classic window keeps it off", async () => {
    const page = await openPage(browser, phone);
    const state = () => page.evaluate(() =>
      [document.getElementById("Check1").disabled, document.getElementById("Check1").checked,
       document.getElementById("Text6").disabled]);
    assert.deepEqual(await state(), [false, false, true]);
    await page.tap("#Check1");
    assert.deepEqual(await state(), [false, true, false]);
    await page.tap("#Check1");
    assert.deepEqual(await state(), [false, false, true]);
    await page.close();
    const classic = await openPage(browser, desktop);
    assert.equal(await classic.$eval("#Check1", (c) => c.disabled), true);
    await classic.close();
  });

  it("follows the phone's dark setting in the touch layout only", async () => {
    const colours = async (viewport) => {
      const page = await openPage(browser, viewport, fromDisk, true);
      if (viewport.isMobile) {
        await typeInto(page, "Text2", "مريم");
        await page.click("#Label11");
        await request(page);
        await page.$$eval("#Text5List [role=option]", (rows) => rows[1].click());
        await page.screenshot({ path: `${shots}/page-phone-dark.png` });
      }
      const seen = await page.evaluate(() => getComputedStyle(document.body).backgroundColor);
      await page.close();
      return seen;
    };
    assert.equal(await colours(phone), "rgb(21, 23, 28)");
    assert.equal(await colours(desktop), "rgb(58, 110, 165)");
  });
});
