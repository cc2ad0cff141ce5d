// The body of web/run-script, which tells how to use it.

import { readFileSync, existsSync } from 'node:fs';
import { createInterface } from 'node:readline';
import { join } from 'node:path';
import { Browser, serve, siteDir } from './chromium.mjs';

const USAGE = 'usage: run-script SCRIPT.json   (or - for standard input)\n'
    + '       run-script --batch FILE    (or -; one script per line)\n';

function readInput(path) {
    return path === '-' ? readFileSync(0, 'utf8') : readFileSync(path, 'utf8');
}

async function withSite(body) {
    const root = siteDir();
    if (!existsSync(join(root, 'index.html')) || !existsSync(join(root, 'corpimetro.wasm')))
        throw new Error(`no built site in ${root} (cmake --preset web && cmake --build --preset web)`);
    const server = await serve(root);
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

const run = (page, text) => page.evaluate(`corpimetroRun(${JSON.stringify(text)})`);

async function single(path) {
    let text;
    try {
        text = readInput(path);
    } catch (e) {
        process.stderr.write(`corpimetro-script: cannot read ${path}\n`);
        return 2;
    }
    // A malformed script is refused before any browser starts, by the page's
    // own script reader (the built page holds it inlined).
    const { parse, ScriptError } = await import(new URL('./site/js/script.js', import.meta.url));
    try {
        parse(text);
    } catch (e) {
        if (!(e instanceof ScriptError))
            throw e;
        process.stderr.write(`corpimetro-script: ${e.message}\n`);
        return 2;
    }
    const r = await withSite((page) => run(page, text));
    process.stderr.write(r.stderr);
    process.stdout.write(r.transcript);
    return r.status;
}

async function batch(path) {
    const input = path === '-' ? process.stdin : (await import('node:fs')).createReadStream(path);
    const lines = [];
    for await (const line of createInterface({ input, crlfDelay: Infinity }))
        if (line.trim())
            lines.push(line);
    await withSite(async (page) => {
        for (const line of lines)
            process.stdout.write(JSON.stringify(await run(page, line)) + '\n');
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
