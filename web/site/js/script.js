// Scripts of the corpimetro-script format: reading them with the core's
// reader and running their steps against a Program. No DOM here, so that the
// command-line runner can read a script before it starts a browser.

export class ScriptError extends Error {}

const MAX_NAME = 80;

// A name as it appears in a message, as the desktop quotes it: control
// characters escaped as \xNN, names longer than 80 UTF-16 units cut (never
// inside a character).
export function quoted(name) {
    let end = Math.min(name.length, MAX_NAME);
    if (end < name.length && /[\ud800-\udbff]/.test(name[end - 1]))
        --end;
    const shown = name.slice(0, end).replace(/[\u0000-\u001f\u007f-\u009f]/g,
        (c) => '\\x' + c.charCodeAt(0).toString(16).toUpperCase().padStart(2, '0'));
    return '"' + shown + (end < name.length ? '...' : '') + '"';
}

// Reads the bytes of a script file (a Uint8Array) with the core's reader,
// the WebAssembly export corpimetro_read_script of `core` (an instance of the
// module): the same reader corpimetro-script is built with. Returns the
// script in its normalized form ({locale, steps}, the locale always given,
// "preferences" where the script gives them);
// throws ScriptError for a malformed script.
export function read(core, bytes) {
    const at = core._malloc(Math.max(bytes.length, 1));
    let answer;
    try {
        core.HEAPU8.set(bytes, at);
        answer = JSON.parse(core.UTF8ToString(core._corpimetro_read_script(at, bytes.length)));
    } finally {
        core._free(at);
    }
    if (typeof answer.error === 'string')
        throw new ScriptError(answer.error);
    return answer.script;
}

// The decimal mark of a locale name as read() gives it ("it_IT", "en_US",
// "sr_Latn_RS", "C"); null for a language the browser does not know.
export function decimalOf(locale) {
    if (locale === 'C')
        return '.';
    let tag;
    try {
        [tag] = Intl.getCanonicalLocales(locale.replace(/_/g, '-'));
    } catch {
        return null;
    }
    if (!tag || Intl.NumberFormat.supportedLocalesOf([tag]).length === 0)
        return null;
    const part = new Intl.NumberFormat(tag).formatToParts(1.5).find((p) => p.type === 'decimal');
    return part ? part.value : '.';
}

// A script as web/run-script hands it to the page: read() already, then
// written with JSON.stringify. Throws ScriptError for a locale the browser
// does not know, as corpimetro-script does for one Qt does not know.
export function parse(text) {
    const script = JSON.parse(text);
    if (decimalOf(script.locale) === null)
        throw new ScriptError('malformed script: unknown locale ' + quoted(script.locale));
    return script;
}

// Runs the steps of a checked script on `program` until they end or the
// program does. Throws ScriptError naming the step of an unknown name.
export async function run(program, steps) {
    for (let i = 0; i < steps.length && !program.ended; ++i) {
        program.step = i;
        // "choose" is the one step with a second key, its "option".
        const kind = Object.hasOwn(steps[i], 'choose') ? 'choose' : Object.keys(steps[i])[0];
        const arg = steps[i][kind];
        try {
            if (kind === 'answers')
                program.queueAnswers(arg);
            else if (kind === 'choose')
                await program.choose(arg, steps[i].option);
            else
                await program[kind === 'show' ? 'showStep' : kind](arg);
        } catch (e) {
            if (e instanceof ScriptError)
                throw new ScriptError(`step ${i}: ` + e.message);
            throw e;
        }
    }
}
