// The 3D figure on the page: drawn after a press in the picture's place,
// turned by the keys and by a drag, the same primitives as the native
// corpimetro-bridge gives for the same view, painted in the house style, and
// the sentence in its place when a press has no figure. On a 360-px page, as
// a phone shows it. The module's views, read as numbers, are also compared
// with the native tool's without a page.
//
//   node --test web/tests/figure.test.mjs   (the site: build-web/site or $CORPIMETRO_SITE;
//                                            the bridge: $CORPIMETRO_DESKTOP_BUILD or build)

import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';
import { Browser, repo, serve, siteDir } from '../chromium.mjs';

let server, browser;

before(async () => {
    server = await serve(siteDir());
    browser = await Browser.launch();
});

after(async () => {
    await browser?.close();
    server?.close();
});

const until = async (page, expression, what, timeout = 10000) => {
    const end = Date.now() + timeout;
    while (!(await page.evaluate(expression).catch(() => false))) {
        if (Date.now() > end)
            throw new Error('timed out: ' + what);
        await new Promise((ok) => setTimeout(ok, 25));
    }
};

const control = (screen, name) => `corpimetroProgram.screens.get(${JSON.stringify(screen)}).control(${JSON.stringify(name)}).el`;
const drawn = (page) => page.evaluate('window.__figureDrawn ?? null');
// A drawing other than `before` has been painted.
const redrawn = (page, before) => until(page, `JSON.stringify(window.__figureDrawn?.request) !== ${JSON.stringify(JSON.stringify(before.request))}`,
                                        'the figure drawn again');

// The cube of side 2 solved on a 360-px page, the figure shown.
async function cube() {
    const page = await browser.newPage({ width: 360, height: 740, mobile: true });
    await page.open(server.url + 'index.html');
    await page.evaluate(`${control('Form1', 'Command3')}.click()`);
    await until(page, 'corpimetroProgram.top()?.name === "Form3"', 'the cube shown');
    await page.evaluate(`${control('Form3', 'Check1')}.checked = true; ${control('Form3', 'Command3')}.click()`);
    await until(page, 'document.getElementById("prompt-dialog").open', 'the prompt');
    await page.type('2');
    await page.key('Enter');
    await until(page, '!corpimetroProgram.busy', 'the press ended');
    await page.evaluate(`${control('Form3', 'Figura3D')}.click()`);
    await until(page, 'window.__figureDrawn?.screen === "Form3"', 'the figure drawn');
    return page;
}

// The native tool's answers to request lines, in one run.
function native(lines) {
    const bridge = join(process.env.CORPIMETRO_DESKTOP_BUILD || join(repo, 'build'), 'corpimetro-bridge');
    const out = spawnSync(bridge, { input: lines.map((l) => JSON.stringify(l) + '\n').join(''), encoding: 'utf8' });
    assert.equal(out.status, 0, out.stderr);
    return out.stdout.trim().split('\n').map((l) => JSON.parse(l));
}

// The native tool's drawing of the same press and view.
function nativeView(request) {
    const press = { screen: 'Form3', button: 'Command3', ticks: ['Check1'], answers: ['2'], decimal: '.' };
    return native([press, { op: 'view', ...request }])[1];
}

test('after a press the figure takes the picture\'s place, named by its alternative, within 360 px', async () => {
    const page = await cube();
    const d = await drawn(page);
    const kinds = new Set(d.items.map((i) => i.kind));
    for (const kind of ['Face', 'Edge', 'Measure', 'Label'])
        assert.ok(kinds.has(kind), `a cube's drawing has a ${kind}`);
    const state = await page.evaluate(`(() => {
        const s = corpimetroProgram.screens.get('Form3'), c = s.fig.canvas, box = c.getBoundingClientRect();
        return { label: c.getAttribute('aria-label'), role: c.getAttribute('role'), alternative: s.figure.alternative,
                 picture: s.fig.picture.hidden, pressed: ${control('Form3', 'Figura3D')}.getAttribute('aria-pressed'),
                 left: box.left, right: box.right, pixels: c.width, page: document.documentElement.scrollWidth };
    })()`);
    assert.equal(state.role, 'img');
    assert.match(state.alternative, /^Figura 3D in scala del cubo\./);
    assert.equal(state.label, state.alternative);
    assert.equal(state.picture, true, 'the picture makes room');
    assert.equal(state.pressed, 'true');
    assert.ok(state.left >= 0 && state.right <= 360 && state.page <= 360, JSON.stringify(state));
    assert.equal(state.pixels, d.request.width, 'the canvas is as wide as its box at one device pixel a pixel');
    // The transcript lists the solid and its dimension, as the desktop does.
    assert.deepEqual(await page.evaluate('corpimetroProgram.transcript().screens.Form3.figure'),
                     { solid: 'un cubo', dimensions: { s: '2' } });
});

test('the arrow keys turn the figure, Home brings back the first view, a drag turns it', async () => {
    const page = await cube();
    const first = await drawn(page);
    await page.evaluate(`corpimetroProgram.screens.get('Form3').fig.canvas.focus()`);
    await page.key('ArrowRight');
    await redrawn(page, first);
    const turned = await drawn(page);
    assert.equal(turned.request.turn, first.request.turn === undefined ? -20 : first.request.turn + 15);
    assert.notDeepEqual(turned.items, first.items);
    await page.key('ArrowUp');
    await redrawn(page, turned);
    assert.equal((await drawn(page)).request.tilt, 22 + 15);
    await page.key('Home');
    await until(page, 'window.__figureDrawn.request.turn === undefined', 'the first view again');
    assert.deepEqual((await drawn(page)).items, first.items);

    // Half a degree a pixel: 40 px to the right turns by 20°.
    // The press scrolled the results into view: the canvas comes back first.
    const box = await page.evaluate(`(() => { const c = corpimetroProgram.screens.get('Form3').fig.canvas;
                                              c.scrollIntoView({ block: 'center', behavior: 'instant' });
                                              const b = c.getBoundingClientRect();
                                              return { x: b.left + b.width / 2, y: b.top + b.height / 2 }; })()`);
    const mouse = (type, x) => page.send('Input.dispatchMouseEvent', { type, x, y: box.y, button: 'left', clickCount: 1,
                                                                       buttons: type === 'mouseReleased' ? 0 : 1 });
    await mouse('mousePressed', box.x);
    await mouse('mouseMoved', box.x + 40);
    await mouse('mouseReleased', box.x + 40);
    await until(page, 'window.__figureDrawn.request.turn === -15', 'the dragged view');
});

test('the page draws the primitives the native bridge gives for the same view', async () => {
    const page = await cube();
    await page.evaluate(`corpimetroProgram.screens.get('Form3').fig.canvas.focus()`);
    const first = await drawn(page);
    await page.key('ArrowLeft');
    await redrawn(page, first);
    const d = await drawn(page);
    const native = nativeView(d.request);
    assert.equal(native.turn, -50);
    assert.deepEqual(d.items, native.items);
});

test('after the insufficient-data message there is no figure, and the sentence says why', async () => {
    const page = await browser.newPage({ width: 360, height: 740, mobile: true });
    await page.open(server.url + 'index.html');
    await page.evaluate(`${control('Form1', 'Command3')}.click()`);
    await until(page, 'corpimetroProgram.top()?.name === "Form3"', 'the cube shown');
    await page.evaluate(`${control('Form3', 'Figura3D')}.click()`);
    const before = await page.evaluate(`corpimetroProgram.screens.get('Form3').fig.none.textContent`);
    assert.equal(before, await page.evaluate('corpimetroProgram.texts.figureBeforeAnyPress'));
    await page.evaluate(`${control('Form3', 'Command3')}.click()`);
    await until(page, 'document.getElementById("message-dialog").open', 'the insufficient-data message');
    await page.key('Enter');
    await until(page, '!corpimetroProgram.busy', 'the press ended');
    const state = await page.evaluate(`(() => {
        const f = corpimetroProgram.screens.get('Form3').fig, box = f.none.getBoundingClientRect();
        return { canvas: f.canvas.hidden, none: f.none.hidden, text: f.none.textContent, label: f.canvas.getAttribute('aria-label'),
                 right: box.right, drawn: window.__figureDrawn ?? null };
    })()`);
    assert.equal(state.canvas, true);
    assert.equal(state.none, false);
    assert.match(state.text, /^Nessuna figura: i dati introdotti non bastano a determinare il cubo\.$/);
    assert.equal(state.label, state.text);
    assert.ok(state.right <= 360);
    assert.equal(state.drawn, null, 'nothing was drawn');
    assert.deepEqual(await page.evaluate('corpimetroProgram.transcript().screens.Form3.figure'),
                     { solid: 'un cubo', none: state.text });
});

// The page's own core.js, run outside a page, over the built module.
async function moduleCore() {
    const site = siteDir();
    const factory = createRequire(import.meta.url)(join(site, 'corpimetro.js'));
    const wasmBinary = readFileSync(join(site, 'corpimetro.wasm'));
    globalThis.Corpimetro = (options) => factory({ ...options, wasmBinary });
    const source = readFileSync(join(repo, 'web', 'site', 'js', 'core.js'), 'utf8');
    const core = await import('data:text/javascript,' + encodeURIComponent(source));
    return { ...core, module: await core.loadCore({}) };
}

test('the module\'s views, read as numbers, are the native tool\'s, every kind, flag and text alike', async () => {
    const { module, figureItems } = await moduleCore();
    // A cube from its volume in metres (a given legend, a scale bar, labels
    // with decimal commas, hidden edges and measures), a cone, and a screen
    // never pressed; views from the first one round and below, at sizes
    // that make the pixels fall between hundredths.
    const presses = [
        { screen: 'Form3', button: 'Command3', ticks: ['Check5'], answers: ['8'], decimal: ',', preferences: { unit: 'm' } },
        { screen: 'Form12', button: 'Command1', ticks: ['Check1', 'Check4'], answers: ['6', '20'], decimal: '.' },
    ];
    const views = [];
    for (const screen of ['Form3', 'Form12', 'Form38'])
        for (const camera of [{}, { turn: 123.456, tilt: -40.5 }, { turn: -719, tilt: 89.9 }])
            for (const [width, height] of [[328, 262], [97, 301]])
                views.push({ screen, ...camera, width, height });
    const answers = native([...presses, ...views.map((v) => ({ op: 'view', ...v }))]).slice(presses.length);
    for (const p of presses)
        assert.equal(module.press(p).pending, false);
    const kinds = new Set(), flags = new Set();
    views.forEach((request, i) => {
        const d = module.view(request);
        const read = { turn: d.turn, tilt: d.tilt, width: d.width, height: d.height, fontSize: d.fontSize,
                       scale: d.scale, items: figureItems(d) };
        assert.deepStrictEqual(read, answers[i], JSON.stringify(request));
        for (const item of read.items) {
            kinds.add(item.kind);
            flags.add(`${item.kind} ${!!item.hidden} ${!!item.given}`);
        }
    });
    assert.deepEqual([...kinds].sort(), ['Edge', 'Face', 'Label', 'Legend', 'Measure', 'ScaleBar']);
    for (const f of ['Edge true false', 'Measure true false', 'Legend false true'])
        assert.ok(flags.has(f), f);
    assert.ok(answers.some((a) => a.items.some((i) => /³/.test(i.text ?? ''))), 'a text beyond ASCII');
    assert.ok(answers.some((a) => a.items.length === 0), 'a view without a figure');
});

test('a faulty view answers the native tool\'s error, and the next view is drawn', async () => {
    const { module } = await moduleCore();
    const faulty = [{ screen: 'Form999', width: 10, height: 10 }, { screen: 'Form3', width: 0, height: 10 },
                    { screen: 'Form3', turn: '10', width: 10, height: 10 }, { screen: 'Form3', height: 10 }];
    const answers = native(faulty.map((v) => ({ op: 'view', ...v })));
    faulty.forEach((request, i) => {
        assert.match(answers[i].error, /\w/);
        assert.deepStrictEqual(module.view(request), answers[i]);
    });
    assert.equal(module.view({ screen: 'Form3', width: 50, height: 40 }).width, 50);
});

test('the page paints each primitive in the house style', async () => {
    const page = await cube();
    // Every stroke, fill and text records the canvas's state it was drawn
    // with, as the canvas itself reports it.
    await page.evaluate(`(() => {
        window.__painted = [];
        const proto = CanvasRenderingContext2D.prototype;
        for (const op of ['fill', 'stroke', 'fillText', 'strokeText']) {
            const real = proto[op];
            proto[op] = function (...args) {
                window.__painted.push({ op, text: typeof args[0] === 'string' ? args[0] : undefined,
                                        fill: this.fillStyle, stroke: this.strokeStyle, width: this.lineWidth,
                                        dash: this.getLineDash(), cap: this.lineCap, font: this.font });
                return real.apply(this, args);
            };
        }
        corpimetroProgram.screens.get('Form3').fig.canvas.focus();
    })()`);
    const first = await drawn(page);
    await page.key('ArrowUp');
    await redrawn(page, first);
    const d = await drawn(page);
    const painted = await page.evaluate('window.__painted');
    const hex = (c) => '#' + c.map((v) => v.toString(16).padStart(2, '0')).join('');
    const faceColour = (shade) => hex([[0x9d, 0xe8], [0xae, 0xee], [0xc2, 0xf5]].map(([dark, lit]) => Math.round(dark + (lit - dark) * shade)));
    const expected = [];
    for (const item of d.items) {
        const line = { width: item.hidden ? 1.2 : 2, dash: item.hidden ? [5, 4] : [] };
        switch (item.kind) {
        case 'Face':
            expected.push({ op: 'fill', fill: faceColour(item.shade) },
                          { op: 'stroke', stroke: faceColour(item.shade), width: 0.6, dash: [] });
            break;
        case 'Edge':
            expected.push({ op: 'stroke', stroke: '#1a1a1a', cap: 'round', ...line });
            break;
        case 'Measure':
            expected.push({ op: 'stroke', stroke: item.given ? '#1f5fbf' : '#c0392b', cap: 'round', ...line });
            break;
        case 'Label':
            expected.push({ op: 'strokeText', text: item.text, stroke: '#ffffff', width: 3, dash: [] },
                          { op: 'fillText', text: item.text, fill: item.given ? '#1f5fbf' : '#c0392b', font: /^italic .*DejaVu Serif/ });
            break;
        default:
            assert.fail('a cube of side 2 has no ' + item.kind);
        }
    }
    // Dashed and solid lines, and labels, come in turn: each sets its own state.
    assert.ok(d.items.some((i) => i.hidden) && d.items.some((i) => i.kind === 'Edge' && !i.hidden)
              && d.items.some((i) => i.kind === 'Label'));
    assert.equal(painted.length, expected.length);
    expected.forEach((e, i) => {
        for (const [key, value] of Object.entries(e)) {
            if (value instanceof RegExp)
                assert.match(painted[i][key], value, `${i}: ${key}`);
            else if (key === 'width') // the canvas keeps it in single precision
                assert.equal(painted[i][key], Math.fround(value), `${i}: ${key}`);
            else
                assert.deepEqual(painted[i][key], value, `${i}: ${key} of ${JSON.stringify(painted[i])}`);
        }
    });
});
