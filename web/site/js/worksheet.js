// The worksheet of a solver screen's last press, printed from the
// "Svolgimento" dialog as on the desktop: the exercise to hand out ("testo":
// lines for name, class and date, the exercise in words, the figure with the
// data beside their letters, ruled space to work) or its answer key
// ("soluzione": the exercise, the steps and the results aligned on their
// "="). The words come from the core (the press's "worksheet").

const SVG = 'http://www.w3.org/2000/svg';
const RED = '#c0392b';

const el = (tag, cls, text) => {
    const e = document.createElement(tag);
    if (cls)
        e.className = cls;
    if (text !== undefined)
        e.textContent = text;
    return e;
};

// A number as the worksheet writes it: its minus sign a real one.
const written = (typed) => typed.replace(/^-/, '\u2212');

const capitalized = (s) => s.charAt(0).toUpperCase() + s.slice(1);

// The results the press wrote, each with its quantity in words.
export function worksheetResults(s) {
    const rows = s.worksheet?.rows || [];
    const out = [];
    for (const r of rows) {
        const value = s.text(r.result).trim();
        if (value)
            out.push({ words: capitalized(r.words), symbol: r.symbol, value });
    }
    return out;
}

// What "Copia" copies: the exercise, the lines and the results, ending with
// a newline.
export function worksheetText(s, empty) {
    if (!s.solution.length)
        return empty + '\n';
    let text = s.worksheet?.exercise ? s.worksheet.exercise + '\n\n' : '';
    text += s.solution.join('\n') + '\n';
    const results = worksheetResults(s);
    if (results.length) {
        text += '\nRisultati:\n';
        for (const r of results)
            text += `${r.words}: ${r.symbol} = ${r.value}\n`;
    }
    return text;
}

// The figure with each datum's value after its letter: the letters are the
// italic red texts, a smaller digit right after one its subscript ("r" "1"
// for r1). The view box widens for what goes past its right edge.
export function labelledFigure(svgText, data) {
    const doc = new DOMParser().parseFromString(svgText, 'image/svg+xml');
    const svg = doc.documentElement;
    if (svg.nodeName !== 'svg')
        return null;
    const texts = [...svg.querySelectorAll('text')].filter((t) => t.getAttribute('font-style') === 'italic');
    const size = (t) => parseFloat(t.getAttribute('font-size')) || 16;
    const labels = [];
    for (let i = 0; i < texts.length; ++i) {
        const label = { symbol: texts[i].textContent, main: texts[i], last: texts[i] };
        while (i + 1 < texts.length && /^\d+$/.test(texts[i + 1].textContent) && size(texts[i + 1]) < size(texts[i])) {
            ++i;
            label.symbol += texts[i].textContent;
            label.last = texts[i];
        }
        labels.push(label);
    }
    const find = (symbol) => {
        if (symbol === 'alfa')
            symbol = '\u03b1';
        return labels.find((l) => l.symbol === symbol)
            || labels.find((l) => l.symbol.toLowerCase() === symbol.toLowerCase());
    };
    let right = 0;
    const done = new Set();
    for (const d of data) {
        const l = find(d.symbol);
        if (!l || !d.typed || done.has(l))
            continue;
        done.add(l);
        const last = l.last;
        const width = 0.6 * size(last) * [...last.textContent].length;
        const x0 = parseFloat(last.getAttribute('x')) || 0;
        const x = (last.getAttribute('text-anchor') === 'middle' ? x0 + width / 2 : x0 + width) + 0.3 * size(l.main);
        const fontSize = size(l.main) * 0.85;
        const value = '= ' + written(d.typed);
        right = Math.max(right, x + 0.6 * fontSize * [...value].length);
        // On a white halo (its stroke painted first), so that no edge of
        // the drawing runs through it.
        const t = doc.createElementNS(SVG, 'text');
        const attributes = { x: x.toFixed(1), y: l.main.getAttribute('y'), 'font-family': 'DejaVu Sans',
                             'font-size': fontSize.toFixed(1), fill: RED, stroke: '#ffffff',
                             'stroke-width': '4', 'stroke-linejoin': 'round', 'paint-order': 'stroke' };
        for (const [name, v] of Object.entries(attributes))
            t.setAttribute(name, v);
        t.textContent = value;
        last.after(t);
    }
    const box = (svg.getAttribute('viewBox') || '').split(/\s+/).map(Number);
    if (box.length === 4 && right + 4 > box[0] + box[2]) {
        const wider = Math.ceil(right + 4 - box[0]);
        const width = parseFloat(svg.getAttribute('width'));
        if (width)
            svg.setAttribute('width', (width * wider / box[2]).toFixed(1));
        svg.setAttribute('viewBox', `${box[0]} ${box[1]} ${wider} ${box[3]}`);
    }
    return document.importNode(svg, true);
}

async function figureOf(s) {
    const w = s.worksheet;
    if (!w?.picture)
        return null;
    try {
        const response = await fetch(s.program.assets + w.picture);
        if (!response.ok)
            return null;
        const svg = labelledFigure(await response.text(), w.data || []);
        if (svg) {
            svg.removeAttribute('width');
            svg.removeAttribute('height');
            svg.setAttribute('role', 'img');
        }
        return svg;
    } catch {
        return null;
    }
}

// The solid the title names, as the desktop's worksheet does: the core's
// subject (the caption, or the screen's title when the caption is empty or
// only an internal name); "CONO" written "Cono".
export function worksheetSubject(s) {
    const subject = (s.desc.subject || s.name).replace(/\s+/g, ' ').trim();
    return subject === subject.toUpperCase() ? subject.charAt(0) + subject.slice(1).toLowerCase() : subject;
}

// The page of `version` ('testo' or 'soluzione') for the screen `s`.
export async function buildWorksheet(s, version) {
    const answers = version === 'soluzione';
    const parts = [];
    const names = el('div', 'ws-names');
    for (const [word, cls] of [['Nome', 'ws-name'], ['Classe', 'ws-class'], ['Data', 'ws-date']]) {
        const field = el('div', 'ws-field ' + cls);
        field.append(el('span', 'ws-word', word), el('span', 'ws-line'));
        names.append(field);
    }
    parts.push(names);
    const title = el('div', 'ws-title');
    title.append(el('h2', '', worksheetSubject(s)), el('span', 'ws-version', answers ? 'Soluzione' : 'Esercizio'));
    parts.push(title);
    if (s.worksheet?.exercise)
        parts.push(el('p', 'ws-exercise', s.worksheet.exercise));
    const figure = await figureOf(s);
    if (!answers) {
        if (figure) {
            const wrap = el('div', 'ws-figure');
            wrap.append(figure);
            parts.push(wrap);
        }
        parts.push(el('p', 'ws-heading', 'Svolgimento'));
        const ruled = el('div', 'ws-ruled');
        for (let i = 0; i < 40; ++i)
            ruled.append(el('div', 'ws-rule'));
        parts.push(ruled);
    } else {
        const middle = el('div', 'ws-middle');
        const steps = el('div', 'ws-steps');
        for (const line of s.solution)
            steps.append(el('p', /:$/.test(line) ? 'ws-step-heading' : 'ws-step', line));
        middle.append(steps);
        if (figure) {
            const side = el('div', 'ws-side-figure');
            side.append(figure);
            middle.append(side);
        }
        parts.push(middle);
        const results = worksheetResults(s);
        if (results.length) {
            parts.push(el('p', 'ws-heading', 'Risultati'));
            const grid = el('div', 'ws-results');
            for (const r of results)
                grid.append(el('span', 'ws-words', r.words), el('span', 'ws-symbol', r.symbol),
                            el('span', 'ws-equals', '='), el('span', 'ws-value', r.value));
            parts.push(grid);
        }
    }
    return parts;
}

// Prints the worksheet: the page alone on paper, then the program again.
export async function printWorksheet(s, version) {
    const sheet = document.getElementById('worksheet');
    delete sheet.dataset.ready;
    sheet.replaceChildren(...await buildWorksheet(s, version));
    sheet.className = 'ws-' + version;
    sheet.dataset.ready = version;
    document.body.classList.add('printing-worksheet');
    window.addEventListener('afterprint', () => document.body.classList.remove('printing-worksheet'), { once: true });
    window.print();
}
