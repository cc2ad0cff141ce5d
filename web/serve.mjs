// Serves the built web edition (build-web/site, or $CORPIMETRO_SITE) on
// http://127.0.0.1:PORT/ until stopped with Ctrl+C.
//
//   node web/serve.mjs [PORT]       (default 8080)

import { serve, siteDir } from './chromium.mjs';

const port = Number(process.argv[2] || 8080);
const server = await serve(siteDir(), port);
console.log(`CORPIMETRO: ${server.url}  (Ctrl+C to stop)`);
