// Keeps the calculator usable offline: the files of the page are cached when
// the worker is installed, the pictures when the page names them, and every
// request is answered from the cache first.

const CACHE = 'corpimetro-88e268aa1ffdefe9';
// The page holds its style and scripts (tools/webpage.mjs writes them in).
const SHELL = ['./', 'index.html', 'corpimetro.js', 'corpimetro.wasm', 'manifest.webmanifest', 'icon.svg'];

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(CACHE).then((c) => c.addAll(SHELL)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(caches.keys()
        .then((keys) => Promise.all(keys.filter((k) => k !== CACHE).map((k) => caches.delete(k))))
        .then(() => self.clients.claim()));
});

self.addEventListener('message', (event) => {
    if (event.data && Array.isArray(event.data.keep))
        event.waitUntil(caches.open(CACHE).then((c) => c.addAll(event.data.keep)));
});

self.addEventListener('fetch', (event) => {
    const request = event.request;
    if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin)
        return;
    event.respondWith(caches.match(request, { ignoreSearch: true }).then((hit) => hit || fetch(request).then((response) => {
        if (response.ok) {
            const copy = response.clone();
            caches.open(CACHE).then((c) => c.put(request, copy));
        }
        return response;
    })));
});
