// Scripts of the corpimetro-script format: checking their form and running
// their steps against a Program. No DOM here, so that the command-line runner
// can check a script before it starts a browser.

export class ScriptError extends Error {}

const MAX_NAME = 80;

// A name as it appears in a message: long names are cut.
export function quoted(name) {
    return '"' + (name.length > MAX_NAME ? name.slice(0, MAX_NAME) + '...' : name) + '"';
}

// What each step takes: a screen, "Screen.Control", or a list of answers.
const STEPS = {
    show: 'screen',
    close: 'screen',
    click: 'control',
    tick: 'control',
    untick: 'control',
    select: 'control',
    answers: 'answers',
};

// The decimal mark of a locale name as the scripts write it ("it_IT",
// "en_US", "C"); null for a name no locale answers to.
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

// Checks the form of a parsed script; throws ScriptError. Nothing runs.
export function validate(script) {
    if (script === null || typeof script !== 'object' || Array.isArray(script))
        throw new ScriptError('malformed script: the script must be a JSON object');
    for (const key of Object.keys(script))
        if (key !== 'locale' && key !== 'steps')
            throw new ScriptError(`malformed script: unknown key "${key}"`);
    if ('locale' in script) {
        if (typeof script.locale !== 'string')
            throw new ScriptError('malformed script: "locale" must be a string');
        if (decimalOf(script.locale) === null)
            throw new ScriptError('malformed script: unknown locale ' + quoted(script.locale));
    }
    if (!Array.isArray(script.steps))
        throw new ScriptError('malformed script: "steps" must be an array');
    script.steps.forEach((step, i) => {
        const where = `malformed script: step ${i}: `;
        if (step === null || typeof step !== 'object' || Array.isArray(step)
            || Object.keys(step).length !== 1)
            throw new ScriptError(where + 'a step is an object with one key');
        const [kind] = Object.keys(step);
        const arg = step[kind];
        if (!Object.hasOwn(STEPS, kind))
            throw new ScriptError(where + 'unknown step ' + quoted(kind));
        if (STEPS[kind] === 'answers') {
            if (!Array.isArray(arg))
                throw new ScriptError(where + '"answers" takes an array');
            for (const a of arg)
                if (typeof a !== 'string' && a !== null)
                    throw new ScriptError(where + 'an answer is a string or null');
        } else if (typeof arg !== 'string') {
            throw new ScriptError(where + `"${kind}" takes a string`);
        } else if (STEPS[kind] === 'control' && !arg.includes('.')) {
            throw new ScriptError(where + `"${kind}" takes "Screen.Control"`);
        }
    });
}

// Parses script text as the desktop runner does; throws ScriptError.
export function parse(text) {
    let script;
    try {
        script = JSON.parse(text);
    } catch (e) {
        throw new ScriptError('malformed script: ' + e.message);
    }
    validate(script);
    return script;
}

// Runs the steps of a checked script on `program` until they end or the
// program does. Throws ScriptError naming the step of an unknown name.
export async function run(program, steps) {
    for (let i = 0; i < steps.length && !program.ended; ++i) {
        program.step = i;
        const [kind] = Object.keys(steps[i]);
        const arg = steps[i][kind];
        try {
            if (kind === 'answers')
                program.queueAnswers(arg);
            else
                await program[kind === 'show' ? 'showStep' : kind](arg);
        } catch (e) {
            if (e instanceof ScriptError)
                throw new ScriptError(`step ${i}: ` + e.message);
            throw e;
        }
    }
}
