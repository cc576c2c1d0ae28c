// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the built page straight from disk in Debian's Chromium, headless.
import puppeteer from "puppeteer-core";
import path from "node:path";
import { pathToFileURL } from "node:url";

export const pageAddress = (site) => pathToFileURL(path.resolve(site, "index.html")).href;

export async function openBrowser() {
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    headless: true,
    args: ["--no-sandbox", "--disable-gpu", "--font-render-hinting=none"],
  });
}

export async function openPage(browser, site, viewport = { width: 1280, height: 800 }) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  const errors = [];
  page.on("pageerror", (e) => errors.push(e.message));
  page.on("requestfailed", (r) => errors.push("request failed: " + r.url().slice(0, 80)));
  await page.goto(pageAddress(site));
  await page.waitForFunction(() => document.documentElement.dataset.ready === "1", { timeout: 20000 });
  page.errors = errors;
  return page;
}
