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

// A 2 cube with 2 decimals: d = 2√3 = 3,4641... and d1 = 2√2 = 2,8284...
// written with two; 1 decimal after the choice, in dm: d1 = 2,8 (the side,
// typed, stays as typed).
test('a script\'s own choices apply before its first step, and a choice as a step after', () => {
    const steps = [{ click: 'Form1.Command3' }, { tick: 'Form3.Check1' }, { answers: ['2'] }, { click: 'Form3.Command3' }];
    writeFileSync(join(dir, 'scelte.json'), JSON.stringify({ locale: 'it_IT', preferences: { decimals: 2 }, steps: [
        ...steps, { choose: 'Form3.Decimali', option: '1' }, { choose: 'Form3.Unita', option: 'dm' },
        { answers: ['2'] }, { click: 'Form3.Command3' }, { choose: 'Form3.Decimali', option: 'tutti' }] }));
    const r = run(['scelte.json']);
    assert.equal(r.status, 0, r.stderr);
    const t = JSON.parse(r.stdout);
    const cube = t.screens.Form3;
    // The choices at the end: dm, every decimal again, no specific weight.
    assert.equal(cube.unit, 'dm');
    assert.equal('decimals' in cube, false);
    assert.equal('specificWeight' in cube, false);
    assert.equal(cube.labels.Label7.replace(/ dm$/, ''), '3,5');
    assert.equal(cube.labels['Label12(2)'].replace(/ dm$/, ''), '2,8');

    // The first press alone, under the script's preferences.
    writeFileSync(join(dir, 'prima.json'), JSON.stringify({ locale: 'it_IT', preferences: { decimals: 2 }, steps }));
    const first = JSON.parse(run(['prima.json']).stdout).screens.Form3;
    assert.equal(first.decimals, 2);
    assert.equal('unit' in first, false);
    assert.equal(first.labels.Label7, '3,46');
    assert.equal(first.labels['Label12(2)'], '2,83');
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
        ['a choice not on the list', '{"steps":[{"choose":"Form3.Unita","option":"inch"}]}', 2, /step 0: "Form3.Unita" has no option "inch"/, true],
        ['a choice of a tick box', '{"steps":[{"choose":"Form3.Check1","option":"cm"}]}', 2, /step 0: "Form3.Check1" is not a choice/, true],
        ['a specific weight that is no number', '{"steps":[{"choose":"Form3.PesoSpecifico","option":"piombo"}]}', 2, /step 0: "Form3.PesoSpecifico" has no option "piombo"/, true],
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

// One reading for both runners: the core's reader, from the same bytes.
test('scripts read as corpimetro-script reads them', async (t) => {
    const BOM = '\ufeff';
    const cube = (locale, typed) => JSON.stringify({ locale, steps: [
        { click: 'Form1.Command3' }, { tick: 'Form3.Check1' }, { answers: [typed] }, { click: 'Form3.Command3' }] });
    const cases = [
        // [what, input bytes, status, stderr pattern, answer typed or volume shown]
        ['a raw byte-order mark starting an answer is kept', Buffer.from(cube('en_US', BOM + '2')), 0, /^$/, { answer: BOM + '2' }],
        ['a byte-order mark starting the file is skipped', Buffer.from(BOM + cube('en_US', '2')), 0, /^$/, { volume: '8' }],
        ['a lone surrogate is malformed', Buffer.from(cube('en_US', 'x').replace('"x"', '"\\ud800"')), 2, /surrogate U\+D800/, null],
        ['a raw byte 0xff is malformed', Buffer.concat([Buffer.from('{"steps":[{"show":"'), Buffer.from([0xff]), Buffer.from('"}]}')]), 2, /ill-formed UTF-8/, null],
        ['a raw control byte is malformed', Buffer.from('{"steps":[{"show":"\x01"}]}'), 2, /control character U\+0001/, null],
        ['it_IT.UTF-8 reads a decimal comma', Buffer.from(cube('it_IT.UTF-8', '2,5')), 0, /^$/, { volume: '15,625' }],
        ['en_US@euro reads a decimal point', Buffer.from(cube('en_US@euro', '2.5')), 0, /^$/, { volume: '15.625' }],
    ];
    for (const [what, input, status, stderr, shown] of cases) {
        await t.test(what, () => {
            const r = run(['-'], input);
            assert.equal(r.status, status, r.stderr);
            assert.match(r.stderr, stderr);
            if (!shown)
                return assert.equal(r.stdout, '');
            const t = JSON.parse(r.stdout);
            if ('answer' in shown)
                assert.equal(t.dialogs[0].answer, shown.answer);
            if ('volume' in shown)
                assert.equal(t.screens.Form3.labels.Label13, shown.volume);
        });
    }
});

test('a batch gives every line its line out, a malformed one too', () => {
    const lines = [
        '{"steps":[{"answers":["\\ud800"]}]}',
        '{"steps":[{"show":"\u00ff"}]}', // written as latin1: the byte 0xff
        '{"steps":[{"show":"Form3"}]}',
        '{"locale":"xx_YY","steps":[]}',
        '{"steps":[{"show":"Form99"}]}',
    ];
    const r = spawnSync(runScript, ['--batch', '-'], { cwd: dir, input: Buffer.from(lines.join('\n') + '\n', 'latin1') });
    assert.equal(r.status, 0, r.stderr.toString());
    const out = r.stdout.toString('utf8').split('\n').filter((l) => l).map((l) => JSON.parse(l));
    assert.deepEqual(out.map((o) => o.status), [2, 2, 0, 2, 2]);
    assert.match(out[0].stderr, /surrogate/);
    assert.match(out[1].stderr, /ill-formed UTF-8/);
    assert.equal(JSON.parse(out[2].transcript).screens.Form3.visible, true);
    assert.match(out[3].stderr, /unknown locale "xx_YY"/);
    assert.match(out[4].stderr, /step 0: unknown screen "Form99"/);
    assert.notEqual(out[4].transcript, '');
});

test('usage and unreadable files', () => {
    assert.equal(run([]).status, 2);
    const r = run(['no-such-file.json']);
    assert.equal(r.status, 2);
    assert.match(r.stderr, /cannot read no-such-file.json/);
});
