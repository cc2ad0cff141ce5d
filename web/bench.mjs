// The web edition's budgets, measured (not a test):
//   - everything the site serves, gzip-compressed: at most 400 KB;
//   - in headless chromium, from navigation start to the main menu painted:
//     at most 300 ms;
//   - one press of a solving button: at most 5 ms.
//
//   node web/bench.mjs [repetitions]      (the site: build-web/site or $CORPIMETRO_SITE)
//
// Exits 1 when a budget is missed.

import { readdirSync, readFileSync, statSync } from 'node:fs';
import { join, relative } from 'node:path';
import { gzipSync } from 'node:zlib';
import { Browser, serve, siteDir } from './chromium.mjs';

const repetitions = Number(process.argv[2] || 10);
const root = siteDir();

function files(dir) {
    return readdirSync(dir).flatMap((n) => {
        const p = join(dir, n);
        return statSync(p).isDirectory() ? files(p) : [p];
    });
}

const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

let total = 0, raw = 0;
const biggest = [];
for (const f of files(root)) {
    const data = readFileSync(f);
    const gz = gzipSync(data, { level: 9 }).length;
    raw += data.length;
    total += gz;
    biggest.push([gz, relative(root, f)]);
}
biggest.sort((a, b) => b[0] - a[0]);

const server = await serve(root);
const browser = await Browser.launch();
const painted = { cold: [], warm: [] };
let press = [];
try {
    for (const cache of ['cold', 'warm']) {
        for (let i = 0; i < repetitions; ++i) {
            const page = await browser.newPage();
            await page.send('Network.enable');
            if (cache === 'cold') {
                // Nothing kept from an earlier visit: no HTTP cache, no
                // service worker, no offline cache.
                await page.send('Network.clearBrowserCache');
                await page.send('Storage.clearDataForOrigin',
                                { origin: new URL(server.url).origin, storageTypes: 'all' });
            }
            // Nothing is asked of the page while it loads: evaluating
            // scripts in it meanwhile would slow what is being timed.
            const loaded = page.event('Page.loadEventFired');
            await page.send('Page.navigate', { url: server.url + 'index.html' });
            await loaded;
            const ms = await page.evaluate(`new Promise((ok) => {
                const m = performance.getEntriesByName('corpimetro-menu-painted')[0];
                if (m) ok(m.startTime);
                else new PerformanceObserver((l, o) => { o.disconnect(); ok(l.getEntries()[0].startTime); })
                    .observe({ type: 'mark', buffered: true });
            })`);
            painted[cache].push(ms);
            // The page ends its own loading (the core, the offline cache)
            // before the next one is timed.
            await page.evaluate(`new Promise((ok) => {
                const f = () => (document.documentElement.dataset.ready ? ok() : setTimeout(f, 20));
                f();
            })`);
            await new Promise((ok) => setTimeout(ok, 300));
            await browser.send('Target.closeTarget', { targetId: page.targetId });
        }
    }
    const page = await browser.newPage();
    await page.open(server.url + 'index.html?runner');
    const requests = [
        { screen: 'Form12', button: 'Command1', ticks: ['Check1', 'Check4'], answers: ['2,5', '3'], decimal: ',' },
        { screen: 'Form3', button: 'Command3', ticks: ['Check1'], answers: ['2'], decimal: '.' },
        { screen: 'Form25', button: 'Command2', ticks: ['Check1', 'Check2'], answers: ['1.5', '4'], decimal: '.' },
        { screen: 'Form27', button: 'Command7', ticks: [], answers: ['1'], decimal: '.' },
        { screen: 'Form12', button: 'Command1', ticks: [], answers: [], decimal: '.' },
    ];
    for (const r of requests) {
        await page.evaluate(`corpimetroPressTime(${JSON.stringify(r)}, 20)`); // warm up
        press.push([r, await page.evaluate(`corpimetroPressTime(${JSON.stringify(r)}, 500)`)]);
    }
} finally {
    await browser.close();
    server.close();
}

// The same presses in node, on the same WebAssembly, by CPU time: a figure
// that other work on the machine does not inflate.
const { createRequire } = await import('node:module');
const core = await createRequire(import.meta.url)(join(root, 'corpimetro.js'))(
    { wasmBinary: readFileSync(join(root, 'corpimetro.wasm')) });
const pressNative = core.cwrap('corpimetro_press', 'string', ['string']);
const cpu = press.map(([r]) => {
    const text = JSON.stringify(r);
    for (let i = 0; i < 20; ++i)
        pressNative(text);
    const t0 = process.cpuUsage();
    for (let i = 0; i < 500; ++i)
        pressNative(text);
    const t = process.cpuUsage(t0);
    return (t.user + t.system) / 1000 / 500;
});

const kb = (n) => (n / 1024).toFixed(1) + ' KB';
console.log(`site: ${kb(raw)} in ${biggest.length} files, ${kb(total)} gzip-compressed (budget 400 KB)`);
for (const [gz, f] of biggest.slice(0, 4))
    console.log(`  ${f}: ${kb(gz)}`);
for (const cache of ['cold', 'warm'])
    console.log(`main menu painted, ${cache} cache: median ${median(painted[cache]).toFixed(0)} ms, `
                + `worst ${Math.max(...painted[cache]).toFixed(0)} ms of ${repetitions} (budget 300 ms)`);
press.forEach(([r, ms], i) => console.log(`press ${r.screen}.${r.button} [${r.ticks.join(',')}]: `
    + `${(ms * 1000).toFixed(0)} µs in chromium, ${(cpu[i] * 1000).toFixed(0)} µs of CPU in node (budget 5 ms)`));
console.log(`(load average while measuring: ${(await import('node:os')).loadavg()[0].toFixed(1)} on ${(await import('node:os')).cpus().length} cores)`);

const worstPress = Math.max(...press.map(([, ms]) => ms));
const ok = total <= 400 * 1024 && median(painted.cold) <= 300 && worstPress <= 5;
console.log(ok ? 'every budget met' : 'a budget is missed');
process.exit(ok ? 0 : 1);
