// The page around a press: the screens behind the top one drawn as bars on a
// phone, the results brought into view after a press, the result rows and
// titles at 360 px, no text cut at any width, and the hint line.
//
//   node --test web/tests/layout.test.mjs     (the site: build-web/site or $CORPIMETRO_SITE)

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { Browser, serve, siteDir } from '../chromium.mjs';

const PHONE = { width: 360, height: 740, mobile: true };
const DESKTOP = { width: 1366, height: 768, mobile: false };

let server, browser;

before(async () => {
    server = await serve(siteDir());
    browser = await Browser.launch();
});

after(async () => {
    await browser?.close();
    server?.close();
});

async function open(options, { reducedMotion = false } = {}) {
    const page = await browser.newPage(options);
    await page.send('Emulation.setLocaleOverride', { locale: 'it-IT' });
    await page.send('Network.setUserAgentOverride', { userAgent: 'CORPIMETRO test', acceptLanguage: 'it-IT' });
    await page.send('Emulation.setEmulatedMedia', {
        features: [{ name: 'prefers-reduced-motion', value: reducedMotion ? 'reduce' : 'no-preference' }],
    });
    await page.open(server.url + 'index.html');
    return page;
}

const until = async (page, expression, what, timeout = 10000) => {
    const end = Date.now() + timeout;
    while (!(await page.evaluate(expression).catch(() => false))) {
        if (Date.now() > end)
            throw new Error('timed out: ' + what);
        await new Promise((ok) => setTimeout(ok, 25));
    }
};

const click = (page, path) => page.evaluate(`(() => {
    const [screen, control] = ${JSON.stringify(path)}.split('.');
    corpimetroProgram.screens.get(screen).control(control).el.click();
})()`);

const visible = (page) => page.evaluate('[...corpimetroProgram.screens.values()].filter((s) => s.visible).map((s) => s.name).sort()');

// A real tap (mouse press and release) at the middle of an element: only an
// element that is drawn and on top there gets it.
async function tap(page, selector) {
    const at = await page.evaluate(`(() => {
        const e = document.querySelector(${JSON.stringify(selector)});
        e.scrollIntoView({ block: 'center' });
        const r = e.getBoundingClientRect();
        return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
    })()`);
    for (const type of ['mousePressed', 'mouseReleased'])
        await page.send('Input.dispatchMouseEvent', { type, x: at.x, y: at.y, button: 'left', clickCount: 1 });
}

// The cone (Form12) with its radius and height ticked, answered r 2,5 and
// h 3 by the page's own prompt dialog. Resolves once the press has ended.
const solveCone = (page) => page.evaluate(`(async () => {
    const p = corpimetroProgram, s = p.screens.get('Form12');
    for (const c of ['Check1', 'Check4']) s.control(c).el.checked = true;
    p.options.ask = async (text) => text.includes('RAGGIO') ? '2,5' : '3';
    await p.solve(s, p.solvers.get('Form12').solvers[0]);
})()`);

test('on a phone the screens behind the top one are bars, and a bar raises its screen', async (t) => {
    const page = await open(PHONE);
    // The cylinder and the cube both open beside the main menu.
    await click(page, 'Form1.Command2');
    await click(page, 'Form1.Command3');
    assert.deepEqual(await visible(page), ['Form1', 'Form2', 'Form3']);
    const layout = () => page.evaluate(`(() => {
        const p = corpimetroProgram;
        const height = (n) => p.screens.get(n).el.getBoundingClientRect().height;
        return { top: p.top().name, page: document.documentElement.scrollHeight,
                 heights: Object.fromEntries(['Form1', 'Form2', 'Form3'].map((n) => [n, height(n)])),
                 expanded: Object.fromEntries(['Form1', 'Form2', 'Form3'].map(
                     (n) => [n, p.screens.get(n).bar.getAttribute('aria-expanded')])),
                 entries: history.length };
    })()`);

    const first = await layout();
    assert.equal(first.top, 'Form3');
    // A bar is one line high: the page is the top screen and two bars, where
    // the main menu alone is taller than two phone screens.
    assert.ok(first.heights.Form1 <= 64 && first.heights.Form2 <= 64, JSON.stringify(first.heights));
    assert.ok(first.page <= first.heights.Form3 + 2 * 64 + 60, `the page is ${first.page} px high`);
    assert.deepEqual(first.expanded, { Form1: 'false', Form2: 'false', Form3: 'true' });
    // The bar names the screen.
    assert.equal(await page.evaluate('corpimetroProgram.screens.get("Form1").bar.textContent'),
                 await page.evaluate('corpimetroProgram.menus.get("Form1").caption.trim()'));

    await t.test('a tap on a bar raises its screen, and changes nothing a transcript lists', async () => {
        const before = await page.evaluate('JSON.stringify(corpimetroProgram.transcript())');
        await tap(page, '[data-screen="Form1"] .bar');
        const now = await layout();
        assert.equal(now.top, 'Form1');
        assert.ok(now.heights.Form1 > 300, 'the main menu is drawn in full');
        assert.ok(now.heights.Form3 <= 64 && now.heights.Form2 <= 64, JSON.stringify(now.heights));
        assert.deepEqual(now.expanded, { Form1: 'true', Form2: 'false', Form3: 'false' });
        assert.equal(now.entries, first.entries, 'raising a screen makes no history entry');
        assert.equal(await page.evaluate('JSON.stringify(corpimetroProgram.transcript())'), before);
        assert.deepEqual(await visible(page), ['Form1', 'Form2', 'Form3']);
        // The raised screen stands first, and its caption has the focus.
        assert.equal(await page.evaluate('document.querySelector("#screens > .screen").dataset.screen'), 'Form1');
        await until(page, 'document.activeElement.closest("[data-screen]")?.dataset.screen === "Form1"',
                    'the focus on the raised screen');
    });

    await t.test('Enter on a bar raises its screen', async () => {
        await page.evaluate('corpimetroProgram.screens.get("Form2").bar.focus()');
        await page.key('Enter');
        assert.equal((await layout()).top, 'Form2');
    });

    await t.test('on a wide page every screen on view is drawn in full', async () => {
        await page.send('Emulation.setDeviceMetricsOverride', { ...DESKTOP, deviceScaleFactor: 1 });
        const wide = await layout();
        for (const n of ['Form1', 'Form2', 'Form3'])
            assert.ok(wide.heights[n] > 200, `${n} is ${wide.heights[n]} px high`);
        assert.equal(await page.evaluate('[...document.querySelectorAll(".screen .bar")].some((b) => b.offsetHeight > 0)'),
                     false, 'no bar is drawn');
    });
});

test('after a press the results come into view, smoothly unless motion is reduced', async (t) => {
    for (const reduced of [false, true]) {
        await t.test(reduced ? 'reduced motion' : 'smooth', async () => {
            const page = await open(PHONE, { reducedMotion: reduced });
            await click(page, 'Form1.Command6');
            await until(page, 'corpimetroProgram.top().name === "Form12"', 'the cone shown');
            await page.evaluate(`(() => {
                scrollTo(0, 0);
                window.scrolls = [];
                const scrollTo_ = window.scrollTo.bind(window);
                window.scrollTo = (...a) => { window.scrolls.push(a[0]?.behavior); scrollTo_(...a); };
            })()`);
            const inView = `(() => {
                const r = corpimetroProgram.screens.get('Form12').el.querySelector('.results').getBoundingClientRect();
                return r.top >= 0 && r.top < innerHeight && (r.height > innerHeight || r.bottom <= innerHeight);
            })()`;
            assert.equal(await page.evaluate(inView), false, 'the results start out of view on a phone');
            await solveCone(page);
            assert.deepEqual(await page.evaluate('window.scrolls'), [reduced ? 'auto' : 'smooth']);
            if (reduced)
                assert.equal(await page.evaluate(inView), true, 'the results are in view at once');
            else
                await until(page, inView, 'the results scrolled into view');
            // The scrolling has come to its end.
            let at = await page.evaluate('scrollY');
            for (let last = -1; at !== last;) {
                await new Promise((ok) => setTimeout(ok, 150));
                [last, at] = [at, await page.evaluate('scrollY')];
            }
            assert.ok(at > 0);

            // Pressed again with the results in view, the page stays where it is.
            await solveCone(page);
            assert.equal((await page.evaluate('window.scrolls')).length, 1);
            assert.equal(await page.evaluate('scrollY'), at);
        });
    }
});

// Every screen alone on view, the results of a solver screen filled with
// the longest text a result can show. A unit and a specific weight are
// chosen, so that the row of choices holds its longest texts and a screen
// with a volume shows its capacity and weight, filled the same way.
const everyScreen = (body) => `(() => {
    const p = corpimetroProgram, out = [];
    p.setChoices({ unit: 'km', decimals: '6', ...p.readWeight('alluminio') });
    for (const name of [...p.menus.keys(), ...p.solvers.keys()]) {
        p.show(name);
        for (const other of p.screens.values())
            if (other.visible && other.name !== name)
                p.hide(other.name);
        const s = p.screens.get(name);
        for (const r of (p.solvers.get(name)?.rows || [])) s.setText(r.result, '-1,23456789012345E+18 km³');
        if (s.extraRows) {
            s.setText('Capacita', '-1,23456789012345E+18 l = -1,23456789012345E+16 hl');
            s.setText('Peso', '-1,23456789012345E+18 Gt');
        }
        ${body}
    }
    // The choices are kept for the next visit: the other tests start without.
    localStorage.removeItem('corpimetro.scelte');
    return out;
})()`;

test('at 360 px the "=" of the results stand in one column, each on its name\'s line', async () => {
    const page = await open(PHONE);
    const problems = await page.evaluate(everyScreen(`
        const xs = new Set();
        for (const row of s.el.querySelectorAll('.row-caption')) {
            const name = row.querySelector('.row-name'), equals = row.querySelector('.row-equals');
            if (!equals.textContent.trim())
                continue;
            const e = equals.getBoundingClientRect();
            xs.add(Math.round(e.left));
            const lineHeight = parseFloat(getComputedStyle(equals).lineHeight);
            if (e.height > 1.5 * lineHeight)
                out.push(name + ': "' + equals.textContent + '" takes more than a line');
            if (!name.textContent.trim())
                continue;
            // The last line of the name ends left of the "=", on its line.
            const range = document.createRange();
            range.selectNodeContents(name);
            const lines = [...range.getClientRects()];
            const last = lines[lines.length - 1];
            if (last.right > e.left + 1 || Math.abs(last.bottom - e.bottom) > 3)
                out.push(name + ': "=" is not beside ' + JSON.stringify(name.textContent));
        }
        if (xs.size > 1)
            out.push(name + ': "=" at x ' + [...xs].join(', '));
    `));
    assert.deepEqual(problems, []);
    // The rows keep the caption's text as it was.
    const texts = await page.evaluate(`(() => {
        const p = corpimetroProgram, s = p.window('Form41');
        return p.solvers.get('Form41').rows.map((r) => [s.text(r.caption), r.captionText]);
    })()`);
    for (const [shown, text] of texts)
        assert.equal(shown, text);
});

test('at 360 px the row of choices stands whole above "Stampa", each control beside its caption', async () => {
    const page = await open(PHONE);
    const problems = await page.evaluate(everyScreen(`
        if (s.kind !== 'solver')
            continue;
        const body = s.body.getBoundingClientRect();
        const row = s.el.querySelector('.choices'), buttons = s.el.querySelector('.buttons');
        if (!row || row.nextElementSibling !== buttons)
            out.push(name + ': the choices do not stand right above the buttons');
        const fields = [...row.querySelectorAll('.choice')];
        if (fields.length !== 3)
            out.push(name + ': ' + fields.length + ' choices');
        for (const f of fields) {
            const r = f.getBoundingClientRect();
            if (r.left < body.left - 0.5 || r.right > body.right + 0.5)
                out.push(name + ': ' + f.textContent + ' goes out of the screen');
            const caption = f.querySelector('.choice-caption').getBoundingClientRect();
            const control = f.querySelector('select, input').getBoundingClientRect();
            if (control.left < caption.right - 0.5 || control.top > caption.bottom || control.bottom < caption.top)
                out.push(name + ': ' + f.textContent + ' is not beside its caption');
            // A list shows its longest option whole.
            const select = f.querySelector('select');
            if (select) {
                const probe = document.createElement('span');
                probe.style.font = getComputedStyle(select).font;
                probe.textContent = [...select.options].map((o) => o.text).sort((a, b) => b.length - a.length)[0];
                document.body.append(probe);
                if (select.clientWidth < probe.getBoundingClientRect().width + 4)
                    out.push(name + ': ' + select.dataset.control + ' cuts ' + probe.textContent);
                probe.remove();
            }
        }
        if (s.extraRows && (s.extraRows.capacity.el.hidden || s.extraRows.weight.el.hidden))
            out.push(name + ': the capacity and weight are not shown');
    `));
    assert.deepEqual(problems, []);
});

test('no text is cut, on a phone, just wider than a phone, and on wide screens', async (t) => {
    for (const [what, size] of [['360 px', PHONE], ['601 px', { width: 601, height: 900, mobile: false }],
                                ['800 px', { width: 800, height: 900, mobile: false }],
                                ['960 px', { width: 960, height: 900, mobile: false }], ['1366 px', DESKTOP]]) {
        await t.test(what, async () => {
            const page = await open(size);
            const problems = await page.evaluate(everyScreen(`
                // An element that scrolls or clips what it holds must hold it
                // all; a title must fit its width.
                for (const e of s.el.querySelectorAll('*')) {
                    if (!e.getClientRects().length)
                        continue;
                    const style = getComputedStyle(e);
                    const clips = style.overflowX !== 'visible' || style.textOverflow !== 'clip' || e.matches('input');
                    const title = e.matches('.caption, .title, .bar-text, .heading');
                    if ((clips || title) && e.scrollWidth > e.clientWidth + 1)
                        out.push(name + ': ' + (e.dataset.control || e.className) + ' ' + e.scrollWidth + ' > ' + e.clientWidth
                                 + ' ' + JSON.stringify(e.textContent || e.value));
                }
                if (document.documentElement.scrollWidth > innerWidth)
                    out.push(name + ': the page is ' + document.documentElement.scrollWidth + ' px wide');
            `));
            assert.deepEqual(problems, []);
        });
    }
});

// The hint line, fed by a core that answers with a hint of its own.
test('the hint line shows the press\'s hint, as a live region, and clears at the next press', async () => {
    const page = await open(PHONE);
    const seen = await page.evaluate(`(async () => {
        const Program = corpimetroProgram.constructor;
        const description = JSON.parse(document.getElementById('descriptions').textContent);
        const host = document.createElement('div');
        document.body.append(host);
        const answers = [
            { events: [], pending: false, solution: ['Dati'], hint: 'Spunta anche: Altezza (h)' },
            { events: [], pending: false, solution: [] },
            { events: [], pending: false, solution: [], hint: 'a deve essere maggiore di r' },
        ];
        const out = { duringPress: [] };
        let program;
        const core = { press: () => {
            out.duringPress.push(program.screens.get('Form12').hintEl.textContent);
            return answers.shift();
        } };
        program = new Program(host, description, core, { hints: true });
        program.show('Form12');
        const s = program.screens.get('Form12'), line = s.hintEl, button = s.control('Command1').el;
        out.role = line.getAttribute('role');
        out.live = line.getAttribute('aria-live');
        out.under = !!(button.compareDocumentPosition(line) & Node.DOCUMENT_POSITION_FOLLOWING)
            && line.getBoundingClientRect().top >= button.getBoundingClientRect().bottom;
        out.before = [line.textContent, program.transcript().screens.Form12.hint];
        out.after = [];
        for (let i = 0; i < 3; ++i) {
            await program.solve(s, s.desc.solvers[0]);
            out.after.push([line.textContent, program.transcript().screens.Form12.hint]);
        }
        const plain = new Program(document.createElement('div'), description, core, {});
        plain.show('Form3');
        out.plainKeys = Object.keys(plain.transcript().screens.Form3).sort();
        host.remove();
        return out;
    })()`);
    assert.equal(seen.role, 'status');
    assert.equal(seen.live, 'polite');
    assert.ok(seen.under, 'the line stands under the solving button');
    assert.deepEqual(seen.before, ['', '']);
    assert.deepEqual(seen.after, [
        ['Spunta anche: Altezza (h)', 'Spunta anche: Altezza (h)'],
        ['', ''], // an answer without a hint clears the line
        ['a deve essere maggiore di r', 'a deve essere maggiore di r'],
    ]);
    // Each press starts with the line empty.
    assert.deepEqual(seen.duringPress, ['', '', '']);
    // Without hints from the core a transcript lists none.
    assert.deepEqual(seen.plainKeys, ['caption', 'checks', 'labels', 'options', 'solution', 'visible']);
});

test('after a press with too few data the line shows the core\'s hint', async (t) => {
    const page = await open(PHONE);
    await until(page, 'document.documentElement.dataset.ready === "true"', 'the core loaded');
    const request = { screen: 'Form12', button: 'Command1', ticks: ['Check1'], answers: [], decimal: ',' };
    const expected = await page.evaluate(`corpimetroProgram.core.press(${JSON.stringify(request)}).hint`);
    if (typeof expected !== 'string') {
        t.skip('this core gives no hints');
        return;
    }
    assert.notEqual(expected, '', 'radius alone is too little for the cone: the hint says what to tick');
    await click(page, 'Form1.Command6');
    await page.evaluate(`(() => {
        const p = corpimetroProgram, s = p.screens.get('Form12');
        s.control('Check1').el.checked = true;
        p.options.tell = async () => {};
        window.pressed = p.solve(s, p.solvers.get('Form12').solvers[0]);
    })()`);
    await page.evaluate('window.pressed');
    assert.equal(await page.evaluate('corpimetroProgram.screens.get("Form12").hintEl.textContent'), expected);
});
