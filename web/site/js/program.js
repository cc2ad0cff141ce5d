// The calculator in the page: every screen built from the core's
// descriptions, shown, hidden, printed and ended as on the desktop. The page
// itself holds the state (labels, ticks, options, which screens are shown), so
// a transcript reads what the user sees.

import { ScriptError, quoted } from './script.js';
import { FIGURE_KINDS, GIVEN, HEADER, HIDDEN, ITEM, figureItems } from './core.js';
import { buildSheets } from './sheets.js';
import { el } from './dom.js';

export const TITLE = 'CORPIMETRO';

// A solve's re-runs stop here: no screen asks this many questions.
const MAX_PROMPTS = 64;

// The option of "Decimali" that shows every decimal, and the choices of a
// program that has made none (the unit's first option is no unit).
const ALL_DECIMALS = 'tutti';

// A caption as a form control's label shows it: without the "&" that marks
// the desktop's Alt letter.
const withoutAlt = (caption) => caption.replace(/&(.)/g, '$1');

let uid = 0;


// Safe as part of an element id.
const idPart = (name) => name.replace(/[^\w-]/g, '_');

// A result's caption as its name and its ending, from the first "=" that
// only blanks and other "=" follow: ["Raggio (r)", "      ="]; a caption
// without one is all name.
export function splitCaption(text) {
    const m = /[\s=]*=[\s=]*$/.exec(text);
    return m ? [text.slice(0, m.index), text.slice(m.index)] : [text, ''];
}

// The pictures' house style, as the desktop draws the figure.
const INK = '#1a1a1a', MEASURE = '#c0392b', GIVEN_INK = '#1f5fbf';
const FACE_DARK = [0x9d, 0xae, 0xc2], FACE_LIT = [0xe8, 0xee, 0xf5];

// A shade comes to the thousandth: each colour is worked out once.
const faceColours = new Map();
function faceColour(shade) {
    let colour = faceColours.get(shade);
    if (colour === undefined) {
        const t = Math.min(1, Math.max(0, shade));
        const c = FACE_DARK.map((d, i) => Math.round(d + (FACE_LIT[i] - d) * t));
        colour = `rgb(${c[0]},${c[1]},${c[2]})`;
        faceColours.set(shade, colour);
    }
    return colour;
}

function tracePath(g, n, at, count, close) {
    g.beginPath();
    g.moveTo(n[at], n[at + 1]);
    for (let j = at + 2; j < at + 2 * count; j += 2)
        g.lineTo(n[j], n[j + 1]);
    if (close)
        g.closePath();
}

// A label's width and its baseline below its middle, measured once.
const labelMetrics = new Map();
function labelMetric(g, font, text, size) {
    const key = font + '\n' + text;
    let metric = labelMetrics.get(key);
    if (metric === undefined) {
        const m = g.measureText(text);
        metric = { width: m.width,
                   below: ((m.fontBoundingBoxAscent ?? size * 0.76) - (m.fontBoundingBoxDescent ?? size * 0.24)) / 2 };
        if (labelMetrics.size >= 256)
            labelMetrics.clear();
        labelMetrics.set(key, metric);
    }
    return metric;
}

const SOLID = [], DASHED = [5, 4];

let lastNumbers = new Float64Array(0);

// Draws a view of the figure (the core's primitives, in painting order) on a
// canvas whose units are the drawing's pixels, setting its state only where
// it changes: a sphere is a thousand faces.
export function paintFigure(g, drawing) {
    const n = drawing.numbers;
    const size = Math.max(1, Math.round(drawing.fontSize));
    const labelFont = `italic ${size}px "DejaVu Serif", serif`;
    const legendFont = `${size}px "DejaVu Sans", sans-serif`;
    g.save();
    g.fillStyle = '#fff';
    g.fillRect(0, 0, drawing.width, drawing.height);
    g.lineJoin = 'round';
    g.textBaseline = 'alphabetic';
    g.textAlign = 'left';
    let lineWidth = null, dash = null, lineCap = null, font = null, fill = null, stroke = null;
    const line = (width, pattern, cap) => {
        if (width !== lineWidth)
            g.lineWidth = lineWidth = width;
        if (pattern !== dash)
            g.setLineDash(dash = pattern);
        if (cap && cap !== lineCap)
            g.lineCap = lineCap = cap;
    };
    const useFont = (f) => {
        if (f !== font)
            g.font = font = f;
    };
    const fillWith = (c) => {
        if (c !== fill)
            g.fillStyle = fill = c;
    };
    const strokeWith = (c) => {
        if (c !== stroke)
            g.strokeStyle = stroke = c;
    };
    for (let i = HEADER, k = 0; k < n[1]; ++k) {
        const kind = FIGURE_KINDS[n[i]], hidden = n[i + 1] & HIDDEN, given = n[i + 1] & GIVEN;
        const count = n[i + 3], p = i + ITEM, text = drawing.texts[k];
        i = p + 2 * count;
        if (!count)
            continue;
        switch (kind) {
        case 'Face': {
            // The outline in the fill closes the hairline gaps between facets.
            const c = faceColour(n[p - ITEM + 2]);
            fillWith(c);
            strokeWith(c);
            line(0.6, SOLID);
            tracePath(g, n, p, count, true);
            g.fill();
            g.stroke();
            break;
        }
        case 'Edge':
        case 'Measure':
            strokeWith(kind === 'Edge' ? INK : given ? GIVEN_INK : MEASURE);
            line(hidden ? 1.2 : 2, hidden ? DASHED : SOLID, 'round');
            tracePath(g, n, p, count, false);
            g.stroke();
            break;
        case 'Label':
        case 'Legend': {
            const label = kind === 'Label';
            useFont(label ? labelFont : legendFont);
            fillWith(given ? GIVEN_INK : label ? MEASURE : INK);
            let x = n[p], y = n[p + 1];
            if (label) {
                const m = labelMetric(g, font, text, size);
                x -= m.width / 2;
                y += m.below;
            }
            // A white halo keeps a label legible where it crosses an edge.
            line(3, SOLID);
            strokeWith('white');
            g.strokeText(text, x, y);
            g.fillText(text, x, y);
            break;
        }
        case 'ScaleBar': {
            if (count < 2)
                break;
            strokeWith(INK);
            fillWith(INK);
            line(2, SOLID, 'butt');
            g.beginPath();
            g.moveTo(n[p], n[p + 1]);
            g.lineTo(n[p + 2], n[p + 3]);
            for (let j = p; j < p + 4; j += 2) {
                g.moveTo(n[j], n[j + 1] - 4);
                g.lineTo(n[j], n[j + 1] + 4);
            }
            g.stroke();
            useFont(legendFont);
            g.fillText(text, n[p], n[p + 1] - 7);
            break;
        }
        }
    }
    g.restore();
}

class Screen {
    constructor(program, name, kind, desc) {
        this.program = program;
        this.name = name;
        this.kind = kind; // 'menu' or 'solver'
        this.desc = desc;
        this.controls = new Map(); // name -> {kind, el, onClick}
        this.solution = [];
        this.hint = ''; // the hint line of the last press
        this.figure = null; // the figure of the last press: {solid, dimensions, none, alternative}
        this.id = 'scr' + ++uid;
        this.visible = false;
    }

    // A control is named as the core names it for a screen reader (the
    // description's "spoken"), as the desktop names it.
    // `show(text)`, where given, draws a label's text in parts of its own.
    add(name, kind, element, onClick, show) {
        if (this.controls.has(name))
            throw new Error(`control ${name} of ${this.name} declared twice`);
        element.dataset.control = name;
        const spoken = this.program.spokenName(this.name, name);
        if (spoken !== undefined) {
            if (kind === 'picture')
                element.alt = spoken;
            else if (kind !== 'label')
                element.setAttribute('aria-label', spoken);
        }
        this.controls.set(name, { kind, el: element, onClick, show });
        return element;
    }

    control(name) {
        return this.controls.get(name);
    }

    text(name) {
        const c = this.controls.get(name);
        if (!c)
            return '';
        return c.kind === 'textbox' ? c.el.value : c.el.textContent;
    }

    setText(name, text) {
        const c = this.controls.get(name);
        if (!c || (c.kind !== 'label' && c.kind !== 'textbox'))
            throw new Error(`control ${name} of ${this.name} shows no text`);
        if (c.kind === 'textbox')
            c.el.value = text;
        else if (c.show)
            c.show(text);
        else
            c.el.textContent = text;
    }

    // The line under the solving buttons: what the last press has to tell
    // the student, empty when nothing.
    setHint(text) {
        this.hint = text;
        if (this.hintEl)
            this.hintEl.textContent = text;
    }

    // What the transcript lists of this screen: the capacity and weight,
    // with their captions, only while they show a value, and the choices
    // only where they differ from none.
    state() {
        const labels = {}, checks = {}, options = {};
        for (const [name, c] of this.controls) {
            if (c.kind === 'label' || c.kind === 'textbox') {
                if (c.shownWith !== undefined && this.text(c.shownWith) === '')
                    continue;
                labels[name] = this.text(name);
            }
            else if (c.kind === 'check')
                checks[name] = c.el.checked;
            else if (c.kind === 'option')
                options[name] = c.el.checked;
        }
        const out = { visible: this.visible, caption: this.desc.caption, labels, checks, options };
        // A solver screen also lists the worked solution of its last press,
        // and its hint where the core gives hints.
        if (this.kind === 'solver') {
            out.solution = this.solution;
            if (this.program.options.hints)
                out.hint = this.hint;
            const p = this.program.preferences();
            if (p.unit !== '')
                out.unit = p.unit;
            if (p.decimals !== ALL_DECIMALS)
                out.decimals = Number(p.decimals);
            if (p.specificWeight !== '')
                out.specificWeight = p.specificWeight;
            // The solid the last press computed, or why there is none.
            const f = this.figure;
            if (f && f.solid)
                out.figure = f.none ? { solid: f.solid, none: f.none } : { solid: f.solid, dimensions: f.dimensions };
        }
        return out;
    }
}

export class Program {
    // `core.press(request)` answers a press request object with the response
    // object. `options`: decimal (mark to read and show numbers with),
    // assets (URL prefix of the pictures), ask(text, screen) -> Promise of the
    // answer (null: Cancel), or none to answer from the queue; tell(dialog)
    // -> Promise, for the messages; print(screen), shown(screen, raised),
    // solved(screen), ended(); hints (the transcript lists each solver
    // screen's hint: the core's press answers carry one); choices (the
    // choices to start with: {unit, decimals, weight, material, mark}, as
    // chose() gives them), chose(choices) (they changed).
    constructor(root, description, core, options = {}) {
        this.root = root;
        this.core = core;
        this.options = options;
        this.assets = options.assets ?? 'assets/';
        this.solvers = new Map(description.screens.map((s) => [s.name, s]));
        this.menus = new Map(description.menus.map((m) => [m.name, m]));
        // The screen that makes exercise sheets (sheets.js).
        this.sheetsDesc = description.sheets ?? null;
        // The words shown around the descriptions, and the spoken names.
        this.texts = description.texts;
        this.spoken = description.spoken;
        // The options of the row of choices, and the choices made.
        this.lists = description.choices;
        this.chosen = this.checkedChoices(options.choices);
        this.screens = new Map(); // created, by name
        this.raised = []; // visible screens, last raised last
        this.dialogs = [];
        this.printed = [];
        this.answers = [];
        this.ended = false;
        this.step = 0;
        this.busy = false;
        this.show('Form1');
    }

    // Read at each press: the page may learn its language's mark only then.
    get decimal() {
        return this.options.decimal || '.';
    }

    exists(name) {
        return this.solvers.has(name) || this.menus.has(name) || name === this.sheetsDesc?.name;
    }

    // The spoken name of a control ("Screen", "Control"), or of a screen's
    // close control (no control); undefined for a control named by its text.
    spokenName(screen, control) {
        const key = control === undefined ? screen : screen + '.' + control;
        return Object.hasOwn(this.spoken, key) ? this.spoken[key] : undefined;
    }

    // The screen, created on first use; null for an unknown name.
    window(name) {
        let s = this.screens.get(name);
        if (s)
            return s;
        if (this.solvers.has(name))
            s = this.buildSolver(this.solvers.get(name));
        else if (this.menus.has(name))
            s = this.buildMenu(this.menus.get(name));
        else if (name === this.sheetsDesc?.name)
            s = buildSheets(this, this.sheetsDesc);
        else
            return null;
        this.screens.set(name, s);
        return s;
    }

    // The screen shown last and still on view.
    top() {
        for (let i = this.raised.length - 1; i >= 0; --i) {
            const s = this.screens.get(this.raised[i]);
            if (s && s.visible)
                return s;
        }
        return null;
    }

    // --- The choices of unit, decimals and specific weight -----------------
    //
    // `chosen` holds the unit (an option of its list), the decimals (an
    // option of theirs), the specific weight as the core takes it (written
    // with the decimal mark of the numbers, "" for none) and the material it
    // was picked as ("" for a number typed).

    // The choices with nothing chosen.
    noChoices() {
        return { unit: this.lists.units[0], decimals: ALL_DECIMALS, weight: '', material: '' };
    }

    // Choices as stored or given, each one that is not an option of its list
    // left as none. A weight kept with another decimal mark (`mark`) is
    // written with the one of the numbers now.
    checkedChoices(given) {
        const out = this.noChoices();
        if (given && typeof given === 'object') {
            if (this.lists.units.includes(given.unit))
                out.unit = given.unit;
            if (this.lists.decimals.includes(given.decimals))
                out.decimals = given.decimals;
            if (typeof given.weight === 'string') {
                out.weight = given.weight;
                if (typeof given.mark === 'string' && given.mark && given.weight && given.mark !== this.decimal)
                    out.weight = given.weight.split(given.mark).join(this.decimal);
            }
            if (typeof given.material === 'string' && this.lists.materials.some((m) => m.name === given.material))
                out.material = given.material;
        }
        return out;
    }

    // A material's specific weight with the decimal mark of the numbers.
    materialValue(m) {
        return m.value.replace('.', this.decimal);
    }

    // A material of the list as the pick list of "Peso specifico" shows it:
    // "ferro (7,8)".
    materialLabel(m) {
        return `${m.name} (${this.materialValue(m)})`;
    }

    // A specific weight as typed or picked, read as the desktop reads it:
    // {weight, material}, nothing for the empty text or the placeholder's
    // word, a material by its name (in any case) or as the list shows it, or
    // a number above zero written the language's way; null for anything else.
    readWeight(text) {
        const t = text.trim();
        if (t === '' || t === this.texts.weightPlaceholder)
            return { weight: '', material: '' };
        for (const m of this.lists.materials)
            if (t.toLowerCase() === m.name.toLowerCase() || t === this.materialLabel(m))
                return { weight: this.materialValue(m), material: m.name };
        const mark = this.decimal.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
        const form = new RegExp(`^[+-]?(\\d+(${mark}\\d*)?|${mark}\\d+)([eE][+-]?\\d+)?$`);
        if (!form.test(t))
            return null;
        const value = Number(t.replace(this.decimal, '.'));
        return value > 0 && Number.isFinite(value) ? { weight: t, material: '' } : null;
    }

    // What the box of the specific weight shows: a material as the list
    // shows it, a number as typed.
    weightShown() {
        const m = this.lists.materials.find((x) => x.name === this.chosen.material);
        return m && this.materialValue(m) === this.chosen.weight ? this.materialLabel(m) : this.chosen.weight;
    }

    // The choices as the core takes them: the unit ("" for none), the
    // decimals' option, and the specific weight.
    preferences() {
        const c = this.chosen;
        return { unit: c.unit === this.lists.units[0] ? '' : c.unit, decimals: c.decimals,
                 specificWeight: c.weight };
    }

    // Changes some of the choices, the same on every screen: each shows
    // them, and the capacity and weight it showed, in the choices of before,
    // are emptied. The choices are kept (options.chose) with the decimal mark
    // of their weight.
    setChoices(change) {
        const chosen = this.checkedChoices({ ...this.chosen, ...change });
        if (JSON.stringify(chosen) === JSON.stringify(this.chosen))
            return;
        this.chosen = chosen;
        for (const s of this.screens.values())
            if (s.kind === 'solver') {
                this.showChoices(s);
                if (s.extraRows)
                    for (const row of Object.values(s.extraRows))
                        s.setText(row.result, '');
            }
        this.options.chose?.({ ...this.chosen, mark: this.chosen.weight ? this.decimal : '' });
    }

    // A screen's row of choices, and which of the capacity and weight rows
    // they call for.
    showChoices(s) {
        if (!s.choice)
            return;
        s.choice.unit.value = this.chosen.unit;
        s.choice.decimals.value = this.chosen.decimals;
        s.choice.weight.value = this.chosen.weight ? this.weightShown() : '';
        s.choice.weight.removeAttribute('aria-invalid');
        const noUnit = this.chosen.unit === this.lists.units[0];
        s.choice.weight.disabled = noUnit;
        s.choice.weight.title = noUnit ? this.texts.weightNeedsUnit : this.texts.weightTip;
        s.choice.weightLabel.title = s.choice.weight.title;
        if (s.extraRows) {
            s.extraRows.capacity.el.hidden = noUnit;
            s.extraRows.weight.el.hidden = noUnit || this.chosen.weight === '';
        }
    }

    // What is typed in, or picked for, the box of the specific weight: a
    // weight that reads becomes the choice; one that does not leaves the
    // choice as it was, and the box shows it again, marked invalid.
    takeWeight(s) {
        const box = s.choice.weight;
        const entry = this.readWeight(box.value);
        if (!entry) {
            this.showChoices(s);
            box.setAttribute('aria-invalid', 'true');
            // Said as the desktop says it, until the next entry.
            box.title = this.texts.weightInvalid;
            return;
        }
        this.setChoices(entry);
        this.showChoices(s);
    }

    // --- The shell's operations -------------------------------------------

    show(name) {
        if (this.ended)
            return;
        const s = this.window(name);
        if (!s)
            return;
        s.visible = true;
        s.el.hidden = false;
        this.raised = this.raised.filter((n) => n !== name);
        this.raised.push(name);
        // The screen shown last stands first.
        this.root.prepend(s.el);
        this.restack();
        this.options.shown?.(s, false);
    }

    // A screen on view brought in front of the others, as a window is
    // raised by a click: nothing a transcript lists changes.
    raise(name) {
        const s = this.screens.get(name);
        if (this.ended || !s || !s.visible || this.top() === s)
            return;
        this.raised = this.raised.filter((n) => n !== name);
        this.raised.push(name);
        this.root.prepend(s.el);
        this.restack();
        this.options.shown?.(s, true);
    }

    // The screens on view behind the top one are marked: a narrow page
    // draws each of them as a bar that raises it.
    restack() {
        const top = this.top();
        for (const s of this.screens.values()) {
            const behind = s.visible && s !== top;
            s.el.classList.toggle('behind', behind);
            s.bar.setAttribute('aria-expanded', String(!behind));
        }
    }

    hide(name) {
        if (this.ended)
            return;
        const s = this.window(name);
        if (s) {
            s.visible = false;
            s.el.hidden = true;
        }
        this.keepOneVisible();
        this.restack();
    }

    keepOneVisible() {
        for (const s of this.screens.values())
            if (s.visible)
                return;
        this.show('Form1');
    }

    goTo(from, to) {
        this.show(to);
        this.hide(from);
    }

    print(name) {
        const s = this.window(name);
        if (!s)
            return;
        this.printed.push(name);
        this.options.print?.(s);
    }

    end() {
        if (this.ended)
            return;
        for (const s of this.screens.values()) {
            s.visible = false;
            s.el.hidden = true;
        }
        this.restack();
        this.ended = true;
        this.options.ended?.();
    }

    // The window's own close control: back to the parent, or, on the main
    // menu, the end.
    closeScreen(s) {
        if (this.ended)
            return;
        if (s.desc.parent)
            this.goTo(s.name, s.desc.parent);
        else
            this.end();
    }

    // The browser's Back: "Ritorna" of the screen being left (the one whose
    // showing made the history entry), else of the screen on view.
    back(leaving) {
        const ritorna = (s) => {
            if (!s || !s.visible || !s.desc.parent || !s.desc.ritornaButton)
                return false;
            this.goTo(s.name, s.desc.parent);
            return true;
        };
        if (!ritorna(this.screens.get(leaving)))
            ritorna(this.top());
    }

    // --- Script steps -------------------------------------------------------

    known(name) {
        const s = this.window(name);
        if (!s)
            throw new ScriptError('unknown screen ' + quoted(name));
        return s;
    }

    find(path) {
        const dot = path.indexOf('.');
        if (dot < 0)
            throw new ScriptError(quoted(path) + ' is not "Screen.Control"');
        const s = this.window(path.slice(0, dot));
        if (!s)
            throw new ScriptError('unknown screen ' + quoted(path.slice(0, dot)));
        const c = s.control(path.slice(dot + 1));
        if (!c)
            throw new ScriptError('unknown control ' + quoted(path));
        return c;
    }

    queueAnswers(list) {
        this.answers.push(...list);
    }

    async showStep(name) {
        this.known(name);
        this.show(name);
    }

    async close(name) {
        this.closeScreen(this.known(name));
    }

    async click(path) {
        const c = this.find(path);
        if (c.kind === 'check') {
            c.el.checked = !c.el.checked;
            c.changed?.();
        } else if (c.kind === 'option')
            c.el.checked = true;
        else if (c.onClick)
            await c.onClick();
    }

    async tick(path) {
        const c = this.find(path);
        if (c.kind !== 'check')
            throw new ScriptError(quoted(path) + ' is not a tick box');
        // As a tick box set to the state it has: nothing changes.
        if (c.el.checked === true)
            return;
        c.el.checked = true;
        c.changed?.();
    }

    async untick(path) {
        const c = this.find(path);
        if (c.kind !== 'check')
            throw new ScriptError(quoted(path) + ' is not a tick box');
        // As a tick box set to the state it has: nothing changes.
        if (c.el.checked === false)
            return;
        c.el.checked = false;
        c.changed?.();
    }

    async select(path) {
        const c = this.find(path);
        if (c.kind !== 'option')
            throw new ScriptError(quoted(path) + ' is not an option button');
        if (!c.el.disabled)
            c.el.checked = true;
    }

    // A choice of the row above "Stampa": "Form3.Unita" and one of its
    // options ("cm", "—"), "Form3.Decimali" ("2", "tutti"), or
    // "Form3.PesoSpecifico" and what may be typed there ("ferro", "7,8",
    // "" for none), which changes nothing while no unit is chosen.
    async choose(path, option) {
        const c = this.find(path);
        if (c.kind !== 'choice')
            throw new ScriptError(quoted(path) + ' is not a choice');
        const noOption = () => new ScriptError(quoted(path) + ' has no option ' + quoted(String(option)));
        if (typeof option !== 'string')
            throw noOption();
        // A choice of a screen's own (the exercise sheets').
        if (c.choose) {
            if (!c.choose(option))
                throw noOption();
            return;
        }
        if (c.choice === 'weight') {
            const entry = this.readWeight(option);
            if (!entry)
                throw noOption();
            if (this.chosen.unit !== this.lists.units[0])
                this.setChoices(entry);
            return;
        }
        const list = c.choice === 'unit' ? this.lists.units : this.lists.decimals;
        if (!list.includes(option))
            throw noOption();
        this.setChoices({ [c.choice]: option });
    }

    // --- A press of a solving button ----------------------------------------

    // The press is a pure function of the ticks and of the answers given so
    // far: it runs again with one more answer each time a prompt is answered,
    // and only its complete run changes the screen.
    async solve(s, button) {
        if (this.busy)
            return;
        this.busy = true;
        // The hint of the last press goes as this one starts.
        s.setHint('');
        try {
            const ticks = s.desc.checks.filter((c) => s.control(c.name).el.checked).map((c) => c.name);
            const request = { screen: s.name, button: button.name, ticks, answers: [], decimal: this.decimal,
                              preferences: this.preferences() };
            let r;
            for (;;) {
                r = await this.core.press(request);
                if (r.error)
                    throw new Error(r.error);
                if (!r.pending || request.answers.length >= MAX_PROMPTS)
                    break;
                const prompt = r.events[r.events.length - 1];
                request.answers.push(await this.ask(prompt.text, s, prompt.unit ?? ''));
            }
            const step = this.step;
            let answered = 0;
            for (const e of r.events) {
                if (e.kind === 'set') {
                    s.setText(e.control, e.text);
                } else if (e.kind === 'prompt') {
                    const d = { step, kind: 'prompt', title: TITLE, text: e.text,
                                answer: request.answers[answered++] ?? null };
                    if (e.unit)
                        d.unit = e.unit;
                    this.dialogs.push(d);
                } else if (e.kind === 'message') {
                    const d = { step, kind: 'message', title: TITLE, text: e.text };
                    this.dialogs.push(d);
                    await this.options.tell?.(d, s);
                } else if (e.kind === 'failure') {
                    const d = { step, kind: 'error', title: TITLE, text: e.text, failure: e.failure };
                    this.dialogs.push(d);
                    await this.options.tell?.(d, s);
                }
            }
            s.solution = r.solution || [];
            s.setHint(typeof r.hint === 'string' ? r.hint : '');
            s.worksheet = r.worksheet || null;
            if (r.figure) {
                s.figure = r.figure;
                this.showFigure(s);
            }
            this.options.solved?.(s);
        } finally {
            this.busy = false;
        }
    }

    // `unit`: what the answer is measured in ("cm²"), shown beside the box.
    async ask(text, s, unit = '') {
        if (this.options.ask)
            return this.options.ask(text, s, unit);
        return this.answers.length ? this.answers.shift() : null;
    }

    transcript() {
        const screens = {};
        for (const s of this.screens.values())
            screens[s.name] = s.state();
        return { dialogs: this.dialogs, printed: this.printed, ended: this.ended, screens };
    }

    // --- Building the screens -----------------------------------------------

    frame(name, kind, desc) {
        const s = new Screen(this, name, kind, desc);
        const caption = el('h2', { id: s.id + '-cap', class: 'caption', text: desc.caption || '\u00a0' });
        const close = el('button', { type: 'button', class: 'close', title: this.texts.close,
                                     'aria-label': this.spokenName(name) }, '\u2715');
        close.addEventListener('click', () => this.closeScreen(s));
        s.body = el('div', { class: 'body', id: s.id + '-body' });
        // Behind the top screen on a narrow page only this bar is drawn, named
        // after the solid (a screen whose caption is empty or an internal
        // name is named by its title); a tap raises the screen.
        const named = (desc.subject ?? desc.caption).trim() || desc.caption;
        s.bar = el('button', { type: 'button', class: 'bar', 'aria-controls': s.body.id, 'aria-expanded': 'true' },
                   el('span', { class: 'bar-text', text: named }));
        s.bar.addEventListener('click', () => this.raise(name));
        // The close control stands in the title bar but comes last in the
        // keyboard order, as a window's own close control does.
        s.el = el('section', { class: 'screen ' + kind, 'data-screen': name, 'aria-labelledby': s.id + '-cap', hidden: true },
                  el('header', { class: 'titlebar' }, caption, s.bar), s.body, close);
        return s;
    }

    label(s, c, tag = 'p', cls = '') {
        const e = el(tag, { class: ('label ' + cls).trim(), id: s.id + '-' + idPart(c.name), text: c.text });
        return s.add(c.name, 'label', e);
    }

    // `size` [width, height] keeps the picture's room while it loads. A
    // picture loads once it is laid out in view: the screen's first frame
    // does not wait for the pictures to be read.
    picture(s, name, asset, onClick, size = [264, 220]) {
        const img = el('img', { src: this.assets + asset, class: 'picture', draggable: 'false',
                                loading: 'lazy', width: size[0], height: size[1] });
        if (onClick) {
            img.tabIndex = 0;
            img.setAttribute('role', 'button');
            img.classList.add('clickable');
            img.addEventListener('click', onClick);
            img.addEventListener('keydown', (ev) => {
                if (ev.key === 'Enter' || ev.key === ' ') {
                    ev.preventDefault();
                    onClick();
                }
            });
        }
        return s.add(name, 'picture', img, onClick);
    }

    button(s, c, onClick, cls = '') {
        const b = el('button', { type: 'button', class: ('btn ' + cls).trim(), text: c.text });
        const run = async () => {
            if (this.busy)
                return;
            await onClick();
        };
        b.addEventListener('click', run);
        return s.add(c.name, 'button', b, onClick);
    }

    // `extra` goes first in the row, `afterStampa` right after "Stampa".
    commonButtons(s, d, extra = [], afterStampa = []) {
        const row = el('div', { class: 'buttons' }, ...extra);
        if (d.stampaButton) {
            const prints = d.stampaPrints !== false;
            row.append(this.button(s, d.stampaButton, () => { if (prints) this.print(s.name); }, 'stampa'));
        }
        row.append(...afterStampa);
        if (d.ritornaButton)
            row.append(this.button(s, d.ritornaButton, () => this.goTo(s.name, d.parent), 'ritorna'));
        if (d.esciButton)
            row.append(this.button(s, d.esciButton, () => this.end(), 'esci'));
        return row;
    }

    buildMenu(d) {
        const s = this.frame(d.name, 'menu', d);
        const open = (screen, keep) => (keep ? this.show(screen) : this.goTo(d.name, screen));
        const clicks = new Map((d.clicks || []).map((c) => [c.control, c.opens]));
        const clickOf = (name) => (clicks.has(name) ? () => open(clicks.get(name), false) : undefined);
        if (d.heading)
            s.body.append(this.label(s, d.heading, 'h3', 'heading'));
        if (d.subheading)
            s.body.append(this.label(s, d.subheading, 'p', 'subheading'));
        if (d.options && d.options.length) {
            const group = el('div', { role: 'radiogroup', class: 'options',
                                      'aria-labelledby': d.subheading ? s.id + '-' + d.subheading.name : undefined });
            const inputs = [];
            for (const o of d.options) {
                const input = el('input', { type: 'radio', name: s.id + '-option', id: s.id + '-' + o.name });
                inputs.push([input, o.opens]);
                s.add(o.name, 'option', input);
                group.append(el('label', { class: 'option', for: input.id }, input, el('span', { text: o.text })));
            }
            s.body.append(group);
            if (d.optionButton)
                s.body.append(this.button(s, d.optionButton, () => {
                    const chosen = inputs.find(([i]) => i.checked);
                    if (chosen)
                        open(chosen[1], false);
                }, 'vai'));
        }
        if (d.entries && d.entries.length) {
            const grid = el('div', { class: 'entries', role: 'list' });
            const sorted = [...d.entries].sort((a, b) => a.row - b.row || a.column - b.column);
            // On a wide screen the entries keep the desktop's rows.
            grid.style.setProperty('--columns', String(Math.max(...sorted.map((e) => e.column)) + 1));
            for (const e of sorted) {
                const cell = el('div', { class: 'entry', role: 'listitem' });
                cell.style.setProperty('--row', String(e.row + 1));
                cell.style.setProperty('--column', String(e.column + 1));
                cell.append(this.picture(s, e.picture, e.asset, clickOf(e.picture), [132, 110]));
                const cap = this.label(s, { name: e.label, text: e.text }, 'p', 'entry-caption');
                const capClick = clickOf(e.label);
                if (capClick) {
                    cap.classList.add('clickable');
                    cap.tabIndex = 0;
                    cap.setAttribute('role', 'button');
                    cap.addEventListener('click', capClick);
                    cap.addEventListener('keydown', (ev) => {
                        if (ev.key === 'Enter' || ev.key === ' ') {
                            ev.preventDefault();
                            capClick();
                        }
                    });
                    s.control(e.label).onClick = capClick;
                }
                cell.append(cap);
                cell.append(this.button(s, { name: e.button, text: this.texts.go }, () => open(e.opens, e.keepMenu),
                                        'vai'));
                grid.append(cell);
            }
            s.body.append(grid);
        }
        const extra = d.note ? [this.label(s, d.note, 'p', 'note')] : [];
        s.body.append(this.commonButtons(s, d, extra));
        return s;
    }

    // A solver screen, in the steps and the order of the desktop's.
    buildSolver(d) {
        const s = this.frame(d.name, 'solver', d);
        this.addTitle(s, d);
        this.addSolidsRow(s, d);
        this.addDescription(s, d);
        const middle = el('div', { class: 'middle' });
        this.addPictures(s, d, middle);
        this.addKnown(s, d, middle);
        this.addResults(s, d, middle);
        s.body.append(middle);
        this.addFormulas(s, d);
        this.addCommonButtons(s, d);
        return s;
    }

    addTitle(s, d) {
        if (!d.title)
            return;
        if (d.titleIsTextBox) {
            // A text box that only shows its text: an output, which wraps a
            // long title where an input would cut it.
            const t = el('output', { class: 'title textbox' });
            t.value = d.title.text;
            s.body.append(s.add(d.title.name, 'textbox', t));
        } else {
            s.body.append(this.label(s, d.title, 'h3', 'title'));
        }
    }

    solveButton(s, b, cls = 'solve') {
        return this.button(s, b, () => this.solve(s, b), cls);
    }

    // Solids solved by their own buttons stand in a row: name, picture, button.
    addSolidsRow(s, d) {
        const solids = d.solvers.filter((b) => b.solidName || b.solidPicture);
        if (!solids.length)
            return;
        const row = el('div', { class: 'solids' });
        for (const b of solids) {
            const col = el('div', { class: 'solid' });
            if (b.solidName)
                col.append(this.label(s, b.solidName, 'p', 'solid-name'));
            if (b.solidPicture)
                col.append(this.picture(s, b.solidPicture.name, b.solidPicture.text, undefined, [170, 140]));
            col.append(this.solveButton(s, b));
            row.append(col);
        }
        s.body.append(row, this.hintLine(s));
    }

    // The screen's one hint line, under its first solving button or row of
    // them; a live region, so a screen reader says each new hint.
    hintLine(s) {
        if (!s.hintEl)
            s.hintEl = el('p', { class: 'hint', role: 'status', 'aria-live': 'polite', 'aria-atomic': 'true',
                                 text: s.hint });
        return s.hintEl;
    }

    addDescription(s, d) {
        if (d.description)
            s.body.append(this.label(s, d.description, 'p', 'description'));
    }

    // Pictures, and the controls that stand beside them or on them.
    addPictures(s, d, middle) {
        const pictures = el('div', { class: 'pictures' });
        const hosts = new Map();
        const addPicture = (name, asset) => {
            const wrap = el('div', { class: 'picture-wrap' });
            wrap.append(this.picture(s, name, asset));
            hosts.set(name, wrap);
            pictures.append(wrap);
        };
        if (d.picture)
            addPicture(d.picture.name, d.picture.text);
        for (const x of d.extras || []) {
            if (x.kind === 'Picture') {
                addPicture(x.name, x.text);
                continue;
            }
            const w = this.makeExtra(s, x);
            if (x.onPicture && hosts.has(x.onPicture)) {
                w.classList.add('on-picture');
                w.style.left = (x.x * 100).toFixed(2) + '%';
                w.style.top = (x.y * 100).toFixed(2) + '%';
                hosts.get(x.onPicture).append(w);
            } else {
                pictures.append(w);
            }
        }
        this.addFigure(s, pictures, d.picture ? hosts.get(d.picture.name) : null);
        middle.append(pictures);
    }

    // --- The 3D figure ------------------------------------------------------
    //
    // The solid the last press computed, drawn by the core as a list of
    // primitives (web/CONTRACT.md, corpimetro_view_numbers) on a canvas in the
    // picture's place. "Figura 3D" swaps the two; the arrow keys, Home and a
    // drag turn the solid, as on the desktop.

    addFigure(s, pictures, picture) {
        const t = this.texts;
        const f = s.fig = { shown: false, camera: {}, canvas: null, none: null, picture, frame: 0, context: null };
        f.canvas = el('canvas', { class: 'figure-canvas', role: 'img', tabindex: '0', title: t.figureViewTip,
                                  'aria-label': t.figureBeforeAnyPress, hidden: true });
        f.none = el('p', { class: 'figure-none', text: t.figureBeforeAnyPress, hidden: true });
        const toggle = el('button', { type: 'button', class: 'btn figure-toggle', text: withoutAlt(t.figureToggleCaption),
                                      title: t.figureToggleTip, 'aria-pressed': 'false', 'aria-keyshortcuts': 'Alt+F' });
        const reset = el('button', { type: 'button', class: 'btn figure-reset', text: t.figureResetCaption, hidden: true });
        s.add(t.figureToggleControl, 'button', toggle, () => this.toggleFigure(s));
        s.add(t.figureResetControl, 'button', reset, () => this.turnFigure(s, {}, true));
        toggle.addEventListener('click', () => this.toggleFigure(s));
        reset.addEventListener('click', () => this.turnFigure(s, {}, true));
        f.toggle = toggle;
        f.reset = reset;
        // The Alt letter of the caption, as on the desktop.
        const letter = /&(.)/.exec(t.figureToggleCaption)?.[1]?.toLowerCase();
        s.el.addEventListener('keydown', (ev) => {
            if (letter && ev.altKey && !ev.ctrlKey && !ev.metaKey && ev.key.toLowerCase() === letter) {
                ev.preventDefault();
                this.toggleFigure(s);
            }
        });
        const step = 15; // degrees an arrow key turns by
        f.canvas.addEventListener('keydown', (ev) => {
            const c = f.camera;
            const turns = { ArrowLeft: [-step, 0], ArrowRight: [step, 0], ArrowUp: [0, step], ArrowDown: [0, -step] };
            if (turns[ev.key] && c.turn !== undefined)
                this.turnFigure(s, { turn: c.turn + turns[ev.key][0], tilt: c.tilt + turns[ev.key][1] });
            else if (ev.key === 'Home' || ev.key === '0')
                this.turnFigure(s, {});
            else
                return;
            ev.preventDefault();
        });
        // A drag turns by half a degree a pixel, from the view it started at.
        let drag = null;
        f.canvas.addEventListener('pointerdown', (ev) => {
            if (ev.button !== 0 || f.camera.turn === undefined)
                return;
            f.canvas.focus();
            f.canvas.setPointerCapture(ev.pointerId);
            drag = { id: ev.pointerId, x: ev.clientX, y: ev.clientY, camera: { ...f.camera } };
        });
        f.canvas.addEventListener('pointermove', (ev) => {
            if (!drag || ev.pointerId !== drag.id)
                return;
            this.turnFigure(s, { turn: drag.camera.turn + (ev.clientX - drag.x) * 0.5,
                                 tilt: drag.camera.tilt + (ev.clientY - drag.y) * 0.5 });
        });
        const end = (ev) => { if (drag && ev.pointerId === drag.id) drag = null; };
        f.canvas.addEventListener('pointerup', end);
        f.canvas.addEventListener('pointercancel', end);
        if (typeof ResizeObserver === 'function')
            new ResizeObserver(() => this.drawFigureSoon(s)).observe(f.canvas);
        const wrap = el('div', { class: 'figure-wrap' }, f.canvas, f.none);
        const row = el('div', { class: 'figure-buttons' }, toggle, reset);
        if (picture)
            picture.after(wrap, row);
        else
            pictures.prepend(wrap, row);
    }

    toggleFigure(s) {
        s.fig.shown = !s.fig.shown;
        this.showFigure(s);
    }

    // Shows the picture or the figure, as the toggle says, and the figure
    // of the last press: its drawing, or the sentence why there is none.
    showFigure(s) {
        const f = s.fig;
        if (!f)
            return;
        const scene = s.figure && !s.figure.none;
        f.toggle.setAttribute('aria-pressed', String(f.shown));
        if (f.picture)
            f.picture.hidden = f.shown;
        f.reset.hidden = !f.shown;
        f.canvas.hidden = !(f.shown && scene);
        f.none.hidden = !(f.shown && !scene);
        const words = s.figure ? s.figure.alternative : this.texts.figureBeforeAnyPress;
        f.canvas.setAttribute('aria-label', words);
        f.none.textContent = s.figure ? s.figure.none : this.texts.figureBeforeAnyPress;
        if (f.shown && scene)
            this.drawFigureSoon(s);
    }

    // `camera` {turn, tilt} in degrees, or {} for the first view; the core
    // keeps the tilt short of the poles and the turn within a round.
    turnFigure(s, camera, focus = false) {
        s.fig.camera = camera;
        if (focus && !s.fig.canvas.hidden)
            s.fig.canvas.focus();
        this.drawFigureSoon(s);
    }

    // One drawing a frame, however many turns come in it.
    drawFigureSoon(s) {
        const f = s.fig;
        if (f.frame)
            return;
        const draw = () => {
            f.frame = 0;
            this.drawFigure(s);
        };
        f.frame = typeof requestAnimationFrame === 'function' ? requestAnimationFrame(draw) : setTimeout(draw, 0);
    }

    drawFigure(s) {
        const f = s.fig;
        if (f.canvas.hidden || !this.core.view)
            return;
        const box = f.canvas.getBoundingClientRect();
        if (box.width < 1 || box.height < 1)
            return;
        const request = { screen: s.name, width: Math.round(box.width), height: Math.round(box.height) };
        if (f.camera.turn !== undefined)
            Object.assign(request, { turn: f.camera.turn, tilt: f.camera.tilt });
        const drawing = this.core.view(request);
        if (!drawing || drawing.error)
            return;
        f.camera = { turn: drawing.turn, tilt: drawing.tilt };
        const ratio = globalThis.devicePixelRatio || 1;
        const w = Math.round(request.width * ratio), h = Math.round(request.height * ratio);
        if (f.canvas.width !== w || f.canvas.height !== h) {
            f.canvas.width = w;
            f.canvas.height = h;
        }
        f.context ??= f.canvas.getContext('2d');
        f.context.setTransform(ratio, 0, 0, ratio, 0, 0);
        paintFigure(f.context, drawing);
        // What the page drew last, for the tests, read only when asked for.
        if (lastNumbers.length < drawing.numbers.length)
            lastNumbers = new Float64Array(2 * drawing.numbers.length);
        lastNumbers.set(drawing.numbers);
        const kept = { texts: drawing.texts, numbers: lastNumbers };
        let drawn = null;
        Object.defineProperty(globalThis, '__figureDrawn', {
            configurable: true,
            get: () => (drawn ??= { screen: s.name, request, items: figureItems(kept) }),
        });
    }

    // A label, text box or button beside the pictures.
    makeExtra(s, x) {
        if (x.kind === 'Label')
            return this.label(s, x, 'span', 'extra');
        if (x.kind === 'TextBox') {
            const t = el('input', { class: 'textbox extra', readonly: true, tabindex: '-1',
                                    size: Math.max(1, x.text.length) });
            t.value = x.text;
            return s.add(x.name, 'textbox', t);
        }
        return this.button(s, x, () => this.goTo(s.name, x.opens), 'extra');
    }

    // Known quantities (tick boxes, or the list of what is asked) and "Calcola".
    addKnown(s, d, middle) {
        const known = el('div', { class: 'known', role: 'group' });
        if (d.knownHeading) {
            known.append(this.label(s, d.knownHeading, 'p', 'heading'));
            known.setAttribute('aria-labelledby', s.id + '-' + idPart(d.knownHeading.name));
        }
        for (const c of d.checks) {
            const input = el('input', { type: 'checkbox', id: s.id + '-' + idPart(c.name) });
            s.add(c.name, 'check', input);
            known.append(el('label', { class: 'check', for: input.id }, input, el('span', { text: c.text })));
        }
        for (const k of d.knownList || [])
            known.append(this.label(s, k, 'p', 'known-item'));
        let solves = false;
        for (const b of d.solvers)
            if (!b.solidName && !b.solidPicture) {
                known.append(this.solveButton(s, b));
                solves = true;
            }
        if (solves && !s.hintEl)
            known.append(this.hintLine(s));
        middle.append(known);
    }

    // A result is named by its caption; while that is empty, by the core's
    // fallback.
    addResults(s, d, middle) {
        const results = el('div', { class: 'results' });
        if (d.resultsHeading)
            results.append(this.label(s, d.resultsHeading, 'p', 'heading'));
        const table = el('div', { class: 'rows' });
        for (const r of d.rows) {
            const cap = this.rowCaption(s, r);
            const out = el('output', { class: 'value', tabindex: '0', role: 'status', 'aria-live': 'off',
                                       'aria-labelledby': cap.id,
                                       'aria-description': r.captionText ? undefined : this.spokenName(s.name, r.result) });
            s.add(r.result, 'label', out);
            table.append(el('div', { class: 'row' }, cap, out));
        }
        // Under them, where the screen shows a volume, its capacity and
        // weight: each row shown while the choices call for it.
        if (d.capacity) {
            s.extraRows = {};
            for (const key of ['capacity', 'weight']) {
                const r = d.capacity[key];
                const cap = this.rowCaption(s, r);
                const out = el('output', { class: 'value extra-value', tabindex: '0', role: 'status',
                                           'aria-live': 'off', 'aria-labelledby': cap.id });
                s.add(r.result, 'label', out);
                s.control(r.caption).shownWith = s.control(r.result).shownWith = r.result;
                const row = el('div', { class: 'row', hidden: true }, cap, out);
                s.extraRows[key] = { el: row, caption: r.caption, result: r.result };
                table.append(row);
            }
        }
        results.append(table);
        middle.append(results);
    }

    // A result's caption is drawn as its name and its "=" (with whatever
    // the caption has after it), so that the "=" of every row stands in one
    // column and never goes to a line of its own; its text is the caption's.
    rowCaption(s, r) {
        const e = el('span', { class: 'label row-caption', id: s.id + '-' + idPart(r.caption) });
        const show = (text) => {
            const [name, equals] = splitCaption(text);
            e.replaceChildren(el('span', { class: 'row-name', text: name }), el('span', { class: 'row-equals', text: equals }));
        };
        show(r.captionText);
        return s.add(r.caption, 'label', e, undefined, show);
    }

    // One formula label is named by the heading above it; several, each by
    // its number.
    addFormulas(s, d) {
        if (d.formulaHeading)
            s.body.append(this.label(s, d.formulaHeading, 'p', 'heading formula-heading'));
        const byHeading = d.formulaHeading && d.formulaLabels.length === 1;
        for (const f of d.formulaLabels) {
            const out = el('output', { class: 'formula', tabindex: '0',
                                       'aria-labelledby': byHeading ? s.id + '-' + idPart(d.formulaHeading.name) : undefined,
                                       'aria-label': byHeading ? undefined : this.spokenName(s.name, f) });
            s.add(f, 'label', out);
            s.body.append(out);
        }
    }

    // The worked solution of the last press, beside "Stampa" as on the
    // desktop, where it is a control of the screen that scripts can press.
    addCommonButtons(s, d) {
        const name = this.texts.solution;
        const svolgimento = this.button(s, { name, text: name }, () => this.options.explain?.(s), 'svolgimento');
        svolgimento.title = this.texts.solutionTip;
        s.body.append(this.choicesRow(s), this.commonButtons(s, d, [], [svolgimento]));
        this.showChoices(s);
    }

    // The row of choices above "Stampa", the same on every solver screen:
    // unit and decimals from their lists, the specific weight typed or
    // picked from the materials. Each control is named by its caption.
    choicesRow(s) {
        const t = this.texts;
        const field = (caption, control, tip) => {
            control.id = s.id + '-' + idPart(control.dataset.control);
            control.title = tip;
            return el('label', { class: 'choice', for: control.id },
                      el('span', { class: 'choice-caption', text: withoutAlt(caption) }), control);
        };
        const select = (name, list, key) => {
            const e = el('select', {}, ...list.map((o) => el('option', { value: o, text: o })));
            s.add(name, 'choice', e);
            s.control(name).choice = key;
            e.addEventListener('change', () => this.setChoices({ [key]: e.value }));
            return e;
        };
        const unit = select(t.unitControl, this.lists.units, 'unit');
        const decimals = select(t.decimalsControl, this.lists.decimals, 'decimals');
        const list = el('datalist', { id: s.id + '-materiali' });
        const weight = el('input', { type: 'text', list: list.id, autocomplete: 'off', spellcheck: 'false',
                                     placeholder: t.weightPlaceholder, size: 12 });
        s.add(t.weightControl, 'choice', weight);
        s.control(t.weightControl).choice = 'weight';
        // The materials are written with the language's mark, asked of the
        // browser only when the list is first wanted.
        weight.addEventListener('focus', () => {
            if (!list.childElementCount)
                list.append(...this.lists.materials.map((m) => el('option', { value: this.materialLabel(m) })));
        });
        // Taken when it is done with (Enter, or the focus leaves), or at once
        // when a material is picked from the list.
        weight.addEventListener('change', () => this.takeWeight(s));
        weight.addEventListener('input', () => {
            weight.removeAttribute('aria-invalid');
            if (this.lists.materials.some((m) => this.materialLabel(m) === weight.value))
                this.takeWeight(s);
        });
        const weightLabel = field(t.weightCaption, weight, t.weightTip);
        s.choice = { unit, decimals, weight, weightLabel };
        return el('div', { class: 'choices' }, field(t.unitCaption, unit, t.unitTip),
                  field(t.decimalsCaption, decimals, t.decimalsTip), weightLabel, list);
    }
}
