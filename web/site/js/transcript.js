// Writes JSON the way the desktop's script runner does: four-space indents,
// object keys sorted, an empty object or array opened and closed on two lines.
// Strings are escaped as JSON.stringify does, which matches it for every
// character the program shows.

function write(value, indent) {
    if (value === null || value === undefined)
        return 'null';
    if (typeof value === 'boolean' || typeof value === 'number')
        return String(value);
    if (typeof value === 'string')
        return JSON.stringify(value);
    const inner = ' '.repeat(indent + 4);
    const outer = ' '.repeat(indent);
    if (Array.isArray(value)) {
        if (value.length === 0)
            return '[\n' + outer + ']';
        return '[\n' + value.map((v) => inner + write(v, indent + 4)).join(',\n') + '\n' + outer + ']';
    }
    const keys = Object.keys(value).sort();
    if (keys.length === 0)
        return '{\n' + outer + '}';
    return '{\n'
        + keys.map((k) => inner + JSON.stringify(k) + ': ' + write(value[k], indent + 4)).join(',\n')
        + '\n' + outer + '}';
}

// The whole document, with its final newline.
export function indented(value) {
    return write(value, 0) + '\n';
}
