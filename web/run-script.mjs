// The body of web/run-script, which tells how to use it.

import { readFileSync, existsSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { Browser, serve, siteDir } from './chromium.mjs';
import { ScriptError, read } from './site/js/script.js';

const USAGE = 'usage: run-script SCRIPT.json   (or - for standard input)\n'
    + '       run-script --batch FILE    (or -; one script per line)\n';

function builtSite() {
    const root = siteDir();
    if (!existsSync(join(root, 'index.html')) || !existsSync(join(root, 'corpimetro.wasm')))
        throw new Error(`no built site in ${root} (cmake --preset web && cmake --build --preset web)`);
    return root;
}

// The built core, in node: every script is read by its reader (the one
// corpimetro-script is built with) before any browser starts.
async function loadCore() {
    const root = builtSite();
    const factory = createRequire(import.meta.url)(join(root, 'corpimetro.js'));
    return factory({ wasmBinary: readFileSync(join(root, 'corpimetro.wasm')) });
}

async function withSite(body) {
    const server = await serve(builtSite());
    const browser = await Browser.launch();
    try {
        const page = await browser.newPage();
        await page.open(server.url + 'index.html?runner');
        return await body(page);
    } finally {
        await browser.close();
        server.close();
    }
}

// A script already read runs in the page; what the page answers:
// {status, stderr, transcript}.
const run = (page, script) => page.evaluate(`corpimetroRun(${JSON.stringify(JSON.stringify(script))})`);

// Reads `bytes`: the script, or the answer for a malformed one.
function reading(core, bytes) {
    try {
        return { script: read(core, bytes) };
    } catch (e) {
        if (!(e instanceof ScriptError))
            throw e;
        return { refused: { status: 2, stderr: `corpimetro-script: ${e.message}\n`, transcript: '' } };
    }
}

async function single(path) {
    let bytes;
    try {
        bytes = readFileSync(path === '-' ? 0 : path);
    } catch (e) {
        process.stderr.write(`corpimetro-script: cannot read ${path}\n`);
        return 2;
    }
    const r = reading(await loadCore(), bytes);
    const answer = r.refused ?? await withSite((page) => run(page, r.script));
    process.stderr.write(answer.stderr);
    process.stdout.write(answer.transcript);
    return answer.status;
}

// The lines of `bytes`, as bytes: split at each newline, blank lines left out.
function lines(bytes) {
    const out = [];
    for (let start = 0; start < bytes.length;) {
        let end = bytes.indexOf(0x0a, start);
        if (end < 0)
            end = bytes.length;
        const line = bytes.subarray(start, end);
        if (line.some((b) => b !== 0x20 && b !== 0x09 && b !== 0x0d))
            out.push(line);
        start = end + 1;
    }
    return out;
}

// Every line gets its line out, a malformed one too.
async function batch(path) {
    const bytes = readFileSync(path === '-' ? 0 : path);
    const core = await loadCore();
    const readings = lines(bytes).map((line) => reading(core, line));
    const write = (answer) => process.stdout.write(JSON.stringify(answer) + '\n');
    if (readings.every((r) => r.refused)) {
        readings.forEach((r) => write(r.refused));
        return 0;
    }
    await withSite(async (page) => {
        for (const r of readings)
            write(r.refused ?? await run(page, r.script));
    });
    return 0;
}

async function main(args) {
    if (args.length === 2 && args[0] === '--batch')
        return batch(args[1]);
    if (args.length !== 1 || args[0].startsWith('--')) {
        process.stderr.write(USAGE);
        return 2;
    }
    return single(args[0]);
}

main(process.argv.slice(2)).then((status) => {
    process.exitCode = status;
}, (e) => {
    process.stderr.write(`run-script: ${e.message}\n`);
    process.exitCode = 1;
});
