// web/run-script as a command: callable from any directory, reading a file or
// standard input, with the exit codes and messages of corpimetro-script.

import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdtempSync, writeFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, dirname } from 'node:path';
import { fileURLToPath } from 'node:url';

const runScript = join(dirname(fileURLToPath(import.meta.url)), '..', 'run-script');
const dir = mkdtempSync(join(tmpdir(), 'corpimetro-run-script-'));
process.on('exit', () => rmSync(dir, { recursive: true, force: true }));

const run = (args, input) => spawnSync(runScript, args, { cwd: dir, input, encoding: 'utf8' });

test('a script from a file, run from another directory, prints the transcript', () => {
    writeFileSync(join(dir, 'cubo.json'), JSON.stringify({ locale: 'it_IT', steps: [
        { click: 'Form1.Command3' }, { tick: 'Form3.Check1' }, { answers: ['2,5'] }, { click: 'Form3.Command3' }] }));
    const r = run(['cubo.json']);
    assert.equal(r.status, 0, r.stderr);
    const t = JSON.parse(r.stdout);
    assert.equal(t.ended, false);
    assert.deepEqual(t.dialogs, [{ answer: '2,5', kind: 'prompt', step: 3, text: 'INTRODUCI IL LATO (L) =', title: 'CORPIMETRO' }]);
    assert.ok(Object.values(t.screens.Form3.labels).includes('15,625'), 'the volume of a 2,5 cube');
    assert.equal(t.screens.Form1.visible, true);
    assert.ok(r.stdout.startsWith('{\n    "dialogs": [\n        {\n'), 'indented as the desktop writes it');
});

test('exit codes', async (t) => {
    const cases = [
        // [what, input, status, stderr pattern, transcript printed]
        ['not JSON', '{', 2, /^corpimetro-script: malformed script: /, false],
        ['not an object', '[1]', 2, /must be a JSON object/, false],
        ['an unknown key', '{"steps":[],"x":1}', 2, /unknown key "x"/, false],
        ['an unknown locale', '{"locale":"xx_YY","steps":[]}', 2, /unknown locale "xx_YY"/, false],
        ['an unknown step', '{"steps":[{"jump":"Form1"}]}', 2, /step 0: unknown step "jump"/, false],
        ['a step of two keys', '{"steps":[{"show":"Form1","click":"Form1.Command1"}]}', 2, /step 0: a step is an object with one key/, false],
        ['a control without its screen', '{"steps":[{"click":"Command1"}]}', 2, /step 0: "click" takes "Screen.Control"/, false],
        ['an answer that is a number', '{"steps":[{"answers":[2]}]}', 2, /an answer is a string or null/, false],
        ['an unknown screen', '{"steps":[{"show":"Form3"},{"show":"Form99"}]}', 2, /step 1: unknown screen "Form99"/, true],
        ['an unknown control', '{"steps":[{"tick":"Form3.Check9"}]}', 2, /step 0: unknown control "Form3.Check9"/, true],
        ['a tick on a button', '{"steps":[{"tick":"Form3.Command3"}]}', 2, /step 0: "Form3.Command3" is not a tick box/, true],
        ['a select of a tick box', '{"steps":[{"select":"Form3.Check1"}]}', 2, /step 0: "Form3.Check1" is not an option button/, true],
        ['a good script', '{"steps":[{"click":"Form1.Command1"}]}', 0, /^$/, true],
    ];
    for (const [what, input, status, stderr, printed] of cases) {
        await t.test(what, () => {
            const r = run(['-'], input);
            assert.equal(r.status, status, r.stderr);
            assert.match(r.stderr, stderr);
            assert.equal(r.stdout !== '', printed);
            if (printed)
                JSON.parse(r.stdout);
        });
    }
});

test('usage and unreadable files', () => {
    assert.equal(run([]).status, 2);
    const r = run(['no-such-file.json']);
    assert.equal(r.status, 2);
    assert.match(r.stderr, /cannot read no-such-file.json/);
});
