// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's figures: its size, the time from opening it from disk to
// ready in headless Chromium, and the press-to-list time of the 1719-line
// list beside the floor of setting that text at once. Prints, never judges.
// Usage: node bench/web-figures.mjs [SITE] [MODULE_JS]
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import zlib from "node:zlib";
import { openBrowser, openPage } from "../web/tests/browser.mjs";

const site = process.argv[2] || "build/web/site";
const moduleJs = process.argv[3] || "build/web/web/delvarin_module.js";
const runs = 11;
const median = (xs) => xs.sort((a, b) => a - b)[xs.length >> 1];
const kb = (bytes) => (bytes / 1024).toFixed(1) + " KiB";
const gz = (file) => zlib.gzipSync(fs.readFileSync(file), { level: 9 }).length;

const browser = await openBrowser();
const loads = [];
for (let i = 0; i < runs; ++i) {
  const page = await openPage(browser, site);
  loads.push(await page.evaluate(() => window.delvarinPage.readyMs));
  await page.close();
}
// The floor: a page from disk that has nothing to load or build.
const empty = fs.mkdtempSync(path.join(os.tmpdir(), "delvarin-empty-"));
fs.writeFileSync(path.join(empty, "index.html"),
  "<!DOCTYPE html><script>window.delvarinPage = { readyMs: performance.now() };" +
  "document.documentElement.dataset.ready = '1';</script>");
const emptyLoads = [];
for (let i = 0; i < runs; ++i) {
  const page = await openPage(browser, empty);
  emptyLoads.push(await page.evaluate(() => window.delvarinPage.readyMs));
  await page.close();
}
fs.rmSync(empty, { recursive: true });

const page = await openPage(browser, site);
await page.evaluate(() => {
  const box = document.getElementById("Text2");
  box.value = "مريم";
  box.dispatchEvent(new InputEvent("input", { bubbles: true }));
  document.getElementById("Label12").click();
});
const lists = [];
const floors = [];
let lines = 0;
for (let i = 0; i < runs; ++i) {
  await page.click("#Command2");
  await page.waitForFunction((n) => window.delvarinPage.lists === n, {}, i + 1);
  const text = await page.$eval("#Text5", (el) => el.textContent);
  lines = text.split("\r\n").length - 1;
  lists.push(await page.evaluate(() => window.delvarinPage.listMs));
  await page.evaluate((t) => window.delvarinPage.floor(t), text);
  floors.push(await page.evaluate(() => window.delvarinPage.floorMs));
}
await browser.close();

const list = median(lists);
const floor = median(floors);
console.log(`Web page (headless ${"Chromium"}, opened from disk, median of ${runs})
  module (engine, catalogue, layout)   ${kb(fs.statSync(moduleJs).size)}, ${kb(gz(moduleJs))} gzipped   goal under 250 KiB gzipped
  whole page (module, face, pictures)  ${kb(fs.statSync(site + "/index.html").size)}, ${kb(gz(site + "/index.html"))} gzipped
  open to ready                        ${median(loads).toFixed(1)} ms   floor, an empty page: ${median(emptyLoads).toFixed(1)} ms   goal under 200 ms
  press to list, ${lines} lines          ${list.toFixed(2)} ms   floor, same text set at once: ${floor.toFixed(2)} ms   ratio ${(list / floor).toFixed(2)}`);
