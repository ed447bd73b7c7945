// The page's service worker: it keeps every file of one build, so that the page opens and
// computes with the network cut once it has been visited. The build writes in the version (made
// from the files' contents) and the list of files; a new build's worker replaces the old
// files whole and drops them.
const VERSION = '__VERSION__';
const FILES = ['__FILES__'];
const CACHE = `velmorantes-${VERSION}`;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((k) => k.startsWith('velmorantes-') && k !== CACHE).map((k) => caches.delete(k))))
    .then(() => self.clients.claim()));
});

// The kept file first; the network only for what this build does not have.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(request, { ignoreSearch: true }))
    .then((kept) => kept ?? fetch(request)));
});
