// An element of the page built in one call: its attributes (a "class", a
// "text" for its content; false, null and undefined left out, true as an
// empty attribute) and its children, those that are not empty.

export function el(tag, attrs = {}, ...children) {
    const e = document.createElement(tag);
    for (const [k, v] of Object.entries(attrs)) {
        if (v === undefined || v === null || v === false)
            continue;
        if (k === 'class')
            e.className = v;
        else if (k === 'text')
            e.textContent = v;
        else
            e.setAttribute(k, v === true ? '' : v);
    }
    for (const c of children)
        if (c)
            e.append(c);
    return e;
}
