// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps the page's own files, so that after one visit it opens and works
// with the network off. Each build has a cache of its own; the old one goes
// when the new worker takes over. Nothing else is kept: an address with a
// request in it is answered with the page, and the request is not stored.
"use strict";

const CACHE = "delvarin-@VERSION@";
const FILES = @FILES@;

// The new version takes over as soon as its files are kept: asked at once,
// as a skip asked only once the files were in was now and then lost.
self.addEventListener("install", (event) => {
  self.skipWaiting();
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)));
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
  // Matched without opening the cache: an old worker still answering must
  // not make its deleted cache again.
  event.respondWith(
    caches.match(kept, { ignoreSearch: true, cacheName: CACHE }).then((answer) => answer || fetch(request)));
});
