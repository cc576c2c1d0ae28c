// SPDX-License-Identifier: GPL-3.0-or-later
// The site as a static host serves it: offline after one visit, a new build
// replacing the old cache, installable, and without an accessibility fault
// (axe) or a lost point in Lighthouse's accessibility, best practices and
// SEO, in both layouts.
import { after, before, describe, it } from "node:test";
import assert from "node:assert/strict";
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { createRequire } from "node:module";
import lighthouse from "lighthouse";
import desktopConfig from "lighthouse/core/config/desktop-config.js";
import {
  desktop, dialogAfter, openBrowser, openPage, phones, request, site, startServer, text, typeInto,
  windowText,
} from "./browser.mjs";

const axeSource = fs.readFileSync(createRequire(import.meta.url).resolve("axe-core/axe.min.js"), "utf8");

let browser;
before(async () => (browser = await openBrowser()));
after(() => browser.close());

describe("the served site", () => {
  it("works offline after one visit; a new build replaces the old cache and the open page offers it", async () => {
    // A copy, so that a second build can stand in its place.
    const copy = fs.mkdtempSync(path.join(os.tmpdir(), "delvarin-site-"));
    fs.cpSync(site, copy, { recursive: true });
    fs.chmodSync(copy, 0o755); // nginx serves as its own user
    const server = await startServer(copy);
    const context = await browser.createBrowserContext();
    let page = await openPage(context, phones[1], server.address);
    await page.evaluate(() => navigator.serviceWorker.ready);
    const first = await page.evaluate(() => caches.keys());
    assert.equal(first.length, 1);

    // The network off: the page comes from the worker's cache and lists.
    await page.setOfflineMode(true);
    await page.reload();
    await page.waitForFunction(() => document.documentElement.dataset.ready === "1");
    await typeInto(page, "Text2", "مريم");
    await page.click("#Label11");
    assert.equal(await request(page), windowText(["--mother", "مريم", "--boy"]));
    await page.setOfflineMode(false);

    // Another build: its worker takes over and its cache alone remains.
    const sw = path.join(copy, "sw.js");
    fs.writeFileSync(sw, fs.readFileSync(sw, "utf8").replace(/delvarin-[0-9a-f]+/, "delvarin-rebuilt"));
    await page.close();
    page = await openPage(context, phones[1], server.address);
    await typeInto(page, "Text2", "مريم");
    await page.click("#Label11");
    const before = await request(page);
    await page.evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r.update()));
    await page.waitForFunction(async () => (await caches.keys()).join() === "delvarin-rebuilt", { timeout: 10000 });
    // The open page says so and offers the new version, request and all.
    await page.waitForSelector("#Update:not([hidden])");
    assert.equal(await page.$eval("#Reload", (b) => b.textContent), "بارگذاري دوباره");
    await Promise.all([page.waitForNavigation(), page.click("#Reload")]);
    await page.waitForFunction(() => window.delvarinPage?.lists === 1);
    assert.equal(await text(page, "Text5"), before);
    await context.close();
    server.close();
    fs.rmSync(copy, { recursive: true, force: true });
  });

  it("can be installed, on a phone or a desktop", async () => {
    const server = await startServer();
    const page = await openPage(browser, desktop, server.address);
    await page.evaluate(() => navigator.serviceWorker.ready);
    const cdp = await page.createCDPSession();
    const { installabilityErrors } = await cdp.send("Page.getInstallabilityErrors");
    assert.deepEqual(installabilityErrors, []);
    const manifest = await cdp.send("Page.getAppManifest");
    assert.deepEqual(manifest.errors, []);
    const parsed = JSON.parse(manifest.data);
    assert.deepEqual([parsed.short_name, parsed.lang, parsed.dir, parsed.display],
                     ["Delvarin Chooser", "fa", "rtl", "standalone"]);
    await page.close();
    server.close();
  });
});

describe("accessibility", () => {
  // The designed red of the value and planet labels on the designed grey
  // is the one exception, and only in the classic window.
  const faults = async (page, classic) => {
    await page.evaluate(axeSource);
    const { violations } = await page.evaluate(() =>
      window.axe.run(document, { runOnly: ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa", "best-practice"] }));
    return violations
      .map((v) => ({
        id: v.id,
        nodes: v.nodes.map((n) => n.target.join(" "))
          .filter((t) => !(classic && v.id === "color-contrast" && /#Label(9|13|14)$/.test(t))),
      }))
      .filter((v) => v.nodes.length);
  };
  for (const [viewport, dark] of [[desktop, false], [phones[1], false], [phones[1], true]]) {
    const classic = !viewport.isMobile;
    const name = classic ? "classic" : dark ? "touch layout at night" : "touch";
    it(`finds no fault in the ${name} layout: open, listed, and with a message`, async () => {
      const page = await openPage(browser, viewport, undefined, dark);
      await page.setBypassCSP(true);
      assert.deepEqual(await faults(page, classic), []);
      await typeInto(page, "Text2", "مريم");
      await page.click("#Label11");
      await page.click("#Label2");
      await request(page);
      await page.$$eval("#Text5List [role=option]", (rows) => rows[2].click());
      assert.deepEqual(await faults(page, classic), []);
      await typeInto(page, "Text6", "");
      await page.click("#Command2");
      await page.waitForSelector("#MsgBox[open]");
      assert.deepEqual(await faults(page, classic), []);
      await dialogAfter(page, async () => {});
      await page.close();
    });
  }

  it("scores 100 in Lighthouse's accessibility, best practices and SEO, mobile and desktop", async () => {
    const server = await startServer();
    const port = Number(new URL(browser.wsEndpoint()).port);
    for (const [name, config] of [["mobile", undefined], ["desktop", desktopConfig]]) {
      const { lhr } = await lighthouse(server.address, {
        port, logLevel: "error", onlyCategories: ["accessibility", "best-practices", "seo"],
      }, config);
      const scores = Object.fromEntries(Object.values(lhr.categories).map((c) => [c.id, c.score]));
      const lost = Object.values(lhr.audits)
        .filter((a) => a.score !== null && a.score < 1 && a.scoreDisplayMode !== "informative" &&
                       a.scoreDisplayMode !== "manual")
        .map((a) => a.id);
      assert.deepEqual(scores, { accessibility: 1, "best-practices": 1, seo: 1 }, `${name}: ${lost}`);
    }
    server.close();
  });
});
