// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's tests share: Debian's Chromium, headless; the site opened
// from disk or served as a static host serves it (nginx, compressed, from
// web/nginx.conf); delvarin-list for the lists the page must equal; and
// driving the page as a parent does.
import puppeteer from "puppeteer-core";
import assert from "node:assert/strict";
import { spawn, spawnSync } from "node:child_process";
import fs from "node:fs";
import net from "node:net";
import os from "node:os";
import path from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";

export const site = path.resolve(process.env.SITE || "build/web/site");
export const shots = process.env.SHOTS || "build/web/screenshots";
const listCommand = process.env.LIST || "build/ci/list/delvarin-list";
const here = path.dirname(fileURLToPath(import.meta.url));
export const fromDisk = pathToFileURL(path.join(site, "index.html")).href;

// Phones held upright, and a desktop.
export const phones = [320, 360, 412].map((width) => ({ width, height: 740, isMobile: true, hasTouch: true }));
// Phones sideways and tablets both ways: touch screens too, whatever their width.
export const touchScreens = [...phones, ...[[740, 360], [915, 412], [768, 1024], [1280, 800]]
  .map(([width, height]) => ({ width, height, isMobile: true, hasTouch: true }))];
export const desktop = { width: 1280, height: 800 };

export async function openBrowser() {
  fs.mkdirSync(shots, { recursive: true });
  return puppeteer.launch({
    executablePath: process.env.CHROMIUM || "/usr/bin/chromium",
    headless: true,
    args: ["--no-sandbox", "--disable-gpu", "--font-render-hinting=none", "--disable-background-networking",
           "--disable-component-update", "--no-first-run"],
  });
}

// Opens `address` (from disk unless given), at night if `dark`, and waits
// until the page is ready.
export async function openPage(browser, viewport = desktop, address = fromDisk, dark = false) {
  const page = await browser.newPage();
  if (dark) await page.emulateMediaFeatures([{ name: "prefers-color-scheme", value: "dark" }]);
  await page.setViewport(viewport);
  const errors = [];
  page.on("pageerror", (e) => errors.push(e.message));
  page.on("console", (m) => m.type() === "error" && errors.push(m.text()));
  page.on("requestfailed", (r) => errors.push("request failed: " + r.url().slice(0, 80)));
  page.errors = errors;
  await page.goto(address);
  await page.waitForFunction(() => document.documentElement.dataset.ready === "1", { timeout: 20000 });
  return page;
}

// The site (or a copy of it) served from a free port, as a static host
// serves it.
export async function startServer(root = site) {
  const prefix = fs.mkdtempSync(path.join(os.tmpdir(), "delvarin-nginx-"));
  const port = await new Promise((resolve) => {
    const probe = net.createServer().listen(0, "127.0.0.1", () => {
      const { port } = probe.address();
      probe.close(() => resolve(port));
    });
  });
  const conf = fs.readFileSync(path.join(here, "../nginx.conf"), "utf8")
    .replaceAll("@ROOT@", root).replaceAll("@PORT@", String(port)).replaceAll("@PREFIX@", prefix)
    .replaceAll("@USER@", process.getuid() === 0 ? "user root root;" : "");
  fs.writeFileSync(path.join(prefix, "nginx.conf"), conf);
  const nginx = spawn("nginx", ["-p", prefix, "-c", path.join(prefix, "nginx.conf")], { stdio: "ignore" });
  // A test that fails before it closes the server must not keep the run alive.
  nginx.unref();
  const stop = () => nginx.kill();
  process.on("exit", stop);
  for (let i = 0; i < 100; ++i) {
    const up = await new Promise((resolve) =>
      net.connect(port, "127.0.0.1").on("connect", function () { this.end(); resolve(true); })
        .on("error", () => resolve(false)));
    if (up) break;
    await new Promise((r) => setTimeout(r, 50));
  }
  return {
    address: `http://127.0.0.1:${port}/`,
    close: () => {
      process.off("exit", stop);
      nginx.kill();
      fs.rmSync(prefix, { recursive: true, force: true });
    },
  };
}

export const list = (...args) => {
  const r = spawnSync(listCommand, args, { encoding: "utf8" });
  return { status: r.status, out: r.stdout, err: r.stderr };
};
// The window's text is delvarin-list's output without its closing line feed.
export const windowText = (args) => {
  const r = list(...args);
  assert.equal(r.status, 0, r.err);
  return r.out.slice(0, -1);
};
export const message = (args) => {
  const r = list(...args);
  assert.equal(r.status, 2);
  return r.err.trim();
};
// The refusal of an unknown planet names the group's entries, one a line.
export const groupEntries = (group) => {
  const lines = list("--mother", "x", "--group", String(group), "--planet", "?").err.split("\n");
  return lines.slice(1, lines.findIndex((l) => l.startsWith("usage:"))).map((l) => l.slice(2));
};
// The typed-text rule's table, shared with the engine's tests.
export const typedCharacters = () =>
  [...fs.readFileSync(path.join(here, "../../tests/typed_text_cases.h"), "utf8")
    .matchAll(/\{"(\w+)", 0x([0-9A-F]+), (true|false)\}/g)]
    .map(([, name, hex, kept]) => ({ name, c: String.fromCodePoint(parseInt(hex, 16)), kept: kept === "true" }));

// Sets a name box as typing would, through the page's own input handling.
export const typeInto = (page, id, text) =>
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
export const choose = (page, id, index) =>
  page.evaluate(
    (id, index) => {
      const combo = document.getElementById(id);
      combo.selectedIndex = index;
      combo.dispatchEvent(new Event("change"));
    },
    id,
    index,
  );
export const text = (page, id) =>
  page.$eval("#" + id, (el) => ("value" in el && el.tagName !== "DIV" && el.tagName !== "OUTPUT" ? el.value : el.textContent));
// Presses the button and waits for the list; fails on a refusal.
export const request = async (page) => {
  const done = await page.evaluate(() => window.delvarinPage.lists || 0);
  await page.click("#Command2");
  await page.waitForFunction(
    (n) => window.delvarinPage.lists === n + 1 || document.getElementById("MsgBox").open, {}, done);
  const refused = await page.$eval("#MsgBox", (d) => d.open && d.textContent);
  assert.equal(refused, false, "the page refused the request");
  return text(page, "Text5");
};
export const dialogAfter = async (page, action) => {
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
// The state a parent sees: every control's value and the list's stars.
export const controls = (page) =>
  page.evaluate(() => {
    const $ = (id) => document.getElementById(id);
    return {
      mother: $("Text2").value,
      prefix: [$("Check1").checked, $("Text6").value],
      gender: [$("Option2_0").checked, $("Option2_1").checked],
      convert: $("Option1_1").checked,
      group: $("Combo1").selectedIndex,
      planet: $("Combo2").value,
      list: $("Text5").textContent,
      stars: Array.from(document.querySelectorAll('[role=option][aria-checked="true"]'), (r) => r.textContent),
    };
  });
