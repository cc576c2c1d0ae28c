// SPDX-License-Identifier: GPL-3.0-or-later
// The page's address carries the request and the stars: opened in a fresh
// page it gives the same controls, list and stars. A hostile or stale
// address never breaks the page, runs nothing and stores nothing.
import { after, before, describe, it } from "node:test";
import assert from "node:assert/strict";
import {
  choose, controls, dialogAfter, fromDisk, groupEntries, message, openBrowser, openPage, phones,
  request, startServer, typeInto, windowText,
} from "./browser.mjs";

let browser;
let server;
before(async () => {
  browser = await openBrowser();
  server = await startServer();
});
after(async () => {
  await browser.close();
  server.close();
});

// Opens the page at `hash` and waits for its list, or its refusal.
const openAt = async (hash, base = fromDisk) => {
  const page = await openPage(browser, phones[1], base + hash);
  await page.waitForFunction(
    () => window.delvarinPage.lists > 0 || document.getElementById("MsgBox").open ||
          !location.hash.includes("="), { timeout: 10000 });
  return page;
};

describe("the address", () => {
  it("carries 20 requests made by typing and clicking, with their stars", async () => {
    const mothers = windowText(["--catalogue"]).split("\n").map((row) => row.split("\t")[2]);
    let seed = 1208;
    const random = (n) => ((seed = (seed * 1103515245 + 12345) % 2147483648), seed % n);
    const page = await openPage(browser, phones[1]);
    const entries = await page.evaluate(() => history.length);
    let prefixOn = false;
    for (let i = 0; i < 20; ++i) {
      await typeInto(page, "Text2", mothers[random(mothers.length)]);
      await page.click(random(2) ? "#Label11" : "#Label12");
      await page.click(random(3) ? "#Label5" : "#Label3");
      if (random(3) === 0 || prefixOn) {
        if (!prefixOn) await page.click("#Label2");
        prefixOn = true;
        await typeInto(page, "Text6", ["سيد", "سيده", " مير ", "آقا"][random(4)]);
      }
      const group = random(4);
      await choose(page, "Combo1", group);
      await choose(page, "Combo2", random(groupEntries(group).length));
      await request(page);
      const rows = await page.$$("#Text5List [role=option]");
      for (let s = random(4); s > 0; --s) await rows[random(rows.length)].click();
      const made = await controls(page);
      const address = await page.evaluate(() => location.hash);
      const again = await openAt(address);
      assert.deepEqual(await controls(again), made, address);
      await again.close();
    }
    // Each request is an entry of the history, a star none.
    assert.equal(await page.evaluate(() => history.length), entries + 20);
    await page.close();
  });

  it("is read as typing would read it: hostile or stale parts are dropped, the rest refused as usual", async () => {
    const refused = (args) => message(args);
    const cases = [
      // Unknown keys, and keys that name what JavaScript objects hold.
      ["#mother=مريم&gender=boy&colour=red&__proto__=1&constructor=2", ["--mother", "مريم", "--boy"]],
      // Texts go through the boxes' rule: line breaks, bidi and format characters out, 20 units.
      ["#mother=%E2%80%AEمر%0D%0Aيم%C2%AD&gender=girl", ["--mother", "مريم", "--girl"]],
      ["#mother=" + encodeURIComponent("ا".repeat(400)) + "&gender=boy", ["--mother", "ا".repeat(20), "--boy"]],
      // A planet outside its group, a group, gender or table that is none of the choices.
      ["#mother=مريم&gender=boy&group=1&planet=" + encodeURIComponent("زهره (ثور)"),
       ["--mother", "مريم", "--boy", "--group", "1"]],
      ["#mother=مريم&gender=girl&group=7&delete-letters=yes", ["--mother", "مريم", "--girl"]],
      // Stars that are no numbers, or not in the list.
      ["#mother=مريم&gender=boy&group=1&stars=abc.-3.99999.1e3.1", ["--mother", "مريم", "--boy", "--group", "1"]],
    ];
    for (const [hash, args] of cases) {
      const page = await openAt(hash);
      const state = await controls(page);
      assert.equal(state.list, windowText(args), hash);
      assert.deepEqual(state.stars, [], hash);
      assert.deepEqual(page.errors, [], hash);
      await page.close();
    }
    // What the request then lacks is refused, with the window's own message.
    for (const [hash, args] of [["#gender=boy", ["--mother", "", "--boy"]],
                                ["#mother=مريم&gender=both", ["--mother", "مريم"]],
                                ["#mother=مريم&gender=boy&use-prefix=1&prefix=<b>x</b>",
                                 ["--mother", "مريم", "--boy", "--use-prefix", "--prefix", "<b>x</b>"]]]) {
      const page = await openPage(browser, phones[1], fromDisk + hash);
      const shown = await dialogAfter(page, () => page.waitForSelector("#MsgBox[open]"));
      assert.equal(shown.text, refused(args), hash);
      await page.close();
    }
  });

  it("only ever reaches the page as text, and nothing is kept or sent", async () => {
    const page = await browser.newPage();
    const requested = [];
    page.on("request", (r) => requested.push(r.url()));
    const violations = [];
    page.on("console", (m) => /Content.Security.Policy|Refused/i.test(m.text()) && violations.push(m.text()));
    const script = "<img src=x onerror=window.hit=1><script>window.hit=2</script>";
    await page.goto(server.address + "#mother=" + encodeURIComponent(script) + "&gender=boy&use-prefix=1&prefix=" +
                    encodeURIComponent("\"><svg onload=window.hit=3>"));
    await page.waitForSelector("#MsgBox[open]");
    const state = await page.evaluate(() => ({
      hit: window.hit ?? null,
      elements: document.querySelectorAll("main img:not(#Image1):not([src='question.webp']), main svg, main script").length,
      cookies: document.cookie,
      local: localStorage.length,
      session: sessionStorage.length,
    }));
    assert.deepEqual(state, { hit: null, elements: 0, cookies: "", local: 0, session: 0 });
    assert.deepEqual(requested.filter((u) => !u.startsWith(server.address) && !u.startsWith("data:")), []);
    assert.deepEqual(violations, []);
    await page.close();
  });

  it("is handed to the share sheet where there is one, and copied where there is none", async () => {
    for (const withShare of [true, false]) {
      const page = await browser.newPage();
      await page.evaluateOnNewDocument((withShare) => {
        navigator.clipboard.writeText = async (copied) => (window.copied = copied);
        navigator.share = withShare ? async (data) => (window.shared = data) : undefined;
      }, withShare);
      await page.goto(fromDisk + "#mother=مريم&gender=boy&group=1&stars=23");
      await page.waitForFunction(() => window.delvarinPage && window.delvarinPage.lists > 0);
      await page.click("#ShareLink");
      await page.waitForFunction(() => document.getElementById("Status").textContent !== "");
      const seen = await page.evaluate(() => ({
        shared: window.shared?.url ?? null, copied: window.copied ?? null, status: document.getElementById("Status").textContent,
        here: location.href,
      }));
      assert.equal(withShare ? seen.shared : seen.copied, seen.here);
      assert.equal(seen.status, withShare ? "پيوند فرستاده شد" : "پيوند در حافظه رونوشت شد");
      await page.close();
    }
  });
});
