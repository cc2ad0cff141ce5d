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

// Loads the module: one press of a solving button, as JSON.
export async function loadCore(doc = document) {
    const module = await (await factory(doc))();
    // The request goes through the module's heap, not its stack: a long
    // answer typed into a prompt must not overflow the stack.
    const call = (fn, text) => {
        const size = module.lengthBytesUTF8(text) + 1;
        const at = module._malloc(size);
        if (!at)
            throw new Error('memoria esaurita');
        try {
            module.stringToUTF8(text, at, size);
            return module.UTF8ToString(fn(at));
        } finally {
            module._free(at);
        }
    };
    return {
        press: (request) => JSON.parse(call(module._corpimetro_press, JSON.stringify(request))),
        // The figure of a screen's last press, as the primitives to draw.
        view: (request) => JSON.parse(call(module._corpimetro_view, JSON.stringify(request))),
        // The exercise sheets: a sheet, a seed, a figure with its data.
        sheets: (request) => JSON.parse(call(module._corpimetro_sheets, JSON.stringify(request))),
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
