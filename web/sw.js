// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the page's own files, so that after one visit it opens and works
// with the network off. Each build has a cache of its own; the old one goes
// when the new worker takes over. Nothing else is kept: an address with a
// request in it is answered with the page, and the request is not stored.
"use strict";

const CACHE = "delvarin-@VERSION@";
const FILES = @FILES@;

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    caches.keys()
      .then((names) => Promise.all(names.filter((n) => n !== CACHE).map((n) => caches.delete(n))))
      .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== location.origin) return;
  const kept = request.mode === "navigate" ? "./" : request;
  event.respondWith(
    caches.open(CACHE)
      .then((cache) => cache.match(kept, { ignoreSearch: true }))
      .then((answer) => answer || fetch(request)));
});
