// The calculation core, compiled to WebAssembly: the screen descriptions and
// one press of a solving button, as JSON (see web/CONTRACT.md).

export async function loadCore() {
    // corpimetro.js is a classic script loaded before the modules; the page
    // starts the core as soon as it is there (window.corpimetroCore).
    const module = await (globalThis.corpimetroCore || globalThis.Corpimetro());
    const describe = module.cwrap('corpimetro_describe', 'string', []);
    const press = module.cwrap('corpimetro_press', 'string', ['string']);
    return {
        description: JSON.parse(describe()),
        press: (request) => JSON.parse(press(JSON.stringify(request))),
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
