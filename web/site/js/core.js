// The calculation core, compiled to WebAssembly, and the screen and menu
// descriptions it gives (see web/CONTRACT.md).

// The descriptions, written into the page when the site is built
// (tools/webpage.mjs): the menus are drawn from them before the module has
// loaded.
export function pageDescriptions(doc = document) {
    const el = doc.getElementById('descriptions');
    if (!el)
        throw new Error('la pagina non contiene le descrizioni delle schermate');
    return JSON.parse(el.textContent);
}

// The module's factory, from corpimetro.js, which is loaded on demand.
function factory(doc) {
    if (globalThis.Corpimetro)
        return Promise.resolve(globalThis.Corpimetro);
    return new Promise((ok, fail) => {
        const script = doc.createElement('script');
        script.src = 'corpimetro.js';
        script.addEventListener('load', () => ok(globalThis.Corpimetro), { once: true });
        script.addEventListener('error', () => fail(new Error('corpimetro.js non si è potuto caricare')),
                                { once: true });
        doc.head.append(script);
    });
}

// A view as numbers, corpimetro_view_numbers in web/CONTRACT.md.
export const FIGURE_KINDS = ['Face', 'Edge', 'Measure', 'Label', 'Legend', 'ScaleBar'];
export const HEADER = 10;
export const ITEM = 6;
export const HIDDEN = 1;
export const GIVEN = 2;

const utf8 = new TextDecoder();

// The drawing at byte `at` of the module's memory, its `numbers` a view on
// that memory, good until the core's next call; or {error}. The memory's
// views are taken after the call, which may have grown it.
function readView(module, at) {
    const heap = module.HEAPF64, bytes = module.HEAPU8;
    const start = at / 8, words = heap[start + 2];
    const text = (from, length) => utf8.decode(bytes.subarray(at + 8 * words + from, at + 8 * words + from + length));
    if (heap[start] !== 0)
        return JSON.parse(text(0, heap[start + 3]));
    const n = heap.subarray(start, start + words);
    const texts = new Array(n[1]);
    for (let i = HEADER, k = 0; k < n[1]; ++k, i += ITEM + 2 * n[i + 3])
        texts[k] = n[i + 5] ? text(n[i + 4], n[i + 5]) : '';
    return { turn: n[4], tilt: n[5], width: n[6], height: n[7], fontSize: n[8], scale: n[9], numbers: n, texts };
}

// A drawing's primitives as the native tool writes them.
export function figureItems(d) {
    const n = d.numbers, items = [];
    for (let i = HEADER, k = 0; k < n[1]; ++k) {
        const count = n[i + 3], item = { kind: FIGURE_KINDS[n[i]], points: [] };
        for (let j = i + ITEM; j < i + ITEM + 2 * count; j += 2)
            item.points.push([n[j], n[j + 1]]);
        if (n[i + 1] & HIDDEN)
            item.hidden = true;
        if (n[i + 1] & GIVEN)
            item.given = true;
        if (item.kind === 'Face')
            item.shade = n[i + 2];
        if (d.texts[k])
            item.text = d.texts[k];
        items.push(item);
        i += ITEM + 2 * count;
    }
    return items;
}

// Loads the module: one press of a solving button, as JSON, and the views
// of the figure, as numbers.
export async function loadCore(doc = document) {
    const module = await (await factory(doc))();
    // The request goes through the module's heap, not its stack: a long
    // answer typed into a prompt must not overflow the stack.
    const call = (fn, text, read) => {
        const size = module.lengthBytesUTF8(text) + 1;
        const at = module._malloc(size);
        if (!at)
            throw new Error('memoria esaurita');
        try {
            module.stringToUTF8(text, at, size);
            return read(fn(at));
        } finally {
            module._free(at);
        }
    };
    return {
        press: (request) => JSON.parse(call(module._corpimetro_press, JSON.stringify(request), module.UTF8ToString)),
        // The figure of a screen's last press (see readView).
        view: (request) => call(module._corpimetro_view_numbers, JSON.stringify(request), (at) => readView(module, at)),
        // The exercise sheets: a sheet, a seed, a figure with its data.
        sheets: (request) => JSON.parse(call(module._corpimetro_sheets, JSON.stringify(request), module.UTF8ToString)),
    };
}

// A core to use before the module has loaded: a press made meanwhile waits
// for it (a promise of the response); once loaded, a press answers at once.
export function laterCore(loading) {
    let core = null;
    loading.then((c) => { core = c; }, () => {});
    return {
        press: (request) => (core ? core.press(request) : loading.then((c) => c.press(request))),
        // Only a pressed screen has a figure to draw: the module has loaded.
        view: (request) => (core ? core.view(request) : null),
        sheets: (request) => (core ? core.sheets(request) : loading.then((c) => c.sheets(request))),
        // Settles once the module has loaded: what waits for it needs no
        // request of its own.
        sheetsReady: loading,
    };
}

// The decimal mark of the browser's language, as the desktop follows its
// locale.
export function browserDecimal(language = navigator.language) {
    try {
        const part = new Intl.NumberFormat(language).formatToParts(1.5).find((p) => p.type === 'decimal');
        return part ? part.value : '.';
    } catch {
        return '.';
    }
}
