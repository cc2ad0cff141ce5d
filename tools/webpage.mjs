// Finishes the built web site, after the module is linked and the site's
// files are copied. The page is made to draw its menus from one response,
// without waiting for any other file:
//   - the screen and menu descriptions, asked of the module itself, are
//     written into index.html;
//   - the style sheet and the page's script modules (js/, one scope each,
//     joined in the order they import one another) are written into it too,
//     and left out of the site;
//   - the offline cache is named after the site's contents, so that a new
//     build replaces what an installed page keeps.
//
//   node tools/webpage.mjs SITE_DIR

import { createHash } from 'node:crypto';
import { readdirSync, readFileSync, rmSync, statSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join, relative } from 'node:path';

const site = process.argv[2];
if (!site) {
    console.error('usage: node tools/webpage.mjs SITE_DIR');
    process.exit(2);
}

const factory = createRequire(import.meta.url)(join(site, 'corpimetro.js'));
const core = await factory({ wasmBinary: readFileSync(join(site, 'corpimetro.wasm')) });
const description = core.cwrap('corpimetro_describe', 'string', [])();
JSON.parse(description); // a broken description stops the build here

// Inside a script element only "</" could end it early; "<" is written
// escaped, which JSON reads as the same character.
const inline = description.replace(/</g, '\\u003c');

function fail(message) {
    console.error('webpage: ' + message);
    process.exit(1);
}

// Replaces the one occurrence of `text` in the page.
function once(page, text, by) {
    if (page.split(text).length !== 2)
        fail(`index.html must hold ${JSON.stringify(text)} once`);
    return page.replace(text, () => by);
}

// The page's modules as one script: each module becomes a function scope
// that returns its exports, and takes its imports from the scopes before it.
// The modules keep to two forms, which are checked: `import { a, b as c }
// from './x.js';` on one line, and `export` before a declaration.
function bundle(entry) {
    const order = [];
    const seen = new Map(); // path -> scope name, once emitted
    const visiting = new Set();
    const scopeOf = (path) => '__' + relative(site, path).replace(/\W/g, '_');
    const visit = (path) => {
        if (seen.has(path))
            return;
        if (visiting.has(path))
            fail(`${relative(site, path)} is part of an import cycle`);
        visiting.add(path);
        let body = readFileSync(path, 'utf8');
        const imports = [];
        body = body.replace(/^import\s*\{([^}]*)\}\s*from\s*'(\.\/[\w.-]+)';[ \t]*$/gm, (_, names, from) => {
            const dep = join(dirname(path), from);
            visit(dep);
            const bindings = names.split(',').map((n) => n.trim()).filter(Boolean)
                .map((n) => n.replace(/^(\w+)\s+as\s+(\w+)$/, '$1: $2'));
            imports.push(`const { ${bindings.join(', ')} } = ${scopeOf(dep)};`);
            return '';
        });
        if (/^\s*import\b/m.test(body))
            fail(`${relative(site, path)}: an import of another form`);
        const exports = [];
        body = body.replace(/^export\s+((?:async\s+)?function\*?|class|const|let)\s+(\w+)/gm, (_, kind, name) => {
            exports.push(name);
            return `${kind} ${name}`;
        });
        if (/^\s*export\b/m.test(body))
            fail(`${relative(site, path)}: an export of another form`);
        visiting.delete(path);
        seen.set(path, scopeOf(path));
        order.push(`const ${scopeOf(path)} = (() => {\n${imports.join('\n')}\n${body}\n`
                   + `return { ${exports.join(', ')} };\n})();`);
    };
    visit(entry);
    const code = order.join('\n');
    if (/<\/script|<!--/i.test(code))
        fail('a module holds "</script" or "<!--", which would end the page\'s script');
    return code;
}

const pagePath = join(site, 'index.html');
let page = readFileSync(pagePath, 'utf8');
page = once(page, '<!-- the descriptions -->',
            `<script type="application/json" id="descriptions">${inline}</script>`);
const style = readFileSync(join(site, 'corpimetro.css'), 'utf8');
if (/<\/style/i.test(style))
    fail('the style sheet holds "</style"');
page = once(page, '<link rel="stylesheet" href="corpimetro.css">', `<style>\n${style}</style>`);
page = once(page, '<script type="module" src="js/main.js"></script>',
            `<script type="module">\n${bundle(join(site, 'js', 'main.js'))}\n</script>`);
writeFileSync(pagePath, page);
// What the page now holds is served no more on its own.
rmSync(join(site, 'corpimetro.css'));
rmSync(join(site, 'js'), { recursive: true });

function files(dir) {
    return readdirSync(dir).sort().flatMap((n) => {
        const p = join(dir, n);
        return statSync(p).isDirectory() ? files(p) : [p];
    });
}

const workerPath = join(site, 'sw.js');
const hash = createHash('sha256');
for (const f of files(site)) {
    if (f === workerPath)
        continue;
    hash.update(relative(site, f)).update('\0').update(readFileSync(f)).update('\0');
}
const version = hash.digest('hex').slice(0, 16);
const worker = readFileSync(workerPath, 'utf8');
const CACHE = /const CACHE = 'corpimetro-[^']*';/;
if (!CACHE.test(worker))
    fail('sw.js names no cache');
writeFileSync(workerPath, worker.replace(CACHE, `const CACHE = 'corpimetro-${version}';`));
