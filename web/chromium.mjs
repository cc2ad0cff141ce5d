// Debian's chromium, headless, driven over the DevTools protocol on a pipe
// (no WebSocket, no package), and a small static server on 127.0.0.1 for the
// built site. Used by web/run-script, the browser tests and the benchmark.

import { spawn } from 'node:child_process';
import { mkdtempSync, rmSync, createReadStream, statSync, existsSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { join, extname, resolve, sep, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';

export const repo = resolve(dirname(fileURLToPath(import.meta.url)), '..');

// The built site: $CORPIMETRO_SITE, else build-web/site of this work tree.
export function siteDir() {
    return resolve(process.env.CORPIMETRO_SITE || join(repo, 'build-web', 'site'));
}

const TYPES = {
    '.html': 'text/html; charset=utf-8',
    '.js': 'text/javascript; charset=utf-8',
    '.mjs': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8',
    '.wasm': 'application/wasm',
    '.svg': 'image/svg+xml',
    '.json': 'application/json',
    '.webmanifest': 'application/manifest+json',
    '.png': 'image/png',
};

// Serves `root` on 127.0.0.1 at `port` (a free one by default).
// `server.offline = true` makes it answer every request with 503, as if the
// network were gone.
export function serve(root, port = 0) {
    const server = createServer((req, res) => {
        if (server.offline) {
            res.writeHead(503);
            res.end();
            return;
        }
        let path = decodeURIComponent(new URL(req.url, 'http://x').pathname);
        if (path.endsWith('/'))
            path += 'index.html';
        const file = resolve(root, '.' + path);
        if (!(file + sep).startsWith(root + sep) || !existsSync(file) || !statSync(file).isFile()) {
            res.writeHead(404);
            res.end();
            return;
        }
        res.writeHead(200, { 'Content-Type': TYPES[extname(file)] || 'application/octet-stream',
                             'Cache-Control': 'no-cache' });
        createReadStream(file).pipe(res);
    });
    return new Promise((ok, fail) => {
        server.once('error', fail);
        server.listen(port, '127.0.0.1', () => {
            server.url = `http://127.0.0.1:${server.address().port}/`;
            ok(server);
        });
    });
}

export const FLAGS = [
    '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync',
    '--disable-default-apps', '--disable-extensions', '--mute-audio', '--hide-scrollbars',
];

export function chromiumPath() {
    for (const p of [process.env.CHROMIUM, '/usr/bin/chromium', '/usr/bin/chromium-browser'])
        if (p && existsSync(p))
            return p;
    throw new Error('chromium is not installed (apt-get install chromium)');
}

export class Browser {
    // Starts chromium with a fresh profile; `args` are extra flags.
    static async launch(args = []) {
        const profile = mkdtempSync(join(tmpdir(), 'corpimetro-chromium-'));
        const child = spawn(chromiumPath(), [...FLAGS, `--user-data-dir=${profile}`,
                                             '--remote-debugging-pipe', ...args, 'about:blank'],
                            { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'] });
        const b = new Browser(child, profile);
        await b.send('Target.setDiscoverTargets', { discover: false });
        return b;
    }

    constructor(child, profile) {
        this.child = child;
        this.profile = profile;
        this.next = 1;
        this.waiting = new Map();
        this.listeners = new Set();
        this.stderr = '';
        child.stderr.on('data', (d) => { this.stderr = (this.stderr + d).slice(-4000); });
        let buffer = Buffer.alloc(0);
        child.stdio[4].on('data', (chunk) => {
            buffer = Buffer.concat([buffer, chunk]);
            let end;
            while ((end = buffer.indexOf(0)) >= 0) {
                const msg = JSON.parse(buffer.subarray(0, end).toString('utf8'));
                buffer = buffer.subarray(end + 1);
                if (msg.id && this.waiting.has(msg.id)) {
                    const { ok, fail, method } = this.waiting.get(msg.id);
                    this.waiting.delete(msg.id);
                    if (msg.error)
                        fail(new Error(`${method}: ${msg.error.message}`));
                    else
                        ok(msg.result);
                } else {
                    for (const l of this.listeners)
                        l(msg);
                }
            }
        });
        this.exited = new Promise((ok) => child.once('exit', ok));
        this.exited.then(() => {
            for (const { fail } of this.waiting.values())
                fail(new Error('chromium ended: ' + this.stderr.trim().split('\n').slice(-3).join(' | ')));
            this.waiting.clear();
        });
    }

    send(method, params = {}, sessionId) {
        const id = this.next++;
        const msg = { id, method, params };
        if (sessionId)
            msg.sessionId = sessionId;
        return new Promise((ok, fail) => {
            this.waiting.set(id, { ok, fail, method });
            this.child.stdio[3].write(JSON.stringify(msg) + '\0');
        });
    }

    // The next event of that name (and session), optionally matching `test`.
    event(method, sessionId, test = () => true, timeout = 30000) {
        return new Promise((ok, fail) => {
            const timer = setTimeout(() => {
                this.listeners.delete(l);
                fail(new Error('timed out waiting for ' + method));
            }, timeout);
            const l = (msg) => {
                if (msg.method === method && (!sessionId || msg.sessionId === sessionId) && test(msg.params)) {
                    clearTimeout(timer);
                    this.listeners.delete(l);
                    ok(msg.params);
                }
            };
            this.listeners.add(l);
        });
    }

    async newPage({ width = 1366, height = 900, mobile = false } = {}) {
        const { targetId } = await this.send('Target.createTarget', { url: 'about:blank' });
        const { sessionId } = await this.send('Target.attachToTarget', { targetId, flatten: true });
        const page = new Page(this, targetId, sessionId);
        await page.send('Page.enable');
        await page.send('Runtime.enable');
        await page.send('Emulation.setDeviceMetricsOverride',
                        { width, height, deviceScaleFactor: 1, mobile });
        return page;
    }

    async close() {
        try {
            await Promise.race([this.send('Browser.close'), new Promise((ok) => setTimeout(ok, 2000))]);
        } catch {
            // already gone
        }
        if (this.child.exitCode === null)
            this.child.kill('SIGKILL');
        await this.exited;
        try {
            // Helper processes may still be leaving files behind.
            rmSync(this.profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
        } catch {
            // a leftover temporary directory is no fault of the run
        }
    }
}

export class Page {
    constructor(browser, targetId, sessionId) {
        this.browser = browser;
        this.targetId = targetId;
        this.sessionId = sessionId;
    }

    send(method, params) {
        return this.browser.send(method, params, this.sessionId);
    }

    event(method, test, timeout) {
        return this.browser.event(method, this.sessionId, test, timeout);
    }

    // Evaluates an expression in the page, awaiting a promise, and returns
    // its value; an exception in the page is thrown here.
    async evaluate(expression) {
        const r = await this.send('Runtime.evaluate', { expression, awaitPromise: true, returnByValue: true });
        if (r.exceptionDetails)
            throw new Error('in the page: ' + (r.exceptionDetails.exception?.description || r.exceptionDetails.text));
        return r.result.value;
    }

    // Goes to `url` and waits until the calculator has started.
    async open(url, timeout = 30000) {
        await this.send('Page.navigate', { url });
        const until = Date.now() + timeout;
        for (;;) {
            let state;
            try {
                state = await this.evaluate('document.readyState === "complete" ? document.documentElement.dataset.ready : undefined');
            } catch {
                state = undefined; // the new document is not there yet
            }
            if (state === 'true')
                return;
            if (state === 'failed')
                throw new Error('the calculator did not start: '
                                + await this.evaluate('document.getElementById("failed").textContent'));
            if (Date.now() > until)
                throw new Error('the calculator did not start in time at ' + url);
            await new Promise((ok) => setTimeout(ok, 20));
        }
    }

    async reload() {
        await this.send('Page.reload', { ignoreCache: false });
    }

    async key(key, { shift = false } = {}) {
        const codes = { Tab: 9, Enter: 13, Escape: 27, ' ': 32 };
        const base = { key, code: key === ' ' ? 'Space' : key, windowsVirtualKeyCode: codes[key],
                       modifiers: shift ? 8 : 0 };
        await this.send('Input.dispatchKeyEvent', { type: 'rawKeyDown', ...base });
        if (key === 'Enter' || key === ' ')
            await this.send('Input.dispatchKeyEvent', { type: 'char', text: key === 'Enter' ? '\r' : ' ', ...base });
        await this.send('Input.dispatchKeyEvent', { type: 'keyUp', ...base });
    }

    async type(text) {
        await this.send('Input.insertText', { text });
    }

    async screenshot(file, writeFile) {
        const { data } = await this.send('Page.captureScreenshot', { format: 'png', captureBeyondViewport: false });
        writeFile(file, Buffer.from(data, 'base64'));
    }
}
