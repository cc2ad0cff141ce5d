// Starts the calculator in the page: the core, the screens, the dialogs, the
// browser's history, printing and the offline cache. With "?runner" in its
// address the page instead waits for scripts (web/run-script).

import { loadCore, laterCore, pageDescriptions, browserDecimal } from './core.js';
import { Program, TITLE } from './program.js';
import { ScriptError, parse, decimalOf, run } from './script.js';
import { indented } from './transcript.js';
import { printWorksheet, worksheetText } from './worksheet.js';
import { openSheetView } from './sheets.js';

const $ = (id) => document.getElementById(id);

// --- Dialogs: modal, the focus kept inside, Enter for OK, Escape to cancel.

// `unit`: what the value asked is measured in ("cm²"), shown beside the box.
function promptDialog(text, unit = '') {
    const dialog = $('prompt-dialog');
    const input = $('prompt-input');
    $('prompt-text').textContent = text;
    $('prompt-unit').textContent = unit;
    input.value = '';
    dialog.returnValue = '';
    return new Promise((resolve) => {
        dialog.addEventListener('close', () => {
            resolve(dialog.returnValue === 'ok' ? input.value : null);
        }, { once: true });
        dialog.showModal();
        input.focus();
    });
}

function messageDialog(d) {
    const dialog = $('message-dialog');
    $('message-text').textContent = d.text;
    return new Promise((resolve) => {
        dialog.addEventListener('close', () => resolve(), { once: true });
        dialog.showModal();
        dialog.querySelector('button').focus();
    });
}

// The solid a screen is about, as the worked solution names it: the
// caption, or the title where the caption is empty or an internal name (the
// core's "subject").
const subject = (s) => s.desc.subject ?? (s.desc.caption.trim() || s.name);

function solutionDialog(s) {
    const dialog = $('solution-dialog');
    $('solution-title').textContent = s.program.texts.solutionTitle + subject(s);
    const list = $('solution-lines');
    list.replaceChildren();
    if (!s.solution.length) {
        const p = document.createElement('p');
        p.textContent = s.program.texts.solutionEmpty;
        list.append(p);
    }
    for (const line of s.solution) {
        const p = document.createElement('p');
        p.className = /^(Dati|Calcoli)\b/.test(line) ? 'solution-heading' : 'solution-line';
        p.textContent = line;
        list.append(p);
    }
    $('solution-copy').onclick = () =>
        navigator.clipboard?.writeText(worksheetText(s, s.program.texts.solutionEmpty)).catch(() => {});
    $('solution-print-text').onclick = () => printWorksheet(s, 'testo');
    $('solution-print').onclick = () => printWorksheet(s, 'soluzione');
    dialog.showModal();
    dialog.querySelector('button[value="ok"]').focus();
}

function printScreen(s) {
    s.el.classList.add('printing');
    document.body.classList.add('printing');
    window.addEventListener('afterprint', () => {
        s.el.classList.remove('printing');
        document.body.classList.remove('printing');
    }, { once: true });
    window.print();
}

// --- The calculator for a person.

// After a press the page brings its outcome into view: the results, and the
// hint line with them when it says something. Already in view, nothing
// moves; taller than the window, its start comes to the top. Smooth, unless
// the reader asks for reduced motion.
function bringIntoView(s, view = window) {
    const parts = [s.el.querySelector('.results'), s.hint ? s.hintEl : null].filter(Boolean);
    if (!parts.length)
        return;
    const rects = parts.map((e) => e.getBoundingClientRect());
    const margin = 8;
    const top = Math.min(...rects.map((r) => r.top)) - margin;
    const bottom = Math.max(...rects.map((r) => r.bottom)) + margin;
    const height = view.innerHeight;
    if (top >= 0 && bottom <= height)
        return;
    // Down just enough to show its end, or up (or down) to its start.
    const by = top > 0 && bottom - top <= height ? bottom - height : top;
    const reduced = view.matchMedia('(prefers-reduced-motion: reduce)').matches;
    view.scrollTo({ top: view.scrollY + by, behavior: reduced ? 'auto' : 'smooth' });
}

let decimal = null;

// The choices of unit, decimals and specific weight, kept for the next visit.
const CHOICES_KEY = 'corpimetro.scelte';

function storedChoices() {
    try {
        return JSON.parse(localStorage.getItem(CHOICES_KEY) ?? 'null');
    } catch {
        return null;
    }
}

function storeChoices(choices) {
    try {
        localStorage.setItem(CHOICES_KEY, JSON.stringify(choices));
    } catch {
        // A page that may not store anything forgets them.
    }
}

function startInteractive(description, core) {
    const root = $('screens');
    const closed = $('closed');
    let program;
    let entry = 0;      // the history entry on view
    let shownAt = [];   // the screen whose showing made each entry
    let replaying = false; // showing a screen because of Back or Forward

    const focusScreen = (s) => {
        const cap = s.el.querySelector('.caption');
        cap.tabIndex = -1;
        cap.focus({ preventScroll: false });
    };

    const start = () => {
        closed.hidden = true;
        root.replaceChildren();
        entry = 0;
        shownAt = ['Form1'];
        history.replaceState({ entry, screen: 'Form1' }, '', '#Form1');
        program = new Program(root, description, core, {
            // The language's decimal mark is asked of Intl at the first
            // press: starting Intl costs tens of milliseconds.
            get decimal() {
                return (decimal ??= browserDecimal());
            },
            ask: (text, s, unit) => promptDialog(text, unit),
            choices: storedChoices(),
            chose: storeChoices,
            tell: (d) => messageDialog(d),
            print: printScreen,
            explain: solutionDialog,
            sheetView: openSheetView,
            solved: (s) => bringIntoView(s),
            // A raised screen was already on view: no history entry.
            shown: (s, raised) => {
                const named = s.kind === 'solver' ? subject(s) : s.desc.caption.trim();
                document.title = named ? `${named} \u2013 ${TITLE}` : TITLE;
                if (!program)
                    return;
                if (!replaying && !raised) {
                    ++entry;
                    shownAt[entry] = s.name;
                    shownAt.length = entry + 1;
                    history.pushState({ entry, screen: s.name }, '', '#' + s.name);
                }
                queueMicrotask(() => focusScreen(s));
            },
            ended: () => {
                closed.hidden = false;
                document.title = TITLE;
                $('restart').focus();
            },
        });
        window.corpimetroProgram = program;
        focusScreen(program.top());
    };

    window.addEventListener('popstate', (ev) => {
        const state = ev.state;
        if (!state || program.ended || program.busy)
            return;
        replaying = true;
        try {
            if (state.entry < entry)
                program.back(shownAt[entry]);
            else if (program.exists(state.screen))
                program.show(state.screen);
        } finally {
            replaying = false;
            entry = state.entry;
        }
    });

    // Escape goes back as "Ritorna" does, unless a dialog takes it.
    document.addEventListener('keydown', (ev) => {
        if (ev.key !== 'Escape' || document.querySelector('dialog[open]') || program.busy || program.ended)
            return;
        const s = program.top();
        const ritorna = s?.desc.ritornaButton && s.control(s.desc.ritornaButton.name);
        if (ritorna) {
            ev.preventDefault();
            ritorna.el.click();
        }
    });

    $('restart').addEventListener('click', start);
    start();
}

// Works offline once loaded: the service worker keeps what the page uses,
// fetched after the page's own loading so as not to slow it.
async function keepOffline(description) {
    if ('serviceWorker' in navigator) {
        try {
            const reg = await navigator.serviceWorker.register('sw.js');
            await navigator.serviceWorker.ready;
            const pictures = new Set();
            for (const s of description.screens) {
                for (const p of [s.picture, ...s.solvers.map((b) => b.solidPicture)])
                    if (p)
                        pictures.add('assets/' + p.text);
                for (const x of s.extras || [])
                    if (x.kind === 'Picture')
                        pictures.add('assets/' + x.text);
            }
            for (const m of description.menus)
                for (const e of m.entries || [])
                    pictures.add('assets/' + e.asset);
            (reg.active || navigator.serviceWorker.controller)?.postMessage({ keep: [...pictures] });
        } catch (e) {
            console.warn('service worker:', e);
        }
    }
}

// --- Scripts, one after another, each on a fresh calculator.

function startRunner(description, core) {
    const host = $('screens');
    let program = null;
    // A transcript lists each solver screen's hint where the core's press
    // answers carry one: asked once, of a press that asks nothing.
    const first = description.screens.find((d) => d.checks.length) ?? description.screens[0];
    const hints = typeof core.press({ screen: first.name, button: first.solvers[0].name }).hint === 'string';
    window.corpimetroRun = async (text) => {
        let script;
        try {
            script = parse(text);
        } catch (e) {
            if (e instanceof ScriptError)
                return { status: 2, stderr: 'corpimetro-script: ' + e.message + '\n', transcript: '' };
            throw e;
        }
        host.replaceChildren();
        // A script starts from no choices unless it gives its own; the
        // choices a person made in this browser are neither read nor kept.
        const p = script.preferences;
        const choices = p ? { unit: p.unit, decimals: String(p.decimals), weight: p.specificWeight ?? '' } : undefined;
        program = new Program(host, description, core, { decimal: decimalOf(script.locale ?? 'en_US'), hints, choices,
                                                         scripted: true });
        window.corpimetroProgram = program;
        let status = 0, stderr = '';
        try {
            await run(program, script.steps);
        } catch (e) {
            if (!(e instanceof ScriptError))
                throw e;
            status = 2;
            stderr = 'corpimetro-script: ' + e.message + '\n';
        }
        return { status, stderr, transcript: indented(program.transcript()) };
    };
    // Times a press for the benchmark.
    window.corpimetroPressTime = (request, count) => {
        const t0 = performance.now();
        for (let i = 0; i < count; ++i)
            core.press(request);
        return (performance.now() - t0) / count;
    };
}

async function main() {
    const description = pageDescriptions();
    if (new URLSearchParams(location.search).has('runner')) {
        startRunner(description, await loadCore());
    } else {
        // The menus are drawn at once; a press made before the module has
        // loaded waits for it. The page is ready when the module is.
        // The core's loading and compiling would compete with the first
        // drawing of the menu: it starts on the frame after (or after half a
        // second, in a tab opened behind, which draws no frames). That frame
        // is also the one the benchmark times.
        const drawn = new Promise((ok) => {
            requestAnimationFrame(() => setTimeout(() => {
                performance.mark('corpimetro-menu-painted');
                ok();
            }, 0));
            setTimeout(ok, 500);
        });
        const loading = drawn.then(() => loadCore());
        startInteractive(description, laterCore(loading));
        await loading;
        decimal ??= browserDecimal();
        await keepOffline(description);
    }
    performance.mark('corpimetro-core-ready');
    document.documentElement.dataset.ready = 'true';
}

main().catch((e) => {
    document.documentElement.dataset.ready = 'failed';
    const p = $('failed');
    p.hidden = false;
    p.textContent = 'CORPIMETRO non si è potuto avviare: ' + e.message;
    console.error(e);
});
