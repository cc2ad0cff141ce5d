// Screenshots of the cone after a calculation, at 360 and 1366 px wide, of
// its worked solution after r 3, h 4, of the cone with too few data, of
// the main menu, the cylinder and the cube open together, and of the
// triangular prism and the spherical wedge's worked solution, and of the
// cone again in cm, with 2 decimals and iron, with its prompt's unit and its
// capacity and weight after the press, for looking at the layout (not a
// test).
//
//   node web/tests/screenshots.mjs OUTPUT_DIR

import { writeFileSync, mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { Browser, serve, siteDir } from '../chromium.mjs';

const out = process.argv[2] || '.';
mkdirSync(out, { recursive: true });
const server = await serve(siteDir());
const browser = await Browser.launch();
try {
    for (const [width, height, mobile] of [[360, 1400, true], [1366, 768, false]]) {
        const page = await browser.newPage({ width, height, mobile });
        await page.send('Emulation.setLocaleOverride', { locale: 'it-IT' });
        await page.send('Network.setUserAgentOverride', { userAgent: 'CORPIMETRO', acceptLanguage: 'it-IT' });
        await page.open(server.url + 'index.html');
        await page.evaluate(`(async () => {
            const p = corpimetroProgram;
            p.screens.get('Form1').control('Command6').el.click();
            const s = p.screens.get('Form12');
            for (const c of ['Check1', 'Check4']) s.control(c).el.checked = true;
            window.realAsk = p.options.ask;
            p.options.ask = async (text) => text.includes('RAGGIO') ? '2,5' : '3';
            await p.solve(s, p.solvers.get('Form12').solvers[0]);
            document.activeElement.blur();
            await Promise.all([...document.images].map((i) => i.decode().catch(() => {})));
            await new Promise((ok) => requestAnimationFrame(() => setTimeout(ok, 100)));
        })()`);
        const file = join(out, `cono-${width}.png`);
        await page.screenshot(file, writeFileSync);
        console.log(file);

        await page.evaluate(`(async () => {
            const p = corpimetroProgram, s = p.screens.get('Form12');
            p.options.ask = async (text) => text.includes('RAGGIO') ? '3' : '4';
            await p.solve(s, p.solvers.get('Form12').solvers[0]);
            s.control('Svolgimento').el.click();
            await new Promise((ok) => requestAnimationFrame(() => setTimeout(ok, 100)));
        })()`);
        const solution = join(out, `cono-svolgimento-${width}.png`);
        await page.screenshot(solution, writeFileSync);
        console.log(solution);

        const shot = async (name, script) => {
            await page.evaluate(`(async () => {
                document.getElementById('solution-dialog').close();
                ${script}
                document.activeElement.blur();
                // A picture that is not drawn (on a screen behind) never loads.
                const drawn = [...document.images].filter((i) => i.getClientRects().length);
                await Promise.all(drawn.map((i) => i.decode().catch(() => {})));
                await new Promise((ok) => requestAnimationFrame(() => setTimeout(ok, 400)));
            })()`);
            const file = join(out, `${name}-${width}.png`);
            await page.screenshot(file, writeFileSync);
            console.log(file);
        };
        await shot('cono-pochi-dati', `
            const p = corpimetroProgram, s = p.screens.get('Form12');
            for (const c of ['Check4']) s.control(c).el.checked = false;
            p.options.tell = async () => {};
            await p.solve(s, p.solvers.get('Form12').solvers[0]);`);
        await shot('tre-schermate', `
            const p = corpimetroProgram;
            p.hide('Form12');
            p.screens.get('Form1').control('Command2').el.click();
            p.screens.get('Form1').control('Command3').el.click();
            scrollTo(0, 0);`);
        await shot('prisma-triangolare', `
            const p = corpimetroProgram;
            p.show('Form15');
            scrollTo(0, 0);`);
        await shot('fuso-svolgimento', `
            const p = corpimetroProgram;
            p.show('Form41');
            p.screens.get('Form41').control('Svolgimento').el.click();`);
        // The prompt with the unit of the radius beside its box.
        await page.evaluate(`(async () => {
            document.getElementById('solution-dialog').close();
            const p = corpimetroProgram;
            for (const name of [...p.screens.keys()])
                if (name !== 'Form12')
                    p.hide(name);
            p.show('Form12');
            p.setChoices({ unit: 'cm', decimals: '2', ...p.readWeight('ferro') });
            p.options.ask = window.realAsk;
            for (const c of ['Check1', 'Check4']) p.screens.get('Form12').control(c).el.checked = true;
            p.screens.get('Form12').control('Command1').el.click();
            await new Promise((ok) => requestAnimationFrame(() => setTimeout(ok, 200)));
        })()`);
        const prompt = join(out, `cono-cm-domanda-${width}.png`);
        await page.screenshot(prompt, writeFileSync);
        console.log(prompt);
        // Cancelled, each prompt: the press ends.
        await page.evaluate(`(async () => {
            const dialog = document.getElementById('prompt-dialog');
            while (corpimetroProgram.busy) {
                if (dialog.open)
                    dialog.close();
                await new Promise((ok) => setTimeout(ok, 20));
            }
        })()`);
        await shot('cono-cm-ferro', `
            const p = corpimetroProgram, s = p.screens.get('Form12');
            for (const c of ['Check1', 'Check4']) s.control(c).el.checked = true;
            p.options.ask = async (text) => text.includes('RAGGIO') ? '2,5' : '3';
            await p.solve(s, p.solvers.get('Form12').solvers[0]);
            s.el.querySelector('.choices').scrollIntoView({ block: 'end' });`);
        await page.evaluate('localStorage.removeItem("corpimetro.scelte")');
    }
} finally {
    await browser.close();
    server.close();
}
