// "Schede di esercizi": the screen that makes a sheet of exercises for a class
// with its key, built from the core's description (web/CONTRACT.md, the
// "sheets" member of the descriptions), and the sheet's print view: A4 pages,
// the exercises first, each whole on its page, then the key from a new page.
// Every word shown comes from the core.

import { el } from './dom.js';

const SVG = 'http://www.w3.org/2000/svg';

// A whole number written as the choices list it: "1" to `max`, no sign, no
// leading zero.
const wholeIn = (text, min, max) => /^[1-9]\d*$/.test(text) && Number(text) >= min && Number(text) <= max;

// The screen. `program` builds its frame, labels and buttons as for every
// other screen; `d` is the core's description.
export function buildSheets(program, d) {
    const s = program.frame(d.name, 'sheets', { ...d, ritornaButton: d.ritorna });
    const id = (name) => s.id + '-' + name.replace(/[^\w-]/g, '_');
    const options = program.options;
    s.sheet = null; // the sheet made last, as the core answered it

    s.body.append(program.label(s, d.heading, 'h3', 'heading'));
    s.body.append(program.label(s, d.note, 'p', 'sheets-note'));

    // The families, each with its "tutti" box first.
    const solids = el('div', { class: 'sheets-solids', role: 'group', 'aria-labelledby': id(d.solidsHeading.name) });
    solids.append(program.label(s, d.solidsHeading, 'p', 'heading'));
    const grid = el('div', { class: 'sheets-families' });
    const box = (c) => {
        const input = el('input', { type: 'checkbox', id: id(c.name), checked: true });
        s.add(c.name, 'check', input);
        return [input, el('label', { class: 'check', for: input.id }, input, el('span', { text: c.text }))];
    };
    for (const f of d.families) {
        const group = el('div', { class: 'sheets-family', role: 'group', 'aria-labelledby': id(f.name.name) });
        group.append(program.label(s, f.name, 'p', 'sheets-family-name'));
        const [all, allLabel] = box(f.all);
        allLabel.classList.add('sheets-all');
        group.append(allLabel);
        const boxes = [];
        for (const b of f.boxes) {
            const [input, label] = box(b);
            boxes.push(input);
            group.append(label);
        }
        // "tutti" ticks or unticks the family; a solid leaves it ticked
        // exactly when every solid of the family is.
        const allChanged = () => boxes.forEach((b) => { b.checked = all.checked; });
        const solidChanged = () => { all.checked = boxes.every((b) => b.checked); };
        s.control(f.all.name).changed = allChanged;
        all.addEventListener('change', allChanged);
        for (const [i, b] of boxes.entries()) {
            s.control(f.boxes[i].name).changed = solidChanged;
            b.addEventListener('change', solidChanged);
        }
        grid.append(group);
    }
    solids.append(grid);
    s.body.append(solids);

    // The settings: each control named by the label before it.
    const settings = el('div', { class: 'sheets-settings' });
    const field = (label, control) => {
        control.id = id(control.dataset.control);
        const caption = program.label(s, label, 'label', 'sheets-caption');
        caption.setAttribute('for', control.id);
        return el('div', { class: 'sheets-field' }, caption, control);
    };
    const choice = (name, control, valid) => {
        s.add(name, 'choice', control);
        s.control(name).choose = (option) => {
            if (!valid(option))
                return false;
            control.value = option;
            return true;
        };
        return control;
    };
    const number = (name, min, max, value) => {
        const input = el('input', { type: 'number', min, max, step: 1, inputmode: 'numeric', value });
        // What a person types out of range comes back within it.
        input.addEventListener('change', () => {
            const n = Math.round(Number(input.value));
            input.value = String(Number.isFinite(n) && input.value.trim() !== '' ? Math.min(max, Math.max(min, n)) : value);
        });
        return choice(name, input, (o) => wholeIn(o, min, max));
    };
    const select = (name, list, initial) => {
        const e = el('select', {}, ...list.map((o) => el('option', { value: o, text: o })));
        e.value = initial;
        return choice(name, e, (o) => list.includes(o));
    };
    const count = number(d.count.control, d.count.min, d.count.max, d.count.initial);
    settings.append(field(d.count.label, count));

    const data = el('div', { class: 'sheets-field sheets-data', role: 'radiogroup', 'aria-labelledby': id(d.data.label.name) });
    data.append(program.label(s, d.data.label, 'p', 'sheets-caption'));
    const radios = {};
    for (const o of [d.data.whole, d.data.oneDecimal]) {
        const input = el('input', { type: 'radio', name: s.id + '-dati', id: id(o.name), checked: o === d.data.whole });
        s.add(o.name, 'option', input);
        radios[o.name] = input;
        data.append(el('label', { class: 'option', for: input.id }, input, el('span', { text: o.text })));
    }
    settings.append(data);
    const unit = select(d.unit.control, d.unit.options, d.unit.initial);
    settings.append(field(d.unit.label, unit));
    const decimals = select(d.decimals.control, d.decimals.options, d.decimals.initial);
    settings.append(field(d.decimals.label, decimals));
    const seed = number(d.seed.control, d.seed.min, d.seed.max, d.seed.scripted);
    settings.append(field(d.seed.label, seed));
    s.body.append(settings);

    // A person gets a number of the clock; a script starts from the same one
    // every time, so that its transcript does not change.
    if (!options.scripted) {
        const fresh = (core) => {
            const r = core.sheets({ op: 'sheetSeed', entropy: Date.now() });
            if (r && typeof r.seed === 'number' && seed.dataset.touched !== 'true')
                seed.value = String(r.seed);
        };
        seed.addEventListener('input', () => { seed.dataset.touched = 'true'; });
        if (program.core.sheetsReady)
            program.core.sheetsReady.then(fresh, () => {});
        else if (program.core.sheets)
            fresh(program.core);
    }

    // The settings on screen, as the core takes them.
    s.settings = () => ({
        screens: d.families.flatMap((f) => f.screens.filter((_, i) => s.control(f.boxes[i].name).el.checked)),
        count: Number(count.value) || Number(d.count.initial),
        oneDecimal: radios[d.data.oneDecimal.name].checked,
        unit: unit.value,
        decimals: Number(decimals.value),
        seed: Number(seed.value) || Number(d.seed.scripted),
    });

    const make = async () => {
        const sheet = await program.core.sheets({ op: 'sheet', settings: s.settings(), decimal: program.decimal });
        if (sheet.error)
            throw new Error(sheet.error);
        s.sheet = sheet;
        return sheet;
    };
    const busy = async (body) => {
        program.busy = true;
        s.el.setAttribute('aria-busy', 'true');
        try {
            await body();
        } finally {
            program.busy = false;
            s.el.removeAttribute('aria-busy');
        }
    };
    const buttons = el('div', { class: 'buttons' });
    buttons.append(program.button(s, d.preview, () => busy(async () => {
        const sheet = await make();
        await options.sheetView?.(sheet, s, false);
    }), 'anteprima'));
    buttons.append(program.button(s, d.print, () => busy(async () => {
        const sheet = await make();
        program.printed.push(s.name);
        await options.sheetView?.(sheet, s, true);
    }), 'stampa'));
    buttons.append(program.button(s, d.ritorna, () => program.goTo(s.name, d.parent), 'ritorna'));
    buttons.append(program.button(s, d.esci, () => program.end(), 'esci'));
    s.body.append(buttons);

    // The transcript's entry: what every screen lists, the choices, and the
    // sheet made last.
    const state = s.state.bind(s);
    s.state = () => {
        const out = state();
        out.choices = { [d.count.control]: count.value, [d.unit.control]: unit.value,
                        [d.decimals.control]: decimals.value, [d.seed.control]: seed.value };
        if (s.sheet)
            out.sheet = {
                seed: s.sheet.settings.seed,
                exercises: s.sheet.exercises.map((e) => ({
                    screen: e.screen, ticks: e.ticks, answers: e.answers, button: e.button,
                    results: Object.fromEntries(e.results.map((r) => [r.label, r.value])),
                })),
            };
        return out;
    };
    return s;
}

// --- The print view --------------------------------------------------------

// The height of a page's content, in CSS pixels: A4 less its margins, as
// the style sheet's @page gives them (12 mm each side).
const MM = 96 / 25.4;
const CONTENT_HEIGHT = (297 - 2 * 12) * MM;
const RULED_LINES = 8;

// The figure of an exercise, its data beside their letters as the core
// writes them (the desktop's own function): an SVG element, or null.
async function figureOf(core, assets, e) {
    if (!e.picture)
        return null;
    try {
        const response = await fetch(assets + e.picture);
        if (!response.ok)
            return null;
        const answer = await core.sheets({ op: 'sheetFigure', svg: await response.text(), data: e.data });
        if (!answer || typeof answer.svg !== 'string')
            return null;
        const svg = new DOMParser().parseFromString(answer.svg, 'image/svg+xml').documentElement;
        if (svg.nodeName !== 'svg')
            return null;
        svg.removeAttribute('width');
        svg.removeAttribute('height');
        svg.setAttribute('role', 'img');
        svg.setAttribute('aria-label', e.solid);
        return document.importNode(svg, true);
    } catch {
        return null;
    }
}

function header(w) {
    const names = el('div', { class: 'sx-names' });
    for (const word of w.header)
        names.append(el('div', { class: 'sx-field' }, el('span', { class: 'sx-word', text: word }), el('span', { class: 'sx-line' })));
    return el('div', { class: 'sx-block sx-top' }, names, el('h1', { class: 'sx-title', text: w.title }),
              el('p', { class: 'sx-instructions', text: w.instructions }));
}

function exerciseBlock(e, figure) {
    const body = el('div', { class: 'sx-body' }, el('p', { class: 'sx-text', text: e.text }));
    if (figure)
        body.append(el('div', { class: 'sx-figure' }, figure));
    const ruled = el('div', { class: 'sx-ruled', 'aria-hidden': 'true' });
    for (let i = 0; i < RULED_LINES; ++i)
        ruled.append(el('div', { class: 'sx-rule' }));
    return el('section', { class: 'sx-block sx-exercise', 'data-exercise': e.heading },
              el('h2', { class: 'sx-heading', text: e.heading }), body, ruled);
}

// "Volume V = 113,04 cm³"; the capacity has no symbol.
function keyBlock(e, w) {
    const block = el('section', { class: 'sx-block sx-key', 'data-exercise': e.heading });
    block.append(el('h2', { class: 'sx-heading', text: e.heading }), el('p', { class: 'sx-text', text: e.text }),
                 el('p', { class: 'sx-subheading', text: w.solutionHeading }));
    for (const line of e.solution)
        block.append(el('p', { class: /:$/.test(line) ? 'sx-step sx-step-heading' : 'sx-step', text: line }));
    block.append(el('p', { class: 'sx-subheading', text: w.resultsHeading }));
    const grid = el('div', { class: 'sx-results' });
    for (const k of e.key)
        grid.append(el('span', { class: 'sx-words', text: k.words }), el('span', { class: 'sx-symbol', text: k.symbol }),
                    el('span', { class: 'sx-equals', text: '=' }), el('span', { class: 'sx-value', text: k.value }));
    block.append(grid);
    return block;
}

// Lays the blocks out on pages of A4's content height, measured in `measure`
// (a page's width, out of sight): an exercise goes whole onto the page, or on
// a new one when the page has no room left. The key's exercises follow one
// another, each going on over the next page by its lines where it must, but
// starting on a new page rather than with less than its heading, its text
// and a line at the foot of one.
function paginate(measure, blocks, firstClass) {
    const pages = [];
    let page = null;
    const newPage = (cls) => {
        page = el('div', { class: 'sx-page ' + cls });
        measure.append(page);
        pages.push(page);
    };
    const full = () => page.getBoundingClientRect().height > CONTENT_HEIGHT + 0.5;
    // The child that did not fit, with the headings just before it, which
    // go to the next page with what they head.
    const carried = (part, child) => {
        const out = [child];
        child.remove();
        while (part.childElementCount > 1 && /\bsx-(subheading|step-heading)\b/.test(part.lastElementChild.className))
            out.unshift(part.lastElementChild), part.lastElementChild.remove();
        return out;
    };
    const split = (block) => {
        const parts = [...block.children];
        block.replaceChildren();
        let part = block;
        for (const child of parts) {
            part.append(child);
            if (!full())
                continue;
            let moving = carried(part, child);
            // No exercise starts at the foot of a page with only its
            // heading and its text.
            if (part === block && part.childElementCount < 3 && page.childElementCount > 1) {
                block.remove();
                newPage('');
                page.append(block);
                block.append(...moving);
                if (!full())
                    continue;
                moving = carried(part, child);
            }
            part = el('section', { class: 'sx-block sx-key sx-continued', 'data-exercise': block.dataset.exercise });
            newPage('');
            page.append(part);
            part.append(...moving);
        }
    };
    newPage(firstClass);
    for (const block of blocks) {
        page.append(block);
        if (!full())
            continue;
        if (block.classList.contains('sx-key')) {
            split(block);
            continue;
        }
        if (page.childElementCount > 1) {
            block.remove();
            newPage('');
            page.append(block);
        }
    }
    return pages;
}

// The sheet's pages: the exercises, then the key from a new page.
export async function sheetPages(sheet, core, assets) {
    const w = sheet.words;
    const measure = el('div', { class: 'sx-measure sheet-doc', 'aria-hidden': 'true' });
    document.body.append(measure);
    try {
        const figures = await Promise.all(sheet.exercises.map((e) => figureOf(core, assets, e)));
        await document.fonts?.ready;
        const blocks = [header(w)];
        if (!sheet.exercises.length)
            blocks.push(el('p', { class: 'sx-block sx-empty', text: w.empty }));
        sheet.exercises.forEach((e, i) => blocks.push(exerciseBlock(e, figures[i])));
        const pages = paginate(measure, blocks, 'sx-sheet');
        if (sheet.exercises.length) {
            const keyBlocks = [el('h1', { class: 'sx-block sx-title sx-key-title', text: w.keyTitle }),
                               ...sheet.exercises.map((e) => keyBlock(e, w))];
            pages.push(...paginate(measure, keyBlocks, 'sx-key-start'));
        }
        return pages;
    } finally {
        measure.remove();
    }
}

// Shows the sheet's print view over the screens, with "Stampa" and "Chiudi";
// `print`: opens the browser's print at once. Escape, "Chiudi" and the
// browser's Back close it, and the focus goes back where it was.
export async function openSheetView(sheet, s, print) {
    const program = s.program;
    const w = sheet.words;
    const back = document.activeElement;
    document.getElementById('sheet-view')?.remove();
    const pages = await sheetPages(sheet, program.core, program.assets);
    const title = el('h2', { class: 'sheet-view-title', id: 'sheet-view-title', text: w.title, tabindex: '-1' });
    const printButton = el('button', { type: 'button', class: 'btn', text: program.sheetsDesc.print.text });
    const close = el('button', { type: 'button', class: 'btn', text: program.texts.close });
    const view = el('section', { id: 'sheet-view', class: 'sheet-view', role: 'dialog', 'aria-modal': 'true',
                                 'aria-labelledby': title.id },
                    el('div', { class: 'sheet-view-bar' }, title, el('div', { class: 'sheet-view-actions' }, printButton, close)),
                    el('div', { class: 'sheet-doc sheet-pages' }, ...pages));
    const printNow = () => {
        document.body.classList.add('printing-sheet');
        const previous = document.title;
        // The browser offers the title as the file's name.
        document.title = sheet.pdfName.replace(/\.pdf$/, '');
        window.addEventListener('afterprint', () => {
            document.body.classList.remove('printing-sheet');
            document.title = previous;
        }, { once: true });
        window.print();
    };
    const shut = () => {
        document.removeEventListener('keydown', onKey, true);
        window.removeEventListener('popstate', shut);
        view.remove();
        document.body.classList.remove('viewing-sheet');
        back?.focus?.();
    };
    printButton.addEventListener('click', printNow);
    close.addEventListener('click', shut);
    // Taken before the page's own keys: Escape closes the view, not the
    // screen behind it.
    const onKey = (ev) => {
        if (ev.key === 'Escape') {
            ev.preventDefault();
            ev.stopPropagation();
            shut();
        } else if (ev.key === 'Tab') {
            // The focus stays on the view's two buttons and its title.
            const stops = [title, printButton, close];
            const at = Math.max(0, stops.indexOf(document.activeElement));
            ev.preventDefault();
            stops[(at + (ev.shiftKey ? stops.length - 1 : 1)) % stops.length].focus();
        }
    };
    document.addEventListener('keydown', onKey, true);
    // The browser's Back leaves the view with the screen.
    window.addEventListener('popstate', shut);
    document.body.append(view);
    document.body.classList.add('viewing-sheet');
    view.dataset.ready = 'true';
    title.focus();
    if (print)
        printNow();
}
