// The page itself in headless chromium: keyboard use, the browser's Back
// button, Esci and starting again, printing, offline use through the service
// worker, the decimal mark of the browser's language, the menu drawn before
// the core has loaded, and the 360-px layout.
//
//   node --test web/tests/browser.test.mjs     (the site: build-web/site or $CORPIMETRO_SITE)

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, writeFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { Browser, serve, siteDir } from '../chromium.mjs';

let server, browser;

before(async () => {
    server = await serve(siteDir());
    browser = await Browser.launch();
});

after(async () => {
    await browser?.close();
    server?.close();
});

async function open(options) {
    const page = await browser.newPage(options);
    await page.open(server.url + 'index.html');
    return page;
}

const until = async (page, expression, what, timeout = 10000) => {
    const end = Date.now() + timeout;
    // A page being replaced has no document for a moment: not yet.
    while (!(await page.evaluate(expression).catch(() => false))) {
        if (Date.now() > end)
            throw new Error('timed out: ' + what);
        await new Promise((ok) => setTimeout(ok, 25));
    }
};

// Which screens are on view, and what the focused control is.
const visible = (page) => page.evaluate('[...corpimetroProgram.screens.values()].filter((s) => s.visible).map((s) => s.name).sort()');
const focused = (page) => page.evaluate(`(() => {
    const a = document.activeElement;
    const s = a.closest('[data-screen]');
    return (s ? s.dataset.screen + '.' : '') + (a.dataset.control || a.id || a.className || a.tagName);
})()`);
const click = (page, path) => page.evaluate(`(() => {
    const [screen, control] = ${JSON.stringify(path)}.split('.');
    corpimetroProgram.screens.get(screen).control(control).el.click();
})()`);

test('Tab follows the desktop order; Enter answers, Escape cancels, Escape goes back', async () => {
    const page = await open();
    await page.evaluate('document.querySelector(\'[data-screen="Form1"] [data-control="Command6"]\').focus()');
    await page.key('Enter');
    await until(page, 'corpimetroProgram.top().name === "Form12"', 'the cone shown');
    assert.deepEqual(await visible(page), ['Form12']);

    // Tick boxes, the solving button, results, formulas, then the buttons.
    const d = await page.evaluate('corpimetroProgram.solvers.get("Form12")');
    const expected = [
        // "Figura 3D" under the picture, which stands first on the page.
        'Form12.Figura3D',
        ...d.checks.map((c) => 'Form12.' + c.name),
        ...d.solvers.map((b) => 'Form12.' + b.name),
        ...d.rows.map((r) => 'Form12.' + r.result),
        ...d.formulaLabels.map((f) => 'Form12.' + f),
        // The choices above "Stampa"; the specific weight waits for a unit.
        'Form12.Unita', 'Form12.Decimali',
        'Form12.' + d.stampaButton.name, 'Form12.Svolgimento',
        'Form12.' + d.ritornaButton.name, 'Form12.' + d.esciButton.name,
        'Form12.close',
    ];
    const order = [];
    for (let i = 0; i < expected.length; ++i) {
        await page.key('Tab');
        order.push(await focused(page));
    }
    assert.deepEqual(order, expected);

    // Space ticks; Enter on "Calcola" asks; Enter is OK, Escape is Cancel.
    await page.evaluate('document.querySelector(\'[data-screen="Form12"] [data-control="Check1"]\').focus()');
    await page.key(' ');
    await page.evaluate('document.querySelector(\'[data-screen="Form12"] [data-control="Check4"]\').checked = true');
    await page.evaluate('document.querySelector(\'[data-screen="Form12"] [data-control="Command1"]\').focus()');
    await page.key('Enter');
    await until(page, 'document.getElementById("prompt-dialog").open', 'the first prompt');
    assert.equal(await focused(page), 'prompt-input');
    assert.equal(await page.evaluate('document.getElementById("prompt-title").textContent'), 'CORPIMETRO');
    await page.type('3');
    await page.key('Enter');
    await until(page, 'document.getElementById("prompt-dialog").open && document.getElementById("prompt-input").value === ""',
                'the second prompt');
    await page.key('Escape');
    await until(page, '!corpimetroProgram.busy || document.getElementById("message-dialog").open', 'the press ended');
    // A cancelled height cannot be computed with: the failure is told, and
    // Enter closes it.
    if (await page.evaluate('document.getElementById("message-dialog").open')) {
        await page.key('Enter');
        await until(page, '!corpimetroProgram.busy', 'the message closed');
    }
    const dialogs = await page.evaluate('corpimetroProgram.dialogs.filter((d) => d.kind === "prompt").map((d) => d.answer)');
    assert.deepEqual(dialogs, ['3', null]);
    assert.equal(await page.evaluate('corpimetroProgram.dialogs.length'),
                 await page.evaluate('corpimetroProgram.core.press({screen:"Form12",button:"Command1",ticks:["Check1","Check4"],answers:["3",null],decimal:"."}).events.filter((e) => e.kind !== "set").length'));

    // Escape with no dialog open is "Ritorna".
    await page.evaluate('document.querySelector(\'[data-screen="Form12"] [data-control="Check1"]\').focus()');
    await page.key('Escape');
    assert.deepEqual(await visible(page), ['Form1']);
});

test('Back returns as "Ritorna" does, also beside the main menu', async () => {
    const page = await open();
    await click(page, 'Form1.Command3'); // the cube opens beside the menu
    assert.deepEqual(await visible(page), ['Form1', 'Form3']);
    await click(page, 'Form1.Command5'); // the pyramid chooser replaces the menu
    assert.deepEqual(await visible(page), ['Form3', 'form5']);
    await page.evaluate('history.back()');
    await until(page, 'corpimetroProgram.top().name === "Form1"', 'back on the menu');
    assert.deepEqual(await visible(page), ['Form1', 'Form3']);
    await page.evaluate('history.back()');
    await until(page, '!corpimetroProgram.screens.get("Form3").visible', 'the cube left');
    assert.deepEqual(await visible(page), ['Form1']);
    // Forward shows the screen again.
    await page.evaluate('history.forward()');
    await until(page, 'corpimetroProgram.screens.get("Form3").visible', 'the cube again');
});

test('Esci ends the calculator and Ricomincia starts it again', async () => {
    const page = await open();
    await click(page, 'Form1.Command2');
    await click(page, 'Form2.Command1'); // "Esci" of the cylinder
    assert.equal(await page.evaluate('corpimetroProgram.ended'), true);
    assert.deepEqual(await visible(page), []);
    assert.equal(await page.evaluate('document.getElementById("closed").hidden'), false);
    assert.equal(await page.evaluate('[...document.querySelectorAll(".screen")].every((s) => s.hidden)'), true);
    assert.equal(await focused(page), 'restart');
    await page.key('Enter');
    assert.equal(await page.evaluate('corpimetroProgram.ended'), false);
    assert.deepEqual(await visible(page), ['Form1']);
    assert.equal(await page.evaluate('document.getElementById("closed").hidden'), true);
});

test('Stampa prints the screen on one page, without buttons', async () => {
    const page = await open();
    await click(page, 'Form1.Command6');
    await page.evaluate(`(async () => {
        const p = corpimetroProgram;
        p.options.ask = async (text) => text.includes('RAGGIO') ? '2' + p.decimal + '5' : '3';
        for (const c of ['Check1', 'Check4']) p.screens.get('Form12').control(c).el.checked = true;
        await p.solve(p.screens.get('Form12'), p.solvers.get('Form12').solvers[0]);
        window.print = () => {};
    })()`);
    await click(page, 'Form12.Command4');
    assert.deepEqual(await page.evaluate('corpimetroProgram.printed'), ['Form12']);
    const { data } = await page.send('Page.printToPDF', { printBackground: false });
    const dir = mkdtempSync(join(tmpdir(), 'corpimetro-print-'));
    try {
        const pdf = join(dir, 'cono.pdf');
        writeFileSync(pdf, Buffer.from(data, 'base64'));
        const info = execFileSync('pdfinfo', [pdf], { encoding: 'utf8' });
        assert.match(info, /^Pages:\s+1$/m);
        const text = execFileSync('pdftotext', ['-layout', pdf, '-'], { encoding: 'utf8' });
        assert.match(text, /CONO/);
        assert.match(text, /Risultati/);
        assert.match(text, /15[.,]7/); // the circumference 2 * 2.5 * 3.14
        for (const word of ['Calcola', 'Stampa', 'Ritorna', 'Esci', 'Svolgimento', 'CORPIMETRO'])
            assert.doesNotMatch(text, new RegExp(word), `"${word}" is printed`);
    } finally {
        rmSync(dir, { recursive: true, force: true });
    }
    // "Stampa" of the sphere menu does nothing.
    await click(page, 'Form12.Command3');
    await click(page, 'Form1.Command10');
    await click(page, 'Form13.Command5');
    assert.deepEqual(await page.evaluate('corpimetroProgram.printed'), ['Form12']);
});

// The names a screen reader hears, and the words the page adds, are the
// core's (the description's "spoken" and "texts"), which the desktop's
// accessibility test pins its own names to.
test('every control is named as the core names it, on every screen', async () => {
    const page = await open();
    const found = await page.evaluate(`(() => {
        const p = corpimetroProgram, out = { named: {}, unnamed: [], closes: {}, tips: [], vai: [], choices: [], figure: [] };
        for (const name of [...p.menus.keys(), ...p.solvers.keys()]) {
            const s = p.window(name);
            out.closes[name] = s.el.querySelector(':scope > button.close').getAttribute('aria-label');
            for (const [control, c] of s.controls) {
                const key = name + '.' + control;
                // The choices are form controls named by their captions: a
                // label around each, for it.
                if (c.kind === 'choice') {
                    const label = c.el.closest('label');
                    out.choices.push([control, label && label.htmlFor === c.el.id && c.el.id !== ''
                        ? label.querySelector('.choice-caption').textContent : null]);
                    continue;
                }
                // The figure's buttons are named by their texts, as on the desktop.
                if (control === p.texts.figureToggleControl || control === p.texts.figureResetControl) {
                    out.figure.push([c.el.getAttribute('aria-label') ?? c.el.textContent]);
                    continue;
                }
                const said = c.kind === 'picture' ? c.el.getAttribute('alt')
                    : c.el.getAttribute('aria-label') ?? c.el.getAttribute('aria-description');
                if (said === null)
                    out.unnamed.push(key + ' (' + c.kind + ')');
                else
                    out.named[key] = said;
            }
            const svolgimento = s.control('Svolgimento');
            if (svolgimento)
                out.tips.push([svolgimento.el.textContent, svolgimento.el.title]);
            for (const b of s.el.querySelectorAll('.entry button.vai'))
                out.vai.push(b.textContent);
        }
        return out;
    })()`);
    const d = await page.evaluate('JSON.parse(document.getElementById("descriptions").textContent)');
    const screens = [...d.menus, ...d.screens].map((s) => s.name);
    const listed = Object.fromEntries(Object.entries(d.spoken).filter(([k]) => k.includes('.')));
    // Named are exactly the controls the core names, and as it names them;
    // labels and captions without a name of their own are named by their text.
    for (const [key, name] of Object.entries(found.named))
        assert.equal(name, listed[key], key);
    for (const key of Object.keys(listed))
        assert.ok(key in found.named || found.unnamed.includes(key + ' (label)'), key + ' is not on the page');
    assert.deepEqual(found.unnamed.filter((u) => !u.endsWith('(label)')), []);
    for (const s of screens)
        assert.equal(found.closes[s], d.spoken[s], s + "'s close control");
    assert.equal(found.tips.length, d.screens.length);
    for (const [text, tip] of found.tips)
        assert.deepEqual([text, tip], [d.texts.solution, d.texts.solutionTip]);
    assert.ok(found.vai.length > 10 && found.vai.every((t) => t === d.texts.go));
    assert.deepEqual(found.figure, d.screens.flatMap(() => [[d.texts.figureToggleCaption.replace('&', '')],
                                                            [d.texts.figureResetCaption]]));
    // Every solver screen has the three choices, each named by its caption
    // without the desktop's "&".
    const captions = { [d.texts.unitControl]: 'Unità:', [d.texts.decimalsControl]: 'Decimali:',
                       [d.texts.weightControl]: 'Peso specifico:' };
    assert.equal(found.choices.length, 3 * d.screens.length);
    for (const [control, label] of found.choices)
        assert.equal(label, captions[control], control);
    // The names the desktop's accessibility test reads on the same controls.
    assert.equal(found.named['Form2.Command5'], 'Vai: cilindro equilatero');
    assert.equal(found.named['Form1.Command3'], 'Vai: Cubo');
    assert.equal(found.named['Form2.Text1'], 'CILINDRO');
    assert.equal(found.named['Form2.Label20'], 'R');
    assert.equal(found.named['Form3.Picture1'], 'Figura: CUBO');
    assert.equal(d.spoken.Form3, 'Chiudi Cubo');
});

test('Svolgimento shows the worked solution of the last press, prints its two worksheets and copies it', async () => {
    const page = await browser.newPage();
    await page.send('Emulation.setLocaleOverride', { locale: 'it-IT' });
    await page.send('Network.setUserAgentOverride', { userAgent: 'CORPIMETRO test', acceptLanguage: 'it-IT' });
    await page.open(server.url + 'index.html');
    await click(page, 'Form1.Command6');
    const shown = () => page.evaluate(`(() => {
        const d = document.getElementById('solution-dialog');
        return { open: d.open, title: document.getElementById('solution-title').textContent,
                 lines: [...document.querySelectorAll('#solution-lines p')].map((p) => p.textContent) };
    })()`);
    const close = () => page.evaluate('document.getElementById("solution-dialog").close()');

    await click(page, 'Form12.Svolgimento');
    const before = await shown();
    assert.equal(before.open, true);
    assert.match(before.lines.join('\n'), /premi il pulsante di calcolo/);
    await close();

    const expected = await page.evaluate(`(async () => {
        const p = corpimetroProgram, s = p.screens.get('Form12');
        p.options.ask = async (text) => text.includes('RAGGIO') ? '3' : '4';
        for (const c of ['Check1', 'Check4']) s.control(c).el.checked = true;
        await p.solve(s, p.solvers.get('Form12').solvers[0]);
        window.print = () => {};
        return { caption: s.desc.caption,
                 solution: p.core.press({ screen: 'Form12', button: 'Command1', ticks: ['Check1', 'Check4'],
                                          answers: ['3', '4'], decimal: ',' }).solution };
    })()`);
    assert.ok(expected.solution.length > 2, 'the core writes the cone\'s solution');
    await click(page, 'Form12.Svolgimento');
    const after = await shown();
    assert.equal(after.title, 'Svolgimento \u2013 ' + expected.caption);
    assert.deepEqual(after.lines, expected.solution);
    assert.ok(after.lines.some((l) => /= 5$/.test(l)), 'the apothem 5 of r 3, h 4');

    // Both worksheets, each one page: the lines for name, class and date,
    // the exercise; the answer key with the steps and the results in words,
    // the exercise with the figure's data and ruled space instead.
    const pdfText = async (version, button) => {
        await page.evaluate(`document.getElementById("${button}").click()`);
        await until(page, `document.getElementById("worksheet").dataset.ready === "${version}"`, version + ' built');
        const { data } = await page.send('Page.printToPDF', { printBackground: false, preferCSSPageSize: true });
        const dir = mkdtempSync(join(tmpdir(), 'corpimetro-print-'));
        try {
            const pdf = join(dir, version + '.pdf');
            writeFileSync(pdf, Buffer.from(data, 'base64'));
            assert.match(execFileSync('pdfinfo', [pdf], { encoding: 'utf8' }), /^Pages:\s+1$/m, version);
            return execFileSync('pdftotext', ['-layout', pdf, '-'], { encoding: 'utf8' }).replace(/\s+/g, ' ');
        } finally {
            rmSync(dir, { recursive: true, force: true });
        }
    };
    const exercise = 'Un cono ha raggio 3 e altezza 4. Calcola il diametro, la circonferenza, '
        + 'l\'apotema, l\'area laterale, l\'area totale, il volume e l\'area di base.';
    const soluzione = await pdfText('soluzione', 'solution-print');
    const testo = await pdfText('testo', 'solution-print-text');
    await close();
    for (const text of [soluzione, testo]) {
        for (const word of ['Nome', 'Classe', 'Data', 'Cono', exercise])
            assert.ok(text.includes(word), `"${word}" printed`);
        for (const word of ['Copia', 'Chiudi', 'Calcola:', 'Ritorna', 'Form12'])
            assert.doesNotMatch(text, new RegExp(word), `"${word}" is printed`);
    }
    // Each step, whatever blanks the PDF reads between its signs.
    const squeezed = (t) => t.replace(/\s+/g, '');
    for (const line of expected.solution.filter((l) => l.trim()))
        assert.ok(squeezed(soluzione).includes(squeezed(line)), `"${line}" printed`);
    assert.match(soluzione, /Risultati/);
    assert.match(soluzione, /Apotema a = 5/);
    assert.doesNotMatch(soluzione, /= =/);
    assert.match(testo, /r ?= 3/);
    assert.match(testo, /h ?= 4/);
    assert.match(testo, /Svolgimento/);
    assert.doesNotMatch(testo, /Calcoli|Risultati|= 5/);

    // "Copia" copies the exercise, the lines and the results.
    const copied = await page.evaluate(`(async () => {
        let text = null;
        Object.defineProperty(navigator, 'clipboard', { value: { writeText: async (t) => { text = t; } } });
        document.getElementById('solution-copy').click();
        return text;
    })()`);
    assert.ok(copied.startsWith(exercise + '\n\n' + expected.solution.join('\n') + '\n\nRisultati:\n'), copied);
    assert.match(copied, /\nApotema: a = 5\n/);
    assert.ok(copied.endsWith('\n'));
});

// A screen whose caption is empty (the triangular prism) or an internal name
// (the spherical wedge, "Form41") names its solid by its title.
test('the worked solution is titled after the solid', async (t) => {
    const page = await open();
    const d = await page.evaluate('JSON.parse(document.getElementById("descriptions").textContent)');
    for (const [screen, solid] of [['Form12', 'CONO'], ['Form15', 'PRISMI RETTI CON BASE UN TRIANGOLO REGOLARE'],
                                   ['Form41', 'FUSO SFERICO']]) {
        await t.test(screen, async () => {
            const titles = await page.evaluate(`(() => {
                const p = corpimetroProgram;
                p.show(${JSON.stringify(screen)});
                p.screens.get(${JSON.stringify(screen)}).control('Svolgimento').el.click();
                const dialog = document.getElementById('solution-dialog');
                const title = document.getElementById('solution-title').textContent;
                dialog.close();
                return [title, document.title];
            })()`);
            assert.deepEqual(titles, [d.texts.solutionTitle + solid, solid + ' \u2013 CORPIMETRO']);
        });
    }
});

test('once loaded, the calculator works offline', async () => {
    const page = await open();
    await until(page, 'navigator.serviceWorker.controller !== null', 'the service worker in control');
    await until(page, `(async () => {
        const all = [...new Set([...document.querySelectorAll('img')].map((i) => i.src))];
        const d = corpimetroProgram.solvers.get('Form12');
        all.push(new URL('assets/' + d.picture.text, location.href).href);
        for (const url of all) if (!(await caches.match(url))) return false;
        return true;
    })()`, 'the pictures cached');
    server.offline = true;
    try {
        await page.reload();
        await until(page, 'document.documentElement.dataset.ready === "true"', 'the page started offline');
        assert.deepEqual(await visible(page), ['Form1']);
        await until(page, '[...document.querySelectorAll(".screen:not([hidden]) img")].every((i) => i.complete && i.naturalWidth > 0)',
                    'the menu pictures offline');
        assert.equal(await page.evaluate('fetch("index.html?x").then((r) => r.ok)'), true);
        await click(page, 'Form1.Command6');
        await until(page, `(() => { const i = document.querySelector('[data-screen="Form12"] img'); return i.complete && i.naturalWidth > 0; })()`,
                    'the cone picture offline');
        const r = await page.evaluate('corpimetroProgram.core.press({screen:"Form12",button:"Command1",ticks:["Check1","Check4"],answers:["3","4"],decimal:"."})');
        assert.equal(r.pending, false);
        assert.ok(r.events.some((e) => e.kind === 'set' && e.text === '5'), 'the apothem 5 of r 3, h 4');
    } finally {
        server.offline = false;
    }
});

test('numbers use the decimal mark of the browser language', async (t) => {
    for (const [language, r, expected] of [['it-IT', '2,5', '15,7'], ['en-US', '2.5', '15.7']]) {
        await t.test(language, async () => {
            const page = await browser.newPage();
            await page.send('Emulation.setLocaleOverride', { locale: language });
            await page.send('Network.setUserAgentOverride', { userAgent: 'CORPIMETRO test', acceptLanguage: language });
            await page.open(server.url + 'index.html');
            assert.equal(await page.evaluate('navigator.language'), language);
            const texts = await page.evaluate(`(async () => {
                const p = corpimetroProgram;
                p.options.ask = async (text) => text.includes('RAGGIO') ? ${JSON.stringify(r)} : '3';
                p.show('Form12');
                const s = p.screens.get('Form12');
                for (const c of ['Check1', 'Check4']) s.control(c).el.checked = true;
                await p.solve(s, p.solvers.get('Form12').solvers[0]);
                return [...s.controls.keys()].map((n) => s.text(n));
            })()`);
            assert.ok(texts.includes(r), 'the radius shown as typed');
            assert.ok(texts.includes(expected), `the circumference ${expected}`);
        });
    }
});

test('the menu is drawn before the core has loaded; a press made meanwhile waits for it', async (t) => {
    // A browser of its own: no service worker from an earlier test answers
    // for the network.
    const fresh = await Browser.launch();
    t.after(() => fresh.close());
    const page = await fresh.newPage();
    // Hold the core's script until the test lets it go.
    await page.send('Fetch.enable', { patterns: [{ urlPattern: '*corpimetro.js*' }] });
    const held = page.event('Fetch.requestPaused');
    await page.send('Page.navigate', { url: server.url + 'index.html' });
    const { requestId } = await held;
    await until(page, 'window.corpimetroProgram?.top()?.name === "Form1"', 'the main menu drawn');
    assert.equal(await page.evaluate('typeof Corpimetro'), 'undefined', 'the core is not there yet');
    assert.equal(await page.evaluate('document.documentElement.dataset.ready ?? null'), null);
    assert.deepEqual(await visible(page), ['Form1']);
    assert.ok(await page.evaluate('[...document.querySelectorAll(\'[data-screen="Form1"] .entry\')].length') > 0,
              'the menu entries are drawn');

    await click(page, 'Form1.Command6');
    await page.evaluate(`(() => {
        const p = corpimetroProgram, s = p.screens.get('Form12');
        p.options.ask = async (text) => text.includes('RAGGIO') ? '3' : '4';
        for (const c of ['Check1', 'Check4']) s.control(c).el.checked = true;
        window.pressed = p.solve(s, p.solvers.get('Form12').solvers[0]).then(() => 'done');
    })()`);
    assert.equal(await page.evaluate('corpimetroProgram.busy'), true, 'the press waits for the core');

    await page.send('Fetch.continueRequest', { requestId });
    assert.equal(await page.evaluate('window.pressed'), 'done');
    const texts = await page.evaluate('[...corpimetroProgram.screens.get("Form12").controls.keys()].map((n) => corpimetroProgram.screens.get("Form12").text(n))');
    assert.ok(texts.includes('5'), 'the apothem 5 of r 3, h 4');
    await until(page, 'document.documentElement.dataset.ready === "true"', 'the page ready');
});

test('every screen fits a 360-px phone, picture above the data', async () => {
    const page = await open({ width: 360, height: 740, mobile: true });
    const problems = await page.evaluate(`(() => {
        const p = corpimetroProgram;
        const names = [...p.menus.keys(), ...p.solvers.keys()];
        const out = [];
        for (const name of names) {
            p.show(name);
            const s = p.screens.get(name);
            // The longest text a result can show, in every result label.
            for (const r of (p.solvers.get(name)?.rows || [])) s.setText(r.result, '-1,23456789012345E+18');
            const width = document.documentElement.scrollWidth;
            if (width > 360) out.push(name + ' is ' + width + ' px wide');
            const pictures = s.el.querySelector('.pictures'), known = s.el.querySelector('.known');
            if (pictures && known && pictures.getBoundingClientRect().bottom > known.getBoundingClientRect().top + 1)
                out.push(name + ': the picture is not above the data');
            p.hide(name);
        }
        return out;
    })()`);
    assert.deepEqual(problems, []);
});

test('an answer of 10 MB is answered by the core, not lost on its stack', async () => {
    const page = await open();
    await until(page, 'document.documentElement.dataset.ready === "true"', 'the core loaded');
    const answer = await page.evaluate(`(() => {
        const r = corpimetroProgram.core.press({screen: "Form3", button: "Command3", ticks: ["Check1"],
                                                answers: ["1".repeat(10 * 1024 * 1024)], decimal: "."});
        return { pending: r.pending, events: r.events.length };
    })()`);
    assert.equal(answer.pending, false);
    assert.ok(answer.events > 1, 'the press ran to its end');
    // The core is still there for the next press.
    const next = await page.evaluate('corpimetroProgram.core.press({screen:"Form3",button:"Command3",ticks:["Check1"],answers:["2"],decimal:"."}).solution.length');
    assert.ok(next > 0);
});

// The choices of unit, decimals and specific weight: one for the whole
// program, kept in this browser for the next visit, never read by a script.
const CHOICES_KEY = 'corpimetro.scelte';

// Chooses as a person does: an option of a list, or text typed in the box.
const choose = (page, screen, control, value) => page.evaluate(`(() => {
    const e = corpimetroProgram.screens.get(${JSON.stringify(screen)}).control(${JSON.stringify(control)}).el;
    e.focus();
    e.value = ${JSON.stringify(value)};
    e.dispatchEvent(new Event('input', { bubbles: true }));
    e.dispatchEvent(new Event('change', { bubbles: true }));
})()`);

const choicesOn = (page, screen) => page.evaluate(`(() => {
    const s = corpimetroProgram.screens.get(${JSON.stringify(screen)});
    const c = (n) => s.control(n).el;
    return { unit: c('Unita').value, decimals: c('Decimali').value, weight: c('PesoSpecifico').value,
             weightOn: !c('PesoSpecifico').disabled };
})()`);

test('the choices are the same on every screen and kept across a reload, not in a script', async (t) => {
    const page = await open();
    t.after(() => page.evaluate(`localStorage.removeItem(${JSON.stringify(CHOICES_KEY)})`));
    await page.evaluate(`localStorage.removeItem(${JSON.stringify(CHOICES_KEY)})`);
    await page.reload();
    await until(page, 'window.corpimetroProgram?.top()?.name === "Form1"', 'the page again');
    await click(page, 'Form1.Command3'); // the cube
    await click(page, 'Form1.Command6'); // the cone
    assert.deepEqual(await choicesOn(page, 'Form3'), { unit: '\u2014', decimals: 'tutti', weight: '', weightOn: false });

    // The specific weight waits for a unit; chosen on the cube, the cone has it too.
    await choose(page, 'Form3', 'Unita', 'cm');
    await choose(page, 'Form3', 'Decimali', '2');
    assert.equal((await choicesOn(page, 'Form12')).weightOn, true);
    await choose(page, 'Form12', 'PesoSpecifico', 'ferro');
    // A material typed by its name shows as the list shows it.
    const iron = await page.evaluate('corpimetroProgram.materialLabel(corpimetroProgram.lists.materials.find((m) => m.name === "ferro"))');
    assert.match(iron, /^ferro \(7[.,]8\)$/);
    const chosen = { unit: 'cm', decimals: '2', weight: iron, weightOn: true };
    assert.deepEqual(await choicesOn(page, 'Form3'), chosen);
    assert.deepEqual(await choicesOn(page, 'Form12'), chosen);
    // A screen opened later shows them as well.
    await page.evaluate('corpimetroProgram.show("Form22")');
    assert.deepEqual(await choicesOn(page, 'Form22'), chosen);

    await page.reload();
    await until(page, 'window.corpimetroProgram?.top()?.name === "Form1"', 'the page reloaded');
    await click(page, 'Form1.Command6');
    assert.deepEqual(await choicesOn(page, 'Form12'), chosen);
    // A text that is no specific weight leaves the choice as it was.
    await choose(page, 'Form12', 'PesoSpecifico', 'piombo');
    assert.deepEqual(await choicesOn(page, 'Form12'), chosen);
    assert.equal(await page.evaluate('corpimetroProgram.screens.get("Form12").control("PesoSpecifico").el.getAttribute("aria-invalid")'), 'true');
    // and says why, in the desktop's words.
    assert.match(await page.evaluate('corpimetroProgram.screens.get("Form12").control("PesoSpecifico").el.title'), /^Non è un peso specifico: /);
    // Back to no unit: the specific weight is kept, but waits again.
    await choose(page, 'Form12', 'Unita', '\u2014');
    assert.deepEqual(await choicesOn(page, 'Form12'), { ...chosen, unit: '\u2014', weightOn: false });
    await choose(page, 'Form12', 'Unita', 'm');

    await t.test('a script starts from no choices and leaves them as they were', async () => {
        const stored = await page.evaluate(`localStorage.getItem(${JSON.stringify(CHOICES_KEY)})`);
        assert.ok(stored.includes('"m"'), stored);
        const runner = await browser.newPage();
        await runner.open(server.url + 'index.html?runner');
        await until(runner, 'typeof window.corpimetroRun === "function"', 'the runner');
        const run = (script) => runner.evaluate(`corpimetroRun(${JSON.stringify(JSON.stringify(script))})`);
        const steps = [{ show: 'Form3' }, { tick: 'Form3.Check1' }, { answers: ['2'] }, { click: 'Form3.Command3' }];
        const plain = JSON.parse((await run({ locale: 'en_US', steps })).transcript);
        assert.equal(plain.screens.Form3.unit, undefined);
        assert.equal(plain.screens.Form3.decimals, undefined);
        assert.equal(plain.screens.Form3.labels.Label13, '8');
        assert.equal(plain.dialogs[0].unit, undefined);
        // Its own choices, and a choice as a step; the screens show them,
        // the transcript lists them.
        const own = await run({ locale: 'it_IT', preferences: { unit: 'dm', decimals: 1, specificWeight: '' },
                                steps: [...steps, { choose: 'Form3.PesoSpecifico', option: 'ferro' },
                                        { choose: 'Form3.Decimali', option: '3' }] });
        assert.equal(own.status, 0, own.stderr);
        const chose = JSON.parse(own.transcript).screens.Form3;
        assert.deepEqual([chose.unit, chose.decimals, chose.specificWeight], ['dm', 3, '7,8']);
        assert.equal(await runner.evaluate('corpimetroProgram.screens.get("Form3").control("PesoSpecifico").el.value'),
                     'ferro (7,8)');
        const wrong = await run({ locale: 'en_US', steps: [{ show: 'Form3' }, { choose: 'Form3.Unita', option: 'inch' }] });
        assert.equal(wrong.status, 2);
        assert.match(wrong.stderr, /step 1: "Form3.Unita" has no option "inch"/);
        assert.equal(await page.evaluate(`localStorage.getItem(${JSON.stringify(CHOICES_KEY)})`), stored);
    });
});

// The cube of side 2,5 in cm, two decimals, iron: 2,5³ = 15,625 cm³, which is
// 0,015625 l; 15,625 · 7,8 = 121,875 g.
test('a press with a unit, decimals and iron shows volume, capacity and weight', async (t) => {
    const page = await browser.newPage();
    await page.send('Emulation.setLocaleOverride', { locale: 'it-IT' });
    await page.send('Network.setUserAgentOverride', { userAgent: 'CORPIMETRO test', acceptLanguage: 'it-IT' });
    await page.open(server.url + 'index.html');
    t.after(() => page.evaluate(`localStorage.removeItem(${JSON.stringify(CHOICES_KEY)})`));
    if (!(await page.evaluate('!!corpimetroProgram.solvers.get("Form3").capacity'))) {
        t.skip('the cube does not give the kinds of its quantities yet');
        return;
    }
    await click(page, 'Form1.Command3');
    const row = (control) => page.evaluate(`(() => {
        const s = corpimetroProgram.screens.get('Form3');
        const r = s.extraRows[${JSON.stringify(control)}];
        return { shown: !r.el.hidden && r.el.querySelector('output').getClientRects().length > 0,
                 caption: s.text(r.caption), value: s.text(r.result) };
    })()`);
    assert.equal((await row('capacity')).shown, false, 'no capacity without a unit');
    await choose(page, 'Form3', 'Unita', 'cm');
    await choose(page, 'Form3', 'Decimali', '2');
    await choose(page, 'Form3', 'PesoSpecifico', 'ferro (7,8)');
    await page.evaluate('corpimetroProgram.screens.get("Form3").control("Check1").el.checked = true');
    await page.evaluate('corpimetroProgram.screens.get("Form3").control("Command3").el.click()');
    await until(page, 'document.getElementById("prompt-dialog").open', 'the prompt');
    // The unit of the side stands beside the box.
    assert.equal(await page.evaluate('document.getElementById("prompt-unit").textContent'), 'cm');
    await page.type('2,5');
    await page.key('Enter');
    await until(page, '!corpimetroProgram.busy', 'the press ended');
    assert.equal(await page.evaluate('corpimetroProgram.screens.get("Form3").text("Label13")'), '15,63 cm\u00b3');
    assert.deepEqual(await row('capacity'), { shown: true, caption: 'Capacità =', value: '0,02 l' });
    assert.deepEqual(await row('weight'), { shown: true, caption: 'Peso (P) =', value: '121,88 g' });
    const listed = await page.evaluate('corpimetroProgram.transcript()');
    assert.deepEqual(listed.dialogs.map((d) => d.unit), ['cm']);
    assert.equal(listed.screens.Form3.labels.Capacita, '0,02 l');
    assert.equal(listed.screens.Form3.labels.CapacitaDidascalia, 'Capacità =');
    // Without the specific weight the weight row goes; what both rows
    // showed was for the choices of before, and goes too, with its
    // captions from the transcript.
    await choose(page, 'Form3', 'PesoSpecifico', '');
    assert.deepEqual(await row('weight'), { shown: false, caption: 'Peso (P) =', value: '' });
    assert.deepEqual(await row('capacity'), { shown: true, caption: 'Capacità =', value: '' });
    const labels = (await page.evaluate('corpimetroProgram.transcript()')).screens.Form3.labels;
    for (const name of ['Capacita', 'CapacitaDidascalia', 'Peso', 'PesoDidascalia'])
        assert.equal(name in labels, false, name);
});
