// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's figures: what a first visit downloads (served compressed as
// a static host serves it), Lighthouse's mobile and desktop runs (the phone
// and the classic layout), the time from opening to ready, and the press to
// list of the 1719-line list, at the desktop and a phone, at full speed and at
// 4x slower, beside the floor of setting that text at once.
// Prints, never judges.
// Usage: node bench/web-figures.mjs   (SITE, LIST as for the page's tests)
import lighthouse from "../web/node_modules/lighthouse/core/index.js";
import desktopConfig from "../web/node_modules/lighthouse/core/config/desktop-config.js";
import { desktop, openBrowser, openPage, phones, startServer, typeInto } from "../web/tests/browser.mjs";

const runs = 11;
const median = (xs) => xs.sort((a, b) => a - b)[xs.length >> 1];
const kib = (bytes) => (bytes / 1024).toFixed(1) + " KiB";

const browser = await openBrowser();
const server = await startServer();

// A first visit in a fresh profile: every response's bytes on the wire.
const context = await browser.createBrowserContext();
const visit = await context.newPage();
const cdp = await visit.createCDPSession();
await cdp.send("Network.enable");
const wire = new Map();
cdp.on("Network.loadingFinished", (e) => wire.set(e.requestId, e.encodedDataLength));
await visit.goto(server.address);
await visit.waitForFunction(() => document.documentElement.dataset.ready === "1");
await visit.evaluate(() => navigator.serviceWorker.ready);
await new Promise((r) => setTimeout(r, 1000));
const firstVisit = [...wire.values()].reduce((a, b) => a + b, 0);
await context.close();

const port = Number(new URL(browser.wsEndpoint()).port);
const lighthouseRows = [];
// Three runs each, the median beside the goal (95, and under 200 ms blocked).
for (const [name, layout, config] of [["mobile", "touch", undefined], ["desktop", "classic", desktopConfig]]) {
  const scores = [];
  const blocked = [];
  let lhr;
  for (let i = 0; i < 3; ++i) {
    ({ lhr } = await lighthouse(server.address, { port, logLevel: "error" }, config));
    scores.push(Math.round(lhr.categories.performance.score * 100));
    blocked.push(Math.round(lhr.audits["total-blocking-time"].numericValue));
  }
  const score = (id) => Math.round(lhr.categories[id].score * 100);
  const audit = (id) => lhr.audits[id].displayValue;
  lighthouseRows.push(
    `  ${name.padEnd(8)}(${layout} layout)  performance ${scores.join(" / ")} (median ${median([...scores])}, goal 95),` +
    ` total blocking ${blocked.join(" / ")} ms (median ${median([...blocked])}, goal under 200)\n` +
    `      last run: accessibility ${score("accessibility")}, best practices ${score("best-practices")}, SEO ${score("seo")};` +
    ` first contentful paint ${audit("first-contentful-paint")}, largest ${audit("largest-contentful-paint")},` +
    ` layout shift ${audit("cumulative-layout-shift")}`);
}

const loads = { disk: [], served: [] };
for (let i = 0; i < runs; ++i)
  for (const [where, address] of [["disk", undefined], ["served", server.address]]) {
    const page = await openPage(browser, phones[1], address);
    loads[where].push(await page.evaluate(() => window.delvarinPage.readyMs));
    await page.close();
  }

// The list at the desktop's and a phone's layout, at full speed and at a
// mid-range phone's (4x slower), each beside the floor of its own box.
const listRows = [];
let lines = 0;
for (const [name, viewport] of [["desktop", desktop], ["phone", phones[1]]])
  for (const rate of [1, 4]) {
    const page = await openPage(browser, viewport);
    const cdp = await page.target().createCDPSession();
    await typeInto(page, "Text2", "مريم");
    await page.click("#Label12");
    await cdp.send("Emulation.setCPUThrottlingRate", { rate });
    const lists = [];
    const floors = [];
    for (let i = 0; i < runs; ++i) {
      await page.click("#Command2");
      await page.waitForFunction((n) => window.delvarinPage.lists === n, {}, i + 1);
      const text = await page.$eval("#Text5", (el) => el.textContent);
      lines = text.split("\r\n").length - 1;
      lists.push(await page.evaluate(() => window.delvarinPage.listMs));
      await page.evaluate((t) => window.delvarinPage.floor(t), text);
      floors.push(await page.evaluate(() => window.delvarinPage.floorMs));
    }
    const list = median(lists);
    const floor = median(floors);
    listRows.push(`  press to list, ${lines} lines, ${name} ${rate}x   ${list.toFixed(1)} ms   floor, same text set at once: ${floor.toFixed(1)} ms   ratio ${(list / floor).toFixed(2)}   goal 1 or less`);
    await page.close();
  }
await browser.close();
server.close();

console.log(`Web page (headless Chromium; served by nginx, compressed)
  first visit, every file on the wire   ${kib(firstVisit)}   goal under 150 KiB
Lighthouse 12.2.3 (mobile: slow 4G, 4x CPU; desktop: its own profile)
${lighthouseRows.join("\n")}
Opening and listing (median of ${runs})
  open to ready, phone, served   ${median(loads.served).toFixed(1)} ms   from disk ${median(loads.disk).toFixed(1)} ms
${listRows.join("\n")}`);
