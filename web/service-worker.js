'use strict';
// Keeps the page's files, so that the page, once served over HTTP(S), opens
// and converts with no network. The netlist itself never passes here: the
// page reads it from the disk and the download is made in the page. A new
// build comes with a new cache name, which replaces the old files.
const cacheName = 'brisel-@SITE_HASH@';
const siteFiles = [
  './', 'index.html', 'brisel.js', 'brisel.css', 'brisel-worker.js', 'brisel-worker.wasm',
  'brisel.webmanifest', 'brisel-128.png', 'brisel-256.png',
];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(siteFiles)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  const old = (name) => name.startsWith('brisel-') && name !== cacheName;
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter(old).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(cacheName)
    .then((cache) => cache.match(event.request, { ignoreSearch: true }))
    .then((kept) => kept || fetch(event.request)));
});
