// "Schede di esercizi" in the page: the screen's controls and its "tutti"
// boxes, scripts through web/run-script (the transcript's entry, the sheet the
// same as the native bridge's and as the desktop runner's, refused options),
// and the print view: what it shows, each exercise whole on an A4 page, the
// key from a new page, nothing outside its page at 1280 and 360 px.
//
//   node --test web/tests/sheets.test.mjs     (the site: build-web/site or $CORPIMETRO_SITE)

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, writeFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { Browser, serve, siteDir, repo } from '../chromium.mjs';

const desktop = process.env.CORPIMETRO_DESKTOP_BUILD || join(repo, 'build');
const runScript = join(repo, 'web', 'run-script');
const dir = mkdtempSync(join(tmpdir(), 'corpimetro-sheets-'));
process.on('exit', () => rmSync(dir, { recursive: true, force: true }));

let server, browser, screen;

// The native bridge: one answer a request.
function bridge(...requests) {
    const tool = join(desktop, 'corpimetro-bridge');
    const out = execFileSync(tool, { input: requests.map((r) => JSON.stringify(r)).join('\n') + '\n',
                                     encoding: 'utf8', maxBuffer: 64 << 20 });
    return out.trim().split('\n').map((line) => JSON.parse(line));
}

before(async () => {
    [screen] = bridge({ op: 'sheetScreen' });
    server = await serve(siteDir());
    browser = await Browser.launch();
});

after(async () => {
    await browser?.close();
    server?.close();
});

// Scripts through web/run-script, in one browser: {status, stderr, transcript}.
function runBatch(scripts) {
    const file = join(dir, 'batch.jsonl');
    writeFileSync(file, scripts.map((s) => JSON.stringify(s)).join('\n') + '\n');
    const r = spawnSync(runScript, ['--batch', file], { encoding: 'utf8', maxBuffer: 64 << 20 });
    assert.equal(r.status, 0, r.stderr);
    return r.stdout.trim().split('\n').map((line) => JSON.parse(line));
}

const boxesOf = (f) => f.boxes.map((b) => b.name);

test('the description: a box for every screen of a family, labels as listed', () => {
    assert.equal(screen.name, 'Schede');
    assert.equal(screen.parent, 'Form1');
    for (const f of screen.families) {
        assert.equal(f.boxes.length, f.screens.length, f.name.text);
        assert.equal(f.all.text, 'tutti');
    }
    const names = screen.labels.map((l) => l.name);
    for (const c of [screen.heading, screen.note, screen.solidsHeading, ...screen.families.map((f) => f.name)])
        assert.ok(names.includes(c.name), c.name);
    assert.deepEqual(screen.decimals.options, ['0', '1', '2', '3', '4']);
});

// Each row: steps on the screen, then the ticks expected of the families
// touched (the others all ticked). Built from the description, so a family
// of any size is checked the same way.
function tuttiRows() {
    const [a, b] = screen.families;
    const all = (f, v) => Object.fromEntries([[f.all.name, v], ...boxesOf(f).map((n) => [n, v])]);
    return [
        { name: 'tutti unticked unticks every solid', steps: [{ untick: 'Schede.' + a.all.name }], expect: all(a, false) },
        { name: 'tutti ticked again ticks every solid',
          steps: [{ untick: 'Schede.' + a.all.name }, { tick: 'Schede.' + a.all.name }], expect: all(a, true) },
        { name: 'one solid unticked unticks tutti only',
          steps: [{ untick: 'Schede.' + b.boxes[0].name }],
          expect: { ...all(b, true), [b.all.name]: false, [b.boxes[0].name]: false } },
        { name: 'the last solid ticked ticks tutti',
          steps: [{ untick: 'Schede.' + b.all.name }, ...boxesOf(b).map((n) => ({ tick: 'Schede.' + n }))],
          expect: all(b, true) },
        { name: 'one solid of none ticked leaves tutti unticked',
          steps: [{ untick: 'Schede.' + b.all.name }, { click: 'Schede.' + b.boxes[1].name }],
          expect: { ...all(b, false), [b.boxes[1].name]: true } },
        // As on the desktop, a box set to the state it has changes nothing:
        // "tutti", already unticked by one solid, leaves the others ticked.
        { name: 'tutti unticked when it already is leaves the solids',
          steps: [{ untick: 'Schede.' + b.boxes[0].name }, { untick: 'Schede.' + b.all.name }],
          expect: { ...all(b, true), [b.all.name]: false, [b.boxes[0].name]: false } },
    ];
}

test('scripts: the "tutti" boxes, the initial state and the transcript\'s entry', () => {
    const rows = tuttiRows();
    const answers = runBatch(rows.map((r) => ({ locale: 'it_IT', steps: [{ show: 'Schede' }, ...r.steps] })));
    for (const [i, r] of rows.entries()) {
        assert.equal(answers[i].status, 0, answers[i].stderr);
        const entry = JSON.parse(answers[i].transcript).screens.Schede;
        const expected = {};
        for (const f of screen.families)
            for (const n of [f.all.name, ...boxesOf(f)])
                expected[n] = r.expect[n] ?? true;
        assert.deepEqual(entry.checks, expected, r.name);
        // The rest as it starts: a script's number is 1, no sheet yet.
        assert.deepEqual(entry.choices, { Quanti: '6', Unita: 'cm', Decimali: '2', Numero: '1' }, r.name);
        assert.deepEqual(entry.options, { DatiInteri: true, DatiDecimali: false }, r.name);
        assert.deepEqual(entry.labels, Object.fromEntries(screen.labels.map((l) => [l.name, l.text])), r.name);
        assert.equal(entry.caption, 'Schede di esercizi');
        assert.equal(entry.visible, true);
        assert.equal('sheet' in entry, false);
    }
});

// The sheet as a transcript lists it, from the bridge's answer.
const listed = (sheet) => ({
    seed: sheet.settings.seed,
    exercises: sheet.exercises.map((e) => ({ screen: e.screen, ticks: e.ticks, answers: e.answers, button: e.button,
                                             results: Object.fromEntries(e.results.map((r) => [r.label, r.value])) })),
});

test('a script\'s sheet is the native bridge\'s for the same settings, and the same twice', () => {
    const cones = screen.families[3];
    const steps = [{ show: 'Schede' },
        ...screen.families.filter((f) => f !== cones).map((f) => ({ untick: 'Schede.' + f.all.name })),
        { select: 'Schede.DatiDecimali' }, { choose: 'Schede.Quanti', option: '4' },
        { choose: 'Schede.Unita', option: 'dm' }, { choose: 'Schede.Decimali', option: '3' },
        { choose: 'Schede.Numero', option: '4242' }, { click: 'Schede.Anteprima' }];
    const stampa = [{ show: 'Schede' }, { click: 'Schede.Stampa' }];
    const [first, second, english, printed] = runBatch([
        { locale: 'it_IT', steps }, { locale: 'it_IT', steps }, { locale: 'en_US', steps }, { locale: 'it_IT', steps: stampa }]);
    for (const a of [first, second, english, printed])
        assert.equal(a.status, 0, a.stderr);
    assert.equal(second.transcript, first.transcript, 'the same sheet from the same number');
    const entry = JSON.parse(first.transcript).screens.Schede;
    assert.deepEqual(entry.choices, { Quanti: '4', Unita: 'dm', Decimali: '3', Numero: '4242' });
    assert.deepEqual(entry.options, { DatiInteri: false, DatiDecimali: true });
    const settings = { screens: cones.screens, count: 4, oneDecimal: true, unit: 'dm', decimals: 3, seed: 4242 };
    const [comma, point] = bridge({ op: 'sheet', settings, decimal: ',' }, { op: 'sheet', settings, decimal: '.' });
    assert.equal(comma.exercises.length, 4);
    assert.deepEqual(entry.sheet, listed(comma));
    assert.deepEqual(JSON.parse(english.transcript).screens.Schede.sheet, listed(point));
    for (const e of entry.sheet.exercises)
        assert.ok(cones.screens.includes(e.screen), e.screen);
    // Stampa: the sheet of the settings as they start, listed as printed.
    const t = JSON.parse(printed.transcript);
    assert.deepEqual(t.printed, ['Schede']);
    const [initial] = bridge({ op: 'sheet', decimal: ',',
                               settings: { screens: screen.families.flatMap((f) => f.screens), seed: 1 } });
    assert.deepEqual(t.screens.Schede.sheet, listed(initial));
    assert.equal(t.screens.Schede.sheet.exercises.length, 6);
});

// The text of one member of the transcript's "screens", as written.
function entryText(transcript, name) {
    const start = transcript.indexOf(`\n        ${JSON.stringify(name)}: {\n`);
    assert.ok(start >= 0, `no entry ${name}`);
    const end = transcript.indexOf('\n        }', start + 1);
    return transcript.slice(start, end + 10);
}

test('the transcript\'s entry is the desktop runner\'s, byte for byte', () => {
    const script = { locale: 'it_IT', steps: [{ show: 'Schede' }, { untick: 'Schede.Tutti(0)' },
        { tick: 'Schede.Solido(1)' }, { choose: 'Schede.Numero', option: '77' }, { choose: 'Schede.Quanti', option: '3' },
        { untick: 'Schede.Solido(3)' }, { untick: 'Schede.Tutti(1)' }, { click: 'Schede.Anteprima' }] };
    const file = join(dir, 'scheda.json');
    writeFileSync(file, JSON.stringify(script));
    const native = spawnSync(join(desktop, 'corpimetro-script'), [file], { encoding: 'utf8' });
    assert.equal(native.status, 0, native.stderr);
    const [web] = runBatch([script]);
    assert.equal(web.status, 0, web.stderr);
    assert.equal(entryText(web.transcript, 'Schede'), entryText(native.stdout, 'Schede'));
});

test('an option not offered stops the script, as any bad step does', () => {
    const rows = [['Quanti', '0'], ['Quanti', '21'], ['Quanti', '06'], ['Quanti', '2.5'], ['Decimali', '5'],
                  ['Decimali', 'tutti'], ['Unita', 'yd'], ['Numero', '0'], ['Numero', '1000000'], ['Numero', '-3']];
    const answers = runBatch(rows.map(([c, o]) => ({ locale: 'it_IT', steps: [
        { show: 'Schede' }, { choose: 'Schede.' + c, option: o }] })));
    for (const [i, [c, o]] of rows.entries()) {
        assert.equal(answers[i].status, 2, `${c} ${o}`);
        assert.equal(answers[i].stderr, `corpimetro-script: step 1: "Schede.${c}" has no option "${o}"\n`);
    }
    // The edges of each range are offered; Ritorna goes back, Esci ends.
    const [edges, esci] = runBatch([
        { locale: 'it_IT', steps: [{ show: 'Schede' }, { choose: 'Schede.Quanti', option: '20' },
            { choose: 'Schede.Quanti', option: '1' }, { choose: 'Schede.Numero', option: '999999' },
            { choose: 'Schede.Decimali', option: '0' }, { choose: 'Schede.Unita', option: '—' },
            { click: 'Schede.Ritorna' }] },
        { locale: 'it_IT', steps: [{ show: 'Schede' }, { click: 'Schede.Esci' }] }]);
    assert.equal(edges.status, 0, edges.stderr);
    const t = JSON.parse(edges.transcript);
    assert.deepEqual(t.screens.Schede.choices, { Quanti: '1', Unita: '—', Decimali: '0', Numero: '999999' });
    assert.equal(t.screens.Schede.visible, false);
    assert.equal(t.screens.Form1.visible, true);
    assert.equal(JSON.parse(esci.transcript).ended, true);
});

// --- The page for a person ---------------------------------------------------

async function openSheets(options) {
    const page = await browser.newPage(options);
    await page.open(server.url + 'index.html');
    await page.evaluate('corpimetroProgram.show("Schede"), corpimetroProgram.hide("Form1")');
    return page;
}

const control = (name) => `corpimetroProgram.screens.get("Schede").control(${JSON.stringify(name)}).el`;

test('a person\'s screen: all ticked, a number of the clock, "tutti" by a click', async () => {
    const page = await openSheets();
    const state = await page.evaluate('corpimetroProgram.screens.get("Schede").state()');
    assert.ok(Object.values(state.checks).every((v) => v === true));
    assert.equal(state.choices.Quanti, '6');
    const seed = Number(state.choices.Numero);
    assert.ok(Number.isInteger(seed) && seed >= 1 && seed <= 999999, state.choices.Numero);
    // A real click, as a person's, goes through the change events.
    const f = screen.families[2];
    await page.evaluate(`${control(f.all.name)}.click()`);
    const checked = (n) => page.evaluate(`${control(n)}.checked`);
    for (const n of boxesOf(f))
        assert.equal(await checked(n), false, n);
    for (const n of boxesOf(f))
        await page.evaluate(`${control(n)}.click()`);
    assert.equal(await checked(f.all.name), true);
    await page.evaluate(`${control(f.boxes[0].name)}.click()`);
    assert.equal(await checked(f.all.name), false);
    // Every control is named for a screen reader by its label.
    const unnamed = await page.evaluate(`[...document.querySelectorAll('[data-screen="Schede"] input, [data-screen="Schede"] select')]
        .filter((e) => !e.labels.length || !e.labels[0].textContent.trim()).map((e) => e.dataset.control)`);
    assert.deepEqual(unnamed, []);
});

// What each page of the print view holds, and any box past its page's.
const viewReport = `(() => {
    const pages = [...document.querySelectorAll('#sheet-view .sx-page')];
    const out = { pages: [], outside: [], width: document.documentElement.scrollWidth, view: innerWidth };
    for (const [i, p] of pages.entries()) {
        const box = p.getBoundingClientRect();
        out.pages.push({ text: p.textContent, classes: p.className,
                         exercises: [...p.querySelectorAll('.sx-exercise')].map((e) => e.dataset.exercise),
                         keys: [...p.querySelectorAll('.sx-key')].map((e) => e.dataset.exercise) });
        for (const e of p.querySelectorAll('*')) {
            const r = e.getBoundingClientRect();
            if (r.width === 0 && r.height === 0)
                continue;
            if (r.left < box.left - 0.5 || r.right > box.right + 0.5 || r.top < box.top - 0.5 || r.bottom > box.bottom + 0.5)
                out.outside.push(i + ': ' + e.tagName + '.' + e.className + ' ' + (e.textContent || '').slice(0, 40));
        }
    }
    return out;
})()`;

for (const [width, height] of [[1280, 900], [360, 740]]) {
    test(`the print view at ${width} px: header, every exercise and its key, nothing outside its page`, async () => {
        const page = await openSheets({ width, height, mobile: width < 600 });
        // The screen itself: no control past its edge, nothing to scroll sideways.
        const cut = await page.evaluate(`(() => {
            const screen = document.querySelector('[data-screen="Schede"]').getBoundingClientRect();
            return [...document.querySelectorAll('[data-screen="Schede"] [data-control], [data-screen="Schede"] label')]
                .filter((e) => { const r = e.getBoundingClientRect(); return r.left < screen.left || r.right > screen.right; })
                .map((e) => e.dataset.control || e.textContent)
                .concat(document.documentElement.scrollWidth > innerWidth ? ['the page'] : []);
        })()`);
        assert.deepEqual(cut, []);
        await page.evaluate(`(() => {
            window.print = () => { window.__printed = (window.__printed || 0) + 1; };
            ${control('Numero')}.value = '31';
            ${control('Quanti')}.value = '8';
            ${control('Anteprima')}.click();
        })()`);
        const end = Date.now() + 60000;
        while (!(await page.evaluate('document.getElementById("sheet-view")?.dataset.ready === "true"'))) {
            assert.ok(Date.now() < end, 'the print view did not open');
            await new Promise((ok) => setTimeout(ok, 50));
        }
        const [sheet] = bridge({ op: 'sheet', decimal: await page.evaluate('corpimetroProgram.decimal'),
                                 settings: { screens: screen.families.flatMap((f) => f.screens), count: 8, seed: 31 } });
        const r = await page.evaluate(viewReport);
        assert.deepEqual(r.outside, []);
        assert.ok(r.width <= r.view, `the page is ${r.width} px wide in ${r.view}`);
        const w = sheet.words;
        for (const word of [...w.header, w.title, w.instructions])
            assert.ok(r.pages[0].text.includes(word), word);
        // Each exercise whole on one page, in order, then the key from a new one.
        const headings = sheet.exercises.map((e) => e.heading);
        assert.deepEqual(r.pages.flatMap((p) => p.exercises), headings);
        const keyStart = r.pages.findIndex((p) => p.classes.includes('sx-key-start'));
        assert.ok(keyStart > 0 && r.pages[keyStart].text.startsWith(w.keyTitle));
        assert.ok(r.pages.slice(0, keyStart).every((p) => p.keys.length === 0));
        const sheetText = r.pages.slice(0, keyStart).map((p) => p.text).join('\n');
        const keyText = r.pages.slice(keyStart).map((p) => p.text).join('\n');
        for (const e of sheet.exercises) {
            assert.ok(sheetText.includes(e.heading + e.text), e.heading);
            assert.ok(keyText.includes(e.text), e.heading + ' in the key');
            for (const k of e.key)
                assert.ok(keyText.includes(k.words + k.symbol + '=' + k.value), `${e.heading}: ${k.words} ${k.value}`);
        }
        // The sheet holds no solution.
        assert.ok(!sheetText.includes(w.solutionHeading) && !sheetText.includes(w.resultsHeading));
        // Each figure drawn, its words those of the native bridge's figure
        // with the data beside their letters.
        const native = bridge(...sheet.exercises.map((e) => ({
            op: 'sheetFigure', svg: readFileSync(join(siteDir(), 'assets', e.picture), 'utf8'), data: e.data }))).map((a) => a.svg);
        const words = (svgs) => `${JSON.stringify(svgs)}.map((t) => new DOMParser().parseFromString(t, 'image/svg+xml').documentElement.textContent)`;
        const shown = await page.evaluate(`[...document.querySelectorAll('#sheet-view .sx-exercise')].map((e) => e.querySelector('svg')?.textContent ?? '')`);
        assert.deepEqual(shown, await page.evaluate(words(native)));
        assert.ok(native.some((t, i) => t.includes('= ' + sheet.exercises[i].data[0].typed)), 'no datum on any figure');
        assert.equal(await page.evaluate('document.activeElement.id'), 'sheet-view-title');

        if (width === 1280) {
            // On paper: as many pages as on screen, the same words.
            await page.evaluate('document.body.classList.add("printing-sheet")');
            const { data } = await page.send('Page.printToPDF', { printBackground: false, preferCSSPageSize: true });
            const pdf = join(dir, 'scheda.pdf');
            writeFileSync(pdf, Buffer.from(data, 'base64'));
            const info = execFileSync('pdfinfo', [pdf], { encoding: 'utf8' });
            assert.match(info, new RegExp(`^Pages:\\s+${r.pages.length}$`, 'm'));
            assert.match(info, /^Page size:\s+59[45]\.\d+ x 841\.\d+ pts \(A4\)/m);
            const text = execFileSync('pdftotext', [pdf, '-'], { encoding: 'utf8' }).replace(/\s+/g, ' ');
            for (const word of [w.title, w.keyTitle, ...headings])
                assert.ok(text.includes(word), word);
            assert.doesNotMatch(text, /Chiudi|Anteprima/);
            await page.evaluate('document.body.classList.remove("printing-sheet")');
        }
        // Escape closes the view, and the screen is there again.
        await page.key('Escape');
        assert.equal(await page.evaluate('document.getElementById("sheet-view")'), null);
        assert.deepEqual(await page.evaluate('[...corpimetroProgram.screens.values()].filter((s) => s.visible).map((s) => s.name)'), ['Schede']);
    });
}

test('Stampa opens the print of the sheet; nothing chosen says so', async () => {
    const page = await openSheets();
    await page.evaluate(`(() => {
        window.print = () => { window.__printed = (window.__printed || 0) + 1; };
        for (const f of corpimetroProgram.sheetsDesc.families) {
            const all = corpimetroProgram.screens.get("Schede").control(f.all.name).el;
            all.click();
        }
        ${control('Stampa')}.click();
    })()`);
    const end = Date.now() + 30000;
    while (!(await page.evaluate('window.__printed === 1'))) {
        assert.ok(Date.now() < end, 'not printed');
        await new Promise((ok) => setTimeout(ok, 50));
    }
    assert.deepEqual(await page.evaluate('corpimetroProgram.printed'), ['Schede']);
    assert.equal(await page.evaluate('document.body.classList.contains("printing-sheet")'), true);
    const text = await page.evaluate('document.querySelector("#sheet-view .sx-page").textContent');
    assert.ok(text.includes(screen.words.empty), text);
    assert.equal(await page.evaluate('document.querySelectorAll("#sheet-view .sx-page").length'), 1);
});
