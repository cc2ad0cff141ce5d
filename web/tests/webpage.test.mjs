// tools/webpage.mjs, which finishes the built site: the page it writes holds
// the core's own descriptions, the style and every module; the offline cache
// follows the contents; a module it cannot join stops the build.
//
//   node --test web/tests/webpage.test.mjs     (the module: build-web/site or $CORPIMETRO_SITE)

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { cpSync, existsSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { repo, siteDir } from '../chromium.mjs';

const tool = join(repo, 'tools', 'webpage.mjs');

// A site as the build leaves it before the tool runs: the module beside the
// sources of web/site. `change(dir)` alters it first.
function run(change = () => {}) {
    const dir = mkdtempSync(join(tmpdir(), 'corpimetro-site-'));
    cpSync(join(repo, 'web', 'site'), dir, { recursive: true });
    for (const f of ['corpimetro.js', 'corpimetro.wasm'])
        cpSync(join(siteDir(), f), join(dir, f));
    change(dir);
    const r = spawnSync(process.execPath, [tool, dir], { encoding: 'utf8' });
    const read = (f) => (existsSync(join(dir, f)) ? readFileSync(join(dir, f), 'utf8') : null);
    const out = { status: r.status, stderr: r.stderr, page: read('index.html'), worker: read('sw.js'),
                  left: ['corpimetro.css', 'js'].filter((f) => existsSync(join(dir, f))) };
    rmSync(dir, { recursive: true, force: true });
    return out;
}

const cacheName = (worker) => worker.match(/const CACHE = '([^']*)';/)[1];

test('the page holds the descriptions, the style and the modules, and nothing else is fetched for them', async () => {
    const r = run();
    assert.equal(r.status, 0, r.stderr);
    const json = r.page.match(/<script type="application\/json" id="descriptions">([^]*?)<\/script>/)[1];
    const core = await createRequire(import.meta.url)(join(siteDir(), 'corpimetro.js'))(
        { wasmBinary: readFileSync(join(siteDir(), 'corpimetro.wasm')) });
    assert.deepEqual(JSON.parse(json), JSON.parse(core.cwrap('corpimetro_describe', 'string', [])()));
    assert.doesNotMatch(r.page, /<!-- the descriptions -->|href="corpimetro\.css"|src="js\/|modulepreload/);
    for (const module of ['core', 'script', 'program', 'transcript', 'main'])
        assert.match(r.page, new RegExp(`const __js_${module}_js = \\(\\(\\) => \\{`));
    assert.ok(r.page.indexOf('__js_script_js = ') < r.page.indexOf('__js_program_js = '),
              'a module comes after the modules it imports');
    assert.deepEqual(r.left, [], 'what the page holds is left out of the site');
});

test('the offline cache is named after the contents', () => {
    const a = run(), b = run();
    const c = run((dir) => writeFileSync(join(dir, 'icon.svg'), readFileSync(join(dir, 'icon.svg'), 'utf8') + '\n'));
    assert.notEqual(cacheName(a.worker), 'corpimetro-v1');
    assert.equal(cacheName(a.worker), cacheName(b.worker), 'the same site, the same cache');
    assert.notEqual(cacheName(a.worker), cacheName(c.worker), 'a changed site, a new cache');
});

test('a module the tool cannot join stops the build, naming it', async (t) => {
    const cases = [
        ['a default export', 'export default 1;\n', /transcript\.js: an export of another form/],
        ['an import of another form', "import * as x from './core.js';\n", /transcript\.js: an import of another form/],
        ['a text that would end the script', "const end = '</script>';\n", /would end the page's script/],
    ];
    for (const [name, line, message] of cases) {
        await t.test(name, () => {
            const r = run((dir) => {
                const f = join(dir, 'js', 'transcript.js');
                writeFileSync(f, readFileSync(f, 'utf8') + line);
            });
            assert.equal(r.status, 1);
            assert.match(r.stderr, message);
        });
    }
});
